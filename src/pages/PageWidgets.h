#pragma once
// Small builders for the controls that many pages share, so that every page looks and behaves
// the same: labelled group boxes, labels bound to their field for the keyboard mnemonic, number
// fields, rate unit lists and traffic profile lists.

#include <QGroupBox>
#include <QString>
#include <cstdint>

class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QWidget;

namespace netloom {

class C_Doc_Adapter;

// A group box titled title holding layout.
QGroupBox* MakeGroup(const QString& title, QLayout* layout, QWidget* parent = nullptr);
// A label whose mnemonic moves the focus to buddy.
QLabel* MakeLabel(const QString& text, QWidget* buddy, QWidget* parent = nullptr);
// An edit field for a number; digitsOnly refuses typing anything but digits.
QLineEdit* MakeNumberEdit(QWidget* parent, bool digitsOnly = false);
// Gives an edit field the width of a number field.
void SizeNumberEdit(QLineEdit* edit);
// An edit field for plain text; maxChars < 0: no typing limit.
QLineEdit* MakeTextEdit(QWidget* parent, int maxChars = -1);
// A drop-down list with entries; it stays as wide as its longest entry whatever it is given
// later.
QComboBox* MakeList(QWidget* parent, const QStringList& entries = {});
// Makes list as wide now as it will need to be once it holds entries.
void ReserveListWidth(QComboBox* list, const QStringList& entries);
// The rate unit list: "Cells/s", "Kbit/s", "Mbit/s" (the index is the unit index).
QComboBox* MakeUnitList(QWidget* parent);

// The names of the adapter's traffic profiles 0, 1, 2, ... for as long as it supplies one (an
// adapter without profiles supplies the ten hardware defaults, no adapter none).
QStringList TrafficProfileNames(C_Doc_Adapter* adapter);
// Fills list with the names of the adapter's traffic profiles 0, 1, 2, ... for as long as it
// supplies one, each carrying its number (an adapter without profiles supplies the ten
// hardware defaults, no adapter none), then selects entry selected (none when it has none).
void FillTrafficProfileList(QComboBox* list, C_Doc_Adapter* adapter, int32_t selected);

}  // namespace netloom
