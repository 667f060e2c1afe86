// Objects on the X clipboard as other processes see them: what one Netloom copies another
// program reads under "Netloom.Object", and what another program offers there, Netloom pastes.

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <cstdlib>

#include "doc/CommandIds.h"
#include "gui/GuiTestSupport.h"
#include "view/NetloomView.h"

namespace netloom::test {
namespace {

class X11ClipboardTest : public NetloomTest {
  protected:
    void SetUp() override {
        NetloomTest::SetUp();
        if (std::getenv("NETLOOM_NO_X11") != nullptr) GTEST_SKIP() << "Xvfb is not installed";
        if (QStandardPaths::findExecutable("xclip").isEmpty())
            GTEST_SKIP() << "xclip is not installed";
    }
    // Runs xclip to its end while this process goes on answering clipboard requests.
    static QByteArray Xclip(const QStringList& arguments) {
        QProcess xclip;
        xclip.start("xclip", arguments);
        QElapsedTimer timer;
        timer.start();
        while (xclip.state() != QProcess::NotRunning && timer.elapsed() < 10000) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
            xclip.waitForFinished(10);
        }
        EXPECT_EQ(xclip.exitStatus(), QProcess::NormalExit);
        return xclip.readAllStandardOutput();
    }
    static bool WaitFor(const std::function<bool()>& condition) {
        QElapsedTimer timer;
        timer.start();
        while (!condition() && timer.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        return condition();
    }
};

TEST_F(X11ClipboardTest, ObjectsCrossBetweenProcesses) {
    ASSERT_TRUE(Start({CopyExample()}));
    View().SelectNode(Node({kAdapter1}));
    Trigger(ID_EDIT_COPY);
    const QByteArray block =
        QApplication::clipboard()->mimeData()->data(CNetloomView::kClipboardFormat);
    ASSERT_EQ(block.left(2), QByteArray("\x01\x00", 2));

    EXPECT_TRUE(
        Xclip({"-selection", "clipboard", "-t", "TARGETS", "-o"}).contains("Netloom.Object"));
    EXPECT_EQ(Xclip({"-selection", "clipboard", "-t", "Netloom.Object", "-o"}), block);

    // Another program now owns the clipboard with the block; Netloom pastes from it.
    const QString file = TempPath("block.bin");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(block);
    out.close();
    QProcess owner;
    owner.start("xclip", {"-quiet", "-selection", "clipboard", "-t", "Netloom.Object", "-i", file});
    ASSERT_TRUE(owner.waitForStarted());
    ASSERT_TRUE(WaitFor([] { return !QApplication::clipboard()->ownsClipboard(); }));
    View().SelectNode(View().RootNode());
    ASSERT_TRUE(WaitFor([this] { return Enabled(ID_EDIT_PASTE); }));
    Trigger(ID_EDIT_PASTE);
    EXPECT_EQ(Doc().Cfgfile().Adapters.size(), 3u);
    EXPECT_EQ(View().CurrentNode()->text(0), "Physical ATM Adapter 2");
    owner.kill();
    owner.waitForFinished();
}

}  // namespace
}  // namespace netloom::test

namespace netloom::test {
namespace {

// A real drag with the mouse, through the window system's drag-and-drop protocol.
class X11DragTest : public X11ClipboardTest {
  protected:
    void SetUp() override {
        X11ClipboardTest::SetUp();
        if (!IsSkipped() && QStandardPaths::findExecutable("xdotool").isEmpty())
            GTEST_SKIP() << "xdotool is not installed";
    }
    QPoint Screen(QTreeWidgetItem* node) {
        return View().viewport()->mapToGlobal(View().visualItemRect(node).center());
    }
    // Presses the left button on from, moves in steps to to and lets go there.
    void DragWithMouse(QPoint from, QPoint to, bool control) {
        QStringList script{"mousemove", QString::number(from.x()), QString::number(from.y()),
                           "mousedown", "1"};
        for (int step = 1; step <= 8; ++step) {
            const QPoint p = from + (to - from) * step / 8;
            script << "sleep"
                   << "0.05"
                   << "mousemove" << QString::number(p.x()) << QString::number(p.y());
        }
        if (control)
            script << "keydown"
                   << "ctrl";
        script << "sleep"
               << "0.2"
               << "mousemove" << QString::number(to.x() + 1) << QString::number(to.y()) << "sleep"
               << "0.2"
               << "mouseup"
               << "1";
        if (control)
            script << "keyup"
                   << "ctrl";
        QProcess xdotool;
        xdotool.start("xdotool", script);
        QElapsedTimer timer;
        timer.start();
        while (xdotool.state() != QProcess::NotRunning && timer.elapsed() < 15000) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
            xdotool.waitForFinished(10);
        }
        // Let the drop arrive.
        for (int i = 0; i < 20; ++i)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
};

TEST_F(X11DragTest, DraggingAProfileOntoAnotherAdapterCopiesIt) {
    CNetloomApp::Settings()->setValue("Options/DisplayTrafficProfiles", 1);
    ASSERT_TRUE(Start({CopyExample()}));
    App().MainFrame()->resize(700, 700);
    App().MainFrame()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(App().MainFrame()));
    QTreeWidgetItem* profiles = Node({kAdapter0, "Traffic Profiles"});
    View().SelectNode(profiles->child(0));
    QApplication::processEvents();

    // Ctrl shows the move effect, yet the profile stays and a copy lands.
    DragWithMouse(Screen(profiles->child(0)), Screen(Node({kAdapter1})), true);
    EXPECT_EQ(Node({kAdapter0, "Traffic Profiles"})->childCount(), 3);
    EXPECT_EQ(Node({kAdapter1, "Traffic Profiles"})->childCount(), 1);
    EXPECT_EQ(Doc().Cfgfile().Adapters.at(1)->TrafficProfiles.size(), 1u);
    EXPECT_TRUE(Doc().IsModified());

    // A drag that begins on another node still carries the selected one: the new profile.
    ASSERT_EQ(View().CurrentKind(), 3);
    DragWithMouse(Screen(Node({kAdapter0, kVirtualAdapters, kLane0})), Screen(Node({kAdapter0})),
                  false);
    EXPECT_EQ(Doc().Cfgfile().Adapters.at(0)->TrafficProfiles.size(), 4u);
    EXPECT_EQ(Doc().Cfgfile().Adapters.at(0)->VirtualAdapters.size(), 2u);
}

}  // namespace
}  // namespace netloom::test
