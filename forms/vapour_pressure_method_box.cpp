#include "forms/vapour_pressure_method_box.h"

#include "documents/vapour_pressure_method_words.h"

#include "forms/method_box.h"

#include <array>
#include <string_view>

namespace viskora {
namespace {

constexpr std::array kMethods{VapourPressureMethod::AverageBoilingPoint,
                              VapourPressureMethod::NarrowCuts};

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString vapourPressureMethodText(VapourPressureMethod method) {
    return qText(method == VapourPressureMethod::NarrowCuts ? kVapourByNarrowCutsText
                                                            : kAverageBoilingPointText);
}

void fillVapourPressureMethodBox(QComboBox& box) {
    fillMethodBox(box, kMethods, vapourPressureMethodText);
}

VapourPressureMethod selectedVapourPressureMethod(const QComboBox& box) {
    return selectedMethod(box, kMethods);
}

void showVapourPressureMethod(QComboBox& box, VapourPressureMethod method) {
    showMethod(box, method);
}

} // namespace viskora
