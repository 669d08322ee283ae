#pragma once

#include <QComboBox>
#include <QSignalBlocker>
#include <QString>

#include <array>
#include <cstddef>

// A drop-down choice between the methods of an enumeration (how the
// viscosity is found, how the vapour pressure is): each entry's data is its
// method's value, the first entry the default.
namespace viskora {

// Fills an empty box with one entry per method, in order, each named by
// `text`, and selects the first.
template <typename Method, std::size_t N>
void fillMethodBox(QComboBox& box, const std::array<Method, N>& methods, QString (*text)(Method)) {
    const QSignalBlocker blocker(box);
    for (Method method : methods) {
        box.addItem(text(method), static_cast<int>(method));
    }
    box.setCurrentIndex(0);
}

// The method of the selected entry; the first when none is selected or its
// value is none of them.
template <typename Method, std::size_t N>
Method selectedMethod(const QComboBox& box, const std::array<Method, N>& methods) {
    for (Method method : methods) {
        if (box.currentData().toInt() == static_cast<int>(method)) {
            return method;
        }
    }
    return methods.front();
}

// Selects a method's entry without the signals of a user's choice; a value
// outside the enumeration (a damaged record) shows as the first entry.
template <typename Method> void showMethod(QComboBox& box, Method method) {
    const int entry = box.findData(static_cast<int>(method));
    const QSignalBlocker blocker(box);
    box.setCurrentIndex(entry >= 0 ? entry : 0);
}

} // namespace viskora
