#include "doc/Adapter.h"

#include "archive/Archive.h"
#include "cfgfile/TextBuilder.h"
#include "cfgfile/ValueForms.h"
#include "cfgfile/WordList.h"
#include "doc/Elan.h"
#include "doc/KeywordTable.h"
#include "doc/ObjectEditor.h"
#include "doc/Pvc.h"
#include "doc/TrafficProfile.h"

namespace netloom {

namespace {
using K = KeywordsOf<C_Doc_Adapter>;
// The order of the keyword lines; the checks name some keywords by their place here.
constexpr KeywordEntry kAdapterKeywords[] = {
    K::Enumeration("EmptyCells", 0, &C_Doc_Adapter::EmptyCells, kEmptyCellsWords),
    K::Boolean("EnableSvcSupport", 0, &C_Doc_Adapter::EnableSvcSupport),
    K::Enumeration("FramingMode", 0, &C_Doc_Adapter::FramingMode, kFramingModeWords),
    K::Boolean("IlmiRegisterAddresses", 0, &C_Doc_Adapter::IlmiRegisterAddresses),
    K::Text("LecsAtmAddress", 0, &C_Doc_Adapter::LecsAtmAddress),
    K::Boolean("MasterTiming", 0, &C_Doc_Adapter::MasterTiming),
    K::RateValue("MaxLineRate", 0, &C_Doc_Adapter::MaxLineRate),
    // The writer sets it to the adapter's number of PVCs first.
    K::IntegerIfNotZero("MaxPvcs", 0, &C_Doc_Adapter::MaxPvcs),
    K::Integer("MaxVciBits", 0, &C_Doc_Adapter::MaxVciBits),
    K::Integer("MaxVpiBits", 0, &C_Doc_Adapter::MaxVpiBits),
    K::Enumeration("UniVersion", 0, &C_Doc_Adapter::UniVersion, kUniVersionWords),
};
}  // namespace

C_Doc_Adapter::C_Doc_Adapter() {
    SetDefaults();
    m_nType = DOC_TYPE_ADAPTER;
}

C_Doc_Adapter::~C_Doc_Adapter() = default;

void C_Doc_Adapter::SetDefaults() {
    UseKeywords(kAdapterKeywords);
    UseSection("Adapter");
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

void C_Doc_Adapter::AppendLabel(std::string& out) const {
    CTextBuilder label(out);
    label << "Physical ATM Adapter ";
    label.Decimal(m_nNumber);
    label.Flush();
}

bool C_Doc_Adapter::EditProperties() {
    CObjectEditor* editor = GetObjectEditor();
    return editor != nullptr && editor->Edit(*this);
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
