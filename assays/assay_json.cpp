#include "assays/assay_json.h"

namespace viskora {
namespace {

using assays::CutFigures;
using assays::OilFigures;

nlohmann::json optionalJson(const std::optional<double>& value) {
    return value ? nlohmann::json(*value) : nlohmann::json(nullptr);
}

} // namespace

nlohmann::json assayFiguresJson(const assays::AssayFigures& figures, const char* kind) {
    nlohmann::json cuts = nlohmann::json::array();
    for (const CutFigures& c : figures.cuts) {
        cuts.push_back({{"component", c.component ? nlohmann::json(constantsOf(*c.component).name)
                                                  : nlohmann::json(nullptr)},
                        {"start", optionalJson(c.startC)},
                        {"end", optionalJson(c.endC)},
                        {"lightEnds", c.lightEnds},
                        {"massPct", c.massPct},
                        {"volumePct", c.volumePct},
                        {"density15", c.density15},
                        {"density20", c.density20},
                        {"densityEstimated", c.densityEstimated},
                        {"midBoilingPoint", c.midBoilingC},
                        {"specificGravity", c.specificGravity},
                        {"apiGravity", c.apiGravity},
                        {"watsonK", c.watsonK},
                        {"molecularWeight", optionalJson(c.molarMass)},
                        {"viscosity40", optionalJson(c.viscosity40)},
                        {"viscosity100", optionalJson(c.viscosity100)},
                        {"viscosityAnchored", c.viscosityAnchored}});
    }
    const OilFigures& o = figures.oil;
    // Every light end by component, a light-ends cut taken apart.
    nlohmann::json lightEnds = nlohmann::json::array();
    for (const LightEndShare& share : o.lightEnds) {
        lightEnds.push_back(
            {{"component", constantsOf(share.component).name}, {"massPct", share.massPct}});
    }
    nlohmann::json fractions = nlohmann::json::array();
    for (const assays::EngineRow& r : figures.engineOil.rows) {
        fractions.push_back({{"start", r.startC},
                             {"end", r.endC},
                             {"share", r.massPct},
                             {"density20", r.density20}});
    }
    return {{"kind", kind},
            {"status", "ok"},
            {"name", figures.name},
            {"yieldBasis", figures.basis == assays::YieldBasis::Mass ? "mass" : "volume"},
            {"cuts", cuts},
            {"oil",
             {{"density15", o.density15},
              {"density20", o.density20},
              {"densityFromCuts", o.densityFromCuts},
              {"specificGravity", o.specificGravity},
              {"apiGravity", o.apiGravity},
              {"watsonK", o.watsonK},
              {"molecularWeight", o.molarMass},
              {"viscosity20", o.viscosity20},
              {"viscosity40", o.viscosity40},
              {"viscosity50", o.viscosity50},
              {"viscosity100", o.viscosity100},
              {"viscosityIndex", optionalJson(o.viscosityIndex)},
              {"lightEndsMassPct", o.lightEndsMassPct},
              {"lightEndsVolumePct", o.lightEndsVolumePct},
              {"lightEnds", lightEnds},
              {"reidVapourPressure", optionalJson(o.reidVapourPressure)},
              {"trueVapourPressure20", optionalJson(o.trueVapourPressure20)},
              {"trueVapourPressure37_8", optionalJson(o.trueVapourPressure37_8)}}},
            {"fractions", {{"density15", figures.engineOil.density15}, {"rows", fractions}}}};
}

} // namespace viskora
