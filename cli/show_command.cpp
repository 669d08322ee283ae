#include "cli/show_command.h"

#include "cli/calc_report.h"
#include "cli/document_output.h"
#include "cli/terminal_text.h"
#include "documents/record_fields.h"
#include "documents/unit_name_lists.h"
#include "documents/vapour_pressure_method_words.h"
#include "documents/viscosity_method_words.h"
#include "units/display_format.h"

#include <iostream>
#include <memory>

namespace viskora {
namespace {

struct ShowOptions {
    std::string path;
    bool json = false;
};

// Every field in record order under its record members' names: a result's
// base value, the text, then the unit index and the unit name the form
// would select for it (only the name for a unit shared with another field).
template <typename Record> void addFields(nlohmann::ordered_json& out, const Record& record) {
    const CUnitNameLists lists;
    for (const auto& field : recordFields(record)) {
        const std::string name(field.name);
        if (field.base != nullptr) {
            out[name + "Base"] = record.*field.base;
        }
        out[name + "Text"] = record.*field.text;
        const std::string unitBox(field.unitBox);
        if (field.unit == FieldUnit::Own) {
            out[unitBox + "Index"] = record.*field.unitIndex;
        }
        if (field.unitIndex != nullptr) {
            out[unitBox + "Name"] = lists.nameAt(field.quantity, record.*field.unitIndex);
        }
    }
    out["useFractions"] = record.useFractions;
    out["fractionCount"] = record.fractionCount;
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    const RecordFractionRows view(record.fractions, record.fractionCount);
    for (int row = 0; row < view.rowCount(); ++row) {
        rows.push_back({view.cell(row, 1), view.cell(row, 2), view.cell(row, 3)});
    }
    out["fractions"] = rows;
    out["viscosityMethod"] = std::string(viscosityMethodWord(record.viscosityMethod));
    out["vapourPressureMethod"] =
        std::string(vapourPressureMethodWord(record.vapourPressureMethod));
    // The light ends and the bubble point only when the file has them.
    nlohmann::ordered_json lightEnds = nlohmann::ordered_json::object();
    for (std::size_t j = 0; j < record.lightEnds.size(); ++j) {
        if (!record.lightEnds[j].empty()) {
            lightEnds[std::string(kLightEnds[j].name)] = record.lightEnds[j];
        }
    }
    if (!lightEnds.empty()) {
        out["lightEnds"] = lightEnds;
    }
    if constexpr (requires { record.bubblePointBase; }) {
        if (record.bubblePointBase != 0) {
            out["bubblePointBase"] = record.bubblePointBase;
            out["bubblePointText"] = record.bubblePointText;
            out["bubblePointUnitIndex"] = record.bubblePointUnitIndex;
            out["bubblePointUnitName"] =
                lists.nameAt(Quantity::Pressure, record.bubblePointUnitIndex);
        }
    }
}

std::string printableValue(const nlohmann::ordered_json& value) {
    return printable(value.get<std::string>());
}

// One "name: value" line per field; the fraction rows one per line below.
// The methods are listed only when they are by narrow cuts, as only then
// does the file have a line for them.
void printFields(std::ostream& out, const nlohmann::ordered_json& fields) {
    for (const auto& [name, value] : fields.items()) {
        if ((name == "viscosityMethod" && value.get<std::string>() == kWholeOilWord) ||
            (name == "vapourPressureMethod" &&
             value.get<std::string>() == kAverageBoilingPointWord)) {
            continue;
        }
        if (name == "lightEnds") {
            out << "lightEnds:\n";
            for (const auto& [component, share] : value.items()) {
                out << "  " << component << ": " << printableValue(share) << '\n';
            }
            continue;
        }
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
    std::visit(
        [&](const auto& r) {
            using Record = std::decay_t<decltype(r)>;
            constexpr bool basic = std::is_same_v<Record, BasicDocumentRecord>;
            out["kind"] = basic ? "basic" : "additional";
            addFields(out, r);
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
