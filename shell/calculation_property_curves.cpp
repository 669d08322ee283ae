#include "shell/calculation_property_curves.h"

#include <algorithm>
#include <type_traits>

namespace viskora {
namespace {

template <typename Record> CurveDocument curvesForRecord(const Record& record) {
    CurveDocument document;
    document.densityText = record.densityText;
    document.densityUnitIndex = record.densityUnitIndex;
    document.densityTempText = record.densityTempText;
    document.tempUnitIndex = record.tempUnitIndex;
    document.useFractions = record.useFractions != 0;
    document.viscosityMethod = record.viscosityMethod;
    document.lightEnds = record.lightEnds;
    const int rows = std::clamp(record.fractionCount, 0, kFractionRowCapacity);
    document.fractions.assign(record.fractions.begin(), record.fractions.begin() + rows);
    if constexpr (std::is_same_v<Record, AdditionalDocumentRecord>) {
        document.designTempText = record.designTempText;
        document.designPressureText = record.designPressureText;
        document.pressureUnitIndex = record.pressureUnitIndex;
    }
    return document;
}

} // namespace

CurveDocument curvesForOil(const BasicDocumentRecord& record) {
    return curvesForRecord(record);
}

CurveDocument curvesForOil(const AdditionalDocumentRecord& record) {
    return curvesForRecord(record);
}

} // namespace viskora
