#include "forms/form_template.h"

#include <QFile>

#include <array>
#include <utility>

namespace viskora {
namespace {

constexpr std::array<std::pair<const char*, ControlKind>, 12> kKindNames{{
    {"group", ControlKind::GroupBox},
    {"label", ControlKind::Label},
    {"number", ControlKind::NumberBox},
    {"text", ControlKind::TextBox},
    {"units", ControlKind::UnitList},
    {"list", ControlKind::ChoiceList},
    {"check", ControlKind::CheckBox},
    {"button", ControlKind::Button},
    {"grid", ControlKind::Grid},
    {"spin", ControlKind::Spin},
    {"hline", ControlKind::HorizontalLine},
    {"vline", ControlKind::VerticalLine},
}};

bool readKind(const QString& name, ControlKind& kind) {
    for (const auto& [text, value] : kKindNames) {
        if (name == QLatin1String(text)) {
            kind = value;
            return true;
        }
    }
    return false;
}

bool readInt(const QString& text, int& value) {
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok;
}

bool readForm(const QStringList& fields, FormTemplate& form) {
    int width = 0;
    int height = 0;
    if (fields.size() != 5 || !readInt(fields[1], width) || !readInt(fields[2], height) ||
        !readInt(fields[4], form.pointSize)) {
        return false;
    }
    form.units = QSize(width, height);
    form.fontFamily = fields[3].trimmed();
    return true;
}

bool readControl(const QStringList& fields, ControlSpec& control) {
    if (fields.size() < 9) {
        return false;
    }
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    if (!readInt(fields[0], control.id) || !readKind(fields[2].trimmed(), control.kind) ||
        !readInt(fields[3], x) || !readInt(fields[4], y) || !readInt(fields[5], w) ||
        !readInt(fields[6], h)) {
        return false;
    }
    const QString name = fields[1].trimmed();
    if (name.isEmpty()) {
        return false;
    }
    if (name != QLatin1String("-")) {
        control.name = name;
    }
    control.units = QRect(x, y, w, h);
    for (const QString& flag : fields[7].split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        control.flags << flag.trimmed();
    }
    // The caption is the rest of the line, so that it may hold the separator.
    control.caption = fields.mid(8).join(QLatin1Char('|')).trimmed();
    return true;
}

} // namespace

const ControlSpec* FormTemplate::find(const QString& name) const {
    for (const ControlSpec& control : controls) {
        if (!name.isEmpty() && control.name == name) {
            return &control;
        }
    }
    return nullptr;
}

FormTemplate parseFormTemplate(const QString& text) {
    FormTemplate form;
    bool haveForm = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int number = 0; number < lines.size(); ++number) {
        const QString line = lines[number].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const QStringList fields = line.split(QLatin1Char('|'));
        bool ok = false;
        if (fields[0].trimmed() == QLatin1String("form")) {
            ok = !haveForm && readForm(fields, form);
            haveForm = haveForm || ok;
        } else {
            ControlSpec control;
            ok = haveForm && readControl(fields, control) &&
                 (control.name.isEmpty() || form.find(control.name) == nullptr);
            if (ok) {
                form.controls.push_back(control);
            }
        }
        if (!ok) {
            form.errors << QStringLiteral("line %1: %2").arg(number + 1).arg(line);
        }
    }
    if (!haveForm) {
        form.errors << QStringLiteral("no form line");
    }
    return form;
}

FormTemplate loadFormTemplate(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        FormTemplate form;
        form.errors << QStringLiteral("cannot open ") + path;
        return form;
    }
    return parseFormTemplate(QString::fromUtf8(file.readAll()));
}

} // namespace viskora
