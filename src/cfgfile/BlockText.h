#pragma once
// The text form of a keyword block as the file holds it: a comment with the label, the Define
// line, one line per keyword, the End line; four blanks per nesting level and CR LF after
// every line.

#include <cstring>
#include <string>
#include <string_view>

namespace netloom {

inline constexpr char kEol[] = "\r\n";

// The width in which a keyword's name may be handed to the writer, with anything after it, to
// be copied whole rather than measured out: for names shorter than it.
inline constexpr size_t kPaddedNameWidth = 32;

// The value as it may stand on a keyword line: up to its first line break, which only a page
// or a pasted block can bring and which would otherwise write lines of its own into the file.
std::string_view KeywordLineValue(std::string_view value);

// Counts the lines of text being written, so that what is appended next knows its line number.
// Each call goes on from where the last one stopped, so the whole count costs one pass.
class CLineTally {
  public:
    explicit CLineTally(const std::string& out) : m_out(out), m_scanned(out.size()) {}
    // The number of the line that the text appended next belongs to.
    long CurrentLine() { return m_scanned == m_out.size() ? m_lines + 1 : ScanToEnd(); }
    // Tells the tally that the text appended since it last looked holds exactly lines line
    // ends, so that it need not read that text.
    void Counted(long lines) {
        m_lines += lines;
        m_scanned = m_out.size();
    }

  private:
    long ScanToEnd();

    const std::string& m_out;
    size_t m_scanned;
    long m_lines = 0;
};

// Puts a block's lines together in a buffer of its own, which stays in the fastest cache, and
// hands them to the text in one append when the block is done or the buffer is full: the text,
// which for a large file is far out of the caches, is touched once per block rather than once
// per line, and a line costs neither a check of the string's capacity nor a call to copy it.
// A piece longer than the buffer goes to the text whole, after what came before it.
// Until the writer has handed its lines over (Flush, or its end), the text must not be touched
// but through it, or the lines would come out of order: a block's children are written after.
// It counts the line ends it writes, so that a tally it is given need not read them again;
// text that reaches the string another way, between the writer's hand-overs, is read.
class CBlockWriter {
  public:
    // indent is the block's, all blanks; its keyword lines go one level deeper. tally may be
    // null: then no line is numbered.
    CBlockWriter(std::string& out, std::string_view indent, CLineTally* tally);
    ~CBlockWriter() { Flush(); }
    CBlockWriter(const CBlockWriter&) = delete;
    CBlockWriter& operator=(const CBlockWriter&) = delete;

    // The blank line that parts the block from the one before (when blankLine is set), the
    // comment with the label, and "Define<section>" without its line end.
    void Opening(bool blankLine, std::string_view label, std::string_view section);
    // Text within a line: it must hold no line end.
    void Put(std::string_view piece) {
        if (piece.size() > Room()) {
            PutLong(piece);
            return;
        }
        CopyShort(m_at, piece.data(), piece.size());
        m_at += piece.size();
    }
    void EndLine() {
        if (Room() < 2) Flush();
        std::memcpy(m_at, kEol, 2);
        m_at += 2;
        ++m_nPendingLines;
    }
    // A keyword line. keyword and value are never empty (a line without a value is not
    // written) and value holds no line break. padded, when not null, holds the keyword in
    // kPaddedNameWidth bytes, the keyword being shorter.
    void Line(std::string_view keyword, const char* padded, std::string_view value) {
        const size_t length = m_nIndentLength + keyword.size() + 1 + value.size() + 2;
        if (length + kPaddedNameWidth > Room() || m_nIndentLength > kBlanksCopied) {
            LongLine(keyword, value);
            return;
        }
        // The blanks and the name are copied in fixed widths, a store or two each; what goes
        // past them is written over by what follows.
        std::memcpy(m_at, kBlanks, kBlanksCopied);
        char* at = m_at + m_nIndentLength;
        if (padded != nullptr)
            std::memcpy(at, padded, kPaddedNameWidth);
        else
            CopyShort(at, keyword.data(), keyword.size());
        at += keyword.size();
        *at++ = ' ';
        CopyShort(at, value.data(), value.size());
        at += value.size();
        std::memcpy(at, kEol, 2);
        m_at += length;
        ++m_nPendingLines;
    }
    // "End<section>" and its line end, at the block's indent.
    void Closing(std::string_view section);
    // The number of the line that what is written next belongs to, 0 without a tally.
    long CurrentLine() const {
        return m_pTally != nullptr ? m_pTally->CurrentLine() + m_nPendingLines : 0;
    }
    // Hands what is put together to the text.
    void Flush();

  private:
    static constexpr size_t kBlanksCopied = 16;
    static constexpr size_t kSize = 4096;
    // More blanks than the deepest indent (Indent gives at most 32, a keyword line 4 more).
    static constexpr char kBlanks[] = "                                        ";

    size_t Room() const { return static_cast<size_t>(m_text + kSize - m_at); }
    void LongLine(std::string_view keyword, std::string_view value);
    void PutLong(std::string_view piece);
    // memcpy of a few bytes, which as a call costs more than the copy: copies that overlap
    // in the middle, each of a fixed width, never reading or writing past the n bytes.
    // n may be 0, with from null (an empty view).
    static void CopyShort(char* to, const char* from, size_t n) {
        if (n >= 8) {
            if (n > 64) {
                std::memcpy(to, from, n);
            } else if (n > 32) {
                std::memcpy(to, from, 32);
                std::memcpy(to + n - 32, from + n - 32, 32);
            } else if (n >= 16) {
                std::memcpy(to, from, 16);
                std::memcpy(to + n - 16, from + n - 16, 16);
            } else {
                std::memcpy(to, from, 8);
                std::memcpy(to + n - 8, from + n - 8, 8);
            }
        } else if (n >= 4) {
            std::memcpy(to, from, 4);
            std::memcpy(to + n - 4, from + n - 4, 4);
        } else if (n > 0) {
            to[0] = from[0];
            to[n / 2] = from[n / 2];
            to[n - 1] = from[n - 1];
        }
    }

    std::string& m_out;
    CLineTally* m_pTally;
    long m_nPendingLines = 0;  // line ends put together but not yet handed to the text
    std::string_view m_indent;
    size_t m_nIndentLength;  // of the keyword lines
    char* m_at = m_text;
    char m_text[kSize];
};

}  // namespace netloom
