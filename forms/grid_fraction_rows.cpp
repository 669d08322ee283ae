#include "forms/grid_fraction_rows.h"

#include "grid/grid_control.h"

namespace viskora {

int GridFractionRows::rowCount() const {
    return grid_.rowCount();
}

std::string GridFractionRows::cell(int row, int column) const {
    return grid_.cellText(row, column).toStdString();
}

} // namespace viskora
