#pragma once

#include "documents/document_records.h"

#include <string>

namespace viskora {

// The HTML report pages as windows-1251 bytes: the kind's built-in template,
// then the values as one run of markup. Every record text and table cell is
// cut to kMaxShownCharacters (shown_text.h) and escaped for HTML. The
// fraction rows come from `rows`, as many as the record's fraction count
// says; the table's two heading rows are its head (thead), which the PDF
// report repeats on every page the table runs on. Every element is closed in
// order, as Qt's rich text needs it.
std::string basicHtmlReport(const BasicDocumentRecord& record, const FractionRows& rows);
std::string additionalHtmlReport(const AdditionalDocumentRecord& record, const FractionRows& rows);

} // namespace viskora
