#pragma once

#include "documents/document_records.h"
#include "engine/light_ends.h"

namespace viskora {

// The light ends a form's texts give the engine: each text that is not empty
// read by the one text-to-number routine (an empty text is a component not
// given; "0" is one given as none).
LightEnds lightEndsOfTexts(const LightEndTexts& texts);

// The texts a form shows for light ends by component (a component given
// twice adds up), in their shortest round-trip form; components not among
// them stay empty.
LightEndTexts lightEndTextsOf(const LightEnds& lightEnds);

} // namespace viskora
