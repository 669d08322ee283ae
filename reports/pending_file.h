#pragma once

#include "documents/replacement_file.h"

namespace viskora {

// A report file is replaced as a saved document is: only once it is
// complete, never over a file that must not be replaced.
using PendingFile = ReplacementFile;

} // namespace viskora
