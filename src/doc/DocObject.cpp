#include "doc/DocObject.h"

#include <atomic>

#include "cfgfile/LineReader.h"
#include "cfgfile/ValueForms.h"
#include "cfgfile/WordList.h"
#include "res/Strings.h"

namespace netloom {

CDocObject::CDocObject() : m_label("Document Object") {}

void CDocObject::Serialize(CArchive&) {}
const std::string& CDocObject::GetLabel() {
    return m_label;
}
bool CDocObject::EditProperties() {
    return false;
}
void CDocObject::SerializeFields(CArchive&) {}
void CDocObject::SetDefaults() {}
void CDocObject::TransferKeyword(int, std::string&, bool, const CValueReport&) {}

bool CDocObject::IsKeywordUsed(int index) {
    if (index < 0 || index >= m_nKeywords || m_pKeywords == nullptr) return false;
    return m_pKeywords[index].scope == 0;
}

int CDocObject::FindKeyword(const std::string& keyword) const {
    if (m_pKeywords == nullptr) return -1;
    for (int i = 0; i < m_nKeywords; ++i) {
        if (EqualsNoCase(m_pKeywords[i].name, keyword)) return i;
    }
    return -1;
}

const char* CDocObject::KeywordName(int index) const {
    if (m_pKeywords == nullptr || index < 0 || index >= m_nKeywords) return "";
    return m_pKeywords[index].name;
}

long CDocObject::KeywordLine(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= m_keywordLines.size()) return 0;
    return m_keywordLines[static_cast<size_t>(index)];
}

void CDocObject::SetKeywordLine(int index, long line) {
    if (index < 0 || index >= m_nKeywords || line < 0 || line > INT32_MAX) return;
    if (m_keywordLines.empty()) m_keywordLines.assign(static_cast<size_t>(m_nKeywords), 0);
    if (static_cast<size_t>(index) < m_keywordLines.size())
        m_keywordLines[static_cast<size_t>(index)] = static_cast<int32_t>(line);
}

uint64_t CDocObject::NewLinesGeneration() {
    static std::atomic<uint64_t> s_last{0};
    return ++s_last;
}

void CDocObject::ClearLines() {
    m_nDefineLine = 0;
    m_keywordLines.clear();
}

std::string CDocObject::Indent() const {
    return std::string(static_cast<size_t>(m_nLevel > 0 ? m_nLevel : 0) * 4, ' ');
}

namespace {
// Set by the value-form helpers each time they parse text into a member: whether the member
// took the value. Read by the reader to tell the line that holds a value from one that did not.
thread_local bool t_bValueTaken = false;
}  // namespace

void CDocObject::StartValueTransfer() {
    t_bValueTaken = false;
}

bool CDocObject::ValueTaken() {
    return t_bValueTaken;
}

void AppendDecimal(std::string& out, int32_t value) {
    out += std::to_string(value);
}

void CDocObject::TransferBoolean(int32_t& field, std::string& text, bool toObject) {
    if (toObject) {
        field = ReadBoolean(text) ? 1 : 0;
        t_bValueTaken = true;
    } else
        text = WriteBoolean(field);
}

void CDocObject::TransferInteger(int32_t& field, std::string& text, bool toObject) {
    if (toObject) {
        int32_t value;
        t_bValueTaken = ScanDecimal(text, value);
        if (t_bValueTaken) field = value;
    } else {
        text = WriteDecimal(field);
    }
}

void CDocObject::TransferHexMask(int32_t& field, std::string& text, bool toObject) {
    if (toObject) {
        int32_t value;
        t_bValueTaken = ScanHex(text, value);
        if (t_bValueTaken) field = value;
    } else {
        text = WriteHex4(field);
    }
}

void CDocObject::TransferText(std::string& field, std::string& text, bool toObject) {
    if (toObject) {
        field = text;
        t_bValueTaken = true;
    } else {
        text = field;
    }
}

void CDocObject::TransferEnum(int index, int32_t& field, const WordList& words, std::string& text,
                              bool toObject, const CValueReport& report) {
    if (!toObject) {
        text.assign(words.At(field));
        return;
    }
    const int found = words.Find(text);
    t_bValueTaken = found >= 0;
    if (found < 0) {
        report.Report(IDS_ILLEGAL_VALUE,
                      FormatString(IDS_ILLEGAL_VALUE, {text, KeywordName(index)}));
        return;
    }
    field = found;
}

void CDocObject::TransferRate(Rate& field, std::string& text, bool toObject,
                              const CValueReport& report) {
    if (!toObject) {
        text = WriteRate(field.Value, field.Unit);
        return;
    }
    std::string badUnit;
    const RateRead read = ReadRate(text, field.Value, field.Unit, badUnit);
    t_bValueTaken = read != RateRead::NoNumber;
    if (read == RateRead::UnknownUnit)
        report.Report(IDS_ILLEGAL_RATE_UNIT, FormatString(IDS_ILLEGAL_RATE_UNIT, {badUnit}));
}

}  // namespace netloom
