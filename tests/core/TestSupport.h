#pragma once
// Helpers shared by the core tests: a sink that records reader messages, and shortcuts to read
// configuration text into a document and write it back.

#include <string>
#include <string_view>
#include <vector>

#include "cfgfile/MessageSink.h"
#include "doc/NetloomDoc.h"

namespace netloom::test {

struct RecordedMessage {
    int id;
    std::string text;
    long line;
};

class CRecordingSink : public CMessageSink {
  public:
    void Report(int id, const std::string& text, long line) override {
        messages.push_back({id, text, line});
    }
    std::vector<RecordedMessage> messages;
};

// Reads text (lines joined with CR LF when given as a list) into doc and renumbers, as opening.
void Open(CNetloomDoc& doc, const std::string& text, CRecordingSink* sink = nullptr);

// Joins lines with CR LF after each, the form the writer produces.
std::string CrLf(std::initializer_list<const char*> lines);

// Reads text and writes it back.
std::string Format(const std::string& text, CRecordingSink* sink = nullptr);

// Lines as the reader counts them: LF, CR LF or a lone CR ends one; a last line without an end
// counts too. Counted here apart from the reader, to check the line numbers it reports.
long CountLines(std::string_view text);

// The whole content of a file below the source tree.
std::string SourceFile(const std::string& relativePath);

}  // namespace netloom::test
