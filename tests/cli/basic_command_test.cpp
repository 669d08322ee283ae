#include "run_calculator.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace viskora {
namespace {

using testing::runCalculator;

nlohmann::json jsonOf(const testing::CalculatorRun& run) {
    return nlohmann::json::parse(run.out);
}

TEST(BasicCommand, DensityOnlyWorkedExample) {
    const auto run = runCalculator({"basic", "--density", "850", "--json"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const nlohmann::json out = jsonOf(run);
    EXPECT_EQ(out["kind"], "basic");
    EXPECT_EQ(out["status"], "ok");
    EXPECT_TRUE(out["messages"].empty());
    EXPECT_NEAR(out["characterisation"]["tvAvg"].get<double>(), 586.1, 0.05);
    EXPECT_NEAR(out["characterisation"]["critTemp"].get<double>(), 759.8498, 0.0001);
    EXPECT_NEAR(out["results"]["kinematicViscosity"].get<double>(), 37.00, 0.005);
    EXPECT_NEAR(out["results"]["pseudoCritTemp"].get<double>(), 471.5, 0.05);
    EXPECT_EQ(out["shown"]["prandtl"], "469");
    EXPECT_EQ(out["shown"]["vapourPressure"], "2.48e-008");
}

TEST(BasicCommand, FractionTableWorkedExample) {
    const auto run =
        runCalculator({"basic", "--fraction", "0:300:100", "--density", "0", "--json"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const nlohmann::json out = jsonOf(run);
    EXPECT_NEAR(out["results"]["density"].get<double>(), 770.7, 0.05);
    EXPECT_NEAR(out["results"]["pseudoCritTemp"].get<double>(), 331.5497, 0.0001);
    EXPECT_EQ(out["characterisation"]["t50"].get<double>(), 169);
}

TEST(BasicCommand, NumbersReadBackExactly) {
    const auto run = runCalculator({"basic", "--density", "850", "--json"});
    const std::string text = run.out;
    const nlohmann::json out = nlohmann::json::parse(text);
    const double viscosity = out["results"]["kinematicViscosity"].get<double>();
    EXPECT_EQ(nlohmann::json::parse(nlohmann::json(viscosity).dump()).get<double>(), viscosity);
}

TEST(BasicCommand, WarningAnswersAreReported) {
    const auto stopped = runCalculator({"basic", "--density", "500", "--json"});
    const nlohmann::json out = jsonOf(stopped);
    ASSERT_EQ(out["messages"].size(), 1u);
    EXPECT_EQ(out["messages"][0]["kind"], "warning");
    EXPECT_EQ(out["messages"][0]["answer"], "no");
    EXPECT_NE(stopped.err.find("warning: Density must be >= 600"), std::string::npos);

    const auto error = runCalculator({"basic", "--density", "0", "--json"});
    const nlohmann::json errorOut = jsonOf(error);
    EXPECT_EQ(errorOut["messages"][0]["kind"], "error");
    EXPECT_EQ(errorOut["messages"][0]["text"], "Density must be specified.");
    EXPECT_FALSE(errorOut["messages"][0].contains("answer"));
}

// A calculator call and how it ends: the exit status, the status word of its
// JSON (when it asks for JSON), and the option a refusal names. Every call
// that does not end in results says why on standard error.
struct CalculatorExit {
    std::vector<std::string> arguments;
    int exitStatus;
    const char* status = nullptr;
    const char* named = nullptr;
};

void PrintTo(const CalculatorExit& row, std::ostream* out) {
    for (const std::string& argument : row.arguments) {
        *out << argument << ' ';
    }
}

class CalculatorExits : public ::testing::TestWithParam<CalculatorExit> {};

TEST_P(CalculatorExits, SayHowTheCallEnded) {
    const CalculatorExit& c = GetParam();
    const auto run = runCalculator(c.arguments);
    EXPECT_EQ(run.exitStatus, c.exitStatus) << run.err;
    if (c.exitStatus != 0) {
        EXPECT_FALSE(run.err.empty());
    }
    if (c.status != nullptr) {
        const nlohmann::json out = jsonOf(run);
        EXPECT_EQ(out["status"], c.status);
        EXPECT_EQ(out.contains("results"), c.exitStatus == 0);
    }
    if (c.named != nullptr) {
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CalculatorExits,
    ::testing::Values(
        // A warning answered No stops (3), answered Yes goes on.
        CalculatorExit{{"basic", "--density", "500", "--json"}, 3, "stopped"},
        CalculatorExit{{"basic", "--density", "500", "--yes", "--json"}, 0, "ok"},
        CalculatorExit{{"additional", "--density", "700", "--design-temp", "600"}, 3},
        // Input errors of the engine (2).
        CalculatorExit{{"basic", "--density", "0", "--json"}, 2, "input-error"},
        CalculatorExit{{"basic", "--density", "1e999", "--json"}, 2, "input-error"},
        CalculatorExit{{"basic", "--fraction", "0:100:40", "--fraction", "100:0:50", "--json"},
                       2,
                       "input-error"},
        CalculatorExit{{"additional", "--design-pressure", "0"}, 2},
        // A state the engine cannot evaluate (4).
        CalculatorExit{{"additional", "--design-pressure", "20000", "--design-temp", "20"}, 4},
        // Wrong usage (64): no command, an unknown unit, option or command.
        CalculatorExit{{}, 64}, CalculatorExit{{"basic", "--density-unit", "parsec"}, 64},
        CalculatorExit{{"basic", "--fraction", "1:2"}, 64},
        CalculatorExit{{"basic", "--no-such-option"}, 64}, CalculatorExit{{"frobnicate"}, 64},
        CalculatorExit{{"additional", "--pressure-unit", "furlong"}, 64},
        CalculatorExit{{"additional", "--fraction", "1:2"}, 64},
        // Values with text after the number are refused by name.
        CalculatorExit{{"basic", "--density", "1,5"}, 64, nullptr, "--density"},
        CalculatorExit{{"basic", "--density-temp", "20C"}, 64, nullptr, "--density-temp"},
        CalculatorExit{{"basic", "--fraction", "0:300:100%"}, 64, nullptr, "--fraction 0:300:100%"},
        CalculatorExit{{"additional", "--design-temp", "850abc"}, 64, nullptr, "--design-temp"},
        CalculatorExit{
            {"additional", "--design-pressure", "0,3"}, 64, nullptr, "--design-pressure"}));

TEST(BasicCommand, AnEmptyValueIsStillZero) {
    // An empty text is still 0: here the density that must be specified.
    const auto empty = runCalculator({"basic", "--density", ""});
    EXPECT_EQ(empty.exitStatus, 2);
    EXPECT_NE(empty.err.find("Density must be specified."), std::string::npos);
}

TEST(BasicCommand, UnitsOfTheInputsAreHonoured) {
    // 0.85 g/cm3 measured at 68 deg.F is the 850 kg/m3 example.
    const auto run = runCalculator({"basic", "--density", "0.85", "--density-unit", "g/cm3",
                                    "--density-temp", "68", "--temp-unit", "F", "--json"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_NEAR(jsonOf(run)["results"]["density"].get<double>(), 850, 1e-6);
}

TEST(BasicCommand, TableOutputOfTheFractionTableWorkedExample) {
    // Scripts cut this table by its columns: 26 characters for the name, 36
    // for the value in the base unit, then the text a form shows. ("deg.С"
    // has the Cyrillic letter.)
    const auto run = runCalculator({"basic", "--fraction", "0:300:100", "--density", "0"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out,
              "Calculation at the atmosphere pressure and the temperature 20 deg.С (68 deg.F)\n"
              "\n"
              "result                    value in base unit                  shown\n"
              "density                   770.6809811320754 kg/m3             771\n"
              "specificHeat              2.006965515132431 kJ/(kg K)         2.01\n"
              "thermalConductivity       0.11780831775860945 W/(m K)         0.118\n"
              "kinematicViscosity        1.2235984143579453 mm2/s            1.22\n"
              "surfaceTension            0.023901838276682356 N/m            2.39e-002\n"
              "vapourPressure            0.00023972399651144027 MPa          2.40e-004\n"
              "pseudoCritTemp            331.5497390613285 deg.C             332\n"
              "prandtl                   16.064880628144007 -                16.1\n");
}

} // namespace
} // namespace viskora
