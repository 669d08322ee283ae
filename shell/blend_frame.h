#pragma once

#include <QMdiSubWindow>

namespace viskora {

class BlendWindow;

// The child window of a blend: the blend window under a title. A blend is
// made of copies of oils open elsewhere and is not saved itself; Open as
// Assay makes the assay document that is.
class BlendFrame : public QMdiSubWindow {
    Q_OBJECT

  public:
    BlendFrame();

    BlendWindow& window() const { return *window_; }

  private:
    BlendWindow* window_;
};

} // namespace viskora
