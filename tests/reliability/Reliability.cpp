#include "Reliability.h"

#include <gtest/gtest.h>

#include "HeapMeter.h"
#include "res/Strings.h"

namespace netloom::test {

std::string CatalogueFile(const std::string& name) {
    return SourceFile("tests/reliability/data/" + name);
}

void CCountingSink::Report(int id, const std::string& text, long line) {
    if (id < IDS_ILLEGAL_VALUE || id > IDS_PVC_UNDEFINED_ELAN) allIdsKnown = false;
    if (count == 0) firstLine = line;
    lastLine = line;
    if (text.size() > longestText) longestText = text.size();
    ++count;
}

ReadCost OpenMeasured(CNetloomDoc& doc, std::string_view text, CMessageSink* sink) {
    doc.DeleteContents();
    ReadCost cost;
    CHeapMeter meter;
    const auto start = std::chrono::steady_clock::now();
    doc.ReadText(text, sink);
    doc.Renumber();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    cost.seconds = took.count();
    cost.peakHeap = meter.PeakBytes();
    cost.largestAllocation = meter.LargestAllocation();
    return cost;
}

std::string ExpectStableSave(CNetloomDoc& doc) {
    const std::string first = doc.ConfigurationText();
    CNetloomDoc reopened;
    CCountingSink sink;
    OpenMeasured(reopened, first, &sink);
    EXPECT_EQ(sink.count, 0) << "reading what Netloom wrote gave messages, the first at line "
                             << sink.firstLine;
    EXPECT_TRUE(reopened.ConfigurationText() == first) << "the second save differs from the first";
    return first;
}

}  // namespace netloom::test
