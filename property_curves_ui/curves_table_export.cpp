#include "property_curves_ui/curves_table_export.h"

#include "csv/csv_writing.h"
#include "documents/document_file.h"
#include "property_curves_ui/curves_table_model.h"
#include "reports/column_fit.h"
#include "reports/pending_file.h"
#include "reports/xlsx_file.h"
#include "units/display_format.h"

#include <QFile>

#include <algorithm>
#include <ranges>
#include <string_view>
#include <vector>

namespace viskora {
namespace {

// The sheet's page setup code of A4 paper.
constexpr int kPaperA4 = 9;
// The narrowest a column is, and the widest: a long message is cut off at
// the edge of its cell rather than making the page unreadably small.
constexpr double kMinimumColumnWidth = 6.0;
constexpr double kMaxMessageWidth = 60.0;

// A column's heading in the files: the calculator's column names, so that
// a script reads the window's exports and the calculator's output alike.
std::string fileHeading(const CurvesTableModel& model, int column) {
    return column < model.valueColumnCount() ? model.heading(column).toStdString() : "message";
}

// The table's records of text: the headings, then the points' rows, each
// message as `message` gives it.
std::vector<csv::Record> tableRecords(const CurvesTableModel& model,
                                      std::string (*message)(std::string_view)) {
    std::vector<csv::Record> records;
    csv::Record header;
    for (int column = 0; column < model.columnCount(); ++column) {
        header.push_back(fileHeading(model, column));
    }
    records.push_back(std::move(header));
    for (int row = 0; row < model.rowCount(); ++row) {
        csv::Record cells;
        for (int column = 0; column < model.valueColumnCount(); ++column) {
            const auto value = model.value(row, column);
            cells.push_back(value ? shortestNumberText(*value) : std::string());
        }
        cells.push_back(message(model.sweep().points[static_cast<std::size_t>(row)].message));
        records.push_back(std::move(cells));
    }
    return records;
}

} // namespace

std::string curvesTableCsv(const CurvesTableModel& model) {
    std::string text;
    for (const csv::Record& record : tableRecords(model, csvMessage)) {
        text += csv::line(record);
    }
    return text;
}

QString curvesTableTabText(const CurvesTableModel& model) {
    std::string text;
    for (const csv::Record& record : tableRecords(model, oneLineMessage)) {
        for (std::size_t i = 0; i < record.size(); ++i) {
            text += (i > 0 ? "\t" : "") + record[i];
        }
        text += '\n';
    }
    return QString::fromStdString(text);
}

SheetModel curvesSheet(const CurvesTableModel& model) {
    // A message keeps its lines in its cell, as a spreadsheet holds them.
    const auto records =
        tableRecords(model, [](std::string_view message) { return std::string(message); });
    const int columns = model.columnCount();
    SheetModel sheet;
    sheet.name = "Curves";
    ColumnFit fit(1, columns, kMinimumColumnWidth);
    for (std::size_t row = 0; row < records.size(); ++row) {
        for (int column = 0; column < columns; ++column) {
            const std::string& text = records[row][static_cast<std::size_t>(column)];
            if (text.empty()) {
                continue;
            }
            SheetCell& cell = sheet.cell(static_cast<int>(row) + 1, column + 1);
            cell.value = text;
            cell.style.bold = row == 0;
            // A message is as wide as its longest line.
            std::string_view longest;
            for (const auto line : std::views::split(std::string_view(text), '\n')) {
                const std::string_view part(line.begin(), line.end());
                longest = part.size() > longest.size() ? part : longest;
            }
            fit.holds(column + 1, column + 1, longest, row == 0);
        }
    }
    const std::vector<double> widths = fit.widths();
    for (int column = 1; column <= columns; ++column) {
        const double width = widths[static_cast<std::size_t>(column - 1)];
        sheet.columnWidths[column] = column == columns ? std::min(width, kMaxMessageWidth) : width;
    }
    sheet.page.paperSize = kPaperA4;
    sheet.page.landscape = true;
    sheet.page.fitToPages = std::pair{1, 0};
    sheet.page.printArea = CellRange{1, 1, static_cast<int>(records.size()), columns};
    sheet.page.titleRows = std::pair{1, 1};
    return sheet;
}

QString writeCurvesCsv(const CurvesTableModel& model, const QString& path) {
    // Written as documents are: a failed export leaves the old file whole.
    const SaveResult saved =
        saveDocumentFile(QFile::encodeName(path).toStdString(), curvesTableCsv(model));
    if (saved.ok) {
        return {};
    }
    return QString::fromStdString(saved.message)
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString writeCurvesWorkbook(const CurvesTableModel& model, const QString& path) {
    const SheetModel sheet = curvesSheet(model);
    // In place of the old workbook only once complete, as reports are.
    PendingFile pending(QFile::encodeName(path).toStdString());
    if (!pending.created()) {
        return QString::fromStdString(pending.failure());
    }
    std::string problem = writeXlsxFile(sheet, pending.temporaryPath());
    if (problem.empty() && !pending.commit()) {
        problem = pending.failure();
    }
    return QString::fromStdString(problem);
}

} // namespace viskora
