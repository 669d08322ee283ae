#include "shell/blend_frame.h"

#include "assaysui/blend_window.h"

namespace viskora {

BlendFrame::BlendFrame() : window_(new BlendWindow) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(window_);
}

} // namespace viskora
