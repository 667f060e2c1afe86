// Hostile clipboard and drag-and-drop blocks: counts and lengths that lie about the block's
// size must not buy memory, a large honest block costs time and memory in proportion to it, and
// nothing in a block may change the structure of the file that is saved after pasting it.

#include <gtest/gtest.h>

#include <vector>

#include "HeapMeter.h"
#include "Reliability.h"
#include "clip/ClipObject.h"
#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"

namespace netloom {
namespace {

using Bytes = std::vector<uint8_t>;

struct BlockRead {
    bool read = false;
    std::string error;
    size_t peakHeap = 0;
    size_t largestAllocation = 0;
};

BlockRead ReadMeasured(const Bytes& block) {
    BlockRead result;
    test::CHeapMeter meter;
    {
        CClipObject clip;
        result.read = clip.Read(block.data(), block.size(), &result.error);
    }
    result.peakHeap = meter.PeakBytes();
    result.largestAllocation = meter.LargestAllocation();
    return result;
}

void Append16(Bytes& b, uint16_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
void Append32(Bytes& b, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        b.push_back(static_cast<uint8_t>(v >> shift));
}

// An adapter block whose fields are all written and whose traffic profile list is next.
Bytes AdapterFieldsThenProfiles() {
    C_Doc_Adapter adapter;
    CClipObject clip(adapter, DOC_TYPE_ADAPTER);
    Bytes block = clip.Write();
    block.resize(block.size() - 4);  // drop the two empty list counts
    return block;
}

// The bounds below mean something only if the meter sees the allocations of the code it runs.
TEST(HeapMeter, SeesTheAllocationsItMeasures) {
    test::CHeapMeter meter;
    {
        std::vector<std::string> held(3, std::string(1 << 20, 'x'));
        EXPECT_EQ(held.size(), 3u);
    }
    EXPECT_GE(meter.PeakBytes(), 3u << 20);
    EXPECT_LT(meter.PeakBytes(), 5u << 20);  // the three and the one they are copied from
    EXPECT_GE(meter.LargestAllocation(), (1u << 20) + 1);
}

TEST(ClipboardBlocks, CountsAndLengthsBeyondTheBlockBuyNoMemory) {
    std::vector<Bytes> liars;
    {
        Bytes b = AdapterFieldsThenProfiles();  // 2^32 - 1 traffic profiles in a few bytes
        Append16(b, 0xFFFF);
        Append32(b, 0xFFFFFFFFu);
        liars.push_back(b);
    }
    {
        Bytes b = AdapterFieldsThenProfiles();  // a count just below the escape, then nothing
        Append16(b, 0xFFFE);
        liars.push_back(b);
    }
    for (uint32_t claim : {0xFFFDu, 0xFFFFFFF0u}) {
        Bytes b;  // a mapping whose first text claims 64 KB in the 16-bit form, or 4 GB
        Append16(b, DOC_TYPE_TP_MAPPING);
        b.push_back(0xFF);
        if (claim > 0xFFFF) {
            Append16(b, 0xFFFF);
            Append32(b, claim);
        } else {
            Append16(b, static_cast<uint16_t>(claim));
        }
        b.insert(b.end(), 64, 'a');
        liars.push_back(b);
    }
    {
        Bytes b = AdapterFieldsThenProfiles();  // a small count in the 32-bit form, still a lie
        Append16(b, 0xFFFF);
        Append32(b, 8);
        Append16(b, 0x8001);
        liars.push_back(b);
    }
    {
        Bytes b;  // a class name longer than the block
        b = AdapterFieldsThenProfiles();
        Append16(b, 1);
        Append16(b, 0xFFFF);
        Append16(b, 1);
        Append16(b, 0xFFF0);
        b.insert(b.end(), {'C', '_', 'D', 'o', 'c'});
        liars.push_back(b);
    }
    for (size_t i = 0; i < liars.size(); ++i) {
        SCOPED_TRACE(i);
        const BlockRead r = ReadMeasured(liars[i]);
        EXPECT_FALSE(r.read);
        EXPECT_FALSE(r.error.empty());
        EXPECT_LT(r.largestAllocation, 4096u);
        EXPECT_LT(r.peakHeap, 64 * 1024u);
    }
}

// One adapter holding many virtual adapters, each with mappings and PVCs, as a drag of a large
// configuration's adapter would carry.
Bytes LargeAdapterBlock(size_t elans) {
    C_Doc_Adapter adapter;
    for (size_t i = 0; i < elans; ++i) {
        auto elan = std::make_unique<C_Doc_Elan>(static_cast<int32_t>(i % 3));
        elan->LanName = "elan " + std::to_string(i);
        elan->Mappings.push_back(std::make_unique<C_Doc_TpMapping>());
        for (int p = 0; p < 3; ++p)
            elan->Pvcs.push_back(std::make_unique<C_Doc_Pvc>());
        adapter.VirtualAdapters.push_back(std::move(elan));
    }
    CClipObject clip(adapter, DOC_TYPE_ADAPTER);
    return clip.Write();
}

TEST(ClipboardBlocks, LargeBlocksReadInProportionToTheirSize) {
    const Bytes small = LargeAdapterBlock(4000);
    const Bytes large = LargeAdapterBlock(32000);
    BlockRead smallRead;
    BlockRead largeRead;
    const double smallSeconds = test::BestSeconds(3, [&] { smallRead = ReadMeasured(small); });
    const double largeSeconds = test::BestSeconds(3, [&] { largeRead = ReadMeasured(large); });
    ASSERT_TRUE(smallRead.read) << smallRead.error;
    ASSERT_TRUE(largeRead.read) << largeRead.error;
    const double ratio = static_cast<double>(large.size()) / static_cast<double>(small.size());
    EXPECT_LT(largeSeconds, 2.5 * ratio * smallSeconds + 0.05);
    EXPECT_LT(largeRead.peakHeap, 64 * large.size());

    CClipObject clip;
    size_t consumed = 0;
    ASSERT_TRUE(clip.Read(large.data(), large.size(), nullptr, &consumed));
    EXPECT_EQ(consumed, large.size());
    EXPECT_TRUE(clip.Write() == large);
}

// Every text of an object is the value of one line of the file. A block (from another program,
// since Netloom never holds a line break in a value) whose text holds a line break would write
// lines of its own into the saved file: a pasted LanName could end the adapter and start new
// ones. Such a block is refused like any other damaged block.
TEST(ClipboardBlocks, LineBreaksInTextsCannotReachTheSavedFile) {
    for (const char* breakText : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(breakText)));
        const std::string br = breakText;
        C_Doc_Elan elan(ELAN_LANE);
        elan.LanName = "x" + br + "EndVirtualAdapter" + br + "EndAdapter" + br + "DefineAdapter";
        CClipObject writer(elan, DOC_TYPE_ELAN);
        const Bytes block = writer.Write();

        CClipObject clip;
        std::string error;
        EXPECT_FALSE(clip.Read(block.data(), block.size(), &error));
        EXPECT_FALSE(error.empty());

        // Whatever the envelope holds, pasting it and saving keeps the document's structure.
        CNetloomDoc doc;
        test::Open(doc, "DefineAdapter\r\nEndAdapter\r\n");
        doc.m_pCurAdapter = doc.Cfgfile().Adapters[0].get();
        clip.PasteInto(doc, "Paste");
        const size_t elans = doc.Cfgfile().Adapters[0]->VirtualAdapters.size();
        CNetloomDoc reopened;
        test::CCountingSink sink;
        test::OpenMeasured(reopened, doc.ConfigurationText(), &sink);
        EXPECT_EQ(sink.count, 0);
        ASSERT_EQ(reopened.Cfgfile().Adapters.size(), 1u);
        EXPECT_EQ(reopened.Cfgfile().Adapters[0]->VirtualAdapters.size(), elans);
    }
}

}  // namespace
}  // namespace netloom
