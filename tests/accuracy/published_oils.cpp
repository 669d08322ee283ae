#include "published_oils.h"

#include "assays/blend.h"

#include "engine/calculation.h"
#include "engine/prepared_oil.h"
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
        constexpr double kMPaPerPsi = 0.006894757;
        if (entry.at("measured").contains("rvp_psi")) {
            oil.reidVapourPressure = entry["measured"]["rvp_psi"].get<double>() * kMPaPerPsi;
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

std::vector<FractionInput> fractionsOf(const std::vector<std::string>& rows) {
    std::vector<FractionInput> fractions;
    for (const std::string& row : rows) {
        const std::size_t first = row.find(':');
        const std::size_t second = row.find(':', first + 1);
        fractions.push_back({textToNumber(row.substr(0, first)),
                             textToNumber(row.substr(first + 1, second - first - 1)),
                             textToNumber(row.substr(second + 1))});
    }
    return fractions;
}

} // namespace

OilInputs oilInputsOf(const PublishedOil& oil, OilInput input, ViscosityMethod method) {
    OilInputs inputs;
    inputs.density = oil.density;
    inputs.densityTemp = oil.densityTemp;
    inputs.viscosityMethod = method;
    inputs.useFractions = input == OilInput::FractionTable;
    if (inputs.useFractions) {
        inputs.fractions = fractionsOf(oil.fractions);
    }
    return inputs;
}

std::optional<double> computedViscosity(const PublishedOil& oil, OilInput input,
                                        ViscosityMethod method, double tempC) {
    const AcceptedWarnings yesToAll = AcceptedWarnings::all();
    const OilInputs inputs = oilInputsOf(oil, input, method);
    if (calculateBasic(inputs, yesToAll).status != CalcOutcome::Completed) {
        return std::nullopt;
    }
    return PreparedOil(inputs, yesToAll).wholeOilViscosity(method, {tempC, 0.101325});
}

assays::Assay assayOf(const PublishedOil& oil) {
    assays::Assay assay;
    assay.name = oil.id;
    assay.basis = assays::YieldBasis::Volume;
    for (const PublishedAssayCut& cut : oil.assayCuts) {
        assay.cuts.push_back({cut.fromC, cut.toC, cut.volumePct, {{cut.density15, 15}}, {}});
    }
    assay.density = assays::StatedDensity{oil.density, oil.densityTemp};
    return assay;
}

assays::Assay fractionTableAssayOf(const PublishedOil& oil) {
    std::vector<assays::FractionTableRow> rows;
    for (const FractionInput& row : fractionsOf(oil.fractions)) {
        rows.push_back({row.start, row.end, row.share});
    }
    return assays::assayOfFractionTable(oil.id, rows, {oil.density, oil.densityTemp});
}

double medianOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return (values[(n - 1) / 2] + values[n / 2]) / 2;
}

} // namespace viskora::testing
