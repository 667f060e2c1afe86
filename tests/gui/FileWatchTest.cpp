// The caption's mark for unsaved changes, and the open file changed, replaced or removed by
// another program while Netloom runs.

#include <QDialog>
#include <QTest>
#include <cstdio>

#include "doc/CommandIds.h"
#include "gui/GuiTestSupport.h"

namespace netloom::test {
namespace {

const QByteArray kOneAdapter = "DefineAdapter\r\n    Colour Blue\r\nEndAdapter\r\n";
const QByteArray kOther = "DefineAdapter\r\nEndAdapter\r\n";

// As editors save: a new file renamed over the old one.
void Replace(const QString& path, const QByteArray& bytes) {
    Write(path + ".new", bytes);
    ASSERT_EQ(std::rename(QFile::encodeName(path + ".new"), QFile::encodeName(path)), 0);
}

class FileWatchTest : public NetloomTest {
  protected:
    void SetUp() override {
        NetloomTest::SetUp();
        m_path = CopyExample();
    }
    void Open() {
        ASSERT_TRUE(Start({m_path}));
        View().SelectNode(View().RootNode());
    }
    CFileWatch& Watch() { return App().DocManager().FileWatch(); }
    bool MessagesReach(qsizetype count) {
        return QTest::qWaitFor([&] { return Messages().size() >= count; });
    }
    // Until whatever the watcher has noticed by now is handled.
    void Settle() {
        (void)QTest::qWaitFor([&] { return Watch().Pending(); }, 500);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !Watch().Pending(); }));
    }
    QString Said(const QString& what) const { return "The file " + m_path + what; }
    QString Question(bool modified) const {
        return Said(modified ? " was changed by another program. Reload it and lose your changes?"
                             : " was changed by another program. Reload it?");
    }
    QString m_path;
};

TEST_F(FileWatchTest, CaptionIsMarkedWhileThereAreUnsavedChanges) {
    Open();
    EXPECT_EQ(Caption(), "ka-210x.cfg - Netloom");
    Trigger(ID_INSERT_ADAPTER);
    EXPECT_EQ(Caption(), "ka-210x.cfg* - Netloom");
    Doc().Undo();
    EXPECT_EQ(Caption(), "ka-210x.cfg - Netloom") << "back where the file was read";
    Doc().Redo();
    Trigger(ID_FILE_SAVE);
    EXPECT_EQ(Caption(), "ka-210x.cfg - Netloom");

    // Netloom's own saves, in place and under a new name, and a program touching the file
    // without changing its bytes, ask nothing.
    m_dialogs.saveAnswer = TempPath("other.cfg");
    Trigger(ID_FILE_SAVE_AS);
    Trigger(ID_FILE_SAVE);
    QFile::setPermissions(m_dialogs.saveAnswer, QFile::permissions(m_dialogs.saveAnswer));
    Settle();
    EXPECT_TRUE(Messages().isEmpty()) << Messages().join('\n').toStdString();
}

TEST_F(FileWatchTest, ChangedFileIsReloadedOrKeptAsTheUserAnswers) {
    const struct {
        bool replaced, modified, reload;
    } cases[] = {
        {false, false, true}, {true, false, false}, {false, true, false}, {true, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "replaced " << c.replaced << " modified " << c.modified
                                          << " reload " << c.reload);
        Open();
        if (c.modified) Trigger(ID_INSERT_ADAPTER);
        m_messages->Script({c.reload ? MsgAnswer::Yes : MsgAnswer::No});
        c.replaced ? Replace(m_path, kOneAdapter) : Write(m_path, kOneAdapter);
        ASSERT_TRUE(MessagesReach(1));
        QStringList expected{Question(c.modified)};
        // Read as File Open reads it, without asking to save the changes that are given up.
        if (c.reload) expected << "In \"Adapter\" definition: Illegal keyword \"Colour\" ignored.";
        EXPECT_EQ(Messages(), expected);
        EXPECT_EQ(m_messages->m_entries[0].buttons,
                  c.modified ? MsgButtons::YesNoDefaultNo : MsgButtons::YesNo);
        EXPECT_EQ(View().RootNode()->childCount(), c.reload ? 1 : c.modified ? 3 : 2);
        EXPECT_EQ(Caption(), c.reload ? "ka-210x.cfg - Netloom" : "ka-210x.cfg* - Netloom");

        // The watch goes on, also on a file that replaced the old one.
        m_messages->Clear();
        Write(m_path, kOther);
        ASSERT_TRUE(MessagesReach(1));
        EXPECT_EQ(Messages(), QStringList{Question(!c.reload)});
        m_app.reset();
        m_messages->Clear();
        m_path = CopyExample();
    }
}

TEST_F(FileWatchTest, RemovedFileIsReportedAndSavedAgain) {
    Open();
    const QString removed = Said(
        " was deleted or moved by another program. Save keeps your "
        "configuration under its name.");
    ASSERT_TRUE(QFile::remove(m_path));
    ASSERT_TRUE(MessagesReach(1));
    EXPECT_EQ(Messages(), QStringList{removed});
    EXPECT_EQ(Caption(), "ka-210x.cfg* - Netloom");
    Trigger(ID_FILE_SAVE);
    EXPECT_EQ(Bytes(m_path).toStdString(), Doc().ConfigurationText());

    ASSERT_TRUE(QFile::rename(m_path, TempPath("moved.cfg")));
    ASSERT_TRUE(MessagesReach(2));
    EXPECT_EQ(Messages(), (QStringList{removed, removed}));
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(FileWatchTest, SaveAsksBeforeWritingOverAnotherProgramsChange) {
    Open();
    Trigger(ID_INSERT_ADAPTER);
    const QString question =
        Said(" was changed by another program since it was opened. Overwrite it?");
    // Saved before the watcher has looked: Save asks, and the change is not asked about again.
    Write(m_path, kOneAdapter);
    m_messages->Script({MsgAnswer::No, MsgAnswer::Yes});
    Trigger(ID_FILE_SAVE);
    EXPECT_EQ(Bytes(m_path), kOneAdapter);
    EXPECT_TRUE(Doc().IsModified());
    Settle();
    EXPECT_EQ(Messages(), QStringList{question});

    Trigger(ID_FILE_SAVE);
    EXPECT_EQ(Messages(), (QStringList{question, question}));
    EXPECT_EQ(Bytes(m_path).toStdString(), Doc().ConfigurationText());
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(FileWatchTest, QuestionWaitsForAnOpenDialogAndComesOnce) {
    Open();
    QDialog dialog(App().MainFrame());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    Write(m_path, kOneAdapter);
    Replace(m_path, kOther);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Watch().WaitingForDialog(); }));
    EXPECT_TRUE(Messages().isEmpty());
    dialog.close();
    ASSERT_TRUE(MessagesReach(1));
    Settle();
    EXPECT_EQ(Messages(), QStringList{Question(false)});
}

}  // namespace
}  // namespace netloom::test
