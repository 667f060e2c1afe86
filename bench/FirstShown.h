#pragma once
// Ends the event loop at the first paint of a window, so that a start-up can be timed from the
// process's start to the moment its main window is on the screen. When the environment names a
// descriptor in NETLOOM_BENCH_SHOWN_FD, one byte is written to it at that moment: the time to
// the end of the process also holds its tear-down, and closing a file watch waits there for the
// kernel (several milliseconds) in a way no start-up does.

#include <unistd.h>

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
            QTimer::singleShot(0, [] { QCoreApplication::exit(ReportShown() ? 0 : 5); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    // False when the byte could not be written, which the caller reports as exit code 5.
    static bool ReportShown() {
        const QByteArray fd = qgetenv("NETLOOM_BENCH_SHOWN_FD");
        bool number = false;
        const int descriptor = fd.toInt(&number);
        if (!number || descriptor < 0) return true;
        const char shown = '1';
        const bool written = ::write(descriptor, &shown, 1) == 1;
        ::close(descriptor);
        return written;
    }

    QPointer<QWidget> m_window;
};

}  // namespace netloom::bench
