#include "published_oils.h"

#include "engine/calc_sequence.h"
#include "engine/oil_calc.h"
#include "scripted_messages.h"
#include "units/number_text.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace viskora::testing {

std::vector<PublishedOil> publishedOils() {
    std::ifstream file(VISKORA_PUBLISHED_OILS);
    if (!file) {
        throw std::runtime_error("cannot read the published oils at " VISKORA_PUBLISHED_OILS);
    }
    const nlohmann::json data = nlohmann::json::parse(file);
    std::vector<PublishedOil> oils;
    for (const nlohmann::json& entry : data.at("oils")) {
        PublishedOil oil;
        oil.id = entry.at("id");
        oil.group = entry.at("group");
        oil.density = entry.at("density_kgm3");
        oil.densityTemp = entry.at("density_temp_C");
        oil.fractions = entry.at("fractions").get<std::vector<std::string>>();
        if (entry.contains("pour_point_C") && entry["pour_point_C"].is_number()) {
            oil.pourPoint = entry["pour_point_C"].get<double>();
        }
        for (const nlohmann::json& point : entry.at("measured").at("kinematic_viscosity_mm2s")) {
            oil.viscosities.push_back({point.at("T"), point.at("value")});
        }
        for (const nlohmann::json& cut : entry.value("assay_cuts", nlohmann::json::array())) {
            PublishedAssayCut assayCut;
            if (cut.at("tbp_from_C").is_number()) {
                assayCut.fromC = cut["tbp_from_C"].get<double>();
            }
            if (cut.at("tbp_to_C").is_number()) {
                assayCut.toC = cut["tbp_to_C"].get<double>();
            }
            assayCut.volumePct = cut.at("yield_volume_pct");
            assayCut.massPct = cut.at("yield_mass_pct");
            assayCut.density15 = cut.at("density_15C_kgm3");
            oil.assayCuts.push_back(assayCut);
        }
        oils.push_back(std::move(oil));
    }
    return oils;
}

namespace {

void fillFractions(COilCalc& calc, const std::vector<std::string>& rows) {
    calc.inputMode = 2;
    calc.fracCountIn = static_cast<int>(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string& row = rows[i];
        const std::size_t first = row.find(':');
        const std::size_t second = row.find(':', first + 1);
        calc.fracStartIn[i + 1] = textToNumber(row.substr(0, first));
        calc.fracEndIn[i + 1] = textToNumber(row.substr(first + 1, second - first - 1));
        calc.fracShare[i + 1] = textToNumber(row.substr(second + 1));
    }
}

} // namespace

void fillOil(COilCalc& calc, const PublishedOil& oil, OilInput input, ViscosityMethod method) {
    calc.densityIn = oil.density;
    calc.densityTempIn = oil.densityTemp;
    calc.viscosityMethod = method;
    if (input == OilInput::FractionTable) {
        fillFractions(calc, oil.fractions);
    } else {
        calc.inputMode = 1;
    }
}

std::optional<double> computedViscosity(const PublishedOil& oil, OilInput input,
                                        ViscosityMethod method, double tempC) {
    ScriptedMessages yesToAll(true);
    COilCalc calc(&yesToAll);
    fillOil(calc, oil, input, method);
    if (runBasicCalculation(calc) != CalcOutcome::Completed) {
        return std::nullopt;
    }
    return calc.wholeOilViscosityBy(method, {tempC, 0.101325});
}

double medianOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return (values[(n - 1) / 2] + values[n / 2]) / 2;
}

} // namespace viskora::testing
