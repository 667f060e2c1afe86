#include "doc/Adapter.h"

#include "archive/Archive.h"
#include "cfgfile/WordList.h"
#include "doc/Elan.h"
#include "doc/ObjectEditor.h"
#include "doc/Pvc.h"
#include "doc/TrafficProfile.h"

namespace netloom {

C_Doc_Adapter::C_Doc_Adapter() {
    SetDefaults();
    m_nType = DOC_TYPE_ADAPTER;
}

C_Doc_Adapter::~C_Doc_Adapter() = default;

void C_Doc_Adapter::SetDefaults() {
    m_nKeywords = kAdapterKeywordCount;
    m_pKeywords = kAdapterKeywords;
    m_pszSection = "Adapter";
    m_pszEndKeyword = "EndAdapter";
    m_nLevel = 0;
    EmptyCells = 0;
    EnableSvcSupport = 1;
    FramingMode = 0;
    IlmiRegisterAddresses = 1;
    LecsAtmAddress.clear();
    MasterTiming = 0;
    MaxLineRate = Rate{kMaxLineCellRate, RATE_CELLS};
    MaxPvcs = 0;
    MaxVpiBits = 0;
    MaxVciBits = 10;
    UniVersion = 0;
}

const std::string& C_Doc_Adapter::GetLabel() {
    m_label = "Physical ATM Adapter ";
    AppendDecimal(m_label, m_nNumber);
    return m_label;
}

bool C_Doc_Adapter::EditProperties() {
    CObjectEditor* editor = GetObjectEditor();
    return editor != nullptr && editor->Edit(*this);
}

bool C_Doc_Adapter::IsKeywordUsed(int index) {
    if (index == 7) return MaxPvcs != 0;
    return index >= 0 && index < m_nKeywords;
}

void C_Doc_Adapter::TransferKeyword(int index, std::string& text, bool toObject,
                                    const CValueReport& report) {
    switch (index) {
        case 0:
            TransferEnum(index, EmptyCells, kEmptyCellsWords, text, toObject, report);
            break;
        case 1:
            TransferBoolean(EnableSvcSupport, text, toObject);
            break;
        case 2:
            TransferEnum(index, FramingMode, kFramingModeWords, text, toObject, report);
            break;
        case 3:
            TransferBoolean(IlmiRegisterAddresses, text, toObject);
            break;
        case 4:
            TransferText(LecsAtmAddress, text, toObject);
            break;
        case 5:
            TransferBoolean(MasterTiming, text, toObject);
            break;
        case 6:
            TransferRate(MaxLineRate, text, toObject, report);
            break;
        case 7:
            TransferInteger(MaxPvcs, text, toObject);
            break;
        case 8:
            TransferInteger(MaxVciBits, text, toObject);
            break;
        case 9:
            TransferInteger(MaxVpiBits, text, toObject);
            break;
        case 10:
            TransferEnum(index, UniVersion, kUniVersionWords, text, toObject, report);
            break;
        default:
            break;
    }
}

void C_Doc_Adapter::SerializeFields(CArchive& ar) {
    ar.Int32(EmptyCells);
    ar.Int32(EnableSvcSupport);
    ar.Int32(FramingMode);
    ar.Int32(IlmiRegisterAddresses);
    ar.String(LecsAtmAddress);
    ar.Int32(MasterTiming);
    ar.Int32(MaxLineRate.Value);
    ar.Int32(MaxLineRate.Unit);
    ar.Int32(MaxPvcs);
    ar.Int32(MaxVciBits);
    ar.Int32(MaxVpiBits);
    ar.Int32(UniVersion);
}

void C_Doc_Adapter::Serialize(CArchive& ar) {
    SerializeFields(ar);
    SerializeObjectList(ar, TrafficProfiles);
    SerializeObjectList(ar, VirtualAdapters);
}

bool C_Doc_Adapter::GetTrafficProfileName(int index, std::string& out) {
    if (index < 0) return false;
    if (TrafficProfiles.empty()) {
        if (index >= 10) return false;
        out = "Tp";
        AppendDecimal(out, index);
        out += ": Hardware Default";
        return true;
    }
    if (static_cast<size_t>(index) >= TrafficProfiles.size()) return false;
    out = TrafficProfiles[static_cast<size_t>(index)]->GetLabel();
    return true;
}

size_t C_Doc_Adapter::CountPvcs() const {
    size_t count = 0;
    for (const auto& elan : VirtualAdapters)
        count += elan->Pvcs.size();
    return count;
}

}  // namespace netloom
