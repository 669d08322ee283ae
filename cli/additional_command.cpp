#include "cli/additional_command.h"

#include "cli/assay_oil.h"
#include "cli/calc_report.h"
#include "cli/distillation_curve_options.h"
#include "cli/document_output.h"
#include "documents/document_format.h"
#include "documents/vapour_pressure_method_words.h"
#include "documents/viscosity_method_words.h"
#include "engine/bubble_point_note.h"
#include "engine/calculation.h"
#include "units/number_text.h"

#include <iostream>
#include <memory>

namespace viskora {
namespace {

struct AdditionalCommandOptions {
    OilOptions oil;
    CurveOptions curve;
    DesignOptions design;
    std::string savePath;
};

int runAdditionalCommand(const AdditionalCommandOptions& options) {
    std::string problem;
    auto oil = resolveOil(options.oil, problem);
    const auto pressureUnit = parsePressureUnit(options.design.pressureUnit);
    if (oil && !pressureUnit) {
        problem = "unknown pressure unit: " + options.design.pressureUnit;
    }
    const bool designValid =
        oil && pressureUnit &&
        checkNumberText("--design-temp", options.design.designTemp, problem) &&
        checkNumberText("--design-pressure", options.design.designPressure, problem);
    if (!designValid) {
        std::cerr << "viskora-calc additional: " << problem
                  << "\n(see viskora-calc additional --help)\n";
        return kExitUsage;
    }
    if (const auto stop = applyAssayToOil(options.oil.assayPath, *oil, "additional")) {
        return *stop;
    }
    const CurveStep curve = applyCurveToOil(options.curve, *oil, "additional", options.oil.json);
    if (curve.stopStatus) {
        return *curve.stopStatus;
    }
    const AdditionalRun run =
        runAdditional(*oil, options.design, *pressureUnit, options.oil.yes, &std::cerr);

    const CalcStatus& status = run.status;

    std::vector<ResultLine> lines;
    if (run.outcome == CalcOutcome::Completed) {
        lines = resultLines(run.results);
    }
    if (options.oil.json) {
        nlohmann::json out = {
            {"kind", "additional"},
            {"status", status.word},
            {"messages", messagesJson(run.messages)},
            {"viscosityMethod", viscosityMethodWord(oil->viscosityMethod)},
            {"vapourPressureMethod", vapourPressureMethodWord(oil->vapourPressureMethod)}};
        if (!curve.json.is_null()) {
            out["curve"] = curve.json;
        }
        if (run.outcome == CalcOutcome::Completed) {
            out["characterisation"] = characterisationJson(run.characterisation);
            out["wholeOilCharacterisation"] = characterisationJson(run.wholeOil);
            out["results"] = resultsJson(lines);
            out["shown"] = shownJson(lines);
            if (run.bubblePointNote) {
                out["bubblePointNote"] = *run.bubblePointNote;
            }
        }
        std::cout << out.dump(2) << '\n';
    } else if (run.outcome == CalcOutcome::Completed) {
        printResultTable(std::cout,
                         "Calculation at given absolute pressure and temperature within the "
                         "under-critical range",
                         lines);
        printVapourPressureMethod(std::cout, oil->vapourPressureMethod);
        if (run.bubblePointNote) {
            std::cout << *run.bubblePointNote << '\n';
        }
    }
    if (run.outcome == CalcOutcome::Completed && !options.savePath.empty()) {
        const AdditionalDocumentRecord record =
            additionalDocumentAfterCalculate(*oil, options.design, *pressureUnit, run.results);
        if (!saveCalculatorDocument(options.savePath,
                                    additionalDocumentText(record, RecordFractionRows(record)),
                                    "additional")) {
            return kExitSaveFailed;
        }
    }
    return status.exitStatus;
}

} // namespace

std::optional<int> parsePressureUnit(const std::string& text) {
    return parseUnitCode(Quantity::Pressure, text);
}

AdditionalRun runAdditional(const ResolvedOil& oil, const DesignOptions& design, int pressureUnit,
                            bool answerYes, std::ostream* messageOut) {
    ConsoleMessages messages(answerYes, messageOut);
    OilInputs inputs = oilInputsOf(oil);
    inputs.designTemp = textToNumber(design.designTemp);
    inputs.designPressure = textToNumber(design.designPressure);
    inputs.pressureUnit = pressureUnit;
    const AdditionalOutcome outcome = calculateAdditional(inputs, messages.accepted());
    messages.show(outcome.messages);

    AdditionalRun run;
    run.outcome = outcome.status;
    run.wholeOil = outcome.wholeOil;
    run.messages = messages.shown();
    run.status = statusOf(run.outcome, messages);
    if (run.outcome == CalcOutcome::Completed) {
        run.results = outcome.results;
        run.characterisation = outcome.characterisation;
        const double designPressure = convert(Quantity::Pressure, inputs.designPressure,
                                              pressureUnit, baseUnitCode(Quantity::Pressure));
        run.bubblePointNote = bubblePointNote(designPressure, run.results.bubblePointPressure,
                                              run.results.gasMassShare);
    }
    return run;
}

void addAdditionalCommand(CLI::App& app, int& exitStatus) {
    auto options = std::make_shared<AdditionalCommandOptions>();
    CLI::App* command = app.add_subcommand(
        "additional", "Gas and liquid phases at a design absolute pressure and temperature");
    addOilOptions(*command, options->oil);
    addCurveOptions(*command, options->curve);
    command
        ->add_option("--design-temp", options->design.designTemp,
                     "Design temperature, in the temperature unit (text)")
        ->capture_default_str();
    command
        ->add_option("--design-pressure", options->design.designPressure,
                     "Design absolute pressure (text)")
        ->capture_default_str();
    command
        ->add_option("--pressure-unit", options->design.pressureUnit,
                     "Unit of the design pressure: code or name")
        ->capture_default_str();
    addSaveOption(*command, options->savePath);
    command->callback([options, &exitStatus] { exitStatus = runAdditionalCommand(*options); });
}

} // namespace viskora
