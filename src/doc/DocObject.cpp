#include "doc/DocObject.h"

#include <charconv>

#include <atomic>

#include "cfgfile/LineReader.h"
#include "cfgfile/ValueForms.h"
#include "cfgfile/WordList.h"
#include "doc/KeywordTable.h"
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

const KeywordEntry* CDocObject::Keyword(int index) const {
    if (m_pKeywords == nullptr || index < 0 || index >= m_nKeywords) return nullptr;
    return &m_pKeywords[index];
}

bool CDocObject::IsScopeUsed(int32_t scope) {
    return scope == 0;
}

bool CDocObject::IsKeywordUsed(int index) {
    const KeywordEntry* keyword = Keyword(index);
    if (keyword == nullptr) return false;
    if (keyword->onlyIfNotZero && keyword->number != nullptr && this->*keyword->number == 0)
        return false;
    return IsScopeUsed(keyword->scope);
}

int CDocObject::FindKeyword(const std::string& keyword) const {
    for (int i = 0; i < m_nKeywords; ++i) {
        const KeywordEntry* entry = Keyword(i);
        if (entry != nullptr && EqualsNoCase(entry->name, keyword)) return i;
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
    char digits[12];  // "-2147483648"
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

namespace {

void TransferBoolean(int32_t& field, std::string& text, bool toObject) {
    if (toObject) {
        field = ReadBoolean(text) ? 1 : 0;
        t_bValueTaken = true;
    } else
        text = WriteBoolean(field);
}

void TransferInteger(int32_t& field, std::string& text, bool toObject) {
    if (toObject) {
        int32_t value;
        t_bValueTaken = ScanDecimal(text, value);
        if (t_bValueTaken) field = value;
    } else {
        text = WriteDecimal(field);
    }
}

void TransferHexMask(int32_t& field, std::string& text, bool toObject) {
    if (toObject) {
        int32_t value;
        t_bValueTaken = ScanHex(text, value);
        if (t_bValueTaken) field = value;
    } else {
        text = WriteHex4(field);
    }
}

void TransferText(std::string& field, std::string& text, bool toObject) {
    if (toObject) {
        field = text;
        t_bValueTaken = true;
    } else {
        text = field;
    }
}

void TransferEnum(const char* keyword, int32_t& field, const WordList& words, std::string& text,
                  bool toObject, const CValueReport& report) {
    if (!toObject) {
        text.assign(words.At(field));
        return;
    }
    const int found = words.Find(text);
    t_bValueTaken = found >= 0;
    if (found < 0) {
        report.Report(IDS_ILLEGAL_VALUE, FormatString(IDS_ILLEGAL_VALUE, {text, keyword}));
        return;
    }
    field = found;
}

void TransferRate(Rate& field, std::string& text, bool toObject, const CValueReport& report) {
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

}  // namespace

void CDocObject::TransferKeyword(int index, std::string& text, bool toObject,
                                 const CValueReport& report) {
    const KeywordEntry* keyword = Keyword(index);
    if (keyword == nullptr) return;
    int32_t* number = keyword->number != nullptr ? &(this->*keyword->number) : nullptr;
    Rate* rate = keyword->rate != nullptr ? &(this->*keyword->rate) : nullptr;
    std::string* field = keyword->text != nullptr ? &(this->*keyword->text) : nullptr;
    switch (keyword->form) {
        case ValueForm::Boolean:
            if (number != nullptr) TransferBoolean(*number, text, toObject);
            break;
        case ValueForm::Integer:
            if (number != nullptr) TransferInteger(*number, text, toObject);
            break;
        case ValueForm::HexMask:
            if (number != nullptr) TransferHexMask(*number, text, toObject);
            break;
        case ValueForm::Enumeration:
            if (number != nullptr && keyword->words != nullptr)
                TransferEnum(keyword->name, *number, *keyword->words, text, toObject, report);
            break;
        case ValueForm::Rate:
            if (rate != nullptr) TransferRate(*rate, text, toObject, report);
            break;
        case ValueForm::Text:
            if (field != nullptr) TransferText(*field, text, toObject);
            break;
    }
}

}  // namespace netloom
