#include "document_samples.h"

#include "documents/document_format.h"

#include <gtest/gtest.h>

namespace viskora::testing {

std::string joinLines(const std::vector<std::string>& lines, std::string_view end) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += end;
    }
    return text;
}

std::vector<std::string> newBasicFileLines() {
    std::vector<std::string> lines = {"[General]", "type=Viskora",
                                      "state=1",   "version=1",
                                      "[Data]",    "702.7",
                                      "0",         "20",
                                      "1",         "0.000000",
                                      "0",         "0",
                                      "0.000000",  "0",
                                      "1",         "0.000000",
                                      "0",         "0",
                                      "0.000000",  "0",
                                      "1",         "0.000000",
                                      "0",         "0",
                                      "0.000000",  "0",
                                      "3",         "0.000000",
                                      "0",         "1",
                                      "0",         "0",
                                      "5"};
    lines.insert(lines.end(), 15, "0");
    return lines;
}

BasicDocumentRecord sampleBasic() {
    BasicDocumentRecord record;
    record.densityText = "845.3";
    record.densityUnitIndex = 1;
    record.densityTempText = "15";
    record.tempUnitIndex = 2;
    record.resDensityBase = 842.123456;
    record.resDensityText = "842";
    record.resViscosityBase = -3.5;
    record.resViscosityText = "-3.50";
    record.resVapourBase = 0.00123;
    record.resVapourText = "1.23e-003";
    record.resVapourUnitIndex = 0;
    record.resCritTempText = "430°";
    record.resPrandtlText = "Прандтль";
    record.useFractions = 1;
    record.fractionCount = 3;
    record.fractions[0] = {"35", "100", "12.5"};
    record.fractions[1] = {"100", "200", "кусок"};
    record.fractions[2] = {"200", "", "47.5"};
    return record;
}

AdditionalDocumentRecord sampleAdditional() {
    AdditionalDocumentRecord record;
    record.densityText = "900";
    record.tempUnitIndex = 0;
    record.designTempText = "350";
    record.designPressureText = "1.5";
    record.pressureUnitIndex = 5;
    record.gasShareText = "33.4";
    record.gasDensityBase = 5.25;
    record.gasDensityText = "5.25";
    record.gasEnthalpyBase = 301.5;
    record.gasEnthalpyText = "302";
    record.gasEnthalpyUnitIndex = 5;
    record.gasPrandtlText = "0.712";
    record.liquidShareText = "66.6";
    record.liquidTensionBase = 0.0215;
    record.liquidTensionText = "0.0215";
    record.liquidTensionUnitIndex = 2;
    record.liquidPrandtlText = "12.3";
    record.useFractions = 0;
    record.fractionCount = 2;
    record.fractions[0] = {"40", "°С", "50"};
    record.fractions[1] = {"1", "2", "3"};
    return record;
}

void expectSameBasic(const BasicDocumentRecord& read, const BasicDocumentRecord& written) {
    EXPECT_EQ(basicDocumentText(read, RecordFractionRows(read)),
              basicDocumentText(written, RecordFractionRows(written)));
}

} // namespace viskora::testing
