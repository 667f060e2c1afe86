#pragma once
// Shows the wait cursor for as long as it lives, also when the work it covers throws.

#include <QApplication>

namespace netloom {

class CWaitCursor {
  public:
    CWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QApplication::restoreOverrideCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

}  // namespace netloom
