#include "reports/report_lines.h"

#include "reports/report_texts.h"

#include <algorithm>

namespace viskora {

namespace t = report_texts;

std::vector<ReportLine> basicResultLines(const BasicDocumentRecord& r) {
    return {
        {t::kDensity, &r.resDensityText, &r.resDensityUnitName},
        {t::kSpecificHeat, &r.resHeatText, &r.resHeatUnitName},
        {t::kConductivity, &r.resConductivityText, &r.resConductivityUnitName},
        {t::kViscosity, &r.resViscosityText, &r.resViscosityUnitName},
        {t::kSurfaceTension, &r.resTensionText, &r.resTensionUnitName},
        {t::kVapourPressure, &r.resVapourText, &r.resVapourUnitName},
        {t::kCritTemperature, &r.resCritTempText, &r.resCritTempUnitName},
        {t::kPrandtl, &r.resPrandtlText, nullptr},
    };
}

std::vector<ReportLine> gasResultLines(const AdditionalDocumentRecord& r) {
    return {
        {t::kShare, &r.gasShareText, nullptr},
        {t::kDensity, &r.gasDensityText, &r.gasDensityUnitName},
        {t::kSpecificHeat, &r.gasHeatText, &r.gasHeatUnitName},
        {t::kConductivity, &r.gasConductivityText, &r.gasConductivityUnitName},
        {t::kViscosity, &r.gasViscosityText, &r.gasViscosityUnitName},
        {t::kEnthalpy, &r.gasEnthalpyText, &r.gasEnthalpyUnitName},
        {t::kPrandtl, &r.gasPrandtlText, nullptr},
    };
}

std::vector<ReportLine> liquidResultLines(const AdditionalDocumentRecord& r) {
    return {
        {t::kShare, &r.liquidShareText, nullptr},
        {t::kDensity, &r.liquidDensityText, &r.liquidDensityUnitName},
        {t::kSpecificHeat, &r.liquidHeatText, &r.liquidHeatUnitName},
        {t::kConductivity, &r.liquidConductivityText, &r.liquidConductivityUnitName},
        {t::kViscosity, &r.liquidViscosityText, &r.liquidViscosityUnitName},
        {t::kSurfaceTension, &r.liquidTensionText, &r.liquidTensionUnitName},
        {t::kPrandtl, &r.liquidPrandtlText, nullptr},
    };
}

int reportedFractionRows(int fractionCount) {
    return std::clamp(fractionCount, 0, kFractionRowCapacity);
}

} // namespace viskora
