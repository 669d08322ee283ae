#include "assays/assay_figures_csv.h"
#include "assaysui/assay_window.h"
#include "assaysui/blend_window.h"
#include "assaysui/figure_tables.h"
#include "assaysui/figures_export.h"
#include "assaysui/light_end_yield_model.h"
#include "assaysui/plot_curves.h"

#include <QFile>
#include <QTableView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace viskora {
namespace {

// Alaska North Slope by volume, each cut's density at 15 deg.C; its light
// ends as the first cut, or left out for the test to give by component.
assays::Assay alaskaNorthSlope(bool lightEndsCut) {
    assays::Assay assay;
    assay.name = "ANS";
    assay.basis = assays::YieldBasis::Volume;
    assay.density = assays::StatedDensity{864.42, 15.6};
    const struct {
        std::optional<double> start, end;
        double yield, density;
    } cuts[] = {{std::nullopt, 36, 3.87653, 565.97}, {36, 74, 7.48629, 655.35},
                {74, 166, 17.0199, 761.11},          {166, 249, 13.1491, 818.13},
                {249, 343, 15.4244, 871.21},         {343, 538, 26.4572, 929.98},
                {538, std::nullopt, 16.5864, 1024.6}};
    for (const auto& c : cuts) {
        if (c.end == 36 && !lightEndsCut) {
            continue;
        }
        assay.cuts.push_back({c.start, c.end, c.yield, assays::StatedDensity{c.density, 15}, {}});
    }
    return assay;
}

QAbstractItemModel& figuresOf(const QWidget& window, const char* name) {
    return *window.findChild<QTableView*>(QString::fromLatin1(name))->model();
}

// The row of the whole-oil figure headed `heading`; -1 when none is.
int figureRow(const QAbstractItemModel& figures, const QString& heading) {
    for (int row = 0; row < figures.rowCount(); ++row) {
        if (figures.headerData(row, Qt::Vertical, Qt::DisplayRole).toString() == heading) {
            return row;
        }
    }
    return -1;
}

void typeLightEnd(AssayWindow& window, LightEnd component, const char* yield) {
    LightEndYieldModel& table = window.lightEndModel();
    ASSERT_TRUE(table.setData(table.index(static_cast<int>(component), 0),
                              QString::fromLatin1(yield), Qt::EditRole));
}

// What the assay takes of a light end's cell after the user's edit: the
// yield, or nothing (not given), and whether the window names the cell as
// holding no number.
struct YieldCase {
    const char* name;
    const char* typed;
    std::optional<double> yield;
    bool named;
};

void PrintTo(const YieldCase& c, std::ostream* out) {
    *out << c.name;
}

class LightEndYields : public ::testing::TestWithParam<YieldCase> {};

TEST_P(LightEndYields, AreReadAsTheAssaysBoxesReadNumbers) {
    LightEndYieldModel table;
    table.setData(table.index(2, 0), QString::fromUtf8(GetParam().typed), Qt::EditRole);
    QString problem;
    const std::vector<assays::LightEndYield> given = table.yields(&problem);
    if (GetParam().yield) {
        ASSERT_EQ(given.size(), 1u);
        EXPECT_EQ(given[0].component, LightEnd::Isobutane);
        EXPECT_DOUBLE_EQ(given[0].yield, *GetParam().yield);
    } else {
        EXPECT_TRUE(given.empty());
    }
    EXPECT_EQ(problem.contains(QStringLiteral("Light end isobutane")), GetParam().named)
        << problem.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Typing, LightEndYields,
    ::testing::Values(YieldCase{"CommaIsADecimalPoint", "1,25", 1.25, false},
                      YieldCase{"ZeroIsAComponentGivenAsNone", "0", 0.0, false},
                      YieldCase{"EmptyIsNotGiven", "", std::nullopt, false},
                      // The forms' cells keep it; an assay's yield must be
                      // one number, as its cut table's are.
                      YieldCase{"LettersAfterANumber", "12abc", std::nullopt, true}),
    [](const auto& info) { return std::string(info.param.name); });

// Light ends typed by component make the assay whole: they reach the
// assay, lead the characterised cuts under their names, stay off the
// viscosity plot and give the whole oil its vapour pressures, which follow
// every edit.
TEST(AssayLightEnds, TypedByComponentTheyGiveTheVapourPressures) {
    AssayWindow window;
    window.setAssay(alaskaNorthSlope(false));
    EXPECT_FALSE(window.figures());
    typeLightEnd(window, LightEnd::Propane, "0.8");
    typeLightEnd(window, LightEnd::Isobutane, "1");
    typeLightEnd(window, LightEnd::NButane, "2,07653");
    ASSERT_TRUE(window.figures()) << window.problem().toStdString();
    const std::vector<assays::LightEndYield> typed{
        {LightEnd::Propane, 0.8}, {LightEnd::Isobutane, 1}, {LightEnd::NButane, 2.07653}};
    EXPECT_EQ(window.assay().lightEnds, typed);

    const QAbstractItemModel& cuts = figuresOf(window, "cutFigures");
    EXPECT_EQ(cuts.data(cuts.index(0, 0)).toString(), "propane");
    EXPECT_EQ(cuts.data(cuts.index(2, 0)).toString(), "n-butane");
    EXPECT_EQ(cuts.data(cuts.index(3, 0)).toString(), "36–74");
    for (const ViscosityPlot::Curve& curve : assayCurves(window.assay(), *window.figures())) {
        EXPECT_FALSE(curve.name.contains(QStringLiteral("butane"))) << curve.name.toStdString();
    }

    const QAbstractItemModel& oil = figuresOf(window, "oilFigures");
    const int reidRow = figureRow(oil, QStringLiteral("RVP, kPa"));
    ASSERT_GE(reidRow, 0);
    const std::optional<double> reid = window.figures()->oil.reidVapourPressure;
    ASSERT_TRUE(reid);
    EXPECT_NEAR(oil.data(oil.index(reidRow, 0)).toDouble(), *reid * 1000, 0.05 * *reid * 1000);
    EXPECT_TRUE(oil.headerData(reidRow, Qt::Vertical, Qt::ToolTipRole)
                    .toString()
                    .contains(QStringLiteral("Raoult's law")));

    // Propane in place of some n-butane, the light ends' yield the same.
    typeLightEnd(window, LightEnd::Propane, "1.8");
    typeLightEnd(window, LightEnd::NButane, "1.07653");
    ASSERT_TRUE(window.figures());
    EXPECT_GT(*window.figures()->oil.reidVapourPressure, *reid);

    // Opened again, the assay keeps its light ends.
    AssayWindow opened;
    opened.setAssay(window.assay());
    EXPECT_EQ(opened.assay(), window.assay());
}

// The exports carry the vapour pressures and name a light end given
// by component; the report says how the pressures were found.
TEST(AssayLightEnds, ExportsCarryTheVapourPressures) {
    assays::Assay assay = alaskaNorthSlope(false);
    assay.lightEnds = {{LightEnd::Propane, 1}, {LightEnd::NButane, 2.87653}};
    const assays::FiguresOutcome outcome = assays::characteriseAssay(assay);
    ASSERT_TRUE(outcome.figures) << outcome.problem;
    const assays::OilFigures& oil = outcome.figures->oil;
    ASSERT_TRUE(oil.trueVapourPressure37_8);
    const std::string csv = assays::assayFiguresCsv(*outcome.figures);
    EXPECT_NE(csv.find("\r\npropane,"), std::string::npos);
    EXPECT_NE(assayReportHtml(assay, *outcome.figures).find("dissolved air left out"),
              std::string::npos);
    // The window's CSV... writes the calculator's layout, byte for byte.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("assay.csv"));
    ASSERT_EQ(writeAssayCsv(*outcome.figures, path), QString());
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), csv);
}

// The blend window shows the Reid vapour pressure of the blend and of each
// oil, whose light ends it keeps.
TEST(BlendLightEnds, TheBlendAndEachOilHaveTheirVapourPressures) {
    assays::Assay byComponent = alaskaNorthSlope(false);
    byComponent.lightEnds = {{LightEnd::Propane, 1}, {LightEnd::NButane, 2.87653}};
    BlendWindow window;
    window.addOil({QStringLiteral("By component"), QStringLiteral("a.vka"), byComponent});
    window.addOil({QStringLiteral("As a cut"), QStringLiteral("b.vka"), alaskaNorthSlope(true)});
    BlendPartsModel& parts = window.parts();
    ASSERT_TRUE(
        parts.setData(parts.index(0, BlendPartsModel::Share), QStringLiteral("50"), Qt::EditRole));
    ASSERT_TRUE(
        parts.setData(parts.index(1, BlendPartsModel::Share), QStringLiteral("50"), Qt::EditRole));
    ASSERT_TRUE(window.blend()) << window.shareCheck().toStdString();

    const QAbstractItemModel& figures = figuresOf(window, "blendFigures");
    ASSERT_EQ(figures.columnCount(), 3);
    const int reidRow = figureRow(figures, QStringLiteral("RVP, kPa"));
    ASSERT_GE(reidRow, 0);
    for (int column = 0; column < 3; ++column) {
        EXPECT_GT(figures.data(figures.index(reidRow, column)).toDouble(), 1.0) << column;
    }
}

} // namespace
} // namespace viskora
