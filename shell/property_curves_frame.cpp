#include "shell/property_curves_frame.h"

#include "property_curves_ui/curves_window.h"

namespace viskora {

CurvesFrame::CurvesFrame(DocumentHost& host, const CurveDocument& document)
    : FileDocumentFrame(host, QStringLiteral(".vkc")), window_(new CurvesWindow) {
    window_->setDocument(document);
    setWidget(window_);
    connect(window_, &CurvesWindow::modified, this, [this] { setModified(true); });
    window_->setExportPath([this](const QString& suggested, const QString& filter) {
        return askExportPath(suggested, filter);
    });
}

SaveResult CurvesFrame::writeDocument(const std::filesystem::path& path) const {
    return saveCurveDocument(path, window_->document());
}

// A question of the sweep still queued must not open a box over a window
// that is going.
void CurvesFrame::aboutToClose() {
    window_->stopSweep();
}

} // namespace viskora
