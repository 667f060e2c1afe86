#include "doc/Cfgfile.h"

#include "archive/Archive.h"
#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/ObjectEditor.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"

namespace netloom {

C_Doc_Cfgfile::C_Doc_Cfgfile() {
    m_nType = DOC_TYPE_CFGFILE;
}

C_Doc_Cfgfile::~C_Doc_Cfgfile() {
    DeleteContents();
}

void C_Doc_Cfgfile::AppendLabel(std::string& out) const {
    out += m_name;
}

bool C_Doc_Cfgfile::EditProperties() {
    CObjectEditor* editor = GetObjectEditor();
    return editor != nullptr && editor->Edit(*this);
}

void C_Doc_Cfgfile::Serialize(CArchive& ar) {
    ar.Int32(m_nAdapterModel);
    ar.Int32(m_nReserved);
    SerializeFields(ar);
}

void C_Doc_Cfgfile::DeleteContents() {
    // Children go before their owners, so no owner link ever points at a freed object.
    std::vector<std::unique_ptr<C_Doc_Adapter>> adapters = std::move(Adapters);
    Adapters.clear();
    for (auto& adapter : adapters) {
        adapter->TrafficProfiles.clear();
        for (auto& elan : adapter->VirtualAdapters) {
            elan->Pvcs.clear();
            elan->Mappings.clear();
        }
        adapter->VirtualAdapters.clear();
        adapter.reset();
    }
}

}  // namespace netloom
