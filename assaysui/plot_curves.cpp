#include "assaysui/plot_curves.h"

#include "assaysui/figure_tables.h"

namespace viskora {

ViscosityPlot::Curve oilCurve(const QString& name, const assays::OilFigures& oil, bool emphasised) {
    ViscosityPlot::Curve curve;
    curve.name = name;
    curve.viscosity40 = oil.viscosity40;
    curve.viscosity100 = oil.viscosity100;
    curve.emphasised = emphasised;
    return curve;
}

std::vector<ViscosityPlot::Curve> assayCurves(const assays::Assay& assay,
                                              const assays::AssayFigures& figures) {
    std::vector<ViscosityPlot::Curve> curves{
        oilCurve(QStringLiteral("Whole oil"), figures.oil, true)};
    for (const assays::CutFigures& cut : figures.cuts) {
        if (!cut.viscosity40 && !cut.viscosity100) {
            continue;
        }
        ViscosityPlot::Curve curve;
        curve.name = cutRangeText(cut) + QStringLiteral(" °C");
        curve.viscosity40 = cut.viscosity40;
        curve.viscosity100 = cut.viscosity100;
        for (const assays::AssayCut& given : assay.cuts) {
            if (given.startC == cut.startC && given.endC == cut.endC && given.viscosity) {
                curve.measured.emplace_back(given.viscosity->tempC, given.viscosity->mm2PerS);
            }
        }
        curves.push_back(curve);
    }
    return curves;
}

} // namespace viskora
