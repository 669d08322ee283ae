#include "run_calculator.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>

namespace viskora {
namespace {

using testing::runCalculator;

// Every one of the 14 results is a number not below 0, and each is shown.
void expectFiniteResults(const nlohmann::json& out) {
    ASSERT_EQ(out["results"].size(), 14u);
    for (const auto& [name, value] : out["results"].items()) {
        ASSERT_TRUE(out["shown"].contains(name)) << name;
        EXPECT_TRUE(std::isfinite(value.get<double>())) << name;
        EXPECT_GE(value.get<double>(), 0) << name;
    }
}

TEST(AdditionalCommand, DefaultFormInputsEndToEnd) {
    const auto run = runCalculator({"additional", "--json"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const nlohmann::json out = nlohmann::json::parse(run.out);
    EXPECT_EQ(out["kind"], "additional");
    EXPECT_EQ(out["status"], "ok");
    EXPECT_TRUE(out["messages"].empty());
    expectFiniteResults(out);
    // Nothing boils off at 50 deg.C under 0.3 MPa.
    EXPECT_EQ(out["shown"]["gasMassShare"], " 0.0");
    EXPECT_EQ(out["shown"]["liquidMassShare"], "100.0");
    EXPECT_EQ(out["results"]["gasDensity"].get<double>(), 0);
    EXPECT_NEAR(out["results"]["liquidDensity"].get<double>(), 675.8, 0.1);
    EXPECT_EQ(out["shown"]["liquidDensity"], "676");
    // Without a gas part the record ends on the whole oil.
    EXPECT_EQ(out["characterisation"], out["wholeOilCharacterisation"]);
    EXPECT_NEAR(out["wholeOilCharacterisation"]["d20"].get<double>(), 0.7027, 1e-4);
}

TEST(AdditionalCommand, EverythingBoiledOffGivesFiniteGasResults) {
    const auto run =
        runCalculator({"additional", "--density", "700", "--design-temp", "600",
                       "--design-pressure", "1", "--pressure-unit", "bar", "--yes", "--json"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const nlohmann::json out = nlohmann::json::parse(run.out);
    expectFiniteResults(out);
    EXPECT_EQ(out["shown"]["gasMassShare"], "100.0");
    EXPECT_EQ(out["shown"]["liquidMassShare"], " 0.0");
    EXPECT_GT(out["results"]["gasDensity"].get<double>(), 0);
    EXPECT_EQ(out["results"]["liquidDensity"].get<double>(), 0);
    ASSERT_EQ(out["messages"].size(), 1u);
    EXPECT_EQ(out["messages"][0]["answer"], "yes");
}

TEST(AdditionalCommand, TableOutputOfATwoPhaseOil) {
    // The fraction-table worked oil at 200 deg.C and 0.1 MPa: both phases,
    // in the columns of the basic command's table.
    const auto run = runCalculator({"additional", "--fraction", "0:300:100", "--density", "0",
                                    "--design-temp", "200", "--design-pressure", "0.1"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out, "Calculation at given absolute pressure and temperature within the "
                       "under-critical range\n"
                       "\n"
                       "result                    value in base unit                  shown\n"
                       "gasMassShare              62.26415094339634 %                 62.3\n"
                       "liquidMassShare           37.73584905660366 %                 37.7\n"
                       "gasDensity                2.860005809715097 kg/m3             2.86\n"
                       "gasSpecificHeat           2.2600364762103125 kJ/(kg K)        2.26\n"
                       "gasConductivity           0.023734794611289828 W/(m K)        2.37e-002\n"
                       "gasViscosity              2.0537124599232475 mm2/s            2.05\n"
                       "gasVaporisationEnthalpy   308.9515584875294 kJ/kg             309\n"
                       "gasPrandtl                0.5592893170664928 -                0.559\n"
                       "liquidDensity             688.7686918064006 kg/m3             689\n"
                       "liquidSpecificHeat        2.6821291843912105 kJ/(kg K)        2.68\n"
                       "liquidConductivity        0.09825824290447675 W/(m K)         9.83e-002\n"
                       "liquidViscosity           0.5570177516522842 mm2/s            0.557\n"
                       "liquidSurfaceTension      0.013113864053208642 N/m            1.31e-002\n"
                       "prandtl                   10.472566625795324 -                10.5\n");
}

TEST(AdditionalCommand, PressureUnitAndTemperatureUnitAreHonoured) {
    // 10 bar is 1 MPa; 315.5 deg.F is 157.5 deg.C.
    const auto inMpa = runCalculator({"additional", "--density", "880", "--design-temp", "157.5",
                                      "--design-pressure", "1", "--json"});
    const auto inBar = runCalculator(
        {"additional", "--density", "880", "--density-temp", "68", "--temp-unit", "F",
         "--design-temp", "315.5", "--design-pressure", "10", "--pressure-unit", "bar", "--json"});
    ASSERT_EQ(inMpa.exitStatus, 0) << inMpa.err;
    ASSERT_EQ(inBar.exitStatus, 0) << inBar.err;
    const nlohmann::json a = nlohmann::json::parse(inMpa.out);
    const nlohmann::json b = nlohmann::json::parse(inBar.out);
    EXPECT_EQ(a["shown"], b["shown"]);
    EXPECT_NEAR(a["results"]["gasDensity"].get<double>(), 28.4, 0.1);
}

} // namespace
} // namespace viskora
