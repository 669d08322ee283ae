#include "curves_sample.h"
#include "property_curves_ui/curves_table_export.h"
#include "property_curves_ui/curves_table_model.h"
#include "property_curves_ui/curves_window.h"

#include <QHeaderView>
#include <QTableView>

#include <gtest/gtest.h>

namespace viskora {
namespace {

CurvesTableModel& sampleModel() {
    static CurvesTableModel model;
    model.setSweep(testing::sampleSweep(), unit::kCelsius, unit::kMPa, false);
    return model;
}

// The window's lists, headings and axes name each column as the forms and
// reports name its value.
struct TitleCase {
    const char* name;
    const char* column;
    const char* title;
};

void PrintTo(const TitleCase& c, std::ostream* out) {
    *out << c.name;
}

class ColumnTitles : public ::testing::TestWithParam<TitleCase> {};

TEST_P(ColumnTitles, AreTheFormsLabels) {
    const CurvesTableModel& model = sampleModel();
    const int column = model.columnOf(GetParam().column);
    EXPECT_EQ(model.title(column).toStdString(), GetParam().title);
    // The heading says the same over a few lines, with the unit.
    const QString heading =
        model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().replace('\n', ' ');
    EXPECT_TRUE(heading.startsWith(model.title(column).replace(QStringLiteral(": "), " ")))
        << heading.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Columns, ColumnTitles,
    ::testing::Values(TitleCase{"SweptTemperature", "temperature", "Design temperature"},
                      TitleCase{"GasShare", "gasMassShare",
                                "Gas phase: The share in the total mass"},
                      TitleCase{"ViscosityByCuts", "liquidViscosityByCuts",
                                "Liquid phase: Kinematic viscosity by narrow cuts"},
                      TitleCase{"VapourPressure", "vapourPressure", "Saturated vapor pressure"}),
    [](const auto& info) { return std::string(info.param.name); });

std::vector<std::string> lines(const std::string& text, const std::string& end) {
    std::vector<std::string> found;
    for (std::size_t begin = 0, at; (at = text.find(end, begin)) != std::string::npos;
         begin = at + end.size()) {
        found.push_back(text.substr(begin, at - begin));
    }
    return found;
}

// The CSV and the workbook head their columns as the calculator does, leave
// the properties of an absent phase empty, and the CSV breaks a message's
// lines with CR LF as its records.
TEST(CurvesExports, WriteTheCalculatorsHeadingsAndNoAbsentPhase) {
    CurvesTableModel& model = sampleModel();
    const std::string csv = curvesTableCsv(model);
    EXPECT_EQ(lines(csv, "\n").size(), lines(csv, "\r\n").size()) << "a bare line feed";
    const auto rows = lines(csv, "\r\n");
    ASSERT_EQ(rows.size(), 6u); // headings, four points, the message's second line
    EXPECT_NE(rows[0].find(",liquidConductivity [W/(m K)],liquidViscosity [mm2/s],"),
              std::string::npos)
        << rows[0];
    EXPECT_EQ(rows[1].rfind("20,0.3,0,100,,,,,,,800,", 0), 0u) << rows[1];
    EXPECT_EQ(rows[3].rfind("100,0.3,40,60,3.25,", 0), 0u) << rows[3];
    EXPECT_EQ(curvesTableTabText(model).count(QLatin1Char('\n')), 5);

    const SheetModel sheet = curvesSheet(model);
    EXPECT_EQ(sheet.page.paperSize, 9);
    EXPECT_EQ(sheet.page.fitToPages, (std::pair{1, 0}));
    EXPECT_EQ(sheet.page.titleRows, (std::pair{1, 1}));
    for (int column = 0; column < model.valueColumnCount(); ++column) {
        const std::string heading = model.heading(column).toStdString();
        EXPECT_EQ(sheet.cells.at({1, column + 1}).value, heading);
        EXPECT_GT(sheet.columnWidths.at(column + 1), static_cast<double>(heading.size()))
            << heading;
    }
    EXPECT_EQ(sheet.cells.count({2, model.columnOf("gasDensity") + 1}), 0u);
    EXPECT_EQ(sheet.cells.at({4, model.columnOf("gasDensity") + 1}).value, "3.25");
    // The table leaves them empty too, and dashes a point the engine stopped at.
    const QModelIndex allLiquid = model.index(0, model.columnOf("gasDensity"));
    EXPECT_EQ(model.data(allLiquid, Qt::DisplayRole).toString(), QString());
    EXPECT_EQ(model.data(allLiquid.siblingAtRow(3), Qt::DisplayRole).toString(), "-");
}

// Before any sweep the swept state is headed in the units of a new
// window's boxes.
TEST(CurvesTable, BeforeTheFirstSweepTheStateIsInANewWindowsUnits) {
    const CurvesTableModel model;
    EXPECT_EQ(model.unitOf(model.columnOf("temperature")), QStringLiteral("°C"));
    EXPECT_EQ(model.unitOf(model.columnOf("pressure")), QStringLiteral("MPa"));
}

// Before any sweep every heading has the room its text needs.
TEST(CurvesTable, HeadingsFitBeforeTheFirstSweep) {
    CurvesWindow window;
    window.resize(1200, 800);
    window.show();
    const QHeaderView& header = *window.table().horizontalHeader();
    for (int column = 0; column < window.model().columnCount(); ++column) {
        EXPECT_GE(header.sectionSize(column), header.sectionSizeHint(column)) << column;
    }
}

} // namespace
} // namespace viskora
