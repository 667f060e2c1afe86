// Writing: layout, scope rules, derived values, and that a written file reads back to itself.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "cfgfile/BlockText.h"
#include "core/TestSupport.h"
#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"

namespace netloom {
namespace {

using test::CrLf;
using test::Format;
using test::Open;

// Every object of the document, in the order the file holds their blocks.
std::vector<CDocObject*> ObjectsInFileOrder(CNetloomDoc& doc) {
    std::vector<CDocObject*> objects;
    for (auto& adapter : doc.Cfgfile().Adapters) {
        objects.push_back(adapter.get());
        for (auto& profile : adapter->TrafficProfiles)
            objects.push_back(profile.get());
        for (auto& elan : adapter->VirtualAdapters) {
            objects.push_back(elan.get());
            for (auto& mapping : elan->Mappings)
                objects.push_back(mapping.get());
            for (auto& pvc : elan->Pvcs)
                objects.push_back(pvc.get());
        }
    }
    return objects;
}

// The lines of a written text, without their CR LF ends.
std::vector<std::string_view> CrLfLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// Saving moves every object's lines to the text saved: each Define line and each keyword line
// noted is where that line stands in text (counted here apart from the writer), and reading text
// notes the same lines.
void ExpectSavedLinesHold(CNetloomDoc& doc, const std::string& text) {
    std::vector<std::string_view> lines = CrLfLines(text);
    lines.insert(lines.begin(), "");  // numbered from 1
    auto lineAt = [&](long number) {
        return number > 0 && static_cast<size_t>(number) < lines.size()
                   ? lines[static_cast<size_t>(number)]
                   : std::string_view("(none)");
    };
    auto startsWith = [](std::string_view line, const std::string& start) {
        return line.substr(0, start.size()) == start;
    };
    CNetloomDoc reread;
    Open(reread, text);
    const std::vector<CDocObject*> saved = ObjectsInFileOrder(doc);
    const std::vector<CDocObject*> read = ObjectsInFileOrder(reread);
    ASSERT_EQ(saved.size(), read.size());
    for (size_t i = 0; i < saved.size(); ++i) {
        const CDocObject& object = *saved[i];
        const std::string indent(static_cast<size_t>(object.m_nLevel) * 4, ' ');
        EXPECT_TRUE(startsWith(lineAt(object.DefineLine()), indent + "Define"))
            << i << ": " << lineAt(object.DefineLine());
        EXPECT_EQ(object.DefineLine(), read[i]->DefineLine()) << i;
        for (int k = 0; k < object.m_nKeywords; ++k) {
            const long line = object.KeywordLine(k);
            EXPECT_EQ(line, read[i]->KeywordLine(k)) << i << " " << object.KeywordName(k);
            if (line == 0) continue;
            EXPECT_TRUE(startsWith(lineAt(line), indent + "    " + object.KeywordName(k) + " "))
                << i << ": " << lineAt(line);
        }
    }
}

TEST(Writer, LayoutOfOneAdapterWithEveryKindOfBlock) {
    const std::string text = Format(
        "DefineAdapter\n"
        "DefineTrafficProfile\nDescrType NoClpScr\nPeakRate 10 Mbps\nSustainedRate 5 Mbps\n"
        "MaxBurstSize 100\nEndTrafficProfile\n"
        "DefineVirtualAdapter ClassicalIp\nIpAddress 10.0.0.1\n"
        "DefineProfileMapping\nVcType ClassicalIPCtrlType\nEndProfileMapping\nEndVirtualAdapter\n"
        "DefinePvc\nVci 40\nUserInstance 0\nIpAddress 10.0.0.2\nEndPvc\n"
        "EndAdapter\n");
    const std::string expected = CrLf({
        "; Physical ATM Adapter 0",
        "DefineAdapter",
        "    EmptyCells Idle",
        "    EnableSvcSupport Yes",
        "    FramingMode SONET",
        "    IlmiRegisterAddresses Yes",
        "    MasterTiming No",
        "    MaxLineRate 353208",
        "    MaxPvcs 1",
        "    MaxVciBits 10",
        "    MaxVpiBits 0",
        "    UniVersion Uni3.0",
        "",
        "    ; Tp0: VBR (No Clp), PCR 10 Mbps, SCR 5 Mbps, Burst 100 cells",
        "    DefineTrafficProfile",
        "        DescrType NoClpScr",
        "        QosClass QOS_NONE",
        "        PeakRate 10 Mbps",
        "        SustainedRate 5 Mbps",
        "        MaxBurstSize 100",
        "    EndTrafficProfile",
        "",
        "    ; Virtual Adapter 0 - ClassicalIp (As Token-Ring NIC)",
        "    DefineVirtualAdapter ClassicalIp",
        "        ArpTimeout 600",
        "        DefaultTrafficProfile 0",
        "        IpAddress 10.0.0.1",
        "        LanType Token-Ring",
        "        MaxReceiveRateDifference 16777215",
        "        MaxTransmitRateDifference 16777215",
        "        MaximumOpenCircuits 32",
        "        MtuSize 8192",
        "        PromiscuousMode No",
        "        TraceMask 0000",
        "        VccTimeoutPeriod 20",
        "",
        "        ; Traffic Profile Mapping 0 - ClassicalIPCtrlType",
        "        DefineProfileMapping",
        "            VcType ClassicalIPCtrlType",
        "        EndProfileMapping",
        "    EndVirtualAdapter",
        "",
        "    ; Pvc 0: Vpi/Vci 0/40",
        "    DefinePvc",
        "        Vpi 0",
        "        Vci 40",
        "        UserInstance 0",
        "        TrafficProfileSelector 0",
        "        IpAddress 10.0.0.2",
        "    EndPvc",
        "EndAdapter",
    });
    EXPECT_EQ(text, expected);
}

TEST(Writer, EmptyConfigurationIsAnEmptyFile) {
    EXPECT_EQ(Format("; nothing\n"), "");
}

TEST(Writer, NewLaneAndRfc1483VirtualAdaptersWriteTheirKeywordsOnly) {
    const std::string text = Format(
        "DefineAdapter\nDefineVirtualAdapter LanEmulation\nEndVirtualAdapter\n"
        "DefineVirtualAdapter MultiProtocolEncapsulation\nEndVirtualAdapter\nEndAdapter\n");
    const std::string lane = CrLf({
        "    ; Virtual Adapter 0 - Ethernet LanEmulation",
        "    DefineVirtualAdapter LanEmulation",
        "        AgingTime 300",
        "        ArpResponseTime 1",
        "        DefaultTrafficProfile 0",
        "        FlushTimeout 4",
        "        ForwardDelayTime 15",
        "        JoinTimeout 5",
        "        LanType Ethernet",
        "        MaxArpRetryCount 1",
        "        MaxDataFrameSize 1516",
        "        MaxDdVccs 64",
        "        MaxDestinations 64",
        "        MaxReceiveRateDifference 16777215",
        "        MaxTransmitRateDifference 16777215",
        "        MaxUnknownFrameCount 1",
        "        MaxUnknownFrameTime 1",
        "        MaximumOpenCircuits 32",
        "        PromiscuousMode No",
        "        TraceMask 0000",
        "        VccTimeoutPeriod 20",
        "    EndVirtualAdapter",
    });
    const std::string rfc1483 = CrLf({
        "    ; Virtual Adapter 1 - Token-Ring MultiProtocolEncapsulation",
        "    DefineVirtualAdapter MultiProtocolEncapsulation",
        "        Encapsulation LlcSnap",
        "        LanType Token-Ring",
        "        MtuSize 8192",
        "        PromiscuousMode No",
        "        TraceMask 0000",
        "    EndVirtualAdapter",
    });
    EXPECT_NE(text.find("\r\n" + lane), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n" + rfc1483), std::string::npos) << text;
}

TEST(Writer, DerivedValuesAreRefreshed) {
    CNetloomDoc doc;
    Open(doc,
         "DefineAdapter\nMaxPvcs 12\n"
         "DefineTrafficProfile\nPeakRate 100 Kbps\nSustainedRate 7\nEndTrafficProfile\n"
         "DefineVirtualAdapter\nEndVirtualAdapter\nDefineVirtualAdapter\nEndVirtualAdapter\n"
         "DefinePvc\nUserInstance 1\nEndPvc\nDefinePvc\nUserInstance 1\nEndPvc\n"
         "DefinePvc\nUserInstance 0\nEndPvc\n"
         "EndAdapter\n"
         "DefineAdapter\nMaxPvcs 5\nEndAdapter\n");
    auto& adapters = doc.Cfgfile().Adapters;
    EXPECT_EQ(adapters[0]->TrafficProfiles[0]->SustainedRate, (Rate{7, 0}));  // kept until written
    // Move the second virtual adapter (with two PVCs) in front of the first.
    std::swap(adapters[0]->VirtualAdapters[0], adapters[0]->VirtualAdapters[1]);
    doc.Renumber();
    const std::string text = doc.ConfigurationText();
    EXPECT_EQ(adapters[0]->MaxPvcs, 3);
    EXPECT_EQ(adapters[1]->MaxPvcs, 0);
    EXPECT_NE(text.find("    MaxPvcs 3\r\n"), std::string::npos);
    EXPECT_EQ(text.find("MaxPvcs 5"), std::string::npos);
    EXPECT_NE(text.find("        SustainedRate 100 Kbps\r\n"), std::string::npos);
    EXPECT_EQ(adapters[0]->VirtualAdapters[0]->Pvcs[0]->UserInstance, 0);
    EXPECT_EQ(adapters[0]->VirtualAdapters[1]->Pvcs[0]->UserInstance, 1);
    // The PVC blocks follow their own virtual adapter's End line.
    const size_t firstEnd = text.find("EndVirtualAdapter");
    const size_t pvc = text.find("DefinePvc");
    EXPECT_LT(firstEnd, pvc);
    EXPECT_NE(text.find("        UserInstance 0\r\n        TrafficProfileSelector 0\r\n    "
                        "EndPvc\r\n\r\n    ; Pvc 1"),
              std::string::npos);
}

TEST(Writer, PvcKeywordsFollowTheOwnersTypeAndEncapsulation) {
    CNetloomDoc doc;
    Open(doc,
         "DefineAdapter\n"
         "DefineVirtualAdapter LanEmulation\nEndVirtualAdapter\n"
         "DefineVirtualAdapter Rfc1483\nEndVirtualAdapter\n"
         "DefinePvc\nUserInstance 0\nPvcType MulticastSend\nAtmAddress 39\nIpAddress 1.2.3.4\n"
         "MacAddress 00 11\nEndPvc\n"
         "DefinePvc\nUserInstance 1\nPvcType MulticastSend\nAtmAddress 39\nIpAddress 1.2.3.4\n"
         "MacAddress 00 11\nEndPvc\n"
         "EndAdapter\n");
    std::string text = doc.ConfigurationText();
    EXPECT_NE(text.find("    ; Pvc 0: Vpi/Vci 0/32 - MulticastSend\r\n"), std::string::npos);
    EXPECT_NE(text.find("        AtmAddress 39\r\n        PvcType MulticastSend\r\n"),
              std::string::npos);
    EXPECT_EQ(text.find("IpAddress 1.2.3.4"), std::string::npos);
    EXPECT_NE(text.find("        MacAddress 00 11\r\n"), std::string::npos);
    // Bridged encapsulation: the MAC address is kept but no longer written.
    doc.Cfgfile().Adapters[0]->VirtualAdapters[1]->Encapsulation = 0;
    text = doc.ConfigurationText();
    EXPECT_EQ(text.find("MacAddress"), std::string::npos);
    EXPECT_EQ(doc.Cfgfile().Adapters[0]->VirtualAdapters[1]->Pvcs[0]->MacAddress, "00 11");
}

TEST(Writer, OutOfScopeValuesAreKeptButNotWritten) {
    CNetloomDoc doc;
    Open(doc,
         "DefineAdapter\nDefineVirtualAdapter ClassicalIp\nLanName lab\nArpServer 47\n"
         "EndVirtualAdapter\nEndAdapter\n");
    const std::string text = doc.ConfigurationText();
    EXPECT_EQ(text.find("LanName"), std::string::npos);
    EXPECT_NE(text.find("        ArpServer 47\r\n"), std::string::npos);
    EXPECT_EQ(doc.Cfgfile().Adapters[0]->VirtualAdapters[0]->LanName, "lab");
}

TEST(Writer, AValueNeverSpansLines) {
    CNetloomDoc doc;
    Open(doc, "DefineAdapter\nDefineVirtualAdapter\nEndVirtualAdapter\nEndAdapter\n");
    doc.Cfgfile().Adapters[0]->VirtualAdapters[0]->LanName = "lab\r\nDefineAdapter";
    doc.Cfgfile().Adapters[0]->VirtualAdapters[0]->AtmAddress = "\n39";
    const std::string text = doc.ConfigurationText();
    EXPECT_NE(text.find("        LanName lab\r\n        LanType"), std::string::npos) << text;
    EXPECT_EQ(text.find("AtmAddress"), std::string::npos);
    EXPECT_EQ(test::Format(text), text);
}

// Texts of every length from one byte to past the room the writer puts a block together in, in
// blocks one after another, so that lines fall on every boundary of that room; and the lines
// after them are numbered as they stand.
TEST(Writer, KeywordLinesOfAnyLengthComeOutWhole) {
    std::string input = "DefineAdapter\n";
    std::vector<std::string> names;
    for (size_t length = 1; length <= 4300; length += 7) {
        std::string name;
        for (size_t i = 0; i < length; ++i)
            name += static_cast<char>('a' + (length + i) % 26);
        names.push_back(name);
        input += "DefineVirtualAdapter\nLanName " + name + "\nEndVirtualAdapter\n";
    }
    input += "EndAdapter\n";
    CNetloomDoc doc;
    Open(doc, input);
    const std::string text = doc.ConfigurationText();
    size_t at = 0;
    for (const std::string& name : names) {
        const std::string line = "\r\n        LanName " + name + "\r\n        LanType ";
        at = text.find(line, at);
        ASSERT_NE(at, std::string::npos) << name.size();
    }
    EXPECT_EQ(test::Format(text), text);
    ExpectSavedLinesHold(doc, text);
}

// The block writer against plain appends to a string: random blocks of random pieces, some
// longer than the writer's buffer, with text already in the string and text appended between
// blocks, come out the same, and the line numbers it gives are those of the text.
TEST(Writer, BlockWriterPutsWhatAppendsWould) {
    std::mt19937 random(11);
    auto piece = [&](size_t most) {
        std::string text(random() % most + 1, 'a');
        for (char& c : text)
            c = static_cast<char>('a' + random() % 26);
        return text;
    };
    auto lineOf = [](const std::string& text) {
        return static_cast<long>(std::count(text.begin(), text.end(), '\n')) + 1;
    };
    for (int round = 0; round < 40; ++round) {
        std::string out = "before\r\n";
        CLineTally tally(out);  // numbers the lines from here
        std::string expected;
        for (int block = 0; block < 30; ++block) {
            const std::string indent(random() % 3 * 4, ' ');
            const size_t most = random() % 4 == 0 ? 6000 : 40;
            CBlockWriter writer(out, indent, &tally);
            std::string label = piece(most);
            if (block % 7 == 3) label.insert(label.size() / 2, "\n");
            writer.Opening(block % 2 == 0, label, "Pvc");
            expected += (block % 2 == 0 ? "\r\n" : "") + indent + "; " + label + "\r\n" + indent +
                        "DefinePvc";
            writer.EndLine();
            expected += "\r\n";
            for (int line = random() % 12; line > 0; --line) {
                ASSERT_EQ(writer.CurrentLine(), lineOf(expected));
                const std::string keyword = piece(40);
                const std::string value = piece(most);
                char padded[kPaddedNameWidth] = {};
                const bool pad = keyword.size() < sizeof padded && random() % 2 == 0;
                if (pad) std::memcpy(padded, keyword.data(), keyword.size());
                writer.Line(keyword, pad ? padded : nullptr, value);
                expected += indent + "    " + keyword + " " + value + "\r\n";
            }
            writer.Closing("Pvc");
            expected += indent + "EndPvc\r\n";
            ASSERT_EQ(writer.CurrentLine(), lineOf(expected));
            writer.Flush();
            if (block % 5 == 0) {  // text that reaches the string another way
                out += "x\ny\r\n";
                expected += "x\ny\r\n";
            }
        }
        ASSERT_EQ(out, "before\r\n" + expected);
        EXPECT_EQ(tally.CurrentLine(), lineOf(expected));
    }
}

TEST(Writer, OlderWordsAreNeverWritten) {
    const std::string text = Format(
        "DefineAdapter\nDefineLan\nDataFrameFormat TokenRing\nEndElan\n"
        "DefineVirtualAdapter Rfc1577\nEndVirtualAdapter\nEndAdapter\n");
    EXPECT_NE(text.find("    DefineVirtualAdapter LanEmulation\r\n"), std::string::npos);
    EXPECT_NE(text.find("        LanType Token-Ring\r\n"), std::string::npos);
    EXPECT_NE(text.find("    DefineVirtualAdapter ClassicalIp\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Rfc"), std::string::npos);
    EXPECT_EQ(text.find("DataFrameFormat"), std::string::npos);
}

TEST(Writer, MulticastMappingLeavesItsTypeLineOut) {
    CNetloomDoc doc;
    Open(doc,
         "DefineAdapter\nDefineVirtualAdapter\nDefineProfileMapping\nEndProfileMapping\n"
         "EndVirtualAdapter\nEndAdapter\n");
    C_Doc_TpMapping& m = *doc.Cfgfile().Adapters[0]->VirtualAdapters[0]->Mappings[0];
    m.VcType = kVcTypeMulticast;
    const std::string text = doc.ConfigurationText();
    EXPECT_NE(text.find("        ; Traffic Profile Mapping 0 - \r\n        DefineProfileMapping\r\n"
                        "        EndProfileMapping\r\n"),
              std::string::npos)
        << text;
}

TEST(Writer, ExampleFileIsReproducedByteForByte) {
    const std::string example = test::SourceFile("examples/ka-210x.cfg");
    ASSERT_FALSE(example.empty());
    test::CRecordingSink sink;
    EXPECT_EQ(Format(example, &sink), example);
    EXPECT_TRUE(sink.messages.empty());
    CNetloomDoc doc;
    Open(doc, example);
    ExpectSavedLinesHold(doc, doc.ConfigurationText());
}

// A file another program wrote, without the comments and blank lines Netloom writes, comes out
// longer than it went in; its text must still be made in the room given to it at once; grown
// into twice that room, a large file is held twice over while it is saved.
TEST(Writer, TextLongerThanTheFileReadIsMadeInOneBlock) {
    const std::string example = test::SourceFile("examples/ka-210x.cfg");
    ASSERT_FALSE(example.empty());
    std::string bare;
    for (std::string_view line : CrLfLines(example)) {
        const size_t first = line.find_first_not_of(' ');
        if (first != std::string_view::npos && line[first] != ';') bare.append(line).append("\r\n");
    }
    CNetloomDoc doc;
    Open(doc, bare);
    const std::string first = doc.ConfigurationText();
    ASSERT_EQ(first, example);
    ASSERT_GT(first.size(), bare.size() + bare.size() / 16);
    EXPECT_LE(first.capacity(), bare.size() + bare.size() / 4);
    // Written again, the text is about as long as the last one and takes no more room.
    const std::string second = doc.ConfigurationText();
    EXPECT_LE(second.capacity(), first.size() + first.size() / 16);
}

TEST(Writer, SecondWriteIsIdenticalEvenFromUntidyInput) {
    const std::string untidy =
        "definelan\n"  // at top level: ignored
        "DefineAdapter junk\r\n  maxlinerate 100 mbps  \r  uniVERSION uni4.0\n"
        "DefineTrafficProfile\nDescrType ClpTaggingScr\nPeakRate maxrate\nSustainedRate 1000 kbps\n"
        "EndTrafficProfile\n"
        "DefineLan\nLanName  two  words \nTraceMask 0x1f\nMaxReceiveRateDifference 3 Mbps\n"
        "DefineProfileMapping\nVcType lanemstype\nAddressMask ff\nEndProfileMapping\nEndElan\n"
        "DefinePvc\nUserInstance 0\nVpi 1\nVci 2\nPvcType controldirect\nEndPvc\n"
        "EndAdapter\n";
    const std::string first = Format(untidy);
    EXPECT_EQ(Format(first), first);
    EXPECT_NE(first.find("        LanName two  words \r\n"), std::string::npos);
    EXPECT_NE(first.find("        TraceMask 001F\r\n"), std::string::npos);
    EXPECT_NE(first.find("    MaxLineRate 100 Mbps\r\n"), std::string::npos);
    CNetloomDoc doc;
    Open(doc, untidy);
    ExpectSavedLinesHold(doc, doc.ConfigurationText());
}

}  // namespace
}  // namespace netloom
