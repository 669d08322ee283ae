#pragma once

#include "cli/calc_report.h"
#include "cli/console_messages.h"
#include "cli/oil_options.h"
#include "engine/calculation.h"

#include <CLI/CLI.hpp>

#include <ostream>
#include <string>
#include <vector>

namespace viskora {

// The design state of an additional calculation as texts, as the form holds
// it: the temperature is in the oil's temperature unit.
struct DesignOptions {
    std::string designTemp = "50";
    std::string designPressure = "0.3";
    std::string pressureUnit = "MPa";
};

// One additional calculation and everything the calculator reports of it.
struct AdditionalRun {
    CalcOutcome outcome = CalcOutcome::Failed;
    std::vector<ShownMessage> messages;
    CalcStatus status{"error", kExitFailed};
    AdditionalResults results;
    Characterisation wholeOil;         // after the whole oil's pseudocritical step
    Characterisation characterisation; // of the liquid part, or the gas part without liquid
    // By narrow cuts, where the split and the bubble point disagree.
    std::optional<std::string_view> bubblePointNote;
};

// `viskora-calc additional`: the oil at a design pressure and temperature,
// split into its gas and liquid phases.
void addAdditionalCommand(CLI::App& app, int& exitStatus);

// The pressure unit code of `text` (a code or a unit name); nothing when it
// names no pressure unit.
std::optional<int> parsePressureUnit(const std::string& text);

// Runs one additional calculation on a fresh record filled as the form fills
// it. Messages go to `messageOut` when given; warnings and questions are
// answered Yes when `answerYes`, else No.
AdditionalRun runAdditional(const ResolvedOil& oil, const DesignOptions& design, int pressureUnit,
                            bool answerYes, std::ostream* messageOut);

} // namespace viskora
