// Find's matching: which nodes a text finds, through labels and through values in their file
// form, with the traffic profiles shown and hidden.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/TestSupport.h"
#include "doc/FindMatches.h"

namespace netloom {
namespace {

// The labels of the matches in order, hidden ones marked with a leading "~".
std::vector<std::string> Found(CNetloomDoc& doc, bool showProfiles, const std::string& text) {
    std::vector<std::string> labels;
    for (const FindMatch& match : FindMatches(doc.Cfgfile(), "ka-210x.cfg", showProfiles, text))
        labels.push_back((match.hidden ? "~" : "") + match.label);
    return labels;
}

TEST(FindMatchesTest, LabelsAndFileFormsOfTheExample) {
    CNetloomDoc doc;
    test::Open(doc, test::SourceFile("examples/ka-210x.cfg"));
    const std::string lane0 = "Virtual Adapter 0 - Ethernet LanEmulation";
    const std::string clip1 = "Virtual Adapter 1 - ClassicalIp (As Token-Ring NIC)";
    const std::string mpe2 = "Virtual Adapter 2 - Token-Ring MultiProtocolEncapsulation";
    const std::string lane3 = "Virtual Adapter 3 - Token-Ring LanEmulation";
    struct Case {
        const char* text;
        bool showProfiles;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {"KA-210X", false, {"ka-210x.cfg"}},
        {"0/10", false, {"Pvc 0: Vpi/Vci 0/100 - ControlDirect"}},
        {"virtual adapters", false, {"Virtual Adapters", "Virtual Adapters"}},
        // Values: a LAN name, an IP address, an address in part and in another case.
        {"engineering", false, {lane0}},
        {"192.168.40.1", false, {clip1, "Pvc 1: Vpi/Vci 0/200"}},
        {"1A 2B 3C", false, {lane0, clip1, mpe2}},
        // Enumeration words, rates and masks as the file writes them.
        {"token-ring", false, {clip1, mpe2, lane3}},
        {"100 Mbps", false, {"Physical ATM Adapter 1"}},
        {"0003", false, {clip1}},
        // Profiles and mappings while hidden: found and marked; their groups are not nodes.
        {"qos_2", false, {"~Tp2: VBR (No Clp), PCR 10 Mbps, SCR 5 Mbps, Burst 100 cells"}},
        {"Profile Mapping",
         false,
         {"~Traffic Profile Mapping 0 - LaneDataType", "~Traffic Profile Mapping 1 - LaneCtrlType",
          "~Traffic Profile Mapping 2 - AnyClassicalIPType"}},
        {"Profile Mapping",
         true,
         {"Traffic Profile Mappings", "Traffic Profile Mapping 0 - LaneDataType",
          "Traffic Profile Mapping 1 - LaneCtrlType", "Traffic Profile Mappings",
          "Traffic Profile Mapping 2 - AnyClassicalIPType", "Traffic Profile Mappings"}},
        {"", true, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Found(doc, c.showProfiles, c.text), c.labels) << '"' << c.text << '"';
}

TEST(FindMatchesTest, ValuesTheFileLeavesOutFindNothing) {
    CNetloomDoc doc;
    test::Open(doc, test::CrLf({
                        "DefineAdapter",
                        "DefineVirtualAdapter ClassicalIp",
                        "LanName out-of-scope",
                        "EndVirtualAdapter",
                        "DefineVirtualAdapter MultiProtocolEncapsulation",
                        "DefineProfileMapping",
                        "AtmAddress 47 11 22",
                        "EndProfileMapping",
                        "EndVirtualAdapter",
                        "EndAdapter",
                    }));
    // A keyword outside the virtual adapter's type is kept but not written; an RFC 1483
    // virtual adapter shows no mappings, whatever the option.
    EXPECT_EQ(Found(doc, true, "out-of-scope"), std::vector<std::string>{});
    EXPECT_EQ(Found(doc, true, "47 11"), std::vector<std::string>{});
    EXPECT_EQ(Found(doc, false, "47 11"), std::vector<std::string>{});
}

}  // namespace
}  // namespace netloom
