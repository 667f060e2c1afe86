#pragma once
// The command line: what the framework's parser makes of the words, and Netloom's own flag
// "driverdir". Words are taken as the bytes the shell passed.

#include <string>
#include <vector>

namespace netloom {

class CSystemServices;

class CCommandLineInfo {
  public:
    enum ShellCommand { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister };

    virtual ~CCommandLineInfo() = default;

    // One word: param without its leading "/" or "-" when flag is set. The first plain word is
    // the file to open; "p", "pt", "dde", "Unregister", "Embedding" and "Automation" are the
    // framework's flags; any other flag is ignored.
    virtual void ParseParam(const std::string& param, bool flag, bool last);

    ShellCommand m_nShellCommand = FileNew;
    std::string m_strFileName;
    std::string m_strPrinterName;
    std::string m_strDriverName;
    std::string m_strPortName;
    bool m_bRunEmbedded = false;
    bool m_bRunAutomated = false;

  private:
    void ParseParamFlag(const std::string& param);
    void ParseParamNotFlag(const std::string& param);
};

class CNetloomCommandLineInfo : public CCommandLineInfo {
  public:
    explicit CNetloomCommandLineInfo(CSystemServices& system) : m_system(system) {}
    // "driverdir" (exactly so) makes the drivers directory current and goes no further.
    void ParseParam(const std::string& param, bool flag, bool last) override;

  private:
    CSystemServices& m_system;
};

// True when word, starting with "/", is a flag rather than an absolute path: its rest names a
// known flag when compared without regard to case.
bool IsSlashFlag(const std::string& word);

// Feeds the words to info.ParseParam. Words starting with "-" are flags; words starting with
// "/" are flags only by IsSlashFlag; after a word "--" every word is plain.
void ParseCommandLine(CCommandLineInfo& info, const std::vector<std::string>& words);

}  // namespace netloom
