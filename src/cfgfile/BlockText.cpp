#include "cfgfile/BlockText.h"

#include <algorithm>
#include <cstring>

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
    // Values are mostly short and never hold a line break; two searches of the whole value
    // (each a single pass in the C library) are cheaper than one search for either byte.
    size_t length = value.size();
    if (const void* lf = std::memchr(value.data(), '\n', length))
        length = static_cast<size_t>(static_cast<const char*>(lf) - value.data());
    if (const void* cr = std::memchr(value.data(), '\r', length))
        length = static_cast<size_t>(static_cast<const char*>(cr) - value.data());
    return value.substr(0, length);
}

void AppendKeywordLine(std::string& out, const std::string& indent, std::string_view keyword,
                       std::string_view value) {
    // One growth and plain copies: the five appends each check and grow the string.
    constexpr std::string_view kNesting = "    ";
    constexpr std::string_view kLineEnd = "\r\n";
    const size_t start = out.size();
    out.resize(start + indent.size() + kNesting.size() + keyword.size() + 1 + value.size() +
               kLineEnd.size());
    char* at = out.data() + start;
    for (const std::string_view part : {std::string_view(indent), kNesting, keyword})
        at = std::copy(part.begin(), part.end(), at);
    *at++ = ' ';
    at = std::copy(value.begin(), value.end(), at);
    std::copy(kLineEnd.begin(), kLineEnd.end(), at);
}

long CLineTally::CurrentLine() {
    for (; m_scanned < m_out.size(); ++m_scanned) {
        if (m_out[m_scanned] == '\n') ++m_lines;
    }
    return m_lines + 1;
}

}  // namespace netloom
