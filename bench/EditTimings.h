#pragma once
// One edit of each kind on a large document, timed alone: the state it needs is made and the
// edit is taken back outside the timing, so each measurement starts from the same document.

#include <benchmark/benchmark.h>

#include <functional>

namespace netloom {
class CNetloomDoc;
}

namespace netloom::bench {

enum class CEditKind { Insert, Delete, Paste, Properties, Undo, Redo, Renumber };

// Processor seconds that one edit of kind took on doc (read and renumbered), including settle,
// which finishes what the edit left for later (the tree view's deferred work; may be empty).
double TimeEdit(CNetloomDoc& doc, CEditKind kind, const std::function<void()>& settle);

// Registers "<prefix>/<edit>" benchmarks for every kind at every object size; read makes the
// document of state.range(0) objects (false: skip) and settle is handed to TimeEdit.
void RegisterEditBenchmarks(const char* prefix,
                            const std::function<bool(benchmark::State&, CNetloomDoc*&)>& read,
                            const std::function<void()>& settle);

}  // namespace netloom::bench
