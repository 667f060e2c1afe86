#include "doc/TpMapping.h"

#include "archive/Archive.h"
#include "cfgfile/TextBuilder.h"
#include "cfgfile/ValueForms.h"
#include "cfgfile/WordList.h"
#include "doc/KeywordTable.h"
#include "doc/ObjectEditor.h"

namespace netloom {

namespace {
using K = KeywordsOf<C_Doc_TpMapping>;
// The order of the keyword lines; the checks name some keywords by their place here.
constexpr KeywordEntry kTpMappingKeywords[] = {
    K::Enumeration("VcType", 0, &C_Doc_TpMapping::VcType, kVcTypeWords),
    K::Text("AtmAddress", 0, &C_Doc_TpMapping::AtmAddress),
    K::Text("AddressMask", 0, &C_Doc_TpMapping::AddressMask),
    K::Text("TrafficProfileList", 0, &C_Doc_TpMapping::TrafficProfileList),
};
}  // namespace

C_Doc_TpMapping::C_Doc_TpMapping() {
    SetDefaults();
    m_nLevel = 2;
    m_nType = DOC_TYPE_TP_MAPPING;
}

void C_Doc_TpMapping::SetDefaults() {
    UseKeywords(kTpMappingKeywords);
    UseSection("ProfileMapping");
    m_pszEndKeyword = "EndProfileMapping";
    m_nLevel = 2;
    AddressMask.clear();
    AtmAddress.clear();
    TrafficProfileList.clear();
    VcType = 0;
}

void C_Doc_TpMapping::AppendLabel(std::string& out) const {
    CTextBuilder label(out);
    label << "Traffic Profile Mapping ";
    label.Decimal(m_nNumber) << " - " << kVcTypeWords.At(VcType);
    label.Flush();
}

bool C_Doc_TpMapping::EditProperties() {
    CObjectEditor* editor = GetObjectEditor();
    return editor != nullptr && editor->Edit(*this);
}

void C_Doc_TpMapping::WriteDefinition(std::string& out, bool) {
    CDocObject::WriteDefinition(out, true);
}

void C_Doc_TpMapping::SerializeFields(CArchive& ar) {
    ar.String(AddressMask);
    ar.String(AtmAddress);
    ar.String(TrafficProfileList);
    ar.Int32(VcType);
}

void C_Doc_TpMapping::Serialize(CArchive& ar) {
    SerializeFields(ar);
}

}  // namespace netloom
