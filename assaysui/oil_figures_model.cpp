#include "assaysui/oil_figures_model.h"

#include "assaysui/figure_tables.h"

namespace viskora {
namespace {

// A figure's whole name and unit, and how it was found where that matters.
QString figureTip(const FigureColumn& row) {
    const QString heading = figureHeading(row);
    return row.note.isEmpty() ? heading : heading + QLatin1Char('\n') + row.note;
}

} // namespace

void OilFiguresModel::setOils(std::vector<NamedFigures> oils) {
    beginResetModel();
    oils_ = std::move(oils);
    endResetModel();
}

int OilFiguresModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(oilFigureRows().size());
}

int OilFiguresModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(oils_.size());
}

QVariant OilFiguresModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    const std::size_t row = static_cast<std::size_t>(index.row());
    if (role == Qt::ToolTipRole) {
        return figureTip(oilFigureRows()[row]);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    const auto values = oilFigureValues(oils_[static_cast<std::size_t>(index.column())].figures);
    return shownOilFigure(values[row], oilFigureRows()[row].decimals);
}

QVariant OilFiguresModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::ToolTipRole && orientation == Qt::Vertical && section >= 0 &&
        section < rowCount()) {
        return figureTip(oilFigureRows()[static_cast<std::size_t>(section)]);
    }
    if (role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (orientation == Qt::Horizontal) {
        return section >= 0 && section < columnCount()
                   ? oils_[static_cast<std::size_t>(section)].name
                   : QVariant();
    }
    if (section < 0 || section >= rowCount()) {
        return {};
    }
    return shortFigureHeading(oilFigureRows()[static_cast<std::size_t>(section)]);
}

} // namespace viskora
