// Runs the GUI tests on the offscreen platform with settings, desktop files and runtime files
// in a private temporary home, so that no test touches the user's own.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

#include "gui/GuiTestSupport.h"

int main(int argc, char** argv) {
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/netloom-gui-XXXXXX"));
    if (!home.isValid()) return 2;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    netloom::test::UsePrivateHome(home.path());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
