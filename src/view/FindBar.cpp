#include "view/FindBar.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidgetItemIterator>
#include <set>
#include <utility>
#include <vector>

#include "doc/FindMatches.h"
#include "doc/NetloomDoc.h"
#include "doc/UserOptions.h"
#include "ui/Latin1.h"
#include "view/NetloomView.h"

namespace netloom {

namespace {

QString HiddenMatchesText(size_t count) {
    if (count == 1) return QStringLiteral("1 more match among the hidden traffic profiles");
    return QStringLiteral("%1 more matches among the hidden traffic profiles").arg(count);
}

// A key of the bar. A window-wide key works with the focus in the tree too, but only while the
// bar is shown: the toolkit ignores the keys of hidden widgets.
QAction* AddKey(QWidget* bar, const QKeySequence& key, Qt::ShortcutContext context) {
    auto* action = new QAction(bar);
    action->setShortcut(key);
    action->setShortcutContext(context);
    bar->addAction(action);
    return action;
}

// Clicking a button leaves the keyboard in the field, so that the user can type on.
QPushButton* AddButton(QWidget* bar, QHBoxLayout* layout, const QString& text) {
    auto* button = new QPushButton(text, bar);
    button->setFocusPolicy(Qt::TabFocus);
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

}  // namespace

CFindBar::CFindBar(CNetloomView& view, QWidget* parent) : QWidget(parent), m_view(view) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    auto* label = new QLabel(QStringLiteral("Find:"), this);
    m_field = new QLineEdit(this);
    m_field->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
    label->setBuddy(m_field);
    layout->addWidget(label);
    layout->addWidget(m_field);
    QPushButton* next = AddButton(this, layout, QStringLiteral("Next"));
    QPushButton* previous = AddButton(this, layout, QStringLiteral("Previous"));
    m_message = new QLabel(this);
    layout->addWidget(m_message, 1);
    auto* close = new QToolButton(this);
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setToolTip(QStringLiteral("Close"));
    close->setAutoRaise(true);
    close->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(close);

    connect(m_field, &QLineEdit::textEdited, this, [this] { Find(Direction::FromCurrent); });
    connect(m_field, &QLineEdit::returnPressed, this, &CFindBar::FindNext);
    connect(next, &QPushButton::clicked, this, &CFindBar::FindNext);
    connect(previous, &QPushButton::clicked, this, &CFindBar::FindPrevious);
    connect(close, &QToolButton::clicked, this, &CFindBar::Close);
    connect(AddKey(this, QKeySequence(Qt::Key_F3), Qt::WindowShortcut), &QAction::triggered, this,
            &CFindBar::FindNext);
    connect(AddKey(this, QKeySequence(Qt::SHIFT | Qt::Key_F3), Qt::WindowShortcut),
            &QAction::triggered, this, &CFindBar::FindPrevious);
    // Escape belongs to the tree while the tree has the keyboard (it ends a drag there).
    connect(AddKey(this, QKeySequence(Qt::Key_Escape), Qt::WidgetWithChildrenShortcut),
            &QAction::triggered, this, &CFindBar::Close);
}

void CFindBar::Open() {
    show();
    m_message->clear();
    m_field->selectAll();
    m_field->setFocus(Qt::ShortcutFocusReason);
}

void CFindBar::Close() {
    m_view.setFocus(Qt::OtherFocusReason);
    hide();
}

void CFindBar::FindNext() {
    Find(Direction::Forward);
}

void CFindBar::FindPrevious() {
    Find(Direction::Backward);
}

QString CFindBar::Message() const {
    return m_message->text();
}

void CFindBar::Find(Direction direction) {
    const QString text = m_field->text();
    QTreeWidgetItem* root = m_view.RootNode();
    if (text.isEmpty() || root == nullptr) {
        m_message->clear();
        return;
    }
    // A character that has no byte in a configuration file matches nothing.
    std::vector<FindMatch> matches;
    if (FindNonLatin1(text).isEmpty()) {
        matches = FindMatches(m_view.Document().Cfgfile(), ToBytes(root->text(0)),
                              m_view.Options().DisplayTrafficProfiles, ToBytes(text));
    }
    std::set<std::pair<int, const CDocObject*>> shown;
    size_t hidden = 0;
    for (const FindMatch& match : matches) {
        if (match.hidden)
            ++hidden;
        else
            shown.emplace(match.kind, match.object);
    }

    // A node is known by its kind and its object (a group's object is its owner). The tree's
    // matching nodes in order, and how many of them come before the current node.
    QTreeWidgetItem* current = m_view.CurrentNode();
    std::vector<QTreeWidgetItem*> found;
    size_t before = 0;
    for (QTreeWidgetItemIterator it(&m_view); *it; ++it) {
        QTreeWidgetItem* item = *it;
        if (item == current) before = found.size();
        if (shown.count({CNetloomView::KindOf(item), CNetloomView::ObjectOf(item)}) != 0)
            found.push_back(item);
    }

    QStringList parts;
    if (found.empty()) {
        parts << QStringLiteral("No match");
    } else {
        const bool currentMatches = before < found.size() && found[before] == current;
        size_t at = before;
        if (direction == Direction::Backward) {
            if (before == 0) {
                at = found.size() - 1;
                parts << QStringLiteral("Search continued from the bottom");
            } else {
                at = before - 1;
            }
        } else {
            if (direction == Direction::Forward && currentMatches) ++at;
            if (at >= found.size()) {
                at = 0;
                parts << QStringLiteral("Search continued from the top");
            }
        }
        m_view.SelectNode(found[at]);
        m_view.scrollToItem(found[at]);
    }
    if (hidden > 0) parts << HiddenMatchesText(hidden);
    m_message->setText(parts.join(QStringLiteral("; ")));
}

}  // namespace netloom
