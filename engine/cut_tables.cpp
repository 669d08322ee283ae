#include "engine/cut_tables.h"

namespace viskora {
namespace {

struct CutBand {
    int first; // first cut of the band
    int last;  // last cut of the band, inclusive
    double value;
};

// Density of the narrow cuts at 20 deg.C, kg/m3, by boiling band. The table
// is measured data and not monotonic; the values are used as they stand.
constexpr CutBand kCutDensity[] = {
    {0, 2, 599},        {3, 14, 640.88},    {15, 24, 668.58},   {25, 34, 694.1},
    {35, 44, 716.33},   {45, 54, 724.5},    {55, 64, 734.85},   {65, 74, 744.58},
    {75, 84, 739.75},   {85, 94, 774.83},   {95, 104, 765.83},  {105, 114, 764.43},
    {115, 124, 774.4},  {125, 134, 779.23}, {135, 144, 783.73}, {145, 154, 788.43},
    {155, 164, 797.08}, {165, 174, 811.23}, {175, 184, 805.43}, {185, 194, 809.95},
    {195, 204, 811.38}, {205, 214, 820.78}, {215, 224, 825.3},  {225, 234, 830.48},
    {235, 244, 836.88}, {245, 254, 835.48}, {255, 264, 836.73}, {265, 274, 841.53},
    {275, 284, 844.88}, {285, 294, 853.5},  {295, 304, 859.8},  {305, 314, 862.88},
    {315, 364, 875.2},  {365, 389, 880.5},  {390, 414, 889.23}, {415, 439, 895.68},
    {440, 464, 907.5},  {465, 479, 928.1},  {480, 514, 991},    {515, 799, 995},
};

// Typical mass distribution, % per cut; the cuts above 550 deg.C hold none.
constexpr CutBand kDefaultShare[] = {
    {0, 17, 0.0875},   {18, 18, 0.0983},  {19, 164, 0.16833},
    {165, 264, 0.205}, {265, 314, 0.215}, {315, 514, 0.2125},
};

void fillBands(CutArray& target, const CutBand* begin, const CutBand* end) {
    for (const CutBand* band = begin; band != end; ++band) {
        for (int i = band->first; i <= band->last; ++i) {
            target[static_cast<std::size_t>(i)] = band->value;
        }
    }
}

} // namespace

void fillCutTables(CutArray& low, CutArray& high, CutArray& density, CutArray& defaultShare) {
    for (int i = 0; i < kCutCount; ++i) {
        low[static_cast<std::size_t>(i)] = 35 + i;
        high[static_cast<std::size_t>(i)] = 36 + i;
    }
    fillBands(density, std::begin(kCutDensity), std::end(kCutDensity));
    defaultShare.fill(0.0);
    fillBands(defaultShare, std::begin(kDefaultShare), std::end(kDefaultShare));
}

} // namespace viskora
