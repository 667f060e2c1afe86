#include "doc/DocObject.h"

#include <algorithm>

#include <atomic>

#include "cfgfile/LineReader.h"
#include "cfgfile/ValueForms.h"
#include "cfgfile/WordList.h"
#include "doc/KeywordTable.h"
#include "res/Strings.h"

namespace netloom {

CDocObject::CDocObject() = default;

void CDocObject::Serialize(CArchive&) {}
const std::string& CDocObject::GetLabel() {
    MakeLabel(m_label);
    return m_label;
}
void CDocObject::AppendLabel(std::string& out) const {
    out += "Document Object";
}
bool CDocObject::EditProperties() {
    return false;
}
void CDocObject::SerializeFields(CArchive&) {}
void CDocObject::SetDefaults() {}

const KeywordEntry* CDocObject::Keyword(int index) const {
    if (m_pKeywords == nullptr || index < 0 || index >= m_nKeywords) return nullptr;
    return &m_pKeywords[index];
}

bool CDocObject::IsScopeUsed(int32_t scope) {
    return scope == 0;
}

bool CDocObject::IsKeywordUsed(int index) {
    const KeywordEntry* keyword = Keyword(index);
    return keyword != nullptr && IsEntryUsed(*keyword);
}

int CDocObject::FindKeyword(std::string_view keyword) const {
    for (int i = 0; i < m_nKeywords; ++i) {
        const KeywordEntry* entry = Keyword(i);
        // The table's own length: a name is not measured again for every look-up.
        if (entry != nullptr &&
            EqualsNoCase(std::string_view(entry->name, entry->nameLength), keyword))
            return i;
    }
    return -1;
}

const char* CDocObject::KeywordName(int index) const {
    const KeywordEntry* keyword = Keyword(index);
    return keyword != nullptr ? keyword->name : "";
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

std::string_view CDocObject::Indent() const {
    static constexpr std::string_view kBlanks = "                                ";
    const size_t width = static_cast<size_t>(m_nLevel > 0 ? m_nLevel : 0) * 4;
    return kBlanks.substr(0, std::min(width, kBlanks.size()));
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

namespace {

void ReadBooleanInto(int32_t& field, const std::string& text) {
    field = ReadBoolean(text) ? 1 : 0;
    t_bValueTaken = true;
}

void ReadIntegerInto(int32_t& field, const std::string& text) {
    int32_t value;
    t_bValueTaken = ScanDecimal(text, value);
    if (t_bValueTaken) field = value;
}

void ReadHexMaskInto(int32_t& field, const std::string& text) {
    int32_t value;
    t_bValueTaken = ScanHex(text, value);
    if (t_bValueTaken) field = value;
}

void ReadTextInto(std::string& field, const std::string& text) {
    field = text;
    t_bValueTaken = true;
}

void ReadEnumInto(const char* keyword, int32_t& field, const WordList& words,
                  const std::string& text, const CValueReport& report) {
    const int found = words.Find(text);
    t_bValueTaken = found >= 0;
    if (found < 0) {
        report.Report(IDS_ILLEGAL_VALUE, FormatString(IDS_ILLEGAL_VALUE, {text, keyword}));
        return;
    }
    field = found;
}

void ReadRateInto(Rate& field, const std::string& text, const CValueReport& report) {
    std::string badUnit;
    const RateRead read = ReadRate(text, field.Value, field.Unit, badUnit);
    t_bValueTaken = read != RateRead::NoNumber;
    if (read == RateRead::UnknownUnit)
        report.Report(IDS_ILLEGAL_RATE_UNIT, FormatString(IDS_ILLEGAL_RATE_UNIT, {badUnit}));
}

}  // namespace

void CDocObject::TransferKeyword(int index, std::string& text, bool toObject,
                                 const CValueReport& report) {
    const KeywordEntry* keyword = Keyword(index);
    if (keyword == nullptr) return;
    if (!toObject) {
        CValueText room;
        text.assign(KeywordValue(*keyword, room));
        return;
    }
    int32_t* number = keyword->number != nullptr ? &(this->*keyword->number) : nullptr;
    Rate* rate = keyword->rate != nullptr ? &(this->*keyword->rate) : nullptr;
    std::string* field = keyword->text != nullptr ? &(this->*keyword->text) : nullptr;
    switch (keyword->form) {
        case ValueForm::Boolean:
            if (number != nullptr) ReadBooleanInto(*number, text);
            break;
        case ValueForm::Integer:
            if (number != nullptr) ReadIntegerInto(*number, text);
            break;
        case ValueForm::HexMask:
            if (number != nullptr) ReadHexMaskInto(*number, text);
            break;
        case ValueForm::Enumeration:
            if (number != nullptr && keyword->words != nullptr)
                ReadEnumInto(keyword->name, *number, *keyword->words, text, report);
            break;
        case ValueForm::Rate:
            if (rate != nullptr) ReadRateInto(*rate, text, report);
            break;
        case ValueForm::Text:
            if (field != nullptr) ReadTextInto(*field, text);
            break;
    }
}

}  // namespace netloom
