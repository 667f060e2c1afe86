#include "BenchDocuments.h"

#include <map>

#include "ConfigGenerator.h"
#include "doc/NetloomDoc.h"

namespace netloom::bench {

void ObjectSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
}

const std::string& ConfigurationOfObjects(size_t objects) {
    static std::map<size_t, std::string> texts;
    auto found = texts.find(objects);
    if (found == texts.end())
        found = texts.emplace(objects, GenerateConfigurationOfObjects(objects)).first;
    return found->second;
}

size_t ReadInto(CNetloomDoc& doc, const std::string& text) {
    CCountingSink sink;
    doc.DeleteContents();
    doc.ReadText(text, &sink);
    doc.Renumber();
    return sink.m_count;
}

bool ReadForBenchmark(benchmark::State& state, CNetloomDoc& doc) {
    const std::string& text = ConfigurationOfObjects(static_cast<size_t>(state.range(0)));
    if (ReadInto(doc, text) == 0) return true;
    state.SkipWithError("the generated configuration had reader messages");
    return false;
}

}  // namespace netloom::bench
