#pragma once

#include "assays/assay.h"
#include "assays/engine_oil.h"
#include "engine/calc_steps.h"
#include "engine/narrow_cut_vapour_pressure.h"
#include "engine/narrow_cut_viscosity.h"
#include "engine/oil_cuts.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace viskora::assays {

// An assay's oil on the engine's narrow cuts, ready for the viscosity by
// narrow cuts at any temperature. The engine spreads each row of the
// fraction table over its 1 deg.C cuts (each with its typical density);
// here each row's cuts are then shifted by a constant of their own so that
// they add up by volume to that row's density (the engine itself shifts
// all cuts by one constant to the oil's density), then all together by one
// more so that the whole adds up to the oil's density (the rows give the
// density's shape over the boiling range, the oil's density its level; it
// moves only where the oil's density was measured apart from its cuts'),
// and Twu's correlation draws every cut's ASTM D341 line from its density. A row with a
// measured viscosity has the lines of its cuts moved in level, all by one
// factor of ln Z (a parallel move in the Walther chart), keeping Twu's
// slopes, until the row's blend at the measured temperature is the
// measured viscosity.
class AssayNarrowCuts {
  public:
    struct Build;

    // `measured` holds, for each row of `oil`, the viscosity measured on
    // it, if any.
    static Build build(const EngineOil& oil,
                       const std::vector<std::optional<StatedViscosity>>& measured);

    // The whole oil's kinematic viscosity at `tempC`, mm2/s, every cut held
    // liquid (a closed viscometer at atmospheric pressure).
    double wholeOilViscosity(double tempC) const;

    // The same for row `row` of the fraction table alone.
    double rowViscosity(std::size_t row, double tempC) const;

    // The whole oil as the components of its vapour: these cuts at their
    // densities and `lightEnds`, per cent of the oil's mass, counted within
    // the first row; nothing when they have no value.
    std::optional<OilVolatility> volatility(const LightEnds& lightEnds) const;

    // The whole oil as the engine characterises it in the basic
    // calculation (Watson K, molar mass, relative densities).
    const Characterisation& characterisation() const { return oil_.wholeOil; }

    // The narrow cuts themselves: their boundaries, mass shares (per cent
    // of the oil, light ends within the first row) and densities at 20
    // deg.C as shifted to the assay's rows and the oil's density.
    CutDistribution distribution() const { return oil_.distribution(); }

    // kg/m3, the one shift of every narrow cut's density that took the
    // cuts from the assay's rows to the whole oil's density.
    double densityLevel() const { return level_; }

  private:
    AssayNarrowCuts() = default;
    CutDistribution cutsOf(int first, int end) const;
    // Moves row `row`'s lines through the measured point; the message names
    // the assay's cut `cutNumber` (1-based) when no move reaches it.
    std::optional<std::string> anchor(std::size_t row, const StatedViscosity& measured,
                                      std::size_t cutNumber);

    // The engine's distribution of the oil, its cut densities replaced by
    // those shifted to the assay's row densities.
    OilCuts oil_;
    std::vector<std::pair<int, int>> rowCuts_; // first..end of each row
    double firstRowStartC = 0;                 // as the fraction table gives it: 0 not given
    double level_ = 0;
    CutViscosityLines lines_;
};

struct AssayNarrowCuts::Build {
    std::optional<AssayNarrowCuts> cuts;
    std::string problem; // the engine's message or the row that failed
};

} // namespace viskora::assays
