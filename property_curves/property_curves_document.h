#pragma once

#include "documents/document_file.h"
#include "documents/document_records.h"
#include "property_curves/property_sweep.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace viskora {

// The version of the .vkc format this program writes; it reads this one and
// every earlier one.
inline constexpr int kCurveFormatVersion = 1;

// A measured kinematic viscosity as typed: value in the viscosity unit of
// the index, temperature in the oil's temperature unit.
struct MeasuredViscosityText {
    std::string viscosityText;
    int viscosityUnitIndex = 1; // mm2/s
    std::string temperatureText;

    bool operator==(const MeasuredViscosityText&) const = default;
};

// A property curves document (.vkc): the oil's inputs as the calculation
// forms hold them (texts as typed, 0-based unit indices), the sweep's
// settings, the measured viscosities and the unit each table column is
// shown in (column name to 0-based unit index). It holds no results: they
// are calculated again from these inputs when the document is opened.
struct CurveDocument {
    std::string densityText = "702.7";
    int densityUnitIndex = 0;
    std::string densityTempText = "20";
    int tempUnitIndex = 1;
    bool useFractions = false;
    std::vector<FractionRow> fractions;

    SweepVariable variable = SweepVariable::Temperature;
    std::string fromText = "0";
    std::string toText = "300";
    std::string stepText = "10";
    int pointCount = 0; // above 0: that many evenly spaced points instead of the step
    std::string designTempText = "50";
    std::string designPressureText = "0.3";
    int pressureUnitIndex = 3;

    std::vector<MeasuredViscosityText> measured;
    std::map<std::string, int> columnUnits;
    // The method of the Prandtl number, the anchored curve's slope and the
    // additional calculations a curve opens; both viscosities are tabled.
    ViscosityMethod viscosityMethod = ViscosityMethod::WholeOil;
    // The oil's light ends as typed, for its true vapour pressure.
    LightEndTexts lightEnds{};

    bool operator==(const CurveDocument&) const = default;
};

// The document as UTF-8 JSON text (see the README for the format).
std::string curveDocumentText(const CurveDocument& document);

struct CurveReadResult {
    std::optional<CurveDocument> document;
    std::string message; // why there is no document, for the user
};

// Reads a document from its bytes. Anything that is not a sound document of
// this format, or of a version this program can read, gives a message
// naming what is wrong instead of a document.
CurveReadResult readCurveDocument(std::string_view bytes);

// Saves atomically, as a calculation document is saved.
SaveResult saveCurveDocument(const std::filesystem::path& path, const CurveDocument& document);
CurveReadResult openCurveDocument(const std::filesystem::path& path);

} // namespace viskora
