#include "form_fixture.h"
#include "forms/complex_oil_view.h"
#include "forms/distillation_curve_dialog.h"
#include "forms/simple_oil_view.h"
#include "message_box_answerer.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace viskora {
namespace {

using testing::MessageBoxAnswerer;

// Kerosene by D86 (Riazi 2005, Ex. 3.3), deg.C, as two spreadsheet columns
// under a heading.
const QString kKeroseneColumns = QStringLiteral("Percent\tD86, C\n0\t165.6\n10\t173.7\n30\t193.3\n"
                                                "50\t206.7\n70\t222.8\n90\t242.8\n");

// Clicks "From Curve..." and, inside the dialog's own event loop, does
// `work` with it; the dialog must have been closed by then.
template <typename View>
void withCurveDialog(testing::FormFixture<View>& f, const std::function<void(CurveDialog&)>& work) {
    bool reached = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CurveDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        reached = true;
        work(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    f.click("fromCurve");
    ASSERT_TRUE(reached) << "the dialog did not open";
}

QJsonObject calculatorJson(const QStringList& arguments) {
    QProcess calculator;
    calculator.start(QStringLiteral(VISKORA_CALC_PATH), arguments);
    EXPECT_TRUE(calculator.waitForFinished(30000));
    EXPECT_EQ(calculator.exitCode(), 0) << calculator.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(calculator.readAllStandardOutput()).object();
}

// Paste, Fill and Calculate in the form give the table and the results the
// calculator gives for the same curve.
TEST(CurveDialog, FillsTheTableAndCalculatesAsTheCalculator) {
    testing::FormFixture<CSimpleOilView> f;
    QSignalSpy modified(f.view.get(), &OilFormView::documentModified);
    withCurveDialog(f, [](CurveDialog& dialog) {
        dialog.pastePoints(kKeroseneColumns);
        dialog.findChild<QPushButton*>(QStringLiteral("fill"))->click();
    });
    EXPECT_EQ(modified.count(), 1);
    EXPECT_TRUE(f.get<QCheckBox>("useFractions")->isChecked());
    EXPECT_TRUE(f.view->control("apply")->isEnabled());

    const QJsonObject calc =
        calculatorJson({QStringLiteral("basic"), QStringLiteral("--curve"), QStringLiteral("D86"),
                        QStringLiteral("--curve-point"), QStringLiteral("0:165.6"),
                        QStringLiteral("--curve-point"), QStringLiteral("10:173.7"),
                        QStringLiteral("--curve-point"), QStringLiteral("30:193.3"),
                        QStringLiteral("--curve-point"), QStringLiteral("50:206.7"),
                        QStringLiteral("--curve-point"), QStringLiteral("70:222.8"),
                        QStringLiteral("--curve-point"), QStringLiteral("90:242.8"),
                        QStringLiteral("--yes"), QStringLiteral("--json")});
    const QJsonArray rows =
        calc[QStringLiteral("curve")].toObject()[QStringLiteral("rows")].toArray();
    ASSERT_EQ(f.table().rowCount(), rows.size());
    EXPECT_EQ(f.text("fractionCount"), QString::number(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const QJsonObject expected = rows[row].toObject();
        EXPECT_EQ(f.cell(row, 1), expected[QStringLiteral("start")].toString()) << row;
        EXPECT_EQ(f.cell(row, 2), expected[QStringLiteral("end")].toString()) << row;
        EXPECT_EQ(f.cell(row, 3), expected[QStringLiteral("share")].toString()) << row;
    }

    MessageBoxAnswerer answerer;
    f.click("calculate");
    const QJsonObject shown = calc[QStringLiteral("shown")].toObject();
    const std::pair<const char*, const char*> boxes[] = {
        {"resDensity", "density"},
        {"resHeat", "specificHeat"},
        {"resConductivity", "thermalConductivity"},
        {"resViscosity", "kinematicViscosity"},
        {"resTension", "surfaceTension"},
        {"resVapour", "vapourPressure"},
        {"resCritTemp", "pseudoCritTemp"},
        {"resPrandtl", "prandtl"},
    };
    for (const auto& [control, key] : boxes) {
        EXPECT_EQ(f.text(control), shown[QString::fromUtf8(key)].toString()) << key;
    }
}

// A bad curve is said in the dialog, Fill does not close it, and the form
// keeps its table, switch and unmodified state.
TEST(CurveDialog, BadCurveIsSaidAndLeavesTheTable) {
    testing::FormFixture<CComplexOilView> f;
    QSignalSpy modified(f.view.get(), &OilFormView::documentModified);
    const int rowsBefore = f.table().rowCount();
    QString message;
    bool stayedOpen = false;
    withCurveDialog(f, [&](CurveDialog& dialog) {
        dialog.pastePoints(QStringLiteral("10;200\n50;180\n90;250\n"));
        dialog.findChild<QPushButton*>(QStringLiteral("fill"))->click();
        stayedOpen = dialog.isVisible();
        message = dialog.messageText();
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(message.contains(QStringLiteral("falls between 10 % and 50 %")))
        << message.toStdString();
    EXPECT_EQ(modified.count(), 0);
    EXPECT_FALSE(f.get<QCheckBox>("useFractions")->isChecked());
    ASSERT_EQ(f.table().rowCount(), rowsBefore);
    for (int row = 0; row < rowsBefore; ++row) {
        EXPECT_EQ(f.cell(row, 3), QStringLiteral("0"));
    }
}

// The keys that paste in a spreadsheet paste the clipboard's columns into
// the points table as the Paste button does.
struct PasteKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

void PrintTo(const PasteKey& c, std::ostream* out) {
    *out << c.name;
}

class CurveDialogPasteKeys : public ::testing::TestWithParam<PasteKey> {};

TEST_P(CurveDialogPasteKeys, PasteTheClipboardsColumns) {
    testing::FormFixture<CSimpleOilView> f;
    QApplication::clipboard()->setText(kKeroseneColumns);
    std::size_t points = 0;
    int converted = 0;
    withCurveDialog(f, [&](CurveDialog& dialog) {
        auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("points"));
        table->setFocus();
        QTest::keyClick(table, GetParam().key, GetParam().modifiers);
        points = dialog.entries().points.size();
        converted = dialog.findChild<QTableWidget*>(QStringLiteral("converted"))->rowCount();
    });
    EXPECT_EQ(points, 6u);
    EXPECT_GT(converted, 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, CurveDialogPasteKeys,
                         ::testing::Values(PasteKey{"CtrlV", Qt::Key_V, Qt::ControlModifier},
                                           PasteKey{"ShiftInsert", Qt::Key_Insert,
                                                    Qt::ShiftModifier}),
                         [](const auto& info) { return std::string(info.param.name); });

// A point edited after Convert greys the results, which no longer show the
// curve; Fill then converts and shows what it writes, and writes it when
// clicked once more.
TEST(CurveDialog, AnEditAfterConvertIsShownBeforeItIsFilled) {
    testing::FormFixture<CSimpleOilView> f;
    std::vector<bool> seen;
    withCurveDialog(f, [&](CurveDialog& dialog) {
        dialog.pastePoints(kKeroseneColumns);
        dialog.findChild<QTableWidget*>(QStringLiteral("points"))->item(5, 1)->setText("250");
        seen = {dialog.isStale() && !dialog.noteText().isEmpty(),
                !dialog.findChild<QTableWidget*>(QStringLiteral("converted"))->isEnabled()};
        auto* fill = dialog.findChild<QPushButton*>(QStringLiteral("fill"));
        fill->click();
        seen.push_back(dialog.isVisible() && !dialog.isStale());
        fill->click();
    });
    EXPECT_EQ(seen, (std::vector{true, true, true}));
    EXPECT_TRUE(f.get<QCheckBox>("useFractions")->isChecked());
}

// The dialog opens again with the form's last curve, even one cancelled.
TEST(CurveDialog, OpensWithTheFormsLastCurve) {
    testing::FormFixture<CComplexOilView> f;
    withCurveDialog(f, [](CurveDialog& dialog) {
        dialog.pastePoints(kKeroseneColumns);
        dialog.findChild<QComboBox*>(QStringLiteral("curveType"))->setCurrentIndex(1);
    });
    CurveDialog::Entries reopened;
    withCurveDialog(f, [&](CurveDialog& dialog) { reopened = dialog.entries(); });
    EXPECT_EQ(reopened.typeIndex, 1);
    ASSERT_EQ(reopened.points.size(), 6u);
    EXPECT_EQ(reopened.points[5], (std::pair{QStringLiteral("90"), QStringLiteral("242.8")}));
}

} // namespace
} // namespace viskora
