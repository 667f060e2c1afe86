// Large and pathological inputs, generated here at run time and never stored: a 100 MB line,
// 10^5 Define lines without End, floods of noise, NUL and high bytes, mixed line ends and
// files cut off anywhere. Reading must stay within time and memory in proportion to the size,
// report what the reader rules say, and keep a result that saves stably.

#include <gtest/gtest.h>

#include <random>

#include "ConfigGenerator.h"
#include "Reliability.h"
#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"

namespace netloom {
namespace {

using test::CCountingSink;
using test::OpenMeasured;
using test::ReadCost;

constexpr size_t kMiB = size_t(1) << 20;
constexpr size_t kHundredMiB = 100 * kMiB;
// Far above what reading takes even in a debug build under the sanitizers; a reader that is
// not linear in the size blows through it long before the test's own time-out.
constexpr double kSecondsPerHundredMiB = 60.0;

std::string Lines(const std::string& line, size_t count) {
    std::string text;
    text.reserve((line.size() + 2) * count);
    for (size_t i = 0; i < count; ++i) {
        text += line;
        text += "\r\n";
    }
    return text;
}

TEST(LargeInputs, HundredMegabyteLineAtTopLevelIsIgnored) {
    const std::string text(kHundredMiB, 'x');
    CNetloomDoc doc;
    CCountingSink sink;
    const ReadCost cost = OpenMeasured(doc, text, &sink);
    EXPECT_EQ(sink.count, 0);
    EXPECT_TRUE(doc.Cfgfile().Adapters.empty());
    EXPECT_LT(cost.seconds, kSecondsPerHundredMiB);
    EXPECT_LT(cost.peakHeap, 3 * text.size());
}

TEST(LargeInputs, HundredMegabyteValueIsKeptAndSaved) {
    std::string value(kHundredMiB, 'a');
    for (size_t i = 0; i < value.size(); i += 97)
        value[i] = static_cast<char>('0' + i % 10);
    const std::string text = "DefineAdapter\r\n    LecsAtmAddress " + value + "\r\nEndAdapter\r\n";
    CNetloomDoc doc;
    CCountingSink sink;
    const ReadCost cost = OpenMeasured(doc, text, &sink);
    EXPECT_EQ(sink.count, 0);
    ASSERT_EQ(doc.Cfgfile().Adapters.size(), 1u);
    EXPECT_TRUE(doc.Cfgfile().Adapters[0]->LecsAtmAddress == value);
    EXPECT_LT(cost.seconds, kSecondsPerHundredMiB);
    EXPECT_LT(cost.peakHeap, 4 * text.size());

    const std::string saved = doc.ConfigurationText();
    const std::string line = "    LecsAtmAddress " + value + "\r\n";
    EXPECT_NE(saved.find(line), std::string::npos);
    EXPECT_LT(saved.size(), text.size() + 4096);
}

TEST(LargeInputs, HundredMegabyteKeywordIsReportedOnce) {
    const std::string text =
        "DefineAdapter\r\n" + std::string(kHundredMiB, 'K') + "\r\nEndAdapter\r\n";
    CNetloomDoc doc;
    CCountingSink sink;
    const ReadCost cost = OpenMeasured(doc, text, &sink);
    EXPECT_EQ(sink.count, 1);
    EXPECT_EQ(sink.firstLine, 2);
    EXPECT_GT(sink.longestText, kHundredMiB);  // the keyword as read is the insert
    EXPECT_EQ(doc.Cfgfile().Adapters.size(), 1u);
    EXPECT_LT(cost.seconds, kSecondsPerHundredMiB);
    // The keyword, the message that quotes it and that message's growth while it is built.
    EXPECT_LT(cost.peakHeap, 6 * text.size());
}

struct NestedCase {
    const char* opening;   // lines before the repeated one
    const char* repeated;  // a Define line repeated without its End
    const char* section;   // the block whose illegal keyword every repetition after the first is
    size_t extraMessages;  // messages beyond those
};

TEST(LargeInputs, HundredThousandDefineLinesWithoutEnd) {
    constexpr size_t kCount = 100000;
    const NestedCase cases[] = {
        {"", "DefineAdapter", "Adapter", 0},
        {"DefineAdapter\r\n", "DefineTrafficProfile", "TrafficProfile", 0},
        {"DefineAdapter\r\n", "DefineVirtualAdapter LanEmulation", "VirtualAdapter", 0},
        {"DefineAdapter\r\n", "definelan", "VirtualAdapter", 0},
        {"DefineAdapter\r\nDefineVirtualAdapter ClassicalIp\r\n", "DefineProfileMapping",
         "ProfileMapping", 0},
        // The PVC names virtual adapter 0, which does not exist: discarded at the end.
        {"DefineAdapter\r\n", "DefinePvc", "Pvc", 1},
    };
    for (const NestedCase& c : cases) {
        SCOPED_TRACE(c.repeated);
        const std::string text = c.opening + Lines(c.repeated, kCount);
        CNetloomDoc doc;
        CCountingSink sink;
        const ReadCost cost = OpenMeasured(doc, text, &sink);
        const long openingLines = test::CountLines(c.opening);
        EXPECT_EQ(static_cast<size_t>(sink.count), kCount - 1 + c.extraMessages);
        EXPECT_TRUE(sink.allIdsKnown);
        EXPECT_EQ(sink.firstLine, openingLines + 2);
        ASSERT_EQ(doc.Cfgfile().Adapters.size(), 1u);
        const C_Doc_Adapter& a = *doc.Cfgfile().Adapters[0];
        EXPECT_LE(a.TrafficProfiles.size(), 1u);
        EXPECT_LE(a.VirtualAdapters.size(), 1u);
        EXPECT_EQ(a.CountPvcs(), 0u);
        EXPECT_LT(cost.seconds,
                  kSecondsPerHundredMiB * static_cast<double>(text.size()) / kHundredMiB + 5);
        EXPECT_LT(cost.peakHeap, 16 * text.size());
        test::ExpectStableSave(doc);
    }
}

TEST(LargeInputs, EveryKindOfDefineLineInTurn) {
    const char* words[] = {"DefineAdapter", "DefineTrafficProfile", "DefineVirtualAdapter Rfc1577",
                           "DefinePvc", "DefineProfileMapping"};
    std::string text;
    constexpr size_t kRounds = 20000;
    for (size_t i = 0; i < kRounds; ++i) {
        for (const char* w : words) {
            text += w;
            text += "\r\n";
        }
    }
    CNetloomDoc doc;
    CCountingSink sink;
    OpenMeasured(doc, text, &sink);
    // The adapter opens, then its traffic profile, which reports every later line.
    EXPECT_EQ(static_cast<size_t>(sink.count), kRounds * 5 - 2);
    ASSERT_EQ(doc.Cfgfile().Adapters.size(), 1u);
    EXPECT_EQ(doc.Cfgfile().Adapters[0]->TrafficProfiles.size(), 1u);
    EXPECT_TRUE(doc.Cfgfile().Adapters[0]->VirtualAdapters.empty());
}

// Binary noise, NUL floods and high bytes, inside an adapter block so that every line is read
// as a keyword line.
TEST(LargeInputs, NoiseNulAndHighByteFloodsInsideABlock) {
    std::mt19937 random(5);
    std::string noise(16 * kMiB, '\0');
    for (auto& c : noise)
        c = static_cast<char>(random() & 0xFF);
    std::string high;
    for (size_t i = 0; i < 8 * kMiB; ++i)
        high += (i % 81 == 80) ? '\n' : static_cast<char>(0x80 + (i % 128));
    const std::string inputs[] = {
        "DefineAdapter\r\n" + noise,
        "DefineAdapter\r\n    " + std::string(10 * kMiB, '\0') + "\r\nEndAdapter\r\n",
        "DefineAdapter\r\n" + high,
    };
    for (const std::string& text : inputs) {
        CNetloomDoc doc;
        CCountingSink sink;
        const ReadCost cost = OpenMeasured(doc, text, &sink);
        EXPECT_TRUE(sink.allIdsKnown);
        EXPECT_GE(sink.count, 1);
        EXPECT_LE(sink.lastLine, test::CountLines(text));
        EXPECT_EQ(doc.Cfgfile().Adapters.size(), 1u);
        EXPECT_LT(cost.seconds, kSecondsPerHundredMiB);
        EXPECT_LT(cost.peakHeap, 16 * text.size());
        test::ExpectStableSave(doc);
    }
}

// The generated configuration with its CR LF line ends replaced at random by LF, a lone CR or
// CR LF reads to the same configuration.
TEST(LargeInputs, MixedLineEndsReadLikeCrLf) {
    const std::string original = bench::GenerateConfiguration(4 * kMiB, 11);
    std::string mixed;
    mixed.reserve(original.size());
    std::mt19937 random(7);
    for (size_t i = 0; i < original.size(); ++i) {
        if (original[i] == '\r' && i + 1 < original.size() && original[i + 1] == '\n') {
            const auto pick = random() % 3;
            mixed += pick == 0 ? "\n" : pick == 1 ? "\r" : "\r\n";
            ++i;
        } else {
            mixed += original[i];
        }
    }
    // The last line loses its end too.
    while (!mixed.empty() && (mixed.back() == '\n' || mixed.back() == '\r'))
        mixed.pop_back();

    CNetloomDoc expected;
    CCountingSink quiet;
    OpenMeasured(expected, original, &quiet);
    CNetloomDoc doc;
    CCountingSink sink;
    OpenMeasured(doc, mixed, &sink);
    EXPECT_EQ(quiet.count, 0);
    EXPECT_EQ(sink.count, 0);
    EXPECT_TRUE(doc.ConfigurationText() == expected.ConfigurationText());
}

// The example configuration cut off after every byte: what was read so far is kept, and a
// cut at a line end reads the same with or without that line end.
TEST(LargeInputs, FileCutOffAnywhere) {
    const std::string example = test::SourceFile("examples/ka-210x.cfg");
    ASSERT_FALSE(example.empty());
    for (size_t cut = 0; cut <= example.size(); ++cut) {
        const std::string text = example.substr(0, cut);
        CNetloomDoc doc;
        CCountingSink sink;
        OpenMeasured(doc, text, &sink);
        EXPECT_TRUE(sink.allIdsKnown);
        if (cut >= 2 && example.compare(cut - 2, 2, "\r\n") == 0) {
            CNetloomDoc withoutEnd;
            OpenMeasured(withoutEnd, example.substr(0, cut - 2), nullptr);
            ASSERT_TRUE(doc.ConfigurationText() == withoutEnd.ConfigurationText())
                << "cut at " << cut;
        }
    }
}

// Reading a realistic configuration, and one where every line is reported, costs time and
// memory in proportion to its size: eight times the text may not take much more than eight
// times as long (a quadratic reader would take 64 times).
TEST(LargeInputs, ReadingCostGrowsInProportionToTheSize) {
    const std::string realisticSmall = bench::GenerateConfiguration(kMiB, 3);
    const std::string realisticLarge = bench::GenerateConfiguration(8 * kMiB, 3);
    const std::string illegal = "    NoSuchKeyword with a value";
    const std::string reportedSmall =
        "DefineAdapter\r\n" + Lines(illegal, kMiB / (illegal.size() + 2));
    const std::string reportedLarge =
        "DefineAdapter\r\n" + Lines(illegal, 8 * kMiB / (illegal.size() + 2));

    const std::pair<const std::string*, const std::string*> pairs[] = {
        {&realisticSmall, &realisticLarge}, {&reportedSmall, &reportedLarge}};
    for (const auto& [small, large] : pairs) {
        ReadCost smallCost;
        ReadCost largeCost;
        CCountingSink sink;
        const double smallSeconds = test::BestSeconds(3, [&] {
            CNetloomDoc doc;
            smallCost = OpenMeasured(doc, *small, &sink);
        });
        const double largeSeconds = test::BestSeconds(3, [&] {
            CNetloomDoc doc;
            largeCost = OpenMeasured(doc, *large, &sink);
        });
        const double sizeRatio =
            static_cast<double>(large->size()) / static_cast<double>(small->size());
        EXPECT_LT(largeSeconds, 2.5 * sizeRatio * smallSeconds + 0.05)
            << "small " << smallSeconds << " s, large " << largeSeconds << " s";
        // The objects take about 1.3 times the bytes of their text.
        EXPECT_LT(largeCost.peakHeap, 4 * large->size());
        EXPECT_LT(static_cast<double>(largeCost.peakHeap),
                  1.5 * sizeRatio * static_cast<double>(smallCost.peakHeap));
    }
}

}  // namespace
}  // namespace netloom
