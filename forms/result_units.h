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

} // namespace viskora
