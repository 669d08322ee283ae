#pragma once

#include "property_curves/property_curves_document.h"
#include "shell/file_document_frame.h"

namespace viskora {

class CurvesWindow;

// The child window of a property curves document (.vkc), holding the
// curves window.
class CurvesFrame : public FileDocumentFrame {
    Q_OBJECT

  public:
    CurvesFrame(DocumentHost& host, const CurveDocument& document);

    CurvesWindow& window() const { return *window_; }

  protected:
    SaveResult writeDocument(const std::filesystem::path& path) const override;
    void aboutToClose() override;

  private:
    CurvesWindow* window_;
};

} // namespace viskora
