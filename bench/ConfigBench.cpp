// How long reading, writing and formatting (read then write) a configuration takes as it grows,
// and how long a large clipboard block takes to write and read. Sizes are the text's bytes;
// the throughput column shows whether the cost stays proportional to the size.

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

#include "ConfigGenerator.h"
#include "clip/ClipObject.h"
#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/NetloomDoc.h"

namespace netloom::bench {
namespace {

constexpr int64_t kMiB = 1 << 20;

// Generating 50 MB takes a while; each size is made once and shared by the benchmarks.
const std::string& ConfigurationOfSize(int64_t bytes) {
    static std::map<int64_t, std::string> texts;
    auto found = texts.find(bytes);
    if (found == texts.end())
        found = texts.emplace(bytes, GenerateConfiguration(static_cast<size_t>(bytes))).first;
    return found->second;
}

void ReadInto(CNetloomDoc& doc, const std::string& text) {
    doc.DeleteContents();
    doc.ReadText(text, nullptr);
    doc.Renumber();
}

void BM_ReadConfiguration(benchmark::State& state) {
    const std::string& text = ConfigurationOfSize(state.range(0));
    for (auto _ : state) {
        CNetloomDoc doc;
        ReadInto(doc, text);
        benchmark::DoNotOptimize(doc.Cfgfile().Adapters.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void BM_WriteConfiguration(benchmark::State& state) {
    const std::string& text = ConfigurationOfSize(state.range(0));
    CNetloomDoc doc;
    ReadInto(doc, text);
    size_t written = 0;
    for (auto _ : state) {
        const std::string out = doc.ConfigurationText();
        written = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(written));
}

// What "loomcfg format" and opening then saving in Netloom do with the text.
void BM_FormatConfiguration(benchmark::State& state) {
    const std::string& text = ConfigurationOfSize(state.range(0));
    for (auto _ : state) {
        CNetloomDoc doc;
        ReadInto(doc, text);
        const std::string out = doc.ConfigurationText();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

// Copying one adapter that holds everything of a large configuration, then pasting it.
void BM_ClipboardBlock(benchmark::State& state) {
    const std::string& text = ConfigurationOfSize(state.range(0));
    CNetloomDoc doc;
    ReadInto(doc, text);
    auto& adapters = doc.Cfgfile().Adapters;
    C_Doc_Adapter& first = *adapters.front();
    for (size_t i = 1; i < adapters.size(); ++i) {
        for (auto& elan : adapters[i]->VirtualAdapters)
            first.VirtualAdapters.push_back(std::move(elan));
        adapters[i]->VirtualAdapters.clear();
    }
    size_t blockSize = 0;
    for (auto _ : state) {
        CClipObject writer(first, DOC_TYPE_ADAPTER);
        const std::vector<uint8_t> block = writer.Write();
        CClipObject reader;
        if (!reader.Read(block.data(), block.size())) state.SkipWithError("the block did not read");
        blockSize = block.size();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(blockSize));
}

BENCHMARK(BM_ReadConfiguration)
    ->Arg(1 * kMiB)
    ->Arg(10 * kMiB)
    ->Arg(50 * kMiB)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteConfiguration)
    ->Arg(1 * kMiB)
    ->Arg(10 * kMiB)
    ->Arg(50 * kMiB)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatConfiguration)
    ->Arg(1 * kMiB)
    ->Arg(10 * kMiB)
    ->Arg(50 * kMiB)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClipboardBlock)->Arg(1 * kMiB)->Arg(10 * kMiB)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace netloom::bench

BENCHMARK_MAIN();
