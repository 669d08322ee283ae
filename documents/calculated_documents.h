#pragma once

#include "documents/document_records.h"
#include "documents/oil_texts.h"

#include <string>

namespace viskora {

// The record a new basic form holds after Calculate with these inputs: the
// inputs and their units as given, the methods, the results in the form's
// default units as it shows them, and the fraction rows given (five rows of
// "0" and the switch off when none were).
BasicDocumentRecord basicDocumentAfterCalculate(const ResolvedOil& oil,
                                                const BasicResults& results);

// The same for a new additional form: the design state as given (the
// temperature in the oil's temperature unit), the shares and results as the
// form shows them.
AdditionalDocumentRecord additionalDocumentAfterCalculate(const ResolvedOil& oil,
                                                          const std::string& designTempText,
                                                          const std::string& designPressureText,
                                                          int pressureUnit,
                                                          const AdditionalResults& results);

} // namespace viskora
