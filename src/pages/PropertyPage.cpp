#include "pages/PropertyPage.h"

#include "pages/DataExchange.h"

namespace netloom {

CPropertyPage::CPropertyPage(const QString& title, QWidget* parent)
    : QWidget(parent), m_title(title) {}

bool CPropertyPage::UpdateData(bool saveAndValidate) {
    CDataExchange dx(saveAndValidate);
    DoDataExchange(dx);
    dx.Report(this);
    return !dx.Failed();
}

void CPropertyPage::OnSetActive() {
    UpdateData(false);
    if (!m_bInitialized) {
        m_bInitialized = true;
        OnInitPage();
    }
}

}  // namespace netloom
