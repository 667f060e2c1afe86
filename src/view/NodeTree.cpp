#include "view/NodeTree.h"

#include <QFile>
#include <QTreeWidget>
#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

#include "doc/Adapter.h"
#include "doc/Elan.h"
#include "doc/NetloomDoc.h"
#include "doc/ObjectLists.h"
#include "doc/Pvc.h"
#include "doc/TpMapping.h"
#include "doc/TrafficProfile.h"
#include "doc/TreeOutline.h"
#include "doc/UserOptions.h"
#include "ui/Latin1.h"
#include "view/NetloomView.h"
#include "view/NodeItem.h"

namespace netloom {

// Adding a subtree outside a rebuild selects each node added on the way in turn, and the last
// selection is the object itself. Making each of those selections for real (scrolling to the
// node, telling the document, refreshing the commands) laid out the whole tree again for every
// node, which made a paste of thousands of objects take minutes. While a batch is open, a
// selection only leaves what it would leave behind, its ancestors expanded; the last one is
// made once when the outermost batch closes.
class CNodeTree::CSelectionBatch {
  public:
    explicit CSelectionBatch(CNodeTree& tree) : m_tree(tree) { ++m_tree.m_selectionBatch; }
    ~CSelectionBatch() {
        if (--m_tree.m_selectionBatch > 0) return;
        QTreeWidgetItem* last = m_tree.m_batchSelection;
        m_tree.m_batchSelection = nullptr;
        if (last != nullptr && m_tree.m_liveItems.contains(last)) m_tree.m_view.SelectNode(last);
    }
    CSelectionBatch(const CSelectionBatch&) = delete;
    CSelectionBatch& operator=(const CSelectionBatch&) = delete;

  private:
    CNodeTree& m_tree;
};

CNodeTree::CNodeTree(CNetloomView& view, CNetloomDoc& doc, const CUserOptions& options)
    : m_view(view), m_doc(doc), m_options(options) {}

bool CNodeTree::DeferSelection(QTreeWidgetItem* item) {
    if (m_selectionBatch == 0) return false;
    m_batchSelection = item;
    return true;
}

QTreeWidgetItem* CNodeTree::LatestSelection() const {
    return m_selectionBatch > 0 ? m_batchSelection : m_view.currentItem();
}

const std::string& CNodeTree::LabelOf(const CDocObject& object) {
    // Made in one string that stays in the fastest cache: made in each object's own, as
    // GetLabel does, it would cost a miss in memory for every object of a large configuration.
    // Each use is over before the next label is made.
    object.MakeLabel(m_label);
    return m_label;
}

CTreeNodeRef CNodeTree::RefOf(QTreeWidgetItem* item) const {
    return CTreeNodeRef{item, &m_view};
}

CTreeNodeRef CNodeTree::RefOf(QTreeWidgetItem* item, const std::string& text) const {
    CTreeNodeRef ref = RefOf(item);
    ref.NoteText(text);
    return ref;
}

QTreeWidgetItem* CNodeTree::ItemOf(const CTreeNodeRef& ref) const {
    if (ref.m_pView != &m_view || !m_liveItems.contains(ref.m_hItem)) return nullptr;
    return static_cast<QTreeWidgetItem*>(ref.m_hItem);
}

void CNodeTree::SetCurrentNode(QTreeWidgetItem* item) {
    m_currentNode = item ? RefOf(item) : CTreeNodeRef();
}

QTreeWidgetItem* CNodeTree::NewNode(QTreeWidgetItem* item) {
    m_liveItems.insert(item);
    return item;
}

QTreeWidgetItem* CNodeTree::NewNode(const std::string& label, int kind, CDocObject* object) {
    // Made whole before it joins the tree: every change to an item in the tree is reported to
    // the view.
    return NewNode(NewNodeItem(kind, object, std::string_view(label)));
}

QTreeWidgetItem* CNodeTree::InsertNode(QTreeWidgetItem* parent, QTreeWidgetItem* item, int at) {
    NewNode(item);
    if (parent == nullptr)
        m_view.addTopLevelItem(item);
    else
        m_view.InsertRow(parent, at, item);
    ColumnMayGrow(item);
    return item;
}

QTreeWidgetItem* CNodeTree::InsertNode(QTreeWidgetItem* parent, const std::string& label, int kind,
                                       CDocObject* object, int at) {
    return InsertNode(parent, NewNodeItem(kind, object, std::string_view(label)), at);
}

QTreeWidgetItem* CNodeTree::InsertGroupNode(QTreeWidgetItem* parent, int kind, CDocObject* owner) {
    return InsertNode(parent, NewNodeItem(kind, owner, GroupLabel(kind)), -1);
}

void CNodeTree::ColumnMayGrow(QTreeWidgetItem* item) {
    // A rebuild, or a subtree joining the tree, fits the column once at its end: measured one
    // by one, its nodes could cost more than the bounded measuring of a fit.
    if (m_bRebuilding || m_selectionBatch > 0)
        m_view.ScheduleFitColumn();
    else
        m_view.WidenColumnFor(item);
}

void CNodeTree::SetNodeText(void* item, const std::string& text) {
    if (!m_liveItems.contains(item)) return;
    auto* node = static_cast<QTreeWidgetItem*>(item);
    // The root's label is a file name, in the file system's encoding; every other label is
    // configuration text, whose bytes map one to one (Latin-1).
    if (node == RootNode()) {
        node->setText(0, QFile::decodeName(QByteArray::fromStdString(text)));
    } else {
        // Renumbering relabels every node, and most keep their label: compared as it is, the
        // label costs no conversion, and an unchanged one no new measuring of the column.
        if (node->text(0) == QLatin1StringView(text.data(), static_cast<qsizetype>(text.size())))
            return;
        node->setText(0, FromBytes(text));
    }
    ColumnMayGrow(node);
}

void CNodeTree::ForgetNodes() {
    ForgetTreeNodes(m_doc.Cfgfile());
}

void CNodeTree::ForgetSubtree(QTreeWidgetItem* item) {
    m_liveItems.remove(item);
    for (int i = 0; i < item->childCount(); ++i)
        ForgetSubtree(item->child(i));
}

void CNodeTree::Clear() {
    m_liveItems.clear();
    m_rootNode.Clear();
    m_view.clear();  // reports "no selection", which clears the selection context
    m_currentNode.Clear();
    m_doc.ClearSelectionContext();
}

void CNodeTree::Rebuild(const std::function<QString()>& rootLabel) {
    ForgetNodes();
    // A rebuild mostly makes as many nodes as there were: room for them at once spares the set
    // its growing, a new table and a pass over every node each time it doubles.
    const qsizetype count = m_liveItems.size();
    m_liveItems.clear();
    m_liveItems.reserve(count);
    m_rootNode.Clear();
    m_view.clear();
    m_currentNode.Clear();
    m_view.viewport()->update();

    const QString label = rootLabel ? rootLabel() : QString();
    QTreeWidgetItem* root =
        InsertNode(nullptr, NewNodeItem(NODE_CONFIGURATION, &m_doc.Cfgfile(), label), -1);
    m_rootNode = RefOf(root);
    m_doc.Cfgfile().m_node = m_rootNode;

    m_bRebuilding = true;
    // The nodes the tree will show are made before the closed groups' contents: laying out
    // the shown rows, which the view does again after every removal, then reads items that lie
    // one after another in memory, where among the PVCs and mappings each would be a miss. A
    // batch of adapters at a time, so that the contents are added while the nodes they join
    // are still in the caches.
    constexpr size_t kAdaptersAtOnce = 64;
    auto& adapters = m_doc.Cfgfile().Adapters;
    std::vector<CAdapterNodes> made;
    for (size_t first = 0; first < adapters.size(); first += kAdaptersAtOnce) {
        const size_t end = std::min(adapters.size(), first + kAdaptersAtOnce);
        made.clear();
        for (size_t i = first; i < end; ++i)
            made.push_back(MakeAdapterNodes(*adapters[i], -1));
        for (const CAdapterNodes& nodes : made)
            AddAdapterContents(nodes);
        // Made apart from the tree, each adapter's nodes join it at once: the tree takes in a
        // subtree in one step instead of a node at a time.
        for (const CAdapterNodes& nodes : made) {
            root->addChild(nodes.node);
            OpenAdapter(nodes);
        }
    }
    root->setExpanded(true);
    m_bRebuilding = false;
    m_view.ScheduleFitColumn();

    m_view.SelectNode(root);
}

void CNodeTree::SelectAdded(QTreeWidgetItem* node) {
    if (!m_bRebuilding) m_view.SelectNode(node);
}

void CNodeTree::AddAdapterNode(C_Doc_Adapter& adapter, int at) {
    if (RootNode() == nullptr) return;
    CSelectionBatch batch(*this);
    const CAdapterNodes nodes = MakeAdapterNodes(adapter, at);
    AddAdapterContents(nodes);
    OpenAdapter(nodes);
    SelectAdded(nodes.node);
}

CNodeTree::CAdapterNodes CNodeTree::MakeAdapterNodes(C_Doc_Adapter& adapter, int at) {
    CAdapterNodes nodes;
    nodes.adapter = &adapter;
    const std::string& label = LabelOf(adapter);
    nodes.node = m_bRebuilding ? NewNode(label, NODE_ADAPTER, &adapter)
                               : InsertNode(RootNode(), label, NODE_ADAPTER, &adapter, at);
    adapter.m_node = RefOf(nodes.node, label);
    adapter.m_trafficProfilesNode.Clear();
    if (m_options.DisplayTrafficProfiles) {
        nodes.profiles = InsertGroupNode(nodes.node, NODE_TRAFFIC_PROFILES, &adapter);
        adapter.m_trafficProfilesNode = RefOf(nodes.profiles);
    }
    nodes.elans = InsertGroupNode(nodes.node, NODE_VIRTUAL_ADAPTERS, &adapter);
    adapter.m_virtualAdaptersNode = RefOf(nodes.elans);
    for (auto& elan : adapter.VirtualAdapters)
        AddVirtualAdapterFrame(nodes.elans, *elan, -1);
    return nodes;
}

void CNodeTree::AddAdapterContents(const CAdapterNodes& nodes) {
    if (nodes.profiles != nullptr) {
        for (auto& profile : nodes.adapter->TrafficProfiles)
            AddTrafficProfileNodeUnder(nodes.profiles, *profile);
        nodes.profiles->setExpanded(false);
    }
    for (auto& elan : nodes.adapter->VirtualAdapters) {
        QTreeWidgetItem* node = ItemOf(elan->m_node);
        AddVirtualAdapterContents(node, *elan);
        SelectAdded(node);
    }
}

void CNodeTree::OpenAdapter(const CAdapterNodes& nodes) {
    nodes.elans->setExpanded(true);
    nodes.node->setExpanded(true);
}

void CNodeTree::AddTrafficProfileNode(C_Doc_TrafficProfile& profile, int at) {
    // No group while traffic profiles are hidden: the profile gets its node at the next rebuild.
    if (profile.Adapter == nullptr) return;
    AddTrafficProfileNodeUnder(ItemOf(profile.Adapter->m_trafficProfilesNode), profile, at);
}

void CNodeTree::AddTrafficProfileNodeUnder(QTreeWidgetItem* group, C_Doc_TrafficProfile& profile,
                                           int at) {
    if (group == nullptr) return;
    const std::string& label = LabelOf(profile);
    QTreeWidgetItem* node = InsertNode(group, label, NODE_TRAFFIC_PROFILE, &profile, at);
    profile.m_node = RefOf(node, label);
    SelectAdded(node);
}

void CNodeTree::AddVirtualAdapterNode(C_Doc_Elan& elan, int at) {
    if (elan.Adapter == nullptr) return;
    AddVirtualAdapterNodeUnder(ItemOf(elan.Adapter->m_virtualAdaptersNode), elan, at);
}

void CNodeTree::AddVirtualAdapterNodeUnder(QTreeWidgetItem* group, C_Doc_Elan& elan, int at) {
    if (group == nullptr) return;
    CSelectionBatch batch(*this);
    QTreeWidgetItem* node = AddVirtualAdapterFrame(group, elan, at);
    AddVirtualAdapterContents(node, elan);
    SelectAdded(node);
}

QTreeWidgetItem* CNodeTree::AddVirtualAdapterFrame(QTreeWidgetItem* group, C_Doc_Elan& elan,
                                                   int at) {
    const std::string& label = LabelOf(elan);
    QTreeWidgetItem* node = InsertNode(group, label, NODE_VIRTUAL_ADAPTER, &elan, at);
    elan.m_node = RefOf(node, label);
    elan.m_pvcsNode.Clear();
    elan.m_mappingsNode.Clear();
    return node;
}

void CNodeTree::AddVirtualAdapterContents(QTreeWidgetItem* node, C_Doc_Elan& elan) {
    if (node == nullptr) return;
    QTreeWidgetItem* pvcs = InsertGroupNode(node, NODE_PVCS, &elan);
    elan.m_pvcsNode = RefOf(pvcs);
    for (auto& pvc : elan.Pvcs)
        AddPvcNodeUnder(pvcs, *pvc);
    pvcs->setExpanded(false);
    if (m_options.DisplayTrafficProfiles && elan.Type != ELAN_RFC1483) {
        QTreeWidgetItem* mappings = InsertGroupNode(node, NODE_MAPPINGS, &elan);
        elan.m_mappingsNode = RefOf(mappings);
        for (auto& mapping : elan.Mappings)
            AddMappingNodeUnder(mappings, *mapping);
        mappings->setExpanded(false);
    }
}

void CNodeTree::AddPvcNode(C_Doc_Pvc& pvc, int at) {
    if (pvc.VirtualAdapter == nullptr) return;
    AddPvcNodeUnder(ItemOf(pvc.VirtualAdapter->m_pvcsNode), pvc, at);
}

void CNodeTree::AddPvcNodeUnder(QTreeWidgetItem* group, C_Doc_Pvc& pvc, int at) {
    if (group == nullptr) return;
    const std::string& label = LabelOf(pvc);
    QTreeWidgetItem* node = InsertNode(group, label, NODE_PVC, &pvc, at);
    pvc.m_node = RefOf(node, label);
    SelectAdded(node);
}

void CNodeTree::AddMappingNode(C_Doc_TpMapping& mapping, int at) {
    // No group for an RFC 1483 virtual adapter or while profiles are hidden: no node for now.
    if (mapping.VirtualAdapter == nullptr) return;
    AddMappingNodeUnder(ItemOf(mapping.VirtualAdapter->m_mappingsNode), mapping, at);
}

void CNodeTree::AddMappingNodeUnder(QTreeWidgetItem* group, C_Doc_TpMapping& mapping, int at) {
    if (group == nullptr) return;
    const std::string& label = LabelOf(mapping);
    QTreeWidgetItem* node = InsertNode(group, label, NODE_MAPPING, &mapping, at);
    mapping.m_node = RefOf(node, label);
    SelectAdded(node);
}

void CNodeTree::AddObjectNode(CDocObject& object, int at) {
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

void CNodeTree::RemoveObjectNode(CDocObject& object) {
    QTreeWidgetItem* node = ItemOf(object.m_node);
    if (node == nullptr) return;  // an object of a hidden group has no node
    QTreeWidgetItem* parent = node->parent();
    ForgetSubtree(node);
    delete node;  // the tree moves the selection to a neighbour, and the context follows
    if (QTreeWidgetItem* neighbour = m_view.currentItem())
        m_view.SelectNode(neighbour);
    else
        m_view.SelectNode(parent);
}

}  // namespace netloom
