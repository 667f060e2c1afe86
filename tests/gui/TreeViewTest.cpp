// The tree as a user sees it: what an opened file shows, what is expanded and selected, and
// what selecting, right-clicking, double-clicking and the View toggles do.

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QMenu>
#include <QProxyStyle>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QStyledItemDelegate>
#include <QTest>
#include <climits>
#include <cmath>
#include <cstring>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include "ConfigGenerator.h"
#include "app/MainFrame.h"
#include "doc/Adapter.h"
#include "doc/CommandIds.h"
#include "doc/Pvc.h"
#include "doc/TreeOutline.h"
#include "doc/UserOptions.h"
#include "gui/GuiTestSupport.h"
#include "view/ItemRoom.h"
#include "view/NetloomView.h"
#include "view/TextWidths.h"

namespace netloom::test {
namespace {

class TreeViewTest : public NetloomTest {
  protected:
    void Open() {
        m_path = CopyExample();
        ASSERT_TRUE(Start({m_path}));
    }
    // Every node as the document's outline has it.
    QStringList DocumentOutline(bool profiles) {
        QStringList expected;
        for (const TreeOutlineNode& node :
             BuildTreeOutline(Doc().Cfgfile(), m_path.toStdString(), profiles)) {
            expected << QStringLiteral("%1 %2 %3")
                            .arg(node.depth)
                            .arg(node.kind)
                            .arg(QString::fromStdString(node.label));
        }
        return expected;
    }
    QPoint LabelPoint(QTreeWidgetItem* item) {
        const QRect rect = View().visualItemRect(item);
        return QPoint(rect.left() + 30, rect.center().y());
    }
    // A double click as the window system delivers it: the first click, then the second.
    void DoubleClick(QTreeWidgetItem* item) {
        const QPoint pos = LabelPoint(item);
        QTest::mouseClick(View().viewport(), Qt::LeftButton, {}, pos);
        QTest::mouseDClick(View().viewport(), Qt::LeftButton, {}, pos);
        QApplication::processEvents();
    }
    void RightClick(const QPoint& pos) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, View().viewport()->mapToGlobal(pos));
        QApplication::sendEvent(View().viewport(), &event);
        QApplication::processEvents();
    }
    QString m_path;
};

TEST_F(TreeViewTest, OpenedFileShowsItsObjectsUnderTheFullPath) {
    Open();
    EXPECT_EQ(Caption(), QStringLiteral("ka-210x.cfg - Netloom"));
    // Profiles hidden: a fresh user's default.
    EXPECT_EQ(Outline(), DocumentOutline(false));
    EXPECT_EQ(Outline().value(0), QStringLiteral("0 0 ") + m_path);
    EXPECT_TRUE(Outline().contains(QStringLiteral("5 7 Pvc 0: Vpi/Vci 0/100 - ControlDirect")));

    // Root, adapters and their "Virtual Adapters" groups are open; virtual adapters are not.
    EXPECT_EQ(
        Outline(true),
        (QStringList{QStringLiteral("0 0 ") + m_path, "1 1 " + kAdapter0, "2 4 " + kVirtualAdapters,
                     "3 5 " + kLane0,
                     QStringLiteral("3 5 Virtual Adapter 1 - ClassicalIp (As Token-Ring NIC)"),
                     "1 1 " + kAdapter1, "2 4 " + kVirtualAdapters, "3 5 " + kRfc1483,
                     QStringLiteral("3 5 Virtual Adapter 3 - Token-Ring LanEmulation")}));
    EXPECT_EQ(View().CurrentNode(), View().RootNode());
    EXPECT_EQ(Doc().m_pCurAdapter, nullptr);
    EXPECT_FALSE(View().rootIsDecorated()) << "the root must have no button to collapse it";
}

// Enough adapters that the tree is built in several batches, the last one short.
TEST_F(TreeViewTest, ManyAdaptersShowTheDocumentsOutlineHoweverTheirNodesAreMade) {
    bench::CGeneratedCounts counts;
    const std::string text = bench::GenerateConfigurationOfObjects(150 * 26, 5, &counts);
    ASSERT_GT(counts.adapters, 140u);
    // A path of characters beyond one byte, longer than most labels, as the root's label.
    m_path =
        TempPath(QStringLiteral("\u043c\u043d\u043e\u0433\u043e \u2013 a configuration of "
                                "many adapters, named at some length.cfg"));
    QFile file(m_path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(text.data(), static_cast<qint64>(text.size())),
              static_cast<qint64>(text.size()));
    file.close();
    ASSERT_TRUE(Start({m_path}));

    const auto expectShown = [&](int groupsPerAdapter) {
        const QStringList shown = Outline(true);
        EXPECT_EQ(shown.size(), static_cast<qsizetype>(1 + counts.adapters * groupsPerAdapter +
                                                       counts.adapters + counts.virtualAdapters));
        for (const QString& row : shown)
            EXPECT_LE(row.left(1).toInt(), 3) << "nothing below a virtual adapter is open";
    };
    EXPECT_EQ(Outline(), DocumentOutline(false));
    EXPECT_EQ(Outline().value(0), QStringLiteral("0 0 ") + m_path);
    expectShown(1);
    Trigger(ID_VIEW_TRAFFIC_PROFILES);
    const QStringList expected = DocumentOutline(true);
    EXPECT_EQ(Outline(), expected);
    qsizetype longest = 0;
    for (const QString& row : expected)
        longest = std::max(longest, row.size());
    EXPECT_GT(longest, 80) << "the profiles' long labels show whole too";
    expectShown(2);

    // An adapter put back by Undo gets its nodes one by one, in the tree as it stands.
    View().SelectNode(View().topLevelItem(0)->child(70));
    Trigger(ID_EDIT_DELETE);
    ASSERT_EQ(View().topLevelItem(0)->childCount(), static_cast<int>(counts.adapters - 1));
    Trigger(ID_EDIT_UNDO);
    EXPECT_EQ(Outline(), DocumentOutline(true));
}

TEST_F(TreeViewTest, TrafficProfilesToggleRebuildsAndSelectsTheRoot) {
    Open();
    View().SelectNode(Node({kAdapter1}));
    Trigger(ID_VIEW_TRAFFIC_PROFILES);
    EXPECT_TRUE(App().Options().DisplayTrafficProfiles);
    EXPECT_TRUE(Action(ID_VIEW_TRAFFIC_PROFILES)->isChecked());
    EXPECT_EQ(View().CurrentNode(), View().RootNode());

    QTreeWidgetItem* profiles = Node({kAdapter0, QStringLiteral("Traffic Profiles")});
    ASSERT_NE(profiles, nullptr);
    EXPECT_EQ(profiles->childCount(), 3);
    EXPECT_FALSE(profiles->isExpanded());
    EXPECT_NE(
        Node({kAdapter0, kVirtualAdapters, kLane0, QStringLiteral("Traffic Profile Mappings")}),
        nullptr);
    // An RFC 1483 virtual adapter never has a mappings group.
    QTreeWidgetItem* rfc = Node({kAdapter1, kVirtualAdapters, kRfc1483});
    ASSERT_NE(rfc, nullptr);
    EXPECT_EQ(rfc->childCount(), 1);
    EXPECT_EQ(rfc->child(0)->text(0), kPvcs);

    Trigger(ID_VIEW_TRAFFIC_PROFILES);
    EXPECT_FALSE(Action(ID_VIEW_TRAFFIC_PROFILES)->isChecked());
    EXPECT_EQ(Node({kAdapter0, QStringLiteral("Traffic Profiles")}), nullptr);
    EXPECT_EQ(Doc().Cfgfile().Adapters[0]->TrafficProfiles.size(), 3u) << "profiles stay";
}

TEST_F(TreeViewTest, AdvancedToggleChangesOnlyItsCheckMark) {
    Open();
    QTreeWidgetItem* pvc = Node({kAdapter0, kVirtualAdapters, kLane0, kPvcs})->child(0);
    View().SelectNode(pvc);
    const QStringList before = Outline(true);
    Trigger(ID_VIEW_ADVANCED);
    EXPECT_TRUE(App().Options().ExpertMode);
    EXPECT_TRUE(Action(ID_VIEW_ADVANCED)->isChecked());
    EXPECT_EQ(Outline(true), before);
    EXPECT_EQ(View().CurrentNode(), pvc);
}

TEST_F(TreeViewTest, SelectingAGroupMakesItsOwnerCurrent) {
    Open();
    View().SelectNode(Node({kAdapter1, kVirtualAdapters}));
    EXPECT_EQ(Doc().m_pCurAdapter, Doc().Cfgfile().Adapters[1].get());
    EXPECT_EQ(Doc().m_pCurElan, nullptr);
    View().SelectNode(Node({kAdapter0, kVirtualAdapters, kLane0, kPvcs}));
    EXPECT_EQ(Doc().m_pCurElan, Doc().Cfgfile().Adapters[0]->VirtualAdapters[0].get());
    EXPECT_EQ(Doc().m_pCurAdapter, Doc().Cfgfile().Adapters[0].get());

    // Collapsing an adapter with the mouse while its PVC is selected: the selection moves up to
    // the adapter, so Delete cannot remove a PVC that is out of sight.
    View().SelectNode(Node({kAdapter0, kVirtualAdapters, kLane0, kPvcs})->child(0));
    QTreeWidgetItem* adapter = Node({kAdapter0});
    const QRect row = View().visualItemRect(adapter);
    QTest::mouseClick(View().viewport(), Qt::LeftButton, {},
                      QPoint(row.left() - View().indentation() / 2, row.center().y()));
    ASSERT_FALSE(adapter->isExpanded());
    EXPECT_EQ(View().CurrentNode(), adapter);
    EXPECT_EQ(Doc().m_pCurPvc, nullptr);
    EXPECT_EQ(Doc().m_pCurAdapter, Doc().Cfgfile().Adapters[0].get());

    // A click on the empty space below the nodes leaves the selection as it is.
    QTest::mouseClick(View().viewport(), Qt::LeftButton, {},
                      QPoint(20, View().viewport()->height() - 3));
    EXPECT_EQ(View().CurrentNode(), adapter);
    EXPECT_EQ(View().selectedItems(), QList<QTreeWidgetItem*>{adapter});
}

TEST_F(TreeViewTest, RightClickSelectsTheNodeAndShowsItsMenu) {
    Open();
    QTreeWidgetItem* group = Node({kAdapter1, kVirtualAdapters});
    RightClick(LabelPoint(group));
    EXPECT_EQ(View().CurrentNode(), group);
    QMenu* menu = App().MainFrame()->ContextMenu();
    ASSERT_TRUE(menu->isVisible());
    QMenu* insert = menu->actions().value(0)->menu();
    ASSERT_NE(insert, nullptr);
    QStringList items;
    for (QAction* a : insert->actions())
        items << a->text() + (a->isEnabled() ? "+" : "-");
    EXPECT_EQ(items, (QStringList{"Adapter+", "Traffic Profile-", "Virtual Adapter+", "PVC-",
                                  "Traffic Profile Mapping-"}));
    QAction* properties = menu->actions().value(2);
    EXPECT_EQ(properties->text(), QStringLiteral("Properties"));
    EXPECT_FALSE(properties->isEnabled());
    menu->hide();

    // Beside the last node there is no node: nothing is selected and no menu shows.
    const QRect last = View().visualItemRect(Node({kAdapter1, kVirtualAdapters})->child(1));
    RightClick(QPoint(last.left() + 5, last.bottom() + 40));
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(View().CurrentNode(), group);
}

TEST_F(TreeViewTest, DoubleClickEditsObjectsAndTogglesGroups) {
    Open();
    QTreeWidgetItem* group = Node({kAdapter0, kVirtualAdapters});
    ASSERT_TRUE(group->isExpanded());
    DoubleClick(group);
    EXPECT_FALSE(group->isExpanded());
    EXPECT_TRUE(m_editor.edited.empty());

    QTreeWidgetItem* adapter = Node({kAdapter1});
    DoubleClick(adapter);
    EXPECT_EQ(m_editor.edited, (std::vector<std::string>{"adapter"}));
    EXPECT_TRUE(adapter->isExpanded()) << "an object's double click must not collapse it";
    EXPECT_TRUE(Doc().IsModified());

    DoubleClick(View().RootNode());
    EXPECT_EQ(m_editor.edited.back(), "cfgfile");
    EXPECT_TRUE(View().RootNode()->isExpanded());
}

// Every label in sight fits the column, which the horizontal scroll bar then reaches: none is
// cut off, however the rows came into sight.
// A row's size as the style itself makes it, whatever the view measures its rows with.
QSize StyleSize(CNetloomView& view, const QModelIndex& index) {
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.widget = &view;
    option.font = view.font();
    option.decorationSize = view.iconSize();
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    return QStyledItemDelegate().sizeHint(option, index);
}

void ExpectShownLabelsFit(CNetloomView& view) {
    std::function<void(const QModelIndex&, int)> walk = [&](const QModelIndex& parent, int depth) {
        for (int row = 0; row < view.model()->rowCount(parent); ++row) {
            const QModelIndex index = view.model()->index(row, 0, parent);
            const int needed = StyleSize(view, index).width() + depth * view.indentation();
            EXPECT_GE(view.header()->sectionSize(0), needed)
                << index.data().toString().toStdString();
            if (view.isExpanded(index)) walk(index, depth + 1);
        }
    };
    walk(QModelIndex(), view.rootIsDecorated() ? 1 : 0);
}

TEST_F(TreeViewTest, ShownLabelsFitTheColumnAfterExpandingDeletingAndUndoing) {
    Open();
    // Narrower than the labels, so that the column, not the window, decides what shows.
    View().window()->resize(240, 600);
    QApplication::processEvents();
    ExpectShownLabelsFit(View());
    // The deepest rows, the PVCs, come into sight: the right arrow expands the current group.
    QTreeWidgetItem* lane = Node({kAdapter0, kVirtualAdapters, kLane0});
    View().SelectNode(lane);
    QTest::keyClick(&View(), Qt::Key_Right);
    View().SelectNode(lane->child(0));
    QTest::keyClick(&View(), Qt::Key_Right);
    QApplication::processEvents();
    ASSERT_TRUE(lane->child(0)->isExpanded());
    ASSERT_GT(View().header()->sectionSize(0), View().viewport()->width())
        << "the window is to be narrower than the PVCs' labels";
    ExpectShownLabelsFit(View());
    // Properties that make a PVC's label the longest in sight.
    m_editor.change = [](CDocObject& object) {
        auto& pvc = static_cast<C_Doc_Pvc&>(object);
        pvc.Vpi = pvc.Vci = INT32_MIN;
    };
    const int before = View().header()->sectionSize(0);
    QTreeWidgetItem* pvc = lane->child(0)->child(0);
    const QString oldLabel = pvc->text(0);
    QSignalSpy changed(View().model(), &QAbstractItemModel::dataChanged);
    DoubleClick(pvc);
    ASSERT_EQ(m_editor.edited.back(), "pvc");
    EXPECT_GT(View().header()->sectionSize(0), before);
    // The row shows the new label: the view is told of it, and asked, gives it.
    EXPECT_NE(pvc->text(0), oldLabel);
    ASSERT_FALSE(changed.isEmpty());
    const QModelIndex told = changed.back().at(0).value<QModelIndex>();
    EXPECT_EQ(told.data(CNetloomView::ObjectRole), pvc->data(0, CNetloomView::ObjectRole));
    EXPECT_EQ(told.data(Qt::DisplayRole).toString(), pvc->text(0));
    ExpectShownLabelsFit(View());
    // A delete renumbers and relabels the PVCs after it; undo brings the row back.
    View().SelectNode(lane->child(0)->child(0));
    QTest::keyClick(&View(), Qt::Key_Delete);
    QApplication::processEvents();
    ExpectShownLabelsFit(View());
    QTest::keyClick(&View(), Qt::Key_Z, Qt::ControlModifier);
    QApplication::processEvents();
    ExpectShownLabelsFit(View());
}

// The view measures its rows more cheaply than the style does; for any text a label may hold it
// must never come out narrower, or the column would cut the label short, and never wider by
// more than the trailing blanks that the style leaves out and a pixel or two of rounding.
TEST_F(TreeViewTest, RowsAreMeasuredAsWideAsTheStyleDrawsThem) {
    Open();
    QTreeWidgetItem* lane = Node({kAdapter0, kVirtualAdapters, kLane0});
    const QModelIndex node = View().indexFromItem(lane);
    ASSERT_TRUE(node.isValid());
    const QFontMetricsF metrics(View().font());
    std::mt19937 random(12);
    for (int i = 0; i < 400; ++i) {
        QString text;
        const int length = static_cast<int>(random() % 90);
        for (int c = 0; c < length; ++c)
            text += QLatin1Char(static_cast<char>(' ' + random() % 95));
        if (i % 5 == 0) text += QStringLiteral("  ");
        lane->setText(0, text);
        const QSize measured = View().sizeHintForIndex(node);
        const QSize style = StyleSize(View(), node);
        int trailing = 0;
        while (trailing < text.size() && text[text.size() - 1 - trailing] == QLatin1Char(' '))
            ++trailing;
        const int slack =
            static_cast<int>(std::ceil(metrics.horizontalAdvance(text.right(trailing)))) + 3;
        EXPECT_GE(measured.width(), style.width()) << text.toStdString();
        EXPECT_LE(measured.width(), style.width() + slack) << text.toStdString();
        EXPECT_EQ(measured.height(), style.height()) << text.toStdString();
    }
}

// Items taken and given back in any order never share room, a given-back item's room never
// touches a live one, and once the last is given back the room holds no memory.
TEST(ItemRoomTest, ItemsInAnyOrderKeepTheirOwnRoom) {
    constexpr size_t kSize = 40;
    CItemRoom room(kSize);
    std::mt19937 random(7);
    std::map<uintptr_t, unsigned char> live;  // address and the byte its room is filled with
    const auto giveBack = [&](std::map<uintptr_t, unsigned char>::iterator at) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(at->first);
        for (size_t i = 0; i < kSize; ++i)
            ASSERT_EQ(bytes[i], at->second) << "a live item was written over";
        room.Give(reinterpret_cast<void*>(at->first));
        live.erase(at);
    };
    for (int round = 0; round < 3; ++round) {
        for (int step = 0; step < 6000; ++step) {
            if (live.empty() || random() % 3 != 0) {
                const auto address = reinterpret_cast<uintptr_t>(room.Take());
                ASSERT_EQ(address % alignof(std::max_align_t), 0u);
                const auto next = live.lower_bound(address);
                ASSERT_TRUE(next == live.end() || next->first >= address + kSize);
                ASSERT_TRUE(next == live.begin() || std::prev(next)->first + kSize <= address);
                const auto fill = static_cast<unsigned char>(random());
                std::memset(reinterpret_cast<void*>(address), fill, kSize);
                live.emplace(address, fill);
            } else {
                giveBack(std::next(live.begin(), static_cast<long>(random() % live.size())));
            }
        }
        EXPECT_GT(room.Blocks(), 1u);
        while (!live.empty())
            giveBack(live.begin());
        EXPECT_EQ(room.Blocks(), 0u);
    }
}

// The widths kept for the tree's labels answer for the very text they were kept for, never for
// another (however alike), also when the table fills and starts again.
TEST(TextWidthsTest, KeptWidthsAnswerForTheirOwnTextOnly) {
    CTextWidths widths;
    std::map<QString, int> kept;
    std::mt19937 random(5);
    for (int i = 0; i < 40000; ++i) {
        QString text;
        const int length = static_cast<int>(random() % 6);
        for (int c = 0; c < length; ++c)
            text += QChar(
                static_cast<char16_t>(u'a' + random() % 5 + (random() % 50 == 0 ? 0x100 : 0)));
        const int found = widths.Find(text);
        const auto known = kept.find(text);
        if (found >= 0) {
            ASSERT_NE(known, kept.end()) << text.toStdString();
            ASSERT_EQ(found, known->second) << text.toStdString();
            continue;
        }
        const int width = static_cast<int>(random() % 1000);
        widths.Keep(text, width);
        kept[text] = width;
        ASSERT_EQ(widths.Find(text), width) << text.toStdString();
    }
    // The texts above are far fewer than the table holds; many more make it start again.
    for (int i = 0; i < 20000; ++i)
        widths.Keep(QString::number(i), i);
    EXPECT_EQ(widths.Find(QString::number(19999)), 19999);
    EXPECT_EQ(widths.Find(QStringLiteral("1999")), -1);
}

// The branches as the classic style draws them, each on its own, around the application's.
class CClassicBranches : public QProxyStyle {
  public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_IndicatorBranch)
            m_classic->drawPrimitive(element, option, painter, widget);
        else
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

  private:
    std::unique_ptr<QStyle> m_classic{QStyleFactory::create(QStringLiteral("Windows"))};
};

// A style over the application's that draws a row's text in a way of its own.
class CShoutingRows : public QProxyStyle {
  public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_ItemViewItem) {
            if (const auto* row = qstyleoption_cast<const QStyleOptionViewItem*>(option)) {
                QStyleOptionViewItem loud = *row;
                loud.text = loud.text.toUpper();
                QProxyStyle::drawControl(element, &loud, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

// The view draws the text of plain rows and its branches' lines itself; what shows must be what
// the styles draw, for any label, cut short or not, selected or not, scrolled to any row.
TEST_F(TreeViewTest, RowsArePaintedAsTheStylesDrawThem) {
    Open();
    View().expandAll();
    std::vector<QTreeWidgetItem*> rows;
    std::function<void(QTreeWidgetItem*)> collect = [&](QTreeWidgetItem* item) {
        rows.push_back(item);
        for (int i = 0; i < item->childCount(); ++i)
            collect(item->child(i));
    };
    collect(View().topLevelItem(0));
    QStyledItemDelegate styleOnly;
    CClassicBranches classic;
    QAbstractItemDelegate* ownDelegate = View().itemDelegate();
    QStyle* ownStyle = View().style();
    std::mt19937 random(31);
    for (int round = 0; round < 8; ++round) {
        for (QTreeWidgetItem* row : rows) {
            QString text;
            const int length = 1 + static_cast<int>(random() % 40);
            for (int c = 0; c < length; ++c)
                text += QLatin1Char(static_cast<char>(' ' + random() % 95));
            if (random() % 8 == 0) text += QChar(0xe9);  // beyond ASCII: the style's to draw
            row->setText(0, text);
        }
        View().SelectNode(rows[random() % rows.size()]);
        // Every other round the window is narrower than most labels, which the style cuts short.
        View().window()->resize(round % 2 == 0 ? 700 : 300, 220);
        if (round % 2 != 0) View().header()->resizeSection(0, 200);
        View().verticalScrollBar()->setValue(round);
        // An odd indentation puts the branches' dotted lines at every place of their pattern.
        View().setIndentation(round % 4 < 2 ? 20 : 19);
        // The column's fit comes in the next turn of the event loop, the scroll bars after it.
        QApplication::processEvents();
        QApplication::processEvents();
        const QImage ours = View().viewport()->grab().toImage();
        View().setItemDelegate(&styleOnly);
        View().setStyle(&classic);
        const QImage styles = View().viewport()->grab().toImage();
        View().setStyle(ownStyle);
        View().setItemDelegate(ownDelegate);
        ASSERT_EQ(ours.size(), styles.size());
        int differing = 0;
        for (int y = 0; y < ours.height(); ++y)
            for (int x = 0; x < ours.width(); ++x)
                differing += ours.pixel(x, y) != styles.pixel(x, y) ? 1 : 0;
        EXPECT_EQ(differing, 0) << "round " << round;
    }
    EXPECT_GT(View().verticalScrollBar()->maximum(), 4) << "the rows are to scroll";
    // Under a style of another kind, every row is the style's to draw.
    CShoutingRows shouting;
    View().setStyle(&shouting);
    const QImage ours = View().viewport()->grab().toImage();
    View().setItemDelegate(&styleOnly);
    EXPECT_EQ(ours, View().viewport()->grab().toImage());
    View().setItemDelegate(ownDelegate);
    View().setStyle(ownStyle);
}

TEST_F(TreeViewTest, ObjectWhoseGroupIsHiddenGetsItsNodeAtTheNextRebuild) {
    Open();
    QTreeWidgetItem* adapter = Node({kAdapter1});
    View().SelectNode(adapter);
    auto profile = std::make_unique<C_Doc_TrafficProfile>();
    C_Doc_TrafficProfile* added = profile.get();
    ASSERT_TRUE(Doc().AddPastedObject(std::move(profile)));
    View().AddObjectNode(*added);
    EXPECT_EQ(View().CurrentNode(), adapter);
    EXPECT_FALSE(added->m_node.IsSet());

    Trigger(ID_VIEW_TRAFFIC_PROFILES);
    QTreeWidgetItem* group = Node({kAdapter1, QStringLiteral("Traffic Profiles")});
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->childCount(), 1);
    EXPECT_EQ(CNetloomView::ObjectOf(group->child(0)), added);
    // Hidden again: the profile keeps no reference to the node that went with the old tree.
    Trigger(ID_VIEW_TRAFFIC_PROFILES);
    EXPECT_FALSE(added->m_node.IsSet());
    Doc().Renumber();
}

TEST_F(TreeViewTest, NewConfigurationShowsTheTitleOnTheRootAlone) {
    ASSERT_TRUE(Start({}));
    EXPECT_EQ(Outline(), QStringList{QStringLiteral("0 0 ka-210x")});
    EXPECT_EQ(View().CurrentNode(), View().RootNode());
    EXPECT_EQ(Caption(), QStringLiteral("ka-210x - Netloom"));
}

}  // namespace
}  // namespace netloom::test
