#pragma once

#include "property_curves/sweep_columns.h"

#include <QString>

namespace viskora {

// What the window calls a column of the curves table, in the words the
// calculation forms and the reports use for the same value: the phase
// ("Gas phase"), empty for the swept state and the whole oil's vapour
// pressure, and the property ("Density", "Kinematic viscosity by narrow
// cuts").
struct ColumnTitle {
    QString phase;
    QString property;
};

ColumnTitle columnTitle(const SweepColumn& column);

// The title on one line: "Gas phase: Density", or the property alone.
QString oneLineTitle(const ColumnTitle& title);

} // namespace viskora
