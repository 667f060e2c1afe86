// Files as the user handles them: opening, saving byte for byte, Save As, failures that must
// not lose anything, the "save changes?" question, recent files and dropped files.

#include <sys/resource.h>

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QThread>
#include <QUrl>
#include <csignal>

#include "app/DocManager.h"
#include "app/MainFrame.h"
#include "doc/CommandIds.h"
#include "gui/GuiTestSupport.h"
#include "view/NetloomView.h"

namespace netloom::test {
namespace {

using FileCommandsTest = NetloomTest;

TEST_F(FileCommandsTest, SavingWritesTheConfigurationTextExactly) {
    const QString path = CopyExample();
    const QByteArray original = Bytes(path);
    ASSERT_TRUE(Start({path}));
    Write(path, "changed on disk\r\n");
    m_messages->Script({MsgAnswer::Yes});  // overwrite what another program wrote
    Trigger(ID_FILE_SAVE);
    EXPECT_EQ(Bytes(path), original) << "the example is in the written form already";
    m_messages->Clear();

    View().SelectNode(View().RootNode());
    Trigger(ID_INSERT_ADAPTER);
    ASSERT_TRUE(Doc().IsModified());
    Trigger(ID_FILE_SAVE);
    EXPECT_FALSE(Doc().IsModified());
    const QByteArray saved = Bytes(path);
    EXPECT_EQ(saved.toStdString(), Doc().ConfigurationText());
    EXPECT_TRUE(saved.startsWith(original.left(original.indexOf("\r\n"))));
    EXPECT_TRUE(saved.contains("; Physical ATM Adapter 2\r\nDefineAdapter\r\n"));
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(FileCommandsTest, NewConfigurationIsSavedUnderItsModelName) {
    QDir::setCurrent(m_dir.path());
    ASSERT_TRUE(Start({}));
    Trigger(ID_INSERT_ADAPTER);
    m_dialogs.saveAnswer = TempPath("first.cfg");
    Trigger(ID_FILE_SAVE);
    EXPECT_EQ(m_dialogs.proposals, QStringList{TempPath("ka-210x.cfg")});
    EXPECT_EQ(App().DocManager().PathName(), TempPath("first.cfg"));
    EXPECT_EQ(Caption(), QStringLiteral("first.cfg - Netloom"));
    EXPECT_EQ(View().RootNode()->text(0), TempPath("first.cfg"));
    EXPECT_EQ(Bytes(TempPath("first.cfg")).toStdString(), Doc().ConfigurationText());

    // Save As proposes the current path and moves the document to the new one.
    m_dialogs.saveAnswer = TempPath("second.cfg");
    Trigger(ID_FILE_SAVE_AS);
    EXPECT_EQ(m_dialogs.proposals.last(), TempPath("first.cfg"));
    EXPECT_EQ(View().RootNode()->text(0), TempPath("second.cfg"));
    EXPECT_EQ(App().RecentFiles().At(0), TempPath("second.cfg"));
    EXPECT_EQ(App().RecentFiles().At(1), TempPath("first.cfg"));

    // A cancelled chooser saves nothing.
    m_dialogs.saveAnswer.clear();
    Trigger(ID_INSERT_ADAPTER);
    Trigger(ID_FILE_SAVE_AS);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(FileCommandsTest, FailedSaveKeepsTheOldFileAndTheChanges) {
    const QString path = CopyExample();
    const QByteArray original = Bytes(path);
    ASSERT_TRUE(Start({path}));
    View().SelectNode(View().RootNode());
    for (int i = 0; i < 3; ++i)
        Trigger(ID_INSERT_ADAPTER);

    // The disk fills up part way: the process may write no more than 100 bytes to any file.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    Trigger(ID_FILE_SAVE);
    setrlimit(RLIMIT_FSIZE, &previous);

    EXPECT_EQ(Bytes(path), original);
    EXPECT_TRUE(Doc().IsModified());
    ASSERT_EQ(Messages().size(), 1);
    EXPECT_TRUE(Messages()[0].startsWith("Cannot save the file \"" + path + "\":\n"))
        << Messages()[0].toStdString();
    EXPECT_TRUE(Messages()[0].contains("has not been changed"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"ka-210x.cfg"})
        << "no temporary file may be left behind";

    // Save As into a directory that does not exist names the path and keeps the old name.
    m_dialogs.saveAnswer = TempPath("missing/dir/x.cfg");
    Trigger(ID_FILE_SAVE_AS);
    EXPECT_EQ(View().RootNode()->text(0), path);
    EXPECT_EQ(App().DocManager().PathName(), path);
    EXPECT_TRUE(Messages().last().contains(TempPath("missing/dir/x.cfg")));
}

TEST_F(FileCommandsTest, SavingThroughALinkKeepsTheLinkAndThePermissions) {
    const QString target = CopyExample(QStringLiteral("target.cfg"));
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ReadGroup | QFileDevice::ReadOther);
    const QString link = TempPath("link.cfg");
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(Start({link}));
    View().SelectNode(View().RootNode());
    Trigger(ID_INSERT_ADAPTER);
    Trigger(ID_FILE_SAVE);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(Bytes(target).toStdString(), Doc().ConfigurationText());
    EXPECT_EQ(QFileInfo(target).permissions() & 0x0fff,
              QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ReadGroup |
                  QFileDevice::ReadOther);
}

TEST_F(FileCommandsTest, MissingFileBecomesAModifiedConfigurationOnItsPath) {
    const QString path = TempPath("missing.cfg");
    m_editor.answer = false;  // even with the adapter type cancelled
    ASSERT_TRUE(Start({path}));
    ASSERT_EQ(Messages().size(), 1);
    EXPECT_EQ(Messages()[0], "Cannot open the file \"" + path + "\":\nNo such file or directory");
    EXPECT_EQ(m_editor.edited, std::vector<std::string>{"cfgfile"});
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Caption(), QStringLiteral("missing.cfg* - Netloom"));
    EXPECT_EQ(Outline(), QStringList{"0 0 " + path});
    EXPECT_EQ(Doc().Cfgfile().m_name, path.toStdString());

    // Closing asks to save it there; Yes writes it.
    m_messages->Script({MsgAnswer::Yes});
    EXPECT_TRUE(App().MainFrame()->close());
    EXPECT_EQ(Messages().last(), "Save changes to " + path + "?");
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(FileCommandsTest, SaveChangesQuestionGuardsNewOpenAndClose) {
    const QString path = CopyExample();
    ASSERT_TRUE(Start({path}));
    View().SelectNode(View().RootNode());
    Trigger(ID_INSERT_ADAPTER);

    m_messages->Script({MsgAnswer::Cancel});
    Trigger(ID_FILE_NEW);
    EXPECT_EQ(Doc().Cfgfile().Adapters.size(), 3u) << "Cancel keeps the document";
    EXPECT_FALSE(App().MainFrame()->close()) << "Cancel keeps the window open";

    m_messages->Script({MsgAnswer::No});
    Trigger(ID_FILE_NEW);
    EXPECT_TRUE(Doc().Cfgfile().Adapters.empty());
    EXPECT_EQ(Caption(), QStringLiteral("ka-210x - Netloom"));
    EXPECT_EQ(Messages().last(), "Save changes to " + path + "?");
    EXPECT_EQ(Bytes(path).count("DefineAdapter"), 2) << "No saves nothing";

    // An unmodified document is replaced without a question.
    m_messages->Clear();
    m_dialogs.openAnswer = path;
    Trigger(ID_FILE_OPEN);
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(Doc().Cfgfile().Adapters.size(), 2u);
}

TEST_F(FileCommandsTest, ProblemsInTheFileAreReportedAndSkipped) {
    const QString path = TempPath("bad.cfg");
    Write(path, "DefineAdapter\r\n    Colour Blue\r\n    MaxVciBits 12\r\nEndAdapter\r\n");
    ASSERT_TRUE(Start({path}));
    EXPECT_EQ(Messages(),
              QStringList{"In \"Adapter\" definition: Illegal keyword \"Colour\" ignored."});
    EXPECT_EQ(Doc().Cfgfile().Adapters.size(), 1u);
    EXPECT_EQ(Doc().Cfgfile().Adapters[0]->MaxVciBits, 12);
    EXPECT_FALSE(Doc().IsModified());

    // A directory is no configuration: it is reported, and a new configuration takes its path.
    m_messages->Clear();
    m_dialogs.openAnswer = m_dir.path();
    Trigger(ID_FILE_OPEN);
    ASSERT_FALSE(Messages().isEmpty());
    EXPECT_TRUE(Messages()[0].startsWith("Cannot open the file \"" + m_dir.path() + "\""));
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(FileCommandsTest, RecentFilesAreListedKeptAndReopened) {
    const QString first = CopyExample(QStringLiteral("a&b.cfg"));
    const QString second = CopyExample(QStringLiteral("second.cfg"));
    ASSERT_TRUE(Start({first}));
    m_dialogs.openAnswer = second;
    Trigger(ID_FILE_OPEN);
    QStringList items;
    for (QAction* a : App().MainFrame()->menuBar()->actions().value(0)->menu()->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text().section('\t', 0, 0));
    EXPECT_EQ(items, (QStringList{"&New", "&Open...", "&Save", "Save &As...", "-", "&Print...",
                                  "Print Pre&view", "P&rint Setup...", "-", "Sen&d...", "-",
                                  "&1 " + second, "&2 " + QString(first).replace("&", "&&"), "-",
                                  "E&xit"}));
    Finish();
    EXPECT_TRUE(SettingsText().contains("File1=" + second));

    m_app.reset();
    ASSERT_TRUE(Start({}));
    EXPECT_EQ(App().RecentFiles().At(1), first);
    App().Commands().Execute(ID_FILE_MRU_FIRST + 1);
    EXPECT_EQ(App().DocManager().PathName(), first);
    EXPECT_EQ(App().RecentFiles().At(0), first);
    EXPECT_FALSE(App().Commands().IsEnabled(ID_FILE_MRU_FIRST + 2));
}

TEST_F(FileCommandsTest, SendMailAttachesTheConfigurationAsItIsNow) {
    // A stand-in for the desktop's mail helper that notes its arguments.
    const QString bin = TempPath("bin");
    QDir().mkpath(bin);
    const QString noted = TempPath("mail-args");
    Write(bin + "/xdg-email", ("#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + noted + ".new' && mv '" +
                               noted + ".new' '" + noted + "'\n")
                                  .toUtf8());
    QFile::setPermissions(bin + "/xdg-email", QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin) + ":" + path);
    struct RestorePath {
        QByteArray value;
        ~RestorePath() { qputenv("PATH", value); }
    } restore{path};
    const QString file = CopyExample();
    ASSERT_TRUE(Start({file}));
    auto sent = [&] {
        for (int i = 0; i < 200 && !QFile::exists(noted); ++i)
            QThread::msleep(10);
        const QStringList args = QString::fromUtf8(Bytes(noted)).split('\n', Qt::SkipEmptyParts);
        QFile::remove(noted);
        return args;
    };

    ASSERT_TRUE(Enabled(ID_FILE_SEND_MAIL));
    Trigger(ID_FILE_SEND_MAIL);
    EXPECT_EQ(sent(), (QStringList{"--attach", file}));

    // Unsaved changes travel in a copy; the file and the modified flag stay as they are.
    View().SelectNode(View().RootNode());
    Trigger(ID_INSERT_ADAPTER);
    Trigger(ID_FILE_SEND_MAIL);
    const QStringList args = sent();
    ASSERT_EQ(args.size(), 2);
    EXPECT_NE(args[1], file);
    EXPECT_TRUE(args[1].endsWith("/ka-210x.cfg"));
    EXPECT_EQ(Bytes(args[1]).toStdString(), Doc().ConfigurationText());
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_TRUE(Messages().isEmpty());
    QDir(QFileInfo(args[1]).absolutePath()).removeRecursively();
}

TEST_F(FileCommandsTest, FileDroppedOnTheWindowOpensLikeFileOpen) {
    ASSERT_TRUE(Start({}));
    const QString path = CopyExample();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(App().MainFrame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(App().MainFrame(), &drop);
    QApplication::processEvents();
    EXPECT_EQ(App().DocManager().PathName(), path);
    EXPECT_EQ(Doc().Cfgfile().Adapters.size(), 2u);
}

}  // namespace
}  // namespace netloom::test
