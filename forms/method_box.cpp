#include "forms/method_box.h"

#include "documents/vapour_pressure_method_words.h"

#include <string_view>

namespace viskora {
namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString methodText(ViscosityMethod method) {
    return method == ViscosityMethod::NarrowCuts ? QStringLiteral("by narrow cuts")
                                                 : QStringLiteral("of the oil as a whole");
}

QString methodText(VapourPressureMethod method) {
    return qText(method == VapourPressureMethod::NarrowCuts ? kVapourByNarrowCutsText
                                                            : kAverageBoilingPointText);
}

} // namespace viskora
