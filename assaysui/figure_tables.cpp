#include "assaysui/figure_tables.h"

#include "units/display_format.h"

#include <cmath>

namespace viskora {
namespace {

const QString kCelsius = QStringLiteral("°C");
const QString kViscosity = QStringLiteral("mm²/s");
// Vapour pressures of crude oils are stated in kPa (the Reid test's tens of
// kPa; a heavy crude's fraction of one).
const QString kPressure = QStringLiteral("kPa");
constexpr double kKilopascalsPerMegapascal = 1000;
const QString kVapourPressureNote =
    QStringLiteral("by narrow cuts and light ends (Raoult's law); dissolved air left out");

std::optional<double> inKilopascals(std::optional<double> megapascals) {
    return megapascals ? std::optional(*megapascals * kKilopascalsPerMegapascal) : std::nullopt;
}

} // namespace

const std::vector<FigureColumn>& cutFigureColumns() {
    static const std::vector<FigureColumn> columns{
        {QStringLiteral("Mid boiling point"), QStringLiteral("Mid BP"), kCelsius, 1},
        {QStringLiteral("Mass"), QStringLiteral("Mass"), QStringLiteral("%"), 2},
        {QStringLiteral("Volume"), QStringLiteral("Volume"), QStringLiteral("%"), 2},
        {QStringLiteral("Density at 15 °C"), QStringLiteral("Density 15 °C"),
         QStringLiteral("kg/m³"), 1},
        {QStringLiteral("SG 60/60 °F"), QStringLiteral("SG"), QString(), 4},
        {QStringLiteral("API gravity"), QStringLiteral("API"), QStringLiteral("°API"), 1},
        {QStringLiteral("Watson K"), QStringLiteral("Watson K"), QString(), 2},
        {QStringLiteral("Molecular weight"), QStringLiteral("MW"), QStringLiteral("kg/kmol"), 0},
        {QStringLiteral("Viscosity at 40 °C"), QStringLiteral("ν 40 °C"), kViscosity, -1},
        {QStringLiteral("Viscosity at 100 °C"), QStringLiteral("ν 100 °C"), kViscosity, -1},
    };
    return columns;
}

std::vector<std::optional<double>> cutFigureValues(const assays::CutFigures& cut) {
    return {cut.midBoilingC, cut.massPct, cut.volumePct, cut.density15,   cut.specificGravity,
            cut.apiGravity,  cut.watsonK, cut.molarMass, cut.viscosity40, cut.viscosity100};
}

QString cutRangeText(const assays::CutFigures& cut) {
    if (cut.component) {
        const std::string_view name = constantsOf(*cut.component).name;
        return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }
    const auto number = [](double value) { return QString::fromStdString(formatFixed(value, 0)); };
    if (!cut.startC && cut.endC) {
        return QStringLiteral("below %1").arg(number(*cut.endC));
    }
    if (cut.startC && !cut.endC) {
        return QStringLiteral("%1+").arg(number(*cut.startC));
    }
    if (cut.startC && cut.endC) {
        return QStringLiteral("%1–%2").arg(number(*cut.startC), number(*cut.endC));
    }
    return QStringLiteral("whole range");
}

const std::vector<FigureColumn>& oilFigureRows() {
    static const std::vector<FigureColumn> rows{
        {QStringLiteral("Density at 15 °C"), QStringLiteral("Density 15 °C"),
         QStringLiteral("kg/m³"), 1},
        {QStringLiteral("Density at 20 °C"), QStringLiteral("Density 20 °C"),
         QStringLiteral("kg/m³"), 1},
        {QStringLiteral("SG 60/60 °F"), QStringLiteral("SG"), QString(), 4},
        {QStringLiteral("API gravity"), QStringLiteral("API"), QStringLiteral("°API"), 1},
        {QStringLiteral("Watson K"), QStringLiteral("Watson K"), QString(), 2},
        {QStringLiteral("Molecular weight"), QStringLiteral("MW"), QStringLiteral("kg/kmol"), 0},
        {QStringLiteral("Viscosity at 20 °C"), QStringLiteral("ν 20 °C"), kViscosity, -1},
        {QStringLiteral("Viscosity at 40 °C"), QStringLiteral("ν 40 °C"), kViscosity, -1},
        {QStringLiteral("Viscosity at 50 °C"), QStringLiteral("ν 50 °C"), kViscosity, -1},
        {QStringLiteral("Viscosity at 100 °C"), QStringLiteral("ν 100 °C"), kViscosity, -1},
        {QStringLiteral("Viscosity index"), QStringLiteral("VI"), QString(), 0},
        {QStringLiteral("Reid vapour pressure"), QStringLiteral("RVP"), kPressure, -1,
         kVapourPressureNote},
        {QStringLiteral("True vapour pressure at 20 °C"), QStringLiteral("TVP 20 °C"), kPressure,
         -1, kVapourPressureNote},
        {QStringLiteral("True vapour pressure at 37.8 °C"), QStringLiteral("TVP 37.8 °C"),
         kPressure, -1, kVapourPressureNote},
    };
    return rows;
}

std::vector<std::optional<double>> oilFigureValues(const assays::OilFigures& oil) {
    return {oil.density15,
            oil.density20,
            oil.specificGravity,
            oil.apiGravity,
            oil.watsonK,
            oil.molarMass,
            oil.viscosity20,
            oil.viscosity40,
            oil.viscosity50,
            oil.viscosity100,
            oil.viscosityIndex,
            inKilopascals(oil.reidVapourPressure),
            inKilopascals(oil.trueVapourPressure20),
            inKilopascals(oil.trueVapourPressure37_8)};
}

QString shownOilFigure(std::optional<double> value, int decimals) {
    const QString text = shownFigure(value, decimals);
    return text.isEmpty() ? QStringLiteral("-") : text;
}

QString shownFigure(std::optional<double> value, int decimals) {
    if (!value || !std::isfinite(*value)) {
        return {};
    }
    return QString::fromStdString(decimals < 0 ? formatForDisplay(*value)
                                               : formatFixed(*value, decimals));
}

QString exactFigure(std::optional<double> value) {
    if (!value || !std::isfinite(*value)) {
        return {};
    }
    return QString::fromStdString(shortestNumberText(*value));
}

QString figureHeading(const FigureColumn& column) {
    return column.unit.isEmpty() ? column.title : column.title + QStringLiteral(", ") + column.unit;
}

QString shortFigureHeading(const FigureColumn& column) {
    return column.unit.isEmpty() ? column.shortTitle
                                 : column.shortTitle + QStringLiteral(", ") + column.unit;
}

} // namespace viskora
