// Starting a program without a shell: word splitting, working directory, failures, no zombie.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/StartProgram.h"

namespace netloom {
namespace {

using Words = std::vector<std::string>;

TEST(StartProgram, ParametersSplitLikeACommandLine) {
    EXPECT_EQ(SplitCommandLine("/driverdir ka-210x.cfg"), (Words{"/driverdir", "ka-210x.cfg"}));
    EXPECT_EQ(SplitCommandLine("  a\t\tb  "), (Words{"a", "b"}));
    EXPECT_EQ(SplitCommandLine("\"my file.cfg\" x"), (Words{"my file.cfg", "x"}));
    EXPECT_EQ(SplitCommandLine("pre\"fix rest\"end"), (Words{"prefix restend"}));
    EXPECT_EQ(SplitCommandLine("\"\""), (Words{""}));
    EXPECT_EQ(SplitCommandLine("say\\\"hi\\\\ there"), (Words{"say\"hi\\", "there"}));
    EXPECT_EQ(SplitCommandLine("back\\slash"), (Words{"back\\slash"}));
    EXPECT_EQ(SplitCommandLine("; rm -rf x"), (Words{";", "rm", "-rf", "x"}));
    EXPECT_TRUE(SplitCommandLine("").empty());
    EXPECT_EQ(SplitCommandLine("\"unclosed quote"), (Words{"unclosed quote"}));
}

bool WaitForFile(const std::filesystem::path& path) {
    for (int i = 0; i < 200; ++i) {
        if (std::filesystem::exists(path)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

class StartProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dir =
            std::filesystem::temp_directory_path() / ("netloom-spawn-" + std::to_string(getpid()));
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::filesystem::path m_dir;
};

TEST_F(StartProgramTest, RunsInTheWorkingDirectoryWithoutAShell) {
    int error = -1;
    // A shell would expand the glob and split at the semicolon; here they are plain words.
    ASSERT_TRUE(StartProgram("touch", "\"a b.cfg\" *;x", m_dir.string(), &error));
    EXPECT_TRUE(WaitForFile(m_dir / "a b.cfg"));
    EXPECT_TRUE(WaitForFile(m_dir / "*;x"));
}

TEST_F(StartProgramTest, LeavesNoChildToWaitFor) {
    ASSERT_TRUE(StartProgram("true", "", ""));
    // The program was handed to init: this process has no child, exited or running.
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(StartProgramTest, ReportsAMissingProgramOrDirectory) {
    int error = 0;
    EXPECT_FALSE(StartProgram("netloom-no-such-program", "", "", &error));
    EXPECT_EQ(error, ENOENT);
    error = 0;
    EXPECT_FALSE(StartProgram("true", "", (m_dir / "missing").string(), &error));
    EXPECT_EQ(error, ENOENT);
    error = 0;
    EXPECT_FALSE(StartProgram("", "", "", &error));
    EXPECT_EQ(error, ENOENT);
}

}  // namespace
}  // namespace netloom
