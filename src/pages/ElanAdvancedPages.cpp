#include "pages/ElanAdvancedPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdint>
#include <iterator>
#include <utility>

#include "cfgfile/WordList.h"
#include "pages/DataExchange.h"
#include "pages/PageWidgets.h"

namespace netloom {

// ---------------------------------------------------------------------------------------------
// "LANE Advanced"

CDlgElanLaneAdv::CDlgElanLaneAdv(QWidget* parent)
    : CPropertyPage(QStringLiteral("LANE Advanced"), parent) {
    struct Row {
        const char* label;
        int32_t* value;
    };
    // In the order of kLaneAdvancedFields, which gives each its range.
    const Row rows[] = {
        {"&Aging Time", &AgingTime},
        {"&Flush Timeout", &FlushTimeout},
        {"&Join Timeout", &JoinTimeout},
        {"Max. &Destination ATM Addrs.", &MaxDdVccs},
        {"Max. Unknown Frame &Count", &MaxUnknownFrameCount},
        {"Max. &VCC's", &MaximumOpenCircuits},
        {"A&rp Response Time", &ArpResponseTime},
        {"Forward Dela&yTime", &ForwardDelayTime},
        {"Max. Arp Re&try Count", &MaxArpRetryCount},
        {"Max. Destination &MAC Addrs.", &MaxDestinations},
        {"Max. Unknown Frame T&ime", &MaxUnknownFrameTime},
        {"VCC Timeout &Period", &VccTimeoutPeriod},
    };
    static_assert(std::size(rows) == kLaneAdvancedFields.size());
    constexpr int kRowsPerColumn = 6;
    auto* grid = new QGridLayout(this);
    size_t index = 0;
    for (const Row& row : rows) {
        QLineEdit* edit = MakeNumberEdit(this);
        const int column = static_cast<int>(index / kRowsPerColumn) * 3;
        const int line = static_cast<int>(index % kRowsPerColumn);
        grid->addWidget(MakeLabel(QString::fromLatin1(row.label), edit, this), line, column);
        grid->addWidget(edit, line, column + 1);
        const RangedKeyword& range = kLaneAdvancedFields[index];
        m_fields.push_back(CRangedField{row.value, range.min, range.max, edit});
        ++index;
    }
    grid->setColumnMinimumWidth(2, 24);
    grid->setRowStretch(kRowsPerColumn, 1);
}

void CDlgElanLaneAdv::DoDataExchange(CDataExchange& dx) {
    for (const CRangedField& field : m_fields) {
        dx.Unsigned(field.edit, *field.value);
        dx.MinMax(*field.value, field.min, field.max);
    }
}

// ---------------------------------------------------------------------------------------------
// "1577 Advanced"

CDlgElanClipAdv::CDlgElanClipAdv(QWidget* parent)
    : CPropertyPage(QStringLiteral("1577 Advanced"), parent) {
    // Created top to bottom as they stand, so the tab order follows the page.
    m_pOpenCircuits = MakeNumberEdit(this);
    m_pVccTimeout = MakeNumberEdit(this);
    m_pArpTimeout = MakeNumberEdit(this);

    auto* grid = new QGridLayout(this);
    const struct {
        const char* label;
        QLineEdit* edit;
        const char* unit;
    } rows[] = {
        {"Max. &open circuits:", m_pOpenCircuits, "(VCC's)"},
        {"&VCC timout period:", m_pVccTimeout, "(minutes)"},
        {"&ATM-ARP period:", m_pArpTimeout, "(seconds)"},
    };
    int line = 0;
    for (const auto& row : rows) {
        grid->addWidget(MakeLabel(QString::fromLatin1(row.label), row.edit, this), line, 0);
        grid->addWidget(row.edit, line, 1);
        grid->addWidget(new QLabel(QString::fromLatin1(row.unit), this), line, 2);
        ++line;
    }
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(line, 1);
}

void CDlgElanClipAdv::DoDataExchange(CDataExchange& dx) {
    // In the order of kClipAdvancedFields, which gives each its range.
    const std::pair<QLineEdit*, int32_t*> fields[] = {
        {m_pVccTimeout, &VccTimeoutPeriod},
        {m_pArpTimeout, &ArpTimeout},
        {m_pOpenCircuits, &MaximumOpenCircuits},
    };
    static_assert(std::size(fields) == kClipAdvancedFields.size());
    for (size_t i = 0; i < kClipAdvancedFields.size(); ++i) {
        dx.Unsigned(fields[i].first, *fields[i].second);
        dx.MinMax(*fields[i].second, kClipAdvancedFields[i].min, kClipAdvancedFields[i].max);
    }
}

// ---------------------------------------------------------------------------------------------
// "Traffic Parameters"

CDlgElanTp::CDlgElanTp(QWidget* parent)
    : CPropertyPage(QStringLiteral("Traffic Parameters"), parent) {
    m_pReceive = MakeNumberEdit(this);
    m_pReceive->setAccessibleName(QStringLiteral("Receive"));
    m_pReceiveUnit = MakeUnitList(this);
    m_pReceiveUnit->setAccessibleName(QStringLiteral("Receive Unit"));
    m_pTransmit = MakeNumberEdit(this);
    m_pTransmit->setAccessibleName(QStringLiteral("Transmit"));
    m_pTransmitUnit = MakeUnitList(this);
    m_pTransmitUnit->setAccessibleName(QStringLiteral("Transmit Unit"));
    m_pProfile = MakeList(this);
    m_pProfile->setAccessibleName(QStringLiteral("Default Traffic Profile"));

    auto* receive = new QHBoxLayout;
    receive->addWidget(m_pReceive);
    receive->addWidget(m_pReceiveUnit);
    auto* transmit = new QHBoxLayout;
    transmit->addWidget(m_pTransmit);
    transmit->addWidget(m_pTransmitUnit);
    auto* rates = new QHBoxLayout;
    rates->addWidget(MakeGroup(QStringLiteral("&Receive"), receive, this));
    rates->addWidget(MakeGroup(QStringLiteral("&Transmit"), transmit, this));
    auto* profile = new QVBoxLayout;
    profile->addWidget(m_pProfile);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Maximum Accepted Call Rate Difference"), this));
    layout->addLayout(rates);
    layout->addWidget(MakeGroup(QStringLiteral("Default Traffic &Profile"), profile, this));
    layout->addStretch();
}

void CDlgElanTp::DoDataExchange(CDataExchange& dx) {
    dx.Unsigned(m_pReceive, MaxReceiveRateDifference.Value);
    dx.Unsigned(m_pTransmit, MaxTransmitRateDifference.Value);
    dx.ListIndex(m_pProfile, DefaultTrafficProfile, kAnyProfileNumber);
    dx.ListIndex(m_pTransmitUnit, MaxTransmitRateDifference.Unit, kRateUnitWords.count);
    dx.ListIndex(m_pReceiveUnit, MaxReceiveRateDifference.Unit, kRateUnitWords.count);
}

void CDlgElanTp::ReserveRoom() {
    ReserveListWidth(m_pProfile, TrafficProfileNames(m_pAdapter));
}

void CDlgElanTp::OnInitPage() {
    FillTrafficProfileList(m_pProfile, m_pAdapter, DefaultTrafficProfile);
}

// ---------------------------------------------------------------------------------------------
// "Trace"

CDlgElanTrace::CDlgElanTrace(QWidget* parent) : CPropertyPage(QStringLiteral("Trace"), parent) {
    m_pPromiscuous = new QCheckBox(QStringLiteral("Allow &promiscuous mode adapter open"), this);
    auto* classes = new QGridLayout;
    constexpr int kRows = 4;
    for (int n = 0; n < kTraceClasses; ++n) {
        m_pClasses[static_cast<size_t>(n)] =
            new QCheckBox(QStringLiteral("Class %1").arg(n + 1), this);
        classes->addWidget(m_pClasses[static_cast<size_t>(n)], n % kRows, n / kRows);
    }
    m_pAll = new QPushButton(QStringLiteral("&All"), this);
    m_pNone = new QPushButton(QStringLiteral("&None"), this);
    m_pAll->setAutoDefault(false);
    m_pNone->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pAll);
    buttons->addWidget(m_pNone);
    auto* group = new QVBoxLayout;
    group->addLayout(classes);
    group->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pPromiscuous);
    layout->addWidget(MakeGroup(QStringLiteral("Trace event classes"), group, this));
    layout->addStretch();

    connect(m_pAll, &QPushButton::clicked, this, [this] { CheckAll(true); });
    connect(m_pNone, &QPushButton::clicked, this, [this] { CheckAll(false); });
}

void CDlgElanTrace::DoDataExchange(CDataExchange& dx) {
    dx.Check(m_pPromiscuous, PromiscuousMode);
    // Saving rebuilds the mask from the sixteen boxes alone; higher bits do not survive
    // (TraceMaskOnPage).
    const uint32_t stored = static_cast<uint32_t>(TraceMask);
    uint32_t rebuilt = 0;
    for (int n = 0; n < kTraceClasses; ++n) {
        int32_t bit = static_cast<int32_t>((stored >> n) & 1u);
        dx.Check(m_pClasses[static_cast<size_t>(n)], bit);
        if (bit == 1) rebuilt |= 1u << n;
    }
    if (dx.IsSaving() && !dx.Failed()) TraceMask = static_cast<int32_t>(rebuilt);
}

void CDlgElanTrace::CheckAll(bool checked) {
    for (QCheckBox* box : m_pClasses)
        box->setChecked(checked);
}

}  // namespace netloom
