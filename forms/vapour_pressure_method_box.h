#pragma once

#include "engine/calc_results.h"

#include <QString>

class QComboBox;

namespace viskora {

// The user's choice of how the oil's vapour pressure is found, as a
// drop-down list: that of the average boiling point, or the true vapour
// pressure by narrow cuts. The forms and the settings dialog offer it alike.

// The entry's text of a method.
QString vapourPressureMethodText(VapourPressureMethod method);

// Fills an empty box with both entries, the average boiling point first.
void fillVapourPressureMethodBox(QComboBox& box);

// The method of the selected entry; the average boiling point when none is
// selected.
VapourPressureMethod selectedVapourPressureMethod(const QComboBox& box);

// Selects a method's entry without the signals of a user's choice.
void showVapourPressureMethod(QComboBox& box, VapourPressureMethod method);

} // namespace viskora
