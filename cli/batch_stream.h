#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace viskora {

// Calculates a batch file read from `in` and writes the output to `out`, a
// window of rows at a time: the reading thread reads a few thousand records
// (at most a few MiB of them), the `threads` threads (0: one per core)
// resolve, calculate and format them, and the reading thread writes their
// lines in input order before it reads on. Memory stays bounded whatever
// the length of the input. Gives why the file could not be read to its end,
// or nothing; the header and the windows before a malformed record have
// then been written already. Stops early when `out` fails.
std::optional<std::string> streamBatch(std::istream& in, std::ostream& out, bool answerYes,
                                       unsigned threads);

} // namespace viskora
