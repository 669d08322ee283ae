#include "assaysui/cut_figures_model.h"

#include "assaysui/figure_tables.h"

namespace viskora {
namespace {

constexpr int kDensityColumn = 4; // after the range: mid BP, mass, volume, density
constexpr int kFirstViscosityColumn = 9;

} // namespace

void CutFiguresModel::setCuts(std::vector<assays::CutFigures> cuts) {
    beginResetModel();
    cuts_ = std::move(cuts);
    endResetModel();
}

int CutFiguresModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(cuts_.size());
}

int CutFiguresModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(cutFigureColumns().size()) + 1;
}

QVariant CutFiguresModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const assays::CutFigures& cut = cuts_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue((column == 0 ? Qt::AlignLeft : Qt::AlignRight) |
                                   Qt::AlignVCenter);
    }
    if (role == Qt::ToolTipRole) {
        if (column == 0 && cut.lightEnds) {
            return QStringLiteral("Light ends: the calculations hold them in the next cut");
        }
        if (column == kDensityColumn && cut.densityEstimated) {
            return QStringLiteral("Estimated from the oil's Watson K: the cut had no density");
        }
        if (column >= kFirstViscosityColumn && cut.viscosityAnchored) {
            return QStringLiteral("Through the cut's measured viscosity");
        }
        return {};
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (column == 0) {
        return cutRangeText(cut);
    }
    const auto values = cutFigureValues(cut);
    const std::size_t at = static_cast<std::size_t>(column - 1);
    const QString text = shownFigure(values[at], cutFigureColumns()[at].decimals);
    if (column == kDensityColumn && cut.densityEstimated && !text.isEmpty()) {
        return text + QStringLiteral(" *");
    }
    return text;
}

QVariant CutFiguresModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::ToolTipRole && section >= 1 &&
        section <= static_cast<int>(cutFigureColumns().size())) {
        return cutFigureColumns()[static_cast<std::size_t>(section - 1)].title;
    }
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (section == 0) {
        return QStringLiteral("Cut\n°C");
    }
    if (section < 1 || section > static_cast<int>(cutFigureColumns().size())) {
        return {};
    }
    const FigureColumn& figure = cutFigureColumns()[static_cast<std::size_t>(section - 1)];
    return figure.unit.isEmpty() ? figure.shortTitle
                                 : figure.shortTitle + QLatin1Char('\n') + figure.unit;
}

} // namespace viskora
