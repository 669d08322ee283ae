#pragma once

#include "units/unit_tables.h"

#include <string>

namespace viskora {

// The text shown for a result: three significant digits, plain decimal
// notation up to three digits before the point (or up to three digits after
// "0." below 1), exponent notation "1.23e+003" beyond. Locale-free.
std::string formatForDisplay(double x);

// A result held in its quantity's base unit as a result box shows it in the
// unit of `unitCode`: converted, then formatted for display. A value too
// large for the target unit (only a damaged file brings one) shows as "".
std::string formatInUnit(Quantity quantity, double baseValue, int unitCode);

// Fixed notation with the given number of decimals, right-aligned in a field
// of at least `width` characters, as printf's "%<width>.<decimals>f" writes it
// in the C locale ("%f" is formatFixed(x, 6), "%4.1f" formatFixed(x, 1, 4)).
std::string formatFixed(double x, int decimals, int width = 0);

// Exponent notation with the given number of decimals, as printf's
// "%.<decimals>e" writes it in the C locale: formatExponent(2.48e-8, 6) is
// "2.480000e-08".
std::string formatExponent(double x, int decimals);

// The shortest decimal text that reads back to the same double ("." always),
// for files read by programs: CSV, JSON and the calculator's tables.
std::string shortestNumberText(double value);

} // namespace viskora
