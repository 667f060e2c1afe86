#include "pages/ExchangeDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "pages/DataExchange.h"

namespace netloom {

CExchangeDialog::CExchangeDialog(const QString& title, QWidget* parent) : QDialog(parent) {
    setWindowTitle(title);
    setModal(true);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &CExchangeDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &CExchangeDialog::reject);
}

void CExchangeDialog::SetContent(QLayout* content) {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addWidget(m_buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool CExchangeDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx(saveAndValidate);
    DoDataExchange(dx);
    dx.Report(this);
    return !dx.Failed();
}

void CExchangeDialog::Initialize() {
    if (m_bInitialized) return;
    m_bInitialized = true;
    UpdateData(false);
    OnInitDialog();
}

void CExchangeDialog::showEvent(QShowEvent* event) {
    Initialize();
    QDialog::showEvent(event);
}

void CExchangeDialog::done(int result) {
    if (result == QDialog::Accepted) {
        Initialize();
        if (!UpdateData(true)) return;
    }
    m_bInitialized = false;
    QDialog::done(result);
}

}  // namespace netloom
