#include "doc/NetloomDoc.h"

#include "doc/Adapter.h"
#include "doc/ConfigReader.h"
#include "doc/Elan.h"
#include "doc/ObjectLists.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"

namespace netloom {

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

template <class Move>
void CNetloomDoc::MoveInHistory(Move move) {
    Tracked(move);
    if (m_stepObserver) m_stepObserver();
}

bool CNetloomDoc::Apply(std::unique_ptr<CEditStep> step) {
    if (!step || !step->Do(*this)) return false;
    MoveInHistory([&] { m_history.Push(std::move(step)); });
    return true;
}

bool CNetloomDoc::Undo() {
    CEditStep* step = m_history.NextUndo();
    if (step == nullptr) return false;
    step->Undo(*this);
    MoveInHistory([&] { m_history.StepBack(); });
    return true;
}

bool CNetloomDoc::Redo() {
    CEditStep* step = m_history.NextRedo();
    if (step == nullptr) return false;
    step->Do(*this);
    MoveInHistory([&] { m_history.StepForward(); });
    return true;
}

namespace {

// The room for the first text written after reading bytesRead bytes of a file.
size_t RoomAfterReading(size_t bytesRead) {
    // A file another program wrote may be a good deal shorter than Netloom's text of it: its
    // comments need not hold the labels, and it may leave keywords out. A text that outgrows
    // its room is copied whole into twice the room, which for a large file means a second
    // copy of it in memory while saving; room never written in costs no memory, only
    // addresses.
    return bytesRead + bytesRead / 4;
}

}  // namespace

void CNetloomDoc::ReadText(std::string_view text, CMessageSink* sink) {
    CConfigReader reader(text, sink);
    m_cfgfile.ReadDefinition(reader);
    m_nTextRoom = RoomAfterReading(text.size());
}

void CNetloomDoc::ReadText(CTextSource& source, CMessageSink* sink) {
    CConfigReader reader(source, sink);
    m_cfgfile.ReadDefinition(reader);
    m_nTextRoom = RoomAfterReading(reader.BytesRead());
}

std::string CNetloomDoc::ConfigurationText() {
    std::string text;
    WriteConfigurationText(text);
    return text;
}

void CNetloomDoc::WriteConfigurationText(std::string& text) {
    text.clear();
    text.reserve(m_nTextRoom);  // no more than a check when the caller made the room
    m_cfgfile.WriteDefinition(text, true);
    // A little over this text, so that the few lines an edit adds do not make the next one grow.
    m_nTextRoom = text.size() + text.size() / 16;
}

namespace {

// Asks for the parts of an object its label is made from a few steps before it is read: its
// table of functions, at the start, and its number and node with the fields every class puts
// right after them (owner, then what its label shows). A hint only, which a compiler without
// it goes without.
void PrefetchObject(const CDocObject* object) {
#if defined(__GNUC__)
    const char* number = reinterpret_cast<const char*>(&object->m_nNumber);
    __builtin_prefetch(object);
    __builtin_prefetch(number);
    __builtin_prefetch(number + 64);
#else
    (void)object;
#endif
}

}  // namespace

void CNetloomDoc::Renumber() {
    // Numbering first, relabelling after: in a large configuration each object is a miss in
    // memory, and a loop that only numbers has many misses in flight at once, where making a
    // label between two of them would leave one at a time. The relabelling then knows its
    // objects in advance and fetches each a few steps ahead.
    m_relabelled.clear();
    const auto number = [this](CDocObject& object, int32_t& next) {
        object.m_nNumber = next++;
        // A label is made only for an object the tree shows: a document read without a view
        // (loomcfg, the checks) has no use for a hundred thousand labels on every renumbering.
        if (object.m_node.IsSet()) m_relabelled.push_back(&object);
    };
    int32_t adapterNumber = 0;
    int32_t elanNumber = 0;
    for (auto& adapter : m_cfgfile.Adapters) {
        number(*adapter, adapterNumber);
        int32_t profileNumber = 0;
        for (auto& profile : adapter->TrafficProfiles) {
            number(*profile, profileNumber);
            profile->Adapter = adapter.get();
        }
        int32_t pvcNumber = 0;
        int32_t mappingNumber = 0;
        for (auto& elan : adapter->VirtualAdapters) {
            number(*elan, elanNumber);
            elan->Adapter = adapter.get();
            for (auto& pvc : elan->Pvcs) {
                number(*pvc, pvcNumber);
                pvc->VirtualAdapter = elan.get();
            }
            for (auto& mapping : elan->Mappings) {
                number(*mapping, mappingNumber);
                mapping->VirtualAdapter = elan.get();
            }
        }
    }
    // Every owner is numbered before any label is made: a PVC's label depends on its owner's
    // type. The labels are made in one string, which stays in the fastest cache, rather than
    // in each object's own.
    constexpr size_t kAhead = 8;
    std::string label;
    for (size_t i = 0; i < m_relabelled.size(); ++i) {
        if (i + kAhead < m_relabelled.size()) PrefetchObject(m_relabelled[i + kAhead]);
        CDocObject& object = *m_relabelled[i];
        object.MakeLabel(label);
        object.m_node.Relabel(label);
    }
}

CDocObject* CNetloomDoc::ContextOwner(int16_t type) {
    switch (type) {
        case DOC_TYPE_ADAPTER:
            return &m_cfgfile;
        case DOC_TYPE_TRAFFIC_PROFILE:
        case DOC_TYPE_ELAN:
            return m_pCurAdapter;
        case DOC_TYPE_PVC:
        case DOC_TYPE_TP_MAPPING:
            return m_pCurElan;
        default:
            return nullptr;
    }
}

bool CNetloomDoc::AddPastedObject(std::unique_ptr<CDocObject> object,
                                  std::unique_ptr<CDocObject>* rejected) {
    CDocObject* owner = object ? ContextOwner(object->m_nType) : nullptr;
    const bool added = owner != nullptr && PutInto(*owner, object, static_cast<size_t>(-1));
    Renumber();
    if (!added && rejected) *rejected = std::move(object);
    return added;
}

std::unique_ptr<CDocObject> CNetloomDoc::RemoveObject(CDocObject* object) {
    std::unique_ptr<CDocObject> taken;
    CDocObject* owner = object ? ContextOwner(object->m_nType) : nullptr;
    size_t index = 0;
    if (owner != nullptr) taken = TakeFrom(*owner, *object, index);
    Renumber();
    return taken;
}

}  // namespace netloom
