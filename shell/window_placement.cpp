#include "shell/window_placement.h"

#include <algorithm>

namespace viskora {

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
