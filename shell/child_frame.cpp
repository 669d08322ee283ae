#include "shell/child_frame.h"

#include "forms/oil_form_view.h"
#include "shell/oil_document.h"

#include <QCloseEvent>
#include <QScrollArea>

namespace viskora {
namespace {

// Scrolls the form when the window is smaller than it; asks for the whole
// form otherwise.
class FormScroller : public QScrollArea {
  public:
    QSize sizeHint() const override {
        return widget()->sizeHint() + QSize(2 * frameWidth(), 2 * frameWidth());
    }
};

} // namespace

CChildFrame::CChildFrame(std::unique_ptr<OilDocument> document) : document_(document.release()) {
    document_->setParent(this);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* scroller = new FormScroller;
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    // The form's controls take the focus; the area around them would be an
    // invisible stop between the last control and the first.
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidget(&document_->view());
    setWidget(scroller);

    // Qt shows "[*]" as "*" while the window is marked modified, else not.
    const auto showTitle = [this](const QString& title) {
        setWindowTitle(title + QStringLiteral("[*]"));
    };
    showTitle(document_->title());
    setWindowModified(document_->isModified());
    connect(document_, &OilDocument::titleChanged, this, showTitle);
    connect(document_, &OilDocument::modifiedChanged, this, &QWidget::setWindowModified);
    connect(&document_->view(), &OilFormView::documentModified, document_,
            [this] { document_->setModified(true); });
}

void CChildFrame::closeWithoutPrompt() {
    prompted_ = true;
    close();
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (!prompted_ && !document_->saveModified()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

} // namespace viskora
