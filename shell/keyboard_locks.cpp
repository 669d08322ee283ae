#include "shell/keyboard_locks.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace viskora {
namespace {

bool indicatorOn(Display* display, const char* name) {
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None) {
        return false;
    }
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) {
        return false;
    }
    return on != False;
}

} // namespace

std::optional<KeyboardLocks> readKeyboardLocks() {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr) {
        return std::nullopt;
    }
    return KeyboardLocks{indicatorOn(display, "Caps Lock"), indicatorOn(display, "Num Lock"),
                         indicatorOn(display, "Scroll Lock")};
}

} // namespace viskora
