#pragma once

#include "documents/document_records.h"

#include <string>

namespace viskora {

// The plain-text reports with their ASCII fraction table, as UTF-8 without a
// byte-order mark and with CR LF line ends, so that terminals and editors
// show them as they are. Their characters are those the windows-1251 files
// of the program can hold, as in the HTML report: any other becomes "?".
// The fraction rows come from `rows` (the live table), as many as the
// record's fraction count says.
std::string basicTextReport(const BasicDocumentRecord& record, const FractionRows& rows);
std::string additionalTextReport(const AdditionalDocumentRecord& record, const FractionRows& rows);

} // namespace viskora
