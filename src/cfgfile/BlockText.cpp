#include "cfgfile/BlockText.h"

#include <algorithm>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace netloom {

std::string_view KeywordLineValue(std::string_view value) {
    // Values are mostly short, and the longest (ATM addresses) a few dozen bytes: one pass
    // over them for either byte, sixteen bytes at a time where the processor can, costs less
    // than a search of the C library for each byte.
    const char* const data = value.data();
    const size_t size = value.size();
    size_t at = 0;
#ifdef __SSE2__
    if (size >= 16) {
        const __m128i lf = _mm_set1_epi8('\n');
        const __m128i cr = _mm_set1_epi8('\r');
        auto breaksAt = [&](size_t from) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from));
            return _mm_movemask_epi8(
                _mm_or_si128(_mm_cmpeq_epi8(bytes, lf), _mm_cmpeq_epi8(bytes, cr)));
        };
        // The last sixteen bytes are looked at together, those before them again.
        for (;; at += 16) {
            if (at + 16 > size) at = size - 16;
            if (const int breaks = breaksAt(at))
                return value.substr(0, at + static_cast<size_t>(__builtin_ctz(breaks)));
            if (at + 16 == size) return value;
        }
    }
#endif
    for (; at < size; ++at)
        if (data[at] == '\n' || data[at] == '\r') return value.substr(0, at);
    return value;
}

long CLineTally::ScanToEnd() {
    // What is read here is text appended other than through a writer that counts its lines,
    // which writing a file does not do: a search from one line end to the next passes over
    // such text in bigger steps than a look at every byte.
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

CBlockWriter::CBlockWriter(std::string& out, std::string_view indent, CLineTally* tally)
    : m_out(out),
      m_pTally(tally),
      m_indent(indent),
      m_nIndentLength(std::min(indent.size() + 4, sizeof kBlanks - 1)) {}

void CBlockWriter::PutLong(std::string_view piece) {
    Flush();
    if (piece.size() > Room()) {
        m_out.append(piece);
        // Seen: its line ends, which only a label can hold, are among those pending.
        if (m_pTally != nullptr) m_pTally->Counted(0);
        return;
    }
    std::memcpy(m_at, piece.data(), piece.size());
    m_at += piece.size();
}

void CBlockWriter::Opening(bool blankLine, std::string_view label, std::string_view section) {
    // A label is made of numbers and the file's own words; should one ever hold a line end,
    // the lines after it still get their right numbers. The quick look comes first.
    if (KeywordLineValue(label).size() != label.size()) {
        for (size_t lf = label.find('\n'); lf != std::string_view::npos;
             lf = label.find('\n', lf + 1))
            ++m_nPendingLines;
    }
    const size_t indent = m_indent.size();
    const size_t length = 2 + indent + 2 + label.size() + 2 + indent + 6 + section.size();
    if (indent > kBlanksCopied || length + kBlanksCopied > Room()) {
        if (blankLine) EndLine();
        Put(m_indent);
        Put("; ");
        Put(label);
        EndLine();
        Put(m_indent);
        Put("Define");
        Put(section);
        return;
    }
    // Every object has one of these: put together in fixed widths, as a keyword line is.
    char* at = m_at;
    if (blankLine) {
        std::memcpy(at, kEol, 2);
        at += 2;
        ++m_nPendingLines;
    }
    std::memcpy(at, kBlanks, kBlanksCopied);
    at += indent;
    std::memcpy(at, "; ", 2);
    at += 2;
    CopyShort(at, label.data(), label.size());
    at += label.size();
    std::memcpy(at, kEol, 2);
    at += 2;
    ++m_nPendingLines;
    std::memcpy(at, kBlanks, kBlanksCopied);
    at += indent;
    std::memcpy(at, "Define", 6);
    at += 6;
    CopyShort(at, section.data(), section.size());
    m_at = at + section.size();
}

void CBlockWriter::Closing(std::string_view section) {
    const size_t indent = m_indent.size();
    if (indent > kBlanksCopied || indent + 3 + section.size() + 2 + kBlanksCopied > Room()) {
        Put(m_indent);
        Put("End");
        Put(section);
        EndLine();
        return;
    }
    // In fixed widths, as the opening is.
    char* at = m_at;
    std::memcpy(at, kBlanks, kBlanksCopied);
    at += indent;
    std::memcpy(at, "End", 3);
    at += 3;
    CopyShort(at, section.data(), section.size());
    at += section.size();
    std::memcpy(at, kEol, 2);
    m_at = at + 2;
    ++m_nPendingLines;
}

void CBlockWriter::LongLine(std::string_view keyword, std::string_view value) {
    // Copied as they are: the compiler cannot tell that the indent is never longer than the
    // blanks, and warns of Put's copies in fixed widths.
    const size_t blanks = std::min(m_nIndentLength, sizeof kBlanks - 1);
    if (blanks > Room()) Flush();
    std::memcpy(m_at, kBlanks, blanks);
    m_at += blanks;
    Put(keyword);
    Put(" ");
    Put(value);
    EndLine();
}

void CBlockWriter::Flush() {
    // Text that reached the string another way since the tally last looked is counted first,
    // so that it is told of only what is handed over now.
    if (m_pTally != nullptr) m_pTally->CurrentLine();
    m_out.append(m_text, static_cast<size_t>(m_at - m_text));
    m_at = m_text;
    if (m_pTally != nullptr) m_pTally->Counted(m_nPendingLines);
    m_nPendingLines = 0;
}

}  // namespace netloom
