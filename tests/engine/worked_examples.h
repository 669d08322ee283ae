#pragma once

#include "engine/oil_calc.h"
#include "example_oils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace viskora::testing {

// A figure written with a given number of digits: the value must round to
// it, i.e. lie within half a unit of its last digit ("770.7" within 0.05,
// "2.481e-8" within 0.0005e-8).
inline ::testing::AssertionResult roundsTo(double actual, const std::string& written) {
    const std::size_t e = written.find_first_of("eE");
    const std::string mantissa = written.substr(0, e);
    const int exponent = e == std::string::npos ? 0 : std::stoi(written.substr(e + 1));
    const std::size_t point = mantissa.find('.');
    const int decimals =
        point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    const double expected = std::stod(written);
    const double halfUnit = 0.5 * std::pow(10.0, exponent - decimals) * (1 + 1e-9);
    if (std::fabs(actual - expected) <= halfUnit) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << actual << " does not round to " << written;
}

} // namespace viskora::testing
