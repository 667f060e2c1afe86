// netloom_bare_window: the floor of Netloom's start-up, a plain main window with a menu bar, a
// status bar and a tree of one node as its central widget, ended at its first paint like
// netloom_startup_probe.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTreeWidget>

#include "FirstShown.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    auto* tree = new QTreeWidget;
    tree->setHeaderHidden(true);
    new QTreeWidgetItem(tree, QStringList(QStringLiteral("ka-210x.cfg")));
    window.setCentralWidget(tree);
    window.resize(640, 480);
    window.show();
    netloom::bench::CQuitOnFirstPaint quit(&window);
    return QApplication::exec();
}
