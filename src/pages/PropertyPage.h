#pragma once
// The base of every property page. A page holds plain copies of the values it edits and one
// exchange function that moves them into its controls or back out of them, checked. The sheet
// drives it: controls filled when the page is first shown (then its initial enabling rules
// run), refilled each time it comes to the front again, saved when it is left and on OK.

#include <QString>
#include <QWidget>

namespace netloom {

class CDataExchange;

class CPropertyPage : public QWidget {
    Q_OBJECT
  public:
    explicit CPropertyPage(const QString& title, QWidget* parent = nullptr);

    const QString& Title() const { return m_title; }

    // Lists the page's exchanges in their fixed order.
    virtual void DoDataExchange(CDataExchange& dx) = 0;

    // Runs the exchange; a failed save is reported (warning, focus on the failing control).
    bool UpdateData(bool saveAndValidate);

    // The page comes to the front: filled for the first time, or refilled from its values.
    void OnSetActive();
    // True once the page has been shown; a page never shown keeps the values it was given.
    bool IsInitialized() const { return m_bInitialized; }

    // The sheet is about to open and takes the size of its largest page: a page that fills a
    // control only when it is first shown makes room for what the control will hold then.
    virtual void ReserveRoom() {}

    // Whether a click on OK must be dropped because a field handler has just refused the
    // focus change that the click caused. Asking clears it.
    virtual bool TakeClickVeto() { return false; }

  protected:
    // The page's initial enabling rules and list fillings, once, after the first load.
    virtual void OnInitPage() {}

  private:
    QString m_title;
    bool m_bInitialized = false;
};

}  // namespace netloom
