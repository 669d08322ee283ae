#include "reports/spreadsheet_export.h"

#include "reports/column_fit.h"
#include "reports/pending_file.h"
#include "reports/report_file.h"
#include "reports/report_lines.h"
#include "reports/report_texts.h"
#include "reports/xlsx_file.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace viskora {
namespace {

namespace t = report_texts;

constexpr int kLabelColumn = 2;
constexpr int kValueColumn = 6;
constexpr int kUnitColumn = 7;
// The sheet's filled columns, B to I, and the narrowest of them.
constexpr int kFirstColumn = 2;
constexpr int kLastColumn = 9;
constexpr double kMinimumColumnWidth = 5.0;
// The widest a column can be, in characters.
constexpr double kMaxColumnWidth = 255.0;
// A label runs on into the empty cells up to the value column.
constexpr int kLastLabelColumn = kValueColumn - 1;

// Section titles are shaded light grey; the fraction table's boxes are
// framed in thin black lines.
constexpr std::uint32_t kSectionShade = 0xC0C0C0;
constexpr CellEdge kBoxLine{BorderLine::Thin, 0x000000};
// The page setup's code of A4 paper.
constexpr int kPaperA4 = 9;

// The cells from one cell name's column and row to another's, such as B14
// to B15 as range('B', 14, 'B', 15).
CellRange range(char firstColumn, int firstRow, char lastColumn, int lastRow) {
    return {firstRow, firstColumn - 'A' + 1, lastRow, lastColumn - 'A' + 1};
}

// Lays out one sheet from the top down. Every text written is also given
// room: `put` takes the last column a text may use (the empty cells to its
// right that a text runs on into, or the box a heading is centred over).
class SheetFiller {
  public:
    explicit SheetFiller(std::string_view kindTitle)
        : fit_(kFirstColumn, kLastColumn, kMinimumColumnWidth) {
        sheet_.name = "Viskora";
        put(1, kFirstColumn, t::kHeading, kLastColumn);
        sheet_.link(3, kFirstColumn, std::string(t::kHomePageAddress));
        room(3, kFirstColumn, t::kHomePageAddress, kLastColumn);
        SheetCell& title = sheet_.cell(6, kFirstColumn);
        title.value = kindTitle;
        title.style.bold = true;
        fit_.holds(kFirstColumn, kLastColumn, kindTitle, true);
        put(9, kFirstColumn, t::kInputData, kLastColumn);
        shade(9);
    }

    void put(int row, int column, std::string_view text, int lastColumn = 0) {
        sheet_.cell(row, column).value = text;
        room(row, column, text, lastColumn);
    }

    // An input line below the density: label, value and unit.
    void putInput(int row, std::string_view label, std::string_view text, std::string_view unit) {
        put(row, kLabelColumn, label, kLastLabelColumn);
        put(row, kValueColumn, text);
        put(row, kUnitColumn, unit, kLastColumn);
    }

    template <typename Record> void densityLine(const Record& record) {
        put(10, 2, t::kDensity, 3);
        put(10, 4, record.densityText);
        put(10, 5, record.densityUnitName);
        put(10, 6, t::kAtTemperature, 7);
        put(10, 8, record.densityTempText);
        put(10, 9, record.tempUnitName);
    }

    // Writes the block from row `row` on and returns the row below it.
    int fractionBlock(int row, int fractionCount, const FractionRows& rows) {
        put(row, 2, t::kFractionalComposition, kLastColumn);
        ++row;
        put(row, 3, t::kTemperatureHeading, 6);
        put(row, 7, t::kShareHeading, 9);
        ++row;
        put(row, 2, t::kRowNumberHeading);
        put(row, 3, t::kStartPoint, 4);
        put(row, 5, t::kFinalPoint, 6);
        put(row, 7, t::kShareHeadingEnd, 9);
        ++row;
        const int header = row - 2;
        frame(range('C', header, 'F', header));
        sheet_.forEachCell(range('B', header, 'B', header + 1),
                           [](SheetCell& cell) { cell.style.alignment = CellAlignment::Right; });
        frame(range('B', header, 'B', header + 1));
        frame(range('C', header + 1, 'D', header + 1));
        frame(range('E', header + 1, 'F', header + 1));
        frame(range('G', header, 'I', header + 1));
        for (int i = 0; i < reportedFractionRows(fractionCount); ++i, ++row) {
            frame(range('B', row, 'B', row));
            put(row, 2, rows.cell(i, 0));
            frame(range('C', row, 'D', row));
            put(row, 3, rows.cell(i, 1), 4);
            frame(range('E', row, 'F', row));
            put(row, 5, rows.cell(i, 2), 6);
            frame(range('G', row, 'I', row));
            put(row, 7, rows.cell(i, 3), 9);
        }
        // Headings and values sit in the middle of their boxes, as in the
        // HTML report's table, clear of the row numbers and of each other.
        const int last = std::max(row - 1, header + 1);
        centreAcross(range('C', header, 'F', header));
        centreAcross(range('C', header + 1, 'D', last));
        centreAcross(range('E', header + 1, 'F', last));
        centreAcross(range('G', header, 'I', last));
        tableHeading_ = std::pair{header, header + 1};
        return row;
    }

    void resultsTitle(int row) {
        put(row, kLabelColumn, t::kCalculationResults, kLastColumn);
        shade(row);
    }

    void phaseTitle(int row, std::string_view phase) {
        put(row, kLabelColumn, phase, kLastColumn);
        sheet_.cell(row, 2).style.bold = true;
        sheet_.cell(row, 3).style.bold = true;
    }

    // One result per row from `row` on; returns the row below the last.
    int resultLines(int row, const std::vector<ReportLine>& lines) {
        for (const ReportLine& line : lines) {
            put(row, kLabelColumn, line.label, kLastLabelColumn);
            put(row, kValueColumn, *line.text);
            if (line.unitName != nullptr) {
                put(row, kUnitColumn, *line.unitName, kLastColumn);
            }
            ++row;
        }
        return row;
    }

    // The method lines, each alone in its row.
    void methodLines(int row, const std::vector<std::string>& lines) {
        for (const std::string& line : lines) {
            put(row++, kLabelColumn, line, kLastColumn);
        }
    }

    // The sheet with columns that fit every text, printed one A4 page wide
    // and as many long as the rows need, with the fraction table's headings
    // on every page.
    SheetModel finished() {
        const std::vector<double> widths = fit_.widths();
        for (int column = kFirstColumn; column <= kLastColumn; ++column) {
            // A text too long for any column is cut off rather than refused.
            sheet_.columnWidths[column] =
                std::min(widths[static_cast<std::size_t>(column - kFirstColumn)], kMaxColumnWidth);
        }
        sheet_.page.paperSize = kPaperA4;
        sheet_.page.fitToPages = std::pair{1, 0};
        sheet_.page.printArea = CellRange{1, kFirstColumn, lastRow_, kLastColumn};
        sheet_.page.titleRows = tableHeading_;
        return std::move(sheet_);
    }

  private:
    void room(int row, int column, std::string_view text, int lastColumn) {
        fit_.holds(column, std::max(column, lastColumn), text);
        lastRow_ = std::max(lastRow_, row);
    }

    void shade(int row) {
        sheet_.forEachCell({row, kFirstColumn, row, kLastColumn},
                           [](SheetCell& cell) { cell.style.fill = kSectionShade; });
    }

    void frame(const CellRange& box) { sheet_.borderAround(box, kBoxLine); }

    void centreAcross(const CellRange& box) {
        sheet_.forEachCell(box, [](SheetCell& cell) {
            cell.style.alignment = CellAlignment::CentreAcrossSelection;
        });
    }

    SheetModel sheet_;
    ColumnFit fit_;
    int lastRow_ = 1;
    std::optional<std::pair<int, int>> tableHeading_;
};

std::optional<std::string> saveWorkbook(const SheetModel& sheet, const std::filesystem::path& file,
                                        std::string_view unavailable, DocumentOpener* opener) {
    PendingFile pending(file);
    if (!pending.created()) {
        return failureWithReason(unavailable, file, pending.failure());
    }
    const std::string failure = writeXlsxFile(sheet, pending.temporaryPath());
    if (!failure.empty()) {
        return failureWithReason(kFileCreationFailed, file, failure);
    }
    if (!pending.commit()) {
        return failureWithReason(kFileCreationFailed, file, pending.failure());
    }
    if (opener != nullptr) {
        opener->open(file);
    }
    return std::nullopt;
}

} // namespace

SheetModel basicSheet(const BasicDocumentRecord& record, const FractionRows& rows) {
    SheetFiller sheet(t::kBasicTitle);
    sheet.densityLine(record);
    int row = 11;
    if (record.useFractions == 1) {
        row = sheet.fractionBlock(row, record.fractionCount, rows);
    }
    row += 2;
    sheet.resultsTitle(row);
    const int below = sheet.resultLines(row + 1, reportLines(record, FieldGroup::Results));
    sheet.methodLines(below, methodLines(record));
    return sheet.finished();
}

SheetModel additionalSheet(const AdditionalDocumentRecord& record, const FractionRows& rows) {
    SheetFiller sheet(t::kAdditionalTitle);
    sheet.densityLine(record);
    sheet.putInput(11, t::kDesignTemperature, record.designTempText, record.designTempUnitName);
    sheet.putInput(12, t::kDesignPressure, record.designPressureText, record.pressureUnitName);
    int row = 13;
    if (record.useFractions == 1) {
        row = sheet.fractionBlock(row, record.fractionCount, rows);
    }
    row += 2;
    sheet.resultsTitle(row);
    sheet.phaseTitle(row + 1, t::kGasPhase);
    const auto gasLines = reportLines(record, FieldGroup::GasPhase);
    sheet.resultLines(row + 2, gasLines);
    // The liquid phase after the gas phase's lines and one empty row.
    const int liquidRow = row + 2 + static_cast<int>(gasLines.size()) + 1;
    sheet.phaseTitle(liquidRow, t::kLiquidPhase);
    const int below =
        sheet.resultLines(liquidRow + 1, reportLines(record, FieldGroup::LiquidPhase));
    sheet.methodLines(below, methodLines(record));
    return sheet.finished();
}

std::optional<std::string> exportBasicSpreadsheet(const BasicDocumentRecord& record,
                                                  const FractionRows& rows,
                                                  const std::filesystem::path& file,
                                                  DocumentOpener* opener) {
    return saveWorkbook(basicSheet(record, rows), file, kBasicSpreadsheetUnavailable, opener);
}

std::optional<std::string> exportAdditionalSpreadsheet(const AdditionalDocumentRecord& record,
                                                       const FractionRows& rows,
                                                       const std::filesystem::path& file,
                                                       DocumentOpener* opener) {
    return saveWorkbook(additionalSheet(record, rows), file, kAdditionalSpreadsheetUnavailable,
                        opener);
}

} // namespace viskora
