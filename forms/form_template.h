#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

namespace viskora {

enum class ControlKind {
    GroupBox,
    Label,
    NumberBox,  // CNumEdit
    TextBox,    // plain single-line box
    UnitList,   // drop-down list of a quantity's units, without free text
    ChoiceList, // drop-down list of fixed choices the form fills in
    CheckBox,
    Button,
    Grid,
    Spin, // arrows attached to the control before it
    HorizontalLine,
    VerticalLine,
};

// One control of a form template. Positions are dialog units. Code reaches
// a control by its `name`; `id` is the control's number, kept as data for
// whatever identifies controls by number. Controls that nothing refers to
// have no name and id -1.
struct ControlSpec {
    int id = -1;
    QString name;
    ControlKind kind = ControlKind::Label;
    QRect units;
    QStringList flags; // right, left, center, readonly, wrap, digits, hidden
    QString caption;

    bool has(const char* flag) const { return flags.contains(QLatin1String(flag)); }
};

// A form template: its size in dialog units, its font and its controls in
// template order, which is also the order in which Tab visits them.
struct FormTemplate {
    QSize units;
    QString fontFamily;
    int pointSize = 8;
    std::vector<ControlSpec> controls;
    QStringList errors; // lines that could not be read

    const ControlSpec* find(const QString& name) const;
};

// Reads a template table. Each line is "id|name|kind|x|y|w|h|flags|caption"
// (name "-" for a control without one; a name given twice is an error); the
// first line "form|width|height|font family|points" gives the form itself.
// Blank lines and lines starting with '#' are skipped.
FormTemplate parseFormTemplate(const QString& text);

// Reads a template table from a file or a resource path (":/forms/...").
FormTemplate loadFormTemplate(const QString& path);

} // namespace viskora
