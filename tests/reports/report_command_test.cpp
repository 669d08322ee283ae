#include "documents/cp1251.h"
#include "run_calculator.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace viskora {
namespace {

namespace fs = std::filesystem;
using testing::runCalculator;
using testing::TemporaryFolder;

std::string contentsOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(ReportCommand, WritesEachKindOfReportOfASavedDocument) {
    TemporaryFolder temp;
    const fs::path document = temp.path() / "pipe.vkr";
    ASSERT_EQ(runCalculator({"additional", "--fraction", "35:200:40", "--fraction", "200:400:60",
                             "--yes", "--save", document.string()})
                  .exitStatus,
              0);

    const fs::path text = temp.path() / "pipe.txt";
    auto run = runCalculator({"report", document.string(), "--text", "--output", text.string()});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(run.out, text.string() + "\n");
    const std::string report = cp1251ToUtf8(contentsOf(text));
    EXPECT_EQ(report.rfind("Thermophysical properties of oil and its derivatives\r\n", 0), 0u);
    // Unit names follow from the file's unit indices.
    EXPECT_TRUE(contains(report, "\tDensity : 702.7 (kg/m3)  at the temperature : 20 (°C - "
                                 "Celsius)  \r\n\tDesign temperature : 50 (°C - Celsius)  \r\n"));
    EXPECT_TRUE(contains(report, "\t|2  |200                   |400  "));

    const fs::path page = temp.path() / "page.html";
    run = runCalculator({"report", document.string(), "--html", "--output", page.string()});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_TRUE(contains(contentsOf(page), "<td align=\"center\">400</td>"));

    const fs::path workbook = temp.path() / "sheet.xlsx";
    run = runCalculator({"report", document.string(), "--xlsx", "--output", workbook.string()});
    ASSERT_EQ(run.exitStatus, 0) << run.err;
    EXPECT_EQ(contentsOf(workbook).substr(0, 2), "PK");
}

TEST(ReportCommand, RefusesWhatItCannotRead) {
    TemporaryFolder temp;
    const fs::path notADocument = temp.path() / "notes.vkr";
    std::ofstream(notADocument) << "[General]\ntype=Something\n";
    auto run = runCalculator(
        {"report", notADocument.string(), "--text", "--output", (temp.path() / "x.txt").string()});
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_TRUE(contains(run.err, "This is not a valid Viskora file."));
    EXPECT_FALSE(fs::exists(temp.path() / "x.txt"));

    const fs::path document = temp.path() / "a.b.vkr";
    ASSERT_EQ(runCalculator({"basic", "--save", document.string()}).exitStatus, 0);
    // A folder given with --output is not made.
    const fs::path unwritable = temp.path() / "missing" / "x.html";
    run = runCalculator({"report", document.string(), "--html", "--output", unwritable.string()});
    EXPECT_EQ(run.exitStatus, 5);
    EXPECT_EQ(run.err,
              "viskora-calc report: " + unwritable.string() + ": Error while creating file!\n");
    EXPECT_FALSE(fs::exists(temp.path() / "missing"));
    // Exactly one kind of report.
    EXPECT_EQ(runCalculator({"report", document.string()}).exitStatus, 64);
    EXPECT_EQ(runCalculator({"report", document.string(), "--text", "--xlsx"}).exitStatus, 64);
}

} // namespace
} // namespace viskora
