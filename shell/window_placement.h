#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

namespace viskora {

// The main window's rectangle on a first start: `wanted` (the size that
// shows a whole form), cut down to the screen's `available` area less the
// window manager's `frame`, a little way in from the area's top left corner
// and moved back in where it would stick out.
QRect firstStartRect(const QSize& wanted, const QRect& available, const QMargins& frame);

} // namespace viskora
