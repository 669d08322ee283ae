#include "shell/assay_frame.h"

#include "assays/assay_document.h"
#include "assaysui/assay_window.h"

namespace viskora {

AssayFrame::AssayFrame(DocumentHost& host, const assays::Assay& assay)
    : FileDocumentFrame(host, QStringLiteral(".vka")), window_(new AssayWindow) {
    window_->setAssay(assay);
    setWidget(window_);
    connect(window_, &AssayWindow::modified, this, [this] { setModified(true); });
    window_->setExportPath([this](const QString& suggested, const QString& filter) {
        return askExportPath(suggested, filter);
    });
}

SaveResult AssayFrame::writeDocument(const std::filesystem::path& path) const {
    return assays::saveAssayDocument(path, window_->assay());
}

} // namespace viskora
