#include "pages/TypeDialogs.h"

#include <QComboBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "cfgfile/WordList.h"
#include "doc/Cfgfile.h"
#include "pages/DataExchange.h"
#include "pages/PageWidgets.h"

namespace netloom {

namespace {
// The models a configuration can name (MODEL_KA210X, MODEL_KA3301), offered or not.
constexpr int32_t kAdapterModels = 2;
}  // namespace

CDlgAdpType::CDlgAdpType(QWidget* parent)
    : CExchangeDialog(QStringLiteral("Select Adapter Type"), parent) {
    m_pModel = MakeList(this, {QStringLiteral("KA-210x (155 Mbps)")});
    m_pModel->setAccessibleName(QStringLiteral("Adapter Type"));
    m_pModel->setMinimumWidth(
        m_pModel->fontMetrics().horizontalAdvance(QString(36, QLatin1Char('x'))));
    auto* content = new QVBoxLayout;
    content->addWidget(m_pModel);
    SetContent(content);
}

void CDlgAdpType::DoDataExchange(CDataExchange& dx) {
    dx.ListIndex(m_pModel, m_nAdapterModel, kAdapterModels);
}

CDlgElanType::CDlgElanType(QWidget* parent)
    : CExchangeDialog(QStringLiteral("Select Virtual Adapter Type"), parent) {
    m_pLane = new QRadioButton(QStringLiteral("&LAN Emulation"), this);
    m_pClassicalIp = new QRadioButton(QStringLiteral("&Classical IP (RFC1577)"), this);
    m_pRfc1483 = new QRadioButton(QStringLiteral("&Multiprotocol Encapsulation (RFC1483)"), this);
    auto* content = new QVBoxLayout;
    content->addWidget(m_pLane);
    content->addWidget(m_pClassicalIp);
    content->addWidget(m_pRfc1483);
    SetContent(content);
}

void CDlgElanType::DoDataExchange(CDataExchange& dx) {
    dx.Radio({m_pLane, m_pClassicalIp, m_pRfc1483}, m_nType, kElanTypeWords.count);
}

}  // namespace netloom
