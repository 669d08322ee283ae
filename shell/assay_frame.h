#pragma once

#include "assays/assay.h"
#include "shell/file_document_frame.h"

namespace viskora {

class AssayWindow;

// The child window of an assay document (.vka), holding the assay window.
class AssayFrame : public FileDocumentFrame {
    Q_OBJECT

  public:
    AssayFrame(DocumentHost& host, const assays::Assay& assay);

    AssayWindow& window() const { return *window_; }

  protected:
    SaveResult writeDocument(const std::filesystem::path& path) const override;

  private:
    AssayWindow* window_;
};

} // namespace viskora
