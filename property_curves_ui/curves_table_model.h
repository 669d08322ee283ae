#pragma once

#include "property_curves/property_sweep.h"
#include "property_curves/sweep_columns.h"

#include <QAbstractTableModel>
#include <QString>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace viskora {

// The short name of a unit for a heading: "°C" of "°C - Celsius", "MPa" of
// "MPa (megapascal)".
QString unitLabel(Quantity quantity, int unitCode);

// The points of a sweep, one row each: the columns of the curves table in
// the units the user picked, then the message of a point the engine stopped
// at. The anchored viscosity shows only when measured values were given.
// Qt::DisplayRole gives the number as the forms show it, kValueRole the
// double in the column's unit.
class CurvesTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    static constexpr int kValueRole = Qt::UserRole + 1;

    explicit CurvesTableModel(QObject* parent = nullptr);

    // A new sweep: its points, the oil's temperature unit code and the
    // sweep's pressure unit code (the units its states were given in).
    void setSweep(SweepResult sweep, int tempUnit, int pressureUnit, bool anchored);
    const SweepResult& sweep() const { return sweep_; }

    // The columns shown, the last being the message.
    int valueColumnCount() const { return static_cast<int>(columns_.size()); }
    const SweepColumn& column(int index) const {
        return *columns_[static_cast<std::size_t>(index)];
    }
    int columnOf(std::string_view name) const;

    // The unit a column is shown in: a 0-based index into its quantity's
    // list, by column name. Columns without one are shown in their
    // source unit (temperature and pressure) or base unit.
    const std::map<std::string, int>& columnUnits() const { return units_; }
    void setColumnUnits(std::map<std::string, int> units);
    void setColumnUnit(int column, int unitIndex);
    // The unit code a column is shown in; 0 for a column without a quantity.
    int shownUnitCode(int column) const;
    // "name [unit]" of a column, as the exports write it: the calculator's
    // column name and unit name (sweepColumnHeading), which scripts reading
    // either file rely on.
    QString heading(int column) const;
    // What the list of properties and the plot call a column, in the forms'
    // words: "Gas phase: Density".
    QString title(int column) const;
    // "title [unit]" of a column, as the plot's axes and tooltips show it,
    // in the forms' unit names.
    QString shownHeading(int column) const;
    // The table's heading of a column: the phase, the property (broken into
    // lines of a few words) and the unit, each on lines of their own.
    QString wrappedHeading(int column) const;
    // The short name of the unit a column is shown in, as the forms name it.
    QString unitOf(int column) const;

    // The value of a cell in the column's shown unit; nothing when empty.
    std::optional<double> value(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  signals:
    void unitsChanged();

  private:
    int sourceUnitCode(int column) const;

    SweepResult sweep_;
    std::vector<const SweepColumn*> columns_;
    std::map<std::string, int> units_;
    int tempUnit_ = unit::kCelsius;
    int pressureUnit_ = unit::kMPa;
};

} // namespace viskora
