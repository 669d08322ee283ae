#pragma once

#include <QString>

#include <string>

namespace viskora {

class CurvesTableModel;

// The curves table as the exports write it: the headings with their units,
// then a row a point with its values in the columns' shown units at full
// precision and "." decimals (empty where the point has none) and its
// message on one line.

// As CSV: UTF-8, fields quoted where they must be, CR LF line ends.
std::string curvesTableCsv(const CurvesTableModel& model);
// As tab-separated text with LF line ends, for the clipboard.
QString curvesTableTabText(const CurvesTableModel& model);

// The CSV or the .xlsx workbook as the file at path. Each replaces an old
// file only once complete, and returns why the file was not written, or an
// empty text.
QString writeCurvesCsv(const CurvesTableModel& model, const QString& path);
QString writeCurvesWorkbook(const CurvesTableModel& model, const QString& path);

} // namespace viskora
