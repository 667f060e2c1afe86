#include "pages/DlgOptions.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "doc/UserOptions.h"
#include "fields/AddressField.h"
#include "pages/DataExchange.h"
#include "pages/PageWidgets.h"

namespace netloom {

CDlgOptions::CDlgOptions(QWidget* parent) : CExchangeDialog(QStringLiteral("Options"), parent) {
    m_pDisplayTrafficProfiles = new QCheckBox(QStringLiteral("View &Traffic Profiles"), this);
    m_pExpertMode = new QCheckBox(QStringLiteral("View &Advanced Options"), this);
    // An ordinary edit field: the Insert key has no template meaning here.
    m_pAddressTemplate = MakeTextEdit(this);
    m_pAddressTemplate->setAccessibleName(QStringLiteral("ATM Address template"));
    const QFontMetrics metrics(m_pAddressTemplate->font());
    m_pAddressTemplate->setMinimumWidth(
        metrics.horizontalAdvance(QString(kAtmAddressLength, QLatin1Char('D'))) + 16);

    auto* address = new QVBoxLayout;
    address->addWidget(m_pAddressTemplate);
    auto* content = new QVBoxLayout;
    content->addWidget(m_pDisplayTrafficProfiles);
    content->addWidget(m_pExpertMode);
    content->addWidget(MakeGroup(QStringLiteral("ATM Address te&mplate"), address, this));
    m_pListFileProblems = new QCheckBox(
        QStringLiteral("&List file problems instead of showing each in a message box"), this);
    content->addWidget(m_pListFileProblems);
    SetContent(content);
}

void CDlgOptions::DoDataExchange(CDataExchange& dx) {
    dx.Check(m_pDisplayTrafficProfiles, m_bDisplayTrafficProfiles);
    dx.Check(m_pExpertMode, m_bExpertMode);
    dx.Text(m_pAddressTemplate, m_addressTemplate);
    dx.Check(m_pListFileProblems, m_bListFileProblems);
}

bool CDlgOptions::Edit(CUserOptions& options) {
    m_bDisplayTrafficProfiles = options.DisplayTrafficProfiles;
    m_bExpertMode = options.ExpertMode;
    m_addressTemplate = options.AddressTemplate;
    m_bListFileProblems = options.ListFileProblems;
    if (exec() != QDialog::Accepted) return false;
    options.DisplayTrafficProfiles = m_bDisplayTrafficProfiles;
    options.ExpertMode = m_bExpertMode;
    options.AddressTemplate = m_addressTemplate;
    options.ListFileProblems = m_bListFileProblems;
    return true;
}

}  // namespace netloom
