#include "shell/window_placement.h"

#include <QMargins>
#include <QWidget>

#include <algorithm>

namespace viskora {

WindowPlacement placementToSave(const QWidget& window) {
    const bool normal = !(window.windowState() &
                          (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    const QRect rect = normal ? window.geometry() : window.normalGeometry();
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

std::optional<QRect> placementToRestore(const WindowPlacement& saved, const QList<QRect>& screens) {
    const QRect rect = saved.rect();
    if (rect.width() <= 0 || rect.height() <= 0) {
        return std::nullopt;
    }
    const bool visible = screens.isEmpty() ||
                         std::any_of(screens.begin(), screens.end(), [&rect](const QRect& screen) {
                             return screen.intersects(rect);
                         });
    return visible ? std::optional(rect) : std::nullopt;
}

QRect firstStartRect(const QSize& wanted, const QRect& available, const QMargins& frame) {
    // The corner the program has always opened at, where it leaves room.
    const QPoint corner = available.topLeft() + QPoint(27, 35);
    const QRect inner = available.marginsRemoved(frame);
    const QSize size = wanted.boundedTo(inner.size());
    const int x = std::clamp(corner.x(), inner.left(), inner.left() + inner.width() - size.width());
    const int y = std::clamp(corner.y(), inner.top(), inner.top() + inner.height() - size.height());
    return {QPoint(x, y), size};
}

} // namespace viskora
