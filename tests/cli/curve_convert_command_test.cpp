#include "run_calculator.h"

#include "units/number_text.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace viskora {
namespace {

using testing::runCalculator;

std::vector<std::string> withPoints(std::vector<std::string> arguments,
                                    const std::vector<std::string>& points) {
    for (const std::string& point : points) {
        arguments.push_back("--curve-point");
        arguments.push_back(point);
    }
    return arguments;
}

// A crude oil's D86 curve, deg.F.
const std::vector<std::string> kD86Points = {"10:350", "30:380", "50:404", "70:433", "90:469"};

struct CurveCall {
    std::string name;
    std::vector<std::string> arguments;
    int exitStatus;
    std::string stderrPart; // empty: nothing asked of stderr
};

void PrintTo(const CurveCall& call, std::ostream* out) {
    *out << call.name;
}

class CurveConvertCalls : public ::testing::TestWithParam<CurveCall> {};

TEST_P(CurveConvertCalls, ExitWithTheirStatusAndMessage) {
    const CurveCall& call = GetParam();
    const auto run = runCalculator(call.arguments);
    EXPECT_EQ(run.exitStatus, call.exitStatus) << run.err;
    if (!call.stderrPart.empty()) {
        EXPECT_NE(run.err.find(call.stderrPart), std::string::npos) << run.err;
    }
    if (call.exitStatus == 2) {
        EXPECT_EQ(run.out, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Calls, CurveConvertCalls,
    ::testing::Values(
        CurveCall{"Good", withPoints({"curve-convert", "--curve", "D86"}, kD86Points), 0, ""},
        // Bad curves: status 2 and the reason.
        CurveCall{"OnePoint", withPoints({"curve-convert", "--curve", "D86"}, {"50:400"}), 2,
                  "at least two points"},
        CurveCall{"Falling",
                  withPoints({"curve-convert", "--curve", "TBP-mass"}, {"10:300", "50:200"}), 2,
                  "falls between 10 % and 50 %"},
        CurveCall{"PercentOutside",
                  withPoints({"curve-convert", "--curve", "SimDist"}, {"10:300", "150:400"}), 2,
                  "outside 0..100"},
        CurveCall{"SamePercent",
                  withPoints({"curve-convert", "--curve", "D1160"}, {"50:300", "50:310"}), 2,
                  "Two points are given at 50 %"},
        CurveCall{"NotANumber",
                  withPoints({"curve-convert", "--curve", "TBP-volume"}, {"10:300", "50:4O0"}), 2,
                  "\"4O0\" is not a number"},
        CurveCall{"NotAPoint",
                  withPoints({"curve-convert", "--curve", "D86"}, {"10-300", "50:400"}), 2,
                  "PERCENT:TEMP, not \"10-300\""},
        CurveCall{"TooFineAStep",
                  withPoints({"curve-convert", "--curve", "D86", "--curve-step", "1"},
                             {"0:100", "100:700"}),
                  2, "more than 100 fractions"},
        // Usage faults: status 64.
        CurveCall{"UnknownType", withPoints({"curve-convert", "--curve", "D87"}, kD86Points), 64,
                  "unknown curve type"},
        CurveCall{
            "UnknownMethod",
            withPoints({"curve-convert", "--curve", "D86", "--curve-method", "x"}, kD86Points), 64,
            "unknown curve method"},
        CurveCall{"FractionAndCurve",
                  withPoints({"basic", "--fraction", "0:300:100", "--curve", "D86"}, kD86Points),
                  64, "exclude each other"},
        CurveCall{"BadCurveInBasic", withPoints({"basic", "--curve", "D86"}, {"50:400"}), 2,
                  "bad curve"},
        // Temperatures the conversions cannot hold: refused, never shown as
        // infinities or NaN, nor calculated with.
        CurveCall{"SimDistNear1e300",
                  withPoints({"curve-convert", "--curve", "SimDist"}, {"10:1e300", "90:2e300"}), 2,
                  "Point 1: the temperature 1e300 is above 10000 deg.C"},
        CurveCall{"D1160From1e200InBasic",
                  withPoints({"basic", "--curve", "D1160"}, {"10:1e200", "90:1e201"}), 2,
                  "Point 1: the temperature 1e200 is above 10000 deg.C"},
        CurveCall{"D86BelowZeroFahrenheit",
                  withPoints({"curve-convert", "--curve", "D86", "--temp-unit", "F"},
                             {"10:-100", "50:-60", "90:-50"}),
                  2, "below 0 deg.F"}),
    [](const auto& info) { return info.param.name; });

// The JSON of a bad curve is still one valid object, with the reason.
TEST(CurveInCalculation, BadCurveJsonIsValid) {
    const auto run =
        runCalculator(withPoints({"additional", "--curve", "D86", "--json"}, {"50:400"}));
    EXPECT_EQ(run.exitStatus, 2);
    const nlohmann::json out = nlohmann::json::parse(run.out);
    EXPECT_EQ(out["status"], "input-error");
    EXPECT_EQ(out["kind"], "additional");
    EXPECT_FALSE(out["curve"]["errors"].empty());
}

// Converting a curve, filling the table and calculating gives what entering
// the same rows as --fraction gives, in both calculations.
TEST(CurveInCalculation, SameResultsAsTheRowsEnteredByHand) {
    for (const std::string kind : {"basic", "additional"}) {
        SCOPED_TRACE(kind);
        const std::vector<std::string> common = {kind,  "--temp-unit", "F",     "--density",
                                                 "830", "--yes",       "--json"};
        std::vector<std::string> fromCurve = common;
        fromCurve.insert(fromCurve.end(), {"--curve", "D86"});
        const auto curveRun = runCalculator(withPoints(fromCurve, kD86Points));
        ASSERT_EQ(curveRun.exitStatus, 0) << curveRun.err;
        const nlohmann::json curveOut = nlohmann::json::parse(curveRun.out);
        const nlohmann::json& rows = curveOut["curve"]["rows"];
        ASSERT_GE(rows.size(), 10u);
        EXPECT_EQ(rows[1]["start"], "316.4"); // 158 deg.C, the TBP at 10 %

        std::vector<std::string> byHand = common;
        for (const nlohmann::json& row : rows) {
            byHand.push_back("--fraction");
            byHand.push_back(row["start"].get<std::string>() + ":" + row["end"].get<std::string>() +
                             ":" + row["share"].get<std::string>());
        }
        const auto handRun = runCalculator(byHand);
        ASSERT_EQ(handRun.exitStatus, 0) << handRun.err;
        const nlohmann::json handOut = nlohmann::json::parse(handRun.out);
        EXPECT_EQ(curveOut["results"], handOut["results"]);
        EXPECT_EQ(curveOut["characterisation"], handOut["characterisation"]);
        EXPECT_EQ(curveOut["messages"], handOut["messages"]);
    }
}

// curve-convert prints the points at the given percents in the given unit,
// the fit and the rows; the CSV form carries the same records.
TEST(CurveConvert, PrintsPointsFitAndRows) {
    const auto json = runCalculator(
        withPoints({"curve-convert", "--curve", "D86", "--temp-unit", "F", "--json"}, kD86Points));
    ASSERT_EQ(json.exitStatus, 0) << json.err;
    const nlohmann::json out = nlohmann::json::parse(json.out);
    ASSERT_EQ(out["tbp"].size(), 5u);
    EXPECT_NEAR(out["tbp"][0]["temperature"].get<double>(), 316.5, 0.1);
    EXPECT_NEAR(out["tbp"][4]["temperature"].get<double>(), 496.7, 0.1);
    EXPECT_EQ(out["basis"], "volume");
    EXPECT_EQ(out["method"], "daubert");
    EXPECT_GT(out["fit"]["rSquared"].get<double>(), 0.99);

    // Only a D86 curve has a choice of method to name.
    const auto simDist = runCalculator({"curve-convert", "--curve", "SimDist", "--temp-unit", "F",
                                        "--json", "--curve-point", "5:293", "--curve-point",
                                        "50:336", "--curve-point", "95:369"});
    ASSERT_EQ(simDist.exitStatus, 0) << simDist.err;
    EXPECT_FALSE(nlohmann::json::parse(simDist.out).contains("method"));

    const auto csv = runCalculator(
        withPoints({"curve-convert", "--curve", "D86", "--temp-unit", "F", "--csv"}, kD86Points));
    ASSERT_EQ(csv.exitStatus, 0) << csv.err;
    EXPECT_EQ(csv.out.rfind("record,field1,field2,field3,field4\r\n", 0), 0u);
    EXPECT_NE(csv.out.find("\r\nrow,316.4,347,"), std::string::npos) << csv.out;
    EXPECT_NE(csv.out.find("\r\nfit,"), std::string::npos);
}

// The Watson K that brings a D1160 curve to atmospheric pressure is printed
// to two decimals: (1.8 Tb)^(1/3) / SG with Tb the atmospheric 50 % point, K,
// and SG the oil's specific gravity; 12 when no density is given.
struct WatsonCase {
    const char* name;
    std::vector<std::string> density;
    std::string watsonK;
};

void PrintTo(const WatsonCase& c, std::ostream* out) {
    *out << c.name;
}

class D1160WatsonK : public ::testing::TestWithParam<WatsonCase> {};

// Riazi 2005, Ex. 3.6, at 10 mmHg, deg.C.
const std::vector<std::string> kD1160Points = {"10:150", "30:205", "50:250", "70:290", "90:350"};

TEST_P(D1160WatsonK, IsPrintedWithTheCurve) {
    const WatsonCase& c = GetParam();
    std::vector<std::string> arguments = {"curve-convert", "--curve", "D1160"};
    arguments.insert(arguments.end(), c.density.begin(), c.density.end());
    const auto text = runCalculator(withPoints(arguments, kD1160Points));
    ASSERT_EQ(text.exitStatus, 0) << text.err;
    EXPECT_NE(text.out.find("\nWatson K: " + c.watsonK + "\n"), std::string::npos) << text.out;
    arguments.push_back("--json");
    const auto json = runCalculator(withPoints(arguments, kD1160Points));
    ASSERT_EQ(json.exitStatus, 0) << json.err;
    EXPECT_NEAR(nlohmann::json::parse(json.out)["watsonK"].get<double>(), textToNumber(c.watsonK),
                0.005);
}

INSTANTIATE_TEST_SUITE_P(Densities, D1160WatsonK,
                         ::testing::Values(
                             // Tb 406.8 deg.C (679.95 K), SG 0.9035: K 11.84.
                             WatsonCase{"Heavy", {"--density", "900"}, "11.84"},
                             // Tb 405.0 deg.C (678.15 K), SG 0.8538: K 12.52.
                             WatsonCase{"Lighter", {"--density", "850"}, "12.52"},
                             WatsonCase{"NoDensity", {}, "12.00"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace viskora
