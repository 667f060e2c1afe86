#include "pages/PageWidgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "doc/Adapter.h"
#include "pages/TypingValidator.h"
#include "ui/Latin1.h"

namespace netloom {

QGroupBox* MakeGroup(const QString& title, QLayout* layout, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setLayout(layout);
    return group;
}

QLabel* MakeLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QLineEdit* MakeNumberEdit(QWidget* parent, bool digitsOnly) {
    auto* edit = new QLineEdit(parent);
    if (digitsOnly) LimitTyping(edit, -1, true);
    SizeNumberEdit(edit);
    return edit;
}

void SizeNumberEdit(QLineEdit* edit) {
    const QFontMetrics metrics(edit->font());
    edit->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("00000000")) + 12);
    edit->setMaximumWidth(metrics.horizontalAdvance(QStringLiteral("0000000000000")) + 12);
}

QLineEdit* MakeTextEdit(QWidget* parent, int maxChars) {
    auto* edit = new QLineEdit(parent);
    if (maxChars >= 0) LimitTyping(edit, maxChars);
    return edit;
}

QComboBox* MakeList(QWidget* parent, const QStringList& entries) {
    auto* list = new QComboBox(parent);
    // Lists filled only when their page is loaded would otherwise keep the width they had
    // when empty and cut their entries short.
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->addItems(entries);
    return list;
}

void ReserveListWidth(QComboBox* list, const QStringList& entries) {
    // Measured by a list like it, the way the list measures itself once it holds them.
    QComboBox probe;
    probe.setFont(list->font());
    probe.setEditable(list->isEditable());
    probe.setSizeAdjustPolicy(QComboBox::AdjustToContents);
    probe.addItems(entries);
    list->setMinimumWidth(std::max(list->minimumWidth(), probe.sizeHint().width()));
}

QComboBox* MakeUnitList(QWidget* parent) {
    return MakeList(
        parent, {QStringLiteral("Cells/s"), QStringLiteral("Kbit/s"), QStringLiteral("Mbit/s")});
}

QStringList TrafficProfileNames(C_Doc_Adapter* adapter) {
    QStringList names;
    std::string name;
    for (int i = 0; adapter != nullptr && adapter->GetTrafficProfileName(i, name); ++i)
        names << FromBytes(name);
    return names;
}

void FillTrafficProfileList(QComboBox* list, C_Doc_Adapter* adapter, int32_t selected) {
    list->clear();
    const QStringList names = TrafficProfileNames(adapter);
    for (int i = 0; i < names.size(); ++i)
        list->addItem(names[i], i);
    list->setCurrentIndex(selected >= 0 && selected < list->count() ? selected : -1);
}

}  // namespace netloom
