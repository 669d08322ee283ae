#pragma once

#include "distillation/curve_validation.h"
#include "distillation/fraction_fill.h"
#include "distillation/row_texts.h"
#include "distillation/tbp_conversion.h"
#include "units/unit_tables.h"

#include <optional>
#include <string>
#include <vector>

namespace viskora::distillation {

// A curve as the user gives it, with what the conversion may use of the
// oil and of the form.
struct CurveInput {
    CurveType type = CurveType::TbpMass;
    D86Method method = D86Method::Daubert;
    std::vector<CurvePointText> points;
    int tempUnit = unit::kCelsius; // of the point temperatures and of the row texts
    // Density of the oil at 20 deg.C, kg/m3, when known.
    std::optional<double> density20;
    RowRule rule;
};

// Everything the dialog and the calculator show of a conversion. When
// `errors` is not empty nothing else is filled and no table may be written.
struct CurveOutcome {
    std::vector<std::string> errors;
    std::vector<std::string> warnings;
    std::vector<CurvePoint> given; // deg.C
    TbpCurve tbp;                  // at the given percents, deg.C
    std::optional<RiaziFit> fit;   // of the TBP curve, K
    double startTemperature = 0;   // deg.C, the TBP curve at 0 %
    // The TBP curve by mass: percent distilled at each whole degree from the
    // first row's start to the last row's end, for a plot.
    std::vector<CurvePoint> massCurve;
    std::vector<FractionRow> rows;
    std::vector<RowTexts> rowTexts; // in the input's temperature unit

    bool usable() const { return errors.empty(); }
};

// Checks, converts to TBP, weighs over the cuts and fills the rows.
CurveOutcome convertCurve(const CurveInput& input);

} // namespace viskora::distillation
