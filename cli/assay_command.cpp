#include "cli/assay_command.h"
#include "cli/terminal_text.h"
#include "documents/light_end_texts.h"

#include "assays/assay_document.h"
#include "assays/blend.h"
#include "cli/assay_output.h"
#include "cli/calc_report.h"
#include "cli/document_output.h"
#include "documents/document_file.h"
#include "units/number_text.h"
#include "units/unit_tables.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <variant>

namespace viskora {
namespace {

using assays::Assay;

struct AssayOutputOptions {
    bool json = false;
    bool csv = false;
    bool yes = false; // taken, as every calculating command takes it
    std::string save;
};

struct AssayOptions {
    std::string file;
    std::vector<std::string> cuts;
    std::vector<std::string> lightEnds; // COMPONENT:YIELD
    std::string yield = "mass";
    std::string name;
    std::string density;
    std::string densityTemp = "15";
    AssayOutputOptions output;
};

struct BlendOptions {
    std::vector<std::string> files;
    std::string by;
    std::string name = "Blend";
    AssayOutputOptions output;
};

// A failure to report: the message and the exit status.
struct Refusal {
    std::string message;
    int status = kExitUsage;
};

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos;
         at = text.find(separator, from)) {
        parts.push_back(text.substr(from, at - from));
        from = at + 1;
    }
    parts.push_back(text.substr(from));
    return parts;
}

// A number of a --cut row; an empty text where `optional` is "not given".
bool readValue(const std::string& text, bool optional, std::optional<double>& out) {
    if (optional && text.find_first_not_of(" \t") == std::string::npos) {
        out.reset();
        return true;
    }
    out = readWholeNumber(text);
    return out.has_value() && !text.empty();
}

// START:END:YIELD[:DENSITY[@TEMP]], deg.C, %, kg/m3 (at 15 deg.C unless TEMP).
std::optional<assays::AssayCut> parseCut(const std::string& text) {
    const std::vector<std::string> parts = split(text, ':');
    if (parts.size() < 3 || parts.size() > 4) {
        return std::nullopt;
    }
    assays::AssayCut cut;
    std::optional<double> yield;
    if (!readValue(parts[0], true, cut.startC) || !readValue(parts[1], true, cut.endC) ||
        !readValue(parts[2], false, yield)) {
        return std::nullopt;
    }
    cut.yield = *yield;
    if (parts.size() == 4) {
        const std::vector<std::string> density = split(parts[3], '@');
        std::optional<double> value;
        std::optional<double> temp = 15;
        if (density.size() > 2 || !readValue(density[0], false, value) ||
            (density.size() == 2 && !readValue(density[1], false, temp))) {
            return std::nullopt;
        }
        cut.density = assays::StatedDensity{*value, *temp};
    }
    return cut;
}

std::variant<Assay, Refusal> assayOfOptions(const AssayOptions& options) {
    if (!options.file.empty()) {
        if (!options.cuts.empty() || !options.density.empty() || !options.lightEnds.empty()) {
            return Refusal{"give either an assay file or --cut rows, not both"};
        }
        const assays::AssayReadResult read = assays::openAssayDocument(options.file);
        if (!read.assay) {
            return Refusal{options.file + ": " + read.message, kExitInputError};
        }
        return *read.assay;
    }
    if (options.cuts.empty()) {
        return Refusal{"give an assay file or --cut rows"};
    }
    Assay assay;
    assay.name = options.name;
    if (options.yield != "mass" && options.yield != "volume") {
        return Refusal{"--yield must be mass or volume"};
    }
    assay.basis = options.yield == "mass" ? assays::YieldBasis::Mass : assays::YieldBasis::Volume;
    for (const std::string& text : options.cuts) {
        const std::optional<assays::AssayCut> cut = parseCut(text);
        if (!cut) {
            return Refusal{"--cut " + text + " is not START:END:YIELD[:DENSITY[@TEMP]]"};
        }
        assay.cuts.push_back(*cut);
    }
    for (const std::string& text : options.lightEnds) {
        const std::size_t colon = text.find(':');
        const std::optional<LightEnd> component =
            colon == std::string::npos ? std::nullopt : lightEndNamed(text.substr(0, colon));
        const std::optional<double> yield =
            component ? readWholeNumber(text.substr(colon + 1)) : std::nullopt;
        if (!yield) {
            return Refusal{"--light-end " + text +
                           " is not COMPONENT:YIELD with one of ethane, propane, isobutane, "
                           "n-butane, isopentane, n-pentane"};
        }
        assay.lightEnds.push_back({*component, *yield});
    }
    if (!options.density.empty()) {
        const std::optional<double> density = readWholeNumber(options.density);
        const std::optional<double> temp = readWholeNumber(options.densityTemp);
        if (!density || !temp) {
            return Refusal{!density ? "--density is not a number"
                                    : "--density-temp is not a number"};
        }
        assay.density = assays::StatedDensity{*density, *temp};
    }
    return assay;
}

// A .vkr calculation's oil as an assay: its fraction table and density in
// base units.
std::variant<Assay, Refusal> assayOfCalculation(const std::string& path) {
    const OpenResult opened = openDocumentFile(path);
    if (!opened.record) {
        return Refusal{path + ": " + opened.message, kExitInputError};
    }
    return std::visit(
        [&](const auto& record) -> std::variant<Assay, Refusal> {
            if (!record.useFractions || record.fractionCount < 1) {
                return Refusal{path + ": the calculation has no fraction table to blend by.",
                               kExitInputError};
            }
            const int tempUnit = record.tempUnitIndex;
            const auto celsius = [&](const std::string& text) -> std::optional<double> {
                const std::optional<double> value = readTypedNumber(text);
                return value
                           ? std::optional(tempUnit == unit::kCelsius ? *value
                                                                      : toCelsius(*value, tempUnit))
                           : std::nullopt;
            };
            const std::optional<double> density = readTypedNumber(record.densityText);
            const std::optional<double> densityTemp = celsius(record.densityTempText);
            if (!density || !densityTemp || *density == 0) {
                return Refusal{path + ": the calculation's density is not given.", kExitInputError};
            }
            std::vector<assays::FractionTableRow> rows;
            const int count = std::min(record.fractionCount, kFractionRowCapacity);
            for (int i = 0; i < count; ++i) {
                const FractionRow& row = record.fractions[static_cast<std::size_t>(i)];
                const std::optional<double> start = readTypedNumber(row[0]);
                const std::optional<double> end = readTypedNumber(row[1]);
                const std::optional<double> share = readTypedNumber(row[2]);
                if (!start || !end || !share) {
                    return Refusal{path + ": fraction row " + std::to_string(i + 1) +
                                       " holds a text that is not a number.",
                                   kExitInputError};
                }
                // 0 is "not given" in every unit, as in the forms.
                rows.push_back(
                    {*start == 0 ? 0 : *celsius(row[0]), *end == 0 ? 0 : *celsius(row[1]), *share});
            }
            const double kgPerM3 = convert(Quantity::Density, *density, record.densityUnitIndex,
                                           baseUnitCode(Quantity::Density));
            return assays::assayOfFractionTable(path, rows, {kgPerM3, *densityTemp},
                                                lightEndsOfTexts(record.lightEnds));
        },
        *opened.record);
}

std::variant<Assay, Refusal> oilOfFile(const std::string& path) {
    const DocumentBytes read = readDocumentFile(path);
    if (!read.bytes) {
        return Refusal{path + ": " + read.failure, kExitInputError};
    }
    if (assays::isAssayDocument(*read.bytes)) {
        const assays::AssayReadResult assay = assays::readAssayDocument(*read.bytes);
        if (!assay.assay) {
            return Refusal{path + ": " + assay.message, kExitInputError};
        }
        return *assay.assay;
    }
    return assayOfCalculation(path);
}

// FILE[:SHARE]; the share is taken after the last colon when it reads as a
// number, so that a path may hold colons. Without a share: nothing. A text
// after the last colon that is no number, where the text before it names a
// file and the whole names none, is a share mistyped ("nan", "50%"), not a
// file that is missing.
std::variant<assays::BlendPart, Refusal> blendPartOf(const std::string& text,
                                                     std::optional<double>& share) {
    const std::size_t colon = text.rfind(':');
    std::string path = text;
    share.reset();
    if (colon != std::string::npos && colon + 1 < text.size()) {
        share = readWholeNumber(text.substr(colon + 1));
        if (share) {
            path = text.substr(0, colon);
        } else {
            std::error_code error;
            if (std::filesystem::exists(text.substr(0, colon), error) &&
                !std::filesystem::exists(text, error)) {
                return Refusal{text.substr(0, colon) + ": the share \"" + text.substr(colon + 1) +
                               "\" is not a number"};
            }
        }
    }
    std::variant<Assay, Refusal> oil = oilOfFile(path);
    if (auto* refusal = std::get_if<Refusal>(&oil)) {
        return *refusal;
    }
    return assays::BlendPart{std::get<Assay>(std::move(oil)), share.value_or(0)};
}

int finish(const char* command, const Assay& assay, const AssayOutputOptions& output) {
    const assays::FiguresOutcome outcome = assays::characteriseAssay(assay);
    if (!outcome.figures) {
        std::cerr << "viskora-calc " << command << ": " << printable(outcome.problem, true) << '\n';
        return kExitInputError;
    }
    if (output.json) {
        std::cout << assayFiguresJson(*outcome.figures, command).dump(2) << '\n';
    } else if (output.csv) {
        writeAssayCsv(std::cout, *outcome.figures);
    } else {
        printAssayFigures(std::cout, *outcome.figures);
    }
    if (!output.save.empty()) {
        const SaveResult saved = assays::saveAssayDocument(output.save, assay);
        if (!saved) {
            std::cerr << "viskora-calc " << command << ": " << printable(saved.message, true)
                      << '\n';
            return kExitSaveFailed;
        }
    }
    return kExitResults;
}

int refuse(const char* command, const Refusal& refusal) {
    std::cerr << "viskora-calc " << command << ": " << printable(refusal.message, true) << '\n';
    if (refusal.status == kExitUsage) {
        std::cerr << "(see viskora-calc " << command << " --help)\n";
    }
    return refusal.status;
}

int runAssay(const AssayOptions& options) {
    const std::variant<Assay, Refusal> assay = assayOfOptions(options);
    if (const auto* refusal = std::get_if<Refusal>(&assay)) {
        return refuse("assay", *refusal);
    }
    return finish("assay", std::get<Assay>(assay), options.output);
}

int runBlend(const BlendOptions& options) {
    if (options.by != "mass" && options.by != "volume") {
        return refuse("blend", Refusal{"--by must be mass or volume"});
    }
    std::vector<assays::BlendPart> parts;
    std::size_t withShare = 0;
    for (const std::string& text : options.files) {
        std::optional<double> share;
        std::variant<assays::BlendPart, Refusal> part = blendPartOf(text, share);
        if (const auto* refusal = std::get_if<Refusal>(&part)) {
            return refuse("blend", *refusal);
        }
        withShare += share ? 1 : 0;
        parts.push_back(std::get<assays::BlendPart>(std::move(part)));
    }
    // Oils without shares blend in equal parts; a share for some only is a
    // slip that an equal split would hide.
    if (withShare != 0 && withShare != parts.size()) {
        return refuse("blend", Refusal{"give every oil a share (FILE:SHARE) or none"});
    }
    if (withShare == 0) {
        for (assays::BlendPart& part : parts) {
            part.sharePct = 100.0 / static_cast<double>(parts.size());
        }
    }
    const assays::BlendOutcome blend = assays::blendOils(
        parts, options.by == "mass" ? assays::ShareBasis::Mass : assays::ShareBasis::Volume,
        options.name);
    if (!blend.blend) {
        return refuse("blend", Refusal{blend.problem, kExitInputError});
    }
    return finish("blend", *blend.blend, options.output);
}

void addOutputOptions(CLI::App& command, AssayOutputOptions& output) {
    // An assay asks nothing; --yes is taken, and changes nothing, so that a
    // script may pass every calculating command the same options.
    command.add_flag("--yes", output.yes, "Taken for scripts: an assay asks no question");
    auto* json = command.add_flag("--json", output.json, "Write one JSON object");
    command.add_flag("--csv", output.csv, "Write comma-separated records")->excludes(json);
    command.add_option("--save", output.save, "Save the assay as a .vka document")
        ->check([](const std::string& path) {
            return path.empty() ? std::string("--save needs a file name") : std::string();
        });
}

} // namespace

void addAssayCommand(CLI::App& app, int& exitStatus) {
    auto options = std::make_shared<AssayOptions>();
    CLI::App* command =
        app.add_subcommand("assay", "Characterise an assay's cuts and the whole oil");
    command->add_option("file", options->file, "An assay document (.vka)");
    command->add_option("--cut", options->cuts,
                        "START:END:YIELD[:DENSITY[@TEMP]]: one TBP cut, deg.C, % and kg/m3 "
                        "(at 15 deg.C unless TEMP); START or END empty when not given");
    command->add_option("--light-end", options->lightEnds,
                        "COMPONENT:YIELD: a light end by component (ethane, propane, isobutane, "
                        "n-butane, isopentane, n-pentane), on the yields' basis; repeat");
    command->add_option("--yield", options->yield, "Yields by mass or volume")
        ->capture_default_str();
    command->add_option("--name", options->name, "Name of the assay");
    command->add_option("--density", options->density, "Density of the whole oil, kg/m3");
    command->add_option("--density-temp", options->densityTemp, "Its temperature, deg.C")
        ->capture_default_str();
    addOutputOptions(*command, options->output);
    command->callback([options, &exitStatus] { exitStatus = runAssay(*options); });
}

void addBlendCommand(CLI::App& app, int& exitStatus) {
    auto options = std::make_shared<BlendOptions>();
    CLI::App* command = app.add_subcommand(
        "blend", "Blend oils (.vka assays, .vkr calculations) by mass or volume");
    command->add_option("oils", options->files, "FILE:SHARE for each oil, shares in per cent")
        ->required();
    command->add_option("--by", options->by, "Shares by mass or volume")->required();
    command->add_option("--name", options->name, "Name of the blend")->capture_default_str();
    addOutputOptions(*command, options->output);
    command->callback([options, &exitStatus] { exitStatus = runBlend(*options); });
}

} // namespace viskora
