#pragma once
// What the document asks of its tree view: add the node of an object it has just appended to
// its owner, and show a new path on the root. The tree view implements it.

#include <string>

namespace netloom {

class C_Doc_Adapter;
class C_Doc_TrafficProfile;
class C_Doc_Elan;
class C_Doc_Pvc;
class C_Doc_TpMapping;

class CDocView {
  public:
    virtual ~CDocView() = default;
    virtual void AddAdapterNode(C_Doc_Adapter& adapter) = 0;
    virtual void AddTrafficProfileNode(C_Doc_TrafficProfile& profile) = 0;
    virtual void AddVirtualAdapterNode(C_Doc_Elan& elan) = 0;
    virtual void AddPvcNode(C_Doc_Pvc& pvc) = 0;
    virtual void AddMappingNode(C_Doc_TpMapping& mapping) = 0;
    // The root's text after the document was saved under path.
    virtual void SetRootText(const std::string& path) = 0;
};

}  // namespace netloom
