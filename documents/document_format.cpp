#include "documents/document_format.h"

#include "documents/cp1251.h"
#include "documents/line_reader.h"
#include "documents/profile_lookup.h"
#include "documents/record_fields.h"
#include "documents/viscosity_method_words.h"
#include "units/display_format.h"
#include "units/number_text.h"
#include "units/unit_tables.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace viskora {
namespace {

constexpr std::string_view kFileType = "Viskora";

// The viscosity method's line follows the fraction rows, in the header's
// key=value style, and only when the viscosity is by narrow cuts
// ("viscosity=cuts"): a reader that knows no such line stops before it, and
// the file of a calculation of the oil as a whole is the file it always was.
constexpr std::string_view kViscosityKey = "viscosity=";

// The method a method line names. A missing line, any other text and a word
// the program does not know all leave the oil-as-a-whole method: the line is
// a note on how the results were found, not a reason to refuse the file.
ViscosityMethod methodOfLine(std::string_view line) {
    if (!line.starts_with(kViscosityKey)) {
        return ViscosityMethod::WholeOil;
    }
    return viscosityMethodOfWord(line.substr(kViscosityKey.size()))
        .value_or(ViscosityMethod::WholeOil);
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

    void viscosityMethod(ViscosityMethod method) {
        if (method == ViscosityMethod::NarrowCuts) {
            line(std::string(kViscosityKey) + std::string(viscosityMethodWord(method)));
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

    ViscosityMethod viscosityMethod() { return methodOfLine(lines_.next()); }

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
    out.viscosityMethod(record.viscosityMethod);
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
    record.viscosityMethod = in.viscosityMethod();
    for (const auto& field : recordFields(record)) {
        if (field.unit == FieldUnit::Own) {
            keepInList(record.*field.unitIndex, field.quantity);
        }
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
