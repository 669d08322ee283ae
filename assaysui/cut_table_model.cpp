#include "assaysui/cut_table_model.h"

#include "property_curves_ui/curves_table_model.h"
#include "units/display_format.h"
#include "units/number_text.h"

#include <QBrush>
#include <QPalette>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace viskora {
namespace {

// The temperatures a laboratory states a density and a viscosity at when
// it says nothing else.
constexpr double kUsualDensityTempC = 15;
constexpr double kUsualViscosityTempC = 40;

// The temperature of a measurement stands beside it, headed "at".
const char* const kTitles[] = {"TBP start", "TBP end", "Yield", "Density", "at", "Viscosity", "at"};
const char* const kTips[] = {"Start of the cut's true boiling range",
                             "End of the cut's true boiling range",
                             "The cut's share of the oil",
                             "The cut's density",
                             "Temperature of the cut's density",
                             "The cut's kinematic viscosity",
                             "Temperature of the cut's viscosity"};

bool isTemperature(int column) {
    return column == CutTableModel::Start || column == CutTableModel::End ||
           column == CutTableModel::DensityTemp || column == CutTableModel::ViscosityTemp;
}

} // namespace

QString editableNumber(double value) {
    const std::optional<double> rounded = readWholeNumber(formatExponent(value, 9));
    return QString::fromStdString(shortestNumberText(rounded.value_or(value)));
}

std::optional<double> typedNumber(const QString& text) {
    const std::optional<double> value = readTypedNumber(text.trimmed().toStdString());
    if (!value || !std::isfinite(*value)) {
        return std::nullopt;
    }
    return value;
}

CutTableModel::CutTableModel(QObject* parent) : QAbstractTableModel(parent) {
    for (int column = 0; column < ColumnCount; ++column) {
        const auto quantity = quantityOf(column);
        units_[static_cast<std::size_t>(column)] = quantity ? baseUnitCode(*quantity) : 0;
    }
}

std::optional<Quantity> CutTableModel::quantityOf(int column) {
    if (isTemperature(column)) {
        return Quantity::Temperature;
    }
    if (column == Density) {
        return Quantity::Density;
    }
    if (column == Viscosity) {
        return Quantity::Viscosity;
    }
    return std::nullopt;
}

int CutTableModel::unitCode(int column) const {
    return units_[static_cast<std::size_t>(column)];
}

void CutTableModel::setUnitCode(int column, int code) {
    if (column < 0 || column >= ColumnCount || !quantityOf(column)) {
        return;
    }
    units_[static_cast<std::size_t>(column)] = code;
    emit headerDataChanged(Qt::Horizontal, column, column);
    if (!rows_.empty()) {
        emit dataChanged(index(0, column), index(rowCount() - 1, column));
    }
}

void CutTableModel::setYieldBasis(assays::YieldBasis basis) {
    basis_ = basis;
    emit headerDataChanged(Qt::Horizontal, Yield, Yield);
}

void CutTableModel::setCuts(const std::vector<assays::AssayCut>& cuts) {
    beginResetModel();
    rows_.clear();
    for (const assays::AssayCut& cut : cuts) {
        Row row;
        row.start = cut.startC;
        row.end = cut.endC;
        row.yield = cut.yield;
        if (cut.density) {
            row.density = cut.density->kgPerM3;
            row.densityTemp = cut.density->tempC;
        }
        if (cut.viscosity) {
            row.viscosity = cut.viscosity->mm2PerS;
            row.viscosityTemp = cut.viscosity->tempC;
        }
        rows_.push_back(row);
    }
    endResetModel();
}

std::vector<assays::AssayCut> CutTableModel::cuts() const {
    std::vector<assays::AssayCut> cuts;
    for (const Row& row : rows_) {
        assays::AssayCut cut;
        cut.startC = row.start;
        cut.endC = row.end;
        cut.yield = row.yield.value_or(0);
        if (row.density) {
            cut.density =
                assays::StatedDensity{*row.density, row.densityTemp.value_or(kUsualDensityTempC)};
        }
        if (row.viscosity) {
            cut.viscosity = assays::StatedViscosity{
                *row.viscosity, row.viscosityTemp.value_or(kUsualViscosityTempC)};
        }
        cuts.push_back(cut);
    }
    return cuts;
}

std::optional<double>& CutTableModel::cell(Row& row, int column) {
    switch (column) {
    case Start:
        return row.start;
    case End:
        return row.end;
    case Yield:
        return row.yield;
    case Density:
        return row.density;
    case DensityTemp:
        return row.densityTemp;
    case Viscosity:
        return row.viscosity;
    default:
        return row.viscosityTemp;
    }
}

const std::optional<double>& CutTableModel::cell(const Row& row, int column) {
    return cell(const_cast<Row&>(row), column);
}

std::optional<double> CutTableModel::shownDefault(const Row& row, int column) const {
    if (column == DensityTemp && row.density && !row.densityTemp) {
        return kUsualDensityTempC;
    }
    if (column == ViscosityTemp && row.viscosity && !row.viscosityTemp) {
        return kUsualViscosityTempC;
    }
    return std::nullopt;
}

double CutTableModel::toShown(int column, double base) const {
    const auto quantity = quantityOf(column);
    if (!quantity) {
        return base;
    }
    if (*quantity == Quantity::Temperature) {
        return convertTemperature(base, unit::kCelsius, unitCode(column));
    }
    return convert(*quantity, base, baseUnitCode(*quantity), unitCode(column));
}

double CutTableModel::toBase(int column, double shown) const {
    const auto quantity = quantityOf(column);
    if (!quantity) {
        return shown;
    }
    if (*quantity == Quantity::Temperature) {
        return convertTemperature(shown, unitCode(column), unit::kCelsius);
    }
    return convert(*quantity, shown, unitCode(column), baseUnitCode(*quantity));
}

int CutTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CutTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CutTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    const std::optional<double>& value = cell(row, column);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        if (value) {
            return editableNumber(toShown(column, *value));
        }
        const auto usual = shownDefault(row, column);
        return usual && role == Qt::DisplayRole ? editableNumber(toShown(column, *usual))
                                                : QString();
    }
    case Qt::ForegroundRole:
        if (!value && shownDefault(row, column)) {
            return QBrush(QPalette().color(QPalette::Disabled, QPalette::Text));
        }
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ToolTipRole:
        if (column == Start && index.row() == 0) {
            return QStringLiteral("Empty: the first cut holds all that boils below its end");
        }
        if (column == End && index.row() == rowCount() - 1) {
            return QStringLiteral("Empty: the last cut is a residue");
        }
        if (shownDefault(row, column)) {
            return QStringLiteral("Empty: the usual temperature of the measurement");
        }
        return {};
    default:
        return {};
    }
}

bool CutTableModel::typeInto(int row, int column, const QString& text) {
    Row& target = rows_[static_cast<std::size_t>(row)];
    std::optional<double>& value = cell(target, column);
    if (text.trimmed().isEmpty()) {
        value.reset();
        return true;
    }
    const std::optional<double> number = typedNumber(text);
    if (!number) {
        return false;
    }
    const double base = toBase(column, *number);
    if (!std::isfinite(base)) {
        return false;
    }
    value = base;
    return true;
}

bool CutTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.row() >= rowCount()) {
        return false;
    }
    if (!typeInto(index.row(), index.column(), value.toString())) {
        return false;
    }
    // A temperature's greyed default follows its value.
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), ColumnCount - 1));
    emit edited();
    return true;
}

Qt::ItemFlags CutTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

QVariant CutTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal && section >= 0 &&
        section < ColumnCount) {
        return QString::fromLatin1(kTips[section]) +
               QStringLiteral(" (right-click to pick the unit)");
    }
    if (role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    if (section < 0 || section >= ColumnCount) {
        return {};
    }
    QString unit;
    if (section == Yield) {
        unit = basis_ == assays::YieldBasis::Mass ? QStringLiteral("mass %")
                                                  : QStringLiteral("volume %");
    } else {
        unit = unitLabel(*quantityOf(section), unitCode(section));
    }
    return QString::fromLatin1(kTitles[section]) + QLatin1Char('\n') + unit;
}

bool CutTableModel::insertCut(int row) {
    if (rows_.size() >= assays::kMaxAssayCuts) {
        return false;
    }
    row = std::clamp(row, 0, rowCount());
    beginInsertRows({}, row, row);
    rows_.insert(rows_.begin() + row, Row{});
    endInsertRows();
    emit edited();
    return true;
}

void CutTableModel::removeCuts(int first, int count) {
    first = std::max(first, 0);
    const int last = std::min(first + count, rowCount()) - 1;
    if (last < first) {
        return;
    }
    beginRemoveRows({}, first, last);
    rows_.erase(rows_.begin() + first, rows_.begin() + last + 1);
    endRemoveRows();
    emit edited();
}

int CutTableModel::pasteBlock(int row, int column, const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    // A spreadsheet ends its copy with a line break.
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) {
        lines.pop_back();
    }
    if (lines.isEmpty() || row < 0 || column < 0 || column >= ColumnCount) {
        return 0;
    }
    const int needed =
        std::min(row + static_cast<int>(lines.size()), static_cast<int>(assays::kMaxAssayCuts));
    if (needed > rowCount()) {
        beginInsertRows({}, rowCount(), needed - 1);
        rows_.resize(static_cast<std::size_t>(needed));
        endInsertRows();
    }
    int refused = 0;
    for (int line = 0; line < lines.size() && row + line < rowCount(); ++line) {
        QString fields = lines[line];
        fields.remove(QLatin1Char('\r'));
        const QStringList values = fields.split(QLatin1Char('\t'));
        for (int field = 0; field < values.size() && column + field < ColumnCount; ++field) {
            refused += typeInto(row + line, column + field, values[field]) ? 0 : 1;
        }
    }
    emit dataChanged(index(row, 0), index(rowCount() - 1, ColumnCount - 1));
    emit edited();
    return refused;
}

} // namespace viskora
