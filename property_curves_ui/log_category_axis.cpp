#include "property_curves_ui/log_category_axis.h"

#include "property_curves_ui/log_axis_scale.h"
#include "units/display_format.h"

#include <QCategoryAxis>

#include <cmath>

namespace viskora {

QCategoryAxis* logCategoryAxis(double low, double high,
                               const std::function<QString(double)>& label) {
    const LogAxisScale scale = logAxisScale(low, high);
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const double bottom = std::log10(scale.low);
    const double top = std::log10(scale.high);
    // A hair wider, so that rounding does not drop the end labels.
    const double margin = (top - bottom) * 1e-3;
    axis->setRange(bottom - margin, top + margin);
    axis->setStartValue(bottom - margin);
    for (const double tick : scale.ticks) {
        axis->append(label(tick), std::log10(tick));
    }
    return axis;
}

QString logTickLabel(double tick) {
    // The ticks lie within a hair of m x 10^k, m a whole number 1 to 9.
    const int power = static_cast<int>(std::floor(std::log10(tick) + 1e-9));
    const double multiple = std::round(tick / std::pow(10.0, power));
    if (power >= 5 || power <= -4 || (power >= 3 && multiple == 1)) {
        return QStringLiteral("%1e%2").arg(multiple).arg(power);
    }
    return QString::fromStdString(shortestNumberText(tick));
}

} // namespace viskora
