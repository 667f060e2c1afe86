#pragma once
// CObjectTransfer: objects leaving and entering the tree view as clipboard blocks, by Cut, Copy
// and Paste and by dragging, within the tree and between running copies of Netloom. Where a
// pasted or dropped object goes follows from its kind and the target node, through the
// selection context; the user does not choose the list.

#include <QByteArray>
#include <Qt>
#include <cstdint>

#include "doc/TreeNodeRef.h"

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QPoint;
class QTreeWidgetItem;

namespace netloom {

class CNetloomDoc;
class CNetloomView;
class CNodeTree;

class CObjectTransfer {
  public:
    // The blocks come from and go to view's current node; tree tells which nodes still stand.
    CObjectTransfer(CNetloomView& view, CNetloomDoc& doc, const CNodeTree& tree);
    CObjectTransfer(const CObjectTransfer&) = delete;
    CObjectTransfer& operator=(const CObjectTransfer&) = delete;

    // The current object, with everything it owns, as one block.
    QByteArray CurrentBlock() const;
    // Puts block on the clipboard beside what is there; tells the user when it cannot.
    void PutOnClipboard(const QByteArray& block);
    void Copy() { PutOnClipboard(CurrentBlock()); }
    // Whether the clipboard holds a block the current node takes.
    bool CanPaste() const;
    void Paste();
    // The clipboard changed: its block's kind is read again when next asked.
    void ClipboardChanged() { m_clipboardKindKnown = false; }

    // The left button went down over a node; whether a drag has begun since.
    void NotePress(const CTreeNodeRef& current);
    bool IsDragBegun() const { return m_bDragBegun; }
    void StartDrag();
    // Whether a block that can be dropped is over the view.
    bool IsDragging() const { return m_dragKind != kNoKind; }
    void DragEnter(QDragEnterEvent* event);
    void DragMove(QDragMoveEvent* event);
    void DragLeft() { m_dragKind = kNoKind; }
    void Drop(QDropEvent* event);

  private:
    // Reads a block and hands its object to the document as the step stepName ("Paste",
    // "Drop"); the new node is selected. A block that does not read back is reported and
    // inserts nothing.
    bool PasteBlock(const QByteArray& block, const char* stepName);
    // The node a drag at pos targets (the root away from every node), made current; then the
    // drop action that the remembered kind allows there.
    QTreeWidgetItem* DragTargetAt(const QPoint& pos) const;
    Qt::DropAction TargetEffect(const QPoint& pos, Qt::KeyboardModifiers keys);

    CNetloomView& m_view;
    CNetloomDoc& m_doc;
    const CNodeTree& m_tree;

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
};

}  // namespace netloom
