#pragma once

#include "engine/calc_results.h"
#include "engine/calc_steps.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace viskora {

// One result as the calculator and the Python module give it: its name,
// its value in the base unit, that unit, and the text the form would show.
struct ResultLine {
    std::string name;
    double value = 0;
    std::string baseUnit;
    std::string shown;
};

// The results as a new form shows them after Calculate, in the order of the
// record's fields: each under its calculator name with its value in the
// base unit and the text of the form's default unit; the two mass shares of
// an additional calculation open the list, and by narrow cuts the bubble
// point closes it.
std::vector<ResultLine> resultLines(const BasicResults& results);
std::vector<ResultLine> resultLines(const AdditionalResults& results);

// A figure of a characterisation under the name scripts read it by, with
// its unit ("-" for a ratio).
struct CharacterisationFigure {
    std::string_view name;
    double Characterisation::*value;
    std::string_view unit;
};

// The figures a characterisation reports, pseudocritical ones included.
std::span<const CharacterisationFigure> characterisationFigures();

} // namespace viskora
