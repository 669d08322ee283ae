#include "reports/spreadsheet_export.h"

#include "reports/column_fit.h"
#include "reports/report_lines.h"
#include "reports/report_texts.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace viskora {
namespace {

namespace t = report_texts;

constexpr int kLabelColumn = 2;
constexpr int kValueColumn = 6;
constexpr int kUnitColumn = 7;
constexpr int kLastShadedColumn = 9;
// The sheet's filled columns, B to I, and the narrowest of them.
constexpr int kFirstColumn = 2;
constexpr int kLastColumn = 9;
constexpr double kMinimumColumnWidth = 5.0;
// A label runs on into the empty cells up to the value column.
constexpr int kLastLabelColumn = kValueColumn - 1;

std::string cellName(char column, int row) {
    return column + std::to_string(row);
}

// The calls on one worksheet, in the order the sheet is laid out. Every
// text written is also given room: `put` takes the last column a text may
// use (the empty cells to its right that a text runs on into, or the box a
// heading is centred over).
class SheetFiller {
  public:
    explicit SheetFiller(Worksheet& sheet)
        : sheet_(sheet), cells_(sheet.cells()),
          fit_(kFirstColumn, kLastColumn, kMinimumColumnWidth) {}

    void put(int row, int column, std::string_view text, int lastColumn = 0) {
        cells_->setItem(row, column, std::string(text));
        room(row, column, text, lastColumn);
    }

    // An input line below the density: label, value and unit.
    void putInput(int row, std::string_view label, std::string_view text, std::string_view unit) {
        put(row, kLabelColumn, label, kLastLabelColumn);
        put(row, kValueColumn, text);
        put(row, kUnitColumn, unit, kLastColumn);
    }

    void heading(std::string_view kindTitle) {
        putRange(1, t::kHeading);
        putRange(2, "");
        const auto anchor = sheet_.range("B3", "C3");
        sheet_.hyperlinks()->add(*anchor, std::string(t::kHomePageAddress));
        room(3, kFirstColumn, t::kHomePageAddress, kLastColumn);
        // Bold keeps the title's font size.
        const auto title = sheet_.range("B6", "B6");
        title->setValue(std::string(kindTitle));
        const auto font = title->font();
        const double size = font->size();
        font->setBold(1);
        font->setSize(size);
        fit_.holds(kFirstColumn, kLastColumn, kindTitle, true);
        putRange(9, t::kInputData);
        sheet_.range("B9", "I9")->interior()->setColorIndex(kPaletteGrey);
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
        borderAround('C', header, 'F', header);
        {
            const auto number = sheet_.range(cellName('B', header), cellName('B', header + 1));
            number->setHorizontalAlignment(kAlignRight);
            outline(*number);
        }
        borderAround('C', header + 1, 'D', header + 1);
        borderAround('E', header + 1, 'F', header + 1);
        borderAround('G', header, 'I', header + 1);
        for (int i = 0; i < reportedFractionRows(fractionCount); ++i, ++row) {
            borderAround('B', row, 'B', row);
            put(row, 2, rows.cell(i, 0));
            borderAround('C', row, 'D', row);
            put(row, 3, rows.cell(i, 1), 4);
            borderAround('E', row, 'F', row);
            put(row, 5, rows.cell(i, 2), 6);
            borderAround('G', row, 'I', row);
            put(row, 7, rows.cell(i, 3), 9);
        }
        // Headings and values sit in the middle of their boxes, as in the
        // HTML report's table, clear of the row numbers and of each other.
        const int last = std::max(row - 1, header + 1);
        centreAcross('C', header, 'F', header);
        centreAcross('C', header + 1, 'D', last);
        centreAcross('E', header + 1, 'F', last);
        centreAcross('G', header, 'I', last);
        tableHeading_ = std::pair{header, header + 1};
        return row;
    }

    void resultsTitle(int row) {
        put(row, kLabelColumn, t::kCalculationResults, kLastColumn);
        for (int column = kLabelColumn; column <= kLastShadedColumn; ++column) {
            cells_->item(row, column)->interior()->setColorIndex(kPaletteGrey);
        }
    }

    void phaseTitle(int row, std::string_view phase) {
        put(row, kLabelColumn, phase, kLastColumn);
        cells_->item(row, 2)->font()->setBold(1);
        cells_->item(row, 3)->font()->setBold(1);
    }

    // One result per row from `row` on.
    void resultLines(int row, const std::vector<ReportLine>& lines) {
        for (const ReportLine& line : lines) {
            put(row, kLabelColumn, line.label, kLastLabelColumn);
            put(row, kValueColumn, *line.text);
            if (line.unitName != nullptr) {
                put(row, kUnitColumn, *line.unitName, kLastColumn);
            }
            ++row;
        }
    }

    // Columns that fit every text, and one A4 page wide, as many long as
    // the rows need, with the fraction table's headings on every page.
    void layOutForPrinting() {
        const std::vector<double> widths = fit_.widths();
        for (int column = kFirstColumn; column <= kLastColumn; ++column) {
            // A text too long for any column is cut off rather than refused.
            sheet_.setColumnWidth(
                column,
                std::min(widths[static_cast<std::size_t>(column - kFirstColumn)], kMaxColumnWidth));
        }
        const auto page = sheet_.pageSetup();
        page->setPaperSize(kPaperA4);
        page->setOrientation(kPortrait);
        page->fitToPages(1, 0);
        page->setPrintArea(cellName('B', 1), cellName('I', lastRow_));
        if (tableHeading_) {
            page->setPrintTitleRows(tableHeading_->first, tableHeading_->second);
        }
    }

  private:
    // A text in column B, through a range of that one cell.
    void putRange(int row, std::string_view text) {
        const std::string cell = cellName('B', row);
        sheet_.range(cell, cell)->setValue(std::string(text));
        room(row, kFirstColumn, text, kLastColumn);
    }

    void room(int row, int column, std::string_view text, int lastColumn) {
        fit_.holds(column, std::max(column, lastColumn), text);
        lastRow_ = std::max(lastRow_, row);
    }

    void centreAcross(char firstColumn, int firstRow, char lastColumn, int lastRow) {
        sheet_.range(cellName(firstColumn, firstRow), cellName(lastColumn, lastRow))
            ->setHorizontalAlignment(kAlignCentreAcross);
    }

    static void outline(SheetRange& range) {
        range.borderAround(kContinuousLine, kThinBorder, kPaletteBlack, kPaletteBlack);
    }

    void borderAround(char firstColumn, int firstRow, char lastColumn, int lastRow) {
        outline(*sheet_.range(cellName(firstColumn, firstRow), cellName(lastColumn, lastRow)));
    }

    Worksheet& sheet_;
    std::unique_ptr<SheetCells> cells_;
    ColumnFit fit_;
    int lastRow_ = 1;
    std::optional<std::pair<int, int>> tableHeading_;
};

// Steps shared by both kinds around the kind's own content; `fill` lays out
// the sheet after its heading.
template <typename Fill>
std::optional<std::string> exportSheet(SpreadsheetLauncher& launcher, std::string_view unavailable,
                                       std::string_view kindTitle, Fill fill) {
    const auto application = launcher.createApplication();
    if (!application) {
        return std::string(unavailable);
    }
    try {
        const auto workbook = application->workbooks()->add(kSingleWorksheetTemplate);
        const auto sheet = workbook->worksheets()->item(1);
        sheet->setVisible(kSheetVisible);
        sheet->setName("Viskora");
        SheetFiller filler(*sheet);
        filler.heading(kindTitle);
        fill(filler);
        filler.layOutForPrinting();
        application->setVisible(true);
        application->setUserControl(true);
    } catch (const SpreadsheetError& error) {
        return std::string(error.what());
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> exportBasicSpreadsheet(const BasicDocumentRecord& record,
                                                  const FractionRows& rows,
                                                  SpreadsheetLauncher& launcher) {
    return exportSheet(launcher, kBasicSpreadsheetUnavailable, t::kBasicTitle,
                       [&](SheetFiller& sheet) {
                           sheet.densityLine(record);
                           int row = 11;
                           if (record.useFractions == 1) {
                               row = sheet.fractionBlock(row, record.fractionCount, rows);
                           }
                           row += 2;
                           sheet.resultsTitle(row);
                           sheet.resultLines(row + 1, basicResultLines(record));
                       });
}

std::optional<std::string> exportAdditionalSpreadsheet(const AdditionalDocumentRecord& record,
                                                       const FractionRows& rows,
                                                       SpreadsheetLauncher& launcher) {
    return exportSheet(launcher, kAdditionalSpreadsheetUnavailable, t::kAdditionalTitle,
                       [&](SheetFiller& sheet) {
                           sheet.densityLine(record);
                           sheet.putInput(11, t::kDesignTemperature, record.designTempText,
                                          record.designTempUnitName);
                           sheet.putInput(12, t::kDesignPressure, record.designPressureText,
                                          record.pressureUnitName);
                           int row = 13;
                           if (record.useFractions == 1) {
                               row = sheet.fractionBlock(row, record.fractionCount, rows);
                           }
                           row += 2;
                           sheet.resultsTitle(row);
                           sheet.phaseTitle(row + 1, t::kGasPhase);
                           sheet.resultLines(row + 2, gasResultLines(record));
                           sheet.phaseTitle(row + 10, t::kLiquidPhase);
                           sheet.resultLines(row + 11, liquidResultLines(record));
                       });
}

} // namespace viskora
