#include "cfgfile/BlockText.h"

#include <algorithm>
#include <cstring>

#include "cfgfile/TextBuilder.h"

namespace netloom {

void AppendBlockClosing(std::string& out, std::string_view indent, std::string_view section) {
    CTextBuilder line(out);
    line << indent << "End" << section << kEol;
    line.Flush();
}

std::string_view KeywordLineValue(std::string_view value) {
    // Two searches of the whole value (each a single pass in the C library) are cheaper than
    // one search for either byte.
    size_t length = value.size();
    if (const void* lf = std::memchr(value.data(), '\n', length))
        length = static_cast<size_t>(static_cast<const char*>(lf) - value.data());
    if (const void* cr = std::memchr(value.data(), '\r', length))
        length = static_cast<size_t>(static_cast<const char*>(cr) - value.data());
    return value.substr(0, length);
}

CKeywordLineWriter::CKeywordLineWriter(std::string& out, std::string_view indent)
    : m_out(out), m_at(out.size()), m_indentLength(std::min(indent.size() + 4, sizeof m_blanks)) {
    std::memset(m_blanks, ' ', sizeof m_blanks);
}

void CKeywordLineWriter::MakeRoom(size_t length) {
    // Room for a few more lines than this one, so that a block's lines take one or two calls
    // here; the string grows its capacity by doubling, so a whole file costs few copies.
    constexpr size_t kAhead = 512;
    m_out.resize(m_at + length + kFixedCopy + kAhead);
}

long CLineTally::CurrentLine() {
    // What is read here are the few lines of a block's opening and closing: a search from one
    // line end to the next passes over the text in bigger steps than a look at every byte.
    const char* at = m_out.data() + m_scanned;
    const char* const end = m_out.data() + m_out.size();
    while (at < end) {
        const void* lf = std::memchr(at, '\n', static_cast<size_t>(end - at));
        if (lf == nullptr) break;
        ++m_lines;
        at = static_cast<const char*>(lf) + 1;
    }
    m_scanned = m_out.size();
    return m_lines + 1;
}

}  // namespace netloom
