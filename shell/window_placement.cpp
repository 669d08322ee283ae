#include "shell/window_placement.h"

#include <QWidget>

#include <algorithm>

namespace viskora {

WindowPlacement placementToSave(const QWidget& window) {
    const bool normal = !(window.windowState() &
                          (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    const QRect rect = normal ? window.geometry() : window.normalGeometry();
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

QRect placementToRestore(const WindowPlacement& saved, const QList<QRect>& screens) {
    const QRect rect = saved.rect();
    if (rect.width() <= 0 || rect.height() <= 0) {
        return WindowPlacement{}.rect();
    }
    const bool visible = screens.isEmpty() ||
                         std::any_of(screens.begin(), screens.end(), [&rect](const QRect& screen) {
                             return screen.intersects(rect);
                         });
    return visible ? rect : WindowPlacement{}.rect();
}

} // namespace viskora
