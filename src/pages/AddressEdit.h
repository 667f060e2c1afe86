#pragma once
// The edit field of an ATM address. Typing is limited to the 59 characters of the stored form;
// the Insert key replaces the whole text with the user's address template.

#include <QLineEdit>
#include <string>

namespace netloom {

class CAtmAddressEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit CAtmAddressEdit(QWidget* parent = nullptr);

    // What the Insert key puts in (bytes); the default template until set.
    void SetTemplate(const std::string& addressTemplate) { m_template = addressTemplate; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::string m_template;
};

// Gives every ATM address field inside dialog the user's address template.
void SetAddressTemplate(QWidget& dialog, const std::string& addressTemplate);

// The edit field of a MAC address (17 characters).
QLineEdit* MakeMacAddressEdit(QWidget* parent);

}  // namespace netloom
