#include "forms/form_builder.h"
#include "forms/form_template.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace viskora {
namespace {

TEST(FormTemplate, BothTemplatesReadWithoutErrors) {
    struct Case {
        const char* path;
        QSize units;
        std::size_t controls;
    };
    const Case cases[] = {
        {":/forms/basic.form", QSize(393, 319), 54},
        {":/forms/additional.form", QSize(633, 303), 77},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const FormTemplate form = loadFormTemplate(QString::fromUtf8(c.path));
        EXPECT_TRUE(form.errors.isEmpty()) << form.errors.join(u'\n').toStdString();
        EXPECT_EQ(form.units, c.units);
        EXPECT_EQ(form.fontFamily, QStringLiteral("MS Shell Dlg"));
        EXPECT_EQ(form.pointSize, 8);
        EXPECT_EQ(form.controls.size(), c.controls);
    }
}

TEST(FormTemplate, UnreadableLinesAreReported) {
    const FormTemplate form =
        parseFormTemplate(QStringLiteral("# comment\n"
                                         "1|one|label|0|0|1|1||before the form line\n"
                                         "form|100|50|Sans|9\n"
                                         "\n"
                                         "2|two|knob|0|0|1|1||\n"
                                         "3|three|label|x|0|1|1||\n"
                                         "4|four|label|1|2|3|4|left, wrap|a | b\n"
                                         "5|five|label|1|2|3\n"
                                         "6||label|1|2|3|4||no name\n"
                                         "7|four|label|1|2|3|4||a second four\n"));
    EXPECT_EQ(form.errors.size(), 6);
    ASSERT_EQ(form.controls.size(), 1U);
    EXPECT_EQ(form.controls[0].name, QStringLiteral("four"));
    EXPECT_EQ(form.controls[0].caption, QStringLiteral("a | b"));
    EXPECT_EQ(form.controls[0].flags, QStringList({"left", "wrap"}));
    EXPECT_EQ(form.units, QSize(100, 50));
    EXPECT_FALSE(parseFormTemplate(QString()).errors.isEmpty());
}

TEST(DialogUnits, ScaleByTheFontAndKeepTouchingEdgesTogether) {
    QFont font(QStringLiteral("MS Shell Dlg"), 8);
    const DialogUnits units(font);
    ASSERT_GT(units.averageCharWidth(), 0);
    ASSERT_GT(units.fontHeight(), 0);
    EXPECT_EQ(units.toPixels(QSize(4, 8)), QSize(units.averageCharWidth(), units.fontHeight()));
    // The count box and its arrows touch in dialog units, so they touch in pixels.
    const QRect box = units.toPixels(QRect(294, 86, 62, 12));
    const QRect spin = units.toPixels(QRect(356, 86, 12, 12));
    EXPECT_EQ(box.right() + 1, spin.left());
}

TEST(FormBuilder, ControlsAreFoundByNameWithTheirGeometry) {
    QWidget parent;
    const FormTemplate form = loadFormTemplate(QStringLiteral(":/forms/basic.form"));
    const FormControls controls = buildForm(form, &parent);
    const DialogUnits units(controls.font);
    EXPECT_EQ(controls.pixelSize, units.toPixels(QSize(393, 319)));
    QWidget* density = controls.widget(QStringLiteral("density"));
    ASSERT_NE(density, nullptr);
    EXPECT_EQ(density->objectName(), QStringLiteral("density"));
    EXPECT_EQ(density->property("controlId").toInt(), 1003);
    EXPECT_EQ(density->geometry(), units.toPixels(QRect(58, 18, 60, 12)));
    EXPECT_EQ(parent.findChild<QWidget*>(QStringLiteral("calculate")),
              controls.widget(QStringLiteral("calculate")));
    EXPECT_NE(controls.get<QComboBox>(QStringLiteral("densityUnit")), nullptr);
    EXPECT_EQ(controls.get<QComboBox>(QStringLiteral("density")), nullptr);
    EXPECT_TRUE(controls.widget(QStringLiteral("numberColumnWidth"))->isHidden());
    EXPECT_EQ(controls.widget(QStringLiteral("startColumnWidth"))->width(),
              units.toPixels(QRect(10, 0, 68, 1)).width());
    EXPECT_EQ(controls.widget(QStringLiteral("1003")), nullptr);
}

} // namespace
} // namespace viskora
