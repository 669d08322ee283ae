#include "property_curves_ui/curves_plot.h"

#include "property_curves_ui/curves_table_model.h"
#include "property_curves_ui/log_category_axis.h"
#include "units/display_format.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QLegendMarker>
#include <QLineSeries>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QScatterSeries>
#include <QScrollBar>
#include <QSvgGenerator>
#include <QToolTip>
#include <QValueAxis>

#include <cmath>
#include <map>

namespace viskora {
namespace {

// How near, in pixels, the mouse must come to a computed point for the
// tooltip to show its values.
constexpr double kTipReach = 8;

// The narrowest the list of properties gets, in characters.
constexpr int kShortestList = 18;

// Viscosity and vapour pressure span decades over a sweep: their axis is
// logarithmic.
bool spansDecades(std::string_view name) {
    return name.find("Viscosity") != std::string_view::npos || name == "vapourPressure" ||
           name == "trueVapourPressure";
}

// 0 liquid, 1 two phases, 2 gas, by the gas share in %; nothing where the
// point has no results.
std::optional<int> phaseState(const CurvesTableModel& model, int row) {
    const int gas = model.columnOf("gasMassShare");
    const auto share = gas < 0 ? std::nullopt : model.value(row, gas);
    if (!share) {
        return std::nullopt;
    }
    return *share <= 0 ? 0 : *share >= 100 ? 2 : 1;
}

// A small square of a curve's colour before a list entry.
QIcon colourMark(const QColor& colour) {
    QPixmap square(10, 10);
    square.fill(colour);
    return QIcon(square);
}

QString nameOf(const SweepColumn& column) {
    return QString::fromUtf8(column.name.data(), static_cast<qsizetype>(column.name.size()));
}

QString numberText(double value) {
    return QString::fromStdString(formatForDisplay(value));
}

} // namespace

CurvesPlot::CurvesPlot(const CurvesTableModel& model, QWidget* parent)
    : QWidget(parent), model_(model), list_(new QListWidget), view_(new QChartView) {
    list_->setObjectName(QStringLiteral("plottedProperties"));
    view_->setObjectName(QStringLiteral("plot"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(300, 200);
    view_->setMouseTracking(true);
    view_->viewport()->setMouseTracking(true);
    view_->viewport()->installEventFilter(this);
    // The list takes a third of the width, the plot the rest, but the list
    // no more than its longest entry needs and no less than a few words of
    // each, which then scroll sideways and show whole under the mouse.
    list_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    list_->setMinimumWidth(kShortestList * list_->fontMetrics().averageCharWidth());
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_, 1);
    layout->addWidget(view_, 2);
    // The liquid's viscosity by both methods beside the curve through the
    // measured values, where they can be compared at a glance.
    chosen_ = {QStringLiteral("liquidViscosity"), QStringLiteral("liquidViscosityByCuts"),
               QStringLiteral("anchoredLiquidViscosity")};
    connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (filling_) {
            return;
        }
        const QString name = item->data(Qt::UserRole).toString();
        if (item->checkState() == Qt::Checked) {
            chosen_.insert(name);
        } else {
            chosen_.remove(name);
        }
        redraw();
    });
    fillList();
    redraw();
}

QChart& CurvesPlot::chart() const {
    return *view_->chart();
}

QSet<QString> CurvesPlot::chosen() const {
    return chosen_;
}

void CurvesPlot::setChosen(const QSet<QString>& names) {
    chosen_ = names;
    fillList();
    redraw();
}

void CurvesPlot::refresh(int xColumn) {
    xColumn_ = xColumn;
    fillList();
    redraw();
}

void CurvesPlot::fillList() {
    filling_ = true;
    list_->clear();
    for (int column = 0; column < model_.valueColumnCount(); ++column) {
        if (column == xColumn_) {
            continue;
        }
        const QString name = nameOf(model_.column(column));
        auto* item = new QListWidgetItem(model_.title(column), list_);
        item->setToolTip(model_.title(column));
        item->setData(Qt::UserRole, name);
        item->setCheckState(chosen_.contains(name) ? Qt::Checked : Qt::Unchecked);
        item->setIcon(colourMark(Qt::transparent));
    }
    list_->setMaximumWidth(list_->sizeHintForColumn(0) + 2 * list_->frameWidth() +
                           list_->verticalScrollBar()->sizeHint().width());
    filling_ = false;
}

void CurvesPlot::redraw() {
    plotted_.clear();
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    // A narrow plot shortens the names; the whole name shows under the mouse.
    chart->legend()->setShowToolTips(true);
    const int rows = model_.rowCount();

    auto* xAxis = new QValueAxis;
    xAxis->setTitleText(model_.shownHeading(xColumn_));
    chart->addAxis(xAxis, Qt::AlignBottom);

    // Where the phase state changes, by the swept value.
    std::vector<int> changes;
    std::optional<int> previous;
    for (int row = 0; row < rows; ++row) {
        const auto state = phaseState(model_, row);
        if (state && previous && *state != *previous) {
            changes.push_back(row);
        }
        if (state) {
            previous = state;
        }
    }

    // Properties shown in the same unit share an axis, so that the computed
    // and the anchored viscosity, or the two densities, compare directly.
    struct AxisGroup {
        QAbstractAxis* axis;
        QStringList titles;
        QString unit;
        double low;
        double high;
        bool logarithmic;
        QList<QAbstractSeries*> series;
    };
    std::map<QString, AxisGroup> groups;
    QHash<QString, QColor> colours;
    bool firstMarks = true;
    // A logarithmic property is plotted as its common logarithm.
    const auto plotted = [](double y, bool logarithmic) { return logarithmic ? std::log10(y) : y; };
    for (int column = 0; column < model_.valueColumnCount(); ++column) {
        const QString name = nameOf(model_.column(column));
        if (column == xColumn_ || !chosen_.contains(name)) {
            continue;
        }
        const bool logarithmic = spansDecades(model_.column(column).name);
        const QString heading = model_.shownHeading(column);
        const QString unit = heading.mid(heading.indexOf(QLatin1Char('[')));
        auto* series = new QLineSeries;
        series->setName(heading);
        series->setPointsVisible(true);
        double low = 0;
        double high = 0;
        PlottedSeries shown{series, column, {}};
        for (int row = 0; row < rows; ++row) {
            const auto x = model_.value(row, xColumn_);
            const auto y = model_.value(row, column);
            if (x && y && std::isfinite(*y) && (!logarithmic || *y > 0)) {
                low = series->count() == 0 ? *y : std::min(low, *y);
                high = series->count() == 0 ? *y : std::max(high, *y);
                series->append(*x, plotted(*y, logarithmic));
                shown.rows.push_back(row);
            }
        }
        if (series->count() == 0) {
            delete series;
            continue;
        }
        chart->addSeries(series);
        plotted_.push_back(std::move(shown));
        colours.insert(name, series->color());
        const QString key = (logarithmic ? QStringLiteral("log ") : QString()) + unit;
        auto group = groups.find(key);
        if (group == groups.end()) {
            // A logarithmic axis is made once its group's values are known.
            QAbstractAxis* axis = logarithmic ? nullptr : new QValueAxis;
            if (axis != nullptr) {
                chart->addAxis(axis, groups.size() % 2 == 0 ? Qt::AlignLeft : Qt::AlignRight);
            }
            group =
                groups.emplace(key, AxisGroup{axis, {}, unit, low, high, logarithmic, {}}).first;
        }
        AxisGroup& g = group->second;
        g.titles << model_.title(column);
        g.low = std::min(g.low, low);
        g.high = std::max(g.high, high);
        g.series << series;

        if (!changes.empty()) {
            auto* marks = new QScatterSeries;
            marks->setName(QStringLiteral("phase state changes"));
            marks->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
            marks->setMarkerSize(10);
            marks->setColor(Qt::red);
            for (int row : changes) {
                const auto x = model_.value(row, xColumn_);
                const auto y = model_.value(row, column);
                if (x && y && (!logarithmic || *y > 0)) {
                    marks->append(*x, plotted(*y, logarithmic));
                }
            }
            chart->addSeries(marks);
            g.series << marks;
            // One legend entry for the markers of all the properties.
            for (QLegendMarker* marker : chart->legend()->markers(marks)) {
                marker->setVisible(firstMarks);
            }
            firstMarks = false;
        }
    }
    // The whole sweep across, whichever series reach how far.
    std::optional<double> xLow;
    std::optional<double> xHigh;
    for (int row = 0; row < rows; ++row) {
        if (const auto x = model_.value(row, xColumn_)) {
            xLow = std::min(xLow.value_or(*x), *x);
            xHigh = std::max(xHigh.value_or(*x), *x);
        }
    }
    if (xLow && xHigh && *xHigh > *xLow) {
        xAxis->setRange(*xLow, *xHigh);
    }
    for (auto& [key, g] : groups) {
        if (g.logarithmic) {
            g.axis = logCategoryAxis(g.low, g.high, logTickLabel);
            chart->addAxis(g.axis, chart->axes(Qt::Vertical).size() % 2 == 0 ? Qt::AlignLeft
                                                                             : Qt::AlignRight);
        }
        for (QAbstractSeries* series : g.series) {
            series->attachAxis(xAxis);
            series->attachAxis(g.axis);
        }
        // An axis shared by several properties is named by its unit alone:
        // the legend names them, and their names together would not fit.
        g.axis->setTitleText(g.titles.size() == 1 ? g.titles.front() + QLatin1Char(' ') + g.unit
                                                  : g.unit);
    }
    QChart* old = view_->chart();
    view_->setChart(chart);
    delete old;
    showColours(colours);
}

void CurvesPlot::showColours(const QHash<QString, QColor>& colours) {
    filling_ = true;
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        item->setIcon(
            colourMark(colours.value(item->data(Qt::UserRole).toString(), Qt::transparent)));
    }
    filling_ = false;
}

QString CurvesPlot::pointTip(const QPoint& position) const {
    QChart* chart = view_->chart();
    const PlottedSeries* nearest = nullptr;
    qsizetype nearestIndex = -1;
    double nearestDistance = kTipReach;
    for (const PlottedSeries& shown : plotted_) {
        for (qsizetype i = 0; i < shown.series->count(); ++i) {
            const QPointF at =
                view_->mapFromScene(chart->mapToPosition(shown.series->at(i), shown.series));
            const double distance = std::hypot(at.x() - position.x(), at.y() - position.y());
            if (distance <= nearestDistance) {
                nearest = &shown;
                nearestIndex = i;
                nearestDistance = distance;
            }
        }
    }
    if (nearest == nullptr) {
        return {};
    }
    // The values of the table's row, not of the drawing: a logarithmic
    // curve is drawn through its values' logarithms. A table newer than
    // the drawing has no tip until the plot is drawn again.
    const int row = nearest->rows[static_cast<std::size_t>(nearestIndex)];
    if (row >= model_.rowCount() || nearest->column >= model_.valueColumnCount() ||
        xColumn_ >= model_.valueColumnCount()) {
        return {};
    }
    const auto x = model_.value(row, xColumn_);
    const auto y = model_.value(row, nearest->column);
    return QStringLiteral("%1 = %2 %3\n%4 = %5 %6")
        .arg(model_.title(nearest->column), numberText(y.value_or(0)),
             model_.unitOf(nearest->column), model_.title(xColumn_), numberText(x.value_or(0)),
             model_.unitOf(xColumn_));
}

bool CurvesPlot::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_->viewport() && event->type() == QEvent::MouseMove) {
        const QPoint position = static_cast<QMouseEvent*>(event)->position().toPoint();
        const QString tip = pointTip(position);
        if (tip.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(view_->viewport()->mapToGlobal(position), tip, view_);
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString CurvesPlot::save(const QString& path) const {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QString failed = QStringLiteral("Cannot write the plot as %1.").arg(path);
    const QSize size = view_->size().expandedTo(QSize(800, 500));
    if (suffix == QLatin1String("png")) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        view_->render(&painter, QRectF(QPointF(0, 0), size));
        painter.end();
        return image.save(path, "PNG") ? QString() : failed;
    }
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("Property curves"));
        QPainter painter;
        if (!painter.begin(&svg)) {
            return failed;
        }
        view_->render(&painter, QRectF(QPointF(0, 0), size));
        return painter.end() ? QString() : failed;
    }
    if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setTitle(QStringLiteral("Property curves"));
        QPainter painter;
        if (!painter.begin(&pdf)) {
            return failed;
        }
        view_->render(&painter, QRectF(painter.viewport()));
        return painter.end() ? QString() : failed;
    }
    return QStringLiteral("A plot is saved as .png, .svg or .pdf.");
}

} // namespace viskora
