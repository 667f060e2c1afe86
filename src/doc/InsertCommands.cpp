#include "doc/InsertCommands.h"

#include <memory>
#include <vector>

#include "doc/Adapter.h"
#include "doc/CommandIds.h"
#include "doc/CommandRules.h"
#include "doc/EditSteps.h"
#include "doc/Elan.h"
#include "doc/NetloomDoc.h"
#include "doc/ObjectEditor.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"
#include "doc/UserOptions.h"

namespace netloom {

namespace {

// The common part once the object exists and knows its owner: only on OK does it go into
// the document, as one step.
template <class T>
bool EditAndAppend(CNetloomDoc& doc, std::unique_ptr<T> object, const char* name) {
    if (!object->EditProperties()) return false;  // the new object goes with the unique_ptr
    return doc.Apply(MakeInsertStep(std::move(object), name));
}

}  // namespace

bool InsertAdapter(CNetloomDoc& doc) {
    if (!CanInsertAdapter(doc)) return false;
    return EditAndAppend(doc, std::make_unique<C_Doc_Adapter>(), "Insert Adapter");
}

bool InsertTrafficProfile(CNetloomDoc& doc, const CUserOptions& options) {
    if (!CanInsertTrafficProfile(doc, options)) return false;
    C_Doc_Adapter* adapter = doc.m_pCurAdapter;
    auto profile = std::make_unique<C_Doc_TrafficProfile>();
    profile->Adapter = adapter;
    return EditAndAppend(doc, std::move(profile), "Insert Traffic Profile");
}

bool InsertVirtualAdapter(CNetloomDoc& doc) {
    if (!CanInsertVirtualAdapter(doc)) return false;
    CObjectEditor* editor = GetObjectEditor();
    int type = ELAN_LANE;
    if (editor == nullptr || !editor->ChooseVirtualAdapterType(type)) return false;
    if (type < ELAN_LANE || type > ELAN_RFC1483) return false;
    C_Doc_Adapter* adapter = doc.m_pCurAdapter;
    auto elan = std::make_unique<C_Doc_Elan>(type);
    elan->Adapter = adapter;
    return EditAndAppend(doc, std::move(elan), "Insert Virtual Adapter");
}

bool InsertPvc(CNetloomDoc& doc) {
    if (!CanInsertPvc(doc)) return false;
    C_Doc_Elan* elan = doc.m_pCurElan;
    auto pvc = std::make_unique<C_Doc_Pvc>();
    pvc->VirtualAdapter = elan;
    return EditAndAppend(doc, std::move(pvc), "Insert PVC");
}

bool InsertMapping(CNetloomDoc& doc, const CUserOptions& options) {
    if (!CanInsertMapping(doc, options)) return false;
    C_Doc_Elan* elan = doc.m_pCurElan;
    auto mapping = std::make_unique<C_Doc_TpMapping>();
    mapping->VirtualAdapter = elan;
    return EditAndAppend(doc, std::move(mapping), "Insert Traffic Profile Mapping");
}

bool IsInsertCommandEnabled(int id, const CNetloomDoc& doc, const CUserOptions& options) {
    switch (id) {
        case ID_INSERT_ADAPTER:
            return CanInsertAdapter(doc);
        case ID_INSERT_TRAFFIC_PROFILE:
            return CanInsertTrafficProfile(doc, options);
        case ID_INSERT_VIRTUAL_ADAPTER:
            return CanInsertVirtualAdapter(doc);
        case ID_INSERT_PVC:
            return CanInsertPvc(doc);
        case ID_INSERT_MAPPING:
            return CanInsertMapping(doc, options);
        default:
            return false;
    }
}

bool RunInsertCommand(int id, CNetloomDoc& doc, const CUserOptions& options) {
    switch (id) {
        case ID_INSERT_ADAPTER:
            return InsertAdapter(doc);
        case ID_INSERT_TRAFFIC_PROFILE:
            return InsertTrafficProfile(doc, options);
        case ID_INSERT_VIRTUAL_ADAPTER:
            return InsertVirtualAdapter(doc);
        case ID_INSERT_PVC:
            return InsertPvc(doc);
        case ID_INSERT_MAPPING:
            return InsertMapping(doc, options);
        default:
            return false;
    }
}

}  // namespace netloom
