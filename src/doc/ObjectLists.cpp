#include "doc/ObjectLists.h"

#include <vector>

#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/NetloomDoc.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"

namespace netloom {

namespace {

// Calls visit with the list of owner that holds objects of type code type; false when owner
// has none.
template <class Visit>
bool VisitList(CDocObject& owner, int type, Visit visit) {
    if (auto* cfgfile = dynamic_cast<C_Doc_Cfgfile*>(&owner)) {
        if (type != DOC_TYPE_ADAPTER) return false;
        visit(cfgfile->Adapters);
        return true;
    }
    if (auto* adapter = dynamic_cast<C_Doc_Adapter*>(&owner)) {
        if (type == DOC_TYPE_TRAFFIC_PROFILE) {
            visit(adapter->TrafficProfiles);
            return true;
        }
        if (type == DOC_TYPE_ELAN) {
            visit(adapter->VirtualAdapters);
            return true;
        }
        return false;
    }
    if (auto* elan = dynamic_cast<C_Doc_Elan*>(&owner)) {
        if (type == DOC_TYPE_PVC) {
            visit(elan->Pvcs);
            return true;
        }
        if (type == DOC_TYPE_TP_MAPPING) {
            visit(elan->Mappings);
            return true;
        }
    }
    return false;
}

template <class T>
size_t Find(const std::vector<std::unique_ptr<T>>& list, const CDocObject& object) {
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].get() == &object) return i;
    }
    return list.size();
}

}  // namespace

CDocObject* OwnerOf(CNetloomDoc& doc, CDocObject& object) {
    if (dynamic_cast<C_Doc_Adapter*>(&object)) return &doc.Cfgfile();
    if (auto* profile = dynamic_cast<C_Doc_TrafficProfile*>(&object)) return profile->Adapter;
    if (auto* elan = dynamic_cast<C_Doc_Elan*>(&object)) return elan->Adapter;
    if (auto* pvc = dynamic_cast<C_Doc_Pvc*>(&object)) return pvc->VirtualAdapter;
    if (auto* mapping = dynamic_cast<C_Doc_TpMapping*>(&object)) return mapping->VirtualAdapter;
    return nullptr;
}

size_t IndexInOwner(CDocObject& owner, const CDocObject& object) {
    size_t index = 0;
    VisitList(owner, object.m_nType, [&](auto& list) { index = Find(list, object); });
    return index;
}

bool PutInto(CDocObject& owner, std::unique_ptr<CDocObject>& object, size_t index) {
    if (!object) return false;
    bool put = false;
    VisitList(owner, object->m_nType, [&](auto& list) {
        using Element = typename std::decay_t<decltype(list)>::value_type::element_type;
        // The type code chooses the list; the class is checked too, so a mislabelled object
        // can never end up in a list of another class.
        auto* typed = dynamic_cast<Element*>(object.get());
        if (typed == nullptr) return;
        object.release();
        const size_t at = index < list.size() ? index : list.size();
        list.insert(list.begin() + static_cast<std::ptrdiff_t>(at),
                    std::unique_ptr<Element>(typed));
        put = true;
    });
    return put;
}

std::unique_ptr<CDocObject> TakeFrom(CDocObject& owner, CDocObject& object, size_t& index) {
    std::unique_ptr<CDocObject> taken;
    VisitList(owner, object.m_nType, [&](auto& list) {
        index = Find(list, object);
        if (index == list.size()) return;
        taken.reset(list[index].release());
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
    });
    return taken;
}

bool IsInDocument(CNetloomDoc& doc, CDocObject& object) {
    CDocObject* current = &object;
    // At most four levels: mapping or PVC, virtual adapter, adapter, configuration.
    for (int level = 0; level < 4; ++level) {
        CDocObject* owner = OwnerOf(doc, *current);
        if (owner == nullptr) return false;
        size_t count = 0;
        VisitList(*owner, current->m_nType, [&](auto& list) { count = list.size(); });
        if (IndexInOwner(*owner, *current) >= count) return false;
        if (owner == &doc.Cfgfile()) return true;
        current = owner;
    }
    return false;
}

void ForgetTreeNodes(CDocObject& object) {
    object.m_node.Clear();
    if (auto* cfgfile = dynamic_cast<C_Doc_Cfgfile*>(&object)) {
        for (auto& adapter : cfgfile->Adapters)
            ForgetTreeNodes(*adapter);
    } else if (auto* adapter = dynamic_cast<C_Doc_Adapter*>(&object)) {
        adapter->m_trafficProfilesNode.Clear();
        adapter->m_virtualAdaptersNode.Clear();
        for (auto& profile : adapter->TrafficProfiles)
            profile->m_node.Clear();
        for (auto& elan : adapter->VirtualAdapters)
            ForgetTreeNodes(*elan);
    } else if (auto* elan = dynamic_cast<C_Doc_Elan*>(&object)) {
        elan->m_pvcsNode.Clear();
        elan->m_mappingsNode.Clear();
        for (auto& pvc : elan->Pvcs)
            pvc->m_node.Clear();
        for (auto& mapping : elan->Mappings)
            mapping->m_node.Clear();
    }
}

}  // namespace netloom
