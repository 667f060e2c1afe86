// The bad-input catalogue: small hostile and odd configuration files under data/. Every file
// must read without a crash, quickly, with messages that name real lines, and save to a text
// that opens again unchanged; each file also has its own expected messages and result.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <vector>

#include "Reliability.h"
#include "cfgfile/WordList.h"
#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"

namespace netloom {
namespace {

using test::CatalogueFile;
using test::CRecordingSink;

// The files this test knows the expected outcome of; a new file needs expectations below.
const std::set<std::string> kCatalogue = {
    "binary-noise.cfg",
    "blank-and-comments.cfg",
    "define-values.cfg",
    "empty.cfg",
    "high-bytes.cfg",
    "keyword-only-lines.cfg",
    "mixed-line-ends.cfg",
    "no-final-line-end.cfg",
    "nul-bytes.cfg",
    "pvc-references.cfg",
    "stray-end-lines.cfg",
    "unclosed-blocks.cfg",
    "white-space-oddities.cfg",
};

struct Message {
    int id;
    long line;
    std::string text;
};

Message IllegalKeyword(long line, const std::string& section, const std::string& keyword) {
    return {134, line,
            "In \"" + section + "\" definition: Illegal keyword \"" + keyword + "\" ignored."};
}
Message IllegalValue(long line, const std::string& value, const std::string& keyword) {
    return {133, line, "Illegal Value \"" + value + "\" for keyword \"" + keyword + "\" ignored."};
}
Message IllegalType(long line, const std::string& word) {
    return {135, line,
            "Illegal Virtual Adapter type \"" + word + "\" ignored, LAN Emulation assumed."};
}
Message UndefinedElan(long line, const std::string& number) {
    return {137, line,
            "Pvc Userinstance " + number +
                " refers to undefined Virtual Adapter. Pvc definition ignored."};
}

// Opens a catalogue file and checks its messages, in order, with their lines and texts.
class Catalogue : public ::testing::Test {
  protected:
    void Open(const std::string& name, const std::vector<Message>& expected) {
        test::Open(m_doc, CatalogueFile(name), &m_sink);
        ASSERT_EQ(m_sink.messages.size(), expected.size()) << name;
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(m_sink.messages[i].id, expected[i].id) << name << " message " << i;
            EXPECT_EQ(m_sink.messages[i].line, expected[i].line) << name << " message " << i;
            EXPECT_EQ(m_sink.messages[i].text, expected[i].text) << name << " message " << i;
        }
    }
    C_Doc_Adapter& Adapter(size_t i) { return *m_doc.Cfgfile().Adapters.at(i); }
    size_t AdapterCount() { return m_doc.Cfgfile().Adapters.size(); }

    CNetloomDoc m_doc;
    CRecordingSink m_sink;
};

TEST(CatalogueFiles, EveryFileReadsSoundlyAndSavesStably) {
    const std::filesystem::path dir =
        std::filesystem::path(NETLOOM_SOURCE_DIR) / "tests/reliability/data";
    std::set<std::string> seen;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        seen.insert(name);
        SCOPED_TRACE(name);
        EXPECT_TRUE(kCatalogue.count(name)) << "a catalogue file without expectations";
        const std::string text = CatalogueFile(name);
        CNetloomDoc doc;
        CRecordingSink sink;
        const test::ReadCost cost = test::OpenMeasured(doc, text, &sink);
        EXPECT_LT(cost.seconds, 2.0);
        EXPECT_LT(cost.peakHeap, 64 * text.size() + (1u << 20));
        const long lines = test::CountLines(text);
        for (const auto& m : sink.messages) {
            EXPECT_GE(m.line, 1);
            EXPECT_LE(m.line, lines);
            EXPECT_FALSE(m.text.empty());
        }
        test::ExpectStableSave(doc);
    }
    EXPECT_EQ(seen, kCatalogue) << "a catalogue file is missing";
}

TEST_F(Catalogue, FilesWithoutAdaptersOpenEmptyAndSilent) {
    for (const char* name : {"empty.cfg", "blank-and-comments.cfg", "binary-noise.cfg"}) {
        SCOPED_TRACE(name);
        m_sink.messages.clear();
        Open(name, {});
        EXPECT_EQ(AdapterCount(), 0u);
        EXPECT_EQ(m_doc.ConfigurationText(), "");
    }
}

TEST_F(Catalogue, NulBytesAreOrdinaryBytes) {
    using namespace std::string_literals;
    Open("nul-bytes.cfg",
         {IllegalKeyword(5, "Adapter", "Max\0VpiBits"s), IllegalKeyword(6, "Adapter", "\0"s),
          IllegalValue(8, "Uni3.1\0"s, "UniVersion")});
    ASSERT_EQ(AdapterCount(), 1u);  // "DefineAdapter\0" is not a Define line
    EXPECT_EQ(Adapter(0).LecsAtmAddress, "47\0 00\0"s);
    EXPECT_EQ(Adapter(0).MaxVciBits, 7);
    EXPECT_EQ(Adapter(0).MaxVpiBits, 0);
    EXPECT_NE(m_doc.ConfigurationText().find("    LecsAtmAddress 47\0 00\0\r\n"s),
              std::string::npos);
}

TEST_F(Catalogue, HighBytesAreNeitherWhiteSpaceNorLost) {
    std::string allHigh;
    for (int c = 0x80; c <= 0xFF; ++c)
        allHigh += static_cast<char>(c);
    Open("high-bytes.cfg",
         {IllegalKeyword(2, "Adapter", "\xa0MaxVpiBits"),
          IllegalKeyword(3, "Adapter", "\x85MaxVciBits"),
          IllegalKeyword(4, "Adapter", "Fr\xe4mingMode"), IllegalValue(5, "S\xd0H", "FramingMode"),
          IllegalType(7, "\xffLanEmulation")});
    ASSERT_EQ(AdapterCount(), 1u);
    EXPECT_EQ(Adapter(0).LecsAtmAddress, allHigh);
    ASSERT_EQ(Adapter(0).VirtualAdapters.size(), 1u);
    EXPECT_EQ(Adapter(0).VirtualAdapters[0]->Type, ELAN_LANE);
    EXPECT_EQ(Adapter(0).VirtualAdapters[0]->LanName, "\xe9l\xe9phant \xff");
    const std::string saved = m_doc.ConfigurationText();
    EXPECT_NE(saved.find("    LecsAtmAddress " + allHigh + "\r\n"), std::string::npos);
    EXPECT_NE(saved.find("        LanName \xe9l\xe9phant \xff\r\n"), std::string::npos);
}

TEST_F(Catalogue, MixedLineEndsAreCountedAsTheReaderSplitsThem) {
    Open("mixed-line-ends.cfg",
         {IllegalKeyword(3, "Adapter", "Bogus1"), IllegalKeyword(6, "Adapter", "Bogus2"),
          IllegalKeyword(10, "TrafficProfile", "Bogus3")});
    ASSERT_EQ(AdapterCount(), 1u);
    EXPECT_EQ(Adapter(0).MaxVpiBits, 1);
    EXPECT_EQ(Adapter(0).MaxVciBits, 9);
    ASSERT_EQ(Adapter(0).TrafficProfiles.size(), 1u);
    // The byte after a lone CR begins the next line, so this keyword is not lost.
    EXPECT_EQ(Adapter(0).TrafficProfiles[0]->MaxBurstSize, 5);
}

TEST_F(Catalogue, BlocksCutOffByTheEndOfTheFileKeepWhatWasRead) {
    Open("no-final-line-end.cfg", {});
    ASSERT_EQ(AdapterCount(), 1u);
    ASSERT_EQ(Adapter(0).VirtualAdapters.size(), 1u);
    const C_Doc_Elan& elan = *Adapter(0).VirtualAdapters[0];
    EXPECT_EQ(elan.Type, ELAN_CLASSICAL_IP);
    EXPECT_EQ(elan.IpAddress, "10.1.2.3");
    ASSERT_EQ(elan.Pvcs.size(), 1u);
    EXPECT_EQ(elan.Pvcs[0]->Vci, 77);  // the last line has no line end and still counts
}

TEST_F(Catalogue, UnclosedBlocksReadOnAndReportForeignLines) {
    Open("unclosed-blocks.cfg", {IllegalKeyword(7, "ProfileMapping", "DefineAdapter"),
                                 IllegalKeyword(8, "ProfileMapping", "MaxVpiBits"),
                                 IllegalKeyword(9, "ProfileMapping", "DefineVirtualAdapter")});
    ASSERT_EQ(AdapterCount(), 1u);
    EXPECT_EQ(Adapter(0).MaxVpiBits, 1);
    EXPECT_EQ(Adapter(0).MaxVciBits, 6);
    ASSERT_EQ(Adapter(0).VirtualAdapters.size(), 1u);
    const C_Doc_Elan& elan = *Adapter(0).VirtualAdapters[0];
    EXPECT_EQ(elan.LanName, "second");
    ASSERT_EQ(elan.Mappings.size(), 1u);
    EXPECT_EQ(elan.Mappings[0]->VcType, 4);  // LaneMsType
}

TEST_F(Catalogue, StrayEndLinesAreIllegalKeywordsInsideBlocks) {
    Open("stray-end-lines.cfg", {IllegalKeyword(4, "Adapter", "EndPvc"),
                                 IllegalKeyword(6, "TrafficProfile", "EndVirtualAdapter"),
                                 IllegalKeyword(7, "TrafficProfile", "EndAdapter"),
                                 IllegalKeyword(9, "Adapter", "DefineProfileMapping"),
                                 IllegalKeyword(10, "Adapter", "EndProfileMapping"),
                                 IllegalKeyword(11, "Adapter", "EndVirtualAdapter")});
    ASSERT_EQ(AdapterCount(), 1u);
    EXPECT_EQ(Adapter(0).TrafficProfiles.size(), 1u);
    EXPECT_TRUE(Adapter(0).VirtualAdapters.empty());
}

TEST_F(Catalogue, PvcsNamingNoVirtualAdapterAreDiscarded) {
    Open("pvc-references.cfg",
         {UndefinedElan(5, "0"), UndefinedElan(9, "-1"), UndefinedElan(12, "1215752191")});
    ASSERT_EQ(AdapterCount(), 1u);
    ASSERT_EQ(Adapter(0).VirtualAdapters.size(), 1u);
    const C_Doc_Elan& elan = *Adapter(0).VirtualAdapters[0];
    ASSERT_EQ(elan.Pvcs.size(), 1u);
    EXPECT_EQ(elan.Pvcs[0]->Vci, 4096);
    EXPECT_EQ(elan.Pvcs[0]->VirtualAdapter, &elan);
    EXPECT_EQ(Adapter(0).CountPvcs(), 1u);
}

TEST_F(Catalogue, VirtualAdapterTypeWords) {
    Open("define-values.cfg",
         {IllegalType(2, ""), IllegalType(4, ""), IllegalType(10, "LanEmulationX")});
    ASSERT_EQ(AdapterCount(), 1u);
    std::vector<int32_t> types;
    for (const auto& elan : Adapter(0).VirtualAdapters)
        types.push_back(elan->Type);
    EXPECT_EQ(types, (std::vector<int32_t>{ELAN_LANE, ELAN_LANE, ELAN_CLASSICAL_IP, ELAN_RFC1483,
                                           ELAN_LANE, ELAN_LANE}));
    const std::string saved = m_doc.ConfigurationText();
    EXPECT_NE(saved.find("    DefineVirtualAdapter MultiProtocolEncapsulation\r\n"),
              std::string::npos);
    EXPECT_EQ(saved.find("Rfc1483"), std::string::npos);
}

TEST_F(Catalogue, KeywordsWithoutValues) {
    Open("keyword-only-lines.cfg",
         {IllegalValue(4, "", "EmptyCells"), IllegalValue(10, "", "QosClass")});
    ASSERT_EQ(AdapterCount(), 1u);
    const C_Doc_Adapter& a = Adapter(0);
    EXPECT_EQ(a.LecsAtmAddress, "");  // an empty text value empties the field
    EXPECT_EQ(a.EnableSvcSupport, 0);
    EXPECT_EQ(a.MaxLineRate, (Rate{353208, RATE_CELLS}));
    EXPECT_EQ(a.MaxVpiBits, 0);
    ASSERT_EQ(a.TrafficProfiles.size(), 1u);
    EXPECT_EQ(a.TrafficProfiles[0]->QosClass, 0);
}

TEST_F(Catalogue, WhiteSpaceOtherThanBlankAndTab) {
    Open("white-space-oddities.cfg", {IllegalKeyword(3, "Adapter",
                                                     "MaxVciBits\x0b"
                                                     "5"),
                                      IllegalValue(4, "Uni3.1 ", "UniVersion")});
    ASSERT_EQ(AdapterCount(), 1u);
    const C_Doc_Adapter& a = Adapter(0);
    EXPECT_EQ(a.MaxVpiBits, 3);
    EXPECT_EQ(a.MaxVciBits, 10);
    EXPECT_EQ(a.FramingMode, 1);
    EXPECT_EQ(a.MasterTiming, 0);
    EXPECT_EQ(a.EnableSvcSupport, 1);
    EXPECT_EQ(a.MaxLineRate, (Rate{10, RATE_KBPS}));
}

}  // namespace
}  // namespace netloom
