#include "cli/basic_command.h"

#include "cli/assay_oil.h"
#include "cli/calc_report.h"
#include "cli/console_messages.h"
#include "cli/distillation_curve_options.h"
#include "cli/document_output.h"
#include "documents/document_format.h"
#include "documents/vapour_pressure_method_words.h"
#include "documents/viscosity_method_words.h"
#include "engine/calculation.h"

#include <iostream>
#include <memory>

namespace viskora {
namespace {

int runBasic(const OilOptions& options, const CurveOptions& curveOptions,
             const std::string& savePath) {
    std::string problem;
    auto oil = resolveOil(options, problem);
    if (!oil) {
        std::cerr << "viskora-calc basic: " << problem << "\n(see viskora-calc basic --help)\n";
        return kExitUsage;
    }
    if (const auto stop = applyAssayToOil(options.assayPath, *oil, "basic")) {
        return *stop;
    }
    const CurveStep curve = applyCurveToOil(curveOptions, *oil, "basic", options.json);
    if (curve.stopStatus) {
        return *curve.stopStatus;
    }
    ConsoleMessages messages(options.yes, &std::cerr);
    const BasicOutcome basic = calculateBasic(oilInputsOf(*oil), messages.accepted());
    messages.show(basic.messages);
    const CalcOutcome outcome = basic.status;
    const CalcStatus status = statusOf(outcome, messages);

    std::vector<ResultLine> lines;
    if (outcome == CalcOutcome::Completed) {
        lines = resultLines(basic.results);
    }
    if (options.json) {
        nlohmann::json out = {
            {"kind", "basic"},
            {"status", status.word},
            {"messages", messagesJson(messages.shown())},
            {"viscosityMethod", viscosityMethodWord(oil->viscosityMethod)},
            {"vapourPressureMethod", vapourPressureMethodWord(oil->vapourPressureMethod)}};
        if (!curve.json.is_null()) {
            out["curve"] = curve.json;
        }
        if (outcome == CalcOutcome::Completed) {
            out["characterisation"] = characterisationJson(basic.wholeOil);
            out["results"] = resultsJson(lines);
            out["shown"] = shownJson(lines);
        }
        std::cout << out.dump(2) << '\n';
    } else if (outcome == CalcOutcome::Completed) {
        printResultTable(std::cout,
                         "Calculation at the atmosphere pressure and the temperature 20 "
                         "deg.\u0421 (68 deg.F)",
                         lines);
        printVapourPressureMethod(std::cout, oil->vapourPressureMethod);
    }
    if (outcome == CalcOutcome::Completed && !savePath.empty()) {
        const BasicDocumentRecord record = basicDocumentAfterCalculate(*oil, basic.results);
        if (!saveCalculatorDocument(savePath, basicDocumentText(record, RecordFractionRows(record)),
                                    "basic")) {
            return kExitSaveFailed;
        }
    }
    return status.exitStatus;
}

} // namespace

void addBasicCommand(CLI::App& app, int& exitStatus) {
    auto options = std::make_shared<OilOptions>();
    auto curveOptions = std::make_shared<CurveOptions>();
    auto savePath = std::make_shared<std::string>();
    CLI::App* command =
        app.add_subcommand("basic", "Properties at atmospheric pressure and 20 deg.C (68 deg.F)");
    addOilOptions(*command, *options);
    addCurveOptions(*command, *curveOptions);
    addSaveOption(*command, *savePath);
    command->callback([options, curveOptions, savePath, &exitStatus] {
        exitStatus = runBasic(*options, *curveOptions, *savePath);
    });
}

} // namespace viskora
