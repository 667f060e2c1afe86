// The document's own work as the configuration grows from a thousand to a hundred thousand
// objects: reading and writing the file text, each beside the least any reader or writer of
// the same bytes must do; renumbering; the configuration checks; one edit of each kind; and a
// large clipboard block. scripts/bench turns the figures into ratios against their floors and
// across sizes.

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

#include "BenchDocuments.h"
#include "EditTimings.h"
#include "clip/ClipObject.h"
#include "doc/Adapter.h"
#include "doc/ConfigChecks.h"
#include "doc/Elan.h"
#include "doc/NetloomDoc.h"
#include "platform/TextRoom.h"

namespace netloom::bench {
namespace {

int64_t Bytes(const std::string& text) {
    return static_cast<int64_t>(text.size());
}

// Reading as opening a file does: the text into objects, then the numbering.
void BM_Read(benchmark::State& state) {
    const std::string& text = ConfigurationOfObjects(static_cast<size_t>(state.range(0)));
    CNetloomDoc doc;
    for (auto _ : state) {
        state.PauseTiming();
        doc.DeleteContents();
        state.ResumeTiming();
        CCountingSink sink;
        doc.ReadText(text, &sink);
        doc.Renumber();
        if (sink.m_count != 0) state.SkipWithError("the generated configuration had messages");
    }
    state.SetBytesProcessed(state.iterations() * Bytes(text));
}

// The floor of reading: the same bytes split into lines and each line into its blank-separated
// words, with nothing kept.
void BM_ReadFloor(benchmark::State& state) {
    const std::string& text = ConfigurationOfObjects(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        size_t words = 0;
        const std::string_view all(text);
        size_t start = 0;
        while (start < all.size()) {
            size_t end = all.find('\n', start);
            if (end == std::string_view::npos) end = all.size();
            std::string_view line = all.substr(start, end - start);
            start = end + 1;
            size_t at = 0;
            while (at < line.size()) {
                at = line.find_first_not_of(" \t\r", at);
                if (at == std::string_view::npos) break;
                const size_t wordEnd = std::min(line.find_first_of(" \t\r", at), line.size());
                std::string_view word = line.substr(at, wordEnd - at);
                benchmark::DoNotOptimize(word.data());
                ++words;
                at = wordEnd;
            }
        }
        benchmark::DoNotOptimize(words);
    }
    state.SetBytesProcessed(state.iterations() * Bytes(text));
}

// Writing the whole file text as saving does.
void BM_Write(benchmark::State& state) {
    CNetloomDoc doc;
    if (!ReadForBenchmark(state, doc)) return;
    int64_t written = 0;
    for (auto _ : state) {
        std::string out;
        MakeTextRoom(out, doc.TextRoom());
        doc.WriteConfigurationText(out);
        written = Bytes(out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * written);
}

// The floor of writing: the same lines appended one by one to a string that grows as the
// written text does.
void BM_WriteFloor(benchmark::State& state) {
    CNetloomDoc doc;
    if (!ReadForBenchmark(state, doc)) return;
    const std::string written = doc.ConfigurationText();
    std::vector<std::string_view> lines;
    for (size_t start = 0; start < written.size();) {
        const size_t end = std::min(written.find('\n', start), written.size() - 1) + 1;
        lines.push_back(std::string_view(written).substr(start, end - start));
        start = end;
    }
    for (auto _ : state) {
        std::string out;
        for (std::string_view line : lines)
            out.append(line);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * Bytes(written));
}

void BM_Renumber(benchmark::State& state) {
    CNetloomDoc doc;
    if (!ReadForBenchmark(state, doc)) return;
    for (auto _ : state)
        doc.Renumber();
}

void BM_CheckConfiguration(benchmark::State& state) {
    CNetloomDoc doc;
    if (!ReadForBenchmark(state, doc)) return;
    for (auto _ : state) {
        const CFindings findings = CheckConfiguration(doc);
        benchmark::DoNotOptimize(findings.list.data());
    }
}

// Copying one adapter that holds every virtual adapter of the configuration, then reading the
// block back as Paste does.
void BM_ClipboardBlock(benchmark::State& state) {
    CNetloomDoc doc;
    if (!ReadForBenchmark(state, doc)) return;
    auto& adapters = doc.Cfgfile().Adapters;
    C_Doc_Adapter& first = *adapters.front();
    for (size_t i = 1; i < adapters.size(); ++i) {
        for (auto& elan : adapters[i]->VirtualAdapters)
            first.VirtualAdapters.push_back(std::move(elan));
        adapters[i]->VirtualAdapters.clear();
    }
    int64_t blockSize = 0;
    for (auto _ : state) {
        CClipObject writer(first, DOC_TYPE_ADAPTER);
        const std::vector<uint8_t> block = writer.Write();
        CClipObject reader;
        if (!reader.Read(block.data(), block.size())) state.SkipWithError("the block did not read");
        blockSize = static_cast<int64_t>(block.size());
    }
    state.SetBytesProcessed(state.iterations() * blockSize);
}

BENCHMARK(BM_Read)->Apply(ObjectSizes);
BENCHMARK(BM_ReadFloor)->Apply(ObjectSizes);
BENCHMARK(BM_Write)->Apply(ObjectSizes);
BENCHMARK(BM_WriteFloor)->Apply(ObjectSizes);
BENCHMARK(BM_Renumber)->Apply(ObjectSizes);
BENCHMARK(BM_CheckConfiguration)->Apply(ObjectSizes);
BENCHMARK(BM_ClipboardBlock)->Apply(ObjectSizes);

// One document per size, kept while the edits of that size are measured.
bool ReadOnce(benchmark::State& state, CNetloomDoc*& doc) {
    static CNetloomDoc document;
    static int64_t objects = -1;
    doc = &document;
    if (objects == state.range(0)) return true;
    objects = -1;
    if (!ReadForBenchmark(state, document)) return false;
    objects = state.range(0);
    return true;
}

}  // namespace
}  // namespace netloom::bench

int main(int argc, char** argv) {
    netloom::bench::RegisterEditBenchmarks("BM_Edit/", netloom::bench::ReadOnce, {});
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
