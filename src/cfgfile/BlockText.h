#pragma once
// The text form of a keyword block as the file holds it: a comment with the label, the Define
// line, one line per keyword, the End line; four blanks per nesting level and CR LF after
// every line.

#include <string>
#include <string_view>

namespace netloom {

inline constexpr const char* kEol = "\r\n";

// A blank line, the label's comment and "Define<section>", without the line's end: a block's
// Define line may carry more (a virtual adapter's type word).
void AppendBlockOpening(std::string& out, std::string_view indent, std::string_view label,
                        std::string_view section);
// "End<section>" and its line end.
void AppendBlockClosing(std::string& out, std::string_view indent, std::string_view section);

// The value as it may stand on a keyword line: up to its first line break, which only a page
// or a pasted block can bring and which would otherwise write lines of its own into the file.
std::string_view KeywordLineValue(std::string_view value);
// One keyword line, one level deeper than indent.
void AppendKeywordLine(std::string& out, std::string_view indent, std::string_view keyword,
                       std::string_view value);

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
