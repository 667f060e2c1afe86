// The system directory, the version query and the drivers directory, on this machine and with
// a stand-in for another one.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/SystemServices.h"

namespace netloom {
namespace {

class CFakeSystem : public CSystemServices {
  public:
    std::string GetSystemDirectory() override { return systemDir; }
    bool GetVersionEx(OsVersionInfo& info) override {
        if (!versionAnswers || info.dwOSVersionInfoSize != 148) return false;
        info.dwPlatformId = platformId;
        return true;
    }
    bool SetCurrentDirectory(const std::string& path) override {
        entered = path;
        return canEnter;
    }
    std::string GetCurrentDirectory() override { return entered; }

    std::string systemDir = "/sys32";
    uint32_t platformId = VER_PLATFORM_WIN32_NT;
    bool versionAnswers = true;
    bool canEnter = true;
    std::string entered;
};

// Restores an environment variable and the current directory after a test.
class SystemServicesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* v = std::getenv("NETLOOM_SYSTEM_DIR");
        m_hadVar = v != nullptr;
        if (v) m_savedVar = v;
        m_savedCwd = std::filesystem::current_path();
    }
    void TearDown() override {
        if (m_hadVar)
            setenv("NETLOOM_SYSTEM_DIR", m_savedVar.c_str(), 1);
        else
            unsetenv("NETLOOM_SYSTEM_DIR");
        std::filesystem::current_path(m_savedCwd);
    }
    bool m_hadVar = false;
    std::string m_savedVar;
    std::filesystem::path m_savedCwd;
};

TEST_F(SystemServicesTest, DriverDirectoryIsBelowTheSystemDirectoryOnlyOnNt) {
    CFakeSystem nt;
    EXPECT_EQ(DriverDirectory(nt), "/sys32/drivers");

    CFakeSystem other;
    other.platformId = 1;  // not the NT family: the system directory itself
    EXPECT_EQ(DriverDirectory(other), "/sys32");
    EXPECT_TRUE(EnterDriverDirectory(other));
    EXPECT_EQ(other.entered, "/sys32");

    CFakeSystem silent;
    silent.versionAnswers = false;
    EXPECT_EQ(DriverDirectory(silent), "/sys32");
}

TEST_F(SystemServicesTest, EnteringReportsFailure) {
    CFakeSystem locked;
    locked.canEnter = false;
    EXPECT_FALSE(EnterDriverDirectory(locked));
    EXPECT_EQ(locked.entered, "/sys32/drivers");
}

TEST_F(SystemServicesTest, MachineReadsTheSystemDirectoryFromTheEnvironment) {
    CSystemServices& machine = SystemServices();
    unsetenv("NETLOOM_SYSTEM_DIR");
    EXPECT_EQ(machine.GetSystemDirectory(), "/etc/netloom");
    setenv("NETLOOM_SYSTEM_DIR", "", 1);
    EXPECT_EQ(machine.GetSystemDirectory(), "/etc/netloom");
    setenv("NETLOOM_SYSTEM_DIR", "/opt/atm system", 1);
    EXPECT_EQ(machine.GetSystemDirectory(), "/opt/atm system");
    EXPECT_EQ(DriverDirectory(machine), "/opt/atm system/drivers");
}

TEST_F(SystemServicesTest, MachineVersionIsNtAndChecksTheRecordSize) {
    OsVersionInfo info;
    ASSERT_TRUE(SystemServices().GetVersionEx(info));
    EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_NT);
    OsVersionInfo wrong;
    wrong.dwOSVersionInfoSize = 156;
    EXPECT_FALSE(SystemServices().GetVersionEx(wrong));
}

TEST_F(SystemServicesTest, MachineEntersTheDriverDirectoryOrStaysWhereItWas) {
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("netloom-sys-" + std::to_string(getpid()));
    std::filesystem::create_directories(root / "drivers");
    const std::string before = SystemServices().GetCurrentDirectory();

    setenv("NETLOOM_SYSTEM_DIR", (root / "missing").c_str(), 1);
    EXPECT_FALSE(EnterDriverDirectory(SystemServices()));
    EXPECT_EQ(SystemServices().GetCurrentDirectory(), before);

    setenv("NETLOOM_SYSTEM_DIR", root.c_str(), 1);
    EXPECT_TRUE(EnterDriverDirectory(SystemServices()));
    EXPECT_EQ(std::filesystem::path(SystemServices().GetCurrentDirectory()),
              std::filesystem::canonical(root / "drivers"));
    std::filesystem::current_path(m_savedCwd);
    std::filesystem::remove_all(root);
}

TEST_F(SystemServicesTest, InstalledServicesReplaceTheMachineUntilRemoved) {
    CFakeSystem fake;
    CSystemServices* previous = SetSystemServices(&fake);
    EXPECT_EQ(&SystemServices(), &fake);
    SetSystemServices(previous);
    EXPECT_NE(&SystemServices(), &fake);
}

}  // namespace
}  // namespace netloom
