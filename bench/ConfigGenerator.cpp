#include "ConfigGenerator.h"

#include <array>
#include <string_view>

namespace netloom::bench {

namespace {

// xorshift32: small, fast and the same on every platform, so a seed always gives one text.
class CRandom {
  public:
    explicit CRandom(uint32_t seed) : m_state(seed ? seed : 0x9E3779B9u) {}
    uint32_t Next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    uint32_t Below(uint32_t bound) { return Next() % bound; }
    template <size_t N>
    std::string_view Pick(const std::array<std::string_view, N>& words) {
        return words[Below(static_cast<uint32_t>(N))];
    }

  private:
    uint32_t m_state;
};

constexpr std::array<std::string_view, 5> kDescrTypes = {"BestEffort", "NoClpNoScr", "NoClpScr",
                                                         "ClpNoTaggingScr", "ClpTaggingScr"};
constexpr std::array<std::string_view, 5> kQosClasses = {"QOS_NONE", "QOS_1", "QOS_2", "QOS_3",
                                                         "QOS_4"};
constexpr std::array<std::string_view, 3> kRateUnits = {"", " Kbps", " Mbps"};
constexpr std::array<std::string_view, 8> kVcTypes = {
    "AnyType",    "AnyLaneType",        "LaneDataType",        "LaneCtrlType",
    "LaneMsType", "AnyClassicalIPType", "ClassicalIPDataType", "ClassicalIPCtrlType"};
constexpr std::array<std::string_view, 3> kPvcTypes = {"Unknown", "ControlDirect", "MulticastSend"};
constexpr std::array<std::string_view, 3> kElanTypes = {"LanEmulation", "ClassicalIp",
                                                        "MultiProtocolEncapsulation"};

class CWriter {
  public:
    CWriter(std::string& out, CRandom& random) : m_out(out), m_random(random) {}

    void Line(int indent, std::string_view a, std::string_view b = {}) {
        m_out.append(static_cast<size_t>(indent), ' ');
        m_out.append(a);
        m_out.append(b);
        m_out.append("\r\n");
    }
    void Keyword(int indent, std::string_view keyword, const std::string& value) {
        m_out.append(static_cast<size_t>(indent), ' ');
        m_out.append(keyword);
        m_out += ' ';
        m_out.append(value);
        m_out.append("\r\n");
    }
    void Number(int indent, std::string_view keyword, uint32_t bound) {
        Keyword(indent, keyword, std::to_string(m_random.Below(bound)));
    }
    void Word(int indent, std::string_view keyword, std::string_view word) {
        Keyword(indent, keyword, std::string(word));
    }
    void Rate(int indent, std::string_view keyword) {
        Keyword(
            indent, keyword,
            std::to_string(1 + m_random.Below(155000)) + std::string(m_random.Pick(kRateUnits)));
    }
    std::string HexPairs(size_t pairs) {
        static const char kDigits[] = "0123456789abcdef";
        std::string text;
        for (size_t i = 0; i < pairs; ++i) {
            if (i) text += ' ';
            const uint32_t byte = m_random.Below(256);
            text += kDigits[byte >> 4];
            text += kDigits[byte & 0xF];
        }
        return text;
    }
    std::string IpAddress() {
        return "10." + std::to_string(m_random.Below(256)) + '.' +
               std::to_string(m_random.Below(256)) + '.' + std::to_string(1 + m_random.Below(254));
    }
    CRandom& Random() { return m_random; }

  private:
    std::string& m_out;
    CRandom& m_random;
};

void WriteTrafficProfile(CWriter& w, size_t number) {
    w.Line(0, "");
    w.Line(4, "; Traffic Profile ", std::to_string(number));
    w.Line(4, "DefineTrafficProfile");
    w.Word(8, "DescrType", w.Random().Pick(kDescrTypes));
    w.Word(8, "QosClass", w.Random().Pick(kQosClasses));
    w.Rate(8, "PeakRate");
    w.Rate(8, "SustainedRate");
    w.Number(8, "MaxBurstSize", 1000);
    w.Line(4, "EndTrafficProfile");
}

void WriteMapping(CWriter& w, size_t number) {
    w.Line(0, "");
    w.Line(8, "; Traffic Profile Mapping ", std::to_string(number));
    w.Line(8, "DefineProfileMapping");
    w.Word(12, "VcType", w.Random().Pick(kVcTypes));
    w.Keyword(12, "AtmAddress", w.HexPairs(20));
    w.Keyword(12, "AddressMask", "ff ff ff ff ff ff ff ff ff ff ff ff ff 00 00 00 00 00 00 00");
    w.Keyword(12, "TrafficProfileList", std::to_string(w.Random().Below(3)) + " 0");
    w.Line(8, "EndProfileMapping");
}

void WritePvc(CWriter& w, size_t number, size_t userInstance, int elanType) {
    w.Line(0, "");
    w.Line(4, "; Pvc ", std::to_string(number));
    w.Line(4, "DefinePvc");
    if (elanType == 0) {
        w.Keyword(8, "AtmAddress", w.HexPairs(20));
        w.Word(8, "PvcType", w.Random().Pick(kPvcTypes));
    }
    w.Number(8, "Vpi", 256);
    w.Keyword(8, "Vci", std::to_string(32 + w.Random().Below(65000)));
    w.Keyword(8, "UserInstance", std::to_string(userInstance));
    w.Number(8, "TrafficProfileSelector", 3);
    if (elanType == 1) w.Keyword(8, "IpAddress", w.IpAddress());
    if (elanType == 2) w.Keyword(8, "MacAddress", w.HexPairs(6));
    w.Line(4, "EndPvc");
}

void WriteVirtualAdapter(CWriter& w, int type, CGeneratedCounts& counts) {
    const size_t number = counts.virtualAdapters++;
    w.Line(0, "");
    w.Line(4, "; Virtual Adapter ", std::to_string(number));
    w.Line(4, "DefineVirtualAdapter ", kElanTypes[static_cast<size_t>(type)]);
    if (type == 0) {
        w.Number(8, "AgingTime", 1000);
        w.Number(8, "ArpResponseTime", 30);
    }
    if (type == 1) {
        w.Keyword(8, "ArpServer", w.HexPairs(20));
        w.Number(8, "ArpTimeout", 3600);
    }
    w.Keyword(8, "AtmAddress", w.HexPairs(20));
    if (type != 2) w.Number(8, "DefaultTrafficProfile", 3);
    if (type == 2) w.Word(8, "Encapsulation", w.Random().Below(2) ? "LlcSnap" : "LlcSnapBridged");
    if (type == 0) {
        w.Number(8, "FlushTimeout", 10);
        w.Number(8, "ForwardDelayTime", 30);
    }
    if (type == 1) w.Keyword(8, "IpAddress", w.IpAddress());
    if (type == 0) {
        w.Number(8, "JoinTimeout", 60);
        w.Keyword(8, "LanName", "elan-" + std::to_string(number));
    }
    w.Word(8, "LanType", type == 0 && w.Random().Below(2) ? "Ethernet" : "Token-Ring");
    if (type == 0) {
        w.Number(8, "MaxArpRetryCount", 5);
        w.Word(8, "MaxDataFrameSize", "1516");
        w.Number(8, "MaxDdVccs", 256);
        w.Number(8, "MaxDestinations", 256);
    }
    if (type != 2) {
        w.Rate(8, "MaxReceiveRateDifference");
        w.Rate(8, "MaxTransmitRateDifference");
    }
    if (type == 0) {
        w.Number(8, "MaxUnknownFrameCount", 10);
        w.Number(8, "MaxUnknownFrameTime", 10);
    }
    if (type != 2) w.Number(8, "MaximumOpenCircuits", 1024);
    if (type != 0) w.Word(8, "MtuSize", "8192");
    w.Word(8, "PromiscuousMode", w.Random().Below(2) ? "Yes" : "No");
    if (type == 0) w.Keyword(8, "ServerAtmAddress", w.HexPairs(20));
    w.Word(8, "TraceMask", "00FF");
    if (type != 2) w.Number(8, "VccTimeoutPeriod", 1200);
    if (type != 2) {
        for (int i = 0; i < 2; ++i)
            WriteMapping(w, counts.mappings++);
    }
    w.Line(4, "EndVirtualAdapter");
    for (int i = 0; i < 3; ++i)
        WritePvc(w, counts.pvcs++, number, type);
}

void WriteAdapter(CWriter& w, CGeneratedCounts& counts) {
    w.Line(0, "; Physical ATM Adapter ", std::to_string(counts.adapters++));
    w.Line(0, "DefineAdapter");
    w.Word(4, "EmptyCells", w.Random().Below(2) ? "Idle" : "Unassigned");
    w.Word(4, "EnableSvcSupport", "Yes");
    w.Word(4, "FramingMode", w.Random().Below(2) ? "SONET" : "SDH");
    w.Word(4, "IlmiRegisterAddresses", "Yes");
    w.Keyword(4, "LecsAtmAddress", w.HexPairs(20));
    w.Word(4, "MasterTiming", "No");
    w.Rate(4, "MaxLineRate");
    w.Word(4, "MaxPvcs", "12");
    w.Number(4, "MaxVciBits", 16);
    w.Number(4, "MaxVpiBits", 8);
    w.Word(4, "UniVersion", "Uni3.1");
    for (int i = 0; i < 3; ++i)
        WriteTrafficProfile(w, counts.trafficProfiles++);
    for (int type = 0; type < 3; ++type)
        WriteVirtualAdapter(w, type, counts);
    WriteVirtualAdapter(w, 0, counts);
    w.Line(0, "EndAdapter");
}

template <class Enough>
std::string Generate(size_t reserve, uint32_t seed, CGeneratedCounts* counts, Enough enough) {
    CRandom random(seed);
    CGeneratedCounts made;
    std::string out;
    out.reserve(reserve);
    CWriter writer(out, random);
    do {
        WriteAdapter(writer, made);
    } while (!enough(out, made));
    if (counts) *counts = made;
    return out;
}

}  // namespace

std::string GenerateConfiguration(size_t targetBytes, uint32_t seed, CGeneratedCounts* counts) {
    return Generate(targetBytes + 8192, seed, counts, [targetBytes](const std::string& out, auto&) {
        return out.size() >= targetBytes;
    });
}

std::string GenerateConfigurationOfObjects(size_t objects, uint32_t seed,
                                           CGeneratedCounts* counts) {
    // About 240 bytes an object; the reserve only spares most of the regrowth.
    return Generate(objects * 256, seed, counts,
                    [objects](const std::string&, const CGeneratedCounts& made) {
                        return made.Objects() >= objects;
                    });
}

}  // namespace netloom::bench
