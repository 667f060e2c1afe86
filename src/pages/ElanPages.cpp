#include "pages/ElanPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "cfgfile/WordList.h"
#include "fields/FieldChecks.h"
#include "pages/AddressEdit.h"
#include "pages/DataExchange.h"
#include "pages/PageWidgets.h"
#include "ui/Latin1.h"

namespace netloom {

// ---------------------------------------------------------------------------------------------
// "General"

CDlgElan::CDlgElan(QWidget* parent) : CPropertyPage(QStringLiteral("General"), parent) {
    m_pAtmAddress = new CAtmAddressEdit(this);
    m_pAtmAddress->setAccessibleName(QStringLiteral("ATM Address"));
    m_pEthernet = new QRadioButton(QStringLiteral("&Ethernet"), this);
    m_pTokenRing = new QRadioButton(QStringLiteral("&Token-Ring"), this);
    m_pFrameSize = MakeList(this);
    m_pFrameSize->setEditable(true);
    m_pFrameSize->setInsertPolicy(QComboBox::NoInsert);
    // The entries are suggestions only: completing "32" to "32768" would store a size the
    // user never typed instead of refusing the one typed.
    m_pFrameSize->setCompleter(nullptr);

    auto* address = new QVBoxLayout;
    address->addWidget(m_pAtmAddress);
    auto* lan = new QVBoxLayout;
    auto* radios = new QHBoxLayout;
    radios->addWidget(m_pEthernet);
    radios->addWidget(m_pTokenRing);
    radios->addStretch();
    auto* frame = new QHBoxLayout;
    frame->addWidget(MakeLabel(QStringLiteral("Maximum &Frame Size:"), m_pFrameSize, this));
    frame->addWidget(m_pFrameSize);
    frame->addStretch();
    lan->addLayout(radios);
    lan->addLayout(frame);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeGroup(QStringLiteral("ATM &Address"), address, this));
    layout->addWidget(MakeGroup(QStringLiteral("LAN Settings"), lan, this));
    layout->addStretch();

    connect(m_pEthernet, &QRadioButton::clicked, this, [this] { OnLanTypeClicked(false); });
    connect(m_pTokenRing, &QRadioButton::clicked, this, [this] { OnLanTypeClicked(true); });
}

void CDlgElan::DoDataExchange(CDataExchange& dx) {
    if (!dx.IsSaving()) {
        m_pFrameSize->clear();
        for (const std::string_view entry : FrameSizeChoices(Type))
            m_pFrameSize->addItem(FromBytes(entry));
    }
    dx.AtmAddress(m_pAtmAddress, AtmAddress);
    dx.Radio({m_pEthernet, m_pTokenRing}, LanType, kLanTypeWords.count);
    dx.Unsigned(m_pFrameSize, m_nFrameSize);
    dx.MinMax(m_nFrameSize, MinFrameSize(Type), MaxFrameSize(Type));
}

void CDlgElan::OnInitPage() {
    m_pAtmAddress->setEnabled(Type != ELAN_RFC1483);
}

void CDlgElan::OnLanTypeClicked(bool tokenRing) {
    if (Type != ELAN_LANE) return;
    m_pFrameSize->setEditText(FromBytes(tokenRing ? kTokenRingFrameSize : kEthernetFrameSize));
}

// ---------------------------------------------------------------------------------------------
// "LANE"

CDlgElanLane::CDlgElanLane(QWidget* parent) : CPropertyPage(QStringLiteral("LANE"), parent) {
    m_pServerAddress = new CAtmAddressEdit(this);
    m_pServerAddress->setAccessibleName(QStringLiteral("LAN Emulation Server ATM Address"));
    m_pLanName = MakeTextEdit(this, static_cast<int>(kMaxLanName));

    auto* server = new QVBoxLayout;
    server->addWidget(m_pServerAddress);
    auto* name = new QHBoxLayout;
    name->addWidget(MakeLabel(QStringLiteral("LAN &Name:"), m_pLanName, this));
    name->addWidget(m_pLanName);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeGroup(QStringLiteral("LAN Emulation &Server ATM Address"), server, this));
    layout->addLayout(name);
    layout->addStretch();
}

void CDlgElanLane::DoDataExchange(CDataExchange& dx) {
    dx.AtmAddress(m_pServerAddress, ServerAtmAddress);
    dx.Text(m_pLanName, LanName);
    dx.MaxChars(LanName, kMaxLanName);
}

// ---------------------------------------------------------------------------------------------
// "Rfc1577"

CDlgElanClip::CDlgElanClip(QWidget* parent) : CPropertyPage(QStringLiteral("Rfc1577"), parent) {
    m_pArpServer = new CAtmAddressEdit(this);
    m_pArpServer->setAccessibleName(QStringLiteral("ARP Server ATM Address"));
    m_pAutoIp = new QCheckBox(QStringLiteral("Auto &IP Address detection"), this);
    m_pIpAddress = MakeTextEdit(this);
    m_pIpAddress->setAccessibleName(QStringLiteral("IP Address"));

    auto* server = new QVBoxLayout;
    server->addWidget(m_pArpServer);
    auto* ip = new QHBoxLayout;
    ip->addWidget(m_pAutoIp);
    ip->addWidget(m_pIpAddress);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeGroup(QStringLiteral("ARP &Server ATM Address"), server, this));
    layout->addLayout(ip);
    layout->addStretch();

    connect(m_pAutoIp, &QCheckBox::toggled, this,
            [this](bool checked) { m_pIpAddress->setEnabled(!checked); });
    // Only a click sends the user on to type the address.
    connect(m_pAutoIp, &QCheckBox::clicked, this, [this](bool checked) {
        if (!checked) m_pIpAddress->setFocus(Qt::OtherFocusReason);
    });
}

void CDlgElanClip::DoDataExchange(CDataExchange& dx) {
    dx.AtmAddress(m_pArpServer, ArpServer);
    dx.Text(m_pIpAddress, IpAddress);
    dx.Check(m_pAutoIp, m_bAutoIp);
    m_pIpAddress->setEnabled(!m_pAutoIp->isChecked());
}

// ---------------------------------------------------------------------------------------------
// "Rfc1483"

CDlgElan1483::CDlgElan1483(QWidget* parent) : CPropertyPage(QStringLiteral("Rfc1483"), parent) {
    m_pBridged = new QRadioButton(QStringLiteral("&Bridged"), this);
    m_pRouted = new QRadioButton(QStringLiteral("&Routed (Classical IP style)"), this);

    auto* encapsulation = new QVBoxLayout;
    encapsulation->addWidget(m_pBridged);
    encapsulation->addWidget(m_pRouted);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeGroup(QStringLiteral("Encapsulation"), encapsulation, this));
    layout->addStretch();
}

void CDlgElan1483::DoDataExchange(CDataExchange& dx) {
    dx.Radio({m_pBridged, m_pRouted}, Encapsulation, kEncapsulationWords.count);
}

}  // namespace netloom
