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

struct MethodRun {
    std::vector<std::string> arguments;
    int exitStatus;
    const char* named; // in the JSON, or in the refusal on stderr
};

void PrintTo(const MethodRun& row, std::ostream* out) {
    for (const std::string& argument : row.arguments) {
        *out << argument << ' ';
    }
}

class MethodOption : public ::testing::TestWithParam<MethodRun> {};

TEST_P(MethodOption, IsEchoedInTheJsonOrRefusedByName) {
    const MethodRun& p = GetParam();
    const auto run = runCalculator(p.arguments);
    EXPECT_EQ(run.exitStatus, p.exitStatus) << run.err;
    if (p.exitStatus == 64) {
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(p.named), std::string::npos) << run.err;
    } else {
        EXPECT_EQ(nlohmann::json::parse(run.out)["viscosityMethod"], p.named);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, MethodOption,
    ::testing::Values(
        MethodRun{{"basic", "--json"}, 0, "whole"},
        MethodRun{{"basic", "--viscosity-method", "cuts", "--json"}, 0, "cuts"},
        MethodRun{{"additional", "--viscosity-method", "cuts", "--yes", "--json"}, 0, "cuts"},
        // Said also when the calculation stops at its input.
        MethodRun{{"basic", "--density", "0", "--viscosity-method", "cuts", "--json"}, 2, "cuts"},
        MethodRun{{"basic", "--viscosity-method", "Cuts"}, 64, "--viscosity-method: \"Cuts\""},
        MethodRun{{"additional", "--viscosity-method", ""}, 64, "--viscosity-method: \"\""},
        MethodRun{{"curves", "--temps", "0:100:50", "--viscosity-method", "narrow"},
                  64,
                  "--viscosity-method: \"narrow\""}));

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(MethodOption, IsSavedShownAndReported) {
    const fs::path folder =
        fs::temp_directory_path() / ("viskora-method-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string file = (folder / "cuts.vkr").string();
    const std::string report = (folder / "cuts.txt").string();
    ASSERT_EQ(runCalculator({"additional", "--viscosity-method", "cuts", "--yes", "--save", file})
                  .exitStatus,
              0);
    EXPECT_TRUE(contents(file).ends_with("\nviscosity=cuts\n"));
    EXPECT_EQ(nlohmann::json::parse(runCalculator({"show", file, "--json"}).out)["viscosityMethod"],
              "cuts");
    EXPECT_NE(runCalculator({"show", file}).out.find("\nviscosityMethod: cuts\n"),
              std::string::npos);
    ASSERT_EQ(runCalculator({"report", file, "--text", "--output", report}).exitStatus, 0);
    EXPECT_TRUE(contents(report).ends_with("\tViscosity: by narrow cuts\r\n"));
    fs::remove_all(folder);
}

TEST(BatchCommand, ViscosityMethodColumn) {
    const BatchInput input =
        readBatch("kind,density,viscosityMethod\n"
                  "basic,850,\nbasic,850,whole\nbasic,850,cuts\nbasic,850,x\n");
    ASSERT_TRUE(input.ok) << input.problem;
    EXPECT_EQ(input.rows[3].problem, "column viscosityMethod: \"x\" is neither whole nor cuts");
    const auto output = calculateBatch(input.rows, false, 1);
    const csv::Record header = batchHeader();
    const auto column =
        static_cast<std::size_t>(std::ranges::find(header, "kinematicViscosity") - header.begin());
    EXPECT_EQ(output[0][column], output[1][column]);
    EXPECT_NE(output[2][column], output[1][column]);
}

} // namespace
} // namespace viskora
