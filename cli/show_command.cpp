#include "cli/show_command.h"

#include "cli/calc_report.h"
#include "cli/document_output.h"
#include "documents/unit_name_lists.h"
#include "units/display_format.h"

#include <iostream>
#include <memory>

namespace viskora {
namespace {

struct ShowOptions {
    std::string path;
    bool json = false;
};

// Appends fields in record order; every unit index is followed by the unit
// name the form would select for it.
class FieldList {
  public:
    explicit FieldList(nlohmann::ordered_json& out) : out_(out) {}

    void text(const char* name, const std::string& value) { out_[name] = value; }

    void unit(const char* stem, Quantity quantity, int index) {
        out_[std::string(stem) + "UnitIndex"] = index;
        out_[std::string(stem) + "UnitName"] = lists_.nameAt(quantity, index);
    }

    void result(const char* stem, Quantity quantity, double base, const std::string& text,
                int index) {
        out_[std::string(stem) + "Base"] = base;
        out_[std::string(stem) + "Text"] = text;
        unit(stem, quantity, index);
    }

    void fractions(int useFractions, int fractionCount, const FractionTable& table) {
        out_["useFractions"] = useFractions;
        out_["fractionCount"] = fractionCount;
        nlohmann::ordered_json rows = nlohmann::ordered_json::array();
        const RecordFractionRows view(table, fractionCount);
        for (int row = 0; row < view.rowCount(); ++row) {
            rows.push_back({view.cell(row, 1), view.cell(row, 2), view.cell(row, 3)});
        }
        out_["fractions"] = rows;
    }

    std::string unitName(Quantity quantity, int index) const {
        return lists_.nameAt(quantity, index);
    }

  private:
    nlohmann::ordered_json& out_;
    CUnitNameLists lists_;
};

void addFields(FieldList& f, const BasicDocumentRecord& r) {
    f.text("densityText", r.densityText);
    f.unit("density", Quantity::Density, r.densityUnitIndex);
    f.text("densityTempText", r.densityTempText);
    f.unit("temp", Quantity::Temperature, r.tempUnitIndex);
    f.result("resDensity", Quantity::Density, r.resDensityBase, r.resDensityText,
             r.resDensityUnitIndex);
    f.result("resHeat", Quantity::SpecificHeat, r.resHeatBase, r.resHeatText, r.resHeatUnitIndex);
    f.result("resConductivity", Quantity::Conductivity, r.resConductivityBase,
             r.resConductivityText, r.resConductivityUnitIndex);
    f.result("resViscosity", Quantity::Viscosity, r.resViscosityBase, r.resViscosityText,
             r.resViscosityUnitIndex);
    f.result("resTension", Quantity::SurfaceTension, r.resTensionBase, r.resTensionText,
             r.resTensionUnitIndex);
    f.result("resVapour", Quantity::Pressure, r.resVapourBase, r.resVapourText,
             r.resVapourUnitIndex);
    f.result("resCritTemp", Quantity::Temperature, r.resCritTempBase, r.resCritTempText,
             r.resCritTempUnitIndex);
    f.text("resPrandtlText", r.resPrandtlText);
    f.fractions(r.useFractions, r.fractionCount, r.fractions);
}

void addFields(FieldList& f, const AdditionalDocumentRecord& r) {
    f.text("densityText", r.densityText);
    f.unit("density", Quantity::Density, r.densityUnitIndex);
    f.text("densityTempText", r.densityTempText);
    f.unit("temp", Quantity::Temperature, r.tempUnitIndex);
    f.text("designTempText", r.designTempText);
    // The design temperature is given in the temperature unit.
    f.text("designTempUnitName", f.unitName(Quantity::Temperature, r.tempUnitIndex));
    f.text("designPressureText", r.designPressureText);
    f.unit("pressure", Quantity::Pressure, r.pressureUnitIndex);
    f.text("gasShareText", r.gasShareText);
    f.result("gasDensity", Quantity::Density, r.gasDensityBase, r.gasDensityText,
             r.gasDensityUnitIndex);
    f.result("gasHeat", Quantity::SpecificHeat, r.gasHeatBase, r.gasHeatText, r.gasHeatUnitIndex);
    f.result("gasConductivity", Quantity::Conductivity, r.gasConductivityBase,
             r.gasConductivityText, r.gasConductivityUnitIndex);
    f.result("gasViscosity", Quantity::Viscosity, r.gasViscosityBase, r.gasViscosityText,
             r.gasViscosityUnitIndex);
    f.result("gasEnthalpy", Quantity::Enthalpy, r.gasEnthalpyBase, r.gasEnthalpyText,
             r.gasEnthalpyUnitIndex);
    f.text("gasPrandtlText", r.gasPrandtlText);
    f.text("liquidShareText", r.liquidShareText);
    f.result("liquidDensity", Quantity::Density, r.liquidDensityBase, r.liquidDensityText,
             r.liquidDensityUnitIndex);
    f.result("liquidHeat", Quantity::SpecificHeat, r.liquidHeatBase, r.liquidHeatText,
             r.liquidHeatUnitIndex);
    f.result("liquidConductivity", Quantity::Conductivity, r.liquidConductivityBase,
             r.liquidConductivityText, r.liquidConductivityUnitIndex);
    f.result("liquidViscosity", Quantity::Viscosity, r.liquidViscosityBase, r.liquidViscosityText,
             r.liquidViscosityUnitIndex);
    f.result("liquidTension", Quantity::SurfaceTension, r.liquidTensionBase, r.liquidTensionText,
             r.liquidTensionUnitIndex);
    f.text("liquidPrandtlText", r.liquidPrandtlText);
    f.fractions(r.useFractions, r.fractionCount, r.fractions);
}

// A document's text as it can go to a terminal: a control character (an
// escape sequence would be run by the terminal, a line break would forge a
// field) is written as a C escape, and so is a backslash, so that the
// escapes cannot be forged either. UTF-8 C1 controls (U+0080..U+009F) are
// escaped like the others.
std::string printable(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool c1 = byte == 0xC2 && i + 1 < text.size() &&
                        static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if (byte == '\\') {
            out += "\\\\";
        } else if (byte == '\t') {
            out += "\\t";
        } else if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\r') {
            out += "\\r";
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else if (c1) {
            const auto code = static_cast<unsigned char>(text[++i]);
            out += "\\u00";
            out += kHex[code >> 4];
            out += kHex[code & 0xF];
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string printableValue(const nlohmann::ordered_json& value) {
    return printable(value.get<std::string>());
}

// One "name: value" line per field; the fraction rows one per line below.
void printFields(std::ostream& out, const nlohmann::ordered_json& fields) {
    for (const auto& [name, value] : fields.items()) {
        if (name == "fractions") {
            out << "fractions:\n";
            int number = 1;
            for (const auto& row : value) {
                out << "  " << number++ << ": " << printableValue(row[0]) << " | "
                    << printableValue(row[1]) << " | " << printableValue(row[2]) << '\n';
            }
        } else if (value.is_string()) {
            out << name << ": " << printableValue(value) << '\n';
        } else if (value.is_number_float()) {
            out << name << ": " << shortestNumberText(value.get<double>()) << '\n';
        } else {
            out << name << ": " << value.dump() << '\n';
        }
    }
}

int runShow(const ShowOptions& options) {
    const OpenResult opened = openDocumentFile(options.path);
    if (!opened.record) {
        std::cerr << "viskora-calc show: " << options.path << ":\n"
                  << consoleText(opened.message) << '\n';
        return kExitInputError;
    }
    const nlohmann::ordered_json fields = documentJson(*opened.record);
    if (options.json) {
        std::cout << fields.dump(2) << '\n';
    } else {
        printFields(std::cout, fields);
    }
    return kExitResults;
}

} // namespace

nlohmann::ordered_json documentJson(const DocumentRecord& record) {
    nlohmann::ordered_json out;
    FieldList fields(out);
    std::visit(
        [&](const auto& r) {
            using Record = std::decay_t<decltype(r)>;
            constexpr bool basic = std::is_same_v<Record, BasicDocumentRecord>;
            out["kind"] = basic ? "basic" : "additional";
            addFields(fields, r);
            if constexpr (!basic) {
                out["loadedFromFile"] = r.loadedFromFile;
            }
        },
        record);
    return out;
}

void addShowCommand(CLI::App& app, int& exitStatus) {
    auto options = std::make_shared<ShowOptions>();
    CLI::App* command = app.add_subcommand("show", "Show the kind and every field of a document");
    command->add_option("file", options->path, "Document file (.vkr)")->required();
    command->add_flag("--json", options->json, "Write one JSON object instead of lines");
    command->callback([options, &exitStatus] { exitStatus = runShow(*options); });
}

} // namespace viskora
