// viskora-calc: the property engine from the command line, for scripts and
// batch work. Each subcommand lives in a file of its own.
#include "cli/additional_command.h"
#include "cli/assay_command.h"
#include "cli/basic_command.h"
#include "cli/batch_command.h"
#include "cli/calc_report.h"
#include "cli/curve_convert_command.h"
#include "cli/property_curves_command.h"
#include "cli/report_command.h"
#include "cli/show_command.h"

#include <CLI/CLI.hpp>

#include <iostream>

int main(int argc, char** argv) {
    CLI::App app{"viskora-calc: thermophysical properties of crude oil and its products"};
    app.require_subcommand(1);
    int exitStatus = viskora::kExitResults;
    viskora::addBasicCommand(app, exitStatus);
    viskora::addAdditionalCommand(app, exitStatus);
    viskora::addBatchCommand(app, exitStatus);
    viskora::addShowCommand(app, exitStatus);
    viskora::addReportCommand(app, exitStatus);
    viskora::addCurveConvertCommand(app, exitStatus);
    viskora::addCurvesCommand(app, exitStatus);
    viskora::addAssayCommand(app, exitStatus);
    viskora::addBlendCommand(app, exitStatus);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::ParseError& error) {
        std::cerr << "viskora-calc: " << error.what() << "\n\n" << app.help();
        return viskora::kExitUsage;
    }
    return exitStatus;
}
