#include "cli/additional_command.h"
#include "cli/batch_command.h"
#include "cli/calc_report.h"
#include "run_calculator.h"
#include "units/display_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>

namespace viskora {
namespace {

std::size_t columnOf(const std::string& name) {
    const csv::Record header = batchHeader();
    return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
}

TEST(BatchCommand, RowsGiveTheResultsOfSingleCalculations) {
    const BatchInput input = readBatch("kind,density,design_temp,design_pressure,fractions\r\n"
                                       "additional,880,157.5,1.0,\r\n"
                                       "additional,0,200,0.1,0:300:100\r\n"
                                       "basic,850,,,\r\n");
    ASSERT_TRUE(input.ok) << input.problem;
    ASSERT_EQ(input.rows.size(), 3u);
    const std::vector<csv::Record> output = calculateBatch(input.rows, false, 2);
    ASSERT_EQ(output.size(), 3u);

    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(output[i][columnOf("status")], "ok");
        const AdditionalRun single =
            runAdditional(input.rows[i].oil, input.rows[i].design, unit::kMPa, false, nullptr);
        for (const ResultLine& line : resultLines(single.results)) {
            EXPECT_EQ(output[i][columnOf(line.name)], shortestNumberText(line.value)) << line.name;
        }
        EXPECT_EQ(output[i][columnOf("density")], "");
    }
    EXPECT_EQ(output[2][columnOf("kind")], "basic");
    EXPECT_EQ(output[2][columnOf("pseudoCritTemp")].substr(0, 5), "471.5");
    EXPECT_EQ(output[2][columnOf("gasDensity")], "");
}

TEST(BatchCommand, BadRowsGetTheirOwnStatusAndTheOthersGoOn) {
    const BatchInput input = readBatch("kind,density,density_unit,fractions,pressure_unit\n"
                                       "additional,702.7,,,\n"
                                       "mystery,702.7,,,\n"
                                       "additional,702.7,parsec,,\n"
                                       "additional,702.7,,1:2,\n"
                                       "additional,702.7,,,furlong\n"
                                       "additional,702.7\n"
                                       "additional,0,,,\n"
                                       "additional,500,,,\n"
                                       "basic,702.7,g/cm3,,\n");
    ASSERT_TRUE(input.ok) << input.problem;
    const std::vector<csv::Record> output = calculateBatch(input.rows, false, 0);
    const std::vector<std::string> statuses = {"ok",          "bad-row", "bad-row",
                                               "bad-row",     "bad-row", "bad-row",
                                               "input-error", "stopped", "stopped"};
    ASSERT_EQ(output.size(), statuses.size());
    for (std::size_t i = 0; i < output.size(); ++i) {
        EXPECT_EQ(output[i][columnOf("row")], std::to_string(i + 1));
        EXPECT_EQ(output[i][columnOf("status")], statuses[i]) << i;
        EXPECT_EQ(output[i].size(), batchHeader().size());
        if (statuses[i] != "ok") {
            EXPECT_FALSE(output[i][columnOf("message")].empty()) << i;
        }
    }
    EXPECT_EQ(output[1][columnOf("kind")], "mystery");
    EXPECT_EQ(output[6][columnOf("message")], "Density must be specified.");
    // Yes to every warning lets the light oil through.
    EXPECT_EQ(calculateBatch({input.rows[7]}, true, 1)[0][columnOf("status")], "ok");
}

TEST(BatchCommand, ValuesWithTextAfterTheNumberMakeABadRowNamingTheColumn) {
    const BatchInput input = readBatch("kind,density,density_temp,design_temp,design_pressure,"
                                       "fractions\n"
                                       "additional,\"850,5\",20,50,0.3,\n"
                                       "additional,850,20abc,50,0.3,\n"
                                       "additional,850,20,50 C,0.3,\n"
                                       "additional,850,20,50,0.3MPa,\n"
                                       "basic,850,20,,,\"0:300:60;300:1,5:40\"\n"
                                       "additional,,20,50,0.3,\n");
    ASSERT_TRUE(input.ok) << input.problem;
    const std::vector<csv::Record> output = calculateBatch(input.rows, false, 1);
    const char* columns[] = {"density", "density_temp", "design_temp", "design_pressure",
                             "fractions"};
    for (std::size_t i = 0; i < std::size(columns); ++i) {
        EXPECT_EQ(output[i][columnOf("status")], "bad-row") << i;
        EXPECT_NE(output[i][columnOf("message")].find(std::string("column ") + columns[i]),
                  std::string::npos)
            << output[i][columnOf("message")];
    }
    // An empty density is 0, as before: the engine asks for a density.
    EXPECT_EQ(output[5][columnOf("status")], "input-error");
    EXPECT_EQ(output[5][columnOf("message")], "Density must be specified.");
}

TEST(BatchCommand, MissingColumnsTakeTheDefaultsOfTheCommandLine) {
    const BatchInput input = readBatch("density\n702.7\n");
    ASSERT_TRUE(input.ok);
    ASSERT_EQ(input.rows.size(), 1u);
    const BatchRow& row = input.rows[0];
    EXPECT_EQ(row.kind, "additional");
    EXPECT_EQ(row.design.designTemp, "50");
    EXPECT_EQ(row.design.designPressure, "0.3");
    EXPECT_EQ(row.pressureUnit, unit::kMPa);
    EXPECT_EQ(row.oil.densityTempText, "20");
    EXPECT_EQ(row.oil.tempUnit, unit::kCelsius);
    EXPECT_TRUE(row.oil.fractions.empty());
}

TEST(BatchCommand, FilesThatCannotBeReadAreRefusedWhole) {
    for (const char* text :
         {"", "kind,densty\nbasic,850\n", "density,density\n1,2\n", "density\n\"850\n"}) {
        const BatchInput input = readBatch(text);
        EXPECT_FALSE(input.ok) << text;
        EXPECT_FALSE(input.problem.empty()) << text;
    }
}

TEST(BatchCommand, CalculatorReadsAFileOrStandardInputAndWritesCsv) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "viskora-batch-test.csv";
    {
        std::ofstream out(path, std::ios::binary);
        out << "kind,density,fractions\nbasic,850,\nadditional,850,\"0:300:60;300:400:40\"\n";
    }
    const auto run = testing::runCalculator({"batch", path.string(), "--threads", "2"});
    std::filesystem::remove(path);
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    const csv::ParseResult parsed = csv::parse(run.out);
    ASSERT_TRUE(parsed.ok);
    ASSERT_EQ(parsed.records.size(), 3u);
    EXPECT_EQ(parsed.records[0], batchHeader());
    EXPECT_EQ(parsed.records[1][columnOf("status")], "ok");
    EXPECT_EQ(parsed.records[2][columnOf("status")], "ok");
    EXPECT_NE(run.out.find("\r\n"), std::string::npos);

    EXPECT_EQ(testing::runCalculator({"batch", "/no/such/file.csv"}).exitStatus, 64);
    // A folder opens as a file on Linux and reads as one without a header:
    // it is named as the wrong input it is.
    const auto folder = testing::runCalculator({"batch", "/tmp"});
    EXPECT_EQ(folder.exitStatus, 64);
    EXPECT_NE(folder.err.find("/tmp is a folder, not a CSV file"), std::string::npos) << folder.err;
    EXPECT_EQ(testing::runCalculator({"batch", "-"}).exitStatus, 2); // empty standard input
    EXPECT_EQ(testing::runCalculator({"batch"}).exitStatus, 2);      // the same without "-"
}

TEST(BatchCommand, OutputHeaderAndRowsAsWritten) {
    // The header is what scripts find their columns by; rows that give no
    // results leave every result column empty.
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "viskora-batch-header-test.csv";
    {
        std::ofstream out(path, std::ios::binary);
        out << "kind,density\nmystery,702.7\nbasic,0\n";
    }
    const auto run = testing::runCalculator({"batch", path.string()});
    std::filesystem::remove(path);
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out,
              "row,kind,status,message,density,specificHeat,thermalConductivity,"
              "kinematicViscosity,surfaceTension,vapourPressure,pseudoCritTemp,prandtl,"
              "gasMassShare,liquidMassShare,gasDensity,gasSpecificHeat,gasConductivity,"
              "gasViscosity,gasVaporisationEnthalpy,gasPrandtl,liquidDensity,liquidSpecificHeat,"
              "liquidConductivity,liquidViscosity,liquidSurfaceTension\r\n"
              "1,mystery,bad-row,unknown kind: mystery (basic or additional),,,,,,,,,,,,,,,,,,,,,"
              "\r\n"
              "2,basic,input-error,Density must be specified.,,,,,,,,,,,,,,,,,,,,,\r\n");
}

// One line of a file must not take memory or output without bound: a row
// over the limits is a bad row of no kind, and the rows around it go on.
TEST(BatchCommand, RowsOverTheLimitsAreBadRows) {
    const std::string longRow(csv::kMaxRecordBytes + 1, ',');
    std::string manyFields(csv::kMaxFields, ',');
    const BatchInput input =
        readBatch("kind,density\nbasic,850\n" + longRow + "\n" + manyFields + "\n\"basic\",\"" +
                  std::string(csv::kMaxRecordBytes, 'x') + "\"\nbasic,850\n");
    ASSERT_TRUE(input.ok) << input.problem;
    const std::vector<csv::Record> output = calculateBatch(input.rows, false, 1);
    ASSERT_EQ(output.size(), 5u);
    const std::vector<std::string> messages = {"", "the row is longer than 1 MiB",
                                               "the row has more than 256 fields",
                                               "the row is longer than 1 MiB", ""};
    for (std::size_t i = 0; i < output.size(); ++i) {
        EXPECT_EQ(output[i][columnOf("status")], messages[i].empty() ? "ok" : "bad-row") << i;
        EXPECT_EQ(output[i][columnOf("message")], messages[i]) << i;
        EXPECT_EQ(output[i][columnOf("kind")], messages[i].empty() ? "basic" : "") << i;
    }
}

// A header that cannot be read is quoted by its first 80 characters only.
struct UnreadableHeader {
    const char* what;
    std::string text;
    std::string problem;
};

void PrintTo(const UnreadableHeader& row, std::ostream* out) {
    *out << row.what;
}

class UnreadableHeaders : public ::testing::TestWithParam<UnreadableHeader> {};

TEST_P(UnreadableHeaders, AreQuotedShort) {
    const BatchInput input = readBatch(GetParam().text);
    EXPECT_FALSE(input.ok);
    EXPECT_EQ(input.problem, GetParam().problem);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, UnreadableHeaders,
    ::testing::Values(
        UnreadableHeader{"a long unknown column", std::string(100, 'h') + "\n1\n",
                         "unknown column: " + std::string(80, 'h') + "..."},
        UnreadableHeader{
            "a header over the length limit",
            "density," + std::string(100, 'h') + std::string(csv::kMaxRecordBytes, ' ') + "\n",
            "the header is longer than 1 MiB: density," + std::string(72, 'h') + "..."},
        UnreadableHeader{
            "a header over the field limit", "density" + std::string(csv::kMaxFields, ',') + "\n",
            "the header has more than 256 fields: density" + std::string(73, ',') + "..."}));

// A row with a wrong number of fields names the kind its kind field holds,
// or none when it has no kind field.
TEST(BatchCommand, RowsOfTheWrongLengthNameTheirKind) {
    const BatchInput input = readBatch("density,kind,density_unit\n850,basic\n850\n,,,\n");
    ASSERT_TRUE(input.ok) << input.problem;
    const std::vector<csv::Record> output = calculateBatch(input.rows, false, 1);
    ASSERT_EQ(output.size(), 3u);
    EXPECT_EQ(output[0][columnOf("kind")], "basic");
    EXPECT_EQ(output[1][columnOf("kind")], "");
    EXPECT_EQ(output[2][columnOf("kind")], "");
    for (const csv::Record& row : output) {
        EXPECT_EQ(row[columnOf("status")], "bad-row");
    }
}

// A kind repeated from the input must reach a spreadsheet as text.
TEST(BatchCommand, ATextThatLooksLikeAFormulaIsWrittenAsText) {
    const BatchInput input = readBatch("kind\n=HYPERLINK(\"http://x\";\"y\")\n@SUM(A1)\n");
    ASSERT_TRUE(input.ok) << input.problem;
    const std::vector<csv::Record> output = calculateBatch(input.rows, false, 1);
    ASSERT_EQ(output.size(), 2u);
    EXPECT_EQ(output[0][columnOf("kind")], "'=HYPERLINK(\"http://x\";\"y\")");
    EXPECT_EQ(output[0][columnOf("message")],
              "unknown kind: =HYPERLINK(\"http://x\";\"y\") (basic or additional)");
    EXPECT_EQ(output[1][columnOf("kind")], "'@SUM(A1)");
}

TEST(BatchCommand, CalculatorQuotesAnOverlongHeaderShortAndStops) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "viskora-batch-long-header.csv";
    {
        std::ofstream out(path, std::ios::binary);
        out << std::string(2 * csv::kMaxRecordBytes, 'k') << "\n850\n";
    }
    const auto run = testing::runCalculator({"batch", path.string()});
    std::filesystem::remove(path);
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "viskora-calc batch: the header is longer than 1 MiB: " +
                           std::string(80, 'k') + "...\n");
}

} // namespace
} // namespace viskora
