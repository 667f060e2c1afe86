// The configuration checks on small files: each rule with the line it names, the file order
// of the findings, and lines that follow the file through a save.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "cfgfile/WordList.h"
#include "core/TestSupport.h"
#include "doc/Adapter.h"
#include "doc/Cfgfile.h"
#include "doc/ConfigChecks.h"
#include "doc/Elan.h"
#include "doc/Pvc.h"

namespace netloom {
namespace {

using test::Open;

std::vector<std::string> Findings(CNetloomDoc& doc) {
    std::vector<std::string> lines;
    for (const CFinding& finding : CheckConfiguration(doc))
        lines.push_back(std::to_string(finding.line) + ": " + std::string(finding.text));
    return lines;
}

std::vector<std::string> FindingsOf(const std::string& text) {
    CNetloomDoc doc;
    Open(doc, text);
    return Findings(doc);
}

struct CheckCase {
    const char* name;
    const char* text;
    std::vector<std::string> expected;
};

const char kAtmMessage[] =
    "Invalid ATM Address. Enter as 40 Hexadecimal digits (0-9, a-f), every two possibly "
    "separated by blanks.";

const CheckCase kCases[] = {
    {"defaults pass every page",
     "DefineAdapter\nDefineTrafficProfile\nEndTrafficProfile\n"
     "DefineVirtualAdapter LanEmulation\nDefineProfileMapping\nEndProfileMapping\n"
     "EndVirtualAdapter\nDefinePvc\nUserInstance 0\nEndPvc\n"
     "DefineVirtualAdapter ClassicalIp\nEndVirtualAdapter\n"
     "DefineVirtualAdapter Rfc1483\nEndVirtualAdapter\nEndAdapter\n",
     {}},
    {"VPI without VPI bits becomes 0",
     "DefineAdapter\nDefineVirtualAdapter LanEmulation\nEndVirtualAdapter\n"
     "DefinePvc\nVpi 3\nUserInstance 0\nEndPvc\nEndAdapter\n",
     {"5: \"Pvc 0: Vpi/Vci 3/32 - Data Direct\": Vpi 3 becomes 0, since MaxVpiBits is 0."}},
    {"VPI and VCI ranges follow the bit split; every failure of a page is reported",
     "DefineAdapter\nMaxVpiBits 2\nMaxVciBits 8\nDefineVirtualAdapter ClassicalIp\n"
     "EndVirtualAdapter\nDefinePvc\nUserInstance 0\nVpi 4\nVci 256\nEndPvc\nEndAdapter\n",
     {"8: \"Pvc 0: Vpi/Vci 4/256\": Vpi 4 is refused on the \"General\" page: Please enter an "
      "integer between 0 and 3.",
      "9: \"Pvc 0: Vpi/Vci 4/256\": Vci 256 is refused on the \"General\" page: Please enter an "
      "integer between 1 and 255."}},
    {"frame size by type, with the page's own message",
     "DefineAdapter\nDefineVirtualAdapter LanEmulation\nMaxDataFrameSize 1515\nMtuSize 1\n"
     "EndVirtualAdapter\nDefineVirtualAdapter ClassicalIp\nMtuSize -4\nEndVirtualAdapter\n"
     "EndAdapter\n",
     {"3: \"Virtual Adapter 0 - Ethernet LanEmulation\": MaxDataFrameSize 1515 is refused on the "
      "\"General\" page: Please enter an integer between 1516 and 9234.",
      "7: \"Virtual Adapter 1 - ClassicalIp (As Token-Ring NIC)\": MtuSize -4 is refused on the "
      "\"General\" page: Please enter a positive integer."}},
    {"an address in a disabled field still blocks OK; a normalised one is fine",
     "DefineAdapter\nLecsAtmAddress 39-00-00-00-00-00-00-00-00-00-00-00-00-88-88-88-88-88-88-00\n"
     "DefineVirtualAdapter Rfc1483\nAtmAddress 39 84 zz\nEndVirtualAdapter\nEndAdapter\n",
     {std::string("4: \"Virtual Adapter 0 - Token-Ring MultiProtocolEncapsulation\": AtmAddress "
                  "\"39 84 zz\" is refused on the \"General\" page: ") +
      kAtmMessage}},
    {"all failing fields of the advanced page, in file order",
     "DefineAdapter\nDefineVirtualAdapter LanEmulation\nFlushTimeout 9\nAgingTime 5\n"
     "VccTimeoutPeriod 2000\nEndVirtualAdapter\nEndAdapter\n",
     {"3: \"Virtual Adapter 0 - Ethernet LanEmulation\": FlushTimeout 9 is refused on the "
      "\"LANE Advanced\" page: Please enter an integer between 1 and 4.",
      "4: \"Virtual Adapter 0 - Ethernet LanEmulation\": AgingTime 5 is refused on the "
      "\"LANE Advanced\" page: Please enter an integer between 10 and 300.",
      "5: \"Virtual Adapter 0 - Ethernet LanEmulation\": VccTimeoutPeriod 2000 is refused on the "
      "\"LANE Advanced\" page: Please enter an integer between 0 and 1080."}},
    {"the later of two lines of one keyword holds the value",
     "DefineAdapter\nMaxLineRate 1\nMaxLineRate 156 Mbps\nEndAdapter\n",
     {"3: \"Physical ATM Adapter 0\": MaxLineRate 156 Mbps is refused on the \"Traffic Control\" "
      "page: Please enter an integer between 1 and 155."}},
    {"a line whose value the member could not take holds nothing",
     "DefineAdapter\nMaxVpiBits 5\nDefineVirtualAdapter LanEmulation\nEndVirtualAdapter\n"
     "DefinePvc\nUserInstance 0\nVci 40\nVci none\nEndPvc\nDefinePvc\nUserInstance 0\n"
     "Vci x\nEndPvc\nEndAdapter\n",
     {"1: \"Physical ATM Adapter 0\": MaxVciBits 10 is refused on the \"Advanced\" page: Please "
      "enter an integer between 5 and 5.",
      "7: \"Pvc 0: Vpi/Vci 0/40 - Data Direct\": Vci 40 is refused on the \"General\" page: "
      "Please enter an integer between 1 and 31.",
      "10: \"Pvc 1: Vpi/Vci 0/32 - Data Direct\": Vci 32 is refused on the \"General\" page: "
      "Please enter an integer between 1 and 31."}},
    {"trace bits above the sixteen classes go",
     "DefineAdapter\nDefineVirtualAdapter Rfc1483\nTraceMask 1ffff\nEndVirtualAdapter\n"
     "EndAdapter\n",
     {"3: \"Virtual Adapter 0 - Token-Ring MultiProtocolEncapsulation\": TraceMask 1FFFF becomes "
      "FFFF, since the \"Trace\" page keeps only the 16 trace event classes."}},
    {"profile numbers naming nothing or repeated vanish from a mapping; a missing blank is fine",
     "DefineAdapter\nDefineTrafficProfile\nEndTrafficProfile\nDefineTrafficProfile\n"
     "EndTrafficProfile\nDefineTrafficProfile\nEndTrafficProfile\nDefineTrafficProfile\n"
     "EndTrafficProfile\nDefineVirtualAdapter LanEmulation\nDefineProfileMapping\n"
     "TrafficProfileList 3 1 3 40\nEndProfileMapping\nDefineProfileMapping\n"
     "TrafficProfileList 2  0\nEndProfileMapping\nDefineProfileMapping\n"
     "TrafficProfileList 1 x1 2\nEndProfileMapping\nEndVirtualAdapter\nEndAdapter\n",
     {"12: \"Traffic Profile Mapping 0 - AnyType\": TrafficProfileList \"3 1 3 40\" becomes "
      "\"3 1 \", since 3 comes again, 40 names no traffic profile.",
      "18: \"Traffic Profile Mapping 2 - AnyType\": TrafficProfileList \"1 x1 2\" becomes \"1 \", "
      "since the list ends at \"x1\"."}},
    {"profile numbers of virtual adapters and PVCs must name a profile",
     "DefineAdapter\nDefineTrafficProfile\nEndTrafficProfile\nDefineVirtualAdapter ClassicalIp\n"
     "DefaultTrafficProfile 1\nEndVirtualAdapter\nDefinePvc\nUserInstance 0\n"
     "TrafficProfileSelector 0\nEndPvc\nEndAdapter\n"
     "DefineAdapter\nDefineVirtualAdapter LanEmulation\nDefaultTrafficProfile 9\n"
     "EndVirtualAdapter\nDefinePvc\nUserInstance 1\nTrafficProfileSelector 10\nEndPvc\n"
     "DefinePvc\nUserInstance 1\nVci 33\nTrafficProfileSelector -1\nEndPvc\nEndAdapter\n",
     {"5: \"Virtual Adapter 0 - ClassicalIp (As Token-Ring NIC)\": DefaultTrafficProfile 1 names "
      "no traffic profile: \"Physical ATM Adapter 0\" has 1 (0 to 0).",
      "18: \"Pvc 0: Vpi/Vci 0/32 - Data Direct\": TrafficProfileSelector 10 names no traffic "
      "profile: \"Physical ATM Adapter 1\" has no traffic profiles and offers the hardware "
      "defaults 0 to 9.",
      "23: \"Pvc 1: Vpi/Vci 0/33 - Data Direct\": TrafficProfileSelector -1 becomes 0, since the "
      "\"Traffic Profile\" page has no entry for it.",
      "23: \"Pvc 1: Vpi/Vci 0/33 - Data Direct\": TrafficProfileSelector -1 names no traffic "
      "profile: \"Physical ATM Adapter 1\" has no traffic profiles and offers the hardware "
      "defaults 0 to 9."}},
    {"a VPI/VCI pair used twice on one adapter, across its virtual adapters, not across adapters",
     "DefineAdapter\nDefineVirtualAdapter ClassicalIp\nEndVirtualAdapter\n"
     "DefineVirtualAdapter ClassicalIp\nEndVirtualAdapter\n"
     "DefinePvc\nUserInstance 1\nVci 40\nEndPvc\nDefinePvc\nUserInstance 0\nVci 40\nEndPvc\n"
     "EndAdapter\nDefineAdapter\nDefineVirtualAdapter ClassicalIp\nEndVirtualAdapter\n"
     "DefinePvc\nUserInstance 2\nVci 40\nEndPvc\nEndAdapter\n",
     {"10: \"Pvc 0: Vpi/Vci 0/40\": Vpi/Vci 0/40 is already used by \"Pvc 1: Vpi/Vci 0/40\" of "
      "\"Physical ATM Adapter 0\"."}},
    {"an RFC 1483 virtual adapter carries one PVC; its PVCs' out-of-scope values still count",
     "DefineAdapter\nDefineVirtualAdapter Rfc1483\nEncapsulation LlcSnapBridged\n"
     "EndVirtualAdapter\nDefinePvc\nUserInstance 0\nMacAddress 00 11\nEndPvc\nDefinePvc\n"
     "UserInstance 0\nVci 33\nIpAddress 192.168.100.100x\nEndPvc\nEndAdapter\n",
     {"2: \"Virtual Adapter 0 - Token-Ring MultiProtocolEncapsulation\": it carries 2 PVCs; an "
      "RFC 1483 virtual adapter carries one.",
      "7: \"Pvc 0: Vpi/Vci 0/32\": MacAddress \"00 11\" is refused on the \"Rfc1577/1483\" page: "
      "Invalid MAC Address. Enter as 12 hexadecimal digits (0-9, a-f), every two possibly "
      "separated by blanks.",
      "12: \"Pvc 1: Vpi/Vci 0/33\": IpAddress \"192.168.100.100x\" is refused on the "
      "\"Rfc1577/1483\" page: Please enter no more than 15 characters."}},
    {"values of another type are not on any page",
     "DefineAdapter\nDefineVirtualAdapter ClassicalIp\nLanName "
     "a-lan-name-of-more-than-thirty-two-characters\nAgingTime 1\nDefaultTrafficProfile 0\n"
     "EndVirtualAdapter\nDefineVirtualAdapter Rfc1483\nDefaultTrafficProfile 77\n"
     "EndVirtualAdapter\nEndAdapter\n",
     {}},
    {"profile rates follow their units, burst its range, on disabled fields too",
     "DefineAdapter\nDefineTrafficProfile\nDescrType NoClpNoScr\nPeakRate 156 Mbps\n"
     "SustainedRate 0\nMaxBurstSize 256\nEndTrafficProfile\nEndAdapter\n",
     {"4: \"Tp0: CBR, PCR 156 Mbps\": PeakRate 156 Mbps is refused on the "
      "\"Traffic Profile Properties\" page: Please enter an integer between 1 and 155.",
      "5: \"Tp0: CBR, PCR 156 Mbps\": SustainedRate 0 is refused on the "
      "\"Traffic Profile Properties\" page: Please enter an integer between 1 and 353208.",
      "6: \"Tp0: CBR, PCR 156 Mbps\": MaxBurstSize 256 is refused on the "
      "\"Traffic Profile Properties\" page: Please enter an integer between 1 and 255."}},
};

TEST(ConfigChecks, EachRuleWithItsLine) {
    for (const CheckCase& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindingsOf(c.text), c.expected);
    }
}

TEST(ConfigChecks, InsertedObjectsHaveNoLineUntilTheFileIsSaved) {
    CNetloomDoc doc;
    Open(doc,
         "; comment\n\nDefineAdapter\nDefineVirtualAdapter LanEmulation\nEndVirtualAdapter\n"
         "DefinePvc\nUserInstance 0\nVci 2000\nEndPvc\nEndAdapter\n");
    doc.m_pCurAdapter = doc.Cfgfile().Adapters[0].get();
    doc.m_pCurElan = doc.m_pCurAdapter->VirtualAdapters[0].get();
    auto pvc = std::make_unique<C_Doc_Pvc>();
    pvc->Vci = 3000;
    ASSERT_TRUE(doc.AddPastedObject(std::move(pvc)));
    const std::vector<std::string> before = Findings(doc);
    ASSERT_EQ(before.size(), 2u);
    EXPECT_EQ(before[0].rfind("8: \"Pvc 0:", 0), 0u);
    EXPECT_EQ(before[1].rfind("0: \"Pvc 1:", 0), 0u);

    // Text that is only printed leaves the lines alone.
    {
        const CKeepFileLines printing;
        doc.ConfigurationText();
    }
    EXPECT_EQ(Findings(doc), before);

    // Saved, every line is one of the text written, and reading it back finds the same.
    const std::string saved = doc.ConfigurationText();
    const std::vector<std::string> after = Findings(doc);
    CNetloomDoc reread;
    Open(reread, saved);
    EXPECT_EQ(after, Findings(reread));
    EXPECT_EQ(after[0].rfind("41: \"Pvc 0:", 0), 0u) << after[0];
    EXPECT_EQ(after[1].rfind("50: \"Pvc 1:", 0), 0u) << after[1];

    // A PVC kept aside while the file is saved (as the edit history keeps a deleted one) has
    // no line in the saved file when it comes back.
    std::unique_ptr<CDocObject> aside = doc.RemoveObject(doc.m_pCurElan->Pvcs[0].get());
    ASSERT_NE(aside, nullptr);
    doc.ConfigurationText();
    ASSERT_TRUE(doc.AddPastedObject(std::move(aside)));
    const std::vector<std::string> back = Findings(doc);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].rfind("41: \"Pvc 0: Vpi/Vci 0/3000", 0), 0u) << back[0];
    EXPECT_EQ(back[1].rfind("0: \"Pvc 1: Vpi/Vci 0/2000", 0), 0u) << back[1];
}

// Every finding's line holds its keyword, or is its object's Define line; after a save, the
// lines are those of the saved text and reading it back finds exactly the same.
TEST(ConfigChecks, LinesFollowTheFileThroughASave) {
    const char* files[] = {"examples/ka-210x.cfg",
                           "fuzz/corpus/cfgfile/example.cfg",
                           "fuzz/corpus/cfgfile/older-words.cfg",
                           "fuzz/corpus/cfgfile/pvc-references.cfg",
                           "fuzz/corpus/cfgfile/values-and-line-ends.cfg",
                           "tests/reliability/data/white-space-oddities.cfg"};
    auto lineAt = [](const std::string& text, long number) {
        long line = 1;
        size_t start = 0;
        for (size_t i = 0; i < text.size() && line < number; ++i) {
            if (text[i] == '\n' ||
                (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
                ++line;
                start = i + 1;
            }
        }
        const size_t end = text.find_first_of("\r\n", start);
        return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    };
    auto expectLinesHold = [&](CNetloomDoc& doc, const std::string& text) {
        for (const CFinding& finding : CheckConfiguration(doc)) {
            const std::string line = lineAt(text, finding.line);
            const size_t first = line.find_first_not_of(" \t\v\f");
            const std::string word = line.substr(first == std::string::npos ? 0 : first);
            const bool keyword =
                !finding.keyword.empty() &&
                EqualsNoCase(word.substr(0, finding.keyword.size()), finding.keyword);
            const bool define = EqualsNoCase(word.substr(0, 6), "Define") &&
                                finding.line == finding.object->DefineLine();
            EXPECT_TRUE(keyword || define)
                << finding.line << ": " << line << " for " << finding.text;
        }
    };
    for (const char* file : files) {
        SCOPED_TRACE(file);
        const std::string original = test::SourceFile(file);
        CNetloomDoc doc;
        Open(doc, original);
        expectLinesHold(doc, original);
        const std::string saved = doc.ConfigurationText();
        expectLinesHold(doc, saved);
        CNetloomDoc reread;
        Open(reread, saved);
        EXPECT_EQ(Findings(doc), Findings(reread));
    }
}

// PVCs of random pairs over several virtual adapters of two physical adapters: each PVC whose
// pair an earlier PVC of its own physical adapter holds is reported, naming that first PVC.
TEST(ConfigChecks, SharedPairsNameTheirFirstHolder) {
    std::mt19937 random(5);
    std::string text;
    std::vector<std::string> expected;
    long line = 0;
    auto add = [&](const std::string& lines) {
        text += lines;
        line += static_cast<long>(std::count(lines.begin(), lines.end(), '\n'));
    };
    for (int a = 0; a < 2; ++a) {
        add("DefineAdapter\nMaxVpiBits 2\nMaxVciBits 8\n");
        std::map<std::pair<int, int>, std::string> first;
        for (int pvc = 0; pvc < 60; ++pvc) {
            if (pvc % 20 == 0) add("DefineVirtualAdapter ClassicalIp\nEndVirtualAdapter\n");
            const int vpi = static_cast<int>(random() % 2);
            const int vci = 32 + static_cast<int>(random() % 12);
            const long define = line + 1;
            // A PVC names its virtual adapter by number, counted across physical adapters.
            add("DefinePvc\nUserInstance " + std::to_string(a * 3 + pvc / 20) + "\nVpi " +
                std::to_string(vpi) + "\nVci " + std::to_string(vci) + "\nEndPvc\n");
            const std::string label = "Pvc " + std::to_string(pvc) + ": Vpi/Vci " +
                                      std::to_string(vpi) + '/' + std::to_string(vci);
            const auto [held, isFirst] = first.emplace(std::make_pair(vpi, vci), label);
            if (!isFirst)
                expected.push_back(std::to_string(define) + ": \"" + label + "\": Vpi/Vci " +
                                   std::to_string(vpi) + '/' + std::to_string(vci) +
                                   " is already used by \"" + held->second +
                                   "\" of \"Physical ATM Adapter " + std::to_string(a) + "\".");
        }
        add("EndAdapter\n");
    }
    EXPECT_EQ(FindingsOf(text), expected);
}

// A document of 10^5 objects, with problems of every rule spread through it.
std::string LargeConfiguration(size_t& objects) {
    std::string text;
    objects = 0;
    for (int a = 0; a < 10; ++a) {
        text += "DefineAdapter\nMaxVpiBits 2\nMaxVciBits 8\n";
        for (int p = 0; p < 10; ++p)
            text +=
                "DefineTrafficProfile\nDescrType NoClpScr\nPeakRate 10 Mbps\nEndTrafficProfile\n";
        for (int e = 0; e < 100; ++e) {
            const int type = e % 3;
            text += std::string("DefineVirtualAdapter ") + (type == 0   ? "LanEmulation\n"
                                                            : type == 1 ? "ClassicalIp\n"
                                                                        : "Rfc1483\n");
            text += "AtmAddress 39 00 00 00 00 00 00 00 00 00 00 00 00 88 88 88 88 88 88 00\n";
            text += "DefaultTrafficProfile " + std::to_string(e % 12) + "\nTraceMask " +
                    (e % 7 ? "ff" : "10000") + "\n";
            text += "DefineProfileMapping\nTrafficProfileList 1 2 3 11\nEndProfileMapping\n";
            text += "EndVirtualAdapter\n";
            objects += 2;
            for (int v = 0; v < 98; ++v) {
                text += "DefinePvc\nUserInstance " + std::to_string(a * 100 + e) + "\nVpi " +
                        std::to_string(v % 5) + "\nVci " + std::to_string(32 + v + e % 40) +
                        "\nMacAddress 00 11 22 33 44 55\nTrafficProfileSelector " +
                        std::to_string(v % 11) + "\nEndPvc\n";
            }
            objects += 98;
        }
        text += "EndAdapter\n";
        objects += 11;
    }
    return text;
}

TEST(ConfigChecks, HundredThousandObjectsAreCheckedWellUnderASecond) {
    size_t objects = 0;
    CNetloomDoc doc;
    Open(doc, LargeConfiguration(objects));
    ASSERT_GE(objects, 100000u);
    size_t count = 0;
    double best = 1e300;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        count = CheckConfiguration(doc).size();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    EXPECT_GT(count, 10000u);
    std::printf("checks over %zu objects: %zu findings in %.3f s\n", objects, count, best);
#if defined(__SANITIZE_ADDRESS__) || !defined(__OPTIMIZE__)
    // Unoptimised or instrumented builds run several times slower, and share the machine with
    // the rest of the suite: there the limit only catches a cost that grows out of proportion.
    constexpr double kLimit = 8.0;
#else
    constexpr double kLimit = 0.5;
#endif
    EXPECT_LT(best, kLimit);
}

// The findings' texts keep their bytes whatever their lengths, many to a block or longer than
// one, and when the room holding them is moved, as the checks' result is.
TEST(TextRoom, TextsKeepTheirBytesWhenManyAndLongAndMoved) {
    std::mt19937 random(3);
    CTextRoom room;
    std::vector<std::pair<const char*, std::string>> kept;
    for (int i = 0; i < 4000; ++i) {
        const size_t length = random() % 64 == 0 ? 60000 + random() % 80000 : random() % 300;
        std::string text(length, '\0');
        for (char& c : text)
            c = static_cast<char>('a' + random() % 26);
        char* at = room.Take(length);
        std::copy(text.begin(), text.end(), at);
        kept.emplace_back(at, std::move(text));
    }
    const CTextRoom moved = std::move(room);
    for (const auto& [at, text] : kept)
        ASSERT_EQ(std::string(at, text.size()), text);
}

}  // namespace
}  // namespace netloom
