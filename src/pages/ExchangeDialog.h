#pragma once
// The base of the modal dialogs that edit values with the pages' exchange protocol but without
// tabs: filled when shown, saved and checked on OK, which a failure refuses.

#include <QDialog>

class QDialogButtonBox;
class QLayout;

namespace netloom {

class CDataExchange;

class CExchangeDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CExchangeDialog(const QString& title, QWidget* parent = nullptr);

    virtual void DoDataExchange(CDataExchange& dx) = 0;
    // Runs the exchange; a failed save is reported (warning, focus on the failing control).
    bool UpdateData(bool saveAndValidate);

    QDialogButtonBox* Buttons() const { return m_buttons; }

    // Closing with Accepted first saves and checks the values; a failure keeps the dialog
    // open. Each showing fills the controls afresh.
    void done(int result) override;

  protected:
    // Puts content above the OK and Cancel buttons; derived constructors call it once.
    void SetContent(QLayout* content);
    // The dialog's initial enabling rules, once, after the first load.
    virtual void OnInitDialog() {}
    void showEvent(QShowEvent* event) override;

  private:
    void Initialize();

    QDialogButtonBox* m_buttons;
    bool m_bInitialized = false;
};

}  // namespace netloom
