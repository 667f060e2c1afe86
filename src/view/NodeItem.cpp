#include "view/NodeItem.h"

#include <QTreeWidgetItem>
#include <cstddef>
#include <utility>

#include "doc/TreeOutline.h"
#include "ui/Latin1.h"
#include "view/ItemRoom.h"
#include "view/NetloomView.h"
#include "view/TreeImages.h"

namespace netloom {

namespace {

// A node's kind, object and image never change: held as members and answered when asked, they
// cost the item no stored values, each a variant in a list grown one by one, on every node of
// a rebuild. Its label is a member too: stored as the base stores it, it would cost two more
// lists per node, made on every rebuild and freed on the next.
class CNodeItem final : public QTreeWidgetItem {
  public:
    CNodeItem(int kind, CDocObject* object, QString text)
        : QTreeWidgetItem(UserType), m_nKind(kind), m_pObject(object), m_text(std::move(text)) {}

    // Items are made and deleted on the interface's thread only, as the tree they belong to.
    // The sanitizer build gives each its own block, so that a use after deletion is caught.
#if !defined(__SANITIZE_ADDRESS__)
    static void* operator new(size_t size) {
        if (size != sizeof(CNodeItem)) return ::operator new(size);
        return Room().Take();
    }
    static void operator delete(void* item, size_t size) {
        if (size != sizeof(CNodeItem)) {
            ::operator delete(item);
            return;
        }
        Room().Give(item);
    }
#endif

    void setData(int column, int role, const QVariant& value) override {
        if (column != 0 || (role != Qt::DisplayRole && role != Qt::EditRole)) {
            QTreeWidgetItem::setData(column, role, value);
            return;
        }
        QString text = value.toString();
        if (text == m_text) return;
        m_text = std::move(text);
        emitDataChanged();
    }

    QVariant data(int column, int role) const override {
        if (column == 0) {
            switch (role) {
                case Qt::DisplayRole:
                case Qt::EditRole:
                    return m_text;
                case CNetloomView::KindRole:
                    return m_nKind;
                case CNetloomView::ObjectRole:
                    return QVariant::fromValue(static_cast<void*>(m_pObject));
                case Qt::DecorationRole: {
                    const QVector<QIcon>& images = TreeImages();
                    if (m_nKind >= 0 && m_nKind < images.size()) return images[m_nKind];
                    return {};
                }
                default:
                    break;
            }
        }
        return QTreeWidgetItem::data(column, role);
    }

  private:
    // Never destroyed: an item deleted while the program ends still finds it.
    static CItemRoom& Room() {
        static CItemRoom& room = *new CItemRoom(sizeof(CNodeItem));
        return room;
    }

    int m_nKind;
    CDocObject* m_pObject;
    QString m_text;
};

}  // namespace

QTreeWidgetItem* NewNodeItem(int kind, CDocObject* object, QString text) {
    return new CNodeItem(kind, object, std::move(text));
}

const QString& GroupLabel(int kind) {
    static const QString profiles = FromBytes(kGroupTrafficProfiles);
    static const QString elans = FromBytes(kGroupVirtualAdapters);
    static const QString pvcs = FromBytes(kGroupPvcs);
    static const QString mappings = FromBytes(kGroupMappings);
    static const QString none;
    switch (kind) {
        case NODE_TRAFFIC_PROFILES:
            return profiles;
        case NODE_VIRTUAL_ADAPTERS:
            return elans;
        case NODE_PVCS:
            return pvcs;
        case NODE_MAPPINGS:
            return mappings;
        default:
            return none;
    }
}

}  // namespace netloom
