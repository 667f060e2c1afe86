#include "EditTimings.h"

#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "clip/ClipObject.h"
#include "doc/Adapter.h"
#include "doc/EditSteps.h"
#include "doc/Elan.h"
#include "doc/NetloomDoc.h"
#include "doc/Pvc.h"

namespace netloom::bench {

namespace {

// The edits act in the middle of the configuration, so that neither end is favoured, on the
// first virtual adapter (LAN emulation: it has PVCs and mappings) of the middle adapter.
struct CTarget {
    C_Doc_Adapter* adapter = nullptr;
    C_Doc_Elan* elan = nullptr;
    C_Doc_Pvc* pvc = nullptr;
};

CTarget MiddleTarget(CNetloomDoc& doc) {
    CTarget target;
    auto& adapters = doc.Cfgfile().Adapters;
    if (adapters.empty()) return target;
    target.adapter = adapters[adapters.size() / 2].get();
    if (target.adapter->VirtualAdapters.empty()) return target;
    target.elan = target.adapter->VirtualAdapters.front().get();
    if (!target.elan->Pvcs.empty()) target.pvc = target.elan->Pvcs.front().get();
    return target;
}

// The selection context a user leaves by selecting the PVC, which Delete and Paste act on.
void SelectTarget(CNetloomDoc& doc, const CTarget& target) {
    doc.ClearSelectionContext();
    doc.m_pCurAdapter = target.adapter;
    doc.m_pCurElan = target.elan;
    doc.m_pCurPvc = target.pvc;
}

void ApplyInsert(CNetloomDoc& doc, const CTarget& target) {
    auto pvc = std::make_unique<C_Doc_Pvc>();
    pvc->VirtualAdapter = target.elan;
    doc.Apply(MakeInsertStep(std::move(pvc), "Insert PVC"));
}

// Processor time, not wall time: the machines that run the benchmarks are shared, and another
// process taking the processor must not count as time the edit took.
template <class Edit>
double Timed(Edit edit, const std::function<void()>& settle) {
    const std::clock_t start = std::clock();
    edit();
    if (settle) settle();
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

}  // namespace

double TimeEdit(CNetloomDoc& doc, CEditKind kind, const std::function<void()>& settle) {
    const CTarget target = MiddleTarget(doc);
    if (target.pvc == nullptr) return 0;
    SelectTarget(doc, target);
    double seconds = 0;
    switch (kind) {
        case CEditKind::Insert:
            seconds = Timed([&] { ApplyInsert(doc, target); }, settle);
            doc.Undo();
            break;
        case CEditKind::Delete:
            seconds = Timed([&] { doc.Apply(MakeRemoveStep(*target.pvc, "Delete")); }, settle);
            doc.Undo();
            break;
        case CEditKind::Paste: {
            const std::vector<uint8_t> block = CClipObject(*target.pvc, DOC_TYPE_PVC).Write();
            seconds = Timed(
                [&] {
                    CClipObject reader;
                    if (reader.Read(block.data(), block.size())) reader.PasteInto(doc, "Paste");
                },
                settle);
            doc.Undo();
            break;
        }
        case CEditKind::Properties: {
            std::vector<uint8_t> before = SnapshotProperties(*target.pvc);
            target.pvc->Vci += 1;
            seconds = Timed(
                [&] {
                    doc.Apply(MakePropertiesStep(*target.pvc, std::move(before), "Properties"));
                },
                settle);
            doc.Undo();
            break;
        }
        case CEditKind::Undo:
            ApplyInsert(doc, target);
            seconds = Timed([&] { doc.Undo(); }, settle);
            break;
        case CEditKind::Redo:
            ApplyInsert(doc, target);
            doc.Undo();
            SelectTarget(doc, target);
            seconds = Timed([&] { doc.Redo(); }, settle);
            doc.Undo();
            break;
        case CEditKind::Renumber:
            seconds = Timed([&] { doc.Renumber(); }, settle);
            break;
    }
    if (settle) settle();
    return seconds;
}

void RegisterEditBenchmarks(const char* prefix,
                            const std::function<bool(benchmark::State&, CNetloomDoc*&)>& read,
                            const std::function<void()>& settle) {
    const std::pair<const char*, CEditKind> kinds[] = {
        {"Insert", CEditKind::Insert},     {"Delete", CEditKind::Delete},
        {"Paste", CEditKind::Paste},       {"Properties", CEditKind::Properties},
        {"Undo", CEditKind::Undo},         {"Redo", CEditKind::Redo},
        {"Renumber", CEditKind::Renumber},
    };
    for (const auto& [name, kind] : kinds) {
        const std::string fullName = std::string(prefix) + name;
        benchmark::RegisterBenchmark(fullName.c_str(),
                                     [read, settle, kind = kind](benchmark::State& state) {
                                         CNetloomDoc* doc = nullptr;
                                         if (!read(state, doc) || doc == nullptr) return;
                                         for (auto _ : state)
                                             state.SetIterationTime(TimeEdit(*doc, kind, settle));
                                     })
            ->Arg(1000)
            ->Arg(10000)
            ->Arg(100000)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace netloom::bench
