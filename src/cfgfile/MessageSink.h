#pragma once
// Where the configuration reader sends the problems it finds. The GUI shows each one in a
// message box; loomcfg prints it with the file name and line number.

#include <string>

namespace netloom {

class CMessageSink {
  public:
    virtual ~CMessageSink() = default;
    // id: string-table id of the message; text: the formatted message; line: 1-based line
    // number of the line that caused it.
    virtual void Report(int id, const std::string& text, long line) = 0;
};

// A value being parsed reports through this: the sink and the line it came from.
struct CValueReport {
    CMessageSink* sink = nullptr;
    long line = 0;
    void Report(int id, const std::string& text) const {
        if (sink) sink->Report(id, text, line);
    }
};

}  // namespace netloom
