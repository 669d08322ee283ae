#include "cli/document_output.h"

#include "documents/document_file.h"

#include <algorithm>
#include <iostream>

namespace viskora {

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

AdditionalDocumentRecord additionalDocumentAfterCalculate(const ResolvedOil& oil,
                                                          const DesignOptions& design,
                                                          int pressureUnit,
                                                          const AdditionalResults& results) {
    return additionalDocumentAfterCalculate(oil, design.designTemp, design.designPressure,
                                            pressureUnit, results);
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
