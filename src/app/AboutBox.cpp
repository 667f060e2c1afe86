#include "app/AboutBox.h"
#include "ui/Latin1.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/SystemFigures.h"
#include "platform/SystemServices.h"
#include "res/Strings.h"

namespace netloom {

namespace {

// The disk figure names a mount point, whose bytes are in the system's file-name encoding.
QString FromLocalBytes(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString PhysicalMemoryText() {
    uint64_t bytes = 0;
    if (!GetPhysicalMemoryBytes(bytes)) return TableString(104);
    return FromLocalBytes(FormatString(102, {std::to_string(bytes / 1024)}));
}

QString DiskSpaceText() {
    DiskFreeSpace disk;
    if (!GetDiskFreeSpace(SystemServices().GetCurrentDirectory(), disk)) return TableString(104);
    return FromLocalBytes(FormatString(103, {std::to_string(disk.freeKilobytes), disk.mountPoint}));
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Netloom"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    auto* version = new QLabel(QStringLiteral("ATM Configuration Program Version 1.0"), this);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(version, 1);

    auto* group = new QGroupBox(QStringLiteral("System Information"), this);
    m_physicalMemory = new QLabel(TableString(104), group);
    m_physicalMemory->setObjectName(QStringLiteral("physicalMemory"));
    m_diskSpace = new QLabel(TableString(104), group);
    m_diskSpace->setObjectName(QStringLiteral("diskSpace"));
    auto* figures = new QFormLayout(group);
    figures->addRow(QStringLiteral("Physical Memory:"), m_physicalMemory);
    figures->addRow(QStringLiteral("Disk Space:"), m_diskSpace);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(group);
    layout->addWidget(buttons);
    FillSystemInformation();
}

void CAboutDlg::FillSystemInformation() {
    m_physicalMemory->setText(PhysicalMemoryText());
    m_diskSpace->setText(DiskSpaceText());
}

}  // namespace netloom
