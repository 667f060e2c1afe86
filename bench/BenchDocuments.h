#pragma once
// What every benchmark program shares: generated configurations by object count, read into a
// document as opening a file reads them, and the object counts every figure is measured at.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

#include "cfgfile/MessageSink.h"

namespace netloom {
class CNetloomDoc;
}

namespace netloom::bench {

// The sizes every size-dependent figure is measured at, so that the report can tell whether a
// ten times larger configuration costs about ten times as much.
void ObjectSizes(benchmark::internal::Benchmark* benchmark);

// A generated configuration of at least objects objects; each size is made once.
const std::string& ConfigurationOfObjects(size_t objects);

class CCountingSink : public CMessageSink {
  public:
    void Report(int, const std::string&, long) override { ++m_count; }
    size_t m_count = 0;
};

// Empties doc and reads text into it, then renumbers, as opening a file does; the number of
// reader messages.
size_t ReadInto(CNetloomDoc& doc, const std::string& text);

// Reads the configuration of state.range(0) objects into doc; false (and the benchmark marked
// as failed) when the reader had anything to say, for a benchmark of a broken text proves
// nothing.
bool ReadForBenchmark(benchmark::State& state, CNetloomDoc& doc);

}  // namespace netloom::bench
