// Reading configuration text: blocks, older words, messages with their lines, PVC attachment.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "cfgfile/LineReader.h"
#include "core/TestSupport.h"
#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"

namespace netloom {
namespace {

using test::CRecordingSink;
using test::CrLf;
using test::Open;
using test::SourceFile;

TEST(Reader, FileWithoutAdaptersIsEmptyAndSilent) {
    CNetloomDoc doc;
    CRecordingSink sink;
    Open(doc, "; just a comment\nMaxPvcs 3\nDefinePvc\nUserInstance 7\nEndPvc\n", &sink);
    EXPECT_TRUE(doc.Cfgfile().Adapters.empty());
    EXPECT_TRUE(sink.messages.empty());  // top-level lines, PVC blocks included, are ignored
}

TEST(Reader, AdapterBlockWithoutKeywordsHasDefaults) {
    CNetloomDoc doc;
    Open(doc, "DefineAdapter\nEndAdapter\n");
    ASSERT_EQ(doc.Cfgfile().Adapters.size(), 1u);
    const C_Doc_Adapter& a = *doc.Cfgfile().Adapters[0];
    EXPECT_EQ(a.EmptyCells, 0);
    EXPECT_EQ(a.EnableSvcSupport, 1);
    EXPECT_EQ(a.FramingMode, 0);
    EXPECT_EQ(a.IlmiRegisterAddresses, 1);
    EXPECT_EQ(a.LecsAtmAddress, "");
    EXPECT_EQ(a.MasterTiming, 0);
    EXPECT_EQ(a.MaxLineRate, (Rate{353208, 0}));
    EXPECT_EQ(a.MaxPvcs, 0);
    EXPECT_EQ(a.MaxVpiBits, 0);
    EXPECT_EQ(a.MaxVciBits, 10);
    EXPECT_EQ(a.UniVersion, 0);
}

TEST(Reader, KeywordsValuesAndCase) {
    CNetloomDoc doc;
    CRecordingSink sink;
    Open(doc,
         "  defineadapter ignored words\n"
         "\tFRAMINGMODE sdh\n"
         "    UniVersion    Uni4.0\n"
         "    LecsAtmAddress 47 00 79  \n"
         "    MaxVpiBits 3\n"
         "    MaxVpiBits 4\n"  // the later value wins
         "    MaxPvcs none\n"  // no digits: unchanged, no message
         "    EnableSvcSupport off\n"
         "  ENDADAPTER\n",
         &sink);
    ASSERT_EQ(doc.Cfgfile().Adapters.size(), 1u);
    const C_Doc_Adapter& a = *doc.Cfgfile().Adapters[0];
    EXPECT_EQ(a.FramingMode, 1);
    EXPECT_EQ(a.UniVersion, 2);
    EXPECT_EQ(a.LecsAtmAddress, "47 00 79  ");  // trailing blanks belong to the value
    EXPECT_EQ(a.MaxVpiBits, 4);
    EXPECT_EQ(a.MaxPvcs, 0);
    EXPECT_EQ(a.EnableSvcSupport, 0);
    EXPECT_TRUE(sink.messages.empty());
}

TEST(Reader, MessagesCarryTextAndLine) {
    CNetloomDoc doc;
    CRecordingSink sink;
    Open(doc,
         "DefineAdapter\r\n"                         // 1
         "    UniVersion Uni3.1 \r\n"                // 2: trailing blank, not a word
         "    Colour blue\r\n"                       // 3
         "    DefineTrafficProfile\r\n"              // 4
         "        PeakRate 100 Gbps\r\n"             // 5
         "        PeakRate 7 Kilobitspersecond\r\n"  // 6
         "    EndTrafficProfile\r\n"                 // 7
         "    DefineVirtualAdapter Atm\r\n"          // 8
         "    EndVirtualAdapter\r\n"                 // 9
         "    DefinePvc\r\n"                         // 10
         "        UserInstance 5\r\n"                // 11
         "    EndPvc\r\n"                            // 12
         "EndAdapter\r\n",
         &sink);
    ASSERT_EQ(sink.messages.size(), 6u);
    EXPECT_EQ(sink.messages[0].id, 133);
    EXPECT_EQ(sink.messages[0].text,
              "Illegal Value \"Uni3.1 \" for keyword \"UniVersion\" ignored.");
    EXPECT_EQ(sink.messages[0].line, 2);
    EXPECT_EQ(sink.messages[1].text,
              "In \"Adapter\" definition: Illegal keyword \"Colour\" ignored.");
    EXPECT_EQ(sink.messages[1].line, 3);
    EXPECT_EQ(sink.messages[2].text,
              "Illegal traffic rate unit \"Gbps\" ignored, \"Cells\" assumed.");
    EXPECT_EQ(sink.messages[2].line, 5);
    EXPECT_EQ(sink.messages[3].text,
              "Illegal traffic rate unit \"Kilobitspe\" ignored, \"Cells\" assumed.");
    EXPECT_EQ(sink.messages[4].text,
              "Illegal Virtual Adapter type \"Atm\" ignored, LAN Emulation assumed.");
    EXPECT_EQ(sink.messages[4].line, 8);
    EXPECT_EQ(sink.messages[5].text,
              "Pvc Userinstance 5 refers to undefined Virtual Adapter. Pvc definition ignored.");
    EXPECT_EQ(sink.messages[5].line, 10);  // the DefinePvc line

    const C_Doc_Adapter& a = *doc.Cfgfile().Adapters[0];
    EXPECT_EQ(a.UniVersion, 0);
    EXPECT_EQ(a.TrafficProfiles[0]->PeakRate, (Rate{7, 0}));
    EXPECT_EQ(a.VirtualAdapters[0]->Type, ELAN_LANE);
    EXPECT_TRUE(a.VirtualAdapters[0]->Pvcs.empty());
}

TEST(Reader, VirtualAdapterTypeWords) {
    CNetloomDoc doc;
    CRecordingSink sink;
    Open(doc,
         "DefineAdapter\n"
         "DefineVirtualAdapter Rfc1483\nEndVirtualAdapter\n"
         "DefineVirtualAdapter rfc1577 trailing words\nEndVirtualAdapter\n"
         "DefineVirtualAdapter CLASSICALIP\nEndVirtualAdapter\n"
         "DefineVirtualAdapter\nEndVirtualAdapter\n"
         "DefineVirtualAdapter ;comment\nEndVirtualAdapter\n"
         "EndAdapter\n",
         &sink);
    const auto& elans = doc.Cfgfile().Adapters[0]->VirtualAdapters;
    ASSERT_EQ(elans.size(), 5u);
    EXPECT_EQ(elans[0]->Type, ELAN_RFC1483);
    EXPECT_EQ(elans[1]->Type, ELAN_CLASSICAL_IP);
    EXPECT_EQ(elans[2]->Type, ELAN_CLASSICAL_IP);
    EXPECT_EQ(elans[3]->Type, ELAN_LANE);
    EXPECT_EQ(elans[4]->Type, ELAN_LANE);
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].text,
              "Illegal Virtual Adapter type \"\" ignored, LAN Emulation assumed.");
    EXPECT_EQ(sink.messages[0].line, 8);
    EXPECT_EQ(sink.messages[1].line, 10);
    // Type-dependent defaults come with the type.
    EXPECT_EQ(elans[0]->LanType, 1);
    EXPECT_EQ(elans[0]->MtuSize, 8192);
    EXPECT_EQ(elans[3]->MaxDataFrameSize, 1516);
}

TEST(Reader, OlderWords) {
    CNetloomDoc doc;
    CRecordingSink sink;
    Open(doc,
         "DefineAdapter\n"
         "  DefineLan whatever\n"
         "    DataFrameFormat TOKENRING\n"
         "  EndElan trailing\n"
         "  DefineVirtualAdapter ClassicalIp\n"
         "    LanType tokenring \n"  // trailing blank: not the older word, not a LAN type
         "  EndVirtualAdapter\n"
         "EndAdapter\n",
         &sink);
    const auto& elans = doc.Cfgfile().Adapters[0]->VirtualAdapters;
    ASSERT_EQ(elans.size(), 2u);
    EXPECT_EQ(elans[0]->Type, ELAN_LANE);
    EXPECT_EQ(elans[0]->LanType, 1);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text,
              "Illegal Value \"tokenring \" for keyword \"LanType\" ignored.");
}

TEST(Reader, PvcsAttachByUserInstanceAcrossAdapters) {
    const std::string head =
        "DefineAdapter\n"
        "DefineVirtualAdapter LanEmulation\nEndVirtualAdapter\n"
        "DefineVirtualAdapter ClassicalIp\nEndVirtualAdapter\n";
    const std::string pvc3 = "DefinePvc\nVci 99\nUserInstance 3\nEndPvc\n";
    const std::string second =
        "DefineAdapter\n"
        "DefineVirtualAdapter LanEmulation\nEndVirtualAdapter\n"
        "DefineVirtualAdapter Rfc1483\nEndVirtualAdapter\n";

    {  // before the second adapter block: refused
        CNetloomDoc doc;
        CRecordingSink sink;
        Open(doc, head + pvc3 + "EndAdapter\n" + second + "EndAdapter\n", &sink);
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages[0].id, 137);
        for (auto& a : doc.Cfgfile().Adapters)
            for (auto& e : a->VirtualAdapters)
                EXPECT_TRUE(e->Pvcs.empty());
    }
    {  // after it, inside the first adapter's text position but later in the file
        CNetloomDoc doc;
        CRecordingSink sink;
        Open(doc,
             head + "EndAdapter\n" + second + "EndAdapter\nDefineAdapter\n" + pvc3 + "EndAdapter\n",
             &sink);
        EXPECT_TRUE(sink.messages.empty());
        const auto& target = doc.Cfgfile().Adapters[1]->VirtualAdapters[1];
        ASSERT_EQ(target->Pvcs.size(), 1u);
        EXPECT_EQ(target->Pvcs[0]->Vci, 99);
        EXPECT_EQ(target->Pvcs[0]->VirtualAdapter, target.get());
        EXPECT_TRUE(doc.Cfgfile().Adapters[2]->VirtualAdapters.empty());
    }
}

TEST(Reader, NegativeUserInstanceIsReportedSigned) {
    CRecordingSink sink;
    CNetloomDoc doc;
    Open(doc,
         "DefineAdapter\nDefineVirtualAdapter\nEndVirtualAdapter\n"
         "DefinePvc\nUserInstance -1\nEndPvc\nEndAdapter\n",
         &sink);
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[1].text,
              "Pvc Userinstance -1 refers to undefined Virtual Adapter. Pvc definition ignored.");
    EXPECT_EQ(sink.messages[1].line, 4);
}

TEST(Reader, MissingAndStrayEndLines) {
    CNetloomDoc doc;
    CRecordingSink sink;
    Open(doc,
         "DefineAdapter\n"
         "  DefineProfileMapping\n"  // not allowed directly in an adapter
         "    VcType AnyType\n"
         "  EndProfileMapping\n"
         "  EndPvc\n"
         "DefineAdapter\n"  // the first block is still open
         "  FramingMode SDH\n"
         "  DefineTrafficProfile\n"
         "    QosClass QOS_3\n",  // cut off by the end of the file
         &sink);
    ASSERT_EQ(doc.Cfgfile().Adapters.size(), 1u);
    const C_Doc_Adapter& a = *doc.Cfgfile().Adapters[0];
    EXPECT_EQ(a.FramingMode, 1);  // the second adapter's keywords land in the first
    ASSERT_EQ(a.TrafficProfiles.size(), 1u);
    EXPECT_EQ(a.TrafficProfiles[0]->QosClass, 3);
    std::vector<std::string> keywords;
    for (const auto& m : sink.messages)
        keywords.push_back(m.text);
    ASSERT_EQ(keywords.size(), 5u);
    EXPECT_EQ(keywords[0],
              "In \"Adapter\" definition: Illegal keyword \"DefineProfileMapping\" ignored.");
    EXPECT_EQ(keywords[1], "In \"Adapter\" definition: Illegal keyword \"VcType\" ignored.");
    EXPECT_EQ(keywords[2],
              "In \"Adapter\" definition: Illegal keyword \"EndProfileMapping\" ignored.");
    EXPECT_EQ(keywords[3], "In \"Adapter\" definition: Illegal keyword \"EndPvc\" ignored.");
    EXPECT_EQ(keywords[4], "In \"Adapter\" definition: Illegal keyword \"DefineAdapter\" ignored.");
}

TEST(Reader, PvcCutOffByEndOfFileIsStillAttached) {
    CNetloomDoc doc;
    CRecordingSink sink;
    Open(doc, "DefineAdapter\nDefineVirtualAdapter\nEndVirtualAdapter\nDefinePvc\nVpi 3", &sink);
    ASSERT_EQ(doc.Cfgfile().Adapters[0]->VirtualAdapters[0]->Pvcs.size(), 1u);
    EXPECT_EQ(doc.Cfgfile().Adapters[0]->VirtualAdapters[0]->Pvcs[0]->Vpi, 3);
}

TEST(Reader, LineEndsAndLineNumbers) {
    // LF, CR LF and a lone CR each end one line; the byte after a lone CR is kept.
    CNetloomDoc doc;
    CRecordingSink sink;
    Open(doc, "DefineAdapter\rFramingMode SDH\r\nBad1 x\nMaxVpiBits 2\rBad2\r\r\nEndAdapter",
         &sink);
    const C_Doc_Adapter& a = *doc.Cfgfile().Adapters[0];
    EXPECT_EQ(a.FramingMode, 1);
    EXPECT_EQ(a.MaxVpiBits, 2);
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].line, 3);
    EXPECT_EQ(sink.messages[1].line, 5);
}

TEST(Reader, CommentsAndWhiteSpace) {
    CNetloomDoc doc;
    CRecordingSink sink;
    Open(doc,
         "DefineAdapter\n"
         "   ; EndAdapter hidden in a comment\n"
         " \t \n"
         "\v\fMasterTiming\tyes\n"
         "MaxVpiBits\v5\n"  // a vertical tab does not end the keyword
         "EndAdapter\n",
         &sink);
    const C_Doc_Adapter& a = *doc.Cfgfile().Adapters[0];
    EXPECT_EQ(a.MasterTiming, 1);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text,
              "In \"Adapter\" definition: Illegal keyword \"MaxVpiBits\v5\" ignored.");
}

TEST(Reader, ScopeIsIgnoredWhenReading) {
    CNetloomDoc doc;
    Open(doc,
         "DefineAdapter\nDefineVirtualAdapter ClassicalIp\nLanName kept\nEncapsulation "
         "LlcSnapBridged\n"
         "DefineProfileMapping\nVcType ClassicalIPDataType\nTrafficProfileList 3 "
         "1\nEndProfileMapping\n"
         "EndVirtualAdapter\nEndAdapter\n");
    const C_Doc_Elan& e = *doc.Cfgfile().Adapters[0]->VirtualAdapters[0];
    EXPECT_EQ(e.LanName, "kept");
    EXPECT_EQ(e.Encapsulation, 0);
    ASSERT_EQ(e.Mappings.size(), 1u);
    EXPECT_EQ(e.Mappings[0]->VcType, 6);
    EXPECT_EQ(e.Mappings[0]->TrafficProfileList, "3 1");
}

TEST(Reader, HighBytesAndNulBytesAreCarriedThrough) {
    CNetloomDoc doc;
    std::string text = "DefineAdapter\nDefineVirtualAdapter\nLanName caf\xE9\xA0";
    text += std::string("\0x", 2);
    text += "\nEndVirtualAdapter\nEndAdapter\n";
    Open(doc, text);
    EXPECT_EQ(doc.Cfgfile().Adapters[0]->VirtualAdapters[0]->LanName,
              std::string("caf\xE9\xA0\0x", 7));
}

// Gives the text in pieces of random sizes, one byte among them, so that pieces end inside
// keywords, values and CR LF pairs.
class CPiecewiseSource : public CTextSource {
  public:
    CPiecewiseSource(std::string_view text, std::mt19937& random)
        : m_text(text), m_random(random) {}
    bool AppendMore(std::string& buffer) override {
        if (m_pos >= m_text.size()) return false;
        // Now and then a piece of nothing, which the reader must not take for the end.
        std::uniform_int_distribution<size_t> size(0, 40);
        const size_t n = std::min(size(m_random), m_text.size() - m_pos);
        buffer.append(m_text.substr(m_pos, n));
        m_pos += n;
        return true;
    }

  private:
    std::string_view m_text;
    std::mt19937& m_random;
    size_t m_pos = 0;
};

TEST(Reader, TextInPiecesReadsAsTheWholeText) {
    std::mt19937 random(1577);
    std::vector<std::string> texts = {SourceFile("examples/ka-210x.cfg")};
    for (const char* name : {"mixed-line-ends.cfg", "no-final-line-end.cfg", "nul-bytes.cfg",
                             "pvc-references.cfg", "define-values.cfg", "binary-noise.cfg"})
        texts.push_back(SourceFile(std::string("tests/reliability/data/") + name));
    texts.push_back("DefineAdapter\rFramingMode SDH\r\nBad1 x\nMaxVpiBits 2\rBad2\r\r\nEnd\r");
    for (const std::string& text : texts) {
        CNetloomDoc whole;
        CRecordingSink wholeSink;
        Open(whole, text, &wholeSink);
        const std::string expected = whole.ConfigurationText();
        for (int round = 0; round < 20; ++round) {
            CNetloomDoc pieces;
            CRecordingSink piecesSink;
            CPiecewiseSource source(text, random);
            pieces.ReadText(source, &piecesSink);
            pieces.Renumber();
            EXPECT_EQ(pieces.ConfigurationText(), expected);
            ASSERT_EQ(piecesSink.messages.size(), wholeSink.messages.size());
            for (size_t i = 0; i < wholeSink.messages.size(); ++i) {
                EXPECT_EQ(piecesSink.messages[i].text, wholeSink.messages[i].text);
                EXPECT_EQ(piecesSink.messages[i].line, wholeSink.messages[i].line);
            }
        }
    }
}

}  // namespace
}  // namespace netloom
