#pragma once
// A modal tabbed property sheet with OK and Cancel. The page in front is saved (and checked)
// before another tab comes to the front and when OK is pressed; a failure keeps the page in
// front and the sheet open. Cancel discards everything: pages only hand their values to the
// object's owner after exec() returned Accepted.

#include <QDialog>
#include <vector>

class QPushButton;
class QTabWidget;

namespace netloom {

class CPropertyPage;

class CPropertySheet : public QDialog {
    Q_OBJECT
  public:
    explicit CPropertySheet(const QString& title, QWidget* parent = nullptr);

    // Adds page as the next tab; the sheet owns it.
    void AddPage(CPropertyPage* page);

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* Page(int index) const;
    CPropertyPage* ActivePage() const;
    int ActiveIndex() const { return m_current; }
    // Brings page index to the front as a click on its tab does; false when the page in front
    // refused to be left.
    bool SetActivePage(int index);

    QTabWidget* Tabs() const { return m_tabs; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    // Closing with Accepted (OK, Enter, accept()) first saves and checks the page in front;
    // a failure keeps the sheet open.
    void done(int result) override;
    // Before the sheet first shows, the first page is filled and the others make room for
    // what they fill in later, so that the sheet opens with the size of its largest page and
    // keeps it on every tab.
    void setVisible(bool visible) override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OnCurrentChanged(int index);
    // Shows the first page when the sheet opens.
    void ActivateFirstPage();
    // Takes the keyboard from the page's field before the page turns; false when the field's
    // own check refused to let it go.
    bool LeaveFieldFirst();
    // Ctrl+Tab and its kin: the page step pages further on, round the end.
    void TurnPage(int step);

    QTabWidget* m_tabs;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    std::vector<CPropertyPage*> m_pages;
    int m_current = -1;
    bool m_bReverting = false;
    bool m_bPrepared = false;
    bool m_bShown = false;
};

}  // namespace netloom
