#include "curvesui/curves_table_model.h"

#include "units/display_format.h"
#include "units/unit_tables.h"

namespace viskora {
namespace {

QString latin1(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString unitLabel(Quantity quantity, int unitCode) {
    return QString::fromStdString(shortUnitName(quantity, unitCode));
}

CurvesTableModel::CurvesTableModel(QObject* parent) : QAbstractTableModel(parent) {
    setSweep({}, 2, 4, false);
}

void CurvesTableModel::setSweep(SweepResult sweep, int tempUnit, int pressureUnit, bool anchored) {
    beginResetModel();
    sweep_ = std::move(sweep);
    tempUnit_ = tempUnit;
    pressureUnit_ = pressureUnit;
    columns_.clear();
    for (const SweepColumn& column : sweepColumns()) {
        if (anchored || column.name != "anchoredLiquidViscosity") {
            columns_.push_back(&column);
        }
    }
    endResetModel();
}

int CurvesTableModel::columnOf(std::string_view name) const {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (columns_[i]->name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CurvesTableModel::setColumnUnits(std::map<std::string, int> units) {
    units_ = std::move(units);
    if (!columns_.empty()) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, valueColumnCount() - 1));
        emit headerDataChanged(Qt::Horizontal, 0, valueColumnCount() - 1);
    }
}

void CurvesTableModel::setColumnUnit(int column, int unitIndex) {
    units_[std::string(this->column(column).name)] = unitIndex;
    emit dataChanged(index(0, column), index(rowCount() - 1, column));
    emit headerDataChanged(Qt::Horizontal, column, column);
    emit unitsChanged();
}

int CurvesTableModel::sourceUnitCode(int column) const {
    const SweepColumn& c = this->column(column);
    if (c.name == "temperature") {
        return tempUnit_;
    }
    if (c.name == "pressure") {
        return pressureUnit_;
    }
    return c.quantity ? baseUnitCode(*c.quantity) : 0;
}

int CurvesTableModel::shownUnitCode(int column) const {
    const SweepColumn& c = this->column(column);
    if (!c.quantity) {
        return 0;
    }
    const auto chosen = units_.find(std::string(c.name));
    const int count = static_cast<int>(unitNames(*c.quantity).size());
    if (chosen == units_.end() || chosen->second < 0 || chosen->second >= count) {
        return sourceUnitCode(column);
    }
    return chosen->second + 1;
}

QString CurvesTableModel::heading(int column) const {
    return QStringLiteral("%1 [%2]").arg(latin1(this->column(column).name), unitOf(column));
}

QString CurvesTableModel::title(int column) const {
    const std::string_view name = this->column(column).name;
    if (name == "liquidViscosity") {
        return QStringLiteral("liquid viscosity, oil as a whole");
    }
    if (name == "liquidViscosityByCuts") {
        return QStringLiteral("liquid viscosity, by narrow cuts");
    }
    return latin1(name);
}

QString CurvesTableModel::shownHeading(int column) const {
    return QStringLiteral("%1 [%2]").arg(title(column), unitOf(column));
}

QString CurvesTableModel::unitOf(int column) const {
    const SweepColumn& c = this->column(column);
    return c.quantity ? unitLabel(*c.quantity, shownUnitCode(column)) : latin1(c.fixedUnit);
}

std::optional<double> CurvesTableModel::value(int row, int column) const {
    const SweepColumn& c = this->column(column);
    const auto source = sweepColumnValue(sweep_.points[static_cast<std::size_t>(row)], c);
    if (!source || !c.quantity) {
        return source;
    }
    const int from = sourceUnitCode(column);
    const int to = shownUnitCode(column);
    if (from == to) {
        return source;
    }
    return convert(*c.quantity, *source, from, to);
}

int CurvesTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(sweep_.points.size());
}

int CurvesTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : valueColumnCount() + 1;
}

QVariant CurvesTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    if (index.column() == valueColumnCount()) {
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
            return QString::fromStdString(
                       sweep_.points[static_cast<std::size_t>(index.row())].message)
                .replace(QLatin1Char('\n'), QLatin1Char(' '));
        }
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != kValueRole) {
        return {};
    }
    const auto shown = value(index.row(), index.column());
    if (!shown) {
        return role == Qt::DisplayRole ? QVariant(QStringLiteral("-")) : QVariant();
    }
    if (role == kValueRole) {
        return *shown;
    }
    return QString::fromStdString(formatForDisplay(*shown));
}

QVariant CurvesTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    if (section == valueColumnCount()) {
        return QStringLiteral("message");
    }
    return section >= 0 && section < valueColumnCount() ? shownHeading(section) : QVariant();
}

} // namespace viskora
