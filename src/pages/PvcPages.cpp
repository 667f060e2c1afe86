#include "pages/PvcPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "cfgfile/WordList.h"
#include "fields/FieldChecks.h"
#include "pages/AddressEdit.h"
#include "pages/DataExchange.h"
#include "pages/PageWidgets.h"

namespace netloom {

// ---------------------------------------------------------------------------------------------
// "General"

CDlgPvc::CDlgPvc(QWidget* parent) : CPropertyPage(QStringLiteral("General"), parent) {
    m_pVpi = MakeNumberEdit(this);
    m_pVci = MakeNumberEdit(this);
    auto* grid = new QGridLayout;
    grid->addWidget(MakeLabel(QStringLiteral("Virtual &Path Id (VPI)"), m_pVpi, this), 0, 0);
    grid->addWidget(m_pVpi, 0, 1);
    grid->addWidget(MakeLabel(QStringLiteral("Virtual &Channel Id (VCI)"), m_pVci, this), 1, 0);
    grid->addWidget(m_pVci, 1, 1);
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeGroup(QStringLiteral("Vpi/Vci"), grid, this));
    layout->addStretch();
}

void CDlgPvc::DoDataExchange(CDataExchange& dx) {
    const VpiVciLimits limits = PvcLimits(m_nVpiBits);
    dx.Unsigned(m_pVpi, Vpi);
    if (!limits.vpiFixed) dx.MinMax(Vpi, 0, limits.vpiMax);
    dx.Unsigned(m_pVci, Vci);
    dx.MinMax(Vci, 1, limits.vciMax);
}

void CDlgPvc::OnInitPage() {
    // Without VPI bits there is only VPI 0; the field says so and cannot be changed.
    if (PvcLimits(m_nVpiBits).vpiFixed) {
        m_pVpi->setEnabled(false);
        m_pVpi->setText(QString::number(PvcPageVpi(Vpi, m_nVpiBits)));
    }
}

// ---------------------------------------------------------------------------------------------
// "Lan Emulation"

CDlgPvcLane::CDlgPvcLane(QWidget* parent) : CPropertyPage(QStringLiteral("Lan Emulation"), parent) {
    m_pPvcType = MakeList(this, {QStringLiteral("Data Direct"), QStringLiteral("ControlDirect"),
                                 QStringLiteral("MulticastSend")});
    m_pPvcType->setAccessibleName(QStringLiteral("Pvc Type"));
    m_pAtmAddress = new CAtmAddressEdit(this);
    m_pAtmAddress->setAccessibleName(QStringLiteral("ATM Address"));
    auto* type = new QHBoxLayout;
    type->addWidget(m_pPvcType);
    type->addStretch();
    auto* address = new QVBoxLayout;
    address->addWidget(m_pAtmAddress);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeGroup(QStringLiteral("Pvc &Type"), type, this));
    layout->addWidget(MakeGroup(QStringLiteral("ATM &Address"), address, this));
    layout->addStretch();
}

void CDlgPvcLane::DoDataExchange(CDataExchange& dx) {
    dx.ListIndex(m_pPvcType, PvcType, kPvcTypeWords.count);
    dx.AtmAddress(m_pAtmAddress, AtmAddress);
}

// ---------------------------------------------------------------------------------------------
// "Rfc1577/1483"

CDlgPvcRfc::CDlgPvcRfc(QWidget* parent) : CPropertyPage(QStringLiteral("Rfc1577/1483"), parent) {
    m_pIpAddress = MakeTextEdit(this, static_cast<int>(kMaxPvcIpAddress));
    m_pIpAddress->setAccessibleName(QStringLiteral("IP Address"));
    m_pAutoIp = new QCheckBox(QStringLiteral("&Auto IP address"), this);
    m_pMacAddress = MakeMacAddressEdit(this);

    auto* ip = new QVBoxLayout;
    ip->addWidget(m_pIpAddress);
    ip->addWidget(m_pAutoIp);
    auto* mac = new QHBoxLayout;
    mac->addWidget(MakeLabel(QStringLiteral("&MAC Address"), m_pMacAddress, this));
    mac->addWidget(m_pMacAddress);
    mac->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeGroup(QStringLiteral("Classical &IP"), ip, this));
    layout->addWidget(MakeGroup(QStringLiteral("RFC1483 routed"), mac, this));
    layout->addStretch();

    connect(m_pAutoIp, &QCheckBox::toggled, this,
            [this](bool checked) { m_pIpAddress->setEnabled(!checked); });
    // Only a click sends the user on to type the address.
    connect(m_pAutoIp, &QCheckBox::clicked, this, [this](bool checked) {
        if (!checked) m_pIpAddress->setFocus(Qt::OtherFocusReason);
    });
}

void CDlgPvcRfc::DoDataExchange(CDataExchange& dx) {
    dx.Text(m_pIpAddress, IpAddress);
    dx.MaxChars(IpAddress, kMaxPvcIpAddress);
    dx.MacAddress(m_pMacAddress, MacAddress);
    dx.Check(m_pAutoIp, m_bAutoIp);
}

void CDlgPvcRfc::OnInitPage() {
    m_pAutoIp->setEnabled(m_bClassicalIp);
    m_pIpAddress->setEnabled(!m_pAutoIp->isChecked());
    m_pMacAddress->setEnabled(m_bRouted);
}

// ---------------------------------------------------------------------------------------------
// "Traffic Profile"

CDlgPvcTp::CDlgPvcTp(QWidget* parent) : CPropertyPage(QStringLiteral("Traffic Profile"), parent) {
    m_pProfile = MakeList(this);
    m_pProfile->setAccessibleName(QStringLiteral("Default Traffic Profile"));
    auto* profile = new QVBoxLayout;
    profile->addWidget(m_pProfile);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeGroup(QStringLiteral("Default Traffic &Profile"), profile, this));
    layout->addStretch();
}

void CDlgPvcTp::DoDataExchange(CDataExchange& dx) {
    dx.ListIndex(m_pProfile, TrafficProfileSelector, kAnyProfileNumber);
}

void CDlgPvcTp::ReserveRoom() {
    ReserveListWidth(m_pProfile, TrafficProfileNames(m_pAdapter));
}

void CDlgPvcTp::OnInitPage() {
    FillTrafficProfileList(m_pProfile, m_pAdapter, TrafficProfileSelector);
}

}  // namespace netloom
