#include "documents/replacement_file.h"
#include "reports/report_commands.h"
#include "reports/report_file.h"
#include "reports/spreadsheet_export.h"
#include "reports/xlsx_file.h"
#include "reports/xlsx_spreadsheet.h"
#include "sample_documents.h"
#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace viskora {
namespace {

namespace fs = std::filesystem;
using testing::TemporaryFolder;

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

TEST(XlsxSpreadsheet, WorkbookIsWrittenUnderTheBaseNameAndOpened) {
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

TEST(XlsxSpreadsheet, UnusableFolderMeansNoSpreadsheetProgram) {
    TemporaryFolder temp;
    std::ofstream(temp.path() / "blocked") << "x";
    RecordingOpener opener;
    const auto basic = testing::sampleBasicRecord();
    const auto additional = testing::sampleAdditionalRecord();
    EXPECT_EQ(exportWorkbook(basic, RecordFractionRows(basic), temp.path() / "blocked" / "OUT",
                             "pipe.vkr", opener),
              failureWithReason(kBasicSpreadsheetUnavailable, "Not a directory."));
    EXPECT_EQ(exportWorkbook(additional, RecordFractionRows(additional),
                             temp.path() / "blocked" / "OUT", "pipe.vkr", opener),
              failureWithReason(kAdditionalSpreadsheetUnavailable, "Not a directory."));
    EXPECT_TRUE(opener.opened.empty());
}

TEST(XlsxSpreadsheet, FailedSaveIsReportedAndNothingOpened) {
    TemporaryFolder temp;
    // A folder holds the workbook's name: it is not replaced.
    fs::create_directories(temp.path() / "pipe.xlsx" / "inside");
    RecordingOpener opener;
    const auto record = testing::sampleBasicRecord();
    EXPECT_EQ(exportWorkbook(record, RecordFractionRows(record), temp.path(), "pipe.vkr", opener),
              failureWithReason(kBasicSpreadsheetUnavailable, kNotARegularFileReason));
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_TRUE(fs::exists(temp.path() / "pipe.xlsx" / "inside"));
    EXPECT_EQ(entriesIn(temp.path()), std::vector<fs::path>{"pipe.xlsx"});
}

// A text longer than a cell holds fails the workbook with that reason, and
// the old workbook stays.
TEST(XlsxSpreadsheet, TextLongerThanACellHoldsSaysSo) {
    TemporaryFolder temp;
    std::ofstream(temp.path() / "pipe.xlsx") << "old";
    RecordingOpener opener;
    auto record = testing::sampleBasicRecord();
    record.densityText = std::string(kMaxCellCharacters + 1, '7');
    ::testing::internal::CaptureStderr();
    const auto message =
        exportWorkbook(record, RecordFractionRows(record), temp.path(), "pipe.vkr", opener);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(message, failureWithReason(kFileCreationFailed, kCellTextTooLongReason));
    EXPECT_TRUE(opener.opened.empty());
    EXPECT_EQ(entriesIn(temp.path()), std::vector<fs::path>{"pipe.xlsx"});
}

// The library prints its own diagnostics on failure; they must not reach the
// terminal, and the reason comes back instead.
TEST(XlsxSpreadsheet, LibraryDiagnosticsStayOffTheTerminal) {
    TemporaryFolder temp;
    SheetModel sheet;
    sheet.name = "Viskora";
    sheet.cell(1, 1).value = "text";
    ::testing::internal::CaptureStderr();
    const std::string failure = writeXlsxFile(sheet, temp.path() / "missing" / "a.xlsx");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(failure, "No such file or directory.");
}

TEST(XlsxSpreadsheet, CallsOutsideWhatTheSheetCanHoldAreRefused) {
    TemporaryFolder temp;
    XlsxSpreadsheetLauncher launcher(temp.path() / "calls.xlsx", nullptr);
    const auto application = launcher.createApplication();
    ASSERT_TRUE(application);
    const auto workbooks = application->workbooks();
    EXPECT_THROW(workbooks->add(0), SpreadsheetError);
    const auto workbook = workbooks->add(kSingleWorksheetTemplate);
    EXPECT_THROW(workbooks->add(kSingleWorksheetTemplate), SpreadsheetError);
    EXPECT_THROW(workbook->worksheets()->item(2), SpreadsheetError);
    const auto sheet = workbook->worksheets()->item(1);
    EXPECT_THROW(sheet->setVisible(0), SpreadsheetError);
    EXPECT_THROW(sheet->setName("a/b"), SpreadsheetError);
    EXPECT_THROW(sheet->setName(std::string(32, 'x')), SpreadsheetError);
    EXPECT_THROW(sheet->range("B0", "C3"), SpreadsheetError);
    EXPECT_THROW(sheet->cells()->setItem(0, 1, "x"), SpreadsheetError);
    EXPECT_THROW(sheet->cells()->item(1, 16385), SpreadsheetError);
    const auto range = sheet->range("B3", "C3");
    EXPECT_THROW(range->interior()->setColorIndex(99), SpreadsheetError);
    EXPECT_THROW(range->setHorizontalAlignment(42), SpreadsheetError);
    EXPECT_THROW(range->borderAround(1, 7, 1, 1), SpreadsheetError);
    EXPECT_THROW(range->font()->setSize(0), SpreadsheetError);
    EXPECT_EQ(range->font()->size(), 11.0);
    // Nothing is written before the application is shown.
    EXPECT_FALSE(fs::exists(temp.path() / "calls.xlsx"));
    application->setVisible(true);
    EXPECT_TRUE(fs::exists(temp.path() / "calls.xlsx"));
}

} // namespace
} // namespace viskora
