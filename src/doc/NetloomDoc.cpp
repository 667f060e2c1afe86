#include "doc/NetloomDoc.h"

#include <algorithm>

#include "cfgfile/LineReader.h"
#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"

namespace netloom {

namespace {

// The type code chooses the list; the class is checked too, so a mislabelled object can never
// end up in a list of another class.
template <class T>
bool AppendAs(std::unique_ptr<CDocObject>& object, std::vector<std::unique_ptr<T>>& list) {
    if (dynamic_cast<T*>(object.get()) == nullptr) return false;
    list.push_back(std::unique_ptr<T>(static_cast<T*>(object.release())));
    return true;
}

template <class T>
std::unique_ptr<CDocObject> TakeOut(CDocObject* object, std::vector<std::unique_ptr<T>>& list) {
    auto it = std::find_if(list.begin(), list.end(),
                           [object](const std::unique_ptr<T>& p) { return p.get() == object; });
    if (it == list.end()) return nullptr;
    std::unique_ptr<CDocObject> taken(it->release());
    list.erase(it);
    return taken;
}

}  // namespace

CNetloomDoc::CNetloomDoc() = default;
CNetloomDoc::~CNetloomDoc() = default;

void CNetloomDoc::ClearSelectionContext() {
    m_pCurAdapter = nullptr;
    m_pCurTrafficProfile = nullptr;
    m_pCurElan = nullptr;
    m_pCurPvc = nullptr;
    m_pCurMapping = nullptr;
}

void CNetloomDoc::DeleteContents() {
    ClearSelectionContext();
    m_history.Clear();
    m_cfgfile.DeleteContents();
}

template <class Change>
void CNetloomDoc::Tracked(Change change) {
    const bool before = IsModified();
    change();
    if (IsModified() != before && m_modifiedObserver) m_modifiedObserver(IsModified());
}

void CNetloomDoc::SetModifiedFlag(bool modified) {
    Tracked([&] {
        if (modified)
            m_history.LoseSavePoint();
        else
            m_history.MarkSavePoint();
    });
}

bool CNetloomDoc::Apply(std::unique_ptr<CEditStep> step) {
    if (!step || !step->Do(*this)) return false;
    Tracked([&] { m_history.Push(std::move(step)); });
    if (m_stepObserver) m_stepObserver();
    return true;
}

bool CNetloomDoc::Undo() {
    CEditStep* step = m_history.NextUndo();
    if (step == nullptr) return false;
    step->Undo(*this);
    Tracked([&] { m_history.StepBack(); });
    if (m_stepObserver) m_stepObserver();
    return true;
}

bool CNetloomDoc::Redo() {
    CEditStep* step = m_history.NextRedo();
    if (step == nullptr) return false;
    step->Do(*this);
    Tracked([&] { m_history.StepForward(); });
    if (m_stepObserver) m_stepObserver();
    return true;
}

void CNetloomDoc::ReadText(std::string_view text, CMessageSink* sink) {
    CConfigReader reader(text, sink);
    m_cfgfile.ReadDefinition(reader);
}

std::string CNetloomDoc::ConfigurationText() {
    std::string text;
    m_cfgfile.WriteDefinition(text, true);
    return text;
}

void CNetloomDoc::Renumber() {
    int32_t adapterNumber = 0;
    int32_t elanNumber = 0;
    for (auto& adapter : m_cfgfile.Adapters) {
        adapter->m_nNumber = adapterNumber++;
        int32_t profileNumber = 0;
        for (auto& profile : adapter->TrafficProfiles) {
            profile->m_nNumber = profileNumber++;
            profile->Adapter = adapter.get();
        }
        int32_t pvcNumber = 0;
        int32_t mappingNumber = 0;
        for (auto& elan : adapter->VirtualAdapters) {
            elan->m_nNumber = elanNumber++;
            elan->Adapter = adapter.get();
            for (auto& pvc : elan->Pvcs) {
                pvc->m_nNumber = pvcNumber++;
                pvc->VirtualAdapter = elan.get();
            }
            for (auto& mapping : elan->Mappings) {
                mapping->m_nNumber = mappingNumber++;
                mapping->VirtualAdapter = elan.get();
            }
        }
    }
    // Labels last: a PVC's label depends on its owner's type, set above.
    for (auto& adapter : m_cfgfile.Adapters) {
        adapter->m_node.SetText(adapter->GetLabel());
        for (auto& profile : adapter->TrafficProfiles)
            profile->m_node.SetText(profile->GetLabel());
        for (auto& elan : adapter->VirtualAdapters) {
            elan->m_node.SetText(elan->GetLabel());
            for (auto& pvc : elan->Pvcs)
                pvc->m_node.SetText(pvc->GetLabel());
            for (auto& mapping : elan->Mappings)
                mapping->m_node.SetText(mapping->GetLabel());
        }
    }
}

bool CNetloomDoc::AddPastedObject(std::unique_ptr<CDocObject> object,
                                  std::unique_ptr<CDocObject>* rejected) {
    bool added = false;
    if (object) {
        switch (object->m_nType) {
            case DOC_TYPE_ADAPTER:
                added = AppendAs(object, m_cfgfile.Adapters);
                break;
            case DOC_TYPE_TRAFFIC_PROFILE:
                if (m_pCurAdapter) added = AppendAs(object, m_pCurAdapter->TrafficProfiles);
                break;
            case DOC_TYPE_ELAN:
                if (m_pCurAdapter) added = AppendAs(object, m_pCurAdapter->VirtualAdapters);
                break;
            case DOC_TYPE_PVC:
                if (m_pCurElan) added = AppendAs(object, m_pCurElan->Pvcs);
                break;
            case DOC_TYPE_TP_MAPPING:
                if (m_pCurElan) added = AppendAs(object, m_pCurElan->Mappings);
                break;
            default:
                break;
        }
    }
    Renumber();
    if (!added && rejected) *rejected = std::move(object);
    return added;
}

std::unique_ptr<CDocObject> CNetloomDoc::RemoveObject(CDocObject* object) {
    std::unique_ptr<CDocObject> taken;
    if (object) {
        switch (object->m_nType) {
            case DOC_TYPE_ADAPTER:
                taken = TakeOut(object, m_cfgfile.Adapters);
                break;
            case DOC_TYPE_TRAFFIC_PROFILE:
                if (m_pCurAdapter) taken = TakeOut(object, m_pCurAdapter->TrafficProfiles);
                break;
            case DOC_TYPE_ELAN:
                if (m_pCurAdapter) taken = TakeOut(object, m_pCurAdapter->VirtualAdapters);
                break;
            case DOC_TYPE_PVC:
                if (m_pCurElan) taken = TakeOut(object, m_pCurElan->Pvcs);
                break;
            case DOC_TYPE_TP_MAPPING:
                if (m_pCurElan) taken = TakeOut(object, m_pCurElan->Mappings);
                break;
            default:
                break;
        }
    }
    Renumber();
    return taken;
}

}  // namespace netloom
