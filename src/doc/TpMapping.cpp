#include "doc/TpMapping.h"

#include "archive/Archive.h"
#include "cfgfile/WordList.h"
#include "doc/ObjectEditor.h"

namespace netloom {

C_Doc_TpMapping::C_Doc_TpMapping() {
    SetDefaults();
    m_nLevel = 2;
    m_nType = DOC_TYPE_TP_MAPPING;
}

void C_Doc_TpMapping::SetDefaults() {
    m_nKeywords = kTpMappingKeywordCount;
    m_pKeywords = kTpMappingKeywords;
    m_pszSection = "ProfileMapping";
    m_pszEndKeyword = "EndProfileMapping";
    m_nLevel = 2;
    AddressMask.clear();
    AtmAddress.clear();
    TrafficProfileList.clear();
    VcType = 0;
}

const std::string& C_Doc_TpMapping::GetLabel() {
    m_label = "Traffic Profile Mapping ";
    AppendDecimal(m_label, m_nNumber);
    m_label += " - ";
    m_label.append(kVcTypeWords.At(VcType));
    return m_label;
}

bool C_Doc_TpMapping::EditProperties() {
    CObjectEditor* editor = GetObjectEditor();
    return editor != nullptr && editor->Edit(*this);
}

void C_Doc_TpMapping::WriteDefinition(std::string& out, bool) {
    CDocObject::WriteDefinition(out, true);
}

void C_Doc_TpMapping::TransferKeyword(int index, std::string& text, bool toObject,
                                      const CValueReport& report) {
    switch (index) {
        case 0:
            TransferEnum(index, VcType, kVcTypeWords, text, toObject, report);
            break;
        case 1:
            TransferText(AtmAddress, text, toObject);
            break;
        case 2:
            TransferText(AddressMask, text, toObject);
            break;
        case 3:
            TransferText(TrafficProfileList, text, toObject);
            break;
        default:
            break;
    }
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
