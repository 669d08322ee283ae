#pragma once

#include <vector>

namespace viskora {

// The span and labelled ticks of a logarithmic axis over values from `low`
// to `high` (both above 0, low <= high). An axis of one decade or less
// labels every whole multiple of its decade's power of ten (0.3, 0.4, ...
// 0.9, 1, 2), so that a reader can read values off it; one of up to three
// decades labels 1, 2 and 5 of each; a wider one its whole decades, every
// second or further one when there would be more than ten labels. The span
// runs from the tick at or below `low` to the tick at or above `high`.
struct LogAxisScale {
    double low = 1;
    double high = 10;
    std::vector<double> ticks; // rising, the first `low` and the last `high`
};

LogAxisScale logAxisScale(double low, double high);

} // namespace viskora
