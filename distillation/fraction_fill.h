#pragma once

#include "distillation/distillation_curve.h"
#include "distillation/extended_curve.h"
#include "engine/calc_steps.h"

#include <optional>
#include <string>
#include <vector>

namespace viskora::distillation {

// The oil's mass over the program's narrow cuts of 1 deg.C from 35 to
// 835 deg.C, with what boils below and above the table apart; fractions of
// the whole (they add up to 1).
struct MassCuts {
    double below = 0;
    CutArray cuts{};
    double above = 0;
};

// Mass over the cuts from a whole TBP curve. A curve by volume is weighed
// cut by cut: the volume distilled in each cut times the typical density of
// that cut, the densities shifted together so that the mixture (by volume)
// has the oil's density when one is given, then renormalised. What boils
// outside the table takes the density of the end cut.
MassCuts massCuts(const ExtendedCurve& tbp, CurveBasis basis, std::optional<double> density20);

// How the table's rows are chosen: a number of fractions with equal mass
// (up to 100), or boundaries at every multiple of a step in deg.C.
struct RowRule {
    enum class Kind { Count, Step };
    Kind kind = Kind::Count;
    int value = 10;
};

// One row of the fraction table: boundaries in whole deg.C and the mass
// share in per cent.
struct FractionRow {
    int start = 0;
    int end = 0;
    double share = 0;
};

struct FilledRows {
    std::vector<FractionRow> rows;
    std::vector<std::string> warnings;
    std::string error; // set when no table can be made by the rule
};

// Rows between the curve's start and end (the whole degrees where less than
// 0.005 % of the oil lies beyond) by the rule. Boundaries are whole degrees,
// so that every row holds whole cuts; two that round to one degree become
// one. A count of fractions also keeps a boundary at each temperature of
// `keepAt` (the curve's own points, deg.C), so that the table passes through
// the data wherever they lie; such a table can have more rows than the
// count asked for, never more than 100. What lies below the first boundary goes into the first row,
// what lies above the last into the last row; a visible share beyond the table's ends (35 and 835
// deg.C) is said in a warning.
FilledRows fillRows(const MassCuts& mass, RowRule rule, const std::vector<double>& keepAt);

} // namespace viskora::distillation
