#pragma once

#include "engine/calc_results.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QString>

#include <array>

// The user's choice of a calculation method as a drop-down list: how the
// liquid's kinematic viscosity is found ("of the oil as a whole" or "by
// narrow cuts") and how the vapour pressure is ("of the average boiling
// point" or "true, by narrow cuts"). The forms, the settings dialog and the
// property curves window offer them alike. Each entry's data is its method's
// value; the first entry is the default.
namespace viskora {

// The entry's text of a method.
QString methodText(ViscosityMethod method);
QString methodText(VapourPressureMethod method);

// A method enumeration's entries, in the order the box lists them.
template <typename Method> constexpr std::array<Method, 2> kMethodEntries{};
template <>
inline constexpr std::array kMethodEntries<ViscosityMethod>{ViscosityMethod::WholeOil,
                                                            ViscosityMethod::NarrowCuts};
template <>
inline constexpr std::array kMethodEntries<VapourPressureMethod>{
    VapourPressureMethod::AverageBoilingPoint, VapourPressureMethod::NarrowCuts};

// Fills an empty box with one entry per method and selects the first.
template <typename Method> void fillMethodBox(QComboBox& box) {
    const QSignalBlocker blocker(box);
    for (Method method : kMethodEntries<Method>) {
        box.addItem(methodText(method), static_cast<int>(method));
    }
    box.setCurrentIndex(0);
}

// The method of the selected entry; the first when none is selected.
template <typename Method> Method selectedMethod(const QComboBox& box) {
    for (Method method : kMethodEntries<Method>) {
        if (box.currentData().toInt() == static_cast<int>(method)) {
            return method;
        }
    }
    return kMethodEntries<Method>.front();
}

// Selects a method's entry without the signals of a user's choice; a value
// outside the enumeration (a damaged record) shows as the first entry.
template <typename Method> void showMethod(QComboBox& box, Method method) {
    const int entry = box.findData(static_cast<int>(method));
    const QSignalBlocker blocker(box);
    box.setCurrentIndex(entry >= 0 ? entry : 0);
}

} // namespace viskora
