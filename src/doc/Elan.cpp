#include "doc/Elan.h"

#include "archive/Archive.h"
#include "cfgfile/WordList.h"
#include "doc/ObjectEditor.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"

namespace netloom {

C_Doc_Elan::C_Doc_Elan(int32_t type) {
    SetDefaults();
    m_nType = DOC_TYPE_ELAN;
    Type = type;
    SetTypeDefaults();
}

C_Doc_Elan::~C_Doc_Elan() = default;

void C_Doc_Elan::SetDefaults() {
    m_nKeywords = kElanKeywordCount;
    m_pKeywords = kElanKeywords;
    m_pszSection = "VirtualAdapter";
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

const std::string& C_Doc_Elan::GetLabel() {
    m_label = "Virtual Adapter ";
    AppendDecimal(m_label, m_nNumber);
    m_label += " - ";
    if (Type == ELAN_CLASSICAL_IP) {
        m_label.append(kElanTypeWords.At(Type));
        m_label += " (As ";
        m_label.append(kLanTypeWords.At(LanType));
        m_label += " NIC)";
    } else {
        m_label.append(kLanTypeWords.At(LanType));
        m_label += ' ';
        m_label.append(kElanTypeWords.At(Type));
    }
    return m_label;
}

bool C_Doc_Elan::EditProperties() {
    CObjectEditor* editor = GetObjectEditor();
    return editor != nullptr && editor->Edit(*this);
}

bool C_Doc_Elan::IsKeywordUsed(int index) {
    if (index < 0 || index >= m_nKeywords) return false;
    switch (m_pKeywords[index].scope) {
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

void C_Doc_Elan::TransferKeyword(int index, std::string& text, bool toObject,
                                 const CValueReport& report) {
    switch (index) {
        case 0:
            TransferInteger(AgingTime, text, toObject);
            break;
        case 1:
            TransferInteger(ArpResponseTime, text, toObject);
            break;
        case 2:
            TransferText(ArpServer, text, toObject);
            break;
        case 3:
            TransferInteger(ArpTimeout, text, toObject);
            break;
        case 4:
            TransferText(AtmAddress, text, toObject);
            break;
        case 5:
            TransferInteger(DefaultTrafficProfile, text, toObject);
            break;
        case 6:
            TransferEnum(index, Encapsulation, kEncapsulationWords, text, toObject, report);
            break;
        case 7:
            TransferInteger(FlushTimeout, text, toObject);
            break;
        case 8:
            TransferInteger(ForwardDelayTime, text, toObject);
            break;
        case 9:
            TransferText(IpAddress, text, toObject);
            break;
        case 10:
            TransferInteger(JoinTimeout, text, toObject);
            break;
        case 11:
            TransferText(LanName, text, toObject);
            break;
        case 12:
            TransferEnum(index, LanType, kLanTypeWords, text, toObject, report);
            break;
        case 13:
            TransferInteger(MaxArpRetryCount, text, toObject);
            break;
        case 14:
            TransferInteger(MaxDataFrameSize, text, toObject);
            break;
        case 15:
            TransferInteger(MaxDdVccs, text, toObject);
            break;
        case 16:
            TransferInteger(MaxDestinations, text, toObject);
            break;
        case 17:
            TransferRate(MaxReceiveRateDifference, text, toObject, report);
            break;
        case 18:
            TransferRate(MaxTransmitRateDifference, text, toObject, report);
            break;
        case 19:
            TransferInteger(MaxUnknownFrameCount, text, toObject);
            break;
        case 20:
            TransferInteger(MaxUnknownFrameTime, text, toObject);
            break;
        case 21:
            TransferInteger(MaximumOpenCircuits, text, toObject);
            break;
        case 22:
            TransferInteger(MtuSize, text, toObject);
            break;
        case 23:
            TransferBoolean(PromiscuousMode, text, toObject);
            break;
        case 24:
            TransferText(ServerAtmAddress, text, toObject);
            break;
        case 25:
            TransferHexMask(TraceMask, text, toObject);
            break;
        case 26:
            TransferInteger(VccTimeoutPeriod, text, toObject);
            break;
        default:
            break;
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
