#pragma once

#include "assays/assay.h"
#include "assays/assay_figures.h"
#include "assaysui/viscosity_plot.h"

#include <vector>

namespace viskora {

// The plot's curves of an assay: the whole oil emphasised, then each cut
// with viscosity figures (light ends have none), each with the viscosity
// measured on that cut of `assay`, if any, as a point.
std::vector<ViscosityPlot::Curve> assayCurves(const assays::Assay& assay,
                                              const assays::AssayFigures& figures);

// A whole oil's curve alone, named `name`.
ViscosityPlot::Curve oilCurve(const QString& name, const assays::OilFigures& oil, bool emphasised);

} // namespace viskora
