#include "cli/oil_options.h"

#include "documents/vapour_pressure_method_words.h"
#include "documents/viscosity_method_words.h"
#include "units/number_text.h"

namespace viskora {

void addOilOptions(CLI::App& command, OilOptions& options) {
    command.add_option("--density", options.density, "Density of the oil (text)")
        ->capture_default_str();
    command.add_option("--density-unit", options.densityUnit, "Density unit: code or name")
        ->capture_default_str();
    command
        .add_option("--density-temp", options.densityTemp,
                    "Temperature at which the density was measured (text)")
        ->capture_default_str();
    command
        .add_option("--temp-unit", options.tempUnit,
                    "Unit of every temperature input: code, name, K, C, F or R")
        ->capture_default_str();
    command.add_option("--fraction", options.fractions,
                       "A fraction row START:END:SHARE (repeat, at most 100)");
    command.add_option("--assay", options.assayPath,
                       "The oil of an assay file (.vka): its density and fraction table");
    command
        .add_option("--viscosity-method", options.viscosityMethod,
                    "Kinematic viscosity of the liquid: whole (of the oil as a whole) or cuts "
                    "(by narrow cuts)")
        ->capture_default_str();
    command
        .add_option("--vapour-pressure-method", options.vapourPressureMethod,
                    "Vapour pressure: average (of one substance boiling at the average boiling "
                    "point) or cuts (true, by narrow cuts and light ends)")
        ->capture_default_str();
    command.add_option("--light-end", options.lightEnds,
                       "A light end COMPONENT:SHARE, mass % of the whole oil within the first "
                       "fraction (repeat; ethane, propane, isobutane, n-butane, isopentane, "
                       "n-pentane)");
    command.add_flag("--yes", options.yes, "Answer Yes to every warning (default: No)");
    command.add_flag("--json", options.json, "Write one JSON object instead of a table");
}

bool checkNumberText(std::string_view name, std::string_view text, std::string& problem) {
    if (readWholeNumber(text)) {
        return true;
    }
    problem = std::string(name) + ": \"" + std::string(text) + "\" is not a number";
    return false;
}

std::optional<FractionTexts> parseFractionRow(std::string_view text) {
    FractionTexts row;
    std::size_t begin = 0;
    for (std::size_t field = 0; field < row.size(); ++field) {
        const std::size_t colon = text.find(':', begin);
        const bool last = field + 1 == row.size();
        if (last != (colon == std::string_view::npos)) {
            return std::nullopt;
        }
        const std::size_t end = last ? text.size() : colon;
        row[field] = std::string(text.substr(begin, end - begin));
        begin = end + 1;
    }
    return row;
}

namespace {

// "COMPONENT:SHARE" into the light ends' texts: a component the program
// knows, given once, with a share that is a number.
bool takeLightEndOption(const std::string& text, LightEndTexts& lightEnds, std::string& problem) {
    const std::size_t colon = text.find(':');
    const std::optional<LightEnd> component =
        colon == std::string::npos ? std::nullopt : lightEndNamed(text.substr(0, colon));
    if (!component) {
        problem = "--light-end: \"" + text +
                  "\" is not COMPONENT:SHARE with one of ethane, propane, isobutane, n-butane, "
                  "isopentane, n-pentane";
        return false;
    }
    std::string& share = lightEnds[static_cast<std::size_t>(*component)];
    if (!share.empty()) {
        problem = "--light-end: " + std::string(constantsOf(*component).name) + " is given twice";
        return false;
    }
    share = text.substr(colon + 1);
    if (share.empty()) {
        share = "0";
    }
    return checkNumberText("--light-end " + text, share, problem);
}

} // namespace

std::optional<ResolvedOil> resolveOil(const OilOptions& options, std::string& problem,
                                      const OilValueNames& names) {
    if (!checkNumberText(names.density, options.density, problem) ||
        !checkNumberText(names.densityTemp, options.densityTemp, problem)) {
        return std::nullopt;
    }
    ResolvedOil oil;
    oil.densityText = options.density;
    oil.densityTempText = options.densityTemp;
    const auto densityUnit = parseUnitCode(Quantity::Density, options.densityUnit);
    if (!densityUnit) {
        problem = "unknown density unit: " + options.densityUnit;
        return std::nullopt;
    }
    oil.densityUnit = *densityUnit;
    const auto tempUnit = parseUnitCode(Quantity::Temperature, options.tempUnit);
    if (!tempUnit) {
        problem = "unknown temperature unit: " + options.tempUnit;
        return std::nullopt;
    }
    oil.tempUnit = *tempUnit;
    const auto method = viscosityMethodOfWord(options.viscosityMethod);
    if (!method) {
        problem = names.viscosityMethod + ": \"" + options.viscosityMethod + "\" is neither " +
                  std::string(kWholeOilWord) + " nor " + std::string(kNarrowCutsWord);
        return std::nullopt;
    }
    oil.viscosityMethod = *method;
    const auto vapourMethod = vapourPressureMethodOfWord(options.vapourPressureMethod);
    if (!vapourMethod) {
        problem = names.vapourPressureMethod + ": \"" + options.vapourPressureMethod +
                  "\" is neither " + std::string(kAverageBoilingPointWord) + " nor " +
                  std::string(kVapourByNarrowCutsWord);
        return std::nullopt;
    }
    oil.vapourPressureMethod = *vapourMethod;
    for (const std::string& text : options.lightEnds) {
        if (!takeLightEndOption(text, oil.lightEnds, problem)) {
            return std::nullopt;
        }
    }
    if (options.fractions.size() > static_cast<std::size_t>(kMaxFractions)) {
        problem = "at most 100 fraction rows";
        return std::nullopt;
    }
    for (const std::string& text : options.fractions) {
        const auto row = parseFractionRow(text);
        if (!row) {
            problem = "a fraction row is START:END:SHARE, not " + text;
            return std::nullopt;
        }
        for (const std::string& field : *row) {
            if (!checkNumberText(names.fraction + " " + text, field, problem)) {
                return std::nullopt;
            }
        }
        oil.fractions.push_back(*row);
    }
    return oil;
}

} // namespace viskora
