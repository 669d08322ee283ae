#pragma once

#include <QString>

#include <functional>

class QCategoryAxis;

namespace viskora {

// A logarithmic axis from `low` to `high` (both above 0), drawn as a linear
// one over the values' common logarithms, so that its ticks can be labelled
// where a reader needs them (the charts' own logarithmic axis labels whole
// powers of its base only): a category axis whose labels, `label` of each
// tick of logAxisScale, stand on the ticks' logarithms. A series on it is
// plotted at log10 of its values.
QCategoryAxis* logCategoryAxis(double low, double high,
                               const std::function<QString(double)>& label);

// The label of a tick of logAxisScale, a whole multiple of a power of ten,
// short enough to leave a narrow plot its width: plain from 0.001 to 99999
// ("0.3", "20000"), else with the power ("2e5", "1e-4"); the powers of ten
// from 1000 on with theirs too ("1e3"), as a reader counts decades.
QString logTickLabel(double tick);

} // namespace viskora
