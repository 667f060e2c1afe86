// Selecting nodes and carrying out the edit commands through the main window: which commands
// are enabled, what each Insert adds, Delete and Properties, and a New that is cancelled.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include "app/DocManager.h"
#include "app/MainFrame.h"
#include "doc/CommandIds.h"
#include "doc/UserOptions.h"
#include "gui/GuiTestSupport.h"
#include "view/NetloomView.h"

namespace netloom::test {
namespace {

constexpr int kEditCommands[] = {ID_INSERT_ADAPTER,         ID_INSERT_TRAFFIC_PROFILE,
                                 ID_INSERT_VIRTUAL_ADAPTER, ID_INSERT_PVC,
                                 ID_INSERT_MAPPING,         ID_EDIT_DELETE,
                                 ID_EDIT_PROPERTIES};

class EditCommandsTest : public NetloomTest {
  protected:
    void Open(bool showProfiles) {
        if (showProfiles) {
            auto settings = CNetloomApp::Settings();
            settings->setValue("Options/DisplayTrafficProfiles", 1);
        }
        ASSERT_TRUE(Start({CopyExample()}));
        App().MainFrame()->show();
        QApplication::setActiveWindow(App().MainFrame());
        ASSERT_TRUE(QTest::qWaitForWindowActive(App().MainFrame()));
    }
    // The enabled edit commands after selecting node, as a string of + and -.
    QString EnabledAfterSelecting(QTreeWidgetItem* node) {
        EXPECT_NE(node, nullptr);
        View().SelectNode(node);
        QString states;
        for (int id : kEditCommands)
            states += Enabled(id) ? QLatin1Char('+') : QLatin1Char('-');
        return states;
    }
    QString CurrentLabel() {
        return View().CurrentNode() ? View().CurrentNode()->text(0) : QString();
    }
};

TEST_F(EditCommandsTest, CommandsFollowTheSelectedNode) {
    Open(true);
    //                      Adp TP  VA  PVC Map Del Prop
    EXPECT_EQ(EnabledAfterSelecting(View().RootNode()), "+-----+");
    EXPECT_EQ(EnabledAfterSelecting(Node({kAdapter1})), "+++--++");
    EXPECT_EQ(EnabledAfterSelecting(Node({kAdapter1, kVirtualAdapters})), "+++----");
    EXPECT_EQ(EnabledAfterSelecting(Node({kAdapter0, "Traffic Profiles"})->child(0)), "+++--++");
    EXPECT_EQ(EnabledAfterSelecting(Node({kAdapter0, kVirtualAdapters, kLane0, kPvcs})), "+++++--");
    EXPECT_EQ(EnabledAfterSelecting(Node({kAdapter0, kVirtualAdapters, kLane0, kPvcs})->child(0)),
              "++++++"
              "+");
    // RFC 1483 with its one PVC: no more PVCs, never a mapping.
    EXPECT_EQ(EnabledAfterSelecting(Node({kAdapter1, kVirtualAdapters, kRfc1483})), "+++--++");

    Trigger(ID_VIEW_TRAFFIC_PROFILES);  // hidden: no profile or mapping can be inserted
    EXPECT_EQ(EnabledAfterSelecting(Node({kAdapter1, kVirtualAdapters, kLane3})), "+-++-++");
}

TEST_F(EditCommandsTest, ConfirmedInsertsAddSelectedNodes) {
    Open(true);
    View().SelectNode(Node({kAdapter1, kVirtualAdapters, kLane3}));
    Trigger(ID_INSERT_PVC);
    EXPECT_EQ(CurrentLabel(), QStringLiteral("Pvc 1: Vpi/Vci 0/32 - Data Direct"));
    EXPECT_EQ(CurrentLabel(),
              Node({kAdapter1, kVirtualAdapters, kLane3, kPvcs})->child(0)->text(0));
    EXPECT_TRUE(Doc().IsModified());
    // The group is open now: a second PVC joins it with the first one current, and the group
    // stays open.
    QTreeWidgetItem* pvcs = Node({kAdapter1, kVirtualAdapters, kLane3, kPvcs});
    ASSERT_TRUE(pvcs->isExpanded());
    Trigger(ID_INSERT_PVC);
    EXPECT_EQ(CurrentLabel(), QStringLiteral("Pvc 2: Vpi/Vci 0/32 - Data Direct"));
    EXPECT_EQ(pvcs->childCount(), 2);
    EXPECT_TRUE(pvcs->isExpanded());

    View().SelectNode(Node({kAdapter1, kVirtualAdapters, kLane3}));
    Trigger(ID_INSERT_MAPPING);
    EXPECT_EQ(View().CurrentKind(), 9);
    EXPECT_EQ(View().CurrentNode()->parent()->text(0), QStringLiteral("Traffic Profile Mappings"));

    Trigger(ID_INSERT_TRAFFIC_PROFILE);  // the mapping's adapter
    EXPECT_EQ(View().CurrentKind(), 3);
    EXPECT_EQ(View().CurrentNode()->parent()->parent()->text(0), kAdapter1);

    m_editor.elanType = 2;
    Trigger(ID_INSERT_VIRTUAL_ADAPTER);
    EXPECT_EQ(CurrentLabel(),
              QStringLiteral("Virtual Adapter 4 - Token-Ring MultiProtocolEncapsulation"));
    EXPECT_EQ(View().CurrentNode()->childCount(), 1) << "RFC 1483: PVC group only";
    EXPECT_TRUE(pvcs->isExpanded()) << "what was open below the group inserted into stays open";

    Trigger(ID_INSERT_ADAPTER);
    EXPECT_EQ(CurrentLabel(), QStringLiteral("Physical ATM Adapter 2"));
    EXPECT_EQ(m_editor.edited, (std::vector<std::string>{"pvc", "pvc", "mapping", "profile", "type",
                                                         "elan", "adapter"}));
    EXPECT_EQ(Caption(), QStringLiteral("ka-210x.cfg* - Netloom"));
}

TEST_F(EditCommandsTest, CancelledInsertLeavesDocumentAndTreeAlone) {
    Open(true);
    QTreeWidgetItem* lane = Node({kAdapter0, kVirtualAdapters, kLane0});
    View().SelectNode(lane);
    const QStringList before = Outline();
    m_editor.answer = false;
    for (int id : {ID_INSERT_ADAPTER, ID_INSERT_TRAFFIC_PROFILE, ID_INSERT_VIRTUAL_ADAPTER,
                   ID_INSERT_PVC, ID_INSERT_MAPPING}) {
        Trigger(id);
    }
    EXPECT_EQ(Outline(), before);
    EXPECT_EQ(View().CurrentNode(), lane);
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(EditCommandsTest, InsertWithTheRealSheetsConfirmedAndCancelled) {
    CAppServices real;  // the property sheets of the pages
    m_app =
        std::make_unique<CNetloomApp>(std::vector<std::string>{CopyExample().toStdString()}, real);
    ASSERT_TRUE(m_app->InitInstance());
    auto press = [](const QString& button) {
        return [button](QWidget* dialog) {
            for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
                if (b->text().remove('&') == button) {
                    b->click();
                    return;
                }
            }
            ADD_FAILURE() << "no button " << button.toStdString();
            static_cast<QDialog*>(dialog)->reject();
        };
    };
    View().SelectNode(Node({kAdapter1}));
    WhileModal([&] { Trigger(ID_INSERT_ADAPTER); }, press("Cancel"));
    EXPECT_EQ(Node({"Physical ATM Adapter 2"}), nullptr);
    EXPECT_FALSE(Doc().IsModified());
    WhileModal([&] { Trigger(ID_INSERT_ADAPTER); }, press("OK"));
    EXPECT_EQ(CurrentLabel(), QStringLiteral("Physical ATM Adapter 2"));
    EXPECT_TRUE(Doc().IsModified());

    View().SelectNode(Node({kAdapter1, kVirtualAdapters, kLane3}));
    WhileModal([&] { Trigger(ID_INSERT_PVC); }, press("OK"));
    EXPECT_EQ(View().CurrentKind(), 7);
    EXPECT_EQ(CurrentLabel(), QStringLiteral("Pvc 1: Vpi/Vci 0/32 - Data Direct"));
}

TEST_F(EditCommandsTest, DeleteKeyRemovesTheObjectWithEverythingBelowIt) {
    Open(false);
    QTreeWidgetItem* pvc = Node({kAdapter1, kVirtualAdapters, kRfc1483, kPvcs})->child(0);
    View().SelectNode(pvc);
    EXPECT_FALSE(Enabled(ID_INSERT_PVC));
    View().setFocus();
    QTest::keyClick(&View(), Qt::Key_Delete);
    EXPECT_EQ(Node({kAdapter1, kVirtualAdapters, kRfc1483, kPvcs})->childCount(), 0);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_TRUE(Messages().isEmpty()) << "no confirmation";
    EXPECT_NE(View().CurrentNode(), nullptr);
    EXPECT_EQ(Doc().m_pCurPvc, nullptr);
    EXPECT_TRUE(Enabled(ID_INSERT_PVC)) << "the RFC 1483 adapter may take a PVC again";

    View().SelectNode(Node({kAdapter0}));
    QTest::keyClick(&View(), Qt::Key_Delete);
    // Adapter 1 is now adapter 0 and its virtual adapters are numbered from 0.
    EXPECT_EQ(Outline(true),
              (QStringList{"0 0 " + App().DocManager().PathName(), "1 1 " + kAdapter0,
                           "2 4 " + kVirtualAdapters,
                           "3 5 Virtual Adapter 0 - Token-Ring MultiProtocolEncapsulation",
                           "4 6 " + kPvcs,  // opened when its PVC was selected
                           "3 5 Virtual Adapter 1 - Token-Ring LanEmulation"}));
    EXPECT_EQ(Doc().Cfgfile().Adapters.size(), 1u);
    // The selection context follows the tree's new selection.
    EXPECT_EQ(Doc().m_pCurAdapter == nullptr, View().CurrentKind() == 0);
}

TEST_F(EditCommandsTest, EditsInALargeConfigurationTouchSingleNodes) {
    // 20 adapters with 50 virtual adapters of 20 PVCs each: over 20 000 nodes.
    QByteArray text;
    for (int a = 0; a < 20; ++a) {
        text += "DefineAdapter\r\n";
        for (int v = 0; v < 50; ++v)
            text += "    DefineVirtualAdapter LanEmulation\r\n    EndVirtualAdapter\r\n";
        for (int v = 0; v < 50; ++v) {
            for (int p = 0; p < 20; ++p) {
                text += "    DefinePvc\r\n        UserInstance " + QByteArray::number(a * 50 + v) +
                        "\r\n        Vci " + QByteArray::number(40 + p) + "\r\n    EndPvc\r\n";
            }
        }
        text += "EndAdapter\r\n";
    }
    QFile file(TempPath("large.cfg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    ASSERT_TRUE(Start({TempPath("large.cfg")}));
    const std::string opened = Doc().ConfigurationText();
    QElapsedTimer timer;
    timer.start();
    View().SelectNode(Node({kAdapter0}));
    Trigger(ID_EDIT_DELETE);  // renumbers and relabels the 950 virtual adapters that remain
    View().SelectNode(Node({kAdapter0, kVirtualAdapters})->child(0));
    Trigger(ID_INSERT_PVC);
    QApplication::processEvents();
    EXPECT_LT(timer.elapsed(), 3000) << "each edit must not measure the whole tree again";
    EXPECT_EQ(Node({kAdapter0, kVirtualAdapters})->child(0)->text(0),
              QStringLiteral("Virtual Adapter 0 - Ethernet LanEmulation"));

    // Undoing both brings the first adapter back with its 1050 objects, as quickly.
    timer.restart();
    Trigger(ID_EDIT_UNDO);
    Trigger(ID_EDIT_UNDO);
    QApplication::processEvents();
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(Node({})->childCount(), 20);
    EXPECT_EQ(Doc().ConfigurationText(), opened);
}

TEST_F(EditCommandsTest, PropertiesRelabelsOnlyTheEditedNode) {
    Open(false);
    QTreeWidgetItem* pvc = Node({kAdapter0, kVirtualAdapters, kLane0, kPvcs})->child(0);
    View().SelectNode(pvc);
    View().setFocus();
    m_editor.change = [](CDocObject& object) { static_cast<C_Doc_Pvc&>(object).Vci = 99; };
    QTest::keyClick(&View(), Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(m_editor.edited, std::vector<std::string>{"pvc"});
    EXPECT_EQ(pvc->text(0), QStringLiteral("Pvc 0: Vpi/Vci 0/99 - ControlDirect"));
    EXPECT_TRUE(Doc().IsModified());

    // Cancel changes nothing; confirming without a change still marks the document modified.
    Doc().SetModifiedFlag(false);
    m_editor.change = nullptr;
    m_editor.answer = false;
    Trigger(ID_EDIT_PROPERTIES);
    EXPECT_FALSE(Doc().IsModified());
    m_editor.answer = true;
    Trigger(ID_EDIT_PROPERTIES);
    EXPECT_TRUE(Doc().IsModified());

    // A group has no properties: the accelerator does nothing.
    View().SelectNode(pvc->parent());
    m_editor.edited.clear();
    QTest::keyClick(&View(), Qt::Key_Return, Qt::AltModifier);
    EXPECT_TRUE(m_editor.edited.empty());
}

// Renumbering gives a node its label again only when the label changed since the node was last
// given one; a label that changes and changes back must still reach the tree both times.
TEST_F(EditCommandsTest, RenumberingBringsOtherNodesUpToDateBothWays) {
    Open(false);
    QTreeWidgetItem* lane = Node({kAdapter0, kVirtualAdapters, kLane0});
    QTreeWidgetItem* pvc = Node({kAdapter0, kVirtualAdapters, kLane0, kPvcs})->child(0);
    const QString withType = QStringLiteral("Pvc 0: Vpi/Vci 0/100 - ControlDirect");
    ASSERT_EQ(pvc->text(0), withType);
    const auto setType = [this, lane](int32_t type) {
        View().SelectNode(lane);
        m_editor.change = [type](CDocObject& object) {
            static_cast<C_Doc_Elan&>(object).Type = type;
        };
        Trigger(ID_EDIT_PROPERTIES);
        m_editor.change = nullptr;
    };
    const auto renumber = [this, lane] {
        View().SelectNode(lane);
        Trigger(ID_INSERT_PVC);
        Trigger(ID_EDIT_UNDO);
    };
    // The PVC's label names its owner's type only for LAN emulation.
    setType(ELAN_CLASSICAL_IP);
    EXPECT_EQ(pvc->text(0), withType) << "only the edited node is relabelled";
    renumber();
    EXPECT_EQ(pvc->text(0), QStringLiteral("Pvc 0: Vpi/Vci 0/100"));
    setType(ELAN_LANE);
    renumber();
    EXPECT_EQ(pvc->text(0), withType);
}

TEST_F(EditCommandsTest, CancelledNewLeavesAnEmptyConsistentDocument) {
    Open(false);
    View().SelectNode(Node({kAdapter0, kVirtualAdapters, kLane0}));
    m_editor.answer = false;
    Trigger(ID_FILE_NEW);
    EXPECT_EQ(Outline(), QStringList{QStringLiteral("0 0 Untitled")});
    EXPECT_EQ(View().CurrentNode(), View().RootNode());
    EXPECT_EQ(Doc().m_pCurAdapter, nullptr);
    EXPECT_EQ(Doc().m_pCurElan, nullptr);
    EXPECT_TRUE(Doc().Cfgfile().Adapters.empty());
    EXPECT_EQ(Caption(), QStringLiteral("Untitled - Netloom"));
    EXPECT_FALSE(Enabled(ID_EDIT_DELETE));

    m_editor.answer = true;
    Trigger(ID_INSERT_ADAPTER);
    EXPECT_EQ(Outline(true),
              (QStringList{"0 0 Untitled", "1 1 " + kAdapter0, "2 4 " + kVirtualAdapters}));
}

// Undo and Redo name the step they would take, bring back the tree as it was with the
// object's node selected, and work from the keyboard with the tree focused.
TEST_F(EditCommandsTest, UndoAndRedoRestoreTheTreeAndNameTheStep) {
    Open(true);
    const QStringList opened = Outline();
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    EXPECT_FALSE(Enabled(ID_EDIT_REDO));
    EXPECT_EQ(Action(ID_EDIT_UNDO)->text(), "&Undo");
    EXPECT_EQ(Action(ID_EDIT_REDO)->text(), "&Redo");
    EXPECT_EQ(Action(ID_EDIT_UNDO)->statusTip(), "Undo the last action");
    EXPECT_EQ(Action(ID_EDIT_REDO)->statusTip(), "Redo the previously undone action");
    const auto undoText = [this] {
        Enabled(ID_EDIT_UNDO);  // brings the texts up to date, as opening the menu does
        return Action(ID_EDIT_UNDO)->text();
    };
    const auto redoText = [this] {
        Enabled(ID_EDIT_REDO);
        return Action(ID_EDIT_REDO)->text();
    };
    View().setFocus();
    const auto keys = [this](Qt::KeyboardModifiers modifiers, Qt::Key key) {
        QTest::keyClick(&View(), key, modifiers);
    };

    // The first of a list's objects comes back first, with everything under it.
    View().SelectNode(Node({kAdapter0, kVirtualAdapters, kLane0}));
    Trigger(ID_EDIT_DELETE);
    const QStringList deleted = Outline();
    EXPECT_EQ(undoText(), "&Undo Delete " + kLane0 + "\tCtrl+Z");
    keys(Qt::ControlModifier, Qt::Key_Z);
    EXPECT_EQ(Outline(), opened);
    EXPECT_EQ(CurrentLabel(), kLane0);
    EXPECT_FALSE(Doc().IsModified()) << "back where the file was read";
    EXPECT_EQ(redoText(), "&Redo Delete " + kLane0 + "\tCtrl+Y");
    keys(Qt::ControlModifier, Qt::Key_Y);
    EXPECT_EQ(Outline(), deleted);
    EXPECT_TRUE(Doc().IsModified());
    keys(Qt::ControlModifier, Qt::Key_Z);

    // An undone insert selects the owner; Ctrl+Shift+Z inserts the same PVC again.
    View().SelectNode(Node({kAdapter1, kVirtualAdapters, kLane3}));
    Trigger(ID_INSERT_PVC);
    const QStringList inserted = Outline();
    EXPECT_EQ(undoText(), "&Undo Insert PVC\tCtrl+Z");
    keys(Qt::ControlModifier, Qt::Key_Z);
    EXPECT_EQ(Outline(), opened);
    EXPECT_EQ(CurrentLabel(), kLane3);
    keys(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
    EXPECT_EQ(Outline(), inserted);
    EXPECT_EQ(CurrentLabel(), "Pvc 1: Vpi/Vci 0/32 - Data Direct");

    // Properties: the label before and after, the node selected again.
    QTreeWidgetItem* pvc = Node({kAdapter0, kVirtualAdapters, kLane0, kPvcs})->child(0);
    const QString label = pvc->text(0);
    View().SelectNode(pvc);
    m_editor.change = [](CDocObject& object) { static_cast<C_Doc_Pvc&>(object).Vci = 99; };
    Trigger(ID_EDIT_PROPERTIES);
    const QString changed = pvc->text(0);
    ASSERT_NE(changed, label);
    EXPECT_EQ(undoText(), "&Undo Properties of " + label + "\tCtrl+Z");
    View().SelectNode(View().RootNode());
    keys(Qt::ControlModifier, Qt::Key_Z);
    EXPECT_EQ(pvc->text(0), label);
    EXPECT_EQ(View().CurrentNode(), pvc);
    keys(Qt::ControlModifier, Qt::Key_Y);
    EXPECT_EQ(pvc->text(0), changed);
    EXPECT_FALSE(Enabled(ID_EDIT_REDO));
    EXPECT_TRUE(Messages().isEmpty()) << Messages().join('|').toStdString();
}

}  // namespace
}  // namespace netloom::test
