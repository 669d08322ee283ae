#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace viskora {

// A block copied from a spreadsheet as the tables take it: its rows, split
// by line breaks (Windows' CR LF too), each split into its values by tabs.
// The line break that ends a spreadsheet's copy makes no row.
QList<QStringList> spreadsheetBlockValues(QString block);

} // namespace viskora
