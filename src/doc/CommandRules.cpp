#include "doc/CommandRules.h"

#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/NetloomDoc.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"
#include "doc/TreeOutline.h"
#include "doc/UserOptions.h"

namespace netloom {

bool CanInsertAdapter(const CNetloomDoc&) {
    return true;
}

bool CanInsertVirtualAdapter(const CNetloomDoc& doc) {
    return doc.m_pCurAdapter != nullptr;
}

bool CanInsertTrafficProfile(const CNetloomDoc& doc, const CUserOptions& options) {
    return doc.m_pCurAdapter != nullptr && options.DisplayTrafficProfiles;
}

bool CanInsertPvc(const CNetloomDoc& doc) {
    const C_Doc_Elan* elan = doc.m_pCurElan;
    return elan != nullptr && !(elan->Type == ELAN_RFC1483 && !elan->Pvcs.empty());
}

bool CanInsertMapping(const CNetloomDoc& doc, const CUserOptions& options) {
    const C_Doc_Elan* elan = doc.m_pCurElan;
    return elan != nullptr && elan->Type != ELAN_RFC1483 && options.DisplayTrafficProfiles;
}

bool IsObjectNodeKind(int kind) {
    return kind == NODE_CONFIGURATION || IsDeletableNodeKind(kind);
}

bool IsDeletableNodeKind(int kind) {
    return kind == NODE_ADAPTER || kind == NODE_TRAFFIC_PROFILE || kind == NODE_VIRTUAL_ADAPTER ||
           kind == NODE_PVC || kind == NODE_MAPPING;
}

bool CanAccept(int nodeKind, int kind) {
    switch (nodeKind) {
        case NODE_CONFIGURATION:
            return kind == DOC_TYPE_ADAPTER;
        case NODE_ADAPTER:
        case NODE_TRAFFIC_PROFILES:
        case NODE_TRAFFIC_PROFILE:
        case NODE_VIRTUAL_ADAPTERS:
            return kind == DOC_TYPE_ADAPTER || kind == DOC_TYPE_TRAFFIC_PROFILE ||
                   kind == DOC_TYPE_ELAN;
        case NODE_VIRTUAL_ADAPTER:
        case NODE_PVCS:
        case NODE_PVC:
        case NODE_MAPPINGS:
        case NODE_MAPPING:
            return true;
        default:
            return false;
    }
}

void SetSelectionContext(CNetloomDoc& doc, int kind, CDocObject* object) {
    doc.ClearSelectionContext();
    switch (kind) {
        case NODE_ADAPTER:
        case NODE_TRAFFIC_PROFILES:
        case NODE_VIRTUAL_ADAPTERS:
            doc.m_pCurAdapter = dynamic_cast<C_Doc_Adapter*>(object);
            break;
        case NODE_TRAFFIC_PROFILE:
            if (auto* profile = dynamic_cast<C_Doc_TrafficProfile*>(object)) {
                doc.m_pCurTrafficProfile = profile;
                doc.m_pCurAdapter = profile->Adapter;
            }
            break;
        case NODE_VIRTUAL_ADAPTER:
        case NODE_PVCS:
        case NODE_MAPPINGS:
            if (auto* elan = dynamic_cast<C_Doc_Elan*>(object)) {
                doc.m_pCurElan = elan;
                doc.m_pCurAdapter = elan->Adapter;
            }
            break;
        case NODE_PVC:
            if (auto* pvc = dynamic_cast<C_Doc_Pvc*>(object)) {
                doc.m_pCurPvc = pvc;
                doc.m_pCurElan = pvc->VirtualAdapter;
                doc.m_pCurAdapter = pvc->VirtualAdapter ? pvc->VirtualAdapter->Adapter : nullptr;
            }
            break;
        case NODE_MAPPING:
            if (auto* mapping = dynamic_cast<C_Doc_TpMapping*>(object)) {
                doc.m_pCurMapping = mapping;
                doc.m_pCurElan = mapping->VirtualAdapter;
                doc.m_pCurAdapter =
                    mapping->VirtualAdapter ? mapping->VirtualAdapter->Adapter : nullptr;
            }
            break;
        default:
            break;  // no node or the root: all null
    }
}

}  // namespace netloom
