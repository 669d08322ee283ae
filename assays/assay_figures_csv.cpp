#include "assays/assay_figures_csv.h"

#include "assays/descriptors.h"
#include "csv/csv_writing.h"
#include "units/display_format.h"

#include <cmath>

namespace viskora::assays {
namespace {

// The fields of every record, each with its unit ("-" for a number without
// one); the whole oil's own figures follow the cuts' and are empty on a cut.
const csv::Record kHeading{
    "record",
    "start [deg.C]",
    "end [deg.C]",
    "massPct [%]",
    "volumePct [%]",
    "density15 [kg/m3]",
    "density20 [kg/m3]",
    "midBoilingPoint [deg.C]",
    "specificGravity [-]",
    "apiGravity [deg.API]",
    "watsonK [-]",
    "molecularWeight [kg/kmol]",
    "viscosity20 [mm2/s]",
    "viscosity40 [mm2/s]",
    "viscosity50 [mm2/s]",
    "viscosity100 [mm2/s]",
    "viscosityIndex [-]",
    "reidVapourPressure [MPa]",
    "trueVapourPressure20 [MPa]",
    "trueVapourPressure37_8 [MPa]",
    "note",
};

std::string number(std::optional<double> value) {
    return value && std::isfinite(*value) ? shortestNumberText(*value) : std::string();
}

// Notes joined by "; ".
void addNote(std::string& notes, std::string_view note) {
    notes += notes.empty() ? "" : "; ";
    notes += note;
}

csv::Record cutRecord(const CutFigures& c) {
    const std::string record = c.component   ? std::string(constantsOf(*c.component).name)
                               : c.lightEnds ? "lightEnds"
                                             : "cut";
    std::string notes;
    if (c.densityEstimated) {
        addNote(notes, "density from the oil's Watson K");
    }
    if (c.viscosityAnchored) {
        addNote(notes, "viscosities anchored to the measured one");
    }
    if (!c.viscosity40 && (c.lightEnds || c.component)) {
        addNote(notes, "light ends: held within the next cut, whose viscosities include them");
    }
    return {record,
            number(c.startC),
            number(c.endC),
            number(c.massPct),
            number(c.volumePct),
            number(c.density15),
            number(c.density20),
            number(c.midBoilingC),
            number(c.specificGravity),
            number(c.apiGravity),
            number(c.watsonK),
            number(c.molarMass),
            "",
            number(c.viscosity40),
            "",
            number(c.viscosity100),
            "",
            "",
            "",
            "",
            notes};
}

csv::Record oilRecord(const OilFigures& o) {
    std::string notes;
    if (o.densityFromCuts) {
        addNote(notes, "density from the cuts");
    }
    if (!o.viscosityIndex) {
        addNote(notes, "viscosity index " + std::string(kViscosityIndexUndefined));
    }
    return {"oil",
            "",
            "",
            "100",
            "100",
            number(o.density15),
            number(o.density20),
            "",
            number(o.specificGravity),
            number(o.apiGravity),
            number(o.watsonK),
            number(o.molarMass),
            number(o.viscosity20),
            number(o.viscosity40),
            number(o.viscosity50),
            number(o.viscosity100),
            number(o.viscosityIndex),
            number(o.reidVapourPressure),
            number(o.trueVapourPressure20),
            number(o.trueVapourPressure37_8),
            notes};
}

} // namespace

std::string assayFiguresCsv(const AssayFigures& figures) {
    std::string text = csv::line(kHeading);
    for (const CutFigures& cut : figures.cuts) {
        text += csv::line(cutRecord(cut));
    }
    return text + csv::line(oilRecord(figures.oil));
}

} // namespace viskora::assays
