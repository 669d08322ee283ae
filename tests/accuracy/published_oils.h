#pragma once

#include "assays/assay.h"
#include "engine/calc_results.h"
#include "engine/oil_inputs.h"

#include <optional>
#include <string>
#include <vector>

// Published oils with measured viscosities, and the program's figures for
// them.
namespace viskora::testing {

struct MeasuredPoint {
    double tempC = 0;
    double viscosity = 0; // mm2/s
};

// A cut of a published assay: TBP range (nothing where the assay leaves it
// open), yields and density at 15 deg.C.
struct PublishedAssayCut {
    std::optional<double> fromC;
    std::optional<double> toC;
    double volumePct = 0;
    double massPct = 0;
    double density15 = 0; // kg/m3
};

struct PublishedOil {
    std::string id;
    std::string group;
    double density = 0; // kg/m3 at densityTemp
    double densityTemp = 0;
    std::vector<std::string> fractions; // "START:END:SHARE", deg.C and mass %
    std::optional<double> pourPoint;    // deg.C
    std::vector<MeasuredPoint> viscosities;
    std::vector<PublishedAssayCut> assayCuts; // the crudes' own assays
    std::optional<double> reidVapourPressure; // MPa, measured
};

std::vector<PublishedOil> publishedOils();

// How the oil is described to the program.
enum class OilInput { FractionTable, DensityOnly };

// The oil's inputs to the engine.
OilInputs oilInputsOf(const PublishedOil& oil, OilInput input, ViscosityMethod method);

// The whole oil's kinematic viscosity at `tempC` and atmospheric pressure, as
// a closed viscometer holds it (no light ends boiled off); nothing when the
// engine refuses the oil.
std::optional<double> computedViscosity(const PublishedOil& oil, OilInput input,
                                        ViscosityMethod method, double tempC);

// A published crude as its own assay: the cuts by volume with their
// densities at 15 deg.C (the light ends as the one cut the assay gives),
// the yields as published (rounded: they add up to 100 within about
// 1e-3 %), and the whole oil's measured density.
assays::Assay assayOf(const PublishedOil& oil);

// The oil's fraction table (its light ends within the first row) and
// density as an assay by mass.
assays::Assay fractionTableAssayOf(const PublishedOil& oil);

// The median of a list that is not empty.
double medianOf(std::vector<double> values);

} // namespace viskora::testing
