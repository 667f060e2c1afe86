#include "pages/PropertySheet.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <utility>

#include "pages/DataExchange.h"
#include "pages/PropertyPage.h"

namespace netloom {

CPropertySheet::CPropertySheet(const QString& title, QWidget* parent) : QDialog(parent) {
    setWindowTitle(title);
    setModal(true);
    m_tabs = new QTabWidget(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_cancel = buttons->button(QDialogButtonBox::Cancel);
    m_ok->setDefault(true);
    m_ok->installEventFilter(this);
    m_tabs->tabBar()->installEventFilter(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPropertySheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPropertySheet::reject);
    connect(m_tabs, &QTabWidget::currentChanged, this, &CPropertySheet::OnCurrentChanged);
    // The sheet turns its pages by keyboard itself, wherever the focus is: a drop-down list
    // would take Ctrl+PageDown for its own entries, and the tab widget's own Ctrl+Tab hands
    // the keyboard to the tab row whenever no widget has it, which is the case just after the
    // warning of a refused change has closed and before the sheet is active again, so the
    // focus the warning gave back to the failing field would be lost.
    const std::pair<QKeySequence, int> turns[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& [keys, step] : turns) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { TurnPage(step); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    m_pages.push_back(page);
    m_bReverting = true;  // adding the first tab makes it current; it is shown on opening
    m_tabs->addTab(page, page->Title());
    m_bReverting = false;
}

CPropertyPage* CPropertySheet::Page(int index) const {
    if (index < 0 || index >= PageCount()) return nullptr;
    return m_pages[static_cast<size_t>(index)];
}

CPropertyPage* CPropertySheet::ActivePage() const {
    return Page(m_current);
}

bool CPropertySheet::SetActivePage(int index) {
    if (m_current < 0) ActivateFirstPage();
    if (Page(index) == nullptr) return false;
    m_tabs->setCurrentIndex(index);
    return m_current == index;
}

void CPropertySheet::ActivateFirstPage() {
    if (m_current >= 0 || m_pages.empty()) return;
    m_current = m_tabs->currentIndex() < 0 ? 0 : m_tabs->currentIndex();
    ActivePage()->OnSetActive();
}

void CPropertySheet::setVisible(bool visible) {
    // Only before the sheet has measured itself: a control growing later on a page that is
    // not in front does not pass that on, until the page comes to the front and the sheet
    // grows under the pointer.
    if (visible && !m_bPrepared) {
        m_bPrepared = true;
        ActivateFirstPage();
        for (CPropertyPage* page : m_pages)
            page->ReserveRoom();
    }
    QDialog::setVisible(visible);
}

void CPropertySheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_bShown) return;
    m_bShown = true;
    // The first control of the page takes the keyboard, not the tab row.
    if (CPropertyPage* page = ActivePage()) {
        QWidget* first = page->nextInFocusChain();
        while (first != nullptr && first != page && page->isAncestorOf(first) &&
               !(first->isEnabled() && first->focusPolicy() & Qt::TabFocus))
            first = first->nextInFocusChain();
        if (first != nullptr && page->isAncestorOf(first)) first->setFocus(Qt::TabFocusReason);
    }
}

void CPropertySheet::OnCurrentChanged(int index) {
    if (m_bReverting || m_current < 0 || index == m_current) return;
    CPropertyPage* leaving = ActivePage();
    CDataExchange dx(true);
    leaving->DoDataExchange(dx);
    if (dx.Failed()) {
        // The page keeps the front; the warning comes only once it is back there.
        m_bReverting = true;
        m_tabs->setCurrentIndex(m_current);
        m_bReverting = false;
        dx.Report(leaving);
        return;
    }
    m_current = index;
    ActivePage()->OnSetActive();
}

void CPropertySheet::done(int result) {
    if (result == QDialog::Accepted) {
        if (m_current < 0) ActivateFirstPage();
        if (CPropertyPage* page = ActivePage()) {
            if (!page->UpdateData(true)) return;
        }
    }
    QDialog::done(result);
}

bool CPropertySheet::LeaveFieldFirst() {
    CPropertyPage* page = ActivePage();
    if (page == nullptr) return true;
    // As on a click on the tab row, the field that has the keyboard gives it up before the
    // page turns, so that its own check runs while the page is still in front.
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && page->isAncestorOf(focus))
        m_tabs->tabBar()->setFocus(Qt::MouseFocusReason);
    return !page->TakeClickVeto();
}

void CPropertySheet::TurnPage(int step) {
    if (m_current < 0 || PageCount() < 2 || !LeaveFieldFirst()) return;
    m_tabs->setCurrentIndex((m_current + step + PageCount()) % PageCount());
}

bool CPropertySheet::eventFilter(QObject* watched, QEvent* event) {
    // Pressing OK moves the focus first; when that makes a field's own check fail, the click
    // must not go on to close the sheet. Turning the page by mouse likewise.
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == m_ok) return ActivePage() != nullptr && ActivePage()->TakeClickVeto();
        if (watched == m_tabs->tabBar()) return !LeaveFieldFirst();
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace netloom
