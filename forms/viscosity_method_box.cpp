#include "forms/viscosity_method_box.h"

#include "forms/method_box.h"

#include <array>

namespace viskora {
namespace {

constexpr std::array kMethods{ViscosityMethod::WholeOil, ViscosityMethod::NarrowCuts};

} // namespace

QString viscosityMethodText(ViscosityMethod method) {
    return method == ViscosityMethod::NarrowCuts ? QStringLiteral("by narrow cuts")
                                                 : QStringLiteral("of the oil as a whole");
}

void fillViscosityMethodBox(QComboBox& box) {
    fillMethodBox(box, kMethods, viscosityMethodText);
}

ViscosityMethod selectedViscosityMethod(const QComboBox& box) {
    return selectedMethod(box, kMethods);
}

void showViscosityMethod(QComboBox& box, ViscosityMethod method) {
    showMethod(box, method);
}

} // namespace viskora
