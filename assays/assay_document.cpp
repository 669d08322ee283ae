#include "assays/assay_document.h"

#include "documents/json_envelope.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace viskora::assays {
namespace {

using nlohmann::json;

constexpr std::string_view kFormatName = "viskora-assay";

const std::string kNotAnAssayDocument =
    "Cannot read this file.\nThis is not a Viskora assay document.";

std::string damaged(const std::string& what) {
    return "Cannot read this file.\nThe assay document is damaged: " + what + ".";
}

json stated(double value, double temp) {
    return {{"value", value}, {"temp", temp}};
}

json optionalNumber(const std::optional<double>& value) {
    return value ? json(*value) : json(nullptr);
}

// Takes the fields of one JSON object out, remembering the first fault.
class FieldReader {
  public:
    FieldReader(const json& object, std::string where, std::string& fault)
        : object_(object), where_(std::move(where)), fault_(fault) {}

    const json* field(const char* name) {
        const auto found = object_.find(name);
        if (found == object_.end()) {
            fail(std::string(name) + " is missing");
            return nullptr;
        }
        return &*found;
    }

    void number(const char* name, double& out) {
        const json* value = field(name);
        if (value != nullptr && (!value->is_number() || !std::isfinite(value->get<double>()))) {
            fail(std::string(name) + " is not a number");
        } else if (value != nullptr) {
            out = value->get<double>();
        }
    }

    void numberOrNull(const char* name, std::optional<double>& out) {
        const json* value = field(name);
        if (value != nullptr && value->is_number() && std::isfinite(value->get<double>())) {
            out = value->get<double>();
        } else if (value != nullptr && !value->is_null()) {
            fail(std::string(name) + " is neither a number nor null");
        }
    }

    // A {"value", "temp"} object, or null.
    template <typename Stated, typename Member>
    void statedOrNull(const char* name, std::optional<Stated>& out, Member valueMember) {
        const json* value = field(name);
        if (value == nullptr || value->is_null()) {
            return;
        }
        if (!value->is_object()) {
            fail(std::string(name) + " is neither an object nor null");
            return;
        }
        Stated read;
        FieldReader inner(*value, where_ + name + ": ", fault_);
        inner.number("value", read.*valueMember);
        inner.number("temp", read.tempC);
        out = read;
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

void readCuts(const json& cuts, Assay& assay, std::string& fault) {
    if (cuts.size() > kMaxAssayCuts) {
        fault = damaged("it has more than 100 cuts");
        return;
    }
    for (std::size_t i = 0; i < cuts.size() && fault.empty(); ++i) {
        const std::string where = "in cut " + std::to_string(i + 1) + ", ";
        if (!cuts[i].is_object()) {
            fault = damaged(where + "the cut is not an object");
            return;
        }
        FieldReader reader(cuts[i], where, fault);
        AssayCut cut;
        reader.numberOrNull("start", cut.startC);
        reader.numberOrNull("end", cut.endC);
        reader.number("yield", cut.yield);
        reader.statedOrNull("density", cut.density, &StatedDensity::kgPerM3);
        reader.statedOrNull("viscosity", cut.viscosity, &StatedViscosity::mm2PerS);
        assay.cuts.push_back(cut);
    }
}

// The light ends given by component: at most one entry per component.
void readLightEnds(const json& lightEnds, Assay& assay, std::string& fault) {
    if (!lightEnds.is_array()) {
        fault = damaged("lightEnds is not a list");
        return;
    }
    if (lightEnds.size() > kLightEndCount) {
        fault = damaged("it has more than " + std::to_string(kLightEndCount) + " light ends");
        return;
    }
    for (std::size_t i = 0; i < lightEnds.size() && fault.empty(); ++i) {
        const std::string where = "in light end " + std::to_string(i + 1) + ", ";
        if (!lightEnds[i].is_object()) {
            fault = damaged(where + "the light end is not an object");
            return;
        }
        FieldReader reader(lightEnds[i], where, fault);
        LightEndYield given;
        const json* component = reader.field("component");
        const std::optional<LightEnd> known = component != nullptr && component->is_string()
                                                  ? lightEndNamed(component->get<std::string>())
                                                  : std::nullopt;
        if (component != nullptr && !known) {
            reader.fail("component is none of ethane, propane, isobutane, n-butane, isopentane, "
                        "n-pentane");
        } else if (known) {
            given.component = *known;
        }
        reader.number("yield", given.yield);
        assay.lightEnds.push_back(given);
    }
}

} // namespace

std::string assayDocumentText(const Assay& assay) {
    json cuts = json::array();
    for (const AssayCut& cut : assay.cuts) {
        cuts.push_back(
            {{"start", optionalNumber(cut.startC)},
             {"end", optionalNumber(cut.endC)},
             {"yield", cut.yield},
             {"density",
              cut.density ? stated(cut.density->kgPerM3, cut.density->tempC) : json(nullptr)},
             {"viscosity", cut.viscosity ? stated(cut.viscosity->mm2PerS, cut.viscosity->tempC)
                                         : json(nullptr)}});
    }
    json document = {
        {"format", kFormatName},
        {"version", kAssayFormatVersion},
        {"name", assay.name},
        {"yieldBasis", assay.basis == YieldBasis::Mass ? "mass" : "volume"},
        {"density",
         assay.density ? stated(assay.density->kgPerM3, assay.density->tempC) : json(nullptr)},
        {"cuts", cuts},
    };
    // Written only when given, so that an assay without them is the file
    // it always was.
    if (!assay.lightEnds.empty()) {
        json lightEnds = json::array();
        for (const LightEndYield& given : assay.lightEnds) {
            lightEnds.push_back(
                {{"component", constantsOf(given.component).name}, {"yield", given.yield}});
        }
        document["lightEnds"] = lightEnds;
    }
    // A name that is not valid UTF-8 (only a damaged input brings one) is
    // written with replacement characters rather than not at all.
    return document.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

bool isAssayDocument(std::string_view bytes) {
    switch (openJsonEnvelope(bytes, kFormatName, kAssayFormatVersion).fault) {
    case EnvelopeFault::NotThisKind:
        return false;
    case EnvelopeFault::Oversized:
        // Not parsed: it is taken as an assay when it names the format.
        return bytes.find("\"" + std::string(kFormatName) + "\"") != std::string_view::npos;
    case EnvelopeFault::NoVersion:
    case EnvelopeFault::UnreadableVersion:
    case EnvelopeFault::NewerVersion:
    case EnvelopeFault::NumberOutOfRange:
    case EnvelopeFault::None:
        break;
    }
    return true;
}

AssayReadResult readAssayDocument(std::string_view bytes) {
    const JsonEnvelope envelope = openJsonEnvelope(bytes, kFormatName, kAssayFormatVersion);
    switch (envelope.fault) {
    case EnvelopeFault::NotThisKind:
        return {std::nullopt, kNotAnAssayDocument};
    case EnvelopeFault::NoVersion:
    case EnvelopeFault::UnreadableVersion:
    case EnvelopeFault::Oversized:
    case EnvelopeFault::NumberOutOfRange:
        return {std::nullopt, damaged(envelopeDamage(envelope, kAssayFormatVersion))};
    case EnvelopeFault::NewerVersion:
        return {std::nullopt, "Cannot read this file.\nIt was written by a newer version of "
                              "Viskora (assay format " +
                                  std::to_string(envelope.version) + ")."};
    case EnvelopeFault::None:
        break;
    }
    const json& root = envelope.root;
    Assay assay;
    std::string fault;
    FieldReader top(root, {}, fault);
    const json* name = top.field("name");
    if (name != nullptr && !name->is_string()) {
        top.fail("name is not a text");
    } else if (name != nullptr) {
        assay.name = name->get<std::string>();
    }
    const json* basis = top.field("yieldBasis");
    if (basis != nullptr && *basis == "mass") {
        assay.basis = YieldBasis::Mass;
    } else if (basis != nullptr && *basis == "volume") {
        assay.basis = YieldBasis::Volume;
    } else if (basis != nullptr) {
        top.fail("yieldBasis is neither mass nor volume");
    }
    top.statedOrNull("density", assay.density, &StatedDensity::kgPerM3);
    const json* cuts = top.field("cuts");
    if (cuts != nullptr && !cuts->is_array()) {
        top.fail("cuts is not a list");
    } else if (cuts != nullptr && fault.empty()) {
        readCuts(*cuts, assay, fault);
    }
    if (const auto lightEnds = root.find("lightEnds"); lightEnds != root.end() && fault.empty()) {
        readLightEnds(*lightEnds, assay, fault);
    }
    if (!fault.empty()) {
        return {std::nullopt, fault};
    }
    return {std::move(assay), {}};
}

SaveResult saveAssayDocument(const std::filesystem::path& path, const Assay& assay) {
    return saveDocumentFile(path, assayDocumentText(assay));
}

AssayReadResult openAssayDocument(const std::filesystem::path& path) {
    const DocumentBytes read = readDocumentFile(path);
    if (!read.bytes) {
        return {std::nullopt, read.failure};
    }
    return readAssayDocument(*read.bytes);
}

} // namespace viskora::assays
