#include "shell_fixture.h"

#include "documents/document_format.h"
#include "shell/complex_oil_doc.h"
#include "shell/settings_dialog.h"
#include "shell/simple_oil_doc.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSettings>

#include <cstddef>
#include <ostream>
#include <string>
#include <utility>

namespace viskora::testing {
namespace {

// The method a calculation's form holds.
ViscosityMethod methodOf(OilDocument& document) {
    EXPECT_TRUE(document.view().exchangeToRecord());
    return document.kind() == DocumentKind::Basic
               ? static_cast<CSimpleOilDoc&>(document).view().record().viscosityMethod
               : static_cast<CComplexOilDoc&>(document).view().record().viscosityMethod;
}

// The record of a calculation's form, whichever its kind, after the form
// has been read into it.
template <typename Use> auto withRecord(OilDocument& document, Use use) {
    EXPECT_TRUE(document.view().exchangeToRecord());
    return document.kind() == DocumentKind::Basic
               ? use(static_cast<CSimpleOilDoc&>(document).view().record())
               : use(static_cast<CComplexOilDoc&>(document).view().record());
}

VapourPressureMethod vapourPressureMethodOf(OilDocument& document) {
    return withRecord(document, [](const auto& record) { return record.vapourPressureMethod; });
}

// Picks both methods "by narrow cuts" in File > Settings... and leaves by
// `button`.
void setNarrowCutsDefault(QDialogButtonBox::StandardButton button) {
    QTimer::singleShot(0, [button] {
        auto* dialog = qobject_cast<SettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* box = dialog->findChild<QComboBox*>(QStringLiteral("viscosityMethod"));
        EXPECT_EQ(box->currentText(), QStringLiteral("of the oil as a whole"));
        box->setCurrentIndex(box->findData(static_cast<int>(ViscosityMethod::NarrowCuts)));
        auto* vapour = dialog->findChild<QComboBox*>(QStringLiteral("vapourPressureMethod"));
        EXPECT_EQ(vapour->currentText(),
                  QStringLiteral("of the average boiling point"));
        vapour->setCurrentIndex(
            vapour->findData(static_cast<int>(VapourPressureMethod::NarrowCuts)));
        dialog->findChild<QDialogButtonBox*>()->button(button)->click();
    });
}

using ViscosityTakeOver = ShellTest;

struct DefaultCase {
    const char* name;
    QDialogButtonBox::StandardButton button;
    const char* command;
    ViscosityMethod expected;
    VapourPressureMethod expectedVapourPressure;
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
    EXPECT_EQ(AppSettings().defaultVapourPressureMethod(), GetParam().expectedVapourPressure);
    trigger(GetParam().command);
    EXPECT_EQ(methodOf(*activeDocument()), GetParam().expected);
    EXPECT_EQ(vapourPressureMethodOf(*activeDocument()), GetParam().expectedVapourPressure);
    EXPECT_FALSE(activeDocument()->isModified());

    const QString file = basicFile(QStringLiteral("saved.vkr"));
    OilDocument& opened = *app->openDocumentFile(file);
    EXPECT_EQ(methodOf(opened), ViscosityMethod::WholeOil);
    EXPECT_EQ(vapourPressureMethodOf(opened), VapourPressureMethod::AverageBoilingPoint);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DefaultMethod,
    ::testing::Values(DefaultCase{"OkThenNewBasic", QDialogButtonBox::Ok, "actionNewBasic",
                                  ViscosityMethod::NarrowCuts, VapourPressureMethod::NarrowCuts},
                      DefaultCase{"OkThenNewAdditional", QDialogButtonBox::Ok,
                                  "actionNewAdditional", ViscosityMethod::NarrowCuts,
                                  VapourPressureMethod::NarrowCuts},
                      DefaultCase{"CancelThenNewAdditional", QDialogButtonBox::Cancel,
                                  "actionNewAdditional", ViscosityMethod::WholeOil,
                                  VapourPressureMethod::AverageBoilingPoint}),
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

using VapourPressureTakeOver = ShellTest;

// An additional calculation made while a basic one is in front takes that
// one's vapour pressure method and light ends; one made from an additional
// one starts from the defaults.
TEST_F(VapourPressureTakeOver, AnAdditionalCalculationTakesTheMethodAndLightEndsOfTheBasicOne) {
    start();
    trigger("actionNewBasic");
    OilFormView& basic = activeDocument()->view();
    auto* box = basic.findChild<QComboBox*>(QStringLiteral("vapourPressureMethod"));
    const int byCuts = box->findData(static_cast<int>(VapourPressureMethod::NarrowCuts));
    box->setCurrentIndex(byCuts);
    emit box->activated(byCuts);
    const int propane = static_cast<int>(LightEnd::Propane);
    basic.lightEndTable().setData(basic.lightEndTable().index(propane, 0), QStringLiteral("0.8"),
                                  Qt::EditRole);
    const auto propaneOf = [propane](OilDocument& document) {
        return withRecord(document, [propane](const auto& record) {
            return record.lightEnds[static_cast<std::size_t>(propane)];
        });
    };

    trigger("actionNewAdditional");
    EXPECT_EQ(vapourPressureMethodOf(*activeDocument()), VapourPressureMethod::NarrowCuts);
    EXPECT_EQ(propaneOf(*activeDocument()), "0.8");
    EXPECT_TRUE(activeDocument()->view().control(QStringLiteral("lightEnds"))->isEnabled());
    trigger("actionNewAdditional");
    EXPECT_EQ(vapourPressureMethodOf(*activeDocument()), VapourPressureMethod::AverageBoilingPoint);
    EXPECT_EQ(propaneOf(*activeDocument()), "");
}

struct StoredWordCase {
    const char* name;
    const char* stored; // none: the key is not there
    VapourPressureMethod method;
};

void PrintTo(const StoredWordCase& row, std::ostream* out) {
    *out << row.name;
}

class StoredVapourPressureMethod : public ShellTest,
                                   public ::testing::WithParamInterface<StoredWordCase> {};

// The setting holds the word of the document files; any other text, as a
// hand-edited file may hold, is the average boiling point.
TEST_P(StoredVapourPressureMethod, IsReadLetterForLetter) {
    if (GetParam().stored != nullptr) {
        QSettings(QStringLiteral("Qavel Engineering"), QStringLiteral("Viskora"))
            .setValue(QStringLiteral("Settings/VapourPressureMethod"),
                      QString::fromLatin1(GetParam().stored));
    }
    EXPECT_EQ(AppSettings().defaultVapourPressureMethod(), GetParam().method);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, StoredVapourPressureMethod,
    ::testing::Values(
        StoredWordCase{"NotYetChosen", nullptr, VapourPressureMethod::AverageBoilingPoint},
        StoredWordCase{"Cuts", "cuts", VapourPressureMethod::NarrowCuts},
        StoredWordCase{"CapitalLetter", "Cuts", VapourPressureMethod::AverageBoilingPoint},
        StoredWordCase{"TheViscosityWord", "NarrowCuts",
                       VapourPressureMethod::AverageBoilingPoint}),
    [](const auto& info) { return std::string(info.param.name); });

using VapourPressureSetting = ShellTest;

TEST_F(VapourPressureSetting, IsWrittenAsTheWordItIsReadBy) {
    for (const auto& [method, word] :
         {std::pair{VapourPressureMethod::NarrowCuts, "cuts"},
          std::pair{VapourPressureMethod::AverageBoilingPoint, "average"}}) {
        AppSettings().setDefaultVapourPressureMethod(method);
        EXPECT_EQ(AppSettings().defaultVapourPressureMethod(), method);
        EXPECT_EQ(QSettings(QStringLiteral("Qavel Engineering"), QStringLiteral("Viskora"))
                      .value(QStringLiteral("Settings/VapourPressureMethod"))
                      .toString(),
                  QString::fromLatin1(word));
    }
}

} // namespace
} // namespace viskora::testing
