#include "doc/Elan.h"

#include "archive/Archive.h"
#include "cfgfile/TextBuilder.h"
#include "cfgfile/ValueForms.h"
#include "cfgfile/WordList.h"
#include "doc/KeywordTable.h"
#include "doc/ObjectEditor.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"

namespace netloom {

namespace {
using K = KeywordsOf<C_Doc_Elan>;
// The order of the keyword lines; the checks name some keywords by their place here.
constexpr KeywordEntry kElanKeywords[] = {
    K::Integer("AgingTime", 'L', &C_Doc_Elan::AgingTime),
    K::Integer("ArpResponseTime", 'L', &C_Doc_Elan::ArpResponseTime),
    K::Text("ArpServer", 'C', &C_Doc_Elan::ArpServer),
    K::Integer("ArpTimeout", 'C', &C_Doc_Elan::ArpTimeout),
    K::Text("AtmAddress", 0, &C_Doc_Elan::AtmAddress),
    K::Integer("DefaultTrafficProfile", 'm', &C_Doc_Elan::DefaultTrafficProfile),
    K::Enumeration("Encapsulation", 'M', &C_Doc_Elan::Encapsulation, kEncapsulationWords),
    K::Integer("FlushTimeout", 'L', &C_Doc_Elan::FlushTimeout),
    K::Integer("ForwardDelayTime", 'L', &C_Doc_Elan::ForwardDelayTime),
    K::Text("IpAddress", 'C', &C_Doc_Elan::IpAddress),
    K::Integer("JoinTimeout", 'L', &C_Doc_Elan::JoinTimeout),
    K::Text("LanName", 'L', &C_Doc_Elan::LanName),
    K::Enumeration("LanType", 0, &C_Doc_Elan::LanType, kLanTypeWords),
    K::Integer("MaxArpRetryCount", 'L', &C_Doc_Elan::MaxArpRetryCount),
    K::Integer("MaxDataFrameSize", 'L', &C_Doc_Elan::MaxDataFrameSize),
    K::Integer("MaxDdVccs", 'L', &C_Doc_Elan::MaxDdVccs),
    K::Integer("MaxDestinations", 'L', &C_Doc_Elan::MaxDestinations),
    K::RateValue("MaxReceiveRateDifference", 'm', &C_Doc_Elan::MaxReceiveRateDifference),
    K::RateValue("MaxTransmitRateDifference", 'm', &C_Doc_Elan::MaxTransmitRateDifference),
    K::Integer("MaxUnknownFrameCount", 'L', &C_Doc_Elan::MaxUnknownFrameCount),
    K::Integer("MaxUnknownFrameTime", 'L', &C_Doc_Elan::MaxUnknownFrameTime),
    K::Integer("MaximumOpenCircuits", 'm', &C_Doc_Elan::MaximumOpenCircuits),
    K::Integer("MtuSize", 'l', &C_Doc_Elan::MtuSize),
    K::Boolean("PromiscuousMode", 0, &C_Doc_Elan::PromiscuousMode),
    K::Text("ServerAtmAddress", 'L', &C_Doc_Elan::ServerAtmAddress),
    K::HexMask("TraceMask", 0, &C_Doc_Elan::TraceMask),
    K::Integer("VccTimeoutPeriod", 'm', &C_Doc_Elan::VccTimeoutPeriod),
};
}  // namespace

C_Doc_Elan::C_Doc_Elan(int32_t type) {
    SetDefaults();
    m_nType = DOC_TYPE_ELAN;
    Type = type;
    SetTypeDefaults();
}

C_Doc_Elan::~C_Doc_Elan() = default;

void C_Doc_Elan::SetDefaults() {
    UseKeywords(kElanKeywords);
    UseSection("VirtualAdapter");
    m_pszEndKeyword = "EndVirtualAdapter";
    m_nLevel = 1;
    AgingTime = 300;
    ArpResponseTime = 1;
    ArpServer.clear();
    ArpTimeout = 600;
    AtmAddress.clear();
    DefaultTrafficProfile = 0;
    Encapsulation = 1;
    FlushTimeout = 4;
    ForwardDelayTime = 15;
    IpAddress.clear();
    JoinTimeout = 5;
    LanName.clear();
    LanType = 0;
    MaxArpRetryCount = 1;
    MaxDataFrameSize = 1516;
    MaxDdVccs = 64;
    MaxDestinations = 64;
    MaxReceiveRateDifference = Rate{kMaxRateDifference, RATE_CELLS};
    MaxTransmitRateDifference = Rate{kMaxRateDifference, RATE_CELLS};
    MaxUnknownFrameCount = 1;
    MaxUnknownFrameTime = 1;
    MaximumOpenCircuits = 32;
    MtuSize = 1516;
    ServerAtmAddress.clear();
    PromiscuousMode = 0;
    TraceMask = 0;
    VccTimeoutPeriod = 20;
}

void C_Doc_Elan::SetTypeDefaults() {
    if (Type == ELAN_LANE) {
        LanType = 0;
        MaxDataFrameSize = 1516;
        MtuSize = 1516;
    } else {
        LanType = 1;
        MaxDataFrameSize = 8192;
        MtuSize = 8192;
    }
}

void C_Doc_Elan::AppendLabel(std::string& out) const {
    CTextBuilder label(out);
    label << "Virtual Adapter ";
    label.Decimal(m_nNumber) << " - ";
    if (Type == ELAN_CLASSICAL_IP)
        label << kElanTypeWords.At(Type) << " (As " << kLanTypeWords.At(LanType) << " NIC)";
    else
        label << kLanTypeWords.At(LanType) << ' ' << kElanTypeWords.At(Type);
    label.Flush();
}

bool C_Doc_Elan::EditProperties() {
    CObjectEditor* editor = GetObjectEditor();
    return editor != nullptr && editor->Edit(*this);
}

bool C_Doc_Elan::IsScopeUsed(int32_t scope) {
    switch (scope) {
        case 0:
            return true;
        case 'L':
            return Type == ELAN_LANE;
        case 'l':
            return Type != ELAN_LANE;
        case 'C':
            return Type == ELAN_CLASSICAL_IP;
        case 'M':
            return Type == ELAN_RFC1483;
        case 'm':
            return Type != ELAN_RFC1483;
        default:
            return false;
    }
}

void C_Doc_Elan::SerializeFields(CArchive& ar) {
    ar.Int32(AgingTime);
    ar.Int32(ArpResponseTime);
    ar.String(ArpServer);
    ar.Int32(ArpTimeout);
    ar.String(AtmAddress);
    ar.Int32(DefaultTrafficProfile);
    ar.Int32(Encapsulation);
    ar.Int32(FlushTimeout);
    ar.Int32(ForwardDelayTime);
    ar.String(IpAddress);
    ar.Int32(JoinTimeout);
    ar.String(LanName);
    ar.Int32(LanType);
    ar.Int32(MaxArpRetryCount);
    ar.Int32(MaxDataFrameSize);
    ar.Int32(MaxDdVccs);
    ar.Int32(MaxDestinations);
    ar.Int32(MaxReceiveRateDifference.Value);
    ar.Int32(MaxReceiveRateDifference.Unit);
    ar.Int32(MaxTransmitRateDifference.Value);
    ar.Int32(MaxTransmitRateDifference.Unit);
    ar.Int32(MaxUnknownFrameCount);
    ar.Int32(MaxUnknownFrameTime);
    ar.Int32(MaximumOpenCircuits);
    ar.Int32(MtuSize);
    ar.Int32(PromiscuousMode);
    ar.String(ServerAtmAddress);
    ar.Int32(TraceMask);
    ar.Int32(VccTimeoutPeriod);
}

void C_Doc_Elan::Serialize(CArchive& ar) {
    ar.Int32(Type);
    if (ar.IsLoading() && (Type < ELAN_LANE || Type > ELAN_RFC1483))
        throw CArchiveException("virtual adapter type outside 0..2");
    SerializeFields(ar);
    SerializeObjectList(ar, Mappings);
    SerializeObjectList(ar, Pvcs);
}

}  // namespace netloom
