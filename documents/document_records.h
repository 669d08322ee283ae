#pragma once

#include "engine/calc_results.h"
#include "engine/light_ends.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

namespace viskora {

// The record keeps a fixed table of fraction rows; the grid never shows more.
inline constexpr int kFractionRowCapacity = 100;

// One fraction row: start boiling temperature, end boiling temperature and
// share of the total mass in %, each as typed.
using FractionRow = std::array<std::string, 3>;
using FractionTable = std::array<FractionRow, kFractionRowCapacity>;

// The light ends as a form holds them: each component's share of the whole
// oil's mass in per cent, as typed, in the order of kLightEnds; an empty
// text is a component not given.
using LightEndTexts = std::array<std::string, kLightEndCount>;

// A table with every cell "0", as a new form starts.
inline FractionTable defaultFractionTable() {
    FractionTable table;
    for (FractionRow& row : table) {
        row.fill("0");
    }
    return table;
}

// Everything a basic calculation form holds: inputs as typed with their unit
// indices, each result as base value, shown text and unit index, and the
// fraction table. Unit names are the texts of the selected unit entries; they
// are filled by the form and never saved. Texts are UTF-8.
struct BasicDocumentRecord {
    std::string densityText = "702.7";
    int densityUnitIndex = 0;
    std::string densityUnitName;
    std::string densityTempText = "20";
    int tempUnitIndex = 1;
    std::string tempUnitName;

    double resDensityBase = 0.0;
    std::string resDensityText = "0";
    int resDensityUnitIndex = 0;
    std::string resDensityUnitName;

    double resHeatBase = 0.0;
    std::string resHeatText = "0";
    int resHeatUnitIndex = 1;
    std::string resHeatUnitName;

    double resConductivityBase = 0.0;
    std::string resConductivityText = "0";
    int resConductivityUnitIndex = 0;
    std::string resConductivityUnitName;

    double resViscosityBase = 0.0;
    std::string resViscosityText = "0";
    int resViscosityUnitIndex = 1;
    std::string resViscosityUnitName;

    double resTensionBase = 0.0;
    std::string resTensionText = "0";
    int resTensionUnitIndex = 0;
    std::string resTensionUnitName;

    double resVapourBase = 0.0;
    std::string resVapourText = "0";
    int resVapourUnitIndex = 3;
    std::string resVapourUnitName;

    double resCritTempBase = 0.0;
    std::string resCritTempText = "0";
    int resCritTempUnitIndex = 1;
    std::string resCritTempUnitName;

    std::string resPrandtlText = "0";

    int useFractions = 0;
    int fractionCount = 5;
    FractionTable fractions = defaultFractionTable();

    // How the viscosity (and so the Prandtl number) was found.
    ViscosityMethod viscosityMethod = ViscosityMethod::WholeOil;

    // How the vapour pressure was found, and the light ends it takes by
    // narrow cuts.
    VapourPressureMethod vapourPressureMethod = VapourPressureMethod::AverageBoilingPoint;
    LightEndTexts lightEnds{};
};

// Everything an additional calculation form holds. The design temperature is
// given in the unit of tempUnitIndex; designTempUnitName mirrors that unit's
// name for the read-only box beside it.
struct AdditionalDocumentRecord {
    std::string densityText = "702.7";
    int densityUnitIndex = 0;
    std::string densityUnitName;
    std::string densityTempText = "20";
    int tempUnitIndex = 1;
    std::string tempUnitName;
    std::string designTempText = "50";
    std::string designTempUnitName;
    std::string designPressureText = "0.3";
    int pressureUnitIndex = 3;
    std::string pressureUnitName;

    std::string gasShareText = "0";

    double gasDensityBase = 0.0;
    std::string gasDensityText = "0";
    int gasDensityUnitIndex = 0;
    std::string gasDensityUnitName;

    double gasHeatBase = 0.0;
    std::string gasHeatText = "0";
    int gasHeatUnitIndex = 1;
    std::string gasHeatUnitName;

    double gasConductivityBase = 0.0;
    std::string gasConductivityText = "0";
    int gasConductivityUnitIndex = 0;
    std::string gasConductivityUnitName;

    double gasViscosityBase = 0.0;
    std::string gasViscosityText = "0";
    int gasViscosityUnitIndex = 1;
    std::string gasViscosityUnitName;

    double gasEnthalpyBase = 0.0;
    std::string gasEnthalpyText = "0";
    int gasEnthalpyUnitIndex = 1;
    std::string gasEnthalpyUnitName;

    std::string gasPrandtlText = "0";

    std::string liquidShareText = "0";

    double liquidDensityBase = 0.0;
    std::string liquidDensityText = "0";
    int liquidDensityUnitIndex = 0;
    std::string liquidDensityUnitName;

    double liquidHeatBase = 0.0;
    std::string liquidHeatText = "0";
    int liquidHeatUnitIndex = 1;
    std::string liquidHeatUnitName;

    double liquidConductivityBase = 0.0;
    std::string liquidConductivityText = "0";
    int liquidConductivityUnitIndex = 0;
    std::string liquidConductivityUnitName;

    double liquidViscosityBase = 0.0;
    std::string liquidViscosityText = "0";
    int liquidViscosityUnitIndex = 1;
    std::string liquidViscosityUnitName;

    double liquidTensionBase = 0.0;
    std::string liquidTensionText = "0";
    int liquidTensionUnitIndex = 0;
    std::string liquidTensionUnitName;

    std::string liquidPrandtlText = "0";

    int useFractions = 0;
    int fractionCount = 5;
    FractionTable fractions = defaultFractionTable();

    // How the liquid's viscosity (and so its Prandtl number) was found.
    ViscosityMethod viscosityMethod = ViscosityMethod::WholeOil;

    // How the vapour pressure is found, and the light ends it takes by
    // narrow cuts; by narrow cuts, the whole oil's bubble-point pressure at
    // the design temperature is a result (0 until calculated).
    VapourPressureMethod vapourPressureMethod = VapourPressureMethod::AverageBoilingPoint;
    LightEndTexts lightEnds{};
    double bubblePointBase = 0.0;
    std::string bubblePointText = "0";
    int bubblePointUnitIndex = 3;
    std::string bubblePointUnitName;

    bool loadedFromFile = false;
};

// The live fraction table as the writers see it. Rows are 0-based; column 0
// is the row number text, columns 1 to 3 are start, end and share. A cell
// outside the table reads as "".
class FractionRows {
  public:
    virtual ~FractionRows() = default;
    virtual int rowCount() const = 0;
    virtual std::string cell(int row, int column) const = 0;
};

// The fraction table of a record, shown as rows 0 to fractionCount - 1
// (clamped to the table's capacity), the count taken when the view is made.
// Use where there is no grid: the calculator, tests. The view refers to the
// record's table, so the record must outlive it; a temporary is refused.
class RecordFractionRows : public FractionRows {
  public:
    RecordFractionRows(const FractionTable& table, int count)
        : table_(table), count_(std::clamp(count, 0, kFractionRowCapacity)) {}
    explicit RecordFractionRows(const BasicDocumentRecord& record)
        : RecordFractionRows(record.fractions, record.fractionCount) {}
    explicit RecordFractionRows(const AdditionalDocumentRecord& record)
        : RecordFractionRows(record.fractions, record.fractionCount) {}
    RecordFractionRows(FractionTable&&, int) = delete;
    explicit RecordFractionRows(BasicDocumentRecord&&) = delete;
    explicit RecordFractionRows(AdditionalDocumentRecord&&) = delete;

    int rowCount() const override { return count_; }

    std::string cell(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column > 3) {
            return {};
        }
        if (column == 0) {
            return std::to_string(row + 1);
        }
        return table_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column - 1)];
    }

  private:
    const FractionTable& table_;
    int count_;
};

} // namespace viskora
