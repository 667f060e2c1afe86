#include "view/NetloomView.h"
#include "ui/Latin1.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QTimer>
#include <climits>

#include "doc/Adapter.h"
#include "doc/CommandRules.h"
#include "doc/Elan.h"
#include "doc/NetloomDoc.h"
#include "doc/ObjectLists.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"
#include "doc/TreeOutline.h"
#include "doc/UserOptions.h"
#include "view/TreeImages.h"
#include "view/TreeLinesStyle.h"

namespace netloom {

CNetloomView::CNetloomView(CNetloomDoc& doc, CUserOptions& options, QWidget* parent)
    : QTreeWidget(parent), m_doc(doc), m_options(options) {
    auto* style = new CTreeLinesStyle;
    style->setParent(this);
    setStyle(style);
    setColumnCount(1);
    setHeaderHidden(true);
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
                [this] { m_clipboardKindKnown = false; });
    }
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { OnCurrentItemChanged(current); });
    connect(this, &QTreeWidget::itemExpanded, this, &CNetloomView::ScheduleFitColumn);
    m_doc.SetView(this);
    connect(this, &QTreeWidget::itemCollapsed, this, &CNetloomView::OnItemCollapsed);
}

// Adding a subtree outside a rebuild selects each node added on the way in turn, and the last
// selection is the object itself. Making each of those selections for real (scrolling to the
// node, telling the document, refreshing the commands) laid out the whole tree again for every
// node, which made a paste of thousands of objects take minutes. While a batch is open, a
// selection only leaves what it would leave behind, its ancestors expanded; the last one is
// made once when the outermost batch closes.
class CNetloomView::CSelectionBatch {
  public:
    explicit CSelectionBatch(CNetloomView& view) : m_view(view) { ++m_view.m_selectionBatch; }
    ~CSelectionBatch() {
        if (--m_view.m_selectionBatch > 0) return;
        QTreeWidgetItem* last = m_view.m_batchSelection;
        m_view.m_batchSelection = nullptr;
        if (last != nullptr && m_view.m_liveItems.contains(last)) m_view.SelectNode(last);
    }
    CSelectionBatch(const CSelectionBatch&) = delete;
    CSelectionBatch& operator=(const CSelectionBatch&) = delete;

  private:
    CNetloomView& m_view;
};

void CNetloomView::OnItemCollapsed(QTreeWidgetItem* item) {
    ScheduleFitColumn();
    // A selection hidden by the collapse moves up to the collapsed node: Delete, Cut and the
    // other commands must never act on an object the user can no longer see.
    QTreeWidgetItem* selected = m_selectionBatch > 0 ? m_batchSelection : currentItem();
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

void CNetloomView::FitColumn() {
    m_bFitPending = false;
    m_contentWidth = sizeHintForColumn(0);
    header()->resizeSection(0, qMax(m_contentWidth, viewport()->width()));
}

void CNetloomView::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    header()->resizeSection(0, qMax(m_contentWidth, viewport()->width()));
}

CNetloomView::~CNetloomView() {
    // The document outlives the view: none of its objects may keep a node of this view.
    ForgetNodes();
    if (m_doc.View() == this) m_doc.SetView(nullptr);
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

QTreeWidgetItem* CNetloomView::ItemOf(const CTreeNodeRef& ref) const {
    if (ref.m_pView != this || !m_liveItems.contains(ref.m_hItem)) return nullptr;
    return static_cast<QTreeWidgetItem*>(ref.m_hItem);
}

QTreeWidgetItem* CNetloomView::InsertNode(QTreeWidgetItem* parent, const std::string& text,
                                          int kind, CDocObject* object, int at) {
    QTreeWidgetItem* item = nullptr;
    if (parent != nullptr && at >= 0 && at < parent->childCount()) {
        item = new QTreeWidgetItem;
        parent->insertChild(at, item);
    } else {
        item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    }
    item->setText(0, FromBytes(text));
    const QVector<QIcon>& images = TreeImages();
    if (kind >= 0 && kind < images.size()) item->setIcon(0, images[kind]);
    item->setData(0, KindRole, kind);
    item->setData(0, ObjectRole, QVariant::fromValue(static_cast<void*>(object)));
    m_liveItems.insert(item);
    ScheduleFitColumn();
    return item;
}

void CNetloomView::SetNodeText(void* item, const std::string& text) {
    if (!m_liveItems.contains(item)) return;
    auto* node = static_cast<QTreeWidgetItem*>(item);
    ScheduleFitColumn();
    // The root's label is a file name, in the file system's encoding; every other label is
    // configuration text, whose bytes map one to one.
    node->setText(0, KindOf(node) == NODE_CONFIGURATION
                         ? QFile::decodeName(QByteArray::fromStdString(text))
                         : FromBytes(text));
}

void CNetloomView::SetRootText(const std::string& path) {
    if (QTreeWidgetItem* root = RootNode()) SetNodeText(root, path);
}

void CNetloomView::ForgetNodes() {
    ForgetTreeNodes(m_doc.Cfgfile());
}

void CNetloomView::ForgetSubtree(QTreeWidgetItem* item) {
    m_liveItems.remove(item);
    for (int i = 0; i < item->childCount(); ++i)
        ForgetSubtree(item->child(i));
}

void CNetloomView::ClearTree() {
    m_liveItems.clear();
    m_rootNode.Clear();
    clear();  // reports "no selection", which clears the selection context
    m_currentNode.Clear();
    m_doc.ClearSelectionContext();
}

void CNetloomView::RebuildTree() {
    ForgetNodes();
    m_liveItems.clear();
    m_rootNode.Clear();
    clear();
    m_currentNode.Clear();
    viewport()->update();

    const QString label = m_rootLabel ? m_rootLabel() : QString();
    QTreeWidgetItem* root =
        InsertNode(nullptr, std::string(), NODE_CONFIGURATION, &m_doc.Cfgfile());
    root->setText(0, label);
    m_rootNode = RefOf(root);
    m_doc.Cfgfile().m_node = m_rootNode;

    m_bRebuilding = true;
    for (auto& adapter : m_doc.Cfgfile().Adapters)
        AddAdapterNode(*adapter);
    root->setExpanded(true);
    m_bRebuilding = false;

    SelectNode(root);
    emit TreeRebuilt();
}

void CNetloomView::SelectNode(QTreeWidgetItem* item) {
    if (item == nullptr) return;
    for (QTreeWidgetItem* p = item->parent(); p != nullptr; p = p->parent()) {
        if (!p->isExpanded()) p->setExpanded(true);
    }
    if (m_selectionBatch > 0) {
        m_batchSelection = item;
        return;
    }
    if (currentItem() == item) {
        item->setSelected(true);
        OnCurrentItemChanged(item);
    } else {
        setCurrentItem(item);
    }
    scrollToItem(item);
}

void CNetloomView::OnCurrentItemChanged(QTreeWidgetItem* current) {
    if (m_bRebuilding) return;
    m_currentNode = current ? RefOf(current) : CTreeNodeRef();
    UpdateSelectionContext();
}

void CNetloomView::UpdateSelectionContext() {
    QTreeWidgetItem* current = CurrentNode();
    SetSelectionContext(m_doc, KindOf(current), ObjectOf(current));
    emit SelectionContextChanged();
}

void CNetloomView::AddAdapterNode(C_Doc_Adapter& adapter, int at) {
    QTreeWidgetItem* root = RootNode();
    if (root == nullptr) return;
    CSelectionBatch batch(*this);
    QTreeWidgetItem* node = InsertNode(root, adapter.GetLabel(), NODE_ADAPTER, &adapter, at);
    adapter.m_node = RefOf(node);
    adapter.m_trafficProfilesNode.Clear();
    if (m_options.DisplayTrafficProfiles) {
        QTreeWidgetItem* group =
            InsertNode(node, kGroupTrafficProfiles, NODE_TRAFFIC_PROFILES, &adapter);
        adapter.m_trafficProfilesNode = RefOf(group);
        for (auto& profile : adapter.TrafficProfiles)
            AddTrafficProfileNodeUnder(group, *profile);
        group->setExpanded(false);
    }
    QTreeWidgetItem* group =
        InsertNode(node, kGroupVirtualAdapters, NODE_VIRTUAL_ADAPTERS, &adapter);
    adapter.m_virtualAdaptersNode = RefOf(group);
    for (auto& elan : adapter.VirtualAdapters)
        AddVirtualAdapterNodeUnder(group, *elan);
    group->setExpanded(true);
    node->setExpanded(true);
    if (!m_bRebuilding) SelectNode(node);
}

void CNetloomView::AddTrafficProfileNode(C_Doc_TrafficProfile& profile, int at) {
    // No group while traffic profiles are hidden: the profile gets its node at the next rebuild.
    if (profile.Adapter == nullptr) return;
    AddTrafficProfileNodeUnder(ItemOf(profile.Adapter->m_trafficProfilesNode), profile, at);
}

void CNetloomView::AddTrafficProfileNodeUnder(QTreeWidgetItem* group, C_Doc_TrafficProfile& profile,
                                              int at) {
    if (group == nullptr) return;
    QTreeWidgetItem* node =
        InsertNode(group, profile.GetLabel(), NODE_TRAFFIC_PROFILE, &profile, at);
    profile.m_node = RefOf(node);
    if (!m_bRebuilding) SelectNode(node);
}

void CNetloomView::AddVirtualAdapterNode(C_Doc_Elan& elan, int at) {
    if (elan.Adapter == nullptr) return;
    AddVirtualAdapterNodeUnder(ItemOf(elan.Adapter->m_virtualAdaptersNode), elan, at);
}

void CNetloomView::AddVirtualAdapterNodeUnder(QTreeWidgetItem* group, C_Doc_Elan& elan, int at) {
    if (group == nullptr) return;
    CSelectionBatch batch(*this);
    QTreeWidgetItem* node = InsertNode(group, elan.GetLabel(), NODE_VIRTUAL_ADAPTER, &elan, at);
    elan.m_node = RefOf(node);
    QTreeWidgetItem* pvcs = InsertNode(node, kGroupPvcs, NODE_PVCS, &elan);
    elan.m_pvcsNode = RefOf(pvcs);
    for (auto& pvc : elan.Pvcs)
        AddPvcNodeUnder(pvcs, *pvc);
    pvcs->setExpanded(false);
    elan.m_mappingsNode.Clear();
    if (m_options.DisplayTrafficProfiles && elan.Type != ELAN_RFC1483) {
        QTreeWidgetItem* mappings = InsertNode(node, kGroupMappings, NODE_MAPPINGS, &elan);
        elan.m_mappingsNode = RefOf(mappings);
        for (auto& mapping : elan.Mappings)
            AddMappingNodeUnder(mappings, *mapping);
        mappings->setExpanded(false);
    }
    if (!m_bRebuilding) SelectNode(node);
}

void CNetloomView::AddPvcNode(C_Doc_Pvc& pvc, int at) {
    if (pvc.VirtualAdapter == nullptr) return;
    AddPvcNodeUnder(ItemOf(pvc.VirtualAdapter->m_pvcsNode), pvc, at);
}

void CNetloomView::AddPvcNodeUnder(QTreeWidgetItem* group, C_Doc_Pvc& pvc, int at) {
    if (group == nullptr) return;
    QTreeWidgetItem* node = InsertNode(group, pvc.GetLabel(), NODE_PVC, &pvc, at);
    pvc.m_node = RefOf(node);
    if (!m_bRebuilding) SelectNode(node);
}

void CNetloomView::AddMappingNode(C_Doc_TpMapping& mapping, int at) {
    // No group for an RFC 1483 virtual adapter or while profiles are hidden: no node for now.
    if (mapping.VirtualAdapter == nullptr) return;
    AddMappingNodeUnder(ItemOf(mapping.VirtualAdapter->m_mappingsNode), mapping, at);
}

void CNetloomView::AddMappingNodeUnder(QTreeWidgetItem* group, C_Doc_TpMapping& mapping, int at) {
    if (group == nullptr) return;
    QTreeWidgetItem* node = InsertNode(group, mapping.GetLabel(), NODE_MAPPING, &mapping, at);
    mapping.m_node = RefOf(node);
    if (!m_bRebuilding) SelectNode(node);
}

void CNetloomView::AddObjectNode(CDocObject& object, int at) {
    if (auto* adapter = dynamic_cast<C_Doc_Adapter*>(&object))
        AddAdapterNode(*adapter, at);
    else if (auto* profile = dynamic_cast<C_Doc_TrafficProfile*>(&object))
        AddTrafficProfileNode(*profile, at);
    else if (auto* elan = dynamic_cast<C_Doc_Elan*>(&object))
        AddVirtualAdapterNode(*elan, at);
    else if (auto* pvc = dynamic_cast<C_Doc_Pvc*>(&object))
        AddPvcNode(*pvc, at);
    else if (auto* mapping = dynamic_cast<C_Doc_TpMapping*>(&object))
        AddMappingNode(*mapping, at);
}

void CNetloomView::ObjectAdded(CDocObject& object) {
    // Undoing a delete puts the object back in the middle of its list; its node goes to the
    // same place among its group's nodes, which stand for the list one to one.
    CDocObject* owner = OwnerOf(m_doc, object);
    const size_t index = owner ? IndexInOwner(*owner, object) : 0;
    AddObjectNode(object, index <= static_cast<size_t>(INT_MAX) ? static_cast<int>(index) : -1);
}

void CNetloomView::ObjectRemoved(CDocObject& object) {
    QTreeWidgetItem* node = ItemOf(object.m_node);
    if (node == nullptr) return;  // an object of a hidden group has no node
    QTreeWidgetItem* parent = node->parent();
    ForgetSubtree(node);
    delete node;  // the tree moves the selection to a neighbour, and the context follows
    if (QTreeWidgetItem* neighbour = currentItem())
        SelectNode(neighbour);
    else
        SelectNode(parent);
}

void CNetloomView::ObjectRelabelled(CDocObject& object) {
    object.m_node.SetText(object.GetLabel());
}

void CNetloomView::SelectObject(CDocObject& object) {
    SelectNode(ItemOf(object.m_node));
}

}  // namespace netloom
