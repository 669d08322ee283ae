#include "cli/batch_command.h"
#include "run_calculator.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace viskora {
namespace {

namespace fs = std::filesystem;
using testing::runCalculator;

struct VapourRun {
    std::vector<std::string> arguments;
    int exitStatus;
    const char* named; // the method in the JSON, or the refusal on stderr
};

void PrintTo(const VapourRun& row, std::ostream* out) {
    for (const std::string& argument : row.arguments) {
        *out << argument << ' ';
    }
}

class VapourOption : public ::testing::TestWithParam<VapourRun> {};

TEST_P(VapourOption, IsEchoedInTheJsonOrRefusedByName) {
    const VapourRun& p = GetParam();
    const auto run = runCalculator(p.arguments);
    EXPECT_EQ(run.exitStatus, p.exitStatus) << run.err;
    if (p.exitStatus == 64) {
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(p.named), std::string::npos) << run.err;
    } else {
        EXPECT_EQ(nlohmann::json::parse(run.out)["vapourPressureMethod"], p.named);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, VapourOption,
    ::testing::Values(
        VapourRun{{"basic", "--json"}, 0, "average"},
        VapourRun{{"basic", "--vapour-pressure-method", "cuts", "--json"}, 0, "cuts"},
        VapourRun{{"additional", "--vapour-pressure-method", "cuts", "--yes", "--json"}, 0, "cuts"},
        VapourRun{{"curves", "--temps", "0:100:50", "--vapour-pressure-method", "cuts", "--yes",
                   "--json"},
                  0,
                  "cuts"},
        VapourRun{{"basic", "--vapour-pressure-method", "Cuts"},
                  64,
                  "--vapour-pressure-method: \"Cuts\""},
        VapourRun{{"curves", "--temps", "0:100:50", "--vapour-pressure-method", "true"},
                  64,
                  "--vapour-pressure-method: \"true\""},
        VapourRun{{"basic", "--light-end", "methane:1"}, 64, "--light-end: \"methane:1\""},
        VapourRun{{"basic", "--light-end", "propane"}, 64, "--light-end: \"propane\""},
        VapourRun{{"basic", "--light-end", "propane:1", "--light-end", "Propane:2"},
                  64,
                  "propane is given twice"},
        VapourRun{{"additional", "--light-end", "n-butane:1,5"},
                  64,
                  "--light-end n-butane:1,5: \"1,5\" is not a number"}));

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// An additional calculation by narrow cuts with light ends: the lines after
// the rows, the fields of show, the report's lines, and the bubble point
// that disagrees with a split finding gas at atmospheric pressure.
TEST(VapourOption, IsSavedShownAndReported) {
    const fs::path folder =
        fs::temp_directory_path() / ("viskora-vapour-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string file = (folder / "cuts.vkr").string();
    const std::string report = (folder / "cuts.txt").string();
    const std::vector<std::string> oil = {
        "additional", "--density",         "850",        "--fraction",
        "0:100:10",   "--fraction",        "100:400:90", "--vapour-pressure-method",
        "cuts",       "--light-end",       "n-butane:2", "--design-temp",
        "45",         "--design-pressure", "0.1",        "--yes"};
    std::vector<std::string> save = oil;
    save.insert(save.end(), {"--save", file});
    ASSERT_EQ(runCalculator(save).exitStatus, 0);
    const std::string saved = contents(file);
    EXPECT_NE(saved.find("\n10\n100\n400\n90\nvapourPressure=cuts\nlightEnd=n-butane:2\n"
                         "bubblePoint="),
              std::string::npos)
        << saved;

    std::vector<std::string> json = oil;
    json.push_back("--json");
    const auto calculated = nlohmann::json::parse(runCalculator(json).out);
    const auto shown = nlohmann::json::parse(runCalculator({"show", file, "--json"}).out);
    EXPECT_EQ(shown["vapourPressureMethod"], "cuts");
    EXPECT_EQ(shown["lightEnds"]["n-butane"], "2");
    EXPECT_NEAR(shown["bubblePointBase"].get<double>(),
                calculated["results"]["bubblePointPressure"].get<double>(), 1e-6);
    EXPECT_EQ(calculated["bubblePointNote"],
              "The design pressure lies above the bubble point by narrow cuts, where the oil is "
              "all liquid.");

    ASSERT_EQ(runCalculator({"report", file, "--text", "--output", report}).exitStatus, 0);
    const std::string text = contents(report);
    EXPECT_NE(text.find("\tVapour pressure: true, by narrow cuts\r\n"
                        "\tLight ends, % of mass: n-butane 2\r\n"
                        "\tBubble-point pressure : "),
              std::string::npos)
        << text;
    fs::remove_all(folder);
}

TEST(BatchCommand, VapourPressureMethodColumn) {
    const BatchInput input =
        readBatch("kind,density,vapourPressureMethod\n"
                  "basic,850,\nbasic,850,average\nbasic,850,cuts\nbasic,850,x\n");
    ASSERT_TRUE(input.ok) << input.problem;
    EXPECT_EQ(input.rows[3].problem,
              "column vapourPressureMethod: \"x\" is neither average nor cuts");
    const auto output = calculateBatch(input.rows, false, 1);
    const csv::Record header = batchHeader();
    const auto column =
        static_cast<std::size_t>(std::ranges::find(header, "vapourPressure") - header.begin());
    EXPECT_EQ(output[0][column], output[1][column]);
    EXPECT_GT(std::stod(output[2][column]), 1000 * std::stod(output[1][column]));
}

// A sweep tables the true vapour pressure at every point whatever the
// method, rising with the temperature.
TEST(CurvesCommand, TrueVapourPressureColumn) {
    const auto run = runCalculator({"curves", "--density", "850", "--temps", "0:100:50", "--yes",
                                    "--light-end", "propane:0.5", "--csv"});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_NE(run.out.find(",trueVapourPressure [MPa],"), std::string::npos) << run.out;
    const auto json = nlohmann::json::parse(
        runCalculator({"curves", "--density", "850", "--temps", "0:100:50", "--yes", "--json"})
            .out);
    const auto& points = json["points"];
    ASSERT_EQ(points.size(), 3u);
    EXPECT_LT(points[0]["trueVapourPressure"].get<double>(),
              points[2]["trueVapourPressure"].get<double>());
}

} // namespace
} // namespace viskora
