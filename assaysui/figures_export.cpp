#include "assaysui/figures_export.h"

#include "assays/assay_figures_csv.h"
#include "assaysui/figure_tables.h"
#include "documents/document_file.h"
#include "printing/pdf_report.h"
#include "reports/html_escape.h"
#include "reports/pending_file.h"
#include "reports/xlsx_file.h"
#include "units/display_format.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>
#include <vector>

namespace viskora {
namespace {

constexpr int kPaperA4 = 9;

using TextTable = std::vector<std::vector<QString>>;

QString basisText(assays::YieldBasis basis) {
    return basis == assays::YieldBasis::Mass ? QStringLiteral("mass %")
                                             : QStringLiteral("volume %");
}

QString optionalNumber(const std::optional<double>& value) {
    return exactFigure(value);
}

// The assay as given: a row a cut, in the library's units.
TextTable inputTable(const assays::Assay& assay) {
    TextTable table{{QStringLiteral("TBP start, °C"), QStringLiteral("TBP end, °C"),
                     QStringLiteral("Yield, ") + basisText(assay.basis),
                     QStringLiteral("Density, kg/m³"), QStringLiteral("Density at, °C"),
                     QStringLiteral("Viscosity, mm²/s"), QStringLiteral("Viscosity at, °C")}};
    for (const assays::AssayCut& cut : assay.cuts) {
        table.push_back({optionalNumber(cut.startC), optionalNumber(cut.endC),
                         exactFigure(cut.yield),
                         cut.density ? exactFigure(cut.density->kgPerM3) : QString(),
                         cut.density ? exactFigure(cut.density->tempC) : QString(),
                         cut.viscosity ? exactFigure(cut.viscosity->mm2PerS) : QString(),
                         cut.viscosity ? exactFigure(cut.viscosity->tempC) : QString()});
    }
    return table;
}

// The characterised cuts, exact for files or as shown for the report.
TextTable cutTable(const assays::AssayFigures& figures, bool exact) {
    std::vector<QString> heading{QStringLiteral("Cut, °C")};
    for (const FigureColumn& column : cutFigureColumns()) {
        heading.push_back(figureHeading(column));
    }
    TextTable table{heading};
    for (const assays::CutFigures& cut : figures.cuts) {
        std::vector<QString> row{cutRangeText(cut)};
        const auto values = cutFigureValues(cut);
        for (std::size_t i = 0; i < values.size(); ++i) {
            row.push_back(exact ? exactFigure(values[i])
                                : shownFigure(values[i], cutFigureColumns()[i].decimals));
        }
        table.push_back(row);
    }
    return table;
}

TextTable oilTable(const assays::AssayFigures& figures, bool exact) {
    TextTable table{{QStringLiteral("Figure"), QStringLiteral("Value"), QStringLiteral("Unit")}};
    const auto values = oilFigureValues(figures.oil);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const FigureColumn& row = oilFigureRows()[i];
        table.push_back({row.title,
                         exact ? exactFigure(values[i]) : shownOilFigure(values[i], row.decimals),
                         row.unit});
    }
    return table;
}

// How the whole-oil figures with a note were found: "A, B: note", one line
// a note.
std::vector<QString> oilNotes() {
    std::vector<std::pair<QString, QStringList>> notes;
    for (const FigureColumn& row : oilFigureRows()) {
        if (row.note.isEmpty()) {
            continue;
        }
        auto same = std::find_if(notes.begin(), notes.end(),
                                 [&row](const auto& note) { return note.first == row.note; });
        if (same == notes.end()) {
            same = notes.insert(notes.end(), {row.note, {}});
        }
        same->second << row.title;
    }
    std::vector<QString> lines;
    for (const auto& [note, titles] : notes) {
        lines.push_back(titles.join(QStringLiteral(", ")) + QStringLiteral(": ") + note +
                        QLatin1Char('.'));
    }
    return lines;
}

std::string escaped(const QString& text) {
    return escapeHtml(text.toStdString());
}

std::string htmlTable(const TextTable& table) {
    std::string html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n";
    for (std::size_t row = 0; row < table.size(); ++row) {
        html += "<tr>";
        for (const QString& cell : table[row]) {
            html += row == 0 ? "<th>" + escaped(cell) + "</th>"
                             : "<td align=\"right\">" + escaped(cell) + "</td>";
        }
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

QString assayTitle(const assays::Assay& assay) {
    return assay.name.empty() ? QStringLiteral("Assay") : QString::fromStdString(assay.name);
}

int putTable(SheetModel& sheet, int row, const QString& title, const TextTable& table) {
    sheet.cell(row, 1).value = title.toStdString();
    sheet.cell(row, 1).style.bold = true;
    ++row;
    for (std::size_t line = 0; line < table.size(); ++line, ++row) {
        for (std::size_t column = 0; column < table[line].size(); ++column) {
            SheetCell& cell = sheet.cell(row, static_cast<int>(column) + 1);
            cell.value = table[line][column].toStdString();
            cell.style.bold = line == 0;
        }
    }
    return row + 1;
}

QString fileFailure(const SaveResult& saved) {
    return saved.ok ? QString() : QString::fromStdString(saved.message);
}

} // namespace

std::string assayReportHtml(const assays::Assay& assay, const assays::AssayFigures& figures) {
    const std::string title = escaped(assayTitle(assay));
    std::string html = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + title +
                       "</title></head>\n<body>\n<h1>" + title + "</h1>\n";
    if (assay.density) {
        html += "<p>Whole oil's density: " + shortestNumberText(assay.density->kgPerM3) +
                " kg/m³ at " + shortestNumberText(assay.density->tempC) + " °C</p>\n";
    } else {
        html += "<p>Whole oil's density: from the cuts</p>\n";
    }
    html += "<h2>Cuts as given</h2>\n" + htmlTable(inputTable(assay));
    html += "<h2>Characterised cuts</h2>\n" + htmlTable(cutTable(figures, false));
    html += "<h2>Whole oil</h2>\n" + htmlTable(oilTable(figures, false));
    for (const QString& note : oilNotes()) {
        html += "<p>" + escaped(note) + "</p>\n";
    }
    return html + "</body></html>\n";
}

SheetModel assayReportSheet(const assays::Assay& assay, const assays::AssayFigures& figures) {
    SheetModel sheet;
    sheet.name = "Assay";
    sheet.cell(1, 1).value = assayTitle(assay).toStdString();
    sheet.cell(1, 1).style.bold = true;
    int row = putTable(sheet, 3, QStringLiteral("Cuts as given"), inputTable(assay));
    row = putTable(sheet, row, QStringLiteral("Characterised cuts"), cutTable(figures, true));
    row = putTable(sheet, row, QStringLiteral("Whole oil"), oilTable(figures, true));
    for (const QString& note : oilNotes()) {
        sheet.cell(row++, 1).value = note.toStdString();
    }
    for (int column = 1; column <= 11; ++column) {
        sheet.columnWidths[column] = column == 1 ? 20 : 14;
    }
    sheet.page.paperSize = kPaperA4;
    sheet.page.landscape = true;
    sheet.page.fitToPages = std::pair{1, 0};
    return sheet;
}

QString writeAssayCsv(const assays::AssayFigures& figures, const QString& path) {
    return fileFailure(
        saveDocumentFile(QFile::encodeName(path).toStdString(), assays::assayFiguresCsv(figures)));
}

QString writeAssayReport(const assays::Assay& assay, const assays::AssayFigures& figures,
                         const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const std::string file = QFile::encodeName(path).toStdString();
    if (suffix == QLatin1String("xlsx")) {
        PendingFile pending(file);
        if (!pending.created()) {
            return QString::fromStdString(pending.failure());
        }
        std::string problem =
            writeXlsxFile(assayReportSheet(assay, figures), pending.temporaryPath());
        if (problem.empty() && !pending.commit()) {
            problem = pending.failure();
        }
        return QString::fromStdString(problem);
    }
    const std::string html = assayReportHtml(assay, figures);
    if (suffix == QLatin1String("pdf")) {
        return fileFailure(
            saveDocumentFile(file, pdfFromHtml(html, assayTitle(assay).toStdString())));
    }
    return fileFailure(saveDocumentFile(file, html));
}

} // namespace viskora
