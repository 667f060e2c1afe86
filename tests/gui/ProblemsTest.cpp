// The Problems list below the tree: the reader's messages of the opened file and the findings
// of the checks, kept up to date through edits and Undo, and rows that lead to their objects.

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTreeView>
#include <memory>

#include "app/MainFrame.h"
#include "app/ProblemsDock.h"
#include "doc/CommandIds.h"
#include "gui/GuiTestSupport.h"
#include "view/NetloomView.h"

namespace netloom::test {
namespace {

const QByteArray kTwoProblems =
    "DefineAdapter\r\n"
    "    Bogus 1\r\n"
    "    DefineVirtualAdapter LanEmulation\r\n"
    "    EndVirtualAdapter\r\n"
    "    DefinePvc\r\n"
    "        UserInstance 0\r\n"
    "        Vpi 3\r\n"
    "        Vci 40\r\n"
    "    EndPvc\r\n"
    "EndAdapter\r\n";
const QString kIllegal =
    QStringLiteral("In \"Adapter\" definition: Illegal keyword \"Bogus\" ignored.");
const QString kPvc = QStringLiteral("Pvc 0: Vpi/Vci 3/40 - Data Direct");
const QString kVpi = QStringLiteral(
    "\"Pvc 0: Vpi/Vci 3/40 - Data Direct\": Vpi 3 becomes 0, since MaxVpiBits is 0.");

class ProblemsTest : public NetloomTest {
  protected:
    void Open(bool listFileProblems) {
        CNetloomApp::Settings()->setValue("Options/ListFileProblems", listFileProblems ? 1 : 0);
        QFile file(TempPath("problems.cfg"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(m_text);
        file.close();
        ASSERT_TRUE(Start({TempPath("problems.cfg")}));
        App().MainFrame()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(App().MainFrame()));
    }
    CProblemsDock& List() { return *App().MainFrame()->ProblemsDock(); }
    QTreeView& Rows() { return *List().findChild<QTreeView*>(); }
    // Puts the keyboard on row n of the list and presses key there.
    void PressOnRow(int n, Qt::Key key) {
        Rows().setFocus();
        Rows().setCurrentIndex(Rows().model()->index(n, 0));
        QTest::keyClick(Rows().viewport(), key);
    }
    QByteArray m_text = kTwoProblems;
};

TEST_F(ProblemsTest, ListsMessagesAndFindingsAndFollowsEditsAndUndo) {
    Open(false);
    EXPECT_EQ(Messages(), QStringList{kIllegal}) << "each message in its box, as always";
    EXPECT_FALSE(List().isVisible());
    EXPECT_FALSE(Action(ID_VIEW_PROBLEMS)->isChecked());
    Trigger(ID_VIEW_PROBLEMS);
    ASSERT_TRUE(List().isVisible());
    EXPECT_TRUE(Action(ID_VIEW_PROBLEMS)->isChecked());
    EXPECT_EQ(Action(ID_VIEW_PROBLEMS)->statusTip(), "Show or hide the list of problems");
    EXPECT_EQ(List().Rows(), (QStringList{"2\t\t" + kIllegal, "7\t" + kPvc + "\t" + kVpi}));
    EXPECT_EQ(List().windowTitle(), "Problems (2)");

    // A copy of the PVC shares its VPI/VCI pair; undone, the finding goes with it.
    QTreeWidgetItem* pvc = Node({kAdapter0, kVirtualAdapters})->child(0)->child(0)->child(0);
    View().SelectNode(pvc);
    Trigger(ID_EDIT_COPY);
    Trigger(ID_EDIT_PASTE);
    EXPECT_EQ(List().windowTitle(), "Problems (4)") << List().Rows().join('\n').toStdString();
    EXPECT_TRUE(List().Rows().last().startsWith("new\tPvc 1: Vpi/Vci 3/40"));
    Trigger(ID_EDIT_UNDO);
    EXPECT_EQ(List().windowTitle(), "Problems (2)");

    // Enter on a finding selects its object; the tree gets the keyboard.
    View().SelectNode(View().RootNode());
    PressOnRow(1, Qt::Key_Return);
    EXPECT_EQ(View().CurrentNode()->text(0), kPvc);

    // Fixed by an edit, the list says all is well apart from the reader's message.
    m_editor.change = [](CDocObject& object) { static_cast<C_Doc_Pvc&>(object).Vpi = 0; };
    Trigger(ID_EDIT_PROPERTIES);
    EXPECT_EQ(List().Rows(), QStringList{"2\t\t" + kIllegal});
    m_editor.change = nullptr;
    Trigger(ID_FILE_SAVE);
    // A new tree and new messages of the file: the list is made once for both.
    QSignalSpy made(List().findChild<QTreeView*>()->model(), &QAbstractItemModel::modelReset);
    Trigger(ID_FILE_NEW);
    EXPECT_EQ(made.count(), 1);
    EXPECT_EQ(List().windowTitle(), "Problems (0)");
    EXPECT_TRUE(List().findChild<QLabel*>()->isVisible());
    EXPECT_EQ(List().findChild<QLabel*>()->text(), "No problems found.");
}

TEST_F(ProblemsTest, MadeWhenFirstShownWithTheOpenFilesProblemsAndTheEditsSince) {
    Open(false);
    CMainFrame& frame = *App().MainFrame();
    EXPECT_EQ(frame.MadeProblemsDock(), nullptr);
    EXPECT_TRUE(Enabled(ID_VIEW_PROBLEMS));
    QTreeWidgetItem* pvc = Node({kAdapter0, kVirtualAdapters})->child(0)->child(0)->child(0);
    View().SelectNode(pvc);
    Trigger(ID_EDIT_COPY);
    Trigger(ID_EDIT_PASTE);
    EXPECT_EQ(frame.MadeProblemsDock(), nullptr) << "an edit does not make the list";

    Trigger(ID_VIEW_PROBLEMS);
    ASSERT_NE(frame.MadeProblemsDock(), nullptr);
    EXPECT_TRUE(List().isVisible());
    EXPECT_TRUE(Action(ID_VIEW_PROBLEMS)->isChecked());
    EXPECT_EQ(List().windowTitle(), "Problems (4)") << List().Rows().join('\n').toStdString();
    EXPECT_EQ(List().Rows().first(), "2\t\t" + kIllegal);
    // Made, it follows the edits as before: the undone copy takes its findings along.
    Trigger(ID_EDIT_UNDO);
    EXPECT_EQ(List().windowTitle(), "Problems (2)");
    Trigger(ID_VIEW_PROBLEMS);
    EXPECT_TRUE(List().isHidden());
    EXPECT_FALSE(Action(ID_VIEW_PROBLEMS)->isChecked());
}

TEST_F(ProblemsTest, WindowMenuOfBarsAndDocksListsTheProblemsBeforeTheyAreShown) {
    Open(false);
    std::unique_ptr<QMenu> menu(App().MainFrame()->createPopupMenu());
    ASSERT_NE(menu, nullptr);
    QStringList items;
    for (QAction* a : menu->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(items, (QStringList{"Problems", "-", "Toolbar"}));
    EXPECT_TRUE(List().isHidden());
}

TEST_F(ProblemsTest, FileProblemsCanBeListedInsteadOfShownInBoxes) {
    CNetloomApp::Settings()->setValue("Options/DisplayTrafficProfiles", 0);
    m_text =
        "DefineAdapter\r\n"
        "    Bogus 1\r\n"
        "    DefineTrafficProfile\r\n"
        "        MaxBurstSize 0\r\n"
        "    EndTrafficProfile\r\n"
        "EndAdapter\r\n";
    Open(true);
    EXPECT_TRUE(Messages().isEmpty()) << Messages().join('|').toStdString();
    ASSERT_TRUE(List().isVisible()) << "shown because the file had problems";
    ASSERT_EQ(List().Rows().size(), 2);
    EXPECT_EQ(List().Rows().at(0), "2\t\t" + kIllegal);
    EXPECT_TRUE(List().Rows().at(1).startsWith("4\tTp0: "));

    // The profile's group is hidden: its adapter is selected, the status bar says why, and the
    // option stays as the user set it.
    PressOnRow(1, Qt::Key_Enter);
    EXPECT_EQ(View().CurrentNode(), Node({kAdapter0}));
    EXPECT_TRUE(App().MainFrame()->statusBar()->currentMessage().contains(
        "is not shown while the traffic profiles are hidden"));
    EXPECT_FALSE(Enabled(ID_VIEW_TRAFFIC_PROFILES) &&
                 Action(ID_VIEW_TRAFFIC_PROFILES)->isChecked());
}

}  // namespace
}  // namespace netloom::test
