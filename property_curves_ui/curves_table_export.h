#pragma once

#include "reports/sheet_model.h"

#include <QString>

#include <string>

namespace viskora {

class CurvesTableModel;

// The curves table as the exports write it: the headings as the calculator
// writes them (the columns' names with plain unit names, sweepColumnHeading),
// then a row a point with its values in the columns' shown units at full
// precision and "." decimals (empty where the point has none: a point the
// engine stopped at, a phase the point does not have) and its message.

// As CSV: UTF-8, fields quoted where they must be, CR LF line ends, the
// lines of a message too.
std::string curvesTableCsv(const CurvesTableModel& model);
// As tab-separated text with LF line ends and each message on one line,
// for the clipboard.
QString curvesTableTabText(const CurvesTableModel& model);
// As the one sheet of a workbook: bold headings, columns as wide as their
// texts, printed on A4 landscape one page wide with the headings on every
// page.
SheetModel curvesSheet(const CurvesTableModel& model);

// The CSV or the .xlsx workbook as the file at path. Each replaces an old
// file only once complete, and returns why the file was not written, or an
// empty text.
QString writeCurvesCsv(const CurvesTableModel& model, const QString& path);
QString writeCurvesWorkbook(const CurvesTableModel& model, const QString& path);

} // namespace viskora
