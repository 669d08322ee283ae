#include "documents/document_format.h"

#include "documents/cp1251.h"
#include "documents/line_reader.h"
#include "documents/profile_lookup.h"
#include "units/display_format.h"
#include "units/number_text.h"
#include "units/unit_tables.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace viskora {
namespace {

constexpr std::string_view kFileType = "Viskora";

int clampedRowCount(int fractionCount) {
    return std::clamp(fractionCount, 0, kFractionRowCapacity);
}

// Six decimals in fixed notation keep no digit of a value below 5e-7 and
// fewer than four of one below 0.001; such a value is written in exponent
// notation instead, which the reader takes as well.
constexpr double kFixedNotationFrom = 0.001;

std::string baseValueText(double value) {
    if (!std::isfinite(value)) {
        return formatFixed(0.0, 6);
    }
    if (value != 0 && std::fabs(value) < kFixedNotationFrom) {
        return formatExponent(value, 6);
    }
    return formatFixed(value, 6);
}

// Appends lines of a document file: texts in windows-1251, integers as
// "%d", base values as "%f" (or "%.6e" below 0.001).
class DocumentWriter {
  public:
    void line(std::string_view raw) {
        bytes_.append(raw);
        bytes_.push_back('\n');
    }

    void text(std::string_view utf8) {
        std::string single(utf8);
        std::ranges::replace(single, '\n', ' ');
        std::ranges::replace(single, '\r', ' ');
        line(utf8ToCp1251(single));
    }

    void integer(int value) { line(std::to_string(value)); }

    void base(double value) { line(baseValueText(value)); }

    void result(double baseValue, std::string_view text, int unitIndex) {
        base(baseValue);
        this->text(text);
        integer(unitIndex);
    }

    void header(DocumentKind kind) {
        line("[General]");
        line("type=Viskora");
        line(kind == DocumentKind::Basic ? "state=1" : "state=2");
        line("version=1");
        line("[Data]");
    }

    void fractions(int fractionCount, const FractionRows& rows) {
        const int count = clampedRowCount(fractionCount);
        integer(count);
        for (int row = 0; row < count; ++row) {
            for (int column = 1; column <= 3; ++column) {
                text(rows.cell(row, column));
            }
        }
    }

    std::string take() { return std::move(bytes_); }

  private:
    std::string bytes_;
};

// Reads the lines of a document file in order; past the end of the file
// every line is empty.
class DocumentReader {
  public:
    explicit DocumentReader(std::string_view bytes) : lines_(bytes) {}

    void skip(int count) {
        for (int i = 0; i < count; ++i) {
            lines_.next();
        }
    }

    std::string text() { return cp1251ToUtf8(lines_.next()); }

    int integer() { return textToInt(lines_.next()); }

    double base() {
        const double value = textToNumber(lines_.next());
        return std::isfinite(value) ? value : 0.0;
    }

    void result(double& baseValue, std::string& text, int& unitIndex) {
        baseValue = base();
        text = this->text();
        unitIndex = integer();
    }

    void fractions(int& fractionCount, FractionTable& table) {
        fractionCount = clampedRowCount(integer());
        for (int row = 0; row < fractionCount; ++row) {
            for (std::string& cell : table[static_cast<std::size_t>(row)]) {
                cell = text();
            }
        }
    }

  private:
    LineReader lines_;
};

} // namespace

std::optional<DocumentKind> recogniseDocument(std::string_view bytes) {
    if (profileString(bytes, "General", "type") != kFileType) {
        return std::nullopt;
    }
    switch (textToInt(profileString(bytes, "General", "state"))) {
    case 1:
        return DocumentKind::Basic;
    case 2:
        return DocumentKind::Additional;
    default:
        return std::nullopt;
    }
}

std::string basicDocumentText(const BasicDocumentRecord& record, const FractionRows& rows) {
    DocumentWriter out;
    out.header(DocumentKind::Basic);
    out.text(record.densityText);
    out.integer(record.densityUnitIndex);
    out.text(record.densityTempText);
    out.integer(record.tempUnitIndex);
    out.result(record.resDensityBase, record.resDensityText, record.resDensityUnitIndex);
    out.result(record.resHeatBase, record.resHeatText, record.resHeatUnitIndex);
    out.result(record.resConductivityBase, record.resConductivityText,
               record.resConductivityUnitIndex);
    out.result(record.resViscosityBase, record.resViscosityText, record.resViscosityUnitIndex);
    out.result(record.resTensionBase, record.resTensionText, record.resTensionUnitIndex);
    out.result(record.resVapourBase, record.resVapourText, record.resVapourUnitIndex);
    out.result(record.resCritTempBase, record.resCritTempText, record.resCritTempUnitIndex);
    out.text(record.resPrandtlText);
    out.integer(record.useFractions);
    out.fractions(record.fractionCount, rows);
    return out.take();
}

std::string additionalDocumentText(const AdditionalDocumentRecord& record,
                                   const FractionRows& rows) {
    DocumentWriter out;
    out.header(DocumentKind::Additional);
    out.text(record.densityText);
    out.integer(record.densityUnitIndex);
    out.text(record.densityTempText);
    out.integer(record.tempUnitIndex);
    out.text(record.designTempText);
    // The design temperature has no unit of its own; the line repeats the
    // temperature unit.
    out.integer(record.tempUnitIndex);
    out.text(record.designPressureText);
    out.integer(record.pressureUnitIndex);
    out.text(record.gasShareText);
    out.result(record.gasDensityBase, record.gasDensityText, record.gasDensityUnitIndex);
    out.result(record.gasHeatBase, record.gasHeatText, record.gasHeatUnitIndex);
    out.result(record.gasConductivityBase, record.gasConductivityText,
               record.gasConductivityUnitIndex);
    out.result(record.gasViscosityBase, record.gasViscosityText, record.gasViscosityUnitIndex);
    out.result(record.gasEnthalpyBase, record.gasEnthalpyText, record.gasEnthalpyUnitIndex);
    out.text(record.gasPrandtlText);
    out.text(record.liquidShareText);
    out.result(record.liquidDensityBase, record.liquidDensityText, record.liquidDensityUnitIndex);
    out.result(record.liquidHeatBase, record.liquidHeatText, record.liquidHeatUnitIndex);
    out.result(record.liquidConductivityBase, record.liquidConductivityText,
               record.liquidConductivityUnitIndex);
    out.result(record.liquidViscosityBase, record.liquidViscosityText,
               record.liquidViscosityUnitIndex);
    out.result(record.liquidTensionBase, record.liquidTensionText, record.liquidTensionUnitIndex);
    out.text(record.liquidPrandtlText);
    out.integer(record.useFractions);
    out.fractions(record.fractionCount, rows);
    return out.take();
}

namespace {

// A unit index the quantity's list does not have (only a damaged file holds
// one) becomes the base unit's: that is how every value is read then, so the
// unit shown next to it must say so.
void keepInList(int& unitIndex, Quantity quantity) {
    const auto count = static_cast<int>(unitNames(quantity).size());
    if (unitIndex < 0 || unitIndex >= count) {
        unitIndex = baseUnitCode(quantity) - 1;
    }
}

void keepUnitsInLists(BasicDocumentRecord& r) {
    keepInList(r.densityUnitIndex, Quantity::Density);
    keepInList(r.tempUnitIndex, Quantity::Temperature);
    keepInList(r.resDensityUnitIndex, Quantity::Density);
    keepInList(r.resHeatUnitIndex, Quantity::SpecificHeat);
    keepInList(r.resConductivityUnitIndex, Quantity::Conductivity);
    keepInList(r.resViscosityUnitIndex, Quantity::Viscosity);
    keepInList(r.resTensionUnitIndex, Quantity::SurfaceTension);
    keepInList(r.resVapourUnitIndex, Quantity::Pressure);
    keepInList(r.resCritTempUnitIndex, Quantity::Temperature);
}

void keepUnitsInLists(AdditionalDocumentRecord& r) {
    keepInList(r.densityUnitIndex, Quantity::Density);
    keepInList(r.tempUnitIndex, Quantity::Temperature);
    keepInList(r.pressureUnitIndex, Quantity::Pressure);
    keepInList(r.gasDensityUnitIndex, Quantity::Density);
    keepInList(r.gasHeatUnitIndex, Quantity::SpecificHeat);
    keepInList(r.gasConductivityUnitIndex, Quantity::Conductivity);
    keepInList(r.gasViscosityUnitIndex, Quantity::Viscosity);
    keepInList(r.gasEnthalpyUnitIndex, Quantity::Enthalpy);
    keepInList(r.liquidDensityUnitIndex, Quantity::Density);
    keepInList(r.liquidHeatUnitIndex, Quantity::SpecificHeat);
    keepInList(r.liquidConductivityUnitIndex, Quantity::Conductivity);
    keepInList(r.liquidViscosityUnitIndex, Quantity::Viscosity);
    keepInList(r.liquidTensionUnitIndex, Quantity::SurfaceTension);
}

} // namespace

void readBasicDocument(std::string_view bytes, BasicDocumentRecord& record) {
    DocumentReader in(bytes);
    in.skip(5);
    record.densityText = in.text();
    record.densityUnitIndex = in.integer();
    record.densityTempText = in.text();
    record.tempUnitIndex = in.integer();
    in.result(record.resDensityBase, record.resDensityText, record.resDensityUnitIndex);
    in.result(record.resHeatBase, record.resHeatText, record.resHeatUnitIndex);
    in.result(record.resConductivityBase, record.resConductivityText,
              record.resConductivityUnitIndex);
    in.result(record.resViscosityBase, record.resViscosityText, record.resViscosityUnitIndex);
    in.result(record.resTensionBase, record.resTensionText, record.resTensionUnitIndex);
    in.result(record.resVapourBase, record.resVapourText, record.resVapourUnitIndex);
    in.result(record.resCritTempBase, record.resCritTempText, record.resCritTempUnitIndex);
    record.resPrandtlText = in.text();
    record.useFractions = in.integer();
    in.fractions(record.fractionCount, record.fractions);
    keepUnitsInLists(record);
}

void readAdditionalDocument(std::string_view bytes, AdditionalDocumentRecord& record) {
    DocumentReader in(bytes);
    in.skip(5);
    record.densityText = in.text();
    record.densityUnitIndex = in.integer();
    record.densityTempText = in.text();
    record.tempUnitIndex = in.integer();
    record.designTempText = in.text();
    // The repeated temperature unit: the design temperature always follows
    // tempUnitIndex, whatever this line holds.
    in.skip(1);
    record.designPressureText = in.text();
    record.pressureUnitIndex = in.integer();
    record.gasShareText = in.text();
    in.result(record.gasDensityBase, record.gasDensityText, record.gasDensityUnitIndex);
    in.result(record.gasHeatBase, record.gasHeatText, record.gasHeatUnitIndex);
    in.result(record.gasConductivityBase, record.gasConductivityText,
              record.gasConductivityUnitIndex);
    in.result(record.gasViscosityBase, record.gasViscosityText, record.gasViscosityUnitIndex);
    in.result(record.gasEnthalpyBase, record.gasEnthalpyText, record.gasEnthalpyUnitIndex);
    record.gasPrandtlText = in.text();
    record.liquidShareText = in.text();
    in.result(record.liquidDensityBase, record.liquidDensityText, record.liquidDensityUnitIndex);
    in.result(record.liquidHeatBase, record.liquidHeatText, record.liquidHeatUnitIndex);
    in.result(record.liquidConductivityBase, record.liquidConductivityText,
              record.liquidConductivityUnitIndex);
    in.result(record.liquidViscosityBase, record.liquidViscosityText,
              record.liquidViscosityUnitIndex);
    in.result(record.liquidTensionBase, record.liquidTensionText, record.liquidTensionUnitIndex);
    record.liquidPrandtlText = in.text();
    record.useFractions = in.integer();
    in.fractions(record.fractionCount, record.fractions);
    keepUnitsInLists(record);
    record.loadedFromFile = true;
}

BasicDocumentRecord readBasicDocument(std::string_view bytes) {
    BasicDocumentRecord record;
    readBasicDocument(bytes, record);
    return record;
}

AdditionalDocumentRecord readAdditionalDocument(std::string_view bytes) {
    AdditionalDocumentRecord record;
    readAdditionalDocument(bytes, record);
    return record;
}

} // namespace viskora
