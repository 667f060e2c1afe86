// netloom_startup_probe [Netloom's arguments]: starts Netloom as its main() does (the toolkit,
// the icon, the start-up sequence with the command line) and ends as soon as the main window
// has been painted for the first time, so that the whole process times the start-up. Message
// boxes are recorded instead of shown; any box makes the exit code 4, for a start-up that asked
// something is not the one to time.

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <string>
#include <vector>

#include "FirstShown.h"
#include "app/MainFrame.h"
#include "app/NetloomApp.h"
#include "app/res/netloom.xpm"
#include "ui/MessageService.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setWindowIcon(QIcon(QPixmap(kNetloomIconXpm)));
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i)
        words.emplace_back(argv[i]);

    netloom::CScopedRecordingMessages messages;
    netloom::CNetloomApp netloom(std::move(words));
    if (!netloom.InitInstance()) return 2;
    netloom::bench::CQuitOnFirstPaint quit(netloom.MainFrame());
    const int shown = QApplication::exec();
    netloom.ExitInstance();
    if (shown != 0) return shown;
    return messages.Service().m_entries.empty() ? 0 : 4;
}
