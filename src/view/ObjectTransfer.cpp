#include "view/ObjectTransfer.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <memory>
#include <string>

#include "clip/ClipObject.h"
#include "doc/CommandRules.h"
#include "doc/NetloomDoc.h"
#include "doc/TreeOutline.h"
#include "res/Strings.h"
#include "ui/Latin1.h"
#include "ui/MessageService.h"
#include "ui/WaitCursor.h"
#include "view/NetloomView.h"
#include "view/NodeTree.h"

namespace netloom {

namespace {

QByteArray ToByteArray(const std::vector<uint8_t>& block) {
    return QByteArray(reinterpret_cast<const char*>(block.data()),
                      static_cast<qsizetype>(block.size()));
}

bool PeekBlockKind(const QByteArray& block, uint16_t& kind) {
    return CClipObject::PeekKind(reinterpret_cast<const uint8_t*>(block.constData()),
                                 static_cast<size_t>(block.size()), kind);
}

// Puts block on the clipboard beside what is already there: data of other formats stays.
bool PutBesideOthers(const QByteArray& block) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return false;
    auto mime = std::make_unique<QMimeData>();
    if (const QMimeData* current = clipboard->mimeData()) {
        for (const QString& format : current->formats()) {
            if (format == CNetloomView::kClipboardFormat) continue;
            const QByteArray data = current->data(format);
            if (!data.isEmpty()) mime->setData(format, data);
        }
    }
    mime->setData(CNetloomView::kClipboardFormat, block);
    clipboard->setMimeData(mime.release());
    return true;
}

// The block on the clipboard; empty when there is none.
QByteArray ClipboardBlock() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* mime = clipboard ? clipboard->mimeData() : nullptr;
    if (mime == nullptr || !mime->hasFormat(CNetloomView::kClipboardFormat)) return QByteArray();
    return mime->data(CNetloomView::kClipboardFormat);
}

}  // namespace

CObjectTransfer::CObjectTransfer(CNetloomView& view, CNetloomDoc& doc, const CNodeTree& tree)
    : m_view(view), m_doc(doc), m_tree(tree) {}

QByteArray CObjectTransfer::CurrentBlock() const {
    CDocObject* object = m_view.CurrentObject();
    if (object == nullptr) return QByteArray();
    CClipObject clip(*object, static_cast<uint16_t>(m_view.CurrentKind()));
    return ToByteArray(clip.Write());
}

void CObjectTransfer::PutOnClipboard(const QByteArray& block) {
    if (!PutBesideOthers(block)) ShowWarning(&m_view, TableString(IDS_CLIPBOARD_OPEN_FAILED));
}

bool CObjectTransfer::CanPaste() const {
    // Asked before every menu, toolbar and key: the kind is read once per clipboard change,
    // since asking another program for its data each time would cost a round trip, or seconds
    // when that program is slow to answer.
    if (!m_clipboardKindKnown) {
        uint16_t kind = kNoKind;
        m_clipboardKind = PeekBlockKind(ClipboardBlock(), kind) ? kind : kNoKind;
        m_clipboardKindKnown = true;
    }
    return m_clipboardKind != kNoKind && CanAccept(m_view.CurrentKind(), m_clipboardKind);
}

void CObjectTransfer::Paste() {
    const QByteArray block = ClipboardBlock();
    if (block.isEmpty()) {
        ShowWarning(&m_view, TableString(IDS_CLIPBOARD_GET_FAILED));
        return;
    }
    PasteBlock(block, "Paste");
}

bool CObjectTransfer::PasteBlock(const QByteArray& block, const char* stepName) {
    std::string error;
    bool inserted = false;
    {
        // A block of thousands of objects takes a moment to read, insert and show.
        CWaitCursor wait;
        CClipObject clip;
        if (clip.Read(reinterpret_cast<const uint8_t*>(block.constData()),
                      static_cast<size_t>(block.size()), &error)) {
            error.clear();
            inserted = clip.PasteInto(m_doc, stepName);
        } else if (error.empty()) {
            error = "unreadable";
        }
    }  // the envelope destroys a refused object
    if (!error.empty()) {
        ShowWarning(&m_view,
                    CNetloomView::tr("The object on the Clipboard is damaged and cannot be pasted "
                                     "(%1).")
                        .arg(FromBytes(error)));
        return false;
    }
    if (inserted) emit m_view.DocumentChanged();
    return inserted;
}

void CObjectTransfer::NotePress(const CTreeNodeRef& current) {
    m_nodeBeforePress = current;
    m_bDragBegun = false;
}

void CObjectTransfer::StartDrag() {
    // The press that began the drag selected the node under the pointer; the object dragged is
    // the one that was selected before it, and the selection shows it again.
    QTreeWidgetItem* before = m_tree.ItemOf(m_nodeBeforePress);
    m_nodeBeforePress.Clear();
    m_bDragBegun = true;
    if (before != nullptr && before != m_view.currentItem()) {
        // Without scrolling: the nodes under the pointer stay where the user sees them.
        const bool autoScroll = m_view.hasAutoScroll();
        m_view.setAutoScroll(false);
        m_view.setCurrentItem(before);
        m_view.setAutoScroll(autoScroll);
    }
    if (!m_view.IsObjectSelected() || m_view.CurrentKind() == NODE_CONFIGURATION) return;
    auto* mime = new QMimeData;
    mime->setData(CNetloomView::kClipboardFormat, CurrentBlock());
    auto* drag = new QDrag(&m_view);
    drag->setMimeData(mime);
    if (QTreeWidgetItem* node = m_view.CurrentNode())
        drag->setPixmap(node->icon(0).pixmap(m_view.iconSize()));
    m_bOwnDrag = true;
    // Whatever the target did, the dragged object stays where it is: a drop inserts a copy.
    drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
    m_bOwnDrag = false;
    // The drag and its data are not ours to delete. Under X11 the drop only tells another
    // program that data is there; that program asks for it afterwards, when this loop has
    // already returned, and the window system's drag keeps the data until it has been taken
    // (it deletes the drag itself then). Deleting it here left nothing to hand over, so a drop
    // into another running Netloom inserted nothing.
}

QTreeWidgetItem* CObjectTransfer::DragTargetAt(const QPoint& pos) const {
    QTreeWidgetItem* item = m_view.itemAt(pos);
    if (item == nullptr) return m_view.RootNode();
    // The expand button is not part of the node: a drop there goes to the root.
    const QRect cell = m_view.visualItemRect(item);
    if (item->childCount() > 0 && item->parent() != nullptr && pos.x() < cell.left() &&
        pos.x() >= cell.left() - m_view.indentation())
        return m_view.RootNode();
    return item;
}

Qt::DropAction CObjectTransfer::TargetEffect(const QPoint& pos, Qt::KeyboardModifiers keys) {
    QTreeWidgetItem* target = DragTargetAt(pos);
    if (target != nullptr) m_view.SelectNode(target);
    if (target == nullptr || m_dragKind == kNoKind ||
        !CanAccept(CNetloomView::KindOf(target), m_dragKind))
        return Qt::IgnoreAction;
    if (m_bOwnDrag && (keys & Qt::ControlModifier)) return Qt::MoveAction;
    return Qt::CopyAction;
}

namespace {

void ApplyEffect(QDragMoveEvent* event, Qt::DropAction effect) {
    if (effect == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    event->setDropAction(effect);
    event->accept();
}

}  // namespace

void CObjectTransfer::DragEnter(QDragEnterEvent* event) {
    const QMimeData* mime = event->mimeData();
    uint16_t kind = 0;
    if (mime == nullptr || !mime->hasFormat(CNetloomView::kClipboardFormat) ||
        !PeekBlockKind(mime->data(CNetloomView::kClipboardFormat), kind)) {
        m_dragKind = kNoKind;
        event->ignore();
        return;
    }
    m_dragKind = kind;
    // Accepted whatever the node under the pointer takes, so that the moves that follow are
    // reported here and each position decides for itself.
    const Qt::DropAction effect = TargetEffect(event->position().toPoint(), event->modifiers());
    event->setDropAction(effect);
    event->accept();
}

void CObjectTransfer::DragMove(QDragMoveEvent* event) {
    ApplyEffect(event, TargetEffect(event->position().toPoint(), event->modifiers()));
}

void CObjectTransfer::Drop(QDropEvent* event) {
    const QMimeData* mime = event->mimeData();
    if (mime == nullptr || !mime->hasFormat(CNetloomView::kClipboardFormat)) {
        event->ignore();
        return;
    }
    // From another program the data is fetched only now, across the window system.
    const QByteArray block = mime->data(CNetloomView::kClipboardFormat);
    uint16_t kind = kNoKind;
    const bool fetched = PeekBlockKind(block, kind);
    // The kind seen while the drag moved decides where the object may go when the data did
    // not arrive.
    if (fetched) m_dragKind = kind;
    const Qt::DropAction effect = TargetEffect(event->position().toPoint(), Qt::NoModifier);
    m_dragKind = kNoKind;
    if (effect == Qt::IgnoreAction) {
        event->ignore();
        return;
    }
    if (!fetched) {
        // The user saw the drop offered; it must not end in silence.
        event->ignore();
        ShowWarning(&m_view,
                    CNetloomView::tr("The object could not be taken over from the other program."));
        return;
    }
    // The node under the pointer must take the object: only then does the selection context
    // name the list it goes to.
    if (!PasteBlock(block, "Drop")) {
        event->ignore();
        return;
    }
    // Always a copy, so that no source removes what it dragged.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

}  // namespace netloom
