#pragma once
// The source of lines that every block reader takes from: it splits the file text into lines,
// applies the line procedure (comments, keyword and value, older words) and counts lines so
// that each message can name the line that caused it. It knows nothing of the objects the
// lines describe.

#include <string>
#include <string_view>

#include "cfgfile/MessageSink.h"

namespace netloom {

// Steps 2 to 4 of the line procedure on one line's text: strips leading white space, returns
// false for an empty or comment line, else splits at the first blank or tab and rewrites the
// older words.
bool SplitKeywordLine(std::string_view line, std::string& keyword, std::string& value);
void RewriteOlderWords(std::string& keyword, std::string& value);

class CLineReader {
  public:
    CLineReader(std::string_view text, CMessageSink* sink);

    // The next keyword line (comments and blank lines skipped); false at the end of the text.
    bool NextLine(std::string& keyword, std::string& value);

    // 1-based number of the line NextLine returned last.
    long LineNumber() const { return m_lineNumber; }

    // Reports a message for the line NextLine returned last, or for the given line.
    void Report(int id, const std::string& text) const { Report(id, text, m_lineNumber); }
    void Report(int id, const std::string& text, long line) const;
    CValueReport ValueReport() const { return CValueReport{m_sink, m_lineNumber}; }

  private:
    bool NextRawLine(std::string_view& line);

    std::string_view m_text;
    size_t m_pos = 0;
    long m_lineNumber = 0;
    long m_rawLines = 0;
    CMessageSink* m_sink;
};

}  // namespace netloom
