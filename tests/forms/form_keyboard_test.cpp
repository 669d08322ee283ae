#include "forms/complex_oil_view.h"
#include "forms/simple_oil_view.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <vector>

namespace viskora {
namespace {

TEST(FormKeyboard, EnterAndEscapeNeitherCalculateNorCloseButEndACellEdit) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* view = new CSimpleOilView(&dialog);
    layout->addWidget(view);
    view->initialUpdate();
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QSignalSpy modified(view, &OilFormView::documentModified);

    auto* density = qobject_cast<QLineEdit*>(view->control("density"));
    density->setFocus();
    QTest::keyClick(density, Qt::Key_Return);
    QTest::keyClick(density, Qt::Key_Escape);
    auto* calculate = qobject_cast<QWidget*>(view->control("calculate"));
    calculate->setFocus();
    QTest::keyClick(calculate, Qt::Key_Enter);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(modified.count(), 0);
    EXPECT_EQ(density->text(), QStringLiteral("702.7"));

    // In a cell being edited Enter ends the edit and the numeric rules hold.
    qobject_cast<QCheckBox*>(view->control("useFractions"))->click();
    modified.clear();
    auto* table = qobject_cast<QAbstractItemView*>(view->control("fractions"));
    table->setFocus();
    table->setCurrentIndex(table->model()->index(0, 0));
    QTest::keyClick(table, Qt::Key_Minus);
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(qobject_cast<QLineEdit*>(editor), nullptr);
    QTest::keyClicks(editor, QStringLiteral("4x 5"));
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::keyClick(editor, Qt::Key_Minus);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->fractionTable().text(0, 0), QStringLiteral("-4x5"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(modified.count(), 1); // the cell's edit, no calculation

    table->setCurrentIndex(table->model()->index(0, 1));
    QTest::keyClick(table, Qt::Key_9);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(view->fractionTable().text(0, 1), QStringLiteral("0"));
    EXPECT_TRUE(dialog.isVisible());
}

struct TabOrderCase {
    const char* form;
    std::function<OilFormView*(QWidget*)> make;
    // From the density box on, the fraction table switched on and the
    // vapour pressure by narrow cuts, which opens the light-end table.
    std::vector<const char*> order;
};

void PrintTo(const TabOrderCase& row, std::ostream* out) {
    *out << row.form;
}

class TabOrder : public ::testing::TestWithParam<TabOrderCase> {};

TEST_P(TabOrder, VisitsTheControlsInFormOrder) {
    QWidget window;
    OilFormView* view = GetParam().make(&window);
    view->initialUpdate();
    qobject_cast<QCheckBox*>(view->control("useFractions"))->click();
    auto* vapourPressure = qobject_cast<QComboBox*>(view->control("vapourPressureMethod"));
    const int byCuts = vapourPressure->findData(static_cast<int>(VapourPressureMethod::NarrowCuts));
    vapourPressure->setCurrentIndex(byCuts);
    emit vapourPressure->activated(byCuts);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    view->control("density")->setFocus();
    for (const char* name : GetParam().order) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QWidget* control = view->control(name);
        EXPECT_TRUE(focus == control || control->isAncestorOf(focus))
            << "expected " << name << ", got " << focus->objectName().toStdString();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
}

INSTANTIATE_TEST_SUITE_P(
    BothForms, TabOrder,
    ::testing::Values(
        TabOrderCase{"Basic",
                     [](QWidget* parent) { return new CSimpleOilView(parent); },
                     {"density",        "densityUnit",      "densityTemp",
                      "tempUnit",       "viscosityMethod",  "vapourPressureMethod",
                      "useFractions",   "fractions",        "fractionCount",
                      "apply",          "fromCurve",        "lightEnds",
                      "resDensity",     "resDensityUnit",   "resHeat",
                      "resHeatUnit",    "resConductivity",  "resConductivityUnit",
                      "resViscosity",   "resViscosityUnit", "resTension",
                      "resTensionUnit", "resVapour",        "resVapourUnit",
                      "resCritTemp",    "resCritTempUnit",  "resPrandtl",
                      "calculate"}},
        // Calculate sits beside the inputs here, so Tab reaches it before the results.
        TabOrderCase{"Additional",
                     [](QWidget* parent) { return new CComplexOilView(parent); },
                     {"density",
                      "densityUnit",
                      "densityTemp",
                      "tempUnit",
                      "designTemp",
                      "designTempUnit",
                      "designPressure",
                      "pressureUnit",
                      "viscosityMethod",
                      "vapourPressureMethod",
                      "useFractions",
                      "fractions",
                      "fractionCount",
                      "apply",
                      "fromCurve",
                      "lightEnds",
                      "calculate",
                      "gasShare",
                      "gasDensity",
                      "gasDensityUnit",
                      "gasHeat",
                      "gasHeatUnit",
                      "gasConductivity",
                      "gasConductivityUnit",
                      "gasViscosity",
                      "gasViscosityUnit",
                      "gasEnthalpy",
                      "gasEnthalpyUnit",
                      "gasPrandtl",
                      "liquidShare",
                      "liquidDensity",
                      "liquidDensityUnit",
                      "liquidHeat",
                      "liquidHeatUnit",
                      "liquidConductivity",
                      "liquidConductivityUnit",
                      "liquidViscosity",
                      "liquidViscosityUnit",
                      "liquidTension",
                      "liquidTensionUnit",
                      "liquidPrandtl"}}),
    [](const ::testing::TestParamInfo<TabOrderCase>& info) {
        return std::string(info.param.form);
    });

} // namespace
} // namespace viskora
