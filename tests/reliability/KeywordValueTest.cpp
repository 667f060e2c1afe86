// Every keyword of every block with every kind of bad value. Each case sets the keyword to a
// good value first, then gives it a bad one on the next line, and checks what the field holds
// afterwards, which message appeared, and that saving the result opens to the same text.

#include <gtest/gtest.h>

#include <optional>
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

using test::CRecordingSink;

enum class Kind { Boolean, Integer, HexMask, Enumeration, Rate, Text };
enum class Block { Adapter, TrafficProfile, VirtualAdapter, Pvc, Mapping };

struct KeywordCase {
    Block block;
    const char* keyword;
    Kind kind;
    const WordList* words = nullptr;  // enumerations
};

const std::vector<KeywordCase> kKeywords = {
    {Block::Adapter, "EmptyCells", Kind::Enumeration, &kEmptyCellsWords},
    {Block::Adapter, "EnableSvcSupport", Kind::Boolean},
    {Block::Adapter, "FramingMode", Kind::Enumeration, &kFramingModeWords},
    {Block::Adapter, "IlmiRegisterAddresses", Kind::Boolean},
    {Block::Adapter, "LecsAtmAddress", Kind::Text},
    {Block::Adapter, "MasterTiming", Kind::Boolean},
    {Block::Adapter, "MaxLineRate", Kind::Rate},
    {Block::Adapter, "MaxPvcs", Kind::Integer},
    {Block::Adapter, "MaxVciBits", Kind::Integer},
    {Block::Adapter, "MaxVpiBits", Kind::Integer},
    {Block::Adapter, "UniVersion", Kind::Enumeration, &kUniVersionWords},
    {Block::TrafficProfile, "DescrType", Kind::Enumeration, &kDescrTypeWords},
    {Block::TrafficProfile, "QosClass", Kind::Enumeration, &kQosClassWords},
    {Block::TrafficProfile, "PeakRate", Kind::Rate},
    {Block::TrafficProfile, "SustainedRate", Kind::Rate},
    {Block::TrafficProfile, "MaxBurstSize", Kind::Integer},
    {Block::VirtualAdapter, "AgingTime", Kind::Integer},
    {Block::VirtualAdapter, "ArpResponseTime", Kind::Integer},
    {Block::VirtualAdapter, "ArpServer", Kind::Text},
    {Block::VirtualAdapter, "ArpTimeout", Kind::Integer},
    {Block::VirtualAdapter, "AtmAddress", Kind::Text},
    {Block::VirtualAdapter, "DefaultTrafficProfile", Kind::Integer},
    {Block::VirtualAdapter, "Encapsulation", Kind::Enumeration, &kEncapsulationWords},
    {Block::VirtualAdapter, "FlushTimeout", Kind::Integer},
    {Block::VirtualAdapter, "ForwardDelayTime", Kind::Integer},
    {Block::VirtualAdapter, "IpAddress", Kind::Text},
    {Block::VirtualAdapter, "JoinTimeout", Kind::Integer},
    {Block::VirtualAdapter, "LanName", Kind::Text},
    {Block::VirtualAdapter, "LanType", Kind::Enumeration, &kLanTypeWords},
    {Block::VirtualAdapter, "MaxArpRetryCount", Kind::Integer},
    {Block::VirtualAdapter, "MaxDataFrameSize", Kind::Integer},
    {Block::VirtualAdapter, "MaxDdVccs", Kind::Integer},
    {Block::VirtualAdapter, "MaxDestinations", Kind::Integer},
    {Block::VirtualAdapter, "MaxReceiveRateDifference", Kind::Rate},
    {Block::VirtualAdapter, "MaxTransmitRateDifference", Kind::Rate},
    {Block::VirtualAdapter, "MaxUnknownFrameCount", Kind::Integer},
    {Block::VirtualAdapter, "MaxUnknownFrameTime", Kind::Integer},
    {Block::VirtualAdapter, "MaximumOpenCircuits", Kind::Integer},
    {Block::VirtualAdapter, "MtuSize", Kind::Integer},
    {Block::VirtualAdapter, "PromiscuousMode", Kind::Boolean},
    {Block::VirtualAdapter, "ServerAtmAddress", Kind::Text},
    {Block::VirtualAdapter, "TraceMask", Kind::HexMask},
    {Block::VirtualAdapter, "VccTimeoutPeriod", Kind::Integer},
    {Block::Pvc, "AtmAddress", Kind::Text},
    {Block::Pvc, "PvcType", Kind::Enumeration, &kPvcTypeWords},
    {Block::Pvc, "Vpi", Kind::Integer},
    {Block::Pvc, "Vci", Kind::Integer},
    {Block::Pvc, "UserInstance", Kind::Integer},
    {Block::Pvc, "TrafficProfileSelector", Kind::Integer},
    {Block::Pvc, "IpAddress", Kind::Text},
    {Block::Pvc, "MacAddress", Kind::Text},
    {Block::Mapping, "VcType", Kind::Enumeration, &kVcTypeWords},
    {Block::Mapping, "AtmAddress", Kind::Text},
    {Block::Mapping, "AddressMask", Kind::Text},
    {Block::Mapping, "TrafficProfileList", Kind::Text},
};

// What a rate value makes of the field.
struct RateOutcome {
    std::optional<int32_t> number;  // none: the field keeps its value
    std::string badUnit;            // a unit word that is not known: message 136, unit cells
};

// A bad value and what each kind of field makes of it, as the C conversions "%d", "%x" and
// "%d %10s" read it; booleans are false for all of them, enumerations report each of them.
struct BadValue {
    std::string text;
    std::optional<int32_t> integer;  // none: unchanged
    std::optional<int32_t> hex;      // none: unchanged
    RateOutcome rate;
};

const std::vector<BadValue> kBadValues = {
    {"", {}, {}, {}},
    {"garbage", {}, {}, {}},
    {"-", {}, {}, {}},
    {"+ 5", {}, {}, {}},
    {"yes ", {}, {}, {}},
    {"MaxRate ", {}, {}, {}},
    {"99999999999999999999", -1, -1, {-1, ""}},
    {"-99999999999999999999", 0, -1, {0, ""}},
    {"12abc", 12, 0x12ABC, {12, "abc"}},
    {"0x", 0, 0, {0, "x"}},
    {"7 Mbps extra", 7, 7, {7, ""}},
    {"5 Gigabitspersecond", 5, 5, {5, "Gigabitspe"}},
    {std::string("\x80\xff\0 7", 5), {}, {}, {}},
    {std::string(100000, 'x'), {}, {}, {}},
};

// The good value the field holds before the bad one: never a default, so "unchanged" shows.
std::string GoodValue(const KeywordCase& k) {
    switch (k.kind) {
        case Kind::Boolean:
            return "Yes";
        case Kind::Integer:
            return std::string(k.keyword) == "UserInstance" ? "0" : "4242";
        case Kind::HexMask:
            return "beef";
        case Kind::Enumeration:
            return std::string(k.words->At(1));
        case Kind::Rate:
            return "100 Mbps";
        case Kind::Text:
            return "good text";
    }
    return "";
}

struct HostText {
    std::string text;
    long badLine;     // the line with the bad value
    long defineLine;  // the line that opened the block
};

// A configuration in which the keyword's block holds the good line, then the bad line.
HostText Host(const KeywordCase& k, const std::string& bad) {
    std::vector<std::string> lines = {"DefineAdapter"};
    long badLine = 0;
    auto body = [&](const std::string& indent) {
        lines.push_back(indent + k.keyword + " " + GoodValue(k));
        lines.push_back(indent + k.keyword + " " + bad);
        badLine = static_cast<long>(lines.size());
    };
    long defineLine = 1;
    switch (k.block) {
        case Block::Adapter:
            body("    ");
            break;
        case Block::TrafficProfile:
            lines.push_back("    DefineTrafficProfile");
            defineLine = 2;
            body("        ");
            lines.push_back("    EndTrafficProfile");
            break;
        case Block::VirtualAdapter:
        case Block::Mapping:
            lines.push_back("    DefineVirtualAdapter LanEmulation");
            defineLine = 2;
            if (k.block == Block::VirtualAdapter) {
                body("        ");
            } else {
                lines.push_back("        DefineProfileMapping");
                defineLine = 3;
                body("            ");
                lines.push_back("        EndProfileMapping");
            }
            lines.push_back("    EndVirtualAdapter");
            break;
        case Block::Pvc:
            lines.push_back("    DefineVirtualAdapter LanEmulation");
            lines.push_back("    EndVirtualAdapter");
            lines.push_back("    DefinePvc");
            defineLine = 4;
            body("        ");
            lines.push_back("    EndPvc");
            break;
    }
    lines.push_back("EndAdapter");
    HostText host{"", badLine, defineLine};
    for (const auto& line : lines)
        host.text += line + "\r\n";
    return host;
}

CDocObject* BlockObject(CNetloomDoc& doc, Block block) {
    auto& adapters = doc.Cfgfile().Adapters;
    if (adapters.size() != 1) return nullptr;
    C_Doc_Adapter& a = *adapters[0];
    switch (block) {
        case Block::Adapter:
            return &a;
        case Block::TrafficProfile:
            return a.TrafficProfiles.size() == 1 ? a.TrafficProfiles[0].get() : nullptr;
        default:
            break;
    }
    if (a.VirtualAdapters.size() != 1) return nullptr;
    C_Doc_Elan& e = *a.VirtualAdapters[0];
    if (block == Block::VirtualAdapter) return &e;
    if (block == Block::Pvc) return e.Pvcs.size() == 1 ? e.Pvcs[0].get() : nullptr;
    return e.Mappings.size() == 1 ? e.Mappings[0].get() : nullptr;
}

std::string FieldText(CDocObject& object, const char* keyword) {
    std::string text;
    object.TransferKeyword(object.FindKeyword(keyword), text, false);
    return text;
}

// What the field must hold after the bad value, and the message it must give, if any.
struct Expectation {
    std::optional<std::string> field;  // none: no object is left (a discarded PVC)
    std::vector<std::pair<int, std::string>> messages;
    bool onDefineLine = false;
};

std::string Decimal(int32_t n) {
    return std::to_string(n);
}

Expectation Expect(const KeywordCase& k, const BadValue& bad, const std::string& goodField) {
    Expectation e;
    switch (k.kind) {
        case Kind::Boolean:
            e.field = "No";
            break;
        case Kind::Text:
            e.field = bad.text;
            break;
        case Kind::Integer:
            e.field = bad.integer ? Decimal(*bad.integer) : goodField;
            break;
        case Kind::HexMask:
            if (bad.hex) {
                // "%04X" of the 32 bits.
                static const char kDigits[] = "0123456789ABCDEF";
                uint32_t v = static_cast<uint32_t>(*bad.hex);
                std::string digits;
                do {
                    digits.insert(digits.begin(), kDigits[v & 0xF]);
                    v >>= 4;
                } while (v);
                while (digits.size() < 4)
                    digits.insert(digits.begin(), '0');
                e.field = digits;
            } else {
                e.field = goodField;
            }
            break;
        case Kind::Enumeration:
            e.field = goodField;
            e.messages.push_back({133, "Illegal Value \"" + bad.text + "\" for keyword \"" +
                                           k.keyword + "\" ignored."});
            break;
        case Kind::Rate:
            if (!bad.rate.number) {
                e.field = goodField;
            } else if (!bad.rate.badUnit.empty()) {
                e.field = Decimal(*bad.rate.number);  // cells: the number alone
                e.messages.push_back({136, "Illegal traffic rate unit \"" + bad.rate.badUnit +
                                               "\" ignored, \"Cells\" assumed."});
            } else {
                // The unit stays as the good value left it, or is read as the same word.
                e.field = Decimal(*bad.rate.number) + " Mbps";
            }
            break;
    }
    // A PVC whose UserInstance now names no virtual adapter is discarded.
    if (std::string(k.keyword) == "UserInstance" && bad.integer && *bad.integer != 0) {
        e.field.reset();
        e.onDefineLine = true;
        e.messages.push_back(
            {137, "Pvc Userinstance " + Decimal(*bad.integer) +
                      " refers to undefined Virtual Adapter. Pvc definition ignored."});
    }
    return e;
}

TEST(KeywordValues, EveryKeywordWithEveryKindOfBadValue) {
    size_t cases = 0;
    for (const KeywordCase& k : kKeywords) {
        // The field as the good value leaves it.
        CNetloomDoc goodDoc;
        test::Open(goodDoc, Host(k, GoodValue(k)).text);
        CDocObject* goodObject = BlockObject(goodDoc, k.block);
        ASSERT_NE(goodObject, nullptr) << k.keyword;
        const std::string goodField = FieldText(*goodObject, k.keyword);

        for (const BadValue& bad : kBadValues) {
            SCOPED_TRACE(std::string(k.keyword) + " " + bad.text.substr(0, 40));
            const HostText host = Host(k, bad.text);
            ASSERT_GT(host.badLine, 0);
            CNetloomDoc doc;
            CRecordingSink sink;
            test::Open(doc, host.text, &sink);
            const Expectation e = Expect(k, bad, goodField);

            ASSERT_EQ(sink.messages.size(), e.messages.size());
            for (size_t i = 0; i < e.messages.size(); ++i) {
                EXPECT_EQ(sink.messages[i].id, e.messages[i].first);
                EXPECT_EQ(sink.messages[i].text, e.messages[i].second);
                EXPECT_EQ(sink.messages[i].line, e.onDefineLine ? host.defineLine : host.badLine);
            }
            CDocObject* object = BlockObject(doc, k.block);
            if (e.field) {
                ASSERT_NE(object, nullptr);
                EXPECT_EQ(FieldText(*object, k.keyword), *e.field);
            } else {
                EXPECT_EQ(object, nullptr);
            }
            test::ExpectStableSave(doc);
            ++cases;
        }
    }
    EXPECT_EQ(cases, kKeywords.size() * kBadValues.size());
}

}  // namespace
}  // namespace netloom
