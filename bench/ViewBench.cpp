// The tree view on the offscreen platform: building the whole tree of a configuration beside
// building a tree of the same shape from bare items, and one edit of each kind with the tree
// attached, as Netloom does them. Every measurement includes the event-loop turn that follows,
// where the view's deferred work (widening the column, painting) happens.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeWidget>
#include <cstdlib>
#include <memory>
#include <vector>

#include "BenchDocuments.h"
#include "EditTimings.h"
#include "doc/NetloomDoc.h"
#include "doc/UserOptions.h"
#include "view/NetloomView.h"

namespace netloom::bench {
namespace {

void Settle() {
    QCoreApplication::processEvents();
}

void ShowTree(QTreeWidget& tree) {
    tree.resize(640, 800);
    tree.show();
    Settle();
}

// One document with its tree view, holding the configuration of the size measured last.
struct CViewedDocument {
    CViewedDocument() : view(doc, options) {
        // Every object has its node: the groups of traffic profiles and mappings are shown.
        options.DisplayTrafficProfiles = true;
        ShowTree(view);
    }
    bool Read(benchmark::State& state) {
        if (objects == state.range(0)) return true;
        objects = -1;
        view.ClearTree();
        if (!ReadForBenchmark(state, doc)) return false;
        view.RebuildTree();
        Settle();
        objects = state.range(0);
        return true;
    }
    CUserOptions options;
    CNetloomDoc doc;
    CNetloomView view;
    int64_t objects = -1;
};

std::unique_ptr<CViewedDocument> g_viewed;

CViewedDocument& Viewed() {
    if (!g_viewed) g_viewed = std::make_unique<CViewedDocument>();
    return *g_viewed;
}

void BM_RebuildTree(benchmark::State& state) {
    CViewedDocument& viewed = Viewed();
    if (!viewed.Read(state)) return;
    for (auto _ : state) {
        viewed.view.RebuildTree();
        Settle();
    }
}

// The tree's shape: each node's parent (an index into the list, -1 for a top-level node) and
// its label, in the order the nodes were made.
struct CShape {
    std::vector<int> parents;
    QStringList labels;
};

void AddShape(const QTreeWidgetItem* item, int parent, CShape& shape) {
    const int index = static_cast<int>(shape.parents.size());
    shape.parents.push_back(parent);
    shape.labels << item->text(0);
    for (int i = 0; i < item->childCount(); ++i)
        AddShape(item->child(i), index, shape);
}

// The floor: the same number of nodes in the same shape with the same labels, as bare items
// (no icon, no data, nothing expanded) in a plain tree widget.
void BM_BareTreeFloor(benchmark::State& state) {
    CViewedDocument& viewed = Viewed();
    if (!viewed.Read(state)) return;
    CShape shape;
    for (int i = 0; i < viewed.view.topLevelItemCount(); ++i)
        AddShape(viewed.view.topLevelItem(i), -1, shape);
    QTreeWidget tree;
    ShowTree(tree);
    std::vector<QTreeWidgetItem*> items(shape.parents.size());
    for (auto _ : state) {
        tree.clear();
        for (size_t i = 0; i < items.size(); ++i) {
            const int parent = shape.parents[i];
            items[i] = parent < 0 ? new QTreeWidgetItem(&tree)
                                  : new QTreeWidgetItem(items[static_cast<size_t>(parent)]);
            items[i]->setText(0, shape.labels[static_cast<qsizetype>(i)]);
        }
        Settle();
    }
    state.counters["nodes"] = static_cast<double>(items.size());
}

BENCHMARK(BM_RebuildTree)->Apply(ObjectSizes);
BENCHMARK(BM_BareTreeFloor)->Apply(ObjectSizes);

bool ReadViewed(benchmark::State& state, CNetloomDoc*& doc) {
    doc = &Viewed().doc;
    return Viewed().Read(state);
}

}  // namespace
}  // namespace netloom::bench

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    netloom::bench::RegisterEditBenchmarks("BM_TreeEdit/", netloom::bench::ReadViewed,
                                           netloom::bench::Settle);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    netloom::bench::g_viewed.reset();
    return 0;
}
