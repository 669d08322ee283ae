#include "form_fixture.h"
#include "forms/complex_oil_view.h"
#include "forms/simple_oil_view.h"
#include "message_box_answerer.h"

#include <QByteArray>
#include <QTest>

#include <gtest/gtest.h>

#include <clocale>

namespace viskora {
namespace {

// Run by ctest a second time under LC_ALL=de_DE.UTF-8: a German desktop
// gives the C library a comma decimal mark once QApplication is built, and
// the forms must still read and show numbers with a point.
TEST(Locale, FormsReadAndShowNumbersWithAPointUnderAnyLocale) {
    const bool commaLocale = std::localeconv()->decimal_point[0] == ',';
    if (qEnvironmentVariableIsSet("VISKORA_EXPECT_COMMA_LOCALE")) {
        ASSERT_TRUE(commaLocale) << "the comma locale is not installed";
    }

    testing::FormFixture<CSimpleOilView> basic;
    basic.setText("density", QStringLiteral("702.7"));
    basic.pick("resDensityUnit", 1);
    testing::MessageBoxAnswerer answerer;
    basic.click("calculate");
    EXPECT_TRUE(answerer.shown().empty());
    EXPECT_NEAR(basic.view->record().resDensityBase, 702.7, 0.5);
    EXPECT_EQ(basic.text("resDensity"), QStringLiteral("0.703"));
    for (const char* control : {"resDensity", "resHeat", "resConductivity", "resViscosity",
                                "resTension", "resVapour", "resCritTemp", "resPrandtl"}) {
        EXPECT_FALSE(basic.text(control).contains(QLatin1Char(','))) << control;
    }

    testing::FormFixture<CComplexOilView> additional;
    additional.setText("designTemp", QStringLiteral("150.5"));
    additional.click("calculate");
    EXPECT_TRUE(additional.text("gasShare").contains(QLatin1Char('.')));
    EXPECT_FALSE(additional.text("liquidShare").contains(QLatin1Char(',')));

    // A comma typed out of habit goes in as the point the reader takes.
    basic.setText("density", QString());
    QTest::keyClicks(basic.lineEdit("density"), QStringLiteral("0,5"));
    EXPECT_EQ(basic.text("density"), QStringLiteral("0.5"));
}

} // namespace
} // namespace viskora
