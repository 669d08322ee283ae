#pragma once

#include <QList>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

namespace viskora {

// The main window's rectangle as the settings keep it: left, top, width and
// height in pixels of the window's own area (the frame drawn by the window
// manager excluded, so that a placement read back gives the same window).
// Nothing saved reads as a placement without size.
struct WindowPlacement {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    QRect rect() const { return {x, y, w, h}; }
    bool operator==(const WindowPlacement&) const = default;
};

// The placement to keep when the window closes: its current rectangle when
// it is in the normal state, otherwise the rectangle it had before it was
// maximised or minimised. Whether it was maximised is not kept.
WindowPlacement placementToSave(const QWidget& window);

// The rectangle to give the window at start-up: the saved one, or none when
// the saved one has no size or lies on none of `screens` (a monitor since
// unplugged). No screens known: the saved one.
std::optional<QRect> placementToRestore(const WindowPlacement& saved, const QList<QRect>& screens);

// The rectangle of a first start: `wanted` (the size that shows a whole
// form), cut down to the screen's `available` area less the window
// manager's `frame`, a little way in from the area's top left corner and
// moved back in where it would stick out.
QRect firstStartRect(const QSize& wanted, const QRect& available, const QMargins& frame);

} // namespace viskora
