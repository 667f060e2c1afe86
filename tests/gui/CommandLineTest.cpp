// What the command-line words become: the file, the framework's flags, "driverdir", and the
// Linux reading of words that start with "/".

#include <gtest/gtest.h>

#include "app/CommandLineInfo.h"
#include "platform/SystemServices.h"

namespace netloom {
namespace {

class CRecordingSystem : public CSystemServices {
  public:
    std::string GetSystemDirectory() override { return "/sys"; }
    bool GetVersionEx(OsVersionInfo& info) override {
        info.dwPlatformId = platformId;
        return true;
    }
    bool SetCurrentDirectory(const std::string& path) override {
        entered.push_back(path);
        return false;  // a directory that cannot be entered is no error
    }
    std::string GetCurrentDirectory() override { return "/start"; }
    uint32_t platformId = VER_PLATFORM_WIN32_NT;
    std::vector<std::string> entered;
};

struct Parsed {
    CCommandLineInfo::ShellCommand command;
    std::string file;
    std::vector<std::string> entered;
};

Parsed Parse(std::vector<std::string> words, uint32_t platform = VER_PLATFORM_WIN32_NT) {
    CRecordingSystem system;
    system.platformId = platform;
    CNetloomCommandLineInfo info(system);
    ParseCommandLine(info, words);
    return {info.m_nShellCommand, info.m_strFileName, system.entered};
}

TEST(CommandLine, FileAndDriverDirInEitherOrder) {
    Parsed p = Parse({"/driverdir", "ka-210x.cfg"});
    EXPECT_EQ(p.command, CCommandLineInfo::FileOpen);
    EXPECT_EQ(p.file, "ka-210x.cfg");
    EXPECT_EQ(p.entered, std::vector<std::string>{"/sys/drivers"});
    p = Parse({"ka-210x.cfg", "-driverdir"});
    EXPECT_EQ(p.file, "ka-210x.cfg");
    EXPECT_EQ(p.entered, std::vector<std::string>{"/sys/drivers"});
    // Not the NT platform: the system directory itself.
    EXPECT_EQ(Parse({"/driverdir"}, 1).entered, std::vector<std::string>{"/sys"});
    EXPECT_EQ(Parse({}).command, CCommandLineInfo::FileNew);
}

TEST(CommandLine, DriverDirMatchesOnlyExactly) {
    Parsed p = Parse({"/DriverDir", "x.cfg"});
    EXPECT_TRUE(p.entered.empty());
    EXPECT_EQ(p.file, "x.cfg") << "an unknown flag, not a file";
    EXPECT_TRUE(Parse({"-DRIVERDIR"}).entered.empty());
    EXPECT_TRUE(Parse({"--driverdir"}).entered.empty());
}

TEST(CommandLine, WordsStartingWithASlashAreFilesUnlessTheyNameAFlag) {
    EXPECT_EQ(Parse({"/etc/netloom/drivers/ka-210x.cfg"}).file, "/etc/netloom/drivers/ka-210x.cfg");
    EXPECT_EQ(Parse({"/p"}).command, CCommandLineInfo::FilePrint);
    EXPECT_EQ(Parse({"/pt", "a.cfg", "printer"}).command, CCommandLineInfo::FilePrintTo);
    EXPECT_EQ(Parse({"/Unregister"}).command, CCommandLineInfo::AppUnregister);
    EXPECT_EQ(Parse({"-dde"}).command, CCommandLineInfo::FileDDE);
    EXPECT_EQ(Parse({"/print"}).file, "/print");
    // Only the first plain word is the file; "--" ends the flags.
    EXPECT_EQ(Parse({"a.cfg", "b.cfg"}).file, "a.cfg");
    EXPECT_EQ(Parse({"--", "-driverdir"}).file, "-driverdir");
    EXPECT_TRUE(Parse({"--", "-driverdir"}).entered.empty());
    EXPECT_EQ(Parse({"-"}).file, "-");
    EXPECT_EQ(Parse({"-unknown", "/Embedding", "c.cfg"}).command, CCommandLineInfo::FileOpen);
}

}  // namespace
}  // namespace netloom
