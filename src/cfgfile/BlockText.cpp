#include "cfgfile/BlockText.h"

#include <cstring>

namespace netloom {

namespace {

// Puts lines together on the stack, so that they cost the text one append (each append checks
// its room and may grow it). A piece that does not fit goes to the text after what came
// before it, so any length of line comes out whole.
class CLineBuilder {
  public:
    explicit CLineBuilder(std::string& out) : m_out(out) {}
    CLineBuilder& operator<<(std::string_view piece) {
        if (piece.size() > Room()) {
            Flush();
            if (piece.size() > Room()) {
                m_out.append(piece);
                return *this;
            }
        }
        std::memcpy(m_at, piece.data(), piece.size());
        m_at += piece.size();
        return *this;
    }
    CLineBuilder& operator<<(char c) {
        if (Room() == 0) Flush();
        *m_at++ = c;
        return *this;
    }
    // Hands what is put together to the text; to be called once the last piece is in.
    void Flush() {
        m_out.append(m_line, static_cast<size_t>(m_at - m_line));
        m_at = m_line;
    }

  private:
    size_t Room() const { return static_cast<size_t>(m_line + sizeof m_line - m_at); }

    std::string& m_out;
    char m_line[160];
    char* m_at = m_line;
};

}  // namespace

void AppendBlockOpening(std::string& out, std::string_view indent, std::string_view label,
                        std::string_view section) {
    CLineBuilder line(out);
    line << kEol << indent << "; " << label << kEol << indent << "Define" << section;
    line.Flush();
}

void AppendBlockClosing(std::string& out, std::string_view indent, std::string_view section) {
    CLineBuilder line(out);
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

void AppendKeywordLine(std::string& out, std::string_view indent, std::string_view keyword,
                       std::string_view value) {
    CLineBuilder line(out);
    line << indent << "    " << keyword << ' ' << value << kEol;
    line.Flush();
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
