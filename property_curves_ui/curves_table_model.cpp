#include "property_curves_ui/curves_table_model.h"

#include "property_curves_ui/column_titles.h"
#include "units/display_format.h"
#include "units/unit_tables.h"

#include <QStringList>

namespace viskora {
namespace {

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The longest line a heading's words are put on before the next word goes
// to a new line, in characters, so that a long name makes a taller heading
// rather than a column wider than its numbers need.
constexpr qsizetype kHeadingLine = 22;

QString wrapped(const QString& text) {
    QStringList lines;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && lines.back().size() + 1 + word.size() <= kHeadingLine) {
            lines.back() += QLatin1Char(' ') + word;
        } else {
            lines << word;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

QString unitLabel(Quantity quantity, int unitCode) {
    return QString::fromStdString(shortUnitName(quantity, unitCode));
}

CurvesTableModel::CurvesTableModel(QObject* parent) : QAbstractTableModel(parent) {
    setSweep({}, unit::kCelsius, unit::kMPa, false);
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
    return chosen->second;
}

QString CurvesTableModel::heading(int column) const {
    return QString::fromStdString(sweepColumnHeading(this->column(column), shownUnitCode(column)));
}

QString CurvesTableModel::title(int column) const {
    return oneLineTitle(columnTitle(this->column(column)));
}

QString CurvesTableModel::shownHeading(int column) const {
    return QStringLiteral("%1 [%2]").arg(title(column), unitOf(column));
}

QString CurvesTableModel::unitOf(int column) const {
    const SweepColumn& c = this->column(column);
    return c.quantity ? unitLabel(*c.quantity, shownUnitCode(column)) : utf8(c.fixedUnit);
}

QString CurvesTableModel::wrappedHeading(int column) const {
    const ColumnTitle title = columnTitle(this->column(column));
    QStringList lines;
    if (!title.phase.isEmpty()) {
        lines << title.phase;
    }
    lines << wrapped(title.property) << QStringLiteral("[%1]").arg(unitOf(column));
    return lines.join(QLatin1Char('\n'));
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
                oneLineMessage(sweep_.points[static_cast<std::size_t>(index.row())].message));
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
        // A point the engine stopped at has a dash; a property of a phase
        // the point does not have is left empty.
        const bool completed =
            sweep_.points[static_cast<std::size_t>(index.row())].outcome == CalcOutcome::Completed;
        return role == Qt::DisplayRole ? QVariant(completed ? QString() : QStringLiteral("-"))
                                       : QVariant();
    }
    if (role == kValueRole) {
        return *shown;
    }
    return QString::fromStdString(formatForDisplay(*shown));
}

QVariant CurvesTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    }
    if (section == valueColumnCount()) {
        return QStringLiteral("Message");
    }
    if (section < 0 || section >= valueColumnCount()) {
        return {};
    }
    return role == Qt::DisplayRole ? wrappedHeading(section) : shownHeading(section);
}

} // namespace viskora
