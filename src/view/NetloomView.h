#pragma once
// CNetloomView: the tree that shows the open configuration and decides, by its selected node,
// what the edit commands act on. It builds the tree from the document as a whole (RebuildTree)
// and keeps it in step node by node as objects are inserted, deleted and edited.

#include <QFont>
#include <QSet>
#include <QTreeWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "doc/DocView.h"
#include "doc/PrintLayout.h"
#include "doc/TreeNodeRef.h"

class QMenu;
class QPainter;
class QPrinter;

namespace netloom {

class CDocObject;
class CNetloomDoc;
class C_Doc_Adapter;
class C_Doc_TrafficProfile;
class C_Doc_Elan;
class C_Doc_Pvc;
class C_Doc_TpMapping;

struct CUserOptions;

class CNetloomView : public QTreeWidget, public CTreeNodeHost, public CDocView {
    Q_OBJECT
  public:
    // Item data roles: the node kind (0..9, also its image) and the object it stands for.
    enum Role { KindRole = Qt::UserRole, ObjectRole };

    // options: what the tree shows, and what its View commands switch; they belong to the
    // caller and must outlive the view.
    CNetloomView(CNetloomDoc& doc, CUserOptions& options, QWidget* parent = nullptr);
    ~CNetloomView() override;

    CNetloomDoc& Document() { return m_doc; }
    CUserOptions& Options() const { return m_options; }

    // Where the root's label comes from: the document's path, or its title when it has none.
    void SetRootLabelSource(std::function<QString()> source) { m_rootLabel = std::move(source); }
    // The menu shown on a right click over a node (its commands are enabled by their owner).
    void SetContextMenu(QMenu* menu) { m_contextMenu = menu; }

    void RebuildTree();
    // Removes every node before the document deletes its objects, so that nothing in the
    // tree or the selection context refers to them afterwards.
    void ClearTree();

    // Each adds the object's node with its whole subtree under its group, as child number at
    // (last when at is past the end), and selects it unless the tree is being rebuilt.
    void AddAdapterNode(C_Doc_Adapter& adapter, int at = -1);
    void AddTrafficProfileNode(C_Doc_TrafficProfile& profile, int at = -1);
    void AddVirtualAdapterNode(C_Doc_Elan& elan, int at = -1);
    void AddPvcNode(C_Doc_Pvc& pvc, int at = -1);
    void AddMappingNode(C_Doc_TpMapping& mapping, int at = -1);
    // Dispatches on the object's type code to the five operations above.
    void AddObjectNode(CDocObject& object, int at = -1);

    // What the document's edit steps report.
    void ObjectAdded(CDocObject& object) override;
    void ObjectRemoved(CDocObject& object) override;
    void ObjectRelabelled(CDocObject& object) override;
    void SelectObject(CDocObject& object) override;
    void SetRootText(const std::string& path) override;

    void SetNodeText(void* item, const std::string& text) override;

    // The current node: the one selected last outside a rebuild (null when none).
    QTreeWidgetItem* CurrentNode() const { return ItemOf(m_currentNode); }
    QTreeWidgetItem* RootNode() const { return ItemOf(m_rootNode); }
    // The current node's kind, or -1 without one; and its item data.
    int CurrentKind() const;
    CDocObject* CurrentObject() const;
    bool IsObjectSelected() const;
    bool CanDelete() const;

    static int KindOf(const QTreeWidgetItem* item);
    static CDocObject* ObjectOf(const QTreeWidgetItem* item);

    // The node whose icon or label is at pos (viewport coordinates), or null.
    QTreeWidgetItem* HitTest(const QPoint& pos) const;
    // Selects item as the tree does: its collapsed ancestors are expanded first.
    void SelectNode(QTreeWidgetItem* item);
    // Sets the document's selection context from the current node.
    void UpdateSelectionContext();

    // Commands of the view; each does nothing when its enabling rule says no.
    void OnEditDelete();
    void OnEditProperties();
    void OnEditUndo();
    void OnEditRedo();
    void OnViewTrafficProfiles();
    void OnViewAdvanced();

    // The clipboard: an object with everything it owns travels as one block under
    // kClipboardFormat, so that running copies of Netloom exchange objects.
    static const QString kClipboardFormat;
    bool CanCopy() const { return CanDelete(); }
    bool CanPaste() const;
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();

    // Printing prints the configuration text as saving writes it. BeginPrinting takes the
    // text and measures the pages for printer and returns the number of pages; PrintPage
    // draws one page (1-based); EndPrinting lets the text go.
    int BeginPrinting(QPrinter& printer);
    void PrintPage(QPainter& painter, int page);
    void EndPrinting();
    // The whole job: the printer's page range (all pages when it has none) within the pages
    // there are. False when nothing could be printed.
    bool PrintDocument(QPrinter& printer);
    // The header's file name: the document's path and its title.
    void SetPrintNameSource(std::function<std::string()> path, std::function<std::string()> title) {
        m_printPath = std::move(path);
        m_printTitle = std::move(title);
    }

  signals:
    // The selection context was set from a new current node.
    void SelectionContextChanged();
    // An edit changed the document (its modified flag, its objects or their labels).
    void DocumentChanged();
    // The whole tree was built again (a new, opened or reloaded document, the profiles shown
    // or hidden).
    void TreeRebuilt();
    // The user asked for a command here (Properties by double click).
    void CommandRequested(int id);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // Takes the current object out of the document and its node out of the tree, as one step
    // of the edit history named stepName (Delete, and Cut once the block is written).
    void RemoveCurrentObject(const std::string& stepName);
    // The current object as a clipboard block.
    std::vector<uint8_t> WriteBlock();
    // Reads a block and hands its object to the document as the step stepName ("Paste",
    // "Drop"); the new node is selected. A block that does not read back is reported and
    // inserts nothing.
    bool PasteBlock(const QByteArray& block, const char* stepName);
    // The node a drag at pos targets (the root away from every node), made current; then the
    // drop action that the remembered kind allows there.
    QTreeWidgetItem* DragTargetAt(const QPoint& pos) const;
    Qt::DropAction TargetEffect(const QPoint& pos, Qt::KeyboardModifiers keys);

    QTreeWidgetItem* InsertNode(QTreeWidgetItem* parent, const std::string& text, int kind,
                                CDocObject* object, int at = -1);
    CTreeNodeRef RefOf(QTreeWidgetItem* item) { return CTreeNodeRef{item, this}; }
    QTreeWidgetItem* ItemOf(const CTreeNodeRef& ref) const;
    // Selections made while a subtree is added are gathered and the last one made at the end.
    class CSelectionBatch;
    void AddTrafficProfileNodeUnder(QTreeWidgetItem* group, C_Doc_TrafficProfile& profile,
                                    int at = -1);
    void AddVirtualAdapterNodeUnder(QTreeWidgetItem* group, C_Doc_Elan& elan, int at = -1);
    void AddPvcNodeUnder(QTreeWidgetItem* group, C_Doc_Pvc& pvc, int at = -1);
    void AddMappingNodeUnder(QTreeWidgetItem* group, C_Doc_TpMapping& mapping, int at = -1);
    void OnCurrentItemChanged(QTreeWidgetItem* current);
    void OnItemCollapsed(QTreeWidgetItem* item);
    // Clears every node reference the document's objects hold.
    void ForgetNodes();
    void ForgetSubtree(QTreeWidgetItem* item);
    // Widens the column to the longest shown label (or the viewport) once the current round of
    // changes is over: measuring after every single change would cost time with large trees.
    void ScheduleFitColumn();
    void FitColumn();

    CNetloomDoc& m_doc;
    CUserOptions& m_options;
    CTreeNodeRef m_rootNode;
    CTreeNodeRef m_currentNode;
    bool m_bRebuilding = false;
    // Nesting depth of subtree additions outside a rebuild, and the node they selected last.
    int m_selectionBatch = 0;
    QTreeWidgetItem* m_batchSelection = nullptr;
    bool m_bFitPending = false;
    int m_contentWidth = 0;
    // The items this view created and has not deleted: a node reference is honoured only when
    // its item is among them.
    QSet<const void*> m_liveItems;
    QMenu* m_contextMenu = nullptr;
    std::function<QString()> m_rootLabel;

    // Dragging: the kind of the block over the view (kNoKind when none) and whether the drag
    // started here.
    static constexpr uint16_t kNoKind = 0xFFFF;
    uint16_t m_dragKind = kNoKind;
    bool m_bOwnDrag = false;
    // The kind of the block on the clipboard (kNoKind when there is none), read again after
    // the clipboard changes.
    mutable uint16_t m_clipboardKind = kNoKind;
    mutable bool m_clipboardKindKnown = false;
    // The node that was current when the left button went down: a drag that follows carries
    // it, not the node the press landed on.
    CTreeNodeRef m_nodeBeforePress;
    // Set once a drag has begun, until the next press: the rest of that gesture selects nothing.
    bool m_bDragBegun = false;

    // Printing, between BeginPrinting and EndPrinting.
    std::string m_printText;
    CPrintLayout m_printLayout;
    std::vector<size_t> m_pageStarts;
    QFont m_printFont;
    int m_printAscent = 0;
    std::function<std::string()> m_printPath;
    std::function<std::string()> m_printTitle;
};

}  // namespace netloom
