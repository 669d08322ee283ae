// libFuzzer target for the batch file reader: any input must be read without
// a crash, and whatever it reads must come back unchanged when written and
// read again.
#include "cli/csv.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const viskora::csv::ParseResult first = viskora::csv::parse(text);
    if (!first.ok) {
        return 0;
    }
    // A byte-order mark in front, so that a first field that itself starts
    // with one keeps it.
    std::string written = "\xEF\xBB\xBF";
    for (const viskora::csv::Record& record : first.records) {
        written += viskora::csv::line(record);
    }
    const viskora::csv::ParseResult second = viskora::csv::parse(written);
    if (!second.ok || second.records != first.records) {
        std::abort();
    }
    return 0;
}
