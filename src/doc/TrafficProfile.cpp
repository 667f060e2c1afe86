#include "doc/TrafficProfile.h"

#include "archive/Archive.h"
#include "cfgfile/TextBuilder.h"
#include "cfgfile/ValueForms.h"
#include "cfgfile/WordList.h"
#include "doc/KeywordTable.h"
#include "doc/ObjectEditor.h"

namespace netloom {

namespace {
using K = KeywordsOf<C_Doc_TrafficProfile>;
// The order of the keyword lines; the checks name some keywords by their place here.
constexpr KeywordEntry kTrafficProfileKeywords[] = {
    K::Enumeration("DescrType", 0, &C_Doc_TrafficProfile::DescrType, kDescrTypeWords),
    K::Enumeration("QosClass", 0, &C_Doc_TrafficProfile::QosClass, kQosClassWords),
    K::RateValue("PeakRate", 0, &C_Doc_TrafficProfile::PeakRate),
    K::RateValue("SustainedRate", 0, &C_Doc_TrafficProfile::SustainedRate),
    K::Integer("MaxBurstSize", 0, &C_Doc_TrafficProfile::MaxBurstSize),
};

// A label names the unit of every rate, cells too, unlike the file.
void AppendRate(CTextBuilder& label, const Rate& rate) {
    label.Decimal(rate.Value) << ' ' << kRateUnitWords.At(rate.Unit);
}
}  // namespace

C_Doc_TrafficProfile::C_Doc_TrafficProfile() {
    SetDefaults();
    m_nLevel = 1;
    m_nType = DOC_TYPE_TRAFFIC_PROFILE;
}

void C_Doc_TrafficProfile::SetDefaults() {
    UseKeywords(kTrafficProfileKeywords);
    UseSection("TrafficProfile");
    m_pszEndKeyword = "EndTrafficProfile";
    m_nLevel = 1;
    DescrType = 0;
    QosClass = 0;
    PeakRate = Rate{kMaxLineCellRate, RATE_CELLS};
    SustainedRate = Rate{kMaxLineCellRate, RATE_CELLS};
    MaxBurstSize = 1;
}

void C_Doc_TrafficProfile::AppendLabel(std::string& out) const {
    CTextBuilder label(out);
    label << "Tp";
    label.Decimal(m_nNumber);
    std::string_view category;
    bool variable = false;
    switch (DescrType) {
        case 0:
            category = ": UBR (Best Effort), PCR ";
            break;
        case 1:
            category = ": CBR, PCR ";
            break;
        case 2:
            category = ": VBR (No Clp), PCR ";
            variable = true;
            break;
        case 3:
            category = ": VBR (Clp, No Tagging), PCR ";
            variable = true;
            break;
        case 4:
            category = ": VBR (Clp, Tagging), PCR ";
            variable = true;
            break;
        default:
            label << ": Unknown Traffic Type, Peak ";
            label.Decimal(PeakRate.Value) << " cells/s";
            label.Flush();
            return;
    }
    label << category;
    AppendRate(label, PeakRate);
    if (variable) {
        label << ", SCR ";
        AppendRate(label, SustainedRate);
        label << ", Burst ";
        label.Decimal(MaxBurstSize) << " cells";
    }
    label.Flush();
}

bool C_Doc_TrafficProfile::EditProperties() {
    CObjectEditor* editor = GetObjectEditor();
    return editor != nullptr && editor->Edit(*this);
}

void C_Doc_TrafficProfile::WriteDefinition(std::string& out, bool) {
    CDocObject::WriteDefinition(out, true);
}

void C_Doc_TrafficProfile::SerializeFields(CArchive& ar) {
    ar.Int32(DescrType);
    ar.Int32(MaxBurstSize);
    ar.Int32(PeakRate.Value);
    ar.Int32(PeakRate.Unit);
    ar.Int32(QosClass);
    ar.Int32(SustainedRate.Value);
    ar.Int32(SustainedRate.Unit);
}

void C_Doc_TrafficProfile::Serialize(CArchive& ar) {
    SerializeFields(ar);
}

}  // namespace netloom
