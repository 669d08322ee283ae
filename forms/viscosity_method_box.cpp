#include "forms/viscosity_method_box.h"

#include <QComboBox>
#include <QSignalBlocker>

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
    const QSignalBlocker blocker(box);
    for (ViscosityMethod method : kMethods) {
        box.addItem(viscosityMethodText(method), static_cast<int>(method));
    }
    box.setCurrentIndex(0);
}

ViscosityMethod selectedViscosityMethod(const QComboBox& box) {
    return box.currentData().toInt() == static_cast<int>(ViscosityMethod::NarrowCuts)
               ? ViscosityMethod::NarrowCuts
               : ViscosityMethod::WholeOil;
}

void showViscosityMethod(QComboBox& box, ViscosityMethod method) {
    // A value outside the enumeration (a damaged record) shows as the
    // default, the whole oil.
    const int entry = box.findData(static_cast<int>(method));
    const QSignalBlocker blocker(box);
    box.setCurrentIndex(entry >= 0 ? entry : 0);
}

} // namespace viskora
