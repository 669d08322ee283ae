#pragma once

#include <string>
#include <vector>

namespace viskora::testing {

struct CalculatorRun {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

// Runs the built viskora-calc with the given arguments and collects its
// exit status and both output streams.
CalculatorRun runCalculator(const std::vector<std::string>& arguments);

} // namespace viskora::testing
