// The configuration objects: defaults, labels, keyword scope and the profile names pages show.

#include <gtest/gtest.h>

#include "cfgfile/WordList.h"
#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"

namespace netloom {
namespace {

// The label GetLabel makes, checked to be what AppendLabel adds to text already there (as the
// renumbering does, into one string kept for every object).
std::string Label(CDocObject& object) {
    std::string appended = "|";
    object.AppendLabel(appended);
    const std::string label = object.GetLabel();
    EXPECT_EQ(appended, "|" + label);
    return label;
}

TEST(Objects, BareBaseObject) {
    CDocObject object;
    EXPECT_EQ(object.m_nType, -1);
    EXPECT_EQ(Label(object), "Document Object");
    EXPECT_EQ(object.m_nKeywords, 0);
    EXPECT_FALSE(object.EditProperties());
    std::string out;
    object.WriteDefinition(out, false);
    EXPECT_EQ(out, "");
}

TEST(Objects, TypeCodesLevelsAndSections) {
    C_Doc_Adapter a;
    C_Doc_TrafficProfile t;
    C_Doc_Elan e;
    C_Doc_Pvc p;
    C_Doc_TpMapping m;
    EXPECT_EQ(a.m_nType, 1);
    EXPECT_EQ(t.m_nType, 3);
    EXPECT_EQ(e.m_nType, 5);
    EXPECT_EQ(p.m_nType, 7);
    EXPECT_EQ(m.m_nType, 9);
    EXPECT_EQ(a.m_nLevel, 0);
    EXPECT_EQ(t.m_nLevel, 1);
    EXPECT_EQ(e.m_nLevel, 1);
    EXPECT_EQ(p.m_nLevel, 1);
    EXPECT_EQ(m.m_nLevel, 2);
    EXPECT_EQ(a.m_nKeywords, 11);
    EXPECT_EQ(t.m_nKeywords, 5);
    EXPECT_EQ(e.m_nKeywords, 27);
    EXPECT_EQ(p.m_nKeywords, 8);
    EXPECT_EQ(m.m_nKeywords, 4);
    EXPECT_STREQ(e.m_pszSection, "VirtualAdapter");
    EXPECT_STREQ(m.m_pszEndKeyword, "EndProfileMapping");
}

TEST(Objects, TrafficProfileLabels) {
    C_Doc_TrafficProfile t;
    t.m_nNumber = 4;
    EXPECT_EQ(Label(t), "Tp4: UBR (Best Effort), PCR 353208 Cells");
    t.DescrType = 1;
    t.PeakRate = {20, RATE_MBPS};
    EXPECT_EQ(Label(t), "Tp4: CBR, PCR 20 Mbps");
    t.DescrType = 2;
    t.SustainedRate = {5, RATE_KBPS};
    t.MaxBurstSize = 100;
    EXPECT_EQ(Label(t), "Tp4: VBR (No Clp), PCR 20 Mbps, SCR 5 Kbps, Burst 100 cells");
    t.DescrType = 3;
    EXPECT_EQ(Label(t), "Tp4: VBR (Clp, No Tagging), PCR 20 Mbps, SCR 5 Kbps, Burst 100 cells");
    t.DescrType = 4;
    EXPECT_EQ(Label(t), "Tp4: VBR (Clp, Tagging), PCR 20 Mbps, SCR 5 Kbps, Burst 100 cells");
    t.DescrType = 17;
    EXPECT_EQ(Label(t), "Tp4: Unknown Traffic Type, Peak 20 cells/s");
}

TEST(Objects, VirtualAdapterLabelsAndTypeDefaults) {
    C_Doc_Elan lane(ELAN_LANE);
    EXPECT_EQ(Label(lane), "Virtual Adapter 0 - Ethernet LanEmulation");
    C_Doc_Elan clip(ELAN_CLASSICAL_IP);
    clip.m_nNumber = 1;
    EXPECT_EQ(Label(clip), "Virtual Adapter 1 - ClassicalIp (As Token-Ring NIC)");
    C_Doc_Elan mpoa(ELAN_RFC1483);
    EXPECT_EQ(Label(mpoa), "Virtual Adapter 0 - Token-Ring MultiProtocolEncapsulation");
    EXPECT_EQ(lane.MaxDataFrameSize, 1516);
    EXPECT_EQ(lane.MtuSize, 1516);
    EXPECT_EQ(clip.MaxDataFrameSize, 8192);
    EXPECT_EQ(mpoa.MtuSize, 8192);
    EXPECT_EQ(mpoa.Encapsulation, 1);
    EXPECT_EQ(lane.MaxReceiveRateDifference, (Rate{16777215, 0}));
}

TEST(Objects, PvcAndMappingLabels) {
    C_Doc_Pvc pvc;
    pvc.m_nNumber = 2;
    EXPECT_EQ(Label(pvc), "Pvc 2: Vpi/Vci 0/32");  // no owner yet
    C_Doc_Elan lane(ELAN_LANE);
    pvc.VirtualAdapter = &lane;
    EXPECT_EQ(Label(pvc), "Pvc 2: Vpi/Vci 0/32 - Data Direct");
    pvc.PvcType = 1;
    EXPECT_EQ(Label(pvc), "Pvc 2: Vpi/Vci 0/32 - ControlDirect");
    C_Doc_Elan clip(ELAN_CLASSICAL_IP);
    pvc.VirtualAdapter = &clip;
    EXPECT_EQ(Label(pvc), "Pvc 2: Vpi/Vci 0/32");

    C_Doc_TpMapping m;
    EXPECT_EQ(Label(m), "Traffic Profile Mapping 0 - AnyType");
    m.VcType = kVcTypeMulticast;
    EXPECT_EQ(Label(m), "Traffic Profile Mapping 0 - ");
}

TEST(Objects, KeywordScopeOfVirtualAdapters) {
    // Index 11 LanName (L), 22 MtuSize (l), 2 ArpServer (C), 6 Encapsulation (M), 5 (m), 4 (none)
    const int indexes[] = {11, 22, 2, 6, 5, 4};
    const bool lane[] = {true, false, false, false, true, true};
    const bool clip[] = {false, true, true, false, true, true};
    const bool mpoa[] = {false, true, false, true, false, true};
    C_Doc_Elan e0(ELAN_LANE), e1(ELAN_CLASSICAL_IP), e2(ELAN_RFC1483);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(e0.IsKeywordUsed(indexes[i]), lane[i]) << indexes[i];
        EXPECT_EQ(e1.IsKeywordUsed(indexes[i]), clip[i]) << indexes[i];
        EXPECT_EQ(e2.IsKeywordUsed(indexes[i]), mpoa[i]) << indexes[i];
    }
    EXPECT_FALSE(e0.IsKeywordUsed(27));
    EXPECT_FALSE(e0.IsKeywordUsed(-1));
}

TEST(Objects, AdapterHidesAZeroMaxPvcs) {
    C_Doc_Adapter a;
    EXPECT_FALSE(a.IsKeywordUsed(7));
    a.MaxPvcs = 2;
    EXPECT_TRUE(a.IsKeywordUsed(7));
    for (int i = 0; i < 11; ++i)
        if (i != 7) {
            EXPECT_TRUE(a.IsKeywordUsed(i));
        }
}

TEST(Objects, TrafficProfileNamesForPages) {
    C_Doc_Adapter a;
    std::string name;
    EXPECT_TRUE(a.GetTrafficProfileName(0, name));
    EXPECT_EQ(name, "Tp0: Hardware Default");
    EXPECT_TRUE(a.GetTrafficProfileName(9, name));
    EXPECT_EQ(name, "Tp9: Hardware Default");
    EXPECT_FALSE(a.GetTrafficProfileName(10, name));
    EXPECT_FALSE(a.GetTrafficProfileName(-1, name));
    a.TrafficProfiles.push_back(std::make_unique<C_Doc_TrafficProfile>());
    EXPECT_TRUE(a.GetTrafficProfileName(0, name));
    EXPECT_EQ(name, "Tp0: UBR (Best Effort), PCR 353208 Cells");
    EXPECT_FALSE(a.GetTrafficProfileName(1, name));
}

TEST(Objects, TransferKeywordFormsEveryKind) {
    C_Doc_Elan e(ELAN_LANE);
    std::string text;
    e.TraceMask = 0xAB;
    e.TransferKeyword(25, text, false);
    EXPECT_EQ(text, "00AB");
    e.TransferKeyword(23, text, false);
    EXPECT_EQ(text, "No");
    e.MaxTransmitRateDifference = {12, RATE_KBPS};
    e.TransferKeyword(18, text, false);
    EXPECT_EQ(text, "12 Kbps");
    e.LanType = 7;  // an index without a word is written as nothing
    e.TransferKeyword(12, text, false);
    EXPECT_EQ(text, "");
    text = "token-ring";
    e.TransferKeyword(12, text, true);
    EXPECT_EQ(e.LanType, 1);
}

}  // namespace
}  // namespace netloom
