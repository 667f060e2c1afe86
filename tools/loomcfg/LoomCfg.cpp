#include "LoomCfg.h"

#include <unistd.h>

#include <climits>
#include <ostream>
#include <string_view>
#include "cfgfile/LineReader.h"
#include "cfgfile/MessageSink.h"
#include "doc/ConfigChecks.h"
#include "doc/NetloomDoc.h"
#include "doc/TreeOutline.h"
#include "platform/ConfigFile.h"
#include "platform/TextRoom.h"

#ifndef NETLOOM_VERSION
#define NETLOOM_VERSION "1.0.0"
#endif

namespace netloom {

namespace {

constexpr int kExitClean = 0;
constexpr int kExitMessages = 1;
constexpr int kExitTrouble = 2;

const char kUsage[] =
    "Usage: loomcfg check FILE...\n"
    "       loomcfg lint FILE...\n"
    "       loomcfg format FILE [-o OUT]\n"
    "       loomcfg tree [--hide-profiles] FILE\n"
    "       loomcfg --help | --version\n"
    "\n"
    "Reads ATM adapter driver configuration files as Netloom does.\n"
    "  check   print every reader message as FILE:LINE: TEXT\n"
    "  lint    as check, then every configuration problem as FILE:LINE: warning: TEXT\n"
    "          (values a property page refuses or changes, VPI/VCI pairs used twice on\n"
    "          one adapter, traffic profile numbers naming nothing, RFC 1483 virtual\n"
    "          adapters with more than one PVC)\n"
    "  format  write the file as Netloom saves it (to OUT, or standard output)\n"
    "  tree    print the tree Netloom shows for the file\n"
    "\n"
    "Exit status: 0 no messages (lint: and no problems), 1 messages (lint: or problems),\n"
    "2 a file could not be read or written, or the command line was wrong.\n";

// Prints each message as FILE:LINE: TEXT and counts them.
class CPrintingSink : public CMessageSink {
  public:
    CPrintingSink(std::ostream& out, const std::string& file) : m_out(out), m_file(file) {}
    void Report(int, const std::string& text, long line) override {
        m_out << m_file << ':' << line << ": " << text << '\n';
        ++m_count;
    }
    long Count() const { return m_count; }

  private:
    std::ostream& m_out;
    const std::string& m_file;
    long m_count = 0;
};

// The file's text for the reader, a piece at a time, so that a large file is never held whole
// beside the objects read from it.
class CFileTextSource : public CTextSource {
  public:
    explicit CFileTextSource(CConfigFileReader& file) : m_file(file) {}
    bool AppendMore(std::string& buffer) override { return m_file.ReadMore(buffer, m_reason); }
    // Why reading stopped before the end; empty when it reached it.
    const std::string& Failure() const { return m_reason; }

  private:
    CConfigFileReader& m_file;
    std::string m_reason;
};

// Reads a file into doc as opening it in Netloom does; -1 when it cannot be read, else the
// number of messages.
long OpenInto(CNetloomDoc& doc, const std::string& file, std::ostream& messages,
              std::ostream& err) {
    CConfigFileReader reader;
    std::string reason;
    if (!reader.Open(file, reason)) {
        err << "loomcfg: " << file << ": " << reason << '\n';
        return -1;
    }
    CFileTextSource source(reader);
    CPrintingSink sink(messages, file);
    doc.DeleteContents();
    doc.ReadText(source, &sink);
    if (!source.Failure().empty()) {
        err << "loomcfg: " << file << ": " << source.Failure() << '\n';
        return -1;
    }
    doc.Renumber();
    return sink.Count();
}

int Usage(std::ostream& err) {
    err << kUsage;
    return kExitTrouble;
}

// check, and with lint the configuration checks after each file's messages.
int RunCheck(const std::vector<std::string>& files, bool lint, std::ostream& out,
             std::ostream& err) {
    if (files.empty()) return Usage(err);
    int status = kExitClean;
    for (const auto& file : files) {
        CNetloomDoc doc;
        long count = OpenInto(doc, file, out, err);
        if (count < 0) {
            status = kExitTrouble;
            continue;
        }
        if (lint) {
            for (const CFinding& finding : CheckConfiguration(doc)) {
                out << file << ':' << finding.line << ": warning: " << finding.text << '\n';
                ++count;
            }
        }
        if (count > 0 && status == kExitClean) status = kExitMessages;
    }
    return status;
}

int RunFormat(const std::string& file, const std::string* output, std::ostream& out,
              std::ostream& err) {
    CNetloomDoc doc;
    const long count = OpenInto(doc, file, err, err);
    if (count < 0) return kExitTrouble;
    std::string text;
    MakeTextRoom(text, doc.TextRoom());
    doc.WriteConfigurationText(text);
    if (output) {
        std::string reason;
        if (!WriteConfigurationFile(*output, text, reason)) {
            err << "loomcfg: " << *output << ": " << reason << '\n';
            return kExitTrouble;
        }
    } else {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            err << "loomcfg: standard output: write failed\n";
            return kExitTrouble;
        }
    }
    return count > 0 ? kExitMessages : kExitClean;
}

int RunTree(const std::string& file, bool hideProfiles, std::ostream& out, std::ostream& err) {
    CNetloomDoc doc;
    const long count = OpenInto(doc, file, err, err);
    if (count < 0) return kExitTrouble;
    const auto nodes = BuildTreeOutline(doc.Cfgfile(), AbsolutePath(file), !hideProfiles);
    for (const auto& node : nodes) {
        out << std::string(static_cast<size_t>(node.depth) * 2, ' ') << node.label << '\n';
    }
    return count > 0 ? kExitMessages : kExitClean;
}

}  // namespace

int RunLoomCfg(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return Usage(err);
    const std::string& command = args[0];
    if (command == "--help" || command == "-h") {
        out << kUsage;
        return kExitClean;
    }
    if (command == "--version") {
        out << "loomcfg (Netloom) " << NETLOOM_VERSION << '\n';
        return kExitClean;
    }

    std::vector<std::string> files;
    const std::string* output = nullptr;
    bool hideProfiles = false;
    bool optionsEnded = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            out << kUsage;
            return kExitClean;
        } else if (!optionsEnded && command == "format" && (arg == "-o" || arg == "--output")) {
            if (output || i + 1 >= args.size()) return Usage(err);
            output = &args[++i];
        } else if (!optionsEnded && command == "tree" && arg == "--hide-profiles") {
            hideProfiles = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            err << "loomcfg: unknown option " << arg << '\n';
            return Usage(err);
        } else {
            files.push_back(arg);
        }
    }

    if (command == "check" || command == "lint")
        return RunCheck(files, command == "lint", out, err);
    if (command == "format") {
        if (files.size() != 1) return Usage(err);
        return RunFormat(files[0], output, out, err);
    }
    if (command == "tree") {
        if (files.size() != 1) return Usage(err);
        return RunTree(files[0], hideProfiles, out, err);
    }
    err << "loomcfg: unknown command " << command << '\n';
    return Usage(err);
}

std::string AbsolutePath(const std::string& path) {
    std::string joined;
    if (!path.empty() && path[0] == '/') {
        joined = path;
    } else {
        char cwd[PATH_MAX];
        joined = ::getcwd(cwd, sizeof cwd) ? std::string(cwd) : std::string();
        joined += '/';
        joined += path;
    }
    std::vector<std::string_view> parts;
    std::string_view rest(joined);
    while (!rest.empty()) {
        const size_t slash = rest.find('/');
        const std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string out;
    for (const auto& part : parts) {
        out += '/';
        out.append(part);
    }
    return out.empty() ? "/" : out;
}

}  // namespace netloom
