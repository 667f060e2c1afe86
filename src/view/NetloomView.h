#pragma once
// CNetloomView: the tree that shows the open configuration and decides, by its selected node,
// what the edit commands act on. It builds the tree from the document as a whole (RebuildTree)
// and keeps it in step node by node as objects are inserted, deleted and edited. The work is
// done by the parts it owns: the nodes (CNodeTree), the clipboard and dragging
// (CObjectTransfer) and printing (CViewPrinter); the view selects, takes the user's input and
// answers its commands.

#include <QTreeWidget>
#include <functional>
#include <string>

#include "doc/DocView.h"
#include "doc/TreeNodeRef.h"
#include "view/NodeTree.h"
#include "view/ObjectTransfer.h"
#include "view/ViewPrinter.h"

class QMenu;

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

    // The node of one object with its subtree, placed and selected as CNodeTree says; the
    // last dispatches on the object's type to the other five.
    void AddAdapterNode(C_Doc_Adapter& o, int at = -1) { m_tree.AddAdapterNode(o, at); }
    void AddTrafficProfileNode(C_Doc_TrafficProfile& o, int at = -1) {
        m_tree.AddTrafficProfileNode(o, at);
    }
    void AddVirtualAdapterNode(C_Doc_Elan& o, int at = -1) { m_tree.AddVirtualAdapterNode(o, at); }
    void AddPvcNode(C_Doc_Pvc& o, int at = -1) { m_tree.AddPvcNode(o, at); }
    void AddMappingNode(C_Doc_TpMapping& o, int at = -1) { m_tree.AddMappingNode(o, at); }
    void AddObjectNode(CDocObject& o, int at = -1) { m_tree.AddObjectNode(o, at); }

    // What the document's edit steps report.
    void ObjectAdded(CDocObject& object) override;
    void ObjectRemoved(CDocObject& object) override;
    void ObjectRelabelled(CDocObject& object) override;
    void SelectObject(CDocObject& object) override;
    void SetRootText(const std::string& path) override;

    void SetNodeText(void* item, const std::string& text) override;

    // The current node: the one selected last outside a rebuild (null when none).
    QTreeWidgetItem* CurrentNode() const { return m_tree.CurrentNode(); }
    QTreeWidgetItem* RootNode() const { return m_tree.RootNode(); }
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
    bool CanPaste() const { return m_transfer.CanPaste(); }
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();

    // Printing prints the configuration text as saving writes it. BeginPrinting takes the
    // text and measures the pages for printer and returns the number of pages; PrintPage
    // draws one page (1-based); EndPrinting lets the text go.
    int BeginPrinting(QPrinter& printer) { return m_printer.BeginPrinting(printer); }
    void PrintPage(QPainter& painter, int page) { m_printer.PrintPage(painter, page); }
    void EndPrinting() { m_printer.EndPrinting(); }
    // The whole job: the printer's page range (all pages when it has none) within the pages
    // there are. False when nothing could be printed.
    bool PrintDocument(QPrinter& printer) { return m_printer.PrintDocument(printer); }
    // The header's file name: the document's path and its title.
    void SetPrintNameSource(std::function<std::string()> path, std::function<std::string()> title) {
        m_printer.SetNameSource(std::move(path), std::move(title));
    }

    // Widens the column to the longest shown label (or the viewport) once the current round of
    // changes to the nodes is over: measuring after every single change would cost time with
    // large trees.
    void ScheduleFitColumn();
    // Widens the column at once to a node that joined the tree or changed its label, when it
    // is shown: one label is measured, where fitting the column measures the shown ones by
    // the thousand. The column does not narrow until it is next fitted.
    void WidenColumnFor(QTreeWidgetItem* item);
    // Adds item under parent, at index at or last.
    void InsertRow(QTreeWidgetItem* parent, int at, QTreeWidgetItem* item);

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
    void OnCurrentItemChanged(QTreeWidgetItem* current);
    void OnItemCollapsed(QTreeWidgetItem* item);
    void OnItemExpanded(QTreeWidgetItem* item);
    void FitColumn();

    CNetloomDoc& m_doc;
    CUserOptions& m_options;
    CNodeTree m_tree;
    CObjectTransfer m_transfer;
    CViewPrinter m_printer;
    bool m_bFitPending = false;
    bool m_bReopening = false;  // a group closed and opened again by InsertRow
    int m_contentWidth = 0;
    QMenu* m_contextMenu = nullptr;
    std::function<QString()> m_rootLabel;
};

}  // namespace netloom
