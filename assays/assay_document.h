#pragma once

#include "assays/assay.h"
#include "documents/document_file.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace viskora::assays {

// The version of the .vka format this program writes; it reads this one and
// every earlier one.
inline constexpr int kAssayFormatVersion = 1;

// The assay as a .vka document: UTF-8 JSON,
//   {"format": "viskora-assay", "version": 1, "name": "...",
//    "yieldBasis": "mass" | "volume", "density": null | {"value", "temp"},
//    "cuts": [{"start", "end", "yield", "density", "viscosity"}, ...]}
// with deg.C, kg/m3 and mm2/s; a start or end not given is null, as is a
// density or viscosity not measured (each else {"value": ..., "temp": ...}).
std::string assayDocumentText(const Assay& assay);

struct AssayReadResult {
    std::optional<Assay> assay;
    std::string message; // why there is none, for the user
};

// Reads a document from its bytes. Anything that is not a sound .vka
// document of a version this program reads gives a message naming the
// field at fault instead. The assay's own soundness (yields adding up to
// 100, cuts in order) is not checked here: a document may hold an assay
// still being typed in; assayProblem says what keeps it from a calculation.
AssayReadResult readAssayDocument(std::string_view bytes);

// Whether the bytes are a .vka document by their content (whatever the
// file's name), sound or damaged.
bool isAssayDocument(std::string_view bytes);

// Saves through the replacement writer: never a half-written file.
SaveResult saveAssayDocument(const std::filesystem::path& path, const Assay& assay);
AssayReadResult openAssayDocument(const std::filesystem::path& path);

} // namespace viskora::assays
