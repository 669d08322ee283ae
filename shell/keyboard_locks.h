#pragma once

#include <optional>

namespace viskora {

struct KeyboardLocks {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;
};

// The keyboard's lock lights, where the platform tells them (X11); nothing
// elsewhere (Wayland, the offscreen platform).
std::optional<KeyboardLocks> readKeyboardLocks();

} // namespace viskora
