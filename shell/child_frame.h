#pragma once

#include <QMdiSubWindow>

#include <memory>

namespace viskora {

class OilDocument;

// The child window of one document: it holds the document's form (scrolled
// when the window is smaller than the form) and owns the document. Closing
// it closes the document, asking first whether to save a modified one.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

  public:
    explicit CChildFrame(std::unique_ptr<OilDocument> document);

    OilDocument& document() const { return *document_; }

    // Closes without asking: the user has already answered for the document.
    void closeWithoutPrompt();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    OilDocument* document_;
    bool prompted_ = false;
};

} // namespace viskora
