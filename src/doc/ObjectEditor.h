#pragma once
// What EditProperties calls to show an object's property sheet or dialog. The GUI installs its
// implementation at start-up; without one (loomcfg, headless tests) nothing can be edited and
// EditProperties reports a cancel.

namespace netloom {

class C_Doc_Adapter;
class C_Doc_TrafficProfile;
class C_Doc_Elan;
class C_Doc_TpMapping;
class C_Doc_Pvc;
class C_Doc_Cfgfile;

class CObjectEditor {
  public:
    virtual ~CObjectEditor() = default;
    // Each returns true when the user confirmed with OK; the object is changed only then.
    virtual bool Edit(C_Doc_Adapter& adapter) = 0;
    virtual bool Edit(C_Doc_TrafficProfile& profile) = 0;
    virtual bool Edit(C_Doc_Elan& elan) = 0;
    virtual bool Edit(C_Doc_TpMapping& mapping) = 0;
    virtual bool Edit(C_Doc_Pvc& pvc) = 0;
    // The Select Adapter Type dialog of the configuration (the root's properties and New).
    virtual bool Edit(C_Doc_Cfgfile& cfgfile) = 0;
    // The Select Virtual Adapter Type dialog that Insert Virtual Adapter shows first; type is
    // 0 on entry and receives the chosen type on OK.
    virtual bool ChooseVirtualAdapterType(int& type) = 0;
};

// The installed editor, or null.
CObjectEditor* GetObjectEditor();
// Installs editor (null removes it); returns the one installed before.
CObjectEditor* SetObjectEditor(CObjectEditor* editor);

}  // namespace netloom
