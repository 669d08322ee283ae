// The vapour pressure's method on a calculation form and the light ends the
// method by narrow cuts takes.
#include "forms/oil_form_view.h"

#include "forms/method_box.h"
#include "grid/light_end_table_view.h"

#include <QComboBox>
#include <QLabel>

#include <cstddef>

namespace viskora {

void OilFormView::setUpVapourPressureChoice() {
    auto* method = get<QComboBox>("vapourPressureMethod");
    fillMethodBox<VapourPressureMethod>(*method);
    get<QLabel>("vapourPressureMethodLabel")->setBuddy(method);
    lightEndsView_ = get<LightEndTableView>("lightEnds");
    lightEndsView_->setLightEndModel(&lightEndTable_);
    enableLightEnds(selectedMethod<VapourPressureMethod>(*method));
    connect(method, &QComboBox::activated, this,
            [this, method] { enableLightEnds(selectedMethod<VapourPressureMethod>(*method)); });
}

void OilFormView::enableLightEnds(VapourPressureMethod method) {
    // The group with its title: the table alone would leave "Light ends"
    // looking as if it could be typed in.
    control("lightEndsGroup")->setEnabled(method == VapourPressureMethod::NarrowCuts);
}

VapourPressureMethod OilFormView::readVapourPressureChoice() const {
    return selectedMethod<VapourPressureMethod>(*get<QComboBox>("vapourPressureMethod"));
}

void OilFormView::showVapourPressureChoice(VapourPressureMethod method) {
    auto* box = get<QComboBox>("vapourPressureMethod");
    showMethod(*box, method);
    enableLightEnds(selectedMethod<VapourPressureMethod>(*box));
}

void OilFormView::readLightEnds(LightEndTexts& texts) {
    lightEndsView_->finishEditing();
    for (std::size_t j = 0; j < texts.size(); ++j) {
        texts[j] = lightEndTable_.text(static_cast<int>(j)).toStdString();
    }
}

void OilFormView::showLightEnds(const LightEndTexts& texts) {
    for (std::size_t j = 0; j < texts.size(); ++j) {
        lightEndTable_.setText(static_cast<int>(j), QString::fromStdString(texts[j]));
    }
}

} // namespace viskora
