#include "assaysui/blend_parts_model.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace viskora {
namespace {

struct ShareCase {
    std::string name;
    std::vector<double> shares;
    const char* problem; // nullptr: the shares make a blend
};

void PrintTo(const ShareCase& c, std::ostream* os) {
    *os << c.name;
}

class ShareCheck : public ::testing::TestWithParam<ShareCase> {};

TEST_P(ShareCheck, SaysPlainlyWhyTheSharesCannotMakeABlend) {
    const ShareCase& c = GetParam();
    const std::optional<QString> problem = shareProblem(c.shares);
    if (c.problem == nullptr) {
        EXPECT_FALSE(problem) << problem->toStdString();
    } else {
        ASSERT_TRUE(problem);
        EXPECT_EQ(*problem, QString::fromUtf8(c.problem));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shares, ShareCheck,
    ::testing::Values(
        ShareCase{"TwoHalves", {50, 50}, nullptr},
        ShareCase{"TypedThirdsAddUp", {33.3, 33.3, 33.4}, nullptr},
        ShareCase{"ZeroShareIsAllowed", {0, 100}, nullptr},
        ShareCase{"OneOilIsNoBlend", {100}, "A blend needs two oils or more."},
        ShareCase{"Short", {60, 35}, "The shares add up to 95 %, not 100 %."},
        ShareCase{"Over", {60, 45}, "The shares add up to 105 %, not 100 %."},
        ShareCase{"NegativeShare", {110, -10}, "Oil 2: the share must be a number of 0 or more."}),
    [](const ::testing::TestParamInfo<ShareCase>& info) { return info.param.name; });

} // namespace
} // namespace viskora
