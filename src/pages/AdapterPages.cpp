#include "pages/AdapterPages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "cfgfile/WordList.h"
#include "fields/AddressField.h"
#include "fields/FieldChecks.h"
#include "pages/AddressEdit.h"
#include "pages/DataExchange.h"
#include "pages/PageWidgets.h"

namespace netloom {

void CFocusLeaveEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit FocusLeft(event->reason());
}

// ---------------------------------------------------------------------------------------------
// "General"

CDlgAdp::CDlgAdp(QWidget* parent) : CPropertyPage(QStringLiteral("General"), parent) {
    m_pSignalling = new QCheckBox(QStringLiteral("Enable &Signalling"), this);
    m_pIlmi = new QCheckBox(QStringLiteral("Enable &ILMI"), this);
    m_pUniVersion = MakeList(this, {QStringLiteral("Uni 3.0"), QStringLiteral("Uni 3.1")});
    m_pWellKnown = new QCheckBox(QStringLiteral("&Wellknown address"), this);
    m_pLecsAddress = new CAtmAddressEdit(this);
    m_pLecsAddress->setAccessibleName(QStringLiteral("Configuration Server Address"));

    auto* signalling = new QVBoxLayout;
    signalling->addWidget(m_pSignalling);
    auto* linkLevel = new QVBoxLayout;
    linkLevel->addWidget(m_pIlmi);
    auto* version = new QHBoxLayout;
    version->addWidget(MakeLabel(QStringLiteral("&UniVersion:"), m_pUniVersion, this));
    version->addWidget(m_pUniVersion);
    version->addStretch();
    auto* server = new QVBoxLayout;
    server->addWidget(m_pWellKnown);
    server->addWidget(m_pLecsAddress);

    auto* top = new QHBoxLayout;
    top->addWidget(MakeGroup(QStringLiteral("Signalling"), signalling, this));
    top->addWidget(MakeGroup(QStringLiteral("Link Level"), linkLevel, this));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(version);
    layout->addWidget(
        MakeGroup(QStringLiteral("Configuration Server Address (LANE)"), server, this));
    layout->addStretch();

    // The boxes only change by a click or by a load that shows what they already showed, so
    // following every change is following the clicks.
    connect(m_pWellKnown, &QCheckBox::toggled, this,
            [this](bool checked) { m_pLecsAddress->setEnabled(!checked); });
    connect(m_pSignalling, &QCheckBox::toggled, this,
            [this](bool checked) { m_pUniVersion->setEnabled(checked); });
}

void CDlgAdp::DoDataExchange(CDataExchange& dx) {
    dx.Check(m_pSignalling, EnableSvcSupport);
    dx.Check(m_pIlmi, IlmiRegisterAddresses);
    dx.ListIndex(m_pUniVersion, UniVersion, kUniVersionWords.count);
    dx.Check(m_pWellKnown, m_bWellKnown);
    dx.AtmAddress(m_pLecsAddress, LecsAtmAddress);
    dx.MaxChars(LecsAtmAddress, kAtmAddressLength);
}

void CDlgAdp::OnInitPage() {
    m_pLecsAddress->setEnabled(!m_pWellKnown->isChecked());
    m_pUniVersion->setEnabled(m_pSignalling->isChecked());
}

// ---------------------------------------------------------------------------------------------
// "Advanced"

CDlgAdpAdv::CDlgAdpAdv(QWidget* parent) : CPropertyPage(QStringLiteral("Advanced"), parent) {
    m_pSonet = new QRadioButton(QStringLiteral("S&ONET"), this);
    m_pSdh = new QRadioButton(QStringLiteral("S&DH"), this);
    m_pIdle = new QRadioButton(QStringLiteral("&Idle"), this);
    m_pUnassigned = new QRadioButton(QStringLiteral("&Unassigned"), this);
    m_pMasterTiming = new QCheckBox(QStringLiteral("&Master Timing"), this);
    m_pVpi = new CFocusLeaveEdit(this);
    m_pVci = new CFocusLeaveEdit(this);
    for (QLineEdit* edit : {m_pVpi, m_pVci})
        SizeNumberEdit(edit);

    auto* framing = new QVBoxLayout;
    framing->addWidget(m_pSonet);
    framing->addWidget(m_pSdh);
    auto* cells = new QVBoxLayout;
    cells->addWidget(m_pIdle);
    cells->addWidget(m_pUnassigned);
    auto* clock = new QHBoxLayout;
    clock->addWidget(new QLabel(QStringLiteral("Clock Sync:"), this));
    clock->addWidget(m_pMasterTiming);
    clock->addStretch();
    auto* bits = new QGridLayout;
    bits->addWidget(MakeLabel(QStringLiteral("V&pi"), m_pVpi, this), 0, 0);
    bits->addWidget(m_pVpi, 0, 1);
    bits->addWidget(MakeLabel(QStringLiteral("V&ci"), m_pVci, this), 1, 0);
    bits->addWidget(m_pVci, 1, 1);
    bits->setColumnStretch(2, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(MakeGroup(QStringLiteral("FramingMode"), framing, this));
    top->addWidget(MakeGroup(QStringLiteral("EmptyCells"), cells, this));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(clock);
    layout->addWidget(MakeGroup(QStringLiteral("Vpi/Vci bit split"), bits, this));
    layout->addStretch();

    connect(m_pVpi, &CFocusLeaveEdit::FocusLeft, this,
            [this](Qt::FocusReason reason) { OnBitsKillFocus(m_pVpi, reason); });
    connect(m_pVci, &CFocusLeaveEdit::FocusLeft, this,
            [this](Qt::FocusReason reason) { OnBitsKillFocus(m_pVci, reason); });
}

void CDlgAdpAdv::DoDataExchange(CDataExchange& dx) {
    dx.Radio({m_pSonet, m_pSdh}, FramingMode, kFramingModeWords.count);
    dx.Radio({m_pIdle, m_pUnassigned}, EmptyCells, kEmptyCellsWords.count);
    dx.Check(m_pMasterTiming, MasterTiming);
    dx.Unsigned(m_pVpi, MaxVpiBits);
    dx.MinMax(MaxVpiBits, 0, kMaxVpiBitsLimit);
    dx.Unsigned(m_pVci, MaxVciBits);
    dx.MinMax(MaxVciBits, MaxVpiBits, kVpiVciBits - MaxVpiBits);
}

bool CDlgAdpAdv::TakeClickVeto() {
    const bool veto = m_bClickVeto;
    m_bClickVeto = false;
    return veto;
}

void CDlgAdpAdv::OnBitsKillFocus(QLineEdit* field, Qt::FocusReason reason) {
    // A window or popup taking the keyboard (the warning box among them) is no leaving of the
    // field; neither is a move to Cancel, which discards the values anyway.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
    QWidget* next = QApplication::focusWidget();
    const auto* box = qobject_cast<QDialogButtonBox*>(next ? next->parentWidget() : nullptr);
    if (box != nullptr &&
        box->buttonRole(qobject_cast<QAbstractButton*>(next)) == QDialogButtonBox::RejectRole)
        return;
    // Returning the focus after a failure makes the other field lose it in turn; that must
    // not start its own check.
    if (m_bInHandler) return;
    m_bInHandler = true;
    m_bClickVeto = false;
    const bool vci = field == m_pVci;
    CDataExchange dx(true);
    int32_t bits = 0;
    dx.Unsigned(field, bits);
    if (vci)
        dx.MinMax(bits, 1, kVpiVciBits);
    else
        dx.MinMax(bits, 0, kMaxVpiBitsLimit);
    if (dx.Failed()) {
        m_bClickVeto = true;
        dx.Report(this);
    } else {
        (vci ? m_pVpi : m_pVci)->setText(QString::number(kVpiVciBits - bits));
    }
    m_bInHandler = false;
}

// ---------------------------------------------------------------------------------------------
// "Traffic Control"

CDlgAdpTraffic::CDlgAdpTraffic(QWidget* parent)
    : CPropertyPage(QStringLiteral("Traffic Control"), parent) {
    m_pRate = MakeNumberEdit(this, true);
    m_pRate->setAccessibleName(QStringLiteral("Max Adapter Throughput"));
    m_pUnit = MakeUnitList(this);
    m_pUnit->setAccessibleName(QStringLiteral("Max Adapter Throughput Unit"));

    auto* throughput = new QHBoxLayout;
    throughput->addWidget(m_pRate);
    throughput->addWidget(m_pUnit);
    throughput->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeGroup(QStringLiteral("Max Adapter Throughput"), throughput, this));
    layout->addStretch();
}

void CDlgAdpTraffic::DoDataExchange(CDataExchange& dx) {
    dx.ListIndex(m_pUnit, MaxLineRate.Unit, kRateUnitWords.count);
    dx.Unsigned(m_pRate, MaxLineRate.Value);
    dx.MinMax(MaxLineRate.Value, 1, MaxRateForUnit(MaxLineRate.Unit));
}

}  // namespace netloom
