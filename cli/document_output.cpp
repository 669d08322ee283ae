#include "cli/document_output.h"

#include "documents/document_file.h"
#include "documents/record_fields.h"

#include <algorithm>
#include <iostream>

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

void addSaveOption(CLI::App& command, std::string& path) {
    command
        .add_option("--save", path,
                    "After a completed calculation, save it as a document file (.vkr)")
        ->check(CLI::Validator(
            [](const std::string& value) {
                return value.empty() ? std::string("the file name is empty") : std::string();
            },
            ""));
}

BasicDocumentRecord basicDocumentAfterCalculate(const ResolvedOil& oil,
                                                const BasicResults& results) {
    BasicDocumentRecord record;
    takeInputs(record, oil);
    storeResults(results, record);
    return record;
}

AdditionalDocumentRecord additionalDocumentAfterCalculate(const ResolvedOil& oil,
                                                          const DesignOptions& design,
                                                          int pressureUnit,
                                                          const AdditionalResults& results) {
    AdditionalDocumentRecord record;
    takeInputs(record, oil);
    record.designTempText = design.designTemp;
    record.designPressureText = design.designPressure;
    record.pressureUnitIndex = pressureUnit;
    storeResults(results, record);
    return record;
}

std::string consoleText(std::string text) {
    std::erase(text, '\r');
    return text;
}

bool saveCalculatorDocument(const std::string& path, const std::string& bytes,
                            std::string_view commandName) {
    const SaveResult result = saveDocumentFile(path, bytes);
    if (!result) {
        std::cerr << "viskora-calc " << commandName << ": " << consoleText(result.message) << '\n';
    }
    return result.ok;
}

} // namespace viskora
