#pragma once

#include "engine/oil_inputs.h"

namespace viskora {

class COilCalc;

// Puts an oil's inputs into a new engine record, as given: the one place
// outside the engine's steps that writes the record's inputs.
void fillOilCalc(COilCalc& calc, const OilInputs& oil);

} // namespace viskora
