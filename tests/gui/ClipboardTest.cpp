// Cut, Copy and Paste through the main window's commands, and dragging objects over the tree:
// what lands where, what Paste offers, and what a damaged block does.

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <ctime>

#include "clip/ClipObject.h"
#include "doc/CommandIds.h"
#include "doc/NetloomDoc.h"
#include "gui/GuiTestSupport.h"
#include "view/NetloomView.h"

namespace netloom::test {
namespace {

const QString kProfiles = QStringLiteral("Traffic Profiles");
const QString kTp0 = QStringLiteral("Tp0: UBR (Best Effort), PCR 155 Mbps");
const QString kCip1 = QStringLiteral("Virtual Adapter 1 - ClassicalIp (As Token-Ring NIC)");

class ClipboardTest : public NetloomTest {
  protected:
    void Open() {
        CNetloomApp::Settings()->setValue("Options/DisplayTrafficProfiles", 1);
        ASSERT_TRUE(Start({CopyExample()}));
        QApplication::clipboard()->clear();
    }
    void Select(const QStringList& labels) {
        QTreeWidgetItem* node = Node(labels);
        ASSERT_NE(node, nullptr) << labels.join('/').toStdString();
        View().SelectNode(node);
    }
    QStringList Labels(const QStringList& labels) {
        QStringList out;
        QTreeWidgetItem* node = Node(labels);
        for (int i = 0; node && i < node->childCount(); ++i)
            out << node->child(i)->text(0);
        return out;
    }
    QString CurrentLabel() {
        return View().CurrentNode() ? View().CurrentNode()->text(0) : QString();
    }
    QByteArray ClipboardBlock() {
        const QMimeData* mime = QApplication::clipboard()->mimeData();
        return mime ? mime->data(CNetloomView::kClipboardFormat) : QByteArray();
    }
};

TEST_F(ClipboardTest, CopiedObjectsPasteWhereTheirKindBelongs) {
    Open();
    // A profile pasted beside itself: an identical second one at the end, selected.
    Select({kAdapter0, kProfiles, kTp0});
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE)) << "nothing on the clipboard yet";
    Trigger(ID_EDIT_COPY);
    EXPECT_EQ(ClipboardBlock().left(2), QByteArray("\x03\x00", 2));
    EXPECT_FALSE(Doc().IsModified());
    ASSERT_TRUE(Enabled(ID_EDIT_PASTE));
    Trigger(ID_EDIT_PASTE);
    EXPECT_EQ(Labels({kAdapter0, kProfiles}).size(), 4);
    EXPECT_EQ(Labels({kAdapter0, kProfiles}).last(), "Tp3: UBR (Best Effort), PCR 155 Mbps");
    EXPECT_EQ(CurrentLabel(), "Tp3: UBR (Best Effort), PCR 155 Mbps");
    EXPECT_TRUE(Doc().IsModified());

    // The root takes adapters only.
    Select({});
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE)) << "a traffic profile at the root";
    EXPECT_FALSE(Enabled(ID_EDIT_COPY)) << "the configuration itself";
    Select({kAdapter0});
    Trigger(ID_EDIT_COPY);
    Select({});
    ASSERT_TRUE(Enabled(ID_EDIT_PASTE));
    Trigger(ID_EDIT_PASTE);
    EXPECT_EQ(CurrentLabel(), "Physical ATM Adapter 2");
    EXPECT_EQ(Labels({"Physical ATM Adapter 2", kProfiles}).size(), 4);
    EXPECT_EQ(Labels({"Physical ATM Adapter 2", kVirtualAdapters}),
              (QStringList{"Virtual Adapter 4 - Ethernet LanEmulation",
                           "Virtual Adapter 5 - ClassicalIp (As Token-Ring NIC)"}));

    // A virtual adapter pasted with a PVC selected goes to the adapter owning that PVC.
    Select({kAdapter0, kVirtualAdapters, kCip1});
    Trigger(ID_EDIT_COPY);
    Select({kAdapter1, kVirtualAdapters, kRfc1483, kPvcs, "Pvc 0: Vpi/Vci 1/33"});
    ASSERT_TRUE(Enabled(ID_EDIT_PASTE));
    Trigger(ID_EDIT_PASTE);
    EXPECT_EQ(Labels({kAdapter1, kVirtualAdapters}).size(), 3);
    EXPECT_EQ(Doc().Cfgfile().Adapters.at(1)->VirtualAdapters.back()->Pvcs.size(), 1u);

    // A PVC does not go under a traffic profile, but an RFC 1483 adapter with one takes another.
    Select({kAdapter0, kVirtualAdapters, kLane0, kPvcs, "Pvc 0: Vpi/Vci 0/100 - ControlDirect"});
    Trigger(ID_EDIT_COPY);
    Select({kAdapter0, kProfiles, kTp0});
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
    EXPECT_FALSE(App().Commands().Execute(ID_EDIT_PASTE));
    Select({kAdapter1, kVirtualAdapters, kRfc1483});
    EXPECT_FALSE(Enabled(ID_INSERT_PVC));
    ASSERT_TRUE(Enabled(ID_EDIT_PASTE));
    Trigger(ID_EDIT_PASTE);
    EXPECT_EQ(Labels({kAdapter1, kVirtualAdapters, kRfc1483, kPvcs}).size(), 2);
    EXPECT_TRUE(Messages().isEmpty()) << Messages().join('|').toStdString();

    // What was pasted is saved like everything else and reads back the same.
    const std::string text = Doc().ConfigurationText();
    CNetloomDoc reopened;
    reopened.ReadText(text, nullptr);
    reopened.Renumber();
    EXPECT_EQ(reopened.ConfigurationText(), text);
}

TEST_F(ClipboardTest, AcceleratorsWorkWithTheTreeFocused) {
    Open();
    App().MainFrame()->show();
    QApplication::setActiveWindow(App().MainFrame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(App().MainFrame()));
    View().setFocus();
    Select({kAdapter1, kVirtualAdapters, kLane3});
    // The tree's own Ctrl+C would put the label there as text; the command puts the object.
    QTest::keyClick(&View(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ClipboardBlock().left(2), QByteArray("\x05\x00", 2));
    QTest::keyClick(&View(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Labels({kAdapter1, kVirtualAdapters}).size(), 3);
    QTest::keyClick(&View(), Qt::Key_Delete, Qt::ShiftModifier);  // cut the pasted copy
    EXPECT_EQ(Labels({kAdapter1, kVirtualAdapters}).size(), 2);
    Select({kAdapter0});
    QTest::keyClick(&View(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Labels({kAdapter0, kVirtualAdapters}).size(), 3);
    EXPECT_EQ(CurrentLabel(), "Virtual Adapter 2 - Token-Ring LanEmulation") << "the pasted copy";
    QApplication::clipboard()->clear();
    Select({kAdapter0});
    QTest::keyClick(&View(), Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(ClipboardBlock().left(2), QByteArray("\x01\x00", 2));
}

TEST_F(ClipboardTest, CutRemovesAtOnceAndPasteBringsBackAnEqualObject) {
    Open();
    Select({kAdapter0, kVirtualAdapters, kLane0});
    const std::string before = Doc().ConfigurationText();
    Trigger(ID_EDIT_CUT);
    EXPECT_EQ(Labels({kAdapter0, kVirtualAdapters}),
              QStringList{"Virtual Adapter 0 - ClassicalIp (As Token-Ring NIC)"});
    EXPECT_TRUE(Doc().IsModified());

    Select({kAdapter0, kVirtualAdapters});
    ASSERT_TRUE(Enabled(ID_EDIT_PASTE));
    Trigger(ID_EDIT_PASTE);
    EXPECT_EQ(Labels({kAdapter0, kVirtualAdapters}),
              (QStringList{"Virtual Adapter 0 - ClassicalIp (As Token-Ring NIC)",
                           "Virtual Adapter 1 - Ethernet LanEmulation"}));
    EXPECT_EQ(Labels({kAdapter0, kVirtualAdapters, "Virtual Adapter 1 - Ethernet LanEmulation",
                      "Traffic Profile Mappings"})
                  .size(),
              2);
    // The same settings, only in another place: the text differs but keeps its length.
    EXPECT_EQ(Doc().ConfigurationText().size(), before.size());
}

TEST_F(ClipboardTest, DamagedOrForeignClipboardData) {
    Open();
    // Text put there by another program stays beside a copied object.
    QApplication::clipboard()->setText(QStringLiteral("from a terminal"));
    Select({kAdapter1});
    Trigger(ID_EDIT_COPY);
    EXPECT_EQ(QApplication::clipboard()->text(), "from a terminal");
    EXPECT_EQ(ClipboardBlock().left(2), QByteArray("\x01\x00", 2));

    // A block that ends early: Paste is offered by its kind, but reading it fails and the
    // user is told; nothing is inserted.
    auto* mime = new QMimeData;
    mime->setData(CNetloomView::kClipboardFormat, ClipboardBlock().left(40));
    QApplication::clipboard()->setMimeData(mime);
    Select({});
    const QStringList before = Outline();
    ASSERT_TRUE(Enabled(ID_EDIT_PASTE));
    Trigger(ID_EDIT_PASTE);
    EXPECT_EQ(Outline(), before);
    ASSERT_EQ(Messages().size(), 1);
    EXPECT_TRUE(Messages().at(0).startsWith("The object on the Clipboard is damaged"));
    EXPECT_FALSE(Doc().IsModified());

    // A kind that names no object the document takes: nothing happens.
    mime = new QMimeData;
    mime->setData(CNetloomView::kClipboardFormat, QByteArray("\x02\x00", 2));
    QApplication::clipboard()->setMimeData(mime);
    Select({kAdapter0, kVirtualAdapters, kLane0});
    ASSERT_TRUE(Enabled(ID_EDIT_PASTE));
    Trigger(ID_EDIT_PASTE);
    EXPECT_EQ(Outline(), before);
    EXPECT_FALSE(Doc().IsModified());
}

// A block of one adapter with profiles traffic profiles and one virtual adapter holding pvcs
// PVCs, as another program may put it on the clipboard.
QByteArray LargeAdapterBlock(int profiles, int pvcs) {
    C_Doc_Adapter adapter;
    for (int i = 0; i < profiles; ++i)
        adapter.TrafficProfiles.push_back(std::make_unique<C_Doc_TrafficProfile>());
    auto elan = std::make_unique<C_Doc_Elan>(ELAN_CLASSICAL_IP);
    for (int i = 0; i < pvcs; ++i) {
        elan->Pvcs.push_back(std::make_unique<C_Doc_Pvc>());
        elan->Pvcs.back()->Vci = 32 + i;
    }
    elan->Mappings.push_back(std::make_unique<C_Doc_TpMapping>());
    adapter.VirtualAdapters.push_back(std::move(elan));
    CClipObject clip(adapter, DOC_TYPE_ADAPTER);
    const std::vector<uint8_t> block = clip.Write();
    return QByteArray(reinterpret_cast<const char*>(block.data()),
                      static_cast<qsizetype>(block.size()));
}

TEST_F(ClipboardTest, PastingALargeBlockCostsInProportionToIt) {
    Open();
    App().MainFrame()->show();
    // Milliseconds to paste a block with n profiles and n / 4 PVCs, and then to save it; a
    // block of 32000 profiles is about 1 MB. Each paste is undone again, so that every
    // measurement starts from the same document.
    const auto pasteAndSave = [this](int n) {
        auto* mime = new QMimeData;
        mime->setData(CNetloomView::kClipboardFormat, LargeAdapterBlock(n, n / 4));
        QApplication::clipboard()->setMimeData(mime);
        Select({});
        // Processor time of this program: other tests running beside it do not count.
        const std::clock_t start = std::clock();
        Trigger(ID_EDIT_PASTE);
        QApplication::processEvents();
        Trigger(ID_FILE_SAVE);
        const qint64 spent = static_cast<qint64>((std::clock() - start) * 1000 / CLOCKS_PER_SEC);
        Trigger(ID_EDIT_UNDO);
        return spent;
    };
    // The best of two runs each, so that a stall of the machine is not taken for the cost.
    const qint64 small = std::max<qint64>(std::min(pasteAndSave(8000), pasteAndSave(8000)), 10);
    const qint64 large = std::min(pasteAndSave(32000), pasteAndSave(32000));
    EXPECT_LT(large, 6 * small) << small << " ms for 8000 profiles, " << large << " for 32000";
    EXPECT_TRUE(Messages().isEmpty()) << Messages().join('|').toStdString();
    Trigger(ID_EDIT_REDO);
    ASSERT_EQ(Doc().Cfgfile().Adapters.size(), 3u);
    EXPECT_EQ(Doc().Cfgfile().Adapters.back()->TrafficProfiles.size(), 32000u);
    Trigger(ID_EDIT_UNDO);

    // Adding a subtree selects each node on the way in turn; what that leaves expanded and
    // selected is the same however large the block.
    auto* mime = new QMimeData;
    mime->setData(CNetloomView::kClipboardFormat, LargeAdapterBlock(2, 2));
    QApplication::clipboard()->setMimeData(mime);
    Select({});
    Trigger(ID_EDIT_PASTE);
    const QStringList outline = Outline(true);
    EXPECT_EQ(
        outline.mid(outline.indexOf(QRegularExpression("^1 1 Physical ATM Adapter 2$"))),
        (QStringList{"1 1 Physical ATM Adapter 2", "2 2 Traffic Profiles", "2 4 Virtual Adapters",
                     "3 5 Virtual Adapter 4 - ClassicalIp (As Token-Ring NIC)",
                     "4 6 Permanent Virtual Connections", "4 8 Traffic Profile Mappings"}));
    EXPECT_EQ(CurrentLabel(), "Physical ATM Adapter 2");
}

// Drag events as the window system delivers them to the tree, with the data another view wrote.
class DragTest : public ClipboardTest {
  protected:
    QMimeData* BlockOf(const QStringList& labels) {
        Select(labels);
        Trigger(ID_EDIT_COPY);
        auto* mime = new QMimeData;
        mime->setData(CNetloomView::kClipboardFormat, ClipboardBlock());
        m_mime.reset(mime);
        return mime;
    }
    QPoint On(const QStringList& labels) { return View().visualItemRect(Node(labels)).center(); }
    QPoint Empty() { return QPoint(5, View().viewport()->height() - 3); }
    // Enter at from, move to to; the action accepted there (IgnoreAction when refused).
    Qt::DropAction DragOver(QPoint from, QPoint to, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QDragEnterEvent enter(from, Qt::CopyAction | Qt::MoveAction, m_mime.get(), Qt::LeftButton,
                              keys);
        QApplication::sendEvent(View().viewport(), &enter);
        if (!enter.isAccepted()) return Qt::IgnoreAction;
        QDragMoveEvent move(to, Qt::CopyAction | Qt::MoveAction, m_mime.get(), Qt::LeftButton,
                            keys);
        QApplication::sendEvent(View().viewport(), &move);
        return move.isAccepted() ? move.dropAction() : Qt::IgnoreAction;
    }
    bool Drop(QPoint at) {
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, m_mime.get(), Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(View().viewport(), &drop);
        return drop.isAccepted();
    }
    std::unique_ptr<QMimeData> m_mime;
};

TEST_F(DragTest, TheNodeUnderThePointerDecidesAndIsSelected) {
    Open();
    View().resize(400, 900);
    BlockOf({kAdapter0, kProfiles, kTp0});
    // Empty space targets the root, which takes adapters only.
    EXPECT_EQ(DragOver(On({kAdapter1}), Empty()), Qt::IgnoreAction);
    EXPECT_EQ(View().CurrentKind(), 0);
    EXPECT_FALSE(Drop(Empty()));
    // Over another adapter a copy is offered, and the selection follows the pointer.
    EXPECT_EQ(DragOver(Empty(), On({kAdapter1})), Qt::CopyAction);
    EXPECT_EQ(View().CurrentNode(), Node({kAdapter1}));
    EXPECT_EQ(DragOver(On({kAdapter1}), On({kAdapter1}), Qt::ControlModifier), Qt::CopyAction)
        << "the move effect belongs to drags that started in this view";
    ASSERT_TRUE(Drop(On({kAdapter1})));
    EXPECT_EQ(Labels({kAdapter1, kProfiles}), QStringList{"Tp0: UBR (Best Effort), PCR 155 Mbps"});
    EXPECT_EQ(Labels({kAdapter0, kProfiles}).size(), 3) << "the dragged profile stays";
    EXPECT_TRUE(Doc().IsModified());

    // A mouse drag that begins on another node carries the selected profile, and the selection
    // stays on it however the pointer moves on with the button down.
    QTreeWidgetItem* profile = Node({kAdapter0, kProfiles, kTp0});
    View().SelectNode(profile);
    const QPoint from = On({kAdapter1});
    const auto mouse = [this](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, View().viewport()->mapToGlobal(at), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(View().viewport(), &event);
    };
    mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int dy : {20, 30})
        mouse(QEvent::MouseMove, from + QPoint(0, dy), Qt::LeftButton);
    mouse(QEvent::MouseMove, On({kAdapter0}), Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, On({kAdapter0}), Qt::NoButton);
    EXPECT_EQ(View().CurrentNode(), profile);

    // The other program offered the object while the drag moved, but its data did not come
    // with the drop: the user is told, and nothing is inserted.
    BlockOf({kAdapter1});
    ASSERT_EQ(DragOver(On({kAdapter1}), Empty()), Qt::CopyAction);
    const QStringList before = Outline();
    m_mime = std::make_unique<QMimeData>();
    m_mime->setData(CNetloomView::kClipboardFormat, QByteArray());
    EXPECT_FALSE(Drop(Empty()));
    EXPECT_EQ(Outline(), before);
    EXPECT_EQ(Messages(),
              QStringList{"The object could not be taken over from the other program."});

    // Data of another format is not taken at all.
    m_mime = std::make_unique<QMimeData>();
    m_mime->setText(QStringLiteral("text"));
    EXPECT_EQ(DragOver(On({kAdapter1}), On({kAdapter1})), Qt::IgnoreAction);
    EXPECT_FALSE(Drop(On({kAdapter1})));
}

}  // namespace
}  // namespace netloom::test
