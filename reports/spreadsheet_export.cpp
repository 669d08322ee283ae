#include "reports/spreadsheet_export.h"

#include "reports/report_file.h"
#include "reports/report_lines.h"
#include "reports/report_texts.h"

#include <vector>

namespace viskora {
namespace {

namespace t = report_texts;

constexpr int kLabelColumn = 2;
constexpr int kValueColumn = 6;
constexpr int kUnitColumn = 7;
constexpr int kLastShadedColumn = 9;

std::string cellName(char column, int row) {
    return column + std::to_string(row);
}

// The calls on one worksheet, in the order the sheet is laid out.
class SheetFiller {
  public:
    explicit SheetFiller(Worksheet& sheet) : sheet_(sheet), cells_(sheet.cells()) {}

    void put(int row, int column, std::string_view text) {
        cells_->setItem(row, column, std::string(text));
    }

    void putRange(const std::string& cell, std::string_view text) {
        sheet_.range(cell, cell)->setValue(std::string(text));
    }

    void heading(std::string_view kindTitle) {
        putRange("B1", t::kHeading);
        putRange("B2", "");
        const auto anchor = sheet_.range("B3", "C3");
        sheet_.hyperlinks()->add(*anchor, std::string(t::kHomePageAddress));
        // Bold keeps the title's font size.
        const auto title = sheet_.range("B6", "B6");
        title->setValue(std::string(kindTitle));
        const auto font = title->font();
        const double size = font->size();
        font->setBold(1);
        font->setSize(size);
        putRange("B9", t::kInputData);
        sheet_.range("B9", "I9")->interior()->setColorIndex(kPaletteGrey);
    }

    template <typename Record> void densityLine(const Record& record) {
        put(10, 2, t::kDensity);
        put(10, 4, record.densityText);
        put(10, 5, record.densityUnitName);
        put(10, 6, t::kAtTemperature);
        put(10, 8, record.densityTempText);
        put(10, 9, record.tempUnitName);
    }

    // Writes the block from row `row` on and returns the row below it.
    int fractionBlock(int row, int fractionCount, const FractionRows& rows) {
        put(row, 2, t::kFractionalComposition);
        ++row;
        put(row, 3, t::kTemperatureHeading);
        put(row, 7, t::kShareHeading);
        ++row;
        put(row, 2, t::kRowNumberHeading);
        put(row, 3, t::kStartPoint);
        put(row, 5, t::kFinalPoint);
        put(row, 7, t::kShareHeadingEnd);
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
            put(row, 3, rows.cell(i, 1));
            borderAround('E', row, 'F', row);
            put(row, 5, rows.cell(i, 2));
            borderAround('G', row, 'I', row);
            put(row, 7, rows.cell(i, 3));
        }
        return row;
    }

    void resultsTitle(int row) {
        put(row, kLabelColumn, t::kCalculationResults);
        for (int column = kLabelColumn; column <= kLastShadedColumn; ++column) {
            cells_->item(row, column)->interior()->setColorIndex(kPaletteGrey);
        }
    }

    void phaseTitle(int row, std::string_view phase) {
        put(row, kLabelColumn, phase);
        cells_->item(row, 2)->font()->setBold(1);
        cells_->item(row, 3)->font()->setBold(1);
    }

    // One result per row from `row` on.
    void resultLines(int row, const std::vector<ReportLine>& lines) {
        for (const ReportLine& line : lines) {
            put(row, kLabelColumn, line.label);
            put(row, kValueColumn, *line.text);
            if (line.unitName != nullptr) {
                put(row, kUnitColumn, *line.unitName);
            }
            ++row;
        }
    }

  private:
    static void outline(SheetRange& range) {
        range.borderAround(kContinuousLine, kThinBorder, kPaletteBlack, kPaletteBlack);
    }

    void borderAround(char firstColumn, int firstRow, char lastColumn, int lastRow) {
        outline(*sheet_.range(cellName(firstColumn, firstRow), cellName(lastColumn, lastRow)));
    }

    Worksheet& sheet_;
    std::unique_ptr<SheetCells> cells_;
};

// Steps shared by both kinds around the kind's own content; `fill` lays out
// the sheet after its heading.
template <typename Fill>
std::optional<std::string> exportSheet(SpreadsheetLauncher& launcher, std::string_view unavailable,
                                       std::string_view kindTitle, Fill fill) {
    const auto application = launcher.createApplication();
    if (!application) {
        return failureWithReason(unavailable, launcher.unavailableReason());
    }
    try {
        const auto workbook = application->workbooks()->add(kSingleWorksheetTemplate);
        const auto sheet = workbook->worksheets()->item(1);
        sheet->setVisible(kSheetVisible);
        sheet->setName("Viskora");
        SheetFiller filler(*sheet);
        filler.heading(kindTitle);
        fill(filler);
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
                           sheet.put(11, 2, t::kDesignTemperature);
                           sheet.put(11, 6, record.designTempText);
                           sheet.put(11, 7, record.designTempUnitName);
                           sheet.put(12, 2, t::kDesignPressure);
                           sheet.put(12, 6, record.designPressureText);
                           sheet.put(12, 7, record.pressureUnitName);
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
