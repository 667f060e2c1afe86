#include "doc/Pvc.h"

#include "archive/Archive.h"
#include "cfgfile/TextBuilder.h"
#include "cfgfile/ValueForms.h"
#include "cfgfile/WordList.h"
#include "doc/Elan.h"
#include "doc/KeywordTable.h"
#include "doc/ObjectEditor.h"

namespace netloom {

namespace {
using K = KeywordsOf<C_Doc_Pvc>;
// The order of the keyword lines; the checks name some keywords by their place here.
constexpr KeywordEntry kPvcKeywords[] = {
    K::Text("AtmAddress", 'L', &C_Doc_Pvc::AtmAddress),
    K::Enumeration("PvcType", 'L', &C_Doc_Pvc::PvcType, kPvcTypeWords),
    K::Integer("Vpi", 0, &C_Doc_Pvc::Vpi),
    K::Integer("Vci", 0, &C_Doc_Pvc::Vci),
    // The number of the owning virtual adapter in the whole file; the writer sets it first.
    K::Integer("UserInstance", 0, &C_Doc_Pvc::UserInstance),
    K::Integer("TrafficProfileSelector", 0, &C_Doc_Pvc::TrafficProfileSelector),
    K::Text("IpAddress", 'C', &C_Doc_Pvc::IpAddress),
    K::Text("MacAddress", 'B', &C_Doc_Pvc::MacAddress),
};
}  // namespace

C_Doc_Pvc::C_Doc_Pvc() {
    SetDefaults();
    m_nLevel = 1;
    m_nType = DOC_TYPE_PVC;
}

void C_Doc_Pvc::SetDefaults() {
    UseKeywords(kPvcKeywords);
    UseSection("Pvc");
    m_pszEndKeyword = "EndPvc";
    m_nLevel = 1;
    AtmAddress.clear();
    PvcType = 0;
    Vpi = 0;
    Vci = 32;
    MacAddress.clear();
    IpAddress.clear();
    TrafficProfileSelector = 0;
    UserInstance = 0;
}

std::string_view C_Doc_Pvc::PvcTypeText(int32_t pvcType) {
    if (pvcType == 0) return "Data Direct";
    return kPvcTypeWords.At(pvcType);
}

void C_Doc_Pvc::AppendLabel(std::string& out) const {
    CTextBuilder label(out);
    label << "Pvc ";
    label.Decimal(m_nNumber) << ": Vpi/Vci ";
    label.Decimal(Vpi) << '/';
    label.Decimal(Vci);
    if (VirtualAdapter != nullptr && VirtualAdapter->Type == ELAN_LANE)
        label << " - " << PvcTypeText(PvcType);
    label.Flush();
}

bool C_Doc_Pvc::EditProperties() {
    CObjectEditor* editor = GetObjectEditor();
    return editor != nullptr && editor->Edit(*this);
}

void C_Doc_Pvc::WriteDefinition(std::string& out, bool) {
    CDocObject::WriteDefinition(out, true);
}

bool C_Doc_Pvc::IsScopeUsed(int32_t scope) {
    if (scope == 0) return true;
    // A PVC without an owner has no type to decide by; its scoped keywords stay unwritten.
    if (VirtualAdapter == nullptr) return false;
    switch (scope) {
        case 'L':
            return VirtualAdapter->Type == ELAN_LANE;
        case 'C':
            return VirtualAdapter->Type == ELAN_CLASSICAL_IP;
        case 'B':
            return VirtualAdapter->Type == ELAN_RFC1483 && VirtualAdapter->Encapsulation == 1;
        default:
            return false;
    }
}

void C_Doc_Pvc::SerializeFields(CArchive& ar) {
    ar.String(AtmAddress);
    ar.String(IpAddress);
    ar.String(MacAddress);
    ar.Int32(PvcType);
    ar.Int32(TrafficProfileSelector);
    ar.Int32(UserInstance);
    ar.Int32(Vci);
    ar.Int32(Vpi);
}

void C_Doc_Pvc::Serialize(CArchive& ar) {
    SerializeFields(ar);
}

}  // namespace netloom
