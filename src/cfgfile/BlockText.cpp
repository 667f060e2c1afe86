#include "cfgfile/BlockText.h"

namespace netloom {

void AppendBlockOpening(std::string& out, const std::string& indent, std::string_view label,
                        std::string_view section) {
    out += kEol;
    out += indent;
    out += "; ";
    out += label;
    out += kEol;
    out += indent;
    out += "Define";
    out += section;
}

void AppendBlockClosing(std::string& out, const std::string& indent, std::string_view section) {
    out += indent;
    out += "End";
    out += section;
    out += kEol;
}

std::string_view KeywordLineValue(std::string_view value) {
    const size_t lineBreak = value.find_first_of("\r\n");
    return lineBreak == std::string_view::npos ? value : value.substr(0, lineBreak);
}

void AppendKeywordLine(std::string& out, const std::string& indent, std::string_view keyword,
                       std::string_view value) {
    out += indent;
    out += "    ";
    out += keyword;
    out += ' ';
    out += value;
    out += kEol;
}

long CLineTally::CurrentLine() {
    for (; m_scanned < m_out.size(); ++m_scanned) {
        if (m_out[m_scanned] == '\n') ++m_lines;
    }
    return m_lines + 1;
}

}  // namespace netloom
