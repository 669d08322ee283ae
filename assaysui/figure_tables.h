#pragma once

#include "assays/assay_figures.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace viskora {

// What the assay's tables, exports and reports show of its figures, in one
// place: each figure's title, unit and the decimals it is shown with, and
// its value. Numbers are in the library's units (deg.C, kg/m3, mm2/s, kg/kmol).
struct FigureColumn {
    QString title;
    QString shortTitle; // a table's narrow heading
    QString unit;       // empty for a number without a unit
    // Decimals shown; -1 for three significant digits (viscosities, which
    // run over several decades).
    int decimals;
    // How the figure was found, where a reader must know it; empty for most.
    QString note = {};
};

// The characterised cuts: after the cut's boiling range, one column a figure.
const std::vector<FigureColumn>& cutFigureColumns();
std::vector<std::optional<double>> cutFigureValues(const assays::CutFigures& cut);
// "36-74", "below 36" for a first cut without a start, "538+" for a residue;
// a light end given by component, its name ("propane").
QString cutRangeText(const assays::CutFigures& cut);

// The whole oil's figures, one row a figure; the vapour pressures in kPa.
const std::vector<FigureColumn>& oilFigureRows();
std::vector<std::optional<double>> oilFigureValues(const assays::OilFigures& oil);
// A whole-oil figure as its table and the report show it: "-" for none.
QString shownOilFigure(std::optional<double> value, int decimals);

// A figure as the tables and the reports show it; empty for none (or for a
// value that is not finite, which must never show).
QString shownFigure(std::optional<double> value, int decimals);
// A figure at full precision for files read by programs: shortest
// round-trip text, "." decimals; empty for none.
QString exactFigure(std::optional<double> value);

// "title, unit" or the title alone; the short one of a narrow table.
QString figureHeading(const FigureColumn& column);
QString shortFigureHeading(const FigureColumn& column);

} // namespace viskora
