#include "engine/calc_sequence.h"
#include "engine/oil_calc.h"
#include "forms/complex_oil_view.h"
#include "forms/simple_oil_view.h"
#include "message_box_answerer.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <ostream>

#include <memory>
#include <string>

namespace viskora {
namespace {

struct MethodCase {
    bool additional;
    ViscosityMethod method;
};

void PrintTo(const MethodCase& row, std::ostream* out) {
    *out << (row.additional ? "Additional" : "Basic")
         << (row.method == ViscosityMethod::NarrowCuts ? "NarrowCuts" : "WholeOil");
}

// The engine's (liquid) viscosity for a new form's inputs by a method.
double engineViscosity(bool additional, ViscosityMethod method) {
    COilCalc calc;
    calc.inputMode = 1;
    calc.densityIn = 702.7;
    calc.viscosityMethod = method;
    if (!additional) {
        EXPECT_EQ(runBasicCalculation(calc), CalcOutcome::Completed);
        return basicResults(calc).atReference.kinematicViscosity;
    }
    calc.designTempIn = 50;
    calc.designPressureIn = 0.3;
    EXPECT_EQ(runAdditionalCalculation(calc), CalcOutcome::Completed);
    return additionalResults(calc).liquid.viscosity;
}

class ViscosityChoice : public ::testing::TestWithParam<MethodCase> {};

// The choice among the inputs reaches the record and the engine, the note
// beside the viscosity says "by narrow cuts" only for such results, a later
// change of the choice marks the document and clears the results (they
// were the other method's: a save or report would put them under the new
// name), and the new controls show their whole texts.
TEST_P(ViscosityChoice, ReachesTheEngineAndTheRecordAndTheNoteFollowsIt) {
    const auto [additional, method] = GetParam();
    ASSERT_NE(engineViscosity(additional, ViscosityMethod::WholeOil),
              engineViscosity(additional, ViscosityMethod::NarrowCuts));
    std::unique_ptr<CSimpleOilView> basic;
    std::unique_ptr<CComplexOilView> complex;
    OilFormView* view = nullptr;
    if (additional) {
        view = (complex = std::make_unique<CComplexOilView>()).get();
    } else {
        view = (basic = std::make_unique<CSimpleOilView>()).get();
    }
    view->initialUpdate();
    auto* box = qobject_cast<QComboBox*>(view->control(QStringLiteral("viscosityMethod")));
    QWidget* note = view->control(QStringLiteral("viscosityMethodNote"));
    EXPECT_TRUE(note->isHidden());
    const int entry = box->findData(static_cast<int>(method));
    EXPECT_EQ(box->itemText(entry), method == ViscosityMethod::NarrowCuts
                                        ? QStringLiteral("by narrow cuts")
                                        : QStringLiteral("of the oil as a whole"));
    box->setCurrentIndex(entry);
    emit box->activated(entry);
    {
        testing::MessageBoxAnswerer answerer;
        view->calculate();
    }
    EXPECT_EQ(additional ? complex->record().viscosityMethod : basic->record().viscosityMethod,
              method);
    EXPECT_DOUBLE_EQ(additional ? complex->record().liquidViscosityBase
                                : basic->record().resViscosityBase,
                     engineViscosity(additional, method));
    EXPECT_EQ(note->isHidden(), method != ViscosityMethod::NarrowCuts);

    QSignalSpy modified(view, &OilFormView::documentModified);
    box->setCurrentIndex(1 - entry);
    emit box->activated(1 - entry);
    EXPECT_EQ(modified.count(), 1);
    EXPECT_TRUE(note->isHidden());
    view->exchangeToRecord();
    EXPECT_EQ(additional ? complex->record().liquidViscosityBase : basic->record().resViscosityBase,
              0);
    EXPECT_EQ(additional ? complex->record().liquidViscosityText : basic->record().resViscosityText,
              "0");

    view->show();
    EXPECT_LE(box->sizeHint().width(), box->width());
    for (QLabel* label : {view->findChild<QLabel*>(QStringLiteral("viscosityMethodLabel")),
                          qobject_cast<QLabel*>(note)}) {
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    }
}

INSTANTIATE_TEST_SUITE_P(BothFormsBothMethods, ViscosityChoice,
                         ::testing::Values(MethodCase{false, ViscosityMethod::WholeOil},
                                           MethodCase{false, ViscosityMethod::NarrowCuts},
                                           MethodCase{true, ViscosityMethod::WholeOil},
                                           MethodCase{true, ViscosityMethod::NarrowCuts}),
                         [](const ::testing::TestParamInfo<MethodCase>& info) {
                             return std::string(info.param.additional ? "Additional" : "Basic") +
                                    (info.param.method == ViscosityMethod::NarrowCuts ? "NarrowCuts"
                                                                                      : "WholeOil");
                         });

} // namespace
} // namespace viskora
