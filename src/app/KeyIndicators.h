#pragma once
// The CAP, NUM and SCRL panes of the status bar: each shows its text while the lock key is on.

#include <QObject>

class QLabel;
class QStatusBar;

namespace netloom {

class CKeyIndicators : public QObject {
    Q_OBJECT
  public:
    // Adds the three panes to the right end of bar and keeps them up to date.
    explicit CKeyIndicators(QStatusBar* bar);
    // Reads the lock keys again and shows them.
    void Refresh();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* m_caps;
    QLabel* m_num;
    QLabel* m_scroll;
};

// The lock keys' states from the display server; false when it cannot tell (no X11 display).
bool QueryLockKeys(bool& caps, bool& num, bool& scroll);

}  // namespace netloom
