#include "pages/ProfilePages.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "cfgfile/WordList.h"
#include "doc/Adapter.h"
#include "fields/FieldChecks.h"
#include "fields/ProfileList.h"
#include "pages/AddressEdit.h"
#include "pages/DataExchange.h"
#include "pages/PageWidgets.h"
#include "pages/UpDownEdit.h"
#include "ui/Latin1.h"

namespace netloom {

namespace {
constexpr int kNumberRole = Qt::UserRole;

// The VBR types, which alone use the sustained rate and the burst size.
constexpr bool IsVariableRate(int descrType) {
    return descrType >= 2 && descrType <= 4;
}
}  // namespace

// ---------------------------------------------------------------------------------------------
// "Traffic Profile Properties"

CDlgTp::CDlgTp(QWidget* parent)
    : CExchangeDialog(QStringLiteral("Traffic Profile Properties"), parent) {
    m_pDescrType = MakeList(
        this, {QStringLiteral("UBR (Best Effort)"), QStringLiteral("CBR (Constant Bit Rate)"),
               QStringLiteral("VBR (No Clp)"), QStringLiteral("VBR (Clp, No Tagging)"),
               QStringLiteral("VBR (Clp, Tagging)")});
    m_pQosClass =
        MakeList(this, {QStringLiteral("None"), QStringLiteral("QOS 1"), QStringLiteral("QOS 2"),
                        QStringLiteral("QOS 3"), QStringLiteral("QOS 4")});
    m_pPeak = MakeNumberEdit(this, true);
    m_pPeak->setAccessibleName(QStringLiteral("Peak Rate"));
    m_pPeakUnit = MakeUnitList(this);
    m_pPeakUnit->setAccessibleName(QStringLiteral("Peak Rate Unit"));
    m_pSustained = MakeNumberEdit(this, true);
    m_pSustained->setAccessibleName(QStringLiteral("Sustained Rate"));
    m_pSustainedUnit = MakeUnitList(this);
    m_pSustainedUnit->setAccessibleName(QStringLiteral("Sustained Rate Unit"));
    m_pBurst = new CUpDownEdit(this);
    m_pBurst->setAccessibleName(QStringLiteral("Burst Size"));
    m_pBurst->SetDigitsOnly(true);
    m_pBurst->SetStepRange(kMinBurst, kMaxBurst);

    auto* lists = new QGridLayout;
    lists->addWidget(MakeLabel(QStringLiteral("Profile &Type"), m_pDescrType, this), 0, 0);
    lists->addWidget(m_pDescrType, 0, 1);
    lists->addWidget(MakeLabel(QStringLiteral("&Quality Of Service"), m_pQosClass, this), 1, 0);
    lists->addWidget(m_pQosClass, 1, 1);
    lists->setColumnStretch(2, 1);
    auto* peak = new QHBoxLayout;
    peak->addWidget(m_pPeak);
    peak->addWidget(m_pPeakUnit);
    auto* sustained = new QHBoxLayout;
    sustained->addWidget(m_pSustained);
    sustained->addWidget(m_pSustainedUnit);
    auto* rates = new QHBoxLayout;
    rates->addWidget(MakeGroup(QStringLiteral("&Peak Rate"), peak, this));
    rates->addWidget(MakeGroup(QStringLiteral("&Sustained Rate"), sustained, this));
    auto* burst = new QHBoxLayout;
    burst->addWidget(m_pBurst);
    burst->addStretch();

    auto* content = new QVBoxLayout;
    content->addLayout(lists);
    content->addLayout(rates);
    content->addWidget(MakeGroup(QStringLiteral("&Burst Size"), burst, this));
    SetContent(content);

    connect(m_pDescrType, &QComboBox::currentIndexChanged, this, [this] { EnableByType(); });
}

void CDlgTp::DoDataExchange(CDataExchange& dx) {
    dx.ListIndex(m_pDescrType, DescrType, kDescrTypeWords.count);
    dx.ListIndex(m_pQosClass, QosClass, kQosClassWords.count);
    dx.Signed(m_pPeak, PeakRate.Value);
    dx.Signed(m_pSustained, SustainedRate.Value);
    dx.Signed(m_pBurst, MaxBurstSize);
    dx.MinMax(MaxBurstSize, kMinBurst, kMaxBurst);
    dx.ListIndex(m_pPeakUnit, PeakRate.Unit, kRateUnitWords.count);
    dx.ListIndex(m_pSustainedUnit, SustainedRate.Unit, kRateUnitWords.count);
    // The rates are judged by their units, so only once both lists are read. A failure is
    // charged to the rate's own field, where it can be corrected.
    dx.MinMax(PeakRate.Value, 1, MaxRateForUnit(PeakRate.Unit), m_pPeak);
    dx.MinMax(SustainedRate.Value, 1, MaxRateForUnit(SustainedRate.Unit), m_pSustained);
}

void CDlgTp::OnInitDialog() {
    EnableByType();
}

void CDlgTp::EnableByType() {
    const bool variable = IsVariableRate(m_pDescrType->currentIndex());
    m_pSustained->setEnabled(variable);
    m_pSustainedUnit->setEnabled(variable);
    m_pBurst->setEnabled(variable);
}

// ---------------------------------------------------------------------------------------------
// "General" of a mapping

CDlgTpMap::CDlgTpMap(QWidget* parent) : CPropertyPage(QStringLiteral("General"), parent) {
    m_pVcType = MakeList(this);
    m_pAddress = new CAtmAddressEdit(this);
    m_pMask = new CAtmAddressEdit(this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(MakeLabel(QStringLiteral("&VCC Type:"), m_pVcType, this), 0, 0);
    grid->addWidget(m_pVcType, 0, 1, Qt::AlignLeft);
    grid->addWidget(MakeLabel(QStringLiteral("&Address:"), m_pAddress, this), 1, 0);
    grid->addWidget(m_pAddress, 1, 1);
    grid->addWidget(MakeLabel(QStringLiteral("&Mask:"), m_pMask, this), 2, 0);
    grid->addWidget(m_pMask, 2, 1);
    grid->setRowStretch(3, 1);
}

void CDlgTpMap::DoDataExchange(CDataExchange& dx) {
    if (!dx.IsSaving() && m_pVcType->count() == 0) {
        m_pVcType->addItems({QStringLiteral("Any"), QStringLiteral("Any Lane"),
                             QStringLiteral("Lane Data"), QStringLiteral("Lane Control"),
                             QStringLiteral("Lane BUS"), QStringLiteral("Any 1577"),
                             QStringLiteral("1577 Data"), QStringLiteral("1577 Arp")});
        if (m_nElanType == ELAN_LANE) m_pVcType->addItem(QStringLiteral("Multicast"));
    }
    dx.AtmAddress(m_pAddress, AtmAddress);
    dx.AtmAddress(m_pMask, AddressMask);
    dx.ListIndex(m_pVcType, VcType, m_pVcType->count());
}

// ---------------------------------------------------------------------------------------------
// "Mapping"

CDlgTpMapList::CDlgTpMapList(QWidget* parent) : CPropertyPage(QStringLiteral("Mapping"), parent) {
    m_pAvailable = new QListWidget(this);
    m_pAdd = new QPushButton(QStringLiteral("-->"), this);
    m_pAdd->setAccessibleName(QStringLiteral("Add to the prioritized order"));
    m_pRemove = new QPushButton(QStringLiteral("<--"), this);
    m_pRemove->setAccessibleName(QStringLiteral("Remove from the prioritized order"));
    m_pPriority = new QListWidget(this);
    for (QPushButton* button : {m_pAdd, m_pRemove})
        button->setAutoDefault(false);
    for (QListWidget* list : {m_pAvailable, m_pPriority}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        const QFontMetrics metrics(list->font());
        list->setMinimumWidth(metrics.horizontalAdvance(QString(34, QLatin1Char('x'))));
    }

    auto* available = new QVBoxLayout;
    available->addWidget(
        MakeLabel(QStringLiteral("Traffic profiles &available:"), m_pAvailable, this));
    available->addWidget(m_pAvailable);
    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(m_pAdd);
    arrows->addWidget(m_pRemove);
    arrows->addStretch();
    auto* priority = new QVBoxLayout;
    priority->addWidget(MakeLabel(QStringLiteral("&Prioritized order to use:"), m_pPriority, this));
    priority->addWidget(m_pPriority);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(available);
    layout->addLayout(arrows);
    layout->addLayout(priority);

    connect(m_pAdd, &QPushButton::clicked, this, &CDlgTpMapList::OnAdd);
    connect(m_pRemove, &QPushButton::clicked, this, &CDlgTpMapList::OnRemove);
    connect(m_pAvailable, &QListWidget::itemDoubleClicked, this, &CDlgTpMapList::OnAdd);
    connect(m_pPriority, &QListWidget::itemDoubleClicked, this, &CDlgTpMapList::OnRemove);
}

void CDlgTpMapList::OnInitPage() {
    ProfileNameFn nameOf = [this](int32_t n, std::string& name) {
        return m_pAdapter != nullptr && m_pAdapter->GetTrafficProfileName(n, name);
    };
    const ProfileLists lists = BuildProfileLists(TrafficProfileList, nameOf);
    for (const ProfileEntry& entry : lists.prioritized) {
        auto* item = new QListWidgetItem(FromBytes(entry.name), m_pPriority);
        item->setData(kNumberRole, entry.number);
    }
    for (const ProfileEntry& entry : lists.available)
        InsertAvailable(FromBytes(entry.name), entry.number);
    m_pAvailable->setCurrentRow(-1);
    m_pPriority->setCurrentRow(-1);
}

void CDlgTpMapList::DoDataExchange(CDataExchange& dx) {
    if (!dx.IsSaving()) return;
    std::vector<int32_t> numbers;
    for (int row = 0; row < m_pPriority->count(); ++row)
        numbers.push_back(m_pPriority->item(row)->data(kNumberRole).toInt());
    TrafficProfileList = WriteTrafficProfileList(numbers);
}

void CDlgTpMapList::InsertAvailable(const QString& name, int32_t number) {
    int row = 0;
    for (; row < m_pAvailable->count(); ++row) {
        const QListWidgetItem* item = m_pAvailable->item(row);
        const int order = item->text().compare(name, Qt::CaseInsensitive);
        if (order > 0 || (order == 0 && item->data(kNumberRole).toInt() > number)) break;
    }
    auto* item = new QListWidgetItem(name);
    item->setData(kNumberRole, number);
    m_pAvailable->insertItem(row, item);
}

void CDlgTpMapList::OnAdd() {
    const QList<QListWidgetItem*> selected = m_pAvailable->selectedItems();
    if (selected.isEmpty()) return;
    QListWidgetItem* item = m_pAvailable->takeItem(m_pAvailable->row(selected.first()));
    m_pPriority->addItem(item);
    m_pAvailable->clearSelection();
    m_pPriority->clearSelection();
}

void CDlgTpMapList::OnRemove() {
    const QList<QListWidgetItem*> selected = m_pPriority->selectedItems();
    if (selected.isEmpty()) return;
    std::unique_ptr<QListWidgetItem> item(
        m_pPriority->takeItem(m_pPriority->row(selected.first())));
    InsertAvailable(item->text(), item->data(kNumberRole).toInt());
    m_pAvailable->clearSelection();
    m_pPriority->clearSelection();
}

}  // namespace netloom
