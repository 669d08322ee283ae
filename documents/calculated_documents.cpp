#include "documents/calculated_documents.h"

#include "documents/record_fields.h"

#include <algorithm>

namespace viskora {
namespace {

template <typename Record> void takeInputs(Record& record, const ResolvedOil& oil) {
    record.densityText = oil.densityText;
    record.densityUnitIndex = oil.densityUnit;
    record.densityTempText = oil.densityTempText;
    record.tempUnitIndex = oil.tempUnit;
    record.viscosityMethod = oil.viscosityMethod;
    record.vapourPressureMethod = oil.vapourPressureMethod;
    record.lightEnds = oil.lightEnds;
    if (oil.fractions.empty()) {
        return;
    }
    const std::size_t count =
        std::min(oil.fractions.size(), static_cast<std::size_t>(kFractionRowCapacity));
    record.useFractions = 1;
    record.fractionCount = static_cast<int>(count);
    std::copy_n(oil.fractions.begin(), count, record.fractions.begin());
}

} // namespace

BasicDocumentRecord basicDocumentAfterCalculate(const ResolvedOil& oil,
                                                const BasicResults& results) {
    BasicDocumentRecord record;
    takeInputs(record, oil);
    storeResults(results, record);
    return record;
}

AdditionalDocumentRecord additionalDocumentAfterCalculate(const ResolvedOil& oil,
                                                          const std::string& designTempText,
                                                          const std::string& designPressureText,
                                                          int pressureUnit,
                                                          const AdditionalResults& results) {
    AdditionalDocumentRecord record;
    takeInputs(record, oil);
    record.designTempText = designTempText;
    record.designPressureText = designPressureText;
    record.pressureUnitIndex = pressureUnit;
    storeResults(results, record);
    return record;
}

} // namespace viskora
