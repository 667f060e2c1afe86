#include "app/RunNetloom.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <cstring>
#include <iostream>

#include "app/NetloomApp.h"
#include "app/res/netloom.xpm"

namespace netloom {

namespace {

constexpr const char* kUsage =
    "Usage: Netloom [/driverdir] [FILE]\n"
    "Edit the configuration file of the ATM adapter driver.\n"
    "\n"
    "  FILE         the configuration to open; without it a new one is started\n"
    "  /driverdir   open FILE in the driver's directory ($NETLOOM_SYSTEM_DIR/drivers,\n"
    "               or /etc/netloom/drivers); \"-driverdir\" works the same\n"
    "  /Unregister  remove this user's registration of the file type and exit\n"
    "  --help       show this text and exit\n"
    "  --version    show the version and exit\n";

// --help and --version are answered before any window system is needed.
bool AnswerInformationalOption(int argc, char** argv, int& exitCode) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) break;
        if (std::strcmp(argv[i], "--help") == 0) {
            std::cout << kUsage;
            exitCode = 0;
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "Netloom " << NETLOOM_VERSION << "\n";
            exitCode = 0;
            return true;
        }
    }
    return false;
}

}  // namespace

int RunNetloom(int argc, char** argv) {
    int exitCode = 0;
    if (AnswerInformationalOption(argc, argv, exitCode)) return exitCode;

    QApplication application(argc, argv);  // takes its own options out of argv
    QApplication::setWindowIcon(QIcon(QPixmap(kNetloomIconXpm)));
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i)
        words.emplace_back(argv[i]);

    CNetloomApp netloom(std::move(words));
    if (!netloom.InitInstance()) return netloom.ExitInstance();
    QApplication::exec();
    return netloom.ExitInstance();
}

}  // namespace netloom
