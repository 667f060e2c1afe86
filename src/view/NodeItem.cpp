#include "view/NodeItem.h"

#include <QTreeWidgetItem>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
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
// lists per node, made on every rebuild and freed on the next; kept as its bytes in the item,
// it costs no block of its own, to allocate, free and gather up again on every rebuild.
class CNodeItem final : public QTreeWidgetItem {
  public:
    CNodeItem(int kind, CDocObject* object, QString text)
        : QTreeWidgetItem(UserType), m_nKind(kind), m_pObject(object) {
        SetText(std::move(text));
    }
    CNodeItem(int kind, CDocObject* object, std::string_view label)
        : QTreeWidgetItem(UserType), m_nKind(kind), m_pObject(object) {
        if (label.size() <= kInline) {
            std::memcpy(m_inline, label.data(), label.size());
            m_nInline = static_cast<uint8_t>(label.size());
        } else {
            m_text = FromBytes(label);
        }
    }

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
        if (text == Text()) return;
        SetText(std::move(text));
        emitDataChanged();
    }

    QVariant data(int column, int role) const override {
        if (column == 0) {
            switch (role) {
                case Qt::DisplayRole:
                case Qt::EditRole:
                    return Text();
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

    // The label: in the item, as its bytes, when it is short enough and every character is a
    // byte, as configuration text always is; else (a long label, a file name of characters
    // beyond one byte) as text.
    static constexpr size_t kInline = 62;
    static constexpr uint8_t kNotInline = 0xFF;

    QString Text() const {
        if (m_nInline == kNotInline) return m_text;
        return QString::fromLatin1(m_inline, m_nInline);
    }
    void SetText(QString text) {
        m_nInline = kNotInline;
        m_text = std::move(text);
        if (m_text.size() > static_cast<qsizetype>(kInline)) return;
        // Only a text whose every character is one byte: a file name need not be.
        for (qsizetype i = 0; i < m_text.size(); ++i) {
            const char16_t c = m_text.at(i).unicode();
            if (c > 0xFF) return;
            m_inline[i] = static_cast<char>(c);
        }
        m_nInline = static_cast<uint8_t>(m_text.size());
        m_text = QString();
    }

    int m_nKind;
    CDocObject* m_pObject;
    QString m_text;
    uint8_t m_nInline = kNotInline;
    char m_inline[kInline];
};

}  // namespace

QTreeWidgetItem* NewNodeItem(int kind, CDocObject* object, QString text) {
    return new CNodeItem(kind, object, std::move(text));
}

QTreeWidgetItem* NewNodeItem(int kind, CDocObject* object, std::string_view label) {
    return new CNodeItem(kind, object, label);
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
