#include "grid/spreadsheet_block.h"

namespace viskora {

QList<QStringList> spreadsheetBlockValues(QString block) {
    block.remove(QLatin1Char('\r'));
    while (block.endsWith(QLatin1Char('\n'))) {
        block.chop(1);
    }
    QList<QStringList> rows;
    for (const QString& line : block.split(QLatin1Char('\n'))) {
        rows.append(line.split(QLatin1Char('\t')));
    }
    return rows;
}

} // namespace viskora
