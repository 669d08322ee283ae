#include "cli/document_output.h"

#include "cli/basic_command.h"
#include "cli/calc_report.h"
#include "documents/document_file.h"

#include <algorithm>
#include <iostream>

namespace viskora {
namespace {

const ResultLine& lineNamed(const std::vector<ResultLine>& lines, std::string_view name) {
    return *std::ranges::find(lines, name, &ResultLine::name);
}

template <typename Record> void takeInputs(Record& record, const ResolvedOil& oil) {
    record.densityText = oil.densityText;
    record.densityUnitIndex = oil.densityUnit - 1;
    record.densityTempText = oil.densityTempText;
    record.tempUnitIndex = oil.tempUnit - 1;
    if (oil.fractions.empty()) {
        return;
    }
    const std::size_t count =
        std::min(oil.fractions.size(), static_cast<std::size_t>(kFractionRowCapacity));
    record.useFractions = 1;
    record.fractionCount = static_cast<int>(count);
    std::copy_n(oil.fractions.begin(), count, record.fractions.begin());
}

} // namespace

void addSaveOption(CLI::App& command, std::string& path) {
    command
        .add_option("--save", path,
                    "After a completed calculation, save it as a document file (.vkr)")
        ->check(CLI::Validator(
            [](const std::string& value) {
                return value.empty() ? std::string("the file name is empty") : std::string();
            },
            ""));
}

BasicDocumentRecord basicDocumentAfterCalculate(const ResolvedOil& oil,
                                                const BasicResults& results) {
    BasicDocumentRecord record;
    takeInputs(record, oil);
    const std::vector<ResultLine> lines = basicResultLines(results);
    record.resDensityBase = results.density;
    record.resDensityText = lineNamed(lines, "density").shown;
    record.resHeatBase = results.specificHeat;
    record.resHeatText = lineNamed(lines, "specificHeat").shown;
    record.resConductivityBase = results.thermalConductivity;
    record.resConductivityText = lineNamed(lines, "thermalConductivity").shown;
    record.resViscosityBase = results.kinematicViscosity;
    record.resViscosityText = lineNamed(lines, "kinematicViscosity").shown;
    record.resTensionBase = results.surfaceTension;
    record.resTensionText = lineNamed(lines, "surfaceTension").shown;
    record.resVapourBase = results.vapourPressure;
    record.resVapourText = lineNamed(lines, "vapourPressure").shown;
    record.resCritTempBase = results.pseudoCritTemp;
    record.resCritTempText = lineNamed(lines, "pseudoCritTemp").shown;
    record.resPrandtlText = lineNamed(lines, "prandtl").shown;
    return record;
}

AdditionalDocumentRecord additionalDocumentAfterCalculate(const ResolvedOil& oil,
                                                          const DesignOptions& design,
                                                          int pressureUnit,
                                                          const AdditionalResults& results) {
    AdditionalDocumentRecord record;
    takeInputs(record, oil);
    record.designTempText = design.designTemp;
    record.designPressureText = design.designPressure;
    record.pressureUnitIndex = pressureUnit - 1;
    const std::vector<ResultLine> lines = additionalResultLines(results);
    record.gasShareText = results.gasShareText;
    record.gasDensityBase = results.gasDensity;
    record.gasDensityText = lineNamed(lines, "gasDensity").shown;
    record.gasHeatBase = results.gasSpecificHeat;
    record.gasHeatText = lineNamed(lines, "gasSpecificHeat").shown;
    record.gasConductivityBase = results.gasConductivity;
    record.gasConductivityText = lineNamed(lines, "gasConductivity").shown;
    record.gasViscosityBase = results.gasViscosity;
    record.gasViscosityText = lineNamed(lines, "gasViscosity").shown;
    record.gasEnthalpyBase = results.gasVaporisationEnthalpy;
    record.gasEnthalpyText = lineNamed(lines, "gasVaporisationEnthalpy").shown;
    record.gasPrandtlText = results.gasPrandtlText;
    record.liquidShareText = results.liquidShareText;
    record.liquidDensityBase = results.liquidDensity;
    record.liquidDensityText = lineNamed(lines, "liquidDensity").shown;
    record.liquidHeatBase = results.liquidSpecificHeat;
    record.liquidHeatText = lineNamed(lines, "liquidSpecificHeat").shown;
    record.liquidConductivityBase = results.liquidConductivity;
    record.liquidConductivityText = lineNamed(lines, "liquidConductivity").shown;
    record.liquidViscosityBase = results.liquidViscosity;
    record.liquidViscosityText = lineNamed(lines, "liquidViscosity").shown;
    record.liquidTensionBase = results.liquidSurfaceTension;
    record.liquidTensionText = lineNamed(lines, "liquidSurfaceTension").shown;
    record.liquidPrandtlText = results.liquidPrandtlText;
    return record;
}

std::string consoleText(std::string text) {
    std::erase(text, '\r');
    return text;
}

bool saveCalculatorDocument(const std::string& path, const std::string& bytes,
                            std::string_view commandName) {
    const SaveResult result = saveDocumentFile(path, bytes);
    if (!result) {
        std::cerr << "viskora-calc " << commandName << ": " << consoleText(result.message) << '\n';
    }
    return result.ok;
}

} // namespace viskora
