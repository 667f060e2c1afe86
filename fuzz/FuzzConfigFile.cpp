// Fuzz target for the configuration file reader and writer: any bytes are read as a file, the
// result is written, the written text is read and written again. The two writes must be equal
// (what Netloom saves opens to the same configuration), reading Netloom's own output must give
// no message, and every message must name a line of the input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cfgfile/MessageSink.h"
#include "core/TestSupport.h"
#include "doc/NetloomDoc.h"
#include "res/Strings.h"

namespace {

using netloom::CMessageSink;
using netloom::CNetloomDoc;
using netloom::test::CountLines;

class CCheckingSink : public CMessageSink {
  public:
    explicit CCheckingSink(long lines) : m_lines(lines) {}
    void Report(int id, const std::string& text, long line) override {
        if (id < netloom::IDS_ILLEGAL_VALUE || id > netloom::IDS_PVC_UNDEFINED_ELAN)
            Fail("unknown message id");
        if (text.empty()) Fail("empty message text");
        if (line < 1 || line > m_lines) Fail("message names a line outside the text");
        ++m_count;
    }
    long Count() const { return m_count; }

    [[noreturn]] static void Fail(const char* what) {
        std::fprintf(stderr, "fuzz_cfgfile: %s\n", what);
        std::abort();
    }

  private:
    long m_lines;
    long m_count = 0;
};

std::string ReadAndWrite(std::string_view text, CCheckingSink& sink) {
    CNetloomDoc doc;
    doc.ReadText(text, &sink);
    doc.Renumber();
    return doc.ConfigurationText();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CCheckingSink sink(CountLines(input));
    const std::string first = ReadAndWrite(input, sink);

    CCheckingSink again(CountLines(first));
    const std::string second = ReadAndWrite(first, again);
    if (again.Count() != 0) CCheckingSink::Fail("reading the written text gave messages");
    if (first != second) CCheckingSink::Fail("the second write differs from the first");
    return 0;
}
