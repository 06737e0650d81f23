// Reading the lock keys from the X server's keyboard indicators. Other windowing systems give
// Qt no such state, and the panes stay dark there.
#include "KeyboardLocks.h"

#ifdef ZELTARO_HAVE_X11
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <X11/XKBlib.h>

namespace {

bool IndicatorOn(Display* display, const char* name) {
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None)
        return false;
    Bool state = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &state, nullptr, nullptr))
        return false;
    return state != False;
}

} // namespace

LockKeyState QueryLockKeys() {
    LockKeyState state;
    const auto* x11 = qGuiApp != nullptr
                          ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                          : nullptr;
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr)
        return state;
    state.bCapsLock = IndicatorOn(display, "Caps Lock");
    state.bNumLock = IndicatorOn(display, "Num Lock");
    state.bScrollLock = IndicatorOn(display, "Scroll Lock");
    return state;
}

#else

LockKeyState QueryLockKeys() { return {}; }

#endif
