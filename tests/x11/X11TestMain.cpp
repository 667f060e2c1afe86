// Runs the tests on the xcb platform against a private Xvfb display started here, with
// settings and runtime files in a private temporary home. Without Xvfb the tests run on the
// offscreen platform and skip themselves.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "gui/GuiTestSupport.h"

extern char** environ;

// The X keyboard library copies strings with strndup from buffers that are not terminated,
// which the sanitizer's strndup check takes for an overflow inside that library when the
// application starts; our own code does not call strndup.
extern "C" const char* __asan_default_options() {
    return "intercept_strndup=0";
}

namespace {

// Starts Xvfb on a display it picks itself; the display number, or -1.
int StartXvfb(pid_t& pid) {
    const std::string xvfb = QStandardPaths::findExecutable("Xvfb").toStdString();
    if (xvfb.empty()) return -1;
    int fds[2];
    if (pipe(fds) != 0) return -1;
    const std::string fd = std::to_string(fds[1]);
    // -terminate: the server ends with its last client, so it cannot outlive a test run that
    // crashed; its output goes nowhere, so that nobody waits on a pipe it holds open.
    const char* argv[] = {xvfb.c_str(), "-displayfd", fd.c_str(), "-nolisten",   "tcp",
                          "-terminate", "-screen",    "0",        "1024x768x24", nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    const int status =
        posix_spawn(&pid, xvfb.c_str(), &actions, nullptr, const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (status != 0) {
        close(fds[0]);
        return -1;
    }
    char buffer[16] = {};
    size_t used = 0;
    while (used + 1 < sizeof buffer) {
        const ssize_t n = read(fds[0], buffer + used, sizeof buffer - 1 - used);
        if (n <= 0) break;
        used += static_cast<size_t>(n);
        if (buffer[used - 1] == '\n') break;
    }
    close(fds[0]);
    return used > 0 ? std::atoi(buffer) : -1;
}

}  // namespace

int main(int argc, char** argv) {
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/netloom-x11-XXXXXX"));
    if (!home.isValid()) return 2;
    netloom::test::UsePrivateHome(home.path());

    // Listing the tests needs no display.
    bool listing = false;
    for (int i = 1; i < argc; ++i)
        listing = listing || std::string(argv[i]).rfind("--gtest_list_tests", 0) == 0;
    pid_t xvfb = 0;
    const int display = listing ? -1 : StartXvfb(xvfb);
    if (display >= 0) {
        setenv("DISPLAY", (":" + std::to_string(display)).c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    } else {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("NETLOOM_NO_X11", "1", 1);
    }
    int result = 0;
    {
        QApplication application(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    if (display >= 0) {
        kill(xvfb, SIGTERM);
        waitpid(xvfb, nullptr, 0);
    }
    return result;
}
