#include "app/CommandLineInfo.h"

#include "cfgfile/WordList.h"
#include "platform/SystemServices.h"

namespace netloom {

namespace {

constexpr const char* kKnownFlags[] = {"driverdir",  "p",         "pt",        "dde",
                                       "Unregister", "Embedding", "Automation"};

}  // namespace

void CCommandLineInfo::ParseParam(const std::string& param, bool flag, bool) {
    if (flag)
        ParseParamFlag(param);
    else
        ParseParamNotFlag(param);
}

void CCommandLineInfo::ParseParamFlag(const std::string& param) {
    if (param == "pt") {
        m_nShellCommand = FilePrintTo;
    } else if (param == "p") {
        m_nShellCommand = FilePrint;
    } else if (param == "Unregister") {
        m_nShellCommand = AppUnregister;
    } else if (param == "dde") {
        m_nShellCommand = FileDDE;
    } else if (param == "Embedding") {
        m_bRunEmbedded = true;
    } else if (param == "Automation") {
        m_bRunAutomated = true;
    }
}

void CCommandLineInfo::ParseParamNotFlag(const std::string& param) {
    if (m_strFileName.empty()) {
        m_strFileName = param;
    } else if (m_nShellCommand == FilePrintTo) {
        if (m_strPrinterName.empty())
            m_strPrinterName = param;
        else if (m_strDriverName.empty())
            m_strDriverName = param;
        else if (m_strPortName.empty())
            m_strPortName = param;
    }
    if (m_nShellCommand == FileNew && !m_strFileName.empty()) m_nShellCommand = FileOpen;
}

void CNetloomCommandLineInfo::ParseParam(const std::string& param, bool flag, bool last) {
    if (flag && param == "driverdir") {
        EnterDriverDirectory(m_system);  // a directory that cannot be entered is no error
        return;
    }
    CCommandLineInfo::ParseParam(param, flag, last);
}

bool IsSlashFlag(const std::string& word) {
    if (word.size() < 2 || word[0] != '/') return false;
    const std::string rest = word.substr(1);
    for (const char* known : kKnownFlags) {
        if (EqualsNoCase(rest, known)) return true;
    }
    return false;
}

void ParseCommandLine(CCommandLineInfo& info, const std::vector<std::string>& words) {
    bool plainOnly = false;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        const bool last = i + 1 == words.size();
        if (!plainOnly && word == "--") {
            plainOnly = true;
            continue;
        }
        const bool flag = !plainOnly && ((word.size() > 1 && word[0] == '-') || IsSlashFlag(word));
        info.ParseParam(flag ? word.substr(1) : word, flag, last);
    }
}

}  // namespace netloom
