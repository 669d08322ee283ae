#pragma once

#include "distillation/fraction_fill.h"

#include <string>
#include <vector>

namespace viskora::distillation {

// A fraction row as the table's cells hold it.
struct RowTexts {
    std::string start;
    std::string end;
    std::string share;
};

// A whole-degree Celsius temperature in the temperature unit `tempUnit`
// (units/unit_tables.h), exact in its decimals: "308.15", "95", "212", "554.67".
std::string boundaryText(int celsius, int tempUnit);

// The rows' texts. The shares have two decimals and add up to exactly 100 in
// their texts: each row's text is the difference of the rounded running
// totals, so none is off by more than 0.01 and the last one takes what the
// rounding leaves.
std::vector<RowTexts> rowTexts(const std::vector<FractionRow>& rows, int tempUnit);

} // namespace viskora::distillation
