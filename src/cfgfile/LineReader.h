#pragma once
// The source of lines that every block reader takes from: it splits the file text into lines,
// applies the line procedure (comments, keyword and value, older words) and counts lines so
// that each message can name the line that caused it. It knows nothing of the objects the
// lines describe.

#include <cstddef>
#include <string>
#include <string_view>

#include "cfgfile/MessageSink.h"

namespace netloom {

// Steps 2 to 4 of the line procedure on one line's text: strips leading white space, returns
// false for an empty or comment line, else splits at the first blank or tab and rewrites the
// older words.
bool SplitKeywordLine(std::string_view line, std::string& keyword, std::string& value);
void RewriteOlderWords(std::string& keyword, std::string& value);

// Text that arrives piece by piece, such as a file read as it is needed: a large file is then
// never held whole beside the objects read from it.
class CTextSource {
  public:
    virtual ~CTextSource() = default;
    // Appends the next piece of the text to buffer; false, appending nothing, at the end.
    virtual bool AppendMore(std::string& buffer) = 0;
};

class CLineReader {
  public:
    CLineReader(std::string_view text, CMessageSink* sink);
    // Reads the text that source gives, keeping only the line being read and one piece.
    CLineReader(CTextSource& source, CMessageSink* sink);

    // The next keyword line (comments and blank lines skipped); false at the end of the text.
    bool NextLine(std::string& keyword, std::string& value);

    // 1-based number of the line NextLine returned last.
    long LineNumber() const { return m_lineNumber; }

    // Reports a message for the line NextLine returned last, or for the given line.
    void Report(int id, const std::string& text) const { Report(id, text, m_lineNumber); }
    void Report(int id, const std::string& text, long line) const;
    CValueReport ValueReport() const { return CValueReport{m_sink, m_lineNumber}; }

    // The number of bytes of the text passed so far.
    size_t BytesRead() const { return m_nDiscarded + m_pos; }

  private:
    bool NextRawLine(std::string_view& line);
    // Drops the lines passed and appends the source's next piece; false when it has none.
    // scan is a position in the text, which moves with it.
    bool Refill(size_t& scan);

    std::string_view m_text;
    size_t m_pos = 0;
    CTextSource* m_pSource = nullptr;
    std::string m_buffer;  // the text, when it comes from a source
    size_t m_nDiscarded = 0;
    long m_lineNumber = 0;
    long m_rawLines = 0;
    CMessageSink* m_sink;
};

}  // namespace netloom
