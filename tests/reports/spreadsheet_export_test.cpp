// The sheet's cells and formats are read back from written workbooks by
// check_workbooks.py; these tests cover where the blocks land for other
// table sizes and what becomes of the file.
#include "documents/replacement_file.h"
#include "reports/report_commands.h"
#include "reports/report_file.h"
#include "reports/spreadsheet_export.h"
#include "reports/xlsx_file.h"
#include "sample_documents.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <ostream>

#include <fstream>
#include <utility>
#include <vector>

namespace viskora {
namespace {

namespace fs = std::filesystem;
using testing::TemporaryFolder;

std::string valueAt(const SheetModel& sheet, int row, int column) {
    const auto found = sheet.cells.find({row, column});
    return found == sheet.cells.end() ? std::string() : found->second.value;
}

struct BlockRows {
    int fractionRows;      // 0: the document does not use the fraction table
    int basicResults;      // the row of "Calculation results"
    int additionalResults; //   on each kind's sheet
};

void PrintTo(const BlockRows& row, std::ostream* out) {
    *out << "FractionRows" << row.fractionRows;
}

class SheetBlocks : public ::testing::TestWithParam<BlockRows> {};

// The results follow the table, whose headings print on every page, and the
// print area ends at the last result.
TEST_P(SheetBlocks, ResultsFollowTheFractionTable) {
    const BlockRows& p = GetParam();
    auto basic = testing::sampleBasicRecord();
    auto additional = testing::sampleAdditionalRecord();
    if (p.fractionRows > 0) {
        const auto all = testing::hundredFractionRows();
        testing::useRows(basic, {all.begin(), all.begin() + p.fractionRows});
        testing::useRows(additional, {all.begin(), all.begin() + p.fractionRows});
    }
    const SheetModel b = basicSheet(basic, RecordFractionRows(basic));
    const SheetModel a = additionalSheet(additional, RecordFractionRows(additional));

    EXPECT_EQ(valueAt(b, p.basicResults, 2), "Calculation results");
    EXPECT_EQ(valueAt(b, p.basicResults + 8, 2), "Prandtl number : ");
    ASSERT_TRUE(b.page.printArea);
    EXPECT_EQ(b.page.printArea->lastRow, p.basicResults + 8);

    EXPECT_EQ(valueAt(a, p.additionalResults, 2), "Calculation results");
    EXPECT_EQ(valueAt(a, p.additionalResults + 10, 2), "Liquid phase");
    EXPECT_EQ(valueAt(a, p.additionalResults + 17, 2), "Prandtl number : ");
    ASSERT_TRUE(a.page.printArea);
    EXPECT_EQ(a.page.printArea->lastRow, p.additionalResults + 17);

    using Rows = std::optional<std::pair<int, int>>;
    EXPECT_EQ(b.page.titleRows, p.fractionRows == 0 ? Rows() : Rows({12, 13}));
    EXPECT_EQ(a.page.titleRows, p.fractionRows == 0 ? Rows() : Rows({14, 15}));
}

INSTANTIATE_TEST_SUITE_P(FractionRows, SheetBlocks,
                         ::testing::Values(
                             // No table: results two rows below the inputs.
                             BlockRows{0, 13, 15},
                             // Title, two heading rows, the rows, a blank row.
                             BlockRows{1, 17, 19}, BlockRows{5, 21, 23},
                             // A full table.
                             BlockRows{100, 116, 118}));

TEST(SpreadsheetExport, ATextTooLongForAnyColumnIsCutOffInsteadOfRefused) {
    // A column is at most 255 characters wide.
    auto record = testing::sampleBasicRecord();
    testing::useRows(record, {{"35", std::string(600, 'x'), "100"}});
    for (const auto& [column, width] :
         basicSheet(record, RecordFractionRows(record)).columnWidths) {
        EXPECT_LE(width, 255.0) << column;
    }
    TemporaryFolder temp;
    EXPECT_EQ(exportBasicSpreadsheet(record, RecordFractionRows(record), temp.path() / "long.xlsx",
                                     nullptr),
              std::nullopt);
    EXPECT_TRUE(fs::exists(temp.path() / "long.xlsx"));
}

class RecordingOpener : public DocumentOpener {
  public:
    void open(const fs::path& file) override { opened.push_back(file); }
    std::vector<fs::path> opened;
};

std::vector<fs::path> entriesIn(const fs::path& folder) {
    std::vector<fs::path> entries;
    for (const auto& entry : fs::directory_iterator(folder)) {
        entries.push_back(entry.path().filename());
    }
    return entries;
}

TEST(WorkbookExport, WorkbookIsWrittenUnderTheBaseNameAndOpened) {
    TemporaryFolder temp;
    const fs::path out = temp.path() / "OUT";
    RecordingOpener opener;
    const auto record = testing::sampleAdditionalRecord();
    EXPECT_EQ(exportWorkbook(record, RecordFractionRows(record), out, "a.b.vkr", opener),
              std::nullopt);
    ASSERT_EQ(opener.opened, std::vector<fs::path>{out / "a.b.xlsx"});
    EXPECT_GT(fs::file_size(out / "a.b.xlsx"), 1000u);
    // Exported again, the workbook replaces the old one and nothing else is left behind.
    EXPECT_EQ(exportWorkbook(record, RecordFractionRows(record), out, "a.b.vkr", opener),
              std::nullopt);
    EXPECT_EQ(entriesIn(out), std::vector<fs::path>{"a.b.xlsx"});
}

TEST(WorkbookExport, UnusableFolderShowsTheKindsMessage) {
    TemporaryFolder temp;
    std::ofstream(temp.path() / "blocked") << "x";
    RecordingOpener opener;
    const auto basic = testing::sampleBasicRecord();
    const auto additional = testing::sampleAdditionalRecord();
    // The output folder cannot be made.
    EXPECT_EQ(exportWorkbook(basic, RecordFractionRows(basic), temp.path() / "blocked" / "OUT",
                             "pipe.vkr", opener),
              "Cannot create Excel instance.\r\n" + (temp.path() / "blocked" / "OUT").string() +
                  "\r\nNot a directory.");
    EXPECT_EQ(exportWorkbook(additional, RecordFractionRows(additional),
                             temp.path() / "blocked" / "OUT", "pipe.vkr", opener),
              std::string(kAdditionalSpreadsheetUnavailable) + "\r\n" +
                  (temp.path() / "blocked" / "OUT").string() + "\r\nNot a directory.");
    // A file's folder is missing.
    EXPECT_EQ(exportBasicSpreadsheet(basic, RecordFractionRows(basic),
                                     temp.path() / "missing" / "pipe.xlsx", &opener),
              "Cannot create Excel instance.\r\n" +
                  (temp.path() / "missing" / "pipe.xlsx").string() +
                  "\r\nNo such file or directory.");
    EXPECT_TRUE(opener.opened.empty());
}

TEST(WorkbookExport, FailedSaveIsReportedAndNothingOpened) {
    TemporaryFolder temp;
    // A folder holds the workbook's name: it is not replaced.
    fs::create_directories(temp.path() / "pipe.xlsx" / "inside");
    RecordingOpener opener;
    const auto record = testing::sampleBasicRecord();
    EXPECT_EQ(exportWorkbook(record, RecordFractionRows(record), temp.path(), "pipe.vkr", opener),
              "Cannot create Excel instance.\r\n" + (temp.path() / "pipe.xlsx").string() + "\r\n" +
                  std::string(kNotARegularFileReason));
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_TRUE(fs::exists(temp.path() / "pipe.xlsx" / "inside"));
    EXPECT_EQ(entriesIn(temp.path()), std::vector<fs::path>{"pipe.xlsx"});
}

// A spreadsheet cell holds 32,767 characters (not bytes): a text of that
// length exports, a longer one fails the workbook with that reason, and the
// old workbook stays.
TEST(WorkbookExport, TextLongerThanACellHoldsSaysSo) {
    TemporaryFolder temp;
    RecordingOpener opener;
    auto record = testing::sampleBasicRecord();
    std::string cellFull;
    for (int i = 0; i < 32767; ++i) {
        cellFull += "Ж";
    }
    record.densityText = cellFull;
    EXPECT_EQ(exportWorkbook(record, RecordFractionRows(record), temp.path(), "full.vkr", opener),
              std::nullopt);

    std::ofstream(temp.path() / "pipe.xlsx") << "old";
    record.densityText = cellFull + "7";
    ::testing::internal::CaptureStderr();
    const auto message =
        exportWorkbook(record, RecordFractionRows(record), temp.path(), "pipe.vkr", opener);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(message, "Error while creating file!\r\n" + (temp.path() / "pipe.xlsx").string() +
                           "\r\n" + std::string(kCellTextTooLongReason));
    EXPECT_EQ(opener.opened, std::vector<fs::path>{temp.path() / "full.xlsx"});
    EXPECT_EQ(entriesIn(temp.path()), (std::vector<fs::path>{"full.xlsx", "pipe.xlsx"}));
}

// The library prints its own diagnostics on failure; they must not reach the
// terminal, and the reason comes back instead.
TEST(WorkbookExport, LibraryDiagnosticsStayOffTheTerminal) {
    TemporaryFolder temp;
    SheetModel sheet;
    sheet.name = "Viskora";
    sheet.cell(1, 1).value = "text";
    ::testing::internal::CaptureStderr();
    const std::string failure = writeXlsxFile(sheet, temp.path() / "missing" / "a.xlsx");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(failure, "No such file or directory.");
}

} // namespace
} // namespace viskora
