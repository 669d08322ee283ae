#pragma once

#include "assays/assay.h"
#include "assays/assay_figures.h"
#include "reports/sheet_model.h"

#include <QString>

#include <string>

namespace viskora {

// An assay's characterised cuts and whole-oil figures as files.

// A report page (UTF-8 HTML): the assay as given, the characterised cuts
// and the whole oil's figures, numbers as the window shows them. Every text
// of the document is escaped.
std::string assayReportHtml(const assays::Assay& assay, const assays::AssayFigures& figures);

// The same tables as the one sheet of a workbook, numbers at full precision.
SheetModel assayReportSheet(const assays::Assay& assay, const assays::AssayFigures& figures);

// Writes the CSV (assays::assayFiguresCsv, the calculator's layout), or
// the report as HTML, PDF or an .xlsx workbook as the file's extension says (".html"/".htm",
// ".pdf", ".xlsx"; anything else is HTML). Each replaces an old file only once complete, and
// returns why the file was not written, or an empty text.
QString writeAssayCsv(const assays::AssayFigures& figures, const QString& path);
QString writeAssayReport(const assays::Assay& assay, const assays::AssayFigures& figures,
                         const QString& path);

} // namespace viskora
