#include "documents/document_format.h"

#include "documents/cp1251.h"
#include "documents/line_reader.h"
#include "documents/profile_lookup.h"
#include "documents/record_fields.h"
#include "documents/vapour_pressure_method_words.h"
#include "documents/viscosity_method_words.h"
#include "units/display_format.h"
#include "units/number_text.h"
#include "units/unit_tables.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

namespace viskora {
namespace {

constexpr std::string_view kFileType = "Viskora";

// Lines of the key=value kind follow the fraction rows, each only when it
// has something to say: "viscosity=cuts" when the viscosity is by narrow
// cuts, "vapourPressure=cuts" when the vapour pressure is, a
// "lightEnd=COMPONENT:SHARE" line for each light end given, and for an
// additional calculation by narrow cuts its bubble point's base value and
// unit. A reader that knows none of them stops before them, and the file of
// a calculation without them is the file it always was.
constexpr std::string_view kViscosityKey = "viscosity=";
constexpr std::string_view kVapourPressureKey = "vapourPressure=";
constexpr std::string_view kLightEndKey = "lightEnd=";
constexpr std::string_view kBubblePointKey = "bubblePoint=";
constexpr std::string_view kBubblePointUnitKey = "bubblePointUnit=";

// A method line's word. Any other text and a word the program does not know
// leave the method as it was: the line is a note on how the results were
// found, not a reason to refuse the file.
void takeViscosityMethod(std::string_view word, ViscosityMethod& method) {
    method = viscosityMethodOfWord(word).value_or(ViscosityMethod::WholeOil);
}

void takeVapourPressureMethod(std::string_view word, VapourPressureMethod& method) {
    method = vapourPressureMethodOfWord(word).value_or(VapourPressureMethod::AverageBoilingPoint);
}

// "COMPONENT:SHARE", the share as typed; an unknown component is passed by.
void takeLightEnd(std::string_view value, LightEndTexts& lightEnds) {
    const std::size_t colon = value.find(':');
    if (colon == std::string_view::npos) {
        return;
    }
    if (const std::optional<LightEnd> component = lightEndNamed(value.substr(0, colon))) {
        lightEnds[static_cast<std::size_t>(*component)] = cp1251ToUtf8(value.substr(colon + 1));
    }
}

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

    void header(DocumentKind kind) {
        line("[General]");
        line("type=Viskora");
        line(kind == DocumentKind::Basic ? "state=1" : "state=2");
        line("version=1");
        line("[Data]");
    }

    void keyLine(std::string_view key, std::string_view value) {
        line(std::string(key) + std::string(value));
    }

    template <typename Record> void trailingLines(const Record& record) {
        if (record.viscosityMethod == ViscosityMethod::NarrowCuts) {
            keyLine(kViscosityKey, viscosityMethodWord(record.viscosityMethod));
        }
        if (record.vapourPressureMethod == VapourPressureMethod::NarrowCuts) {
            keyLine(kVapourPressureKey, vapourPressureMethodWord(record.vapourPressureMethod));
        }
        for (std::size_t j = 0; j < record.lightEnds.size(); ++j) {
            if (!record.lightEnds[j].empty()) {
                std::string share(record.lightEnds[j]);
                std::ranges::replace(share, '\n', ' ');
                std::ranges::replace(share, '\r', ' ');
                keyLine(kLightEndKey, std::string(kLightEnds[j].name) + ":" + utf8ToCp1251(share));
            }
        }
        if constexpr (requires { record.bubblePointBase; }) {
            if (record.bubblePointBase != 0) {
                keyLine(kBubblePointKey, baseValueText(record.bubblePointBase));
                keyLine(kBubblePointUnitKey, std::to_string(record.bubblePointUnitIndex));
            }
        }
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

    // The key=value lines right after the fraction rows, up to the first
    // line that is none of them; a method's or the bubble point's first line
    // counts. What they do not say is the default: of the oil as a whole,
    // of the average boiling point, no light ends, no bubble point.
    template <typename Record> void trailingLines(Record& record) {
        record.viscosityMethod = ViscosityMethod::WholeOil;
        record.vapourPressureMethod = VapourPressureMethod::AverageBoilingPoint;
        record.lightEnds = {};
        if constexpr (requires { record.bubblePointBase; }) {
            record.bubblePointBase = 0.0;
        }
        bool viscositySeen = false;
        bool vapourSeen = false;
        bool bubblePointSeen = false;
        bool bubblePointUnitSeen = false;
        while (!lines_.atEnd()) {
            const std::string_view line = lines_.next();
            const std::string_view key = line.substr(0, line.find('=') + 1);
            const std::string_view value = line.substr(key.size());
            const auto firstOf = [](bool& seen) { return !std::exchange(seen, true); };
            if (key == kViscosityKey) {
                if (firstOf(viscositySeen)) {
                    takeViscosityMethod(value, record.viscosityMethod);
                }
            } else if (key == kVapourPressureKey) {
                if (firstOf(vapourSeen)) {
                    takeVapourPressureMethod(value, record.vapourPressureMethod);
                }
            } else if (key == kLightEndKey) {
                takeLightEnd(value, record.lightEnds);
            } else if constexpr (requires { record.bubblePointBase; }) {
                if (key == kBubblePointKey) {
                    const double base = textToNumber(value);
                    if (firstOf(bubblePointSeen)) {
                        record.bubblePointBase = std::isfinite(base) ? base : 0.0;
                    }
                } else if (key == kBubblePointUnitKey) {
                    if (firstOf(bubblePointUnitSeen)) {
                        record.bubblePointUnitIndex = textToInt(value);
                    }
                } else {
                    return;
                }
            } else {
                return;
            }
        }
    }

    int integer() { return textToInt(lines_.next()); }

    double base() {
        const double value = textToNumber(lines_.next());
        return std::isfinite(value) ? value : 0.0;
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

namespace {

// Each field on its lines in table order: the base value of a result, the
// text, then the unit index. A field given in another field's unit (the
// design temperature) repeats that unit's index, which the reader passes by.
template <typename Record>
std::string documentText(DocumentKind kind, const Record& record, const FractionRows& rows) {
    DocumentWriter out;
    out.header(kind);
    for (const auto& field : recordFields(record)) {
        if (field.base != nullptr) {
            out.base(record.*field.base);
        }
        out.text(record.*field.text);
        if (field.unitIndex != nullptr) {
            out.integer(record.*field.unitIndex);
        }
    }
    out.integer(record.useFractions);
    out.fractions(record.fractionCount, rows);
    out.trailingLines(record);
    return out.take();
}

// A unit index the quantity's list does not have (only a damaged file holds
// one) becomes the base unit's: that is how every value is read then, so the
// unit shown next to it must say so.
void keepInList(int& unitIndex, Quantity quantity) {
    const auto count = static_cast<int>(unitNames(quantity).size());
    if (unitIndex < 0 || unitIndex >= count) {
        unitIndex = baseUnitCode(quantity);
    }
}

template <typename Record> void readDocument(std::string_view bytes, Record& record) {
    DocumentReader in(bytes);
    in.skip(5);
    for (const auto& field : recordFields(record)) {
        if (field.base != nullptr) {
            record.*field.base = in.base();
        }
        record.*field.text = in.text();
        if (field.unit == FieldUnit::Own) {
            record.*field.unitIndex = in.integer();
        } else if (field.unit == FieldUnit::Shared) {
            in.skip(1);
        }
    }
    record.useFractions = in.integer();
    in.fractions(record.fractionCount, record.fractions);
    in.trailingLines(record);
    for (const auto& field : recordFields(record)) {
        if (field.unit == FieldUnit::Own) {
            keepInList(record.*field.unitIndex, field.quantity);
        }
    }
    if constexpr (requires { record.bubblePointBase; }) {
        keepInList(record.bubblePointUnitIndex, Quantity::Pressure);
        record.bubblePointText =
            formatInUnit(Quantity::Pressure, record.bubblePointBase, record.bubblePointUnitIndex);
    }
}

} // namespace

std::string basicDocumentText(const BasicDocumentRecord& record, const FractionRows& rows) {
    return documentText(DocumentKind::Basic, record, rows);
}

std::string additionalDocumentText(const AdditionalDocumentRecord& record,
                                   const FractionRows& rows) {
    return documentText(DocumentKind::Additional, record, rows);
}

void readBasicDocument(std::string_view bytes, BasicDocumentRecord& record) {
    readDocument(bytes, record);
}

void readAdditionalDocument(std::string_view bytes, AdditionalDocumentRecord& record) {
    readDocument(bytes, record);
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
