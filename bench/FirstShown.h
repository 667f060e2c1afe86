#pragma once
// Ends the event loop at the first paint of a window, so that a start-up can be timed as a
// whole process from its start to the moment its main window is on the screen.

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace netloom::bench {

class CQuitOnFirstPaint : public QObject {
  public:
    // Watches window; gives up (exit code 3) when nothing was painted within timeoutMs.
    explicit CQuitOnFirstPaint(QWidget* window, int timeoutMs = 20000) : m_window(window) {
        QApplication::instance()->installEventFilter(this);
        QTimer::singleShot(timeoutMs, [] { QCoreApplication::exit(3); });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && m_window != nullptr && watched == m_window.data()) {
            m_window = nullptr;
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QPointer<QWidget> m_window;
};

}  // namespace netloom::bench
