#include "assaysui/viscosity_plot.h"

#include "engine/walther.h"
#include "property_curves_ui/log_category_axis.h"
#include "units/unit_tables.h"

#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace viskora {
namespace {

constexpr double kFromC = 20;
constexpr double kToC = 150;
constexpr double kStepC = 2;

// The viscosity axis: logarithmic, labelled where a reader reads values off
// (1, 2, 5, 10 ...).
QCategoryAxis* viscosityAxis(double low, double high) {
    QCategoryAxis* axis = logCategoryAxis(low, high, logTickLabel);
    axis->setTitleText(QStringLiteral("Kinematic viscosity, mm²/s"));
    return axis;
}

// Ticks on whole twenties where the plot is wide enough for their labels,
// else on fifties, as over a span wider than 200 deg.C.
void spaceTemperatureTicks(QValueAxis& axis, double plotWidth) {
    constexpr double kFineStep = 20;
    constexpr double kCoarseStep = 50;
    constexpr double kWidestFineSpan = 200;
    // A label of three digits and a digit's room either side.
    const double labelWidth =
        QFontMetricsF(axis.labelsFont()).horizontalAdvance(QStringLiteral("00000"));
    const double span = axis.max() - axis.min();
    const bool roomy = span <= kWidestFineSpan && plotWidth / span * kFineStep >= labelWidth;
    axis.setTickInterval(roomy ? kFineStep : kCoarseStep);
}

bool plottable(double viscosity) {
    return std::isfinite(viscosity) && viscosity > 0;
}

} // namespace

ViscosityPlot::ViscosityPlot(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("viscosityPlot"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(280, 220);
    setCurves({});
}

void ViscosityPlot::setCurves(const std::vector<Curve>& curves) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignRight);
    QFont legendFont = chart->legend()->font();
    legendFont.setPointSizeF(legendFont.pointSizeF() * 0.85);
    chart->legend()->setFont(legendFont);
    chart->setMargins(QMargins(4, 4, 4, 4));
    lineCount_ = 0;
    double low = HUGE_VAL;
    double high = 0;
    double fromC = kFromC;
    double toC = kToC;
    for (const Curve& curve : curves) {
        for (const auto& [tempC, viscosity] : curve.measured) {
            if (plottable(viscosity)) {
                fromC = std::min(fromC, std::floor(tempC / 10) * 10);
                toC = std::max(toC, std::ceil(tempC / 10) * 10);
            }
        }
    }
    std::vector<std::pair<QAbstractSeries*, QScatterSeries*>> drawn;
    bool firstMeasured = true;
    for (const Curve& curve : curves) {
        QLineSeries* line = nullptr;
        if (curve.viscosity40 && curve.viscosity100) {
            const auto walther = walther::lineThrough(*curve.viscosity40, 40 + kKelvinOffset,
                                                      *curve.viscosity100, 100 + kKelvinOffset);
            if (walther) {
                line = new QLineSeries;
                line->setName(curve.name);
                for (double tempC = fromC; tempC <= toC + 1e-9; tempC += kStepC) {
                    const auto viscosity = walther->viscosityAt(tempC + kKelvinOffset);
                    if (viscosity && plottable(*viscosity)) {
                        line->append(tempC, std::log10(*viscosity));
                        low = std::min(low, *viscosity);
                        high = std::max(high, *viscosity);
                    }
                }
                chart->addSeries(line);
                QPen pen = line->pen();
                pen.setWidthF(curve.emphasised ? 3.5 : 1.5);
                line->setPen(pen);
                ++lineCount_;
            }
        }
        QScatterSeries* points = nullptr;
        for (const auto& [tempC, viscosity] : curve.measured) {
            if (!plottable(viscosity)) {
                continue;
            }
            if (points == nullptr) {
                points = new QScatterSeries;
                points->setName(QStringLiteral("measured"));
                points->setMarkerSize(9);
            }
            points->append(tempC, std::log10(viscosity));
            low = std::min(low, viscosity);
            high = std::max(high, viscosity);
        }
        if (points != nullptr) {
            chart->addSeries(points);
            if (line != nullptr) {
                points->setColor(line->color());
            }
            // One legend entry for the measured points of every cut.
            for (QLegendMarker* marker : chart->legend()->markers(points)) {
                marker->setVisible(firstMeasured);
            }
            firstMeasured = false;
        }
        drawn.emplace_back(line, points);
    }
    auto* xAxis = new QValueAxis;
    xAxis->setRange(fromC, toC);
    xAxis->setTickType(QValueAxis::TicksDynamic);
    xAxis->setTickAnchor(0);
    xAxis->setLabelFormat(QStringLiteral("%.0f"));
    xAxis->setTitleText(QStringLiteral("Temperature, °C"));
    chart->addAxis(xAxis, Qt::AlignBottom);
    spaceTemperatureTicks(*xAxis, width());
    connect(chart, &QChart::plotAreaChanged, xAxis,
            [xAxis](const QRectF& area) { spaceTemperatureTicks(*xAxis, area.width()); });
    if (high > 0) {
        QCategoryAxis* yAxis = viscosityAxis(low, high);
        chart->addAxis(yAxis, Qt::AlignLeft);
        for (const auto& [line, points] : drawn) {
            for (QAbstractSeries* series :
                 {static_cast<QAbstractSeries*>(line), static_cast<QAbstractSeries*>(points)}) {
                if (series != nullptr) {
                    series->attachAxis(xAxis);
                    series->attachAxis(yAxis);
                }
            }
        }
    }
    QChart* old = this->chart();
    setChart(chart);
    delete old;
}

} // namespace viskora
