#include "core/TestSupport.h"

#include <fstream>
#include <sstream>

namespace netloom::test {

void Open(CNetloomDoc& doc, const std::string& text, CRecordingSink* sink) {
    doc.DeleteContents();
    doc.ReadText(text, sink);
    doc.Renumber();
}

std::string CrLf(std::initializer_list<const char*> lines) {
    std::string out;
    for (const char* line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string Format(const std::string& text, CRecordingSink* sink) {
    CNetloomDoc doc;
    Open(doc, text, sink);
    return doc.ConfigurationText();
}

std::string SourceFile(const std::string& relativePath) {
    std::ifstream in(std::string(NETLOOM_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

long CountLines(std::string_view text) {
    long lines = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
            ++lines;
    }
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') ++lines;
    return lines;
}

}  // namespace netloom::test
