#pragma once

#include "documents/document_records.h"
#include "documents/oil_texts.h"
#include "engine/calc_results.h"
#include "engine/oil_inputs.h"
#include "units/unit_codes.h"
#include "units/unit_tables.h"

#include <CLI/CLI.hpp>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace viskora {

// The inputs a calculation form holds, as given on the command line. Values
// are texts, each a whole number or empty (checked by resolveOil), read by
// the program's one text-to-number routine.
struct OilOptions {
    std::string density = "702.7";
    std::string densityUnit = "1";
    std::string densityTemp = "20";
    std::string tempUnit = "2";
    std::vector<std::string> fractions;
    std::string assayPath; // --assay: the oil of a .vka file instead
    std::string viscosityMethod = "whole";
    std::string vapourPressureMethod = "average";
    std::vector<std::string> lightEnds; // COMPONENT:SHARE
    bool yes = false;
    bool json = false;
};

// How the values are named in messages: as options on the command line, as
// columns in a batch file.
struct OilValueNames {
    std::string density = "--density";
    std::string densityTemp = "--density-temp";
    std::string fraction = "--fraction";
    std::string viscosityMethod = "--viscosity-method";
    std::string vapourPressureMethod = "--vapour-pressure-method";
};

void addOilOptions(CLI::App& command, OilOptions& options);

// Scripts must not have a value half read: a value is a whole number or an
// empty text (0). Otherwise sets `problem`, naming the value, and returns
// false.
bool checkNumberText(std::string_view name, std::string_view text, std::string& problem);

// "START:END:SHARE" into three texts; nothing when it has another shape.
std::optional<FractionTexts> parseFractionRow(std::string_view text);

// Resolves units, fraction rows, the viscosity method ("whole" or "cuts"),
// the vapour pressure method ("average" or "cuts") and the light ends
// (each component once, its share a number) and checks the values; on a
// wrong option
// returns nothing and sets `problem` to a message for the user.
std::optional<ResolvedOil> resolveOil(const OilOptions& options, std::string& problem,
                                      const OilValueNames& names = {});

} // namespace viskora
