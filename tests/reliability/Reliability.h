#pragma once
// Shared checks of the reliability tests: reading a text as opening a file does, with the
// messages, the time and the heap it took, and the properties every read must have whatever the
// input (messages name real lines, what is written opens to the same text without messages).

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/TestSupport.h"
#include "doc/NetloomDoc.h"

namespace netloom::test {

// A file of the bad-input catalogue under tests/reliability/data.
std::string CatalogueFile(const std::string& name);

// A sink that only counts, for inputs that produce messages by the hundred thousand.
class CCountingSink : public CMessageSink {
  public:
    void Report(int id, const std::string& text, long line) override;
    long count = 0;
    long firstLine = 0;
    long lastLine = 0;
    size_t longestText = 0;
    bool allIdsKnown = true;
};

struct ReadCost {
    double seconds = 0;
    size_t peakHeap = 0;
    size_t largestAllocation = 0;
};

// Reads text into doc (emptied first) and renumbers, as opening a file does; measures it.
ReadCost OpenMeasured(CNetloomDoc& doc, std::string_view text, CMessageSink* sink);

// Seconds that fn takes, the best of runs (the machine is shared, the best run is the honest
// one).
template <class Fn>
double BestSeconds(int runs, Fn&& fn) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        fn();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (took.count() < best) best = took.count();
    }
    return best;
}

// Writes doc, reads the result and writes again: adds a test failure unless the two writes are
// equal and the second read gave no message. Returns the first write.
std::string ExpectStableSave(CNetloomDoc& doc);

}  // namespace netloom::test
