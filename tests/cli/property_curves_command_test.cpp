#include "run_calculator.h"

#include "cli/console_messages.h"
#include "property_curves/curve_inputs.h"
#include "property_curves/sweep_columns.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace viskora {
namespace {

using testing::runCalculator;

const std::vector<std::string> kOil = {"--density",  "860",        "--temp-unit",
                                       "F",          "--fraction", "86:392:40",
                                       "--fraction", "392:662:35", "--yes"};

std::vector<std::string> with(std::vector<std::string> arguments,
                              const std::vector<std::string>& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

TEST(CurvesCommand, EachPointIsTheAdditionalCommandsAnswer) {
    // Temperatures in deg.F from freezing to where part of the oil boils
    // off, pressure in bar: every point's results are those `additional`
    // gives at its state, under the same names, and the liquid's viscosity
    // by narrow cuts beside them is the one `additional` gives by cuts.
    const auto run =
        runCalculator(with({"curves"}, with(kOil, {"--temps", "14:554:90", "--design-pressure", "2",
                                                   "--pressure-unit", "bar", "--json"})));
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const nlohmann::json out = nlohmann::json::parse(run.out);
    EXPECT_EQ(out["units"]["temperature"], "°F");
    EXPECT_EQ(out["units"]["pressure"], "bar");
    ASSERT_EQ(out["points"].size(), 7u);
    for (const nlohmann::json& point : out["points"]) {
        const std::string temperature = point["temperature"].dump();
        const auto single = runCalculator(
            with({"additional"}, with(kOil, {"--design-temp", temperature, "--design-pressure", "2",
                                             "--pressure-unit", "bar", "--json"})));
        const auto byCuts =
            runCalculator(with({"additional", "--viscosity-method", "cuts"},
                               with(kOil, {"--design-temp", temperature, "--design-pressure", "2",
                                           "--pressure-unit", "bar", "--json"})));
        ASSERT_EQ(single.exitStatus, 0) << single.err;
        ASSERT_EQ(byCuts.exitStatus, 0) << byCuts.err;
        nlohmann::json results = point["results"];
        EXPECT_EQ(results["liquidViscosityByCuts"],
                  nlohmann::json::parse(byCuts.out)["results"]["liquidViscosity"])
            << temperature;
        results.erase("liquidViscosityByCuts");
        EXPECT_EQ(results, nlohmann::json::parse(single.out)["results"]) << temperature;
    }
}

// A point the engine cannot calculate has the status and exit status the
// additional calculation has at that state.
TEST(CurvesCommand, APointTheEngineCannotCalculateIsAnError) {
    const std::vector<std::string> state = {"--density", "850",    "--design-temp",
                                            "50",        "--json", "--yes"};
    const auto single = runCalculator(with({"additional", "--design-pressure", "1e-20"}, state));
    const auto run = runCalculator(with({"curves", "--pressures", "1e-20:1e-20:1"}, state));
    EXPECT_EQ(single.exitStatus, 4);
    EXPECT_EQ(run.exitStatus, 4);
    const nlohmann::json out = nlohmann::json::parse(run.out);
    EXPECT_EQ(out["status"], "error");
    EXPECT_EQ(out["points"][0]["status"], nlohmann::json::parse(single.out)["status"]);
}

// Every point of a sweep has the status and message the additional
// calculation at its state has, and the sweep exits as its first point that
// did not complete.
struct SingleStateCase {
    const char* name;
    std::vector<std::string> oil; // also given to each single calculation
    std::vector<std::string> sweep;
};

void PrintTo(const SingleStateCase& c, std::ostream* out) {
    *out << c.name;
}

class SweepPointsAsSingleCalculations : public ::testing::TestWithParam<SingleStateCase> {};

TEST_P(SweepPointsAsSingleCalculations, HaveTheirStatusMessageAndExitStatus) {
    const SingleStateCase& c = GetParam();
    const auto run = runCalculator(with({"curves"}, with(c.oil, with(c.sweep, {"--json"}))));
    const nlohmann::json points = nlohmann::json::parse(run.out)["points"];
    ASSERT_FALSE(points.empty()) << run.err;
    std::optional<int> firstExit;
    for (const nlohmann::json& point : points) {
        const std::string temperature = point["temperature"].dump();
        const auto single = runCalculator(
            with({"additional"}, with(c.oil, {"--design-temp", temperature, "--design-pressure",
                                              point["pressure"].dump(), "--json"})));
        const nlohmann::json out = nlohmann::json::parse(single.out);
        EXPECT_EQ(point["status"], out["status"]) << temperature;
        if (single.exitStatus != 0) {
            EXPECT_EQ(point["message"], out["messages"].back()["text"]) << temperature;
            firstExit = firstExit.value_or(single.exitStatus);
        }
    }
    EXPECT_EQ(run.exitStatus, firstExit.value_or(0));
}

INSTANTIATE_TEST_SUITE_P(
    States, SweepPointsAsSingleCalculations,
    ::testing::Values(
        SingleStateCase{"BelowAbsoluteZero", {"--density", "850"}, {"--temps", "-300:-280:10"}},
        // Up across absolute zero, where the next points ask about 0 deg.C.
        SingleStateCase{
            "AcrossAbsoluteZero", {"--density", "850", "--yes"}, {"--temps", "-290:-250:20"}},
        // The density at 20 deg.F stops the oil at a question; below absolute
        // zero the point's own input error comes first.
        SingleStateCase{"BelowAbsoluteZeroInFahrenheit",
                        {"--density", "850", "--temp-unit", "F"},
                        {"--pressures", "1:2:1", "--design-temp", "-500"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CurvesCommand, CsvHasUnitsInTheHeaderAndStoppedPointsKeepTheirMessage) {
    // No --yes: the point below 0 deg.C stops, the others are computed.
    const auto run = runCalculator({"curves", "--density", "850", "--temps", "-10:10:10",
                                    "--measured-viscosity", "5@20", "--csv"});
    EXPECT_EQ(run.exitStatus, 3) << run.err;
    std::vector<std::string> lines;
    std::size_t begin = 0;
    for (std::size_t end; (end = run.out.find("\r\n", begin)) != std::string::npos;
         begin = end + 2) {
        lines.push_back(run.out.substr(begin, end - begin));
    }
    // Every line ends in CR LF, those of the stopped point's message too.
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), std::ssize(lines));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].rfind("temperature [°C],pressure [MPa],gasMassShare [%],", 0), 0u);
    EXPECT_NE(lines[0].find(",anchoredLiquidViscosity [mm2/s],message"), std::string::npos);
    EXPECT_EQ(lines[1].rfind("-10,0.3,,,", 0), 0u) << lines[1];
    EXPECT_NE(lines[1].find("The design temperature < 0"), std::string::npos);
    EXPECT_EQ(lines[3], "Continue?\"");
    // All liquid: the gas phase's six properties are empty, not 0.
    EXPECT_EQ(lines[4].rfind("0,0.3,0,100,,,,,,,8", 0), 0u) << lines[4];
    EXPECT_NE(run.err.find("The design temperature < 0"), std::string::npos);
}

TEST(CurvesCommand, ASavedDocumentGivesTheCalculatorsNumbers) {
    // The same oil and sweep as a curves document and on the command line:
    // deg.F, a fraction table, pressures in bar, one measured viscosity in
    // cSt. Every column of every point agrees, under the same names.
    CurveDocument document;
    document.densityText = "860";
    document.tempUnitIndex = 2;
    document.useFractions = true;
    document.fractions = {{"86", "392", "40"}, {"392", "662", "35"}};
    document.variable = SweepVariable::Pressure;
    document.fromText = "0.5";
    document.toText = "3";
    document.stepText = "0.5";
    document.designTempText = "392";
    document.pressureUnitIndex = 5;
    document.measured = {{"9.3", 4, "104"}};
    const CurveDocument reread = *readCurveDocument(curveDocumentText(document)).document;
    const CurveInputs inputs = curveInputs(reread);
    const SweepResult sweep =
        runSweep(inputs.oil, inputs.settings, inputs.measured, AcceptedWarnings::all());

    const auto run =
        runCalculator(with({"curves"}, with(kOil, {"--pressures", "0.5:3:0.5", "--design-temp",
                                                   "392", "--pressure-unit", "bar",
                                                   "--measured-viscosity", "9.3@104", "--json"})));
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const nlohmann::json points = nlohmann::json::parse(run.out)["points"];
    ASSERT_EQ(points.size(), sweep.points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        for (const SweepColumn& column : sweepColumns()) {
            const std::string name(column.name);
            const nlohmann::json& shown =
                points[i].contains(name) ? points[i][name] : points[i]["results"][name];
            // A phase the point does not have is 0 in JSON, as in the
            // additional calculation's.
            const auto value = sweepColumnValue(sweep.points[i], column);
            EXPECT_EQ(shown.get<double>(), value.value_or(0)) << name << " at point " << i;
        }
    }
}

class CurvesCommandUsage : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(CurvesCommandUsage, IsRefusedBeforeCalculating) {
    const auto run = runCalculator(with({"curves"}, GetParam()));
    EXPECT_EQ(run.exitStatus, 64) << run.err;
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(run.err.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CurvesCommandUsage,
    ::testing::Values(std::vector<std::string>{"--density", "850"}, // no sweep
                      std::vector<std::string>{"--temps", "0:100:10", "--pressures", "1:2:1"},
                      std::vector<std::string>{"--temps", "0:100"},
                      // A fixed value the sweep would not use.
                      std::vector<std::string>{"--temps", "0:100:10", "--design-temp", "80"},
                      std::vector<std::string>{"--pressures", "1:2:1", "--design-pressure", "3"},
                      std::vector<std::string>{"--temps", "0:100:10x"},
                      std::vector<std::string>{"--temps", "0:1000:1"}, // 1001 points
                      std::vector<std::string>{"--temps", "0:100:10", "--json", "--csv"},
                      std::vector<std::string>{"--temps", "0:100:10", "--measured-viscosity", "5"},
                      // Viscosity rising with temperature.
                      std::vector<std::string>{"--temps", "0:100:10", "--measured-viscosity",
                                               "3@20", "--measured-viscosity", "5@40"}));

// Every value of the sweep follows the calculator's rule for values: a whole
// number, blanks around it aside, or an empty text read as 0; anything else
// is wrong usage naming the option, before anything is calculated.
struct ValueCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string option; // named in the refusal; empty: the sweep runs
};

void PrintTo(const ValueCase& c, std::ostream* out) {
    *out << c.name;
}

class CurvesCommandValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(CurvesCommandValues, AreWholeNumbersOrRefusedByName) {
    const ValueCase& c = GetParam();
    const auto run = runCalculator(with({"curves", "--density", "850"}, c.arguments));
    if (c.option.empty()) {
        EXPECT_EQ(run.exitStatus, 0) << run.err;
        return;
    }
    EXPECT_EQ(run.exitStatus, 64) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("viskora-calc curves: " + c.option, 0), 0u) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Values, CurvesCommandValues,
    ::testing::Values(ValueCase{"DesignTempWithADecimalComma",
                                {"--pressures", "1:2:1", "--design-temp", "157,5"},
                                "--design-temp"},
                      ValueCase{"DesignPressureWithLetters",
                                {"--temps", "0:100:50", "--design-pressure", "2abc"},
                                "--design-pressure"},
                      ValueCase{"StepWithASecondSign", {"--temps", "0:100:1-2"}, "--temps"},
                      ValueCase{"SweepOfTwoParts", {"--pressures", "1:2"}, "--pressures"},
                      ValueCase{"MeasuredTemperatureWithAnExponentMarkOnly",
                                {"--temps", "0:100:50", "--measured-viscosity", "5@2e"},
                                "--measured-viscosity"},
                      ValueCase{"BlanksAroundAndAnEmptyStart", {"--temps", " :100: 50 "}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace viskora
