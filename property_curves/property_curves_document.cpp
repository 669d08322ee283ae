#include "property_curves/property_curves_document.h"

#include "documents/json_envelope.h"
#include "documents/viscosity_method_words.h"
#include "property_curves/sweep_columns.h"

#include <nlohmann/json.hpp>

namespace viskora {
namespace {

using nlohmann::json;

constexpr std::string_view kFormatName = "viskora-curves";

const std::string kNotACurveDocument =
    "Cannot read this file.\nThis is not a Viskora property curves document.";

std::string damaged(const std::string& what) {
    return "Cannot read this file.\nThe property curves document is damaged: " + what + ".";
}

int unitCount(Quantity quantity) {
    return static_cast<int>(unitNames(quantity).size());
}

// Takes the fields of one JSON object out, remembering the first fault.
class FieldReader {
  public:
    FieldReader(const json& object, std::string where, std::string& fault)
        : object_(object), where_(std::move(where)), fault_(fault) {}

    const json* field(const char* name, json::value_t type, const char* kind) {
        const auto found = object_.find(name);
        if (found == object_.end() || found->type() != type) {
            fail(std::string(name) + " is missing or not " + kind);
            return nullptr;
        }
        return &*found;
    }

    void text(const char* name, std::string& out) {
        if (const json* value = field(name, json::value_t::string, "a text")) {
            out = value->get<std::string>();
        }
    }

    void integer(const char* name, int& out, int low, int high) {
        const auto found = object_.find(name);
        if (found == object_.end() || !found->is_number_integer()) {
            fail(std::string(name) + " is missing or not a whole number");
            return;
        }
        const auto value = found->get<long long>();
        if (value < low || value > high) {
            fail(std::string(name) + " is out of range");
            return;
        }
        out = static_cast<int>(value);
    }

    void unitIndex(const char* name, int& out, Quantity quantity) {
        integer(name, out, 0, unitCount(quantity) - 1);
    }

    void flag(const char* name, bool& out) {
        if (const json* value = field(name, json::value_t::boolean, "true or false")) {
            out = value->get<bool>();
        }
    }

    void fail(const std::string& what) {
        if (fault_.empty()) {
            fault_ = damaged(where_ + what);
        }
    }

  private:
    const json& object_;
    std::string where_;
    std::string& fault_;
};

bool isTextRow(const json& row) {
    if (!row.is_array() || row.size() != 3) {
        return false;
    }
    for (const json& cell : row) {
        if (!cell.is_string()) {
            return false;
        }
    }
    return true;
}

// {"COMPONENT": "SHARE", ...}, each component once (a JSON object's keys
// are), each share a text as typed.
void readLightEnds(FieldReader& reader, LightEndTexts& lightEnds) {
    const json* given = reader.field("lightEnds", json::value_t::object, "an object");
    if (given == nullptr) {
        return;
    }
    for (const auto& [name, share] : given->items()) {
        const std::optional<LightEnd> component = lightEndNamed(name);
        if (!component || !share.is_string()) {
            reader.fail("lightEnds holds " + name.substr(0, 40) +
                        ", which is not a light end with its share as a text");
            return;
        }
        lightEnds[static_cast<std::size_t>(*component)] = share.get<std::string>();
    }
}

void readOil(const json& oil, CurveDocument& document, std::string& fault) {
    FieldReader reader(oil, "in oil, ", fault);
    reader.text("density", document.densityText);
    reader.unitIndex("densityUnit", document.densityUnitIndex, Quantity::Density);
    reader.text("densityTemp", document.densityTempText);
    reader.unitIndex("tempUnit", document.tempUnitIndex, Quantity::Temperature);
    reader.flag("useFractions", document.useFractions);
    // Written only for a curve by narrow cuts, so that older files and
    // older readers meet nothing new.
    if (oil.contains("viscosityMethod")) {
        std::string word;
        reader.text("viscosityMethod", word);
        const auto method = viscosityMethodOfWord(word);
        if (!method) {
            reader.fail("viscosityMethod is neither whole nor cuts");
        }
        document.viscosityMethod = method.value_or(ViscosityMethod::WholeOil);
    }
    // Written only when given, as the method.
    if (oil.contains("lightEnds")) {
        readLightEnds(reader, document.lightEnds);
    }
    const json* rows = reader.field("fractions", json::value_t::array, "a list");
    if (rows == nullptr) {
        return;
    }
    if (rows->size() > static_cast<std::size_t>(kFractionRowCapacity)) {
        reader.fail("fractions has more than 100 rows");
        return;
    }
    for (const json& row : *rows) {
        if (!isTextRow(row)) {
            reader.fail("a fraction row is not three texts");
            return;
        }
        document.fractions.push_back(
            {row[0].get<std::string>(), row[1].get<std::string>(), row[2].get<std::string>()});
    }
}

void readSweep(const json& sweep, CurveDocument& document, std::string& fault) {
    FieldReader reader(sweep, "in sweep, ", fault);
    std::string variable;
    reader.text("variable", variable);
    if (variable == "pressure") {
        document.variable = SweepVariable::Pressure;
    } else if (variable == "temperature") {
        document.variable = SweepVariable::Temperature;
    } else {
        reader.fail("variable is neither temperature nor pressure");
    }
    reader.text("from", document.fromText);
    reader.text("to", document.toText);
    reader.text("step", document.stepText);
    reader.integer("points", document.pointCount, 0, kMaxSweepPoints);
    reader.text("designTemp", document.designTempText);
    reader.text("designPressure", document.designPressureText);
    reader.unitIndex("pressureUnit", document.pressureUnitIndex, Quantity::Pressure);
}

void readMeasured(const json& list, CurveDocument& document, std::string& fault) {
    if (list.size() > 2) {
        fault = damaged("more than two measured viscosities");
        return;
    }
    for (const json& item : list) {
        if (!item.is_object()) {
            fault = damaged("a measured viscosity is not an object");
            return;
        }
        FieldReader reader(item, "in a measured viscosity, ", fault);
        MeasuredViscosityText measured;
        reader.text("viscosity", measured.viscosityText);
        reader.unitIndex("viscosityUnit", measured.viscosityUnitIndex, Quantity::Viscosity);
        reader.text("temperature", measured.temperatureText);
        document.measured.push_back(measured);
    }
}

void readColumnUnits(const json& columns, CurveDocument& document, std::string& fault) {
    for (const auto& [name, unit] : columns.items()) {
        const SweepColumn* column = findSweepColumn(name);
        if (column == nullptr || !column->quantity) {
            fault = damaged("the column " + name + " has no unit list");
            return;
        }
        if (!unit.is_number_integer() || unit.get<long long>() < 0 ||
            unit.get<long long>() >= unitCount(*column->quantity)) {
            fault = damaged("the unit of the column " + name + " is out of range");
            return;
        }
        document.columnUnits[name] = unit.get<int>();
    }
}

} // namespace

std::string curveDocumentText(const CurveDocument& d) {
    json fractions = json::array();
    for (const FractionRow& row : d.fractions) {
        fractions.push_back({row[0], row[1], row[2]});
    }
    json measured = json::array();
    for (const MeasuredViscosityText& m : d.measured) {
        measured.push_back({{"viscosity", m.viscosityText},
                            {"viscosityUnit", m.viscosityUnitIndex},
                            {"temperature", m.temperatureText}});
    }
    json columns = json::object();
    for (const auto& [name, unit] : d.columnUnits) {
        columns[name] = unit;
    }
    json document = {
        {"format", kFormatName},
        {"version", kCurveFormatVersion},
        {"oil",
         {{"density", d.densityText},
          {"densityUnit", d.densityUnitIndex},
          {"densityTemp", d.densityTempText},
          {"tempUnit", d.tempUnitIndex},
          {"useFractions", d.useFractions},
          {"fractions", fractions}}},
        {"sweep",
         {{"variable", d.variable == SweepVariable::Pressure ? "pressure" : "temperature"},
          {"from", d.fromText},
          {"to", d.toText},
          {"step", d.stepText},
          {"points", d.pointCount},
          {"designTemp", d.designTempText},
          {"designPressure", d.designPressureText},
          {"pressureUnit", d.pressureUnitIndex}}},
        {"measured", measured},
        {"columnUnits", columns},
    };
    if (d.viscosityMethod == ViscosityMethod::NarrowCuts) {
        document["oil"]["viscosityMethod"] = viscosityMethodWord(d.viscosityMethod);
    }
    json lightEnds = json::object();
    for (std::size_t j = 0; j < d.lightEnds.size(); ++j) {
        if (!d.lightEnds[j].empty()) {
            lightEnds[std::string(kLightEnds[j].name)] = d.lightEnds[j];
        }
    }
    if (!lightEnds.empty()) {
        document["oil"]["lightEnds"] = lightEnds;
    }
    // A text that is not valid UTF-8 (only a damaged input brings one) is
    // written with replacement characters rather than not at all.
    return document.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

CurveReadResult readCurveDocument(std::string_view bytes) {
    const JsonEnvelope envelope = openJsonEnvelope(bytes, kFormatName, kCurveFormatVersion);
    switch (envelope.fault) {
    case EnvelopeFault::NotThisKind:
        return {std::nullopt, kNotACurveDocument};
    case EnvelopeFault::NoVersion:
    case EnvelopeFault::UnreadableVersion:
    case EnvelopeFault::Oversized:
    case EnvelopeFault::NumberOutOfRange:
        return {std::nullopt, damaged(envelopeDamage(envelope, kCurveFormatVersion))};
    case EnvelopeFault::NewerVersion:
        return {std::nullopt,
                "Cannot read this file.\nIt was written by a newer version of Viskora "
                "(property curves format " +
                    std::to_string(envelope.version) + ")."};
    case EnvelopeFault::None:
        break;
    }
    const json& root = envelope.root;

    CurveDocument document;
    std::string fault;
    FieldReader top(root, {}, fault);
    if (const json* oil = top.field("oil", json::value_t::object, "an object")) {
        readOil(*oil, document, fault);
    }
    if (const json* sweep = top.field("sweep", json::value_t::object, "an object")) {
        readSweep(*sweep, document, fault);
    }
    if (const json* measured = top.field("measured", json::value_t::array, "a list")) {
        readMeasured(*measured, document, fault);
    }
    if (const json* columns = top.field("columnUnits", json::value_t::object, "an object")) {
        readColumnUnits(*columns, document, fault);
    }
    if (!fault.empty()) {
        return {std::nullopt, fault};
    }
    return {std::move(document), {}};
}

SaveResult saveCurveDocument(const std::filesystem::path& path, const CurveDocument& document) {
    return saveDocumentFile(path, curveDocumentText(document));
}

CurveReadResult openCurveDocument(const std::filesystem::path& path) {
    const auto bytes = readDocumentBytes(path);
    if (!bytes) {
        return {std::nullopt, "Cannot read the file " + path.string() + "."};
    }
    return readCurveDocument(*bytes);
}

} // namespace viskora
