#pragma once

#include <QList>
#include <QRect>

class QWidget;

namespace viskora {

// The main window's rectangle as the settings keep it: left, top, width and
// height in pixels of the window's own area (the frame drawn by the window
// manager excluded, so that a placement read back gives the same window).
struct WindowPlacement {
    int x = 27;
    int y = 35;
    int w = 768;
    int h = 548;

    QRect rect() const { return {x, y, w, h}; }
    bool operator==(const WindowPlacement&) const = default;
};

// The placement to keep when the window closes: its current rectangle when
// it is in the normal state, otherwise the rectangle it had before it was
// maximised or minimised. Whether it was maximised is not kept.
WindowPlacement placementToSave(const QWidget& window);

// The rectangle to give the window at start-up: the saved one, or the
// default one when the saved one has no size or lies on none of `screens`
// (a monitor since unplugged). No screens known: the saved one.
QRect placementToRestore(const WindowPlacement& saved, const QList<QRect>& screens);

} // namespace viskora
