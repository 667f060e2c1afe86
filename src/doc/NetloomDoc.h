#pragma once
// CNetloomDoc: the open configuration, its selection context, numbering and the operations
// that add and remove objects by kind. Free of any toolkit; the GUI drives it.

#include <memory>
#include <string>

#include "doc/Cfgfile.h"

namespace netloom {

class C_Doc_Adapter;
class C_Doc_TrafficProfile;
class C_Doc_Elan;
class C_Doc_Pvc;
class C_Doc_TpMapping;
class CMessageSink;

class CNetloomDoc {
  public:
    CNetloomDoc();
    ~CNetloomDoc();
    CNetloomDoc(const CNetloomDoc&) = delete;
    CNetloomDoc& operator=(const CNetloomDoc&) = delete;

    // Deletes every configuration object and clears the selection context.
    void DeleteContents();

    // Reads configuration text into the (emptied) document; problems go to sink.
    void ReadText(std::string_view text, CMessageSink* sink);

    // The whole file text, as saving writes it. Refreshes the derived values (MaxPvcs, the
    // sustained rate of best-effort profiles, each PVC's UserInstance).
    std::string ConfigurationText();

    // Numbers every object and sets the owner links; relabels every object with a tree node.
    void Renumber();

    // Appends object to the list its type code and the selection context name; false (and the
    // object handed back through rejected) when no list takes it.
    bool AddPastedObject(std::unique_ptr<CDocObject> object,
                         std::unique_ptr<CDocObject>* rejected = nullptr);
    // Takes object out of the list its type code and the selection context name and hands it
    // back; null when it is not there.
    std::unique_ptr<CDocObject> RemoveObject(CDocObject* object);

    void ClearSelectionContext();

    C_Doc_Cfgfile& Cfgfile() { return m_cfgfile; }

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    C_Doc_Adapter* m_pCurAdapter = nullptr;
    C_Doc_TrafficProfile* m_pCurTrafficProfile = nullptr;
    C_Doc_Elan* m_pCurElan = nullptr;
    C_Doc_Pvc* m_pCurPvc = nullptr;
    C_Doc_TpMapping* m_pCurMapping = nullptr;

  private:
    C_Doc_Cfgfile m_cfgfile;
    bool m_bModified = false;
};

}  // namespace netloom
