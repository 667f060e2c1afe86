#include "view/NetloomView.h"

#include <QClipboard>
#include <QFont>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTimer>
#include <climits>

#include "doc/CommandRules.h"
#include "doc/NetloomDoc.h"
#include "doc/ObjectLists.h"
#include "view/LabelDelegate.h"
#include "view/TreeImages.h"
#include "view/TreeLinesStyle.h"

namespace netloom {

const QString CNetloomView::kClipboardFormat = QStringLiteral("Netloom.Object");

CNetloomView::CNetloomView(CNetloomDoc& doc, CUserOptions& options, QWidget* parent)
    : QTreeWidget(parent),
      m_doc(doc),
      m_options(options),
      m_tree(*this, doc, options),
      m_transfer(*this, doc, m_tree),
      m_printer(doc) {
    // Hidden before anything lays the view out: a shown header is measured in a bold font,
    // which would cost loading a second font at start-up for a header nobody sees.
    setHeaderHidden(true);
    auto* style = new CTreeLinesStyle;
    style->setParent(this);
    setStyle(style);
    // The labels are Latin text: measured and drawn without the cosmetic shaping (kerning,
    // ligatures) that is most of what fitting and painting a large tree costs. Scripts that need
    // shaping still get it. The application's font has it already when Netloom runs; a font of
    // the view's own would cost a second font to load.
    if ((font().styleStrategy() & QFont::PreferNoShaping) == 0) {
        QFont labels = font();
        labels.setStyleStrategy(
            QFont::StyleStrategy(labels.styleStrategy() | QFont::PreferNoShaping));
        setFont(labels);
    }
    setItemDelegate(new CLabelDelegate(this));
    setColumnCount(1);
    header()->setSectionResizeMode(QHeaderView::Fixed);
    header()->setStretchLastSection(false);
    setRootIsDecorated(false);  // the root has no button: the mouse cannot collapse it
    setIconSize(kTreeImageSize);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);
    // Objects are dragged as clipboard blocks; where a dropped copy goes is decided by the
    // target node, not by a drop position between rows.
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
    setWhatsThis(
        tr("The configuration as a tree. Select a node to choose what the Insert, "
           "Delete and Properties commands act on; double-click an object to edit "
           "its properties; right-click a node for its commands."));
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        connect(clipboard, &QClipboard::dataChanged, this,
                [this] { m_transfer.ClipboardChanged(); });
    }
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { OnCurrentItemChanged(current); });
    connect(this, &QTreeWidget::itemExpanded, this, &CNetloomView::OnItemExpanded);
    m_doc.SetView(this);
    connect(this, &QTreeWidget::itemCollapsed, this, &CNetloomView::OnItemCollapsed);
}

CNetloomView::~CNetloomView() {
    // The document outlives the view: none of its objects may keep a node of this view.
    m_tree.ForgetNodes();
    if (m_doc.View() == this) m_doc.SetView(nullptr);
}

void CNetloomView::InsertRow(QTreeWidgetItem* parent, int at, QTreeWidgetItem* item) {
    // A row added to an open group makes the view lay out again every row it shows, which in
    // a large tree costs far more than the edit; a row added to a closed group costs no layout.
    // So a shown, open group below the root is closed for the insertion and opened again,
    // which lays out its own rows only. Nothing the user sees changes: the scroll position is
    // kept, and closing and opening the group is not a collapse or expansion to react to.
    bool reopen = parent->isExpanded() && parent->parent() != nullptr;
    for (const QTreeWidgetItem* p = parent->parent(); reopen && p != nullptr; p = p->parent())
        reopen = p->isExpanded();
    const int scrolled = verticalScrollBar()->value();
    if (reopen) {
        m_bReopening = true;
        parent->setExpanded(false);
    }
    if (at >= 0 && at < parent->childCount())
        parent->insertChild(at, item);
    else
        parent->addChild(item);
    if (reopen) {
        parent->setExpanded(true);
        m_bReopening = false;
        verticalScrollBar()->setValue(scrolled);
    }
}

void CNetloomView::OnItemCollapsed(QTreeWidgetItem* item) {
    if (m_bReopening) return;
    ScheduleFitColumn();
    // A selection hidden by the collapse moves up to the collapsed node: Delete, Cut and the
    // other commands must never act on an object the user can no longer see.
    QTreeWidgetItem* selected = m_tree.LatestSelection();
    for (QTreeWidgetItem* p = selected ? selected->parent() : nullptr; p != nullptr;
         p = p->parent()) {
        if (p == item) {
            SelectNode(item);
            return;
        }
    }
}

void CNetloomView::ScheduleFitColumn() {
    if (m_bFitPending) return;
    m_bFitPending = true;
    QTimer::singleShot(0, this, &CNetloomView::FitColumn);
}

void CNetloomView::WidenColumnFor(QTreeWidgetItem* item) {
    if (m_bFitPending || item == nullptr) return;  // a fit of the whole column is on its way
    int depth = rootIsDecorated() ? 1 : 0;
    for (const QTreeWidgetItem* parent = item->parent(); parent; parent = parent->parent()) {
        if (!parent->isExpanded()) return;  // not shown, as a fit would not count it
        ++depth;
    }
    const int width = sizeHintForIndex(indexFromItem(item)).width() + depth * indentation();
    if (width <= m_contentWidth) return;
    m_contentWidth = width;
    header()->resizeSection(0, qMax(m_contentWidth, viewport()->width()));
}

namespace {

// Calls widen for the rows that expanding item shows, unless there are more than budget of
// them; false then.
template <class Widen>
bool ForShownRows(QTreeWidgetItem* item, int& budget, Widen widen) {
    for (int i = 0; i < item->childCount(); ++i) {
        if (--budget < 0) return false;
        QTreeWidgetItem* child = item->child(i);
        widen(child);
        if (child->isExpanded() && !ForShownRows(child, budget, widen)) return false;
    }
    return true;
}

}  // namespace

void CNetloomView::OnItemExpanded(QTreeWidgetItem* item) {
    if (m_bReopening) return;
    // A few rows shown are measured one by one; many, by fitting the column, which measures
    // a bounded number around the rows in sight.
    int budget = 200;
    if (!ForShownRows(item, budget, [this](QTreeWidgetItem* row) { WidenColumnFor(row); }))
        ScheduleFitColumn();
}

void CNetloomView::FitColumn() {
    m_bFitPending = false;
    m_contentWidth = sizeHintForColumn(0);
    header()->resizeSection(0, qMax(m_contentWidth, viewport()->width()));
}

void CNetloomView::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    header()->resizeSection(0, qMax(m_contentWidth, viewport()->width()));
}

int CNetloomView::KindOf(const QTreeWidgetItem* item) {
    if (item == nullptr) return -1;
    bool ok = false;
    const int kind = item->data(0, KindRole).toInt(&ok);
    return ok ? kind : -1;
}

CDocObject* CNetloomView::ObjectOf(const QTreeWidgetItem* item) {
    return item ? static_cast<CDocObject*>(item->data(0, ObjectRole).value<void*>()) : nullptr;
}

int CNetloomView::CurrentKind() const {
    return KindOf(CurrentNode());
}

CDocObject* CNetloomView::CurrentObject() const {
    return ObjectOf(CurrentNode());
}

bool CNetloomView::IsObjectSelected() const {
    return IsObjectNodeKind(CurrentKind());
}

bool CNetloomView::CanDelete() const {
    return IsDeletableNodeKind(CurrentKind());
}

void CNetloomView::SetNodeText(void* item, const std::string& text) {
    m_tree.SetNodeText(item, text);
}

void CNetloomView::SetRootText(const std::string& path) {
    if (QTreeWidgetItem* root = RootNode()) SetNodeText(root, path);
}

void CNetloomView::ClearTree() {
    m_tree.Clear();
}

void CNetloomView::RebuildTree() {
    m_tree.Rebuild(m_rootLabel);
    emit TreeRebuilt();
}

void CNetloomView::SelectNode(QTreeWidgetItem* item) {
    if (item == nullptr) return;
    for (QTreeWidgetItem* p = item->parent(); p != nullptr; p = p->parent()) {
        if (!p->isExpanded()) p->setExpanded(true);
    }
    if (m_tree.DeferSelection(item)) return;
    if (currentItem() == item) {
        item->setSelected(true);
        OnCurrentItemChanged(item);
    } else {
        setCurrentItem(item);
    }
    scrollToItem(item);
}

void CNetloomView::OnCurrentItemChanged(QTreeWidgetItem* current) {
    if (m_tree.IsRebuilding()) return;
    m_tree.SetCurrentNode(current);
    UpdateSelectionContext();
}

void CNetloomView::UpdateSelectionContext() {
    QTreeWidgetItem* current = CurrentNode();
    SetSelectionContext(m_doc, KindOf(current), ObjectOf(current));
    emit SelectionContextChanged();
}

void CNetloomView::ObjectAdded(CDocObject& object) {
    // Undoing a delete puts the object back in the middle of its list; its node goes to the
    // same place among its group's nodes, which stand for the list one to one.
    CDocObject* owner = OwnerOf(m_doc, object);
    const size_t index = owner ? IndexInOwner(*owner, object) : 0;
    AddObjectNode(object, index <= static_cast<size_t>(INT_MAX) ? static_cast<int>(index) : -1);
}

void CNetloomView::ObjectRemoved(CDocObject& object) {
    m_tree.RemoveObjectNode(object);
}

void CNetloomView::ObjectRelabelled(CDocObject& object) {
    object.m_node.SetText(object.GetLabel());
}

void CNetloomView::SelectObject(CDocObject& object) {
    SelectNode(m_tree.ItemOf(object.m_node));
}

}  // namespace netloom
