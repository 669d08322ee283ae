#include "reports/sheet_model.h"

namespace viskora {

void SheetModel::forEachCell(const CellRange& range,
                             const std::function<void(SheetCell&)>& change) {
    for (int row = range.firstRow; row <= range.lastRow; ++row) {
        for (int column = range.firstColumn; column <= range.lastColumn; ++column) {
            change(cell(row, column));
        }
    }
}

void SheetModel::borderAround(const CellRange& range, CellEdge edge) {
    for (int row = range.firstRow; row <= range.lastRow; ++row) {
        for (int column = range.firstColumn; column <= range.lastColumn; ++column) {
            CellStyle& style = cell(row, column).style;
            if (row == range.firstRow) {
                style.top = edge;
            }
            if (row == range.lastRow) {
                style.bottom = edge;
            }
            if (column == range.firstColumn) {
                style.left = edge;
            }
            if (column == range.lastColumn) {
                style.right = edge;
            }
        }
    }
}

void SheetModel::link(int row, int column, const std::string& address) {
    hyperlinks[{row, column}] = address;
    SheetCell& target = cell(row, column);
    if (target.value.empty()) {
        target.value = address;
    }
    target.style.hyperlink = true;
}

} // namespace viskora
