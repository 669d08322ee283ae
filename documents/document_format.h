#pragma once

#include "documents/document_records.h"

#include <optional>
#include <string>
#include <string_view>

namespace viskora {

enum class DocumentKind { Basic, Additional };

// The one message for a file that is not a calculation document.
inline constexpr std::string_view kNotAViskoraFileMessage =
    "Cannot read this file.\r\nThis is not a valid Viskora file.";

// The kind of a document from the header of its file bytes: "type" must be
// exactly "Viskora" and "state" 1 (basic) or 2 (additional) in section
// "General". Anything else is not a document.
std::optional<DocumentKind> recogniseDocument(std::string_view bytes);

// The bytes of a document file (windows-1251, line feeds). The fraction
// rows come from rows, record.fractionCount of them (brought into 0..100);
// a row that rows does not have is written as empty cells. A line break
// inside a text would shift every later line, so it is written as a blank.
// Key=value lines follow the fraction rows, each only when it has something
// to say: "viscosity=cuts", "vapourPressure=cuts", "lightEnd=COMPONENT:SHARE"
// for each light end given, and an additional calculation's
// "bubblePoint=BASE" and "bubblePointUnit=INDEX"; a calculation without
// them writes the file it always did.
std::string basicDocumentText(const BasicDocumentRecord& record, const FractionRows& rows);
std::string additionalDocumentText(const AdditionalDocumentRecord& record,
                                   const FractionRows& rows);

// Fill a record from document file bytes. Missing lines read as empty text,
// 0 or 0.0; the key=value lines after the fraction rows give the methods (by
// narrow cuts only when a line says "cuts"), the light ends and the bubble
// point, in any order, other lines being passed by; a number that is not
// finite reads as 0. At most the table's 100 rows are read and
// fractionCount is kept within 0..100. A unit index outside its quantity's
// list reads as the base unit's, as the value beside it is read in the base
// unit. Unit names are left as they are: the form sets them from the unit
// indices. An additional record is marked
// loadedFromFile.
void readBasicDocument(std::string_view bytes, BasicDocumentRecord& record);
void readAdditionalDocument(std::string_view bytes, AdditionalDocumentRecord& record);

BasicDocumentRecord readBasicDocument(std::string_view bytes);
AdditionalDocumentRecord readAdditionalDocument(std::string_view bytes);

} // namespace viskora
