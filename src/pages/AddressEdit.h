#pragma once
// The edit field of an ATM address. Typing is limited to the 59 characters of the stored form;
// the Insert key replaces the whole text with the user's address template.

#include <QLineEdit>

namespace netloom {

class CAtmAddressEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit CAtmAddressEdit(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The edit field of a MAC address (17 characters).
QLineEdit* MakeMacAddressEdit(QWidget* parent);

}  // namespace netloom
