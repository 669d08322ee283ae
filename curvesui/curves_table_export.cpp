#include "curvesui/curves_table_export.h"

#include "csv/csv_writing.h"
#include "curvesui/curves_table_model.h"
#include "documents/document_file.h"
#include "reports/pending_file.h"
#include "reports/xlsx_file.h"
#include "units/display_format.h"

#include <QFile>

#include <algorithm>
#include <vector>

namespace viskora {
namespace {

// A column's heading in the files: the calculator's column names, so that
// a script reads the window's exports and the calculator's output alike.
std::string fileHeading(const CurvesTableModel& model, int column) {
    return column < model.valueColumnCount() ? model.heading(column).toStdString() : "message";
}

// The table's records of text: the headings, then the points' rows.
std::vector<csv::Record> tableRecords(const CurvesTableModel& model) {
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
        std::string message = model.sweep().points[static_cast<std::size_t>(row)].message;
        std::replace(message.begin(), message.end(), '\n', ' ');
        std::replace(message.begin(), message.end(), '\t', ' ');
        cells.push_back(std::move(message));
        records.push_back(std::move(cells));
    }
    return records;
}

} // namespace

std::string curvesTableCsv(const CurvesTableModel& model) {
    std::string text;
    for (const csv::Record& record : tableRecords(model)) {
        text += csv::line(record);
    }
    return text;
}

QString curvesTableTabText(const CurvesTableModel& model) {
    std::string text;
    for (const csv::Record& record : tableRecords(model)) {
        for (std::size_t i = 0; i < record.size(); ++i) {
            text += (i > 0 ? "\t" : "") + record[i];
        }
        text += '\n';
    }
    return QString::fromStdString(text);
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
    SheetModel sheet;
    sheet.name = "Curves";
    for (int column = 0; column < model.columnCount(); ++column) {
        SheetCell& cell = sheet.cell(1, column + 1);
        cell.value = fileHeading(model, column);
        cell.style.bold = true;
        sheet.columnWidths[column + 1] = 16;
    }
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < model.valueColumnCount(); ++column) {
            if (const auto value = model.value(row, column)) {
                sheet.cell(row + 2, column + 1).value = shortestNumberText(*value);
            }
        }
        const std::string& message = model.sweep().points[static_cast<std::size_t>(row)].message;
        if (!message.empty()) {
            sheet.cell(row + 2, model.valueColumnCount() + 1).value = message;
        }
    }
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
