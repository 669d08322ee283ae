#pragma once

#include "documents/document_records.h"

#include <string>

namespace viskora {

// The plain-text reports with their ASCII fraction table, as windows-1251
// bytes with CR LF line ends. The fraction rows come from `rows` (the live
// table), as many as the record's fraction count says.
std::string basicTextReport(const BasicDocumentRecord& record, const FractionRows& rows);
std::string additionalTextReport(const AdditionalDocumentRecord& record, const FractionRows& rows);

} // namespace viskora
