#include "shell/viskora_app.h"

#include "assays/assay_figures.h"
#include "assaysui/assay_window.h"
#include "assaysui/blend_window.h"
#include "assaysui/record_oil.h"
#include "forms/complex_oil_view.h"
#include "forms/message_box_messages.h"
#include "forms/simple_oil_view.h"
#include "shell/assay_calculations.h"
#include "shell/assay_frame.h"
#include "shell/blend_frame.h"
#include "shell/child_frame.h"
#include "shell/complex_oil_doc.h"
#include "shell/file_dialogs.h"
#include "shell/main_frame.h"
#include "shell/property_curves_frame.h"
#include "shell/simple_oil_doc.h"

#include <QMdiArea>

namespace viskora {

AssayFrame* CViskoraApp::newAssay() {
    AssayFrame* window = showAssay({});
    window->setTitle(QStringLiteral("ViskoraAssay%1").arg(++untitledAssays_));
    return window;
}

AssayFrame* CViskoraApp::showAssay(const assays::Assay& assay) {
    auto* window = new AssayFrame(*this, assay);
    mainFrame_->addAssay(window);
    return window;
}

BlendFrame* CViskoraApp::newBlend() {
    auto* frame = new BlendFrame;
    frame->setWindowTitle(QStringLiteral("ViskoraBlend%1").arg(++untitledBlends_));
    BlendWindow& window = frame->window();
    window.setOilChoices([this] { return openOils(); });
    window.setOilFile([this] {
        QString folder = settings_.readPath();
        if (folder.isEmpty()) {
            folder = newFileFolder();
        }
        return fileDialogs().openFileName(mainFrame_.get(), folder);
    });
    connect(&window, &BlendWindow::openAsAssay, this, [this](const assays::Assay& blend) {
        AssayFrame* assay = showAssay(blend);
        assay->setTitle(QStringLiteral("ViskoraAssay%1").arg(++untitledAssays_));
        assay->setModified(true);
    });
    mainFrame_->addBlend(frame);
    return frame;
}

std::vector<NamedOil> CViskoraApp::openOils() {
    std::vector<NamedOil> oils;
    for (QMdiSubWindow* window : mainFrame_->mdiArea().subWindowList(QMdiArea::CreationOrder)) {
        if (const auto* assay = qobject_cast<AssayFrame*>(window)) {
            assays::Assay oil = assay->window().assay();
            const QString name =
                oil.name.empty() ? assay->title() : QString::fromStdString(oil.name);
            oils.push_back({name, assay->title(), std::move(oil)});
        } else if (const auto* child = qobject_cast<CChildFrame*>(window)) {
            OilDocument& calculation = child->document();
            calculation.view().exchangeToRecord();
            const std::string name = calculation.title().toStdString();
            std::string problem;
            const std::optional<assays::Assay> oil =
                calculation.kind() == DocumentKind::Basic
                    ? assayOfRecord(name, static_cast<CSimpleOilDoc&>(calculation).view().record(),
                                    problem)
                    : assayOfRecord(name, static_cast<CComplexOilDoc&>(calculation).view().record(),
                                    problem);
            if (oil) {
                oils.push_back({calculation.title(), calculation.title(), *oil});
            }
        }
    }
    return oils;
}

namespace {

// The assay in front as the calculations take it; nothing, after a box
// saying why, when it cannot be characterised.
std::optional<assays::EngineOilTexts> frontAssayOil(CMainFrame& frame) {
    AssayFrame* assay = frame.activeAssay();
    if (assay == nullptr) {
        return std::nullopt;
    }
    AssayWindow& window = assay->window();
    window.recompute();
    if (!window.figures()) {
        MessageBoxMessages::show(
            &frame, QMessageBox::Warning,
            QStringLiteral("The assay cannot be calculated.\n%1").arg(window.problem()),
            QMessageBox::Ok);
        return std::nullopt;
    }
    return assays::engineOilTexts(window.figures()->engineOil);
}

} // namespace

OilDocument* CViskoraApp::calculateAssayOil(DocumentKind kind) {
    const std::optional<assays::EngineOilTexts> oil = frontAssayOil(*mainFrame_);
    if (!oil) {
        return nullptr;
    }
    std::unique_ptr<OilDocument> document = makeDocument(kind);
    if (kind == DocumentKind::Basic) {
        fillAssayOil(static_cast<CSimpleOilDoc&>(*document).view().record(), *oil);
    } else {
        fillAssayOil(static_cast<CComplexOilDoc&>(*document).view().record(), *oil);
    }
    int& count = untitledCount_[kind == DocumentKind::Basic ? 0 : 1];
    document->setTitle(documentName(kind) + QString::number(++count));
    OilDocument* created = document.get();
    created->view().initialUpdate();
    mainFrame_->addChild(std::move(document));
    return created;
}

CurvesFrame* CViskoraApp::curvesOfAssayOil() {
    const std::optional<assays::EngineOilTexts> oil = frontAssayOil(*mainFrame_);
    if (!oil) {
        return nullptr;
    }
    CurvesFrame* window = showCurves(curvesForAssayOil(*oil));
    window->setTitle(QStringLiteral("ViskoraCurves%1").arg(++untitledCurves_));
    return window;
}

} // namespace viskora
