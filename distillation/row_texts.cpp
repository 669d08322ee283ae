#include "distillation/row_texts.h"

#include "units/display_format.h"
#include "units/unit_tables.h"

#include <cmath>

namespace viskora::distillation {
namespace {

// The decimals that write a whole degree Celsius exactly in each unit.
int exactDecimals(int tempUnit) {
    switch (tempUnit) {
    case unit::kKelvin:
    case unit::kRankine:
        return 2;
    case unit::kFahrenheit:
        return 1;
    default:
        return 0;
    }
}

std::string withoutTrailingZeros(std::string text) {
    if (text.find('.') == std::string::npos) {
        return text;
    }
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

std::string hundredthsText(long long hundredths) {
    const std::string sign = hundredths < 0 ? "-" : "";
    const long long magnitude = std::llabs(hundredths);
    const long long cents = magnitude % 100;
    return sign + std::to_string(magnitude / 100) + (cents < 10 ? ".0" : ".") +
           std::to_string(cents);
}

} // namespace

std::string boundaryText(int celsius, int tempUnit) {
    const double value = convertTemperature(celsius, unit::kCelsius, tempUnit);
    return withoutTrailingZeros(formatFixed(value, exactDecimals(tempUnit)));
}

std::vector<RowTexts> rowTexts(const std::vector<FractionRow>& rows, int tempUnit) {
    std::vector<RowTexts> texts;
    double running = 0;
    long long previous = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        running += rows[i].share;
        const long long rounded =
            i + 1 == rows.size() ? 10000 : std::llround(std::min(running, 100.0) * 100);
        texts.push_back({boundaryText(rows[i].start, tempUnit), boundaryText(rows[i].end, tempUnit),
                         hundredthsText(rounded - previous)});
        previous = rounded;
    }
    return texts;
}

} // namespace viskora::distillation
