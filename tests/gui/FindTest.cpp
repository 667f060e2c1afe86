// Edit > Find as a user works it: Ctrl+F, typing, F3 and Shift+F3 (also from the tree), the
// buttons and Escape, over the bundled example.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/MainFrame.h"
#include "doc/CommandIds.h"
#include "gui/GuiTestSupport.h"
#include "view/FindBar.h"
#include "view/NetloomView.h"

namespace netloom::test {
namespace {

class FindTest : public NetloomTest {
  protected:
    void SetUp() override {
        NetloomTest::SetUp();
        ASSERT_TRUE(Start({CopyExample()}));
        App().MainFrame()->show();
        QApplication::setActiveWindow(App().MainFrame());
        ASSERT_TRUE(QTest::qWaitForWindowActive(App().MainFrame()));
        View().setFocus();
    }
    CFindBar& Bar() { return *App().MainFrame()->FindBar(); }
    // Keys go where the keyboard is, as they do for a user.
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    static void Type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
    QString Current() { return View().CurrentNode() ? View().CurrentNode()->text(0) : QString(); }
    void Click(const QString& button) {
        for (QPushButton* b : Bar().findChildren<QPushButton*>()) {
            if (b->text() == button) QTest::mouseClick(b, Qt::LeftButton);
        }
    }
};

TEST_F(FindTest, TypingFindsThroughLabelsAndValues) {
    Press(Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(Bar().isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Bar().Field());

    // A PVC by the VPI/VCI of its label, inside a collapsed group; more letters keep it.
    Type("0/10");
    EXPECT_EQ(Current(), "Pvc 0: Vpi/Vci 0/100 - ControlDirect");
    EXPECT_TRUE(View().CurrentNode()->parent()->isExpanded());
    Type("0");
    EXPECT_EQ(Current(), "Pvc 0: Vpi/Vci 0/100 - ControlDirect");
    EXPECT_EQ(Bar().Message(), "");

    // Values as the file shows them: an IP address (found in the virtual adapter's
    // 192.168.40.17, then F3 in the PVC's own), an enumeration word, part of an ATM address.
    Press(Qt::Key_A, Qt::ControlModifier);
    Type("192.168.40.1");
    EXPECT_EQ(Current(), "Virtual Adapter 1 - ClassicalIp (As Token-Ring NIC)");
    Press(Qt::Key_F3);
    EXPECT_EQ(Current(), "Pvc 1: Vpi/Vci 0/200");
    Press(Qt::Key_A, Qt::ControlModifier);
    Type("3C 03");
    EXPECT_EQ(Current(), kRfc1483);
    Press(Qt::Key_A, Qt::ControlModifier);
    Type("engineering");
    EXPECT_EQ(Current(), kLane0) << "from the bottom on, typing wraps to the top";
    EXPECT_EQ(QApplication::focusWidget(), Bar().Field());

    // Nothing: said in the bar, and the selection stays.
    Type("-x");
    EXPECT_EQ(Bar().Message(), "No match");
    EXPECT_EQ(Current(), kLane0);

    // Escape gives the keyboard back to the tree; Ctrl+F brings the text back, selected.
    Press(Qt::Key_Escape);
    EXPECT_FALSE(Bar().isVisible());
    EXPECT_EQ(QApplication::focusWidget(), &View());
    Press(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(Bar().Field()->selectedText(), "engineering-x");
    Type("token-ring");
    EXPECT_EQ(Current(), "Virtual Adapter 1 - ClassicalIp (As Token-Ring NIC)")
        << "the next match from the current node on";
}

TEST_F(FindTest, HiddenProfilesAreCountedAndTheSearchWrapsBothWays) {
    Press(Qt::Key_F, Qt::ControlModifier);
    Type("QOS");
    EXPECT_EQ(Bar().Message(), "No match; 3 more matches among the hidden traffic profiles");
    EXPECT_EQ(View().CurrentNode(), View().RootNode());

    // "mbps": the second adapter's line rate, and two of the hidden profiles' rates.
    Press(Qt::Key_A, Qt::ControlModifier);
    Type("mbps");
    EXPECT_EQ(Current(), kAdapter1);
    EXPECT_EQ(Bar().Message(), "2 more matches among the hidden traffic profiles");
    Press(Qt::Key_F3);
    EXPECT_EQ(Current(), kAdapter1);
    EXPECT_EQ(Bar().Message(),
              "Search continued from the top; 2 more matches among the hidden traffic profiles");

    // Shown, the profiles are found in tree order; F3 and Shift+F3 work from the tree too.
    Trigger(ID_VIEW_TRAFFIC_PROFILES);
    View().setFocus();
    Press(Qt::Key_F3);
    EXPECT_EQ(Current(), "Tp0: UBR (Best Effort), PCR 155 Mbps");
    EXPECT_EQ(Bar().Message(), "");
    Click("Next");
    EXPECT_EQ(Current(), "Tp2: VBR (No Clp), PCR 10 Mbps, SCR 5 Mbps, Burst 100 cells");
    Press(Qt::Key_F3);
    EXPECT_EQ(Current(), kAdapter1);
    Press(Qt::Key_F3);
    EXPECT_EQ(Current(), "Tp0: UBR (Best Effort), PCR 155 Mbps");
    EXPECT_EQ(Bar().Message(), "Search continued from the top");
    Press(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(Current(), kAdapter1);
    EXPECT_EQ(Bar().Message(), "Search continued from the bottom");
    Click("Previous");
    EXPECT_EQ(Current(), "Tp2: VBR (No Clp), PCR 10 Mbps, SCR 5 Mbps, Burst 100 cells");
    EXPECT_EQ(QApplication::focusWidget(), &View());

    // Closed, the bar's keys are gone.
    Press(Qt::Key_F, Qt::ControlModifier);
    Press(Qt::Key_Escape);
    Press(Qt::Key_F3);
    EXPECT_EQ(Current(), "Tp2: VBR (No Clp), PCR 10 Mbps, SCR 5 Mbps, Burst 100 cells");
}

}  // namespace
}  // namespace netloom::test
