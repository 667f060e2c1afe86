#include "cfgfile/LineReader.h"

#include "cfgfile/ValueForms.h"
#include "cfgfile/WordList.h"

namespace netloom {

namespace {
size_t SkipLeadingSpace(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size() && IsCSpace(static_cast<unsigned char>(text[pos])))
        ++pos;
    return pos;
}
}  // namespace

void RewriteOlderWords(std::string& keyword, std::string& value) {
    if (EqualsNoCase(keyword, "definelan")) {
        keyword = "DefineVirtualAdapter";
        value = "LanEmulation";
    } else if (EqualsNoCase(keyword, "endelan")) {
        keyword = "EndVirtualAdapter";
        value.clear();
    } else if (EqualsNoCase(keyword, "dataframeformat")) {
        keyword = "LanType";
    }
    if (EqualsNoCase(keyword, "LanType") && EqualsNoCase(value, "tokenring")) value = "Token-Ring";
}

bool SplitKeywordLine(std::string_view line, std::string& keyword, std::string& value) {
    line.remove_prefix(SkipLeadingSpace(line));
    if (line.empty() || line.front() == ';') return false;
    // Only a blank or a tab ends the keyword; other white space belongs to it.
    size_t end = 0;
    while (end < line.size() && line[end] != ' ' && line[end] != '\t')
        ++end;
    keyword.assign(line.substr(0, end));
    if (end < line.size()) {
        std::string_view rest = line.substr(end + 1);
        rest.remove_prefix(SkipLeadingSpace(rest));
        value.assign(rest);
    } else {
        value.clear();
    }
    RewriteOlderWords(keyword, value);
    return true;
}

CLineReader::CLineReader(std::string_view text, CMessageSink* sink) : m_text(text), m_sink(sink) {}

CLineReader::CLineReader(CTextSource& source, CMessageSink* sink)
    : m_pSource(&source), m_sink(sink) {}

bool CLineReader::Refill(size_t& scan) {
    if (m_pSource == nullptr) return false;
    // Only the line being read stays: each piece costs a copy of that line and no more.
    m_buffer.erase(0, m_pos);
    m_nDiscarded += m_pos;
    scan -= m_pos;
    m_pos = 0;
    const size_t before = m_buffer.size();
    while (m_buffer.size() == before) {
        if (!m_pSource->AppendMore(m_buffer)) {
            m_pSource = nullptr;
            break;
        }
    }
    m_text = m_buffer;
    return m_buffer.size() > before;
}

bool CLineReader::NextRawLine(std::string_view& line) {
    size_t end = m_pos;
    if (m_pos >= m_text.size() && !Refill(end)) return false;
    for (;;) {
        while (end < m_text.size() && m_text[end] != '\n' && m_text[end] != '\r')
            ++end;
        // A CR that ends the text so far may be the first half of a CR LF still to come.
        const bool lineEndKnown =
            end < m_text.size() && !(m_text[end] == '\r' && end + 1 == m_text.size());
        if (lineEndKnown || !Refill(end)) break;
    }
    const size_t start = m_pos;
    line = m_text.substr(start, end - start);
    if (end < m_text.size()) {
        // LF, CR LF or a lone CR ends the line; the byte after a lone CR starts the next one.
        if (m_text[end] == '\r' && end + 1 < m_text.size() && m_text[end + 1] == '\n')
            m_pos = end + 2;
        else
            m_pos = end + 1;
    } else {
        m_pos = end;
    }
    ++m_rawLines;
    return true;
}

bool CLineReader::NextLine(std::string& keyword, std::string& value) {
    std::string_view line;
    while (NextRawLine(line)) {
        if (SplitKeywordLine(line, keyword, value)) {
            m_lineNumber = m_rawLines;
            return true;
        }
    }
    return false;
}

void CLineReader::Report(int id, const std::string& text, long line) const {
    if (m_sink) m_sink->Report(id, text, line);
}

}  // namespace netloom
