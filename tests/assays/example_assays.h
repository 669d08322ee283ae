#pragma once

#include "assays/assay.h"

// Assays the tests share, modelled on a published medium crude.
namespace viskora::assays::testing {

// Seven cuts by volume with their densities at 15 deg.C: butanes and
// lighter, naphthas, kerosene, diesel, vacuum gas oil and a residue.
inline Assay mediumCrude() {
    Assay assay;
    assay.name = "Medium crude";
    assay.basis = YieldBasis::Volume;
    assay.cuts = {
        {std::nullopt, 36, 3.9, StatedDensity{566, 15}, {}},
        {36, 74, 7.5, StatedDensity{655.4, 15}, {}},
        {74, 166, 17.0, StatedDensity{761.1, 15}, {}},
        {166, 249, 13.1, StatedDensity{818.1, 15}, {}},
        {249, 343, 15.4, StatedDensity{871.2, 15}, {}},
        {343, 538, 26.5, StatedDensity{930.0, 15}, {}},
        {538, std::nullopt, 16.6, StatedDensity{1024.6, 15}, {}},
    };
    assay.density = StatedDensity{864.4, 15.6};
    return assay;
}

// A light crude's fraction table with its density, no cut densities.
inline Assay lightTableCrude() {
    Assay assay;
    assay.name = "Light crude";
    assay.basis = YieldBasis::Mass;
    assay.cuts = {
        {std::nullopt, 100, 20, {}, {}},
        {100, 200, 30, {}, {}},
        {200, 350, 30, {}, {}},
        {350, 500, 20, {}, {}},
    };
    assay.density = StatedDensity{810, 20};
    return assay;
}

} // namespace viskora::assays::testing
