// Reads the lock keys' indicators from the X server. Kept apart: the X11 headers define names
// (None, Bool, Status) that clash with other code.

#include <QGuiApplication>

#include "app/KeyIndicators.h"

#if defined(NETLOOM_HAVE_X11)
#include <X11/XKBlib.h>
#endif

namespace netloom {

bool QueryLockKeys(bool& caps, bool& num, bool& scroll) {
#if defined(NETLOOM_HAVE_X11)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (display == nullptr) return false;
    auto indicator = [display](const char* name) {
        const Atom atom = XInternAtom(display, name, False);
        Bool on = False;
        return atom != 0 && XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) &&
               on != False;
    };
    caps = indicator("Caps Lock");
    num = indicator("Num Lock");
    scroll = indicator("Scroll Lock");
    return true;
#else
    (void)caps;
    (void)num;
    (void)scroll;
    return false;
#endif
}

}  // namespace netloom
