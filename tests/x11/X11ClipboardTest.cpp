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
    // Runs a program to its end while this process goes on answering the window system (the
    // clipboard, drags); what it printed.
    static QByteArray Run(const QString& program, const QStringList& arguments,
                          int timeoutMs = 30000) {
        QProcess process;
        process.start(program, arguments);
        QElapsedTimer timer;
        timer.start();
        while (process.state() != QProcess::NotRunning && timer.elapsed() < timeoutMs) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
            process.waitForFinished(10);
        }
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << program.toStdString();
        return process.readAllStandardOutput();
    }
    static QByteArray Xclip(const QStringList& arguments) { return Run("xclip", arguments); }
    static bool WaitFor(const std::function<bool()>& condition) {
        QElapsedTimer timer;
        timer.start();
        while (!condition() && timer.elapsed() < 20000)
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
        Run("xdotool", script);
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

namespace netloom::test {
namespace {

// A second Netloom, a program of its own on the same display, beside this one. It shows the
// same configuration in a window of the same size, so a node lies at the same place in both.
class X11TwoProgramsTest : public X11DragTest {
  protected:
    void SetUp() override {
        X11DragTest::SetUp();
        if (IsSkipped()) return;
        ASSERT_TRUE(Start({CopyExample()}));
        App().MainFrame()->move(0, 0);
        App().MainFrame()->resize(500, 600);
        App().MainFrame()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(App().MainFrame()));
        CNetloomApp::Settings()->sync();  // the other program starts with the same options

        m_otherFile = CopyExample("ka-210y.cfg");  // a name of the same length: the same layout
        m_other.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Under the sanitizer, the X keyboard library trips its strndup check in the other
        // program too, as in this one (see the test program's options).
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString asan = environment.value("ASAN_OPTIONS");
        environment.insert("ASAN_OPTIONS",
                           asan + (asan.isEmpty() ? "" : ":") + "intercept_strndup=0");
        m_other.setProcessEnvironment(environment);
        m_other.start(NETLOOM_PROGRAM, {m_otherFile});
        ASSERT_TRUE(m_other.waitForStarted());
        m_otherWindow = QString::fromLatin1(
            Run("xdotool", {"search", "--sync", "--onlyvisible", "--name", "ka-210y.cfg"})
                .split('\n')
                .value(0));
        ASSERT_FALSE(m_otherWindow.isEmpty());
        Run("xdotool", {"windowsize", "--sync", m_otherWindow, "500", "600"});
        Run("xdotool", {"windowmove", "--sync", m_otherWindow, "520", "0"});
        QTest::qWait(500);  // let the other program lay out its tree at the new size
        const QByteArray geometry = Run("xdotool", {"getwindowgeometry", "--shell", m_otherWindow});
        for (const QByteArray& line : geometry.split('\n')) {
            if (line.startsWith("X=")) m_otherOrigin.setX(line.mid(2).toInt());
            if (line.startsWith("Y=")) m_otherOrigin.setY(line.mid(2).toInt());
        }
        ASSERT_EQ(m_otherOrigin.x(), 520) << geometry.toStdString();
    }
    void TearDown() override {
        if (m_other.state() != QProcess::NotRunning) {
            m_other.kill();
            m_other.waitForFinished();
        }
        X11DragTest::TearDown();
    }
    // The place in the other program's window of a point of the screen over this one's.
    QPoint InOther(QPoint onThis) {
        return onThis - App().MainFrame()->mapToGlobal(QPoint(0, 0)) + m_otherOrigin;
    }
    // A click that selects, and a pause, so that the press that follows is no double click.
    void Click(QPoint at) {
        Run("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1",
                        "sleep", "1"});
    }
    void SaveWithKeys(const QString& window) {
        Run("xdotool", {"windowfocus", "--sync", window, "sleep", "0.3", "key", "ctrl+s"});
    }
    static int Count(const QString& path, const QByteArray& word) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll().count(word) : -1;
    }
    QPoint EmptySpace() {
        return View().viewport()->mapToGlobal(QPoint(8, View().viewport()->height() - 8));
    }
    QString ThisWindow() { return QString::number(App().MainFrame()->winId()); }

    QProcess m_other;
    QString m_otherFile;
    QString m_otherWindow;
    QPoint m_otherOrigin;
};

TEST_F(X11TwoProgramsTest, AVirtualAdapterDraggedFromAnotherNetloomIsInsertedAndSaved) {
    const QString file = TempPath("ka-210x.cfg");
    const int before = Count(file, "DefineVirtualAdapter");
    const QPoint lane0 = InOther(Screen(Node({kAdapter0, kVirtualAdapters, kLane0})));
    Click(lane0);
    DragWithMouse(lane0, Screen(Node({kAdapter1, kVirtualAdapters})), false);
    ASSERT_TRUE(WaitFor([this] {
        return Doc().Cfgfile().Adapters.at(1)->VirtualAdapters.size() == 3;
    })) << Messages().join('|').toStdString();
    EXPECT_EQ(View().CurrentNode()->text(0), "Virtual Adapter 4 - Ethernet LanEmulation");
    EXPECT_TRUE(Messages().isEmpty()) << Messages().join('|').toStdString();

    SaveWithKeys(ThisWindow());
    ASSERT_TRUE(WaitFor([&] { return Count(file, "DefineVirtualAdapter") == before + 1; }));
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Count(m_otherFile, "DefineVirtualAdapter"), before) << "the source keeps its own";
}

TEST_F(X11TwoProgramsTest, AnAdapterDroppedOnEmptySpaceOfAnotherNetloomIsAppendedThere) {
    const int before = Count(m_otherFile, "DefineAdapter");
    const QPoint adapter0 = Screen(Node({kAdapter0}));
    Click(adapter0);
    ASSERT_EQ(View().CurrentNode(), Node({kAdapter0}));
    DragWithMouse(adapter0, InOther(EmptySpace()), false);
    EXPECT_EQ(Doc().Cfgfile().Adapters.size(), 2u) << "the dragged adapter stays";

    SaveWithKeys(m_otherWindow);
    EXPECT_TRUE(WaitFor([&] { return Count(m_otherFile, "DefineAdapter") == before + 1; }))
        << Count(m_otherFile, "DefineAdapter") << " adapters in the other program's file";
    EXPECT_TRUE(m_other.state() == QProcess::Running);
}

}  // namespace
}  // namespace netloom::test
