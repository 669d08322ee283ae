#pragma once

#include "assays/assay.h"
#include "units/unit_tables.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace viskora {

// The cuts of an assay as a table the user types into: TBP start and end,
// yield, density with its temperature and viscosity with its temperature,
// one row a cut. Values are held in the library's base units (deg.C, kg/m3,
// mm2/s) and shown, typed and pasted in each column's own unit. An empty
// cell is a value not given: the first cut's start, the residue's end, a
// density or viscosity not measured; a measured value whose temperature is
// left empty is taken at the laboratory's usual one (15 deg.C for a density,
// 40 deg.C for a viscosity), shown greyed.
class CutTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Start, End, Yield, Density, DensityTemp, Viscosity, ViscosityTemp, ColumnCount };

    explicit CutTableModel(QObject* parent = nullptr);

    void setCuts(const std::vector<assays::AssayCut>& cuts);
    std::vector<assays::AssayCut> cuts() const;

    // The yield column's heading names the basis.
    void setYieldBasis(assays::YieldBasis basis);

    // The quantity of a column; nothing for the yield.
    static std::optional<Quantity> quantityOf(int column);
    // The unit code a column is shown in (1-based, as unit_tables counts).
    int unitCode(int column) const;
    void setUnitCode(int column, int code);

    // Adds an empty row before `row` (at the end when `row` is the row
    // count); false when the table holds the most cuts an assay may.
    bool insertCut(int row);
    void removeCuts(int first, int count);

    // Pastes a block of tab-separated values (lines of a spreadsheet's
    // copy) from the cell at `row`, `column` on, adding rows as needed up to
    // the most an assay holds; values past the last column are left out. A
    // field that is not a number leaves its cell as it was. Returns the
    // number of fields left out that way.
    int pasteBlock(int row, int column, const QString& text);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  signals:
    // Any change of a value, of the rows or of a unit.
    void edited();

  private:
    struct Row {
        std::optional<double> start;
        std::optional<double> end;
        std::optional<double> yield;
        std::optional<double> density;
        std::optional<double> densityTemp;
        std::optional<double> viscosity;
        std::optional<double> viscosityTemp;
    };
    static std::optional<double>& cell(Row& row, int column);
    static const std::optional<double>& cell(const Row& row, int column);
    // The value a cell stands for when empty: the temperature a measured
    // value is taken at.
    std::optional<double> shownDefault(const Row& row, int column) const;
    double toShown(int column, double base) const;
    double toBase(int column, double shown) const;
    // Writes a typed text into a cell; false when it is not a number.
    bool typeInto(int row, int column, const QString& text);

    std::vector<Row> rows_;
    std::array<int, ColumnCount> units_{};
    assays::YieldBasis basis_ = assays::YieldBasis::Volume;
};

// A value as an editable cell shows it: ten significant digits, the
// shortest text of them, "." decimals.
QString editableNumber(double value);

// A typed text read by the forms' rule for value boxes (a comma is a
// decimal point); nothing for text that is not one finite number.
std::optional<double> typedNumber(const QString& text);

} // namespace viskora
