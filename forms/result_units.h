#pragma once

#include "units/unit_tables.h"

#include <string>

namespace viskora {

// A dimensioned result of a form: its unit box, its quantity and where the
// record keeps its base value, shown text and unit index.
template <typename Record> struct ResultUnit {
    const char* boxName;
    Quantity quantity;
    double Record::*base;
    std::string Record::*text;
    int Record::*unitIndex;
};

// The text of a result held in its quantity's base unit, shown in the unit
// of `unitCode`: converted through a temporary engine record, then formatted
// for display. A value too large for the target unit shows as "".
std::string resultText(Quantity quantity, double baseValue, int unitCode);

} // namespace viskora
