#include "sample_documents.h"

namespace viskora::testing {

BasicDocumentRecord sampleBasicRecord() {
    BasicDocumentRecord r;
    r.densityUnitName = "kg/m3";
    r.tempUnitName = "°C - Celsius";
    r.resDensityText = "703";
    r.resDensityUnitName = "kg/m3";
    r.resHeatText = "1.87";
    r.resHeatUnitName = "kJ/(kg•K)";
    r.resConductivityText = "0.118";
    r.resConductivityUnitName = "Wt/(m•K)";
    r.resViscosityText = "0.986";
    r.resViscosityUnitName = "mm2/c";
    r.resTensionText = "2.13e-002";
    r.resTensionUnitName = "N/m";
    r.resVapourText = "0.0254";
    r.resVapourUnitName = "MPa (MN/m2)";
    r.resCritTempText = "293";
    r.resCritTempUnitName = "°C - Celsius";
    r.resPrandtlText = "13.2";
    return r;
}

AdditionalDocumentRecord sampleAdditionalRecord() {
    AdditionalDocumentRecord r;
    r.densityUnitName = "kg/m3";
    r.tempUnitName = "°C - Celsius";
    r.designTempUnitName = "°C - Celsius";
    r.pressureUnitName = "MPa (MN/m2)";
    r.gasShareText = "12.5";
    r.gasDensityText = "4.91";
    r.gasDensityUnitName = "kg/m3";
    r.gasHeatText = "1.92";
    r.gasHeatUnitName = "kJ/(kg•K)";
    r.gasConductivityText = "0.0195";
    r.gasConductivityUnitName = "Wt/(m•K)";
    r.gasViscosityText = "1.51";
    r.gasViscosityUnitName = "mm2/c";
    r.gasEnthalpyText = "352";
    r.gasEnthalpyUnitName = "kJ/kg";
    r.gasPrandtlText = "0.74";
    r.liquidShareText = "87.5";
    r.liquidDensityText = "718";
    r.liquidDensityUnitName = "kg/m3";
    r.liquidHeatText = "2.05";
    r.liquidHeatUnitName = "kJ/(kg•K)";
    r.liquidConductivityText = "0.113";
    r.liquidConductivityUnitName = "Wt/(m•K)";
    r.liquidViscosityText = "0.71";
    r.liquidViscosityUnitName = "mm2/c";
    r.liquidTensionText = "0.0186";
    r.liquidTensionUnitName = "N/m";
    r.liquidPrandtlText = "9.2";
    return r;
}

std::vector<std::array<std::string, 3>> fewFractionRows() {
    return {{"35", "120", "25"},
            {"120", "350", "30.5"},
            {"350", "500°С", "24.5"},
            {"500", "612345678901234567890123456789", "20"}};
}

std::vector<std::array<std::string, 3>> hundredFractionRows() {
    std::vector<std::array<std::string, 3>> rows;
    for (int i = 0; i < 100; ++i) {
        rows.push_back({std::to_string(35 + 5 * i), std::to_string(40 + 5 * i), "1"});
    }
    return rows;
}

std::string GridRows::cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column > 3) {
        return {};
    }
    if (column == 0) {
        return std::to_string(row + 1);
    }
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column - 1)];
}

} // namespace viskora::testing
