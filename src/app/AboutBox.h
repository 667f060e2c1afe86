#pragma once
// The About box: program icon, version line and the machine's memory and free disk space.

#include <QDialog>

class QLabel;

namespace netloom {

class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // Fills the two figures; until then both read "Unavailable".
    void FillSystemInformation();

    QLabel* m_physicalMemory;  // control 1024
    QLabel* m_diskSpace;       // control 1025
};

// The two texts as the box shows them: string 102 with the memory in kilobytes, string 103
// with the free kilobytes and the mount point of the current directory, or string 104.
QString PhysicalMemoryText();
QString DiskSpaceText();

}  // namespace netloom
