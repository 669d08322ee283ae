#pragma once

#include "engine/calc_results.h"

#include <QString>

class QComboBox;

namespace viskora {

// The user's choice of how the liquid's kinematic viscosity is found, as a
// drop-down list: "of the oil as a whole" or "by narrow cuts". The forms,
// the settings dialog and the property curves window all offer it alike.

// The entry's text of a method.
QString viscosityMethodText(ViscosityMethod method);

// Fills an empty box with both entries, the whole oil first.
void fillViscosityMethodBox(QComboBox& box);

// The method of the selected entry; the whole oil when none is selected.
ViscosityMethod selectedViscosityMethod(const QComboBox& box);

// Selects a method's entry without the signals of a user's choice.
void showViscosityMethod(QComboBox& box, ViscosityMethod method);

} // namespace viskora
