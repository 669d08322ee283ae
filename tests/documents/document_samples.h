#pragma once

#include "documents/document_records.h"

#include <string>
#include <string_view>
#include <vector>

namespace viskora::testing {

// The lines joined, each followed by `end`.
std::string joinLines(const std::vector<std::string>& lines, std::string_view end = "\n");

// The 48 lines of a new basic form's file.
std::vector<std::string> newBasicFileLines();

// A basic record with results, non-ASCII texts and a few fraction rows.
BasicDocumentRecord sampleBasic();

// An additional record with results in units other than the defaults.
AdditionalDocumentRecord sampleAdditional();

// Reading a file and writing the record again gives the same bytes: every
// field survived.
void expectSameBasic(const BasicDocumentRecord& read, const BasicDocumentRecord& written);

} // namespace viskora::testing
