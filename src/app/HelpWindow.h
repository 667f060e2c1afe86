#pragma once
// The manual: an HTML page built into the program, shown in a window of its own by the Help
// commands.

#include <QDialog>

class QTextBrowser;

namespace netloom {

class CHelpWindow : public QDialog {
    Q_OBJECT
  public:
    explicit CHelpWindow(QWidget* parent = nullptr);
    QTextBrowser* Browser() const { return m_browser; }

  private:
    QTextBrowser* m_browser;
};

}  // namespace netloom
