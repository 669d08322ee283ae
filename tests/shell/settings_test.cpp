#include "shell_fixture.h"

#include "documents/document_format.h"
#include "shell/complex_oil_doc.h"
#include "shell/settings_dialog.h"
#include "shell/simple_oil_doc.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>

namespace viskora::testing {
namespace {

// The method a calculation's form holds.
ViscosityMethod methodOf(OilDocument& document) {
    EXPECT_TRUE(document.view().exchangeToRecord());
    return document.kind() == DocumentKind::Basic
               ? static_cast<CSimpleOilDoc&>(document).view().record().viscosityMethod
               : static_cast<CComplexOilDoc&>(document).view().record().viscosityMethod;
}

// Picks "by narrow cuts" in File > Settings... and leaves by `button`.
void setNarrowCutsDefault(QDialogButtonBox::StandardButton button) {
    QTimer::singleShot(0, [button] {
        auto* dialog = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* box = dialog->findChild<QComboBox*>(QStringLiteral("viscosityMethod"));
        EXPECT_EQ(box->currentText(), QStringLiteral("of the oil as a whole"));
        box->setCurrentIndex(box->findData(static_cast<int>(ViscosityMethod::NarrowCuts)));
        dialog->findChild<QDialogButtonBox*>()->button(button)->click();
    });
}

using ViscosityTakeOver = ShellTest;

struct DefaultCase {
    const char* name;
    QDialogButtonBox::StandardButton button;
    const char* command;
    ViscosityMethod expected;
};

void PrintTo(const DefaultCase& row, std::ostream* out) {
    *out << row.name;
}

class DefaultMethod : public ShellTest, public ::testing::WithParamInterface<DefaultCase> {};

// OK keeps the dialog's choice for this run and the next, Cancel keeps
// nothing; a new calculation of either kind starts from what is kept, and
// an opened file keeps its own method whatever the default.
TEST_P(DefaultMethod, NewCalculationsTakeTheSettingsOpenedFilesKeepTheirOwn) {
    start();
    setNarrowCutsDefault(GetParam().button);
    trigger("actionSettings");
    EXPECT_EQ(AppSettings().defaultViscosityMethod(), GetParam().expected);
    trigger(GetParam().command);
    EXPECT_EQ(methodOf(*activeDocument()), GetParam().expected);
    EXPECT_FALSE(activeDocument()->isModified());

    const QString file = basicFile(QStringLiteral("saved.vkr"));
    EXPECT_EQ(methodOf(*app->openDocumentFile(file)), ViscosityMethod::WholeOil);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DefaultMethod,
    ::testing::Values(DefaultCase{"OkThenNewBasic", QDialogButtonBox::Ok, "actionNewBasic",
                                  ViscosityMethod::NarrowCuts},
                      DefaultCase{"OkThenNewAdditional", QDialogButtonBox::Ok,
                                  "actionNewAdditional", ViscosityMethod::NarrowCuts},
                      DefaultCase{"CancelThenNewAdditional", QDialogButtonBox::Cancel,
                                  "actionNewAdditional", ViscosityMethod::WholeOil}),
    [](const auto& info) { return std::string(info.param.name); });

// An additional calculation made while a basic one is in front takes that
// one's method, not the default; one made from an additional one does not.
TEST_F(ViscosityTakeOver, AnAdditionalCalculationTakesTheMethodOfTheBasicOneInFront) {
    start();
    app->settings().setDefaultViscosityMethod(ViscosityMethod::NarrowCuts);
    trigger("actionNewBasic");
    auto* box = activeDocument()->view().findChild<QComboBox*>(QStringLiteral("viscosityMethod"));
    box->setCurrentIndex(box->findData(static_cast<int>(ViscosityMethod::WholeOil)));
    trigger("actionNewAdditional");
    EXPECT_EQ(methodOf(*activeDocument()), ViscosityMethod::WholeOil);
    trigger("actionNewAdditional");
    EXPECT_EQ(methodOf(*activeDocument()), ViscosityMethod::NarrowCuts);
}

} // namespace
} // namespace viskora::testing
