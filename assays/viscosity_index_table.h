#pragma once

#include <array>

namespace viskora::assays {

// A row of ASTM D2270's Table 1.
struct ViscosityIndexRow {
    double viscosity100; // mm2/s
    double l;            // mm2/s at 40 deg.C, index 0
    double h;            // mm2/s at 40 deg.C, index 100
};

inline constexpr std::size_t kViscosityIndexRows = 311;

// The table, by rising viscosity100: steps of 0.1 mm2/s to 20, 0.2 to 30,
// 0.5 to 70.
const std::array<ViscosityIndexRow, kViscosityIndexRows>& viscosityIndexTable();

} // namespace viskora::assays
