#pragma once
// CNodeTree: the nodes of the tree view. It builds them from the document as a whole, adds and
// removes the nodes of single objects with their subtrees, and keeps the node references the
// objects hold honest: a reference counts only while its item is one this tree made and has
// not deleted.

#include <QSet>
#include <QString>
#include <functional>
#include <string>

#include "doc/TreeNodeRef.h"

class QTreeWidgetItem;

namespace netloom {

class CDocObject;
class CNetloomDoc;
class CNetloomView;
class C_Doc_Adapter;
class C_Doc_TrafficProfile;
class C_Doc_Elan;
class C_Doc_Pvc;
class C_Doc_TpMapping;
struct CUserOptions;

class CNodeTree {
  public:
    // The nodes live in view, which selects them and holds this tree; options decide which
    // groups are shown.
    CNodeTree(CNetloomView& view, CNetloomDoc& doc, const CUserOptions& options);
    CNodeTree(const CNodeTree&) = delete;
    CNodeTree& operator=(const CNodeTree&) = delete;

    // Deletes every node and builds the tree again under a root labelled by what rootLabel
    // says once the old nodes are gone; nothing is selected on the way, the root at the end.
    void Rebuild(const std::function<QString()>& rootLabel);
    void Clear();

    // Each adds the object's node with its whole subtree under its group, as child number at
    // (last when at is past the end), and selects it unless the tree is being rebuilt.
    void AddAdapterNode(C_Doc_Adapter& adapter, int at = -1);
    void AddTrafficProfileNode(C_Doc_TrafficProfile& profile, int at = -1);
    void AddVirtualAdapterNode(C_Doc_Elan& elan, int at = -1);
    void AddPvcNode(C_Doc_Pvc& pvc, int at = -1);
    void AddMappingNode(C_Doc_TpMapping& mapping, int at = -1);
    void AddObjectNode(CDocObject& object, int at = -1);
    // Deletes object's node with its subtree, if it has one, and selects where the tree moved
    // the selection (the parent when nowhere).
    void RemoveObjectNode(CDocObject& object);

    void SetNodeText(void* item, const std::string& text);
    // Clears every node reference the document's objects hold.
    void ForgetNodes();

    QTreeWidgetItem* ItemOf(const CTreeNodeRef& ref) const;
    bool IsLive(const QTreeWidgetItem* item) const { return m_liveItems.contains(item); }
    QTreeWidgetItem* RootNode() const { return ItemOf(m_rootNode); }
    QTreeWidgetItem* CurrentNode() const { return ItemOf(m_currentNode); }
    const CTreeNodeRef& CurrentRef() const { return m_currentNode; }
    void SetCurrentNode(QTreeWidgetItem* item);
    bool IsRebuilding() const { return m_bRebuilding; }

    // While subtrees are being added, a selection is only remembered (true); the last one is
    // made when the outermost addition is over.
    bool DeferSelection(QTreeWidgetItem* item);
    // The node selected last: the remembered one while subtrees are being added.
    QTreeWidgetItem* LatestSelection() const;

  private:
    class CSelectionBatch;

    // Lets the column take in a node that joined the tree or changed its label.
    void ColumnMayGrow(QTreeWidgetItem* item);
    // A node not yet in the tree, with its label, image, kind and object.
    QTreeWidgetItem* NewNode(const std::string& label, int kind, CDocObject* object);
    QTreeWidgetItem* InsertNode(QTreeWidgetItem* parent, const std::string& label, int kind,
                                CDocObject* object, int at = -1);
    // The tree takes item as one of its own; InsertNode then adds it under parent.
    QTreeWidgetItem* NewNode(QTreeWidgetItem* item);
    QTreeWidgetItem* InsertNode(QTreeWidgetItem* parent, QTreeWidgetItem* item, int at);
    // A group node, labelled by its kind, that holds owner's objects of that kind.
    QTreeWidgetItem* InsertGroupNode(QTreeWidgetItem* parent, int kind, CDocObject* owner);
    CTreeNodeRef RefOf(QTreeWidgetItem* item) const;
    // The object's label, good until the next one is asked for.
    const std::string& LabelOf(const CDocObject& object);
    // The handle of an item made with text.
    CTreeNodeRef RefOf(QTreeWidgetItem* item, const std::string& text) const;
    void AddTrafficProfileNodeUnder(QTreeWidgetItem* group, C_Doc_TrafficProfile& profile,
                                    int at = -1);
    void AddVirtualAdapterNodeUnder(QTreeWidgetItem* group, C_Doc_Elan& elan, int at = -1);
    // The virtual adapter's node alone, then its groups and everything in them.
    QTreeWidgetItem* AddVirtualAdapterFrame(QTreeWidgetItem* group, C_Doc_Elan& elan, int at);
    void AddVirtualAdapterContents(QTreeWidgetItem* node, C_Doc_Elan& elan);
    // An adapter's nodes in the order they are made: first those an opened adapter shows (its
    // own, its groups', its virtual adapters'), then the rest, then the opening.
    struct CAdapterNodes {
        C_Doc_Adapter* adapter = nullptr;
        QTreeWidgetItem* node = nullptr;
        QTreeWidgetItem* profiles = nullptr;
        QTreeWidgetItem* elans = nullptr;
    };
    CAdapterNodes MakeAdapterNodes(C_Doc_Adapter& adapter, int at);
    void AddAdapterContents(const CAdapterNodes& nodes);
    void OpenAdapter(const CAdapterNodes& nodes);
    void AddPvcNodeUnder(QTreeWidgetItem* group, C_Doc_Pvc& pvc, int at = -1);
    void AddMappingNodeUnder(QTreeWidgetItem* group, C_Doc_TpMapping& mapping, int at = -1);
    void ForgetSubtree(QTreeWidgetItem* item);
    // Selects node unless the tree is being rebuilt.
    void SelectAdded(QTreeWidgetItem* node);

    CNetloomView& m_view;
    CNetloomDoc& m_doc;
    const CUserOptions& m_options;
    CTreeNodeRef m_rootNode;
    CTreeNodeRef m_currentNode;
    bool m_bRebuilding = false;
    // Nesting depth of subtree additions outside a rebuild, and the node they selected last.
    int m_selectionBatch = 0;
    QTreeWidgetItem* m_batchSelection = nullptr;
    // The items this tree created and has not deleted.
    QSet<const void*> m_liveItems;
    // Where LabelOf makes each label.
    std::string m_label;
};

}  // namespace netloom
