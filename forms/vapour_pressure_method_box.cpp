#include "forms/vapour_pressure_method_box.h"

#include "documents/vapour_pressure_method_words.h"

#include <QComboBox>
#include <QSignalBlocker>

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
    const QSignalBlocker blocker(box);
    for (VapourPressureMethod method : kMethods) {
        box.addItem(vapourPressureMethodText(method), static_cast<int>(method));
    }
    box.setCurrentIndex(0);
}

VapourPressureMethod selectedVapourPressureMethod(const QComboBox& box) {
    return box.currentData().toInt() == static_cast<int>(VapourPressureMethod::NarrowCuts)
               ? VapourPressureMethod::NarrowCuts
               : VapourPressureMethod::AverageBoilingPoint;
}

void showVapourPressureMethod(QComboBox& box, VapourPressureMethod method) {
    // A value outside the enumeration (a damaged record) shows as the
    // default, the average boiling point.
    const int entry = box.findData(static_cast<int>(method));
    const QSignalBlocker blocker(box);
    box.setCurrentIndex(entry >= 0 ? entry : 0);
}

} // namespace viskora
