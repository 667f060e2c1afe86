#pragma once
// The text form of a keyword block as the file holds it: a comment with the label, the Define
// line, one line per keyword, the End line; four blanks per nesting level and CR LF after
// every line.

#include <cstring>
#include <string>
#include <string_view>

namespace netloom {

inline constexpr char kEol[] = "\r\n";

// "End<section>" and its line end.
void AppendBlockClosing(std::string& out, std::string_view indent, std::string_view section);

// The value as it may stand on a keyword line: up to its first line break, which only a page
// or a pasted block can bring and which would otherwise write lines of its own into the file.
std::string_view KeywordLineValue(std::string_view value);
// Writes a block's keyword lines straight into the text. The text is given room ahead of the
// lines, more than each needs, so that a line costs neither a check of the string's capacity
// nor a copy through a buffer; the room left over is taken off again when the writer goes.
// Until then the text must not be touched but through the writer.
class CKeywordLineWriter {
  public:
    // indent is the block's, all blanks; its lines go one level deeper.
    CKeywordLineWriter(std::string& out, std::string_view indent);
    ~CKeywordLineWriter() { m_out.resize(m_at); }
    CKeywordLineWriter(const CKeywordLineWriter&) = delete;
    CKeywordLineWriter& operator=(const CKeywordLineWriter&) = delete;

    // keyword and value are never empty (a line without a value is not written), so neither
    // has a null pointer for memcpy.
    void Line(std::string_view keyword, std::string_view value) {
        static_assert(sizeof kEol == 3);
        const size_t length = m_indentLength + keyword.size() + 1 + value.size() + 2;
        if (m_out.size() - m_at < length + kFixedCopy) MakeRoom(length);
        char* at = &m_out[m_at];
        // The indent is copied in a fixed width, which the compiler does in a store or two;
        // what goes past the indent is written over by the keyword.
        if (m_indentLength <= kFixedCopy)
            std::memcpy(at, m_blanks, kFixedCopy);
        else
            std::memcpy(at, m_blanks, m_indentLength);
        at += m_indentLength;
        std::memcpy(at, keyword.data(), keyword.size());
        at += keyword.size();
        *at++ = ' ';
        std::memcpy(at, value.data(), value.size());
        at += value.size();
        std::memcpy(at, kEol, 2);
        m_at += length;
    }

  private:
    static constexpr size_t kFixedCopy = 32;
    void MakeRoom(size_t length);

    std::string& m_out;
    size_t m_at;  // where the next line goes; the text beyond is room
    size_t m_indentLength;
    char m_blanks[80];
};

// Counts the lines of text being written, so that what is appended next knows its line number.
// Each call goes on from where the last one stopped, so the whole count costs one pass.
class CLineTally {
  public:
    explicit CLineTally(const std::string& out) : m_out(out), m_scanned(out.size()) {}
    // The number of the line that the text appended next belongs to.
    long CurrentLine();
    // Tells the tally that the text appended since it last looked holds exactly lines line
    // ends, so that it need not read that text.
    void Counted(long lines) {
        m_lines += lines;
        m_scanned = m_out.size();
    }

  private:
    const std::string& m_out;
    size_t m_scanned;
    long m_lines = 0;
};

}  // namespace netloom
