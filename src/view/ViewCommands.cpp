// The view's commands (Delete, Properties, Cut, Copy, Paste, the two View toggles) and its
// mouse and drag handling.

#include <QContextMenuEvent>
#include <QDragMoveEvent>
#include <QMenu>
#include <QMouseEvent>
#include <memory>

#include "doc/CommandIds.h"
#include "doc/EditSteps.h"
#include "doc/NetloomDoc.h"
#include "doc/UserOptions.h"
#include "view/NetloomView.h"

namespace netloom {

void CNetloomView::OnEditDelete() {
    if (!CanDelete()) return;
    CDocObject* object = CurrentObject();
    if (object == nullptr) return;
    RemoveCurrentObject("Delete " + object->GetLabel());
}

void CNetloomView::RemoveCurrentObject(const std::string& stepName) {
    CDocObject* object = CurrentObject();
    if (object == nullptr) return;
    if (m_doc.Apply(MakeRemoveStep(*object, stepName))) emit DocumentChanged();
}

void CNetloomView::OnEditProperties() {
    if (!IsObjectSelected()) return;
    CDocObject* object = CurrentObject();
    if (object == nullptr) return;
    const std::string stepName = "Properties of " + object->GetLabel();
    std::vector<uint8_t> before = SnapshotProperties(*object);
    if (!object->EditProperties()) return;
    // OK counts as a change even when no value changed.
    if (object->m_node.IsSet())
        m_doc.Apply(MakePropertiesStep(*object, std::move(before), stepName));
    emit DocumentChanged();
}

void CNetloomView::OnEditCopy() {
    if (!CanCopy()) return;
    m_transfer.Copy();
}

void CNetloomView::OnEditCut() {
    if (!CanCopy()) return;
    // The block holds a copy of everything, so the object can go before the clipboard takes it.
    const QByteArray block = m_transfer.CurrentBlock();
    RemoveCurrentObject("Cut");
    m_transfer.PutOnClipboard(block);
}

void CNetloomView::OnEditPaste() {
    if (!CanPaste()) return;
    m_transfer.Paste();
}

void CNetloomView::OnEditUndo() {
    if (m_doc.Undo()) emit DocumentChanged();
}

void CNetloomView::OnEditRedo() {
    if (m_doc.Redo()) emit DocumentChanged();
}

void CNetloomView::OnViewTrafficProfiles() {
    m_options.DisplayTrafficProfiles = !m_options.DisplayTrafficProfiles;
    RebuildTree();
}

void CNetloomView::OnViewAdvanced() {
    m_options.ExpertMode = !m_options.ExpertMode;
}

QTreeWidgetItem* CNetloomView::HitTest(const QPoint& pos) const {
    QTreeWidgetItem* item = itemAt(pos);
    if (item == nullptr) return nullptr;
    // Only the icon and the label count, not the empty rest of the row.
    const QRect cell = visualItemRect(item);
    const int contentWidth =
        iconSize().width() + 8 + fontMetrics().horizontalAdvance(item->text(0)) + 6;
    if (pos.x() < cell.left() || pos.x() > cell.left() + contentWidth) return nullptr;
    return item;
}

void CNetloomView::mousePressEvent(QMouseEvent* event) {
    // A right click selects only through the context menu handling, and only on a node.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    // Below the last node there is nothing to select: the selection stays as it is, so that
    // the commands never act on a node the tree no longer shows as selected.
    if (itemAt(event->position().toPoint()) == nullptr) {
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton) m_transfer.NotePress(m_tree.CurrentRef());
    QTreeWidget::mousePressEvent(event);
}

void CNetloomView::mouseMoveEvent(QMouseEvent* event) {
    // After a drag (carried out or refused) the button may still be down: moving on must not
    // drag the selection along from node to node.
    if (m_transfer.IsDragBegun() && (event->buttons() & Qt::LeftButton)) {
        event->accept();
        return;
    }
    QTreeWidget::mouseMoveEvent(event);
}

void CNetloomView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidgetItem* item =
        event->button() == Qt::LeftButton ? HitTest(event->position().toPoint()) : nullptr;
    if (item != nullptr) {
        SelectNode(item);
        if (IsObjectSelected()) {
            // Properties instead of the tree's own expand or collapse.
            event->accept();
            emit CommandRequested(ID_EDIT_PROPERTIES);
            return;
        }
    }
    QTreeWidget::mouseDoubleClickEvent(event);
}

void CNetloomView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (event->reason() != QContextMenuEvent::Mouse) return;
    QTreeWidgetItem* item = HitTest(event->pos());
    if (item == nullptr) return;
    SelectNode(item);
    if (m_contextMenu) m_contextMenu->popup(event->globalPos());
}

void CNetloomView::startDrag(Qt::DropActions) {
    m_transfer.StartDrag();
}

void CNetloomView::dragEnterEvent(QDragEnterEvent* event) {
    m_transfer.DragEnter(event);
}

void CNetloomView::dragMoveEvent(QDragMoveEvent* event) {
    if (!m_transfer.IsDragging()) {
        event->ignore();
        return;
    }
    if (hasAutoScroll()) startAutoScroll();
    m_transfer.DragMove(event);
}

void CNetloomView::dragLeaveEvent(QDragLeaveEvent* event) {
    QTreeWidget::dragLeaveEvent(event);
    m_transfer.DragLeft();
}

void CNetloomView::dropEvent(QDropEvent* event) {
    m_transfer.Drop(event);
}

}  // namespace netloom
