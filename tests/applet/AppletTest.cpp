// Loomctl as the control panel drives it: the messages, the item record, and opening the item,
// which must start Netloom in the drivers directory, in process and through the loomctl host.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "applet/AppletResources.h"
#include "applet/Cpl.h"
#include "platform/SystemServices.h"

namespace netloom {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

int g_module;  // what a loader would pass as the instance

int32_t Send(uint32_t message, void* record = nullptr) {
    return CPlApplet(nullptr, message, 0, reinterpret_cast<intptr_t>(record));
}

TEST(Applet, AnswersEveryMessageAndLoaderCall) {
    for (uint32_t reason : {0u, 1u, 2u, 3u})
        EXPECT_EQ(DllMain(&g_module, reason, nullptr), 1);
    EXPECT_EQ(Send(CPL_INIT), 1);
    EXPECT_EQ(Send(CPL_GETCOUNT), 1);
    for (uint32_t message : {0u, CPL_SELECT, CPL_STOP, CPL_EXIT, CPL_NEWINQUIRE, 9u, ~0u})
        EXPECT_EQ(Send(message), 0) << message;  // a missing record is not written to

    CPLINFO old, before;
    std::memset(&old, 0x5A, sizeof(old));
    before = old;
    EXPECT_EQ(Send(CPL_INQUIRE, &old), 0);
    EXPECT_EQ(std::memcmp(&old, &before, sizeof(old)), 0);
}

TEST(Applet, DescribesItsItemFromTheInstanceItWasGiven) {
    NEWCPLINFO info;
    std::memset(&info, 0xAB, sizeof(info));
    DllMain(&g_module, DLL_PROCESS_ATTACH, nullptr);
    EXPECT_EQ(Send(CPL_NEWINQUIRE, &info), 0);
    EXPECT_EQ(info.dwSize, 244u);
    EXPECT_EQ(info.dwFlags | info.dwHelpContext | static_cast<uint32_t>(info.lData), 0u);
    EXPECT_STREQ(info.szName, "KA-210x ATM Configuration");
    EXPECT_STREQ(info.szInfo, "Configure Brindle 155 Mbps ATM Network software");
    EXPECT_STREQ(info.szHelpFile, "");
    const CAppletIcon* icon = IconFromHandle(info.hIcon);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->id, 105u);

    // Without a module nothing is found: the fields are left empty, not holding garbage.
    DllMain(nullptr, DLL_PROCESS_ATTACH, nullptr);
    Send(CPL_NEWINQUIRE, &info);
    DllMain(&g_module, DLL_PROCESS_ATTACH, nullptr);
    EXPECT_EQ(info.szName[0] | info.szInfo[0], 0);
    EXPECT_EQ(info.hIcon, 0u);
    EXPECT_EQ(IconFromHandle(1000), nullptr);
}

TEST(Applet, StringsAreCutToTheBufferAndAlwaysTerminated) {
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(LoadString(&g_module, IDS_APPLET_NAME, buffer, 0), 0);
    EXPECT_STREQ(buffer, "xxxxxxx");
    EXPECT_EQ(LoadString(&g_module, IDS_APPLET_NAME, buffer, 8), 7);
    EXPECT_STREQ(buffer, "KA-210x");
    EXPECT_EQ(LoadString(&g_module, 4, buffer, 8), 0);
    EXPECT_STREQ(buffer, "");
}

class CNotNt : public CSystemServices {
  public:
    std::string GetSystemDirectory() override { return m_dir; }
    bool GetVersionEx(OsVersionInfo& info) override {
        info.dwPlatformId = 1;
        return true;
    }
    bool SetCurrentDirectory(const std::string&) override { return false; }
    std::string GetCurrentDirectory() override { return std::string(); }
    std::string m_dir;
};

// A system directory with its drivers folder, and a stand-in "Netloom" first on PATH that
// records its working directory and arguments, one file per started process.
class OpenItemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(m_root / "drivers");
        fs::create_directories(m_root / "bin");
        fs::create_directories(m_root / "runs");
        const std::string run = (m_root / "runs" / "run.").string();
        std::ofstream(m_root / "bin" / "Netloom")
            << "#!/bin/sh\n{ pwd -P; printf '%s\\n' \"$@\"; } > '" << run << "part.'$$\n"
            << "mv '" << run << "part.'$$ '" << run << "'$$\n";
        fs::permissions(m_root / "bin" / "Netloom", fs::perms::owner_all);
        for (const char* name : {"PATH", "NETLOOM_SYSTEM_DIR"}) {
            const char* value = std::getenv(name);
            m_saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        setenv("PATH", ((m_root / "bin").string() + ":" + m_saved[0].second.value_or("")).c_str(),
               1);
        setenv("NETLOOM_SYSTEM_DIR", m_root.c_str(), 1);
        DllMain(&g_module, DLL_PROCESS_ATTACH, nullptr);
    }
    void TearDown() override {
        for (const auto& [name, value] : m_saved)
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
        fs::remove_all(m_root);
    }

    // Waits for count started programs and returns what each recorded.
    std::vector<Lines> Runs(size_t count) {
        std::vector<Lines> runs;
        for (int i = 0; i < 500 && runs.size() < count; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            runs.clear();
            for (const auto& entry : fs::directory_iterator(m_root / "runs")) {
                if (entry.path().filename().string().rfind("run.part", 0) == 0) continue;
                std::ifstream in(entry.path());
                runs.emplace_back();
                for (std::string line; std::getline(in, line);)
                    runs.back().push_back(line);
            }
        }
        return runs;
    }
    Lines Expected(const fs::path& dir) {
        return {fs::canonical(dir).string(), "/driverdir", "ka-210x.cfg"};
    }

    fs::path m_root = fs::temp_directory_path() / ("netloom-applet-" + std::to_string(getpid()));
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

TEST_F(OpenItemTest, EachOpenStartsNetloomInTheDriversDirectory) {
    EXPECT_EQ(Send(CPL_DBLCLK), 0);
    EXPECT_EQ(Send(CPL_DBLCLK), 0);
    EXPECT_EQ(Runs(2), (std::vector<Lines>(2, Expected(m_root / "drivers"))));
}

TEST_F(OpenItemTest, OffNtTheSystemDirectoryItselfIsUsed) {
    CNotNt other;
    other.m_dir = m_root.string();
    CSystemServices* previous = SetSystemServices(&other);
    EXPECT_EQ(Send(CPL_DBLCLK), 0);
    SetSystemServices(previous);
    EXPECT_EQ(Runs(1), (std::vector<Lines>{Expected(m_root)}));
}

// Runs the loomctl host and returns its exit status and standard output.
std::pair<int, std::string> RunHost(const std::string& arguments) {
    FILE* pipe = popen(("'" LOOMCTL_HOST "' " + arguments).c_str(), "r");
    std::string output;
    char chunk[256];
    for (size_t n; pipe && (n = std::fread(chunk, 1, sizeof(chunk), pipe)) > 0;)
        output.append(chunk, n);
    const int status = pipe ? pclose(pipe) : -1;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST_F(OpenItemTest, HostLoadsTheLibraryToListOrOpenTheItem) {
    EXPECT_EQ(RunHost("--list"),
              std::make_pair(0, std::string("KA-210x ATM Configuration\n    Configure Brindle "
                                            "155 Mbps ATM Network software\n")));
    EXPECT_EQ(RunHost("--bogus 2>/dev/null").first, 2);
    EXPECT_EQ(RunHost(""), std::make_pair(0, std::string()));
    EXPECT_EQ(Runs(1), (std::vector<Lines>{Expected(m_root / "drivers")}));
}

}  // namespace
}  // namespace netloom
