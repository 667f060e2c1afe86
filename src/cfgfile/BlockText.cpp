#include "cfgfile/BlockText.h"

#include <cstring>
#include <initializer_list>

namespace netloom {

namespace {

// Puts a line together on the stack, so that it costs the text one append (each append checks
// its room and may grow it): the pieces that vary are copied, the few fixed characters stored.
class CLineBuilder {
  public:
    // Whether a line of length characters fits; a longer one is appended piece by piece.
    static constexpr bool Fits(size_t length) { return length <= kRoom; }
    CLineBuilder& operator<<(std::string_view piece) {
        std::memcpy(m_at, piece.data(), piece.size());
        m_at += piece.size();
        return *this;
    }
    CLineBuilder& operator<<(char c) {
        *m_at++ = c;
        return *this;
    }
    CLineBuilder& LineEnd() {
        *m_at++ = '\r';
        *m_at++ = '\n';
        return *this;
    }
    void AppendTo(std::string& out) const {
        out.append(m_line, static_cast<size_t>(m_at - m_line));
    }

  private:
    static constexpr size_t kRoom = 160;
    char m_line[kRoom];
    char* m_at = m_line;
};

}  // namespace

void AppendBlockOpening(std::string& out, std::string_view indent, std::string_view label,
                        std::string_view section) {
    if (!CLineBuilder::Fits(2 + indent.size() * 2 + 2 + label.size() + 2 + 6 + section.size())) {
        for (const std::string_view piece :
             {std::string_view(kEol), indent, std::string_view("; "), label, std::string_view(kEol),
              indent, std::string_view("Define"), section})
            out.append(piece);
        return;
    }
    CLineBuilder line;
    line.LineEnd() << indent << ';' << ' ' << label;
    line.LineEnd() << indent << "Define" << section;
    line.AppendTo(out);
}

void AppendBlockClosing(std::string& out, std::string_view indent, std::string_view section) {
    if (!CLineBuilder::Fits(indent.size() + 3 + section.size() + 2)) {
        for (const std::string_view piece :
             {indent, std::string_view("End"), section, std::string_view(kEol)})
            out.append(piece);
        return;
    }
    CLineBuilder line;
    line << indent << "End" << section;
    line.LineEnd().AppendTo(out);
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

void AppendKeywordLine(std::string& out, std::string_view indent, std::string_view keyword,
                       std::string_view value) {
    if (!CLineBuilder::Fits(indent.size() + 4 + keyword.size() + 1 + value.size() + 2)) {
        for (const std::string_view piece : {indent, std::string_view("    "), keyword,
                                             std::string_view(" "), value, std::string_view(kEol)})
            out.append(piece);
        return;
    }
    CLineBuilder line;
    line << indent << ' ' << ' ' << ' ' << ' ' << keyword << ' ' << value;
    line.LineEnd().AppendTo(out);
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
