#include "forms/form_builder.h"

#include "forms/num_edit.h"
#include "forms/spin_arrows.h"
#include "grid/grid_control.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyleFactory>

#include <cmath>
#include <vector>

namespace viskora {
namespace {

Qt::Alignment horizontalAlignment(const ControlSpec& entry, Qt::Alignment fallback) {
    if (entry.has("right")) {
        return Qt::AlignRight;
    }
    if (entry.has("center")) {
        return Qt::AlignHCenter;
    }
    if (entry.has("left")) {
        return Qt::AlignLeft;
    }
    return fallback;
}

QLineEdit* makeLineEdit(const ControlSpec& entry, QLineEdit* edit) {
    edit->setAlignment(horizontalAlignment(entry, Qt::AlignLeft) | Qt::AlignVCenter);
    edit->setReadOnly(entry.has("readonly"));
    if (entry.has("digits")) {
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    }
    return edit;
}

QFrame* makeLine(QFrame::Shape shape, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QWidget* makeControl(const ControlSpec& entry, QWidget* parent, QWidget* previous) {
    switch (entry.kind) {
    case ControlKind::GroupBox:
        return new QGroupBox(entry.caption, parent);
    case ControlKind::Label: {
        auto* label = new QLabel(entry.caption, parent);
        label->setAlignment(horizontalAlignment(entry, Qt::AlignLeft) | Qt::AlignTop);
        label->setWordWrap(entry.has("wrap"));
        return label;
    }
    case ControlKind::NumberBox:
        return makeLineEdit(entry, new CNumEdit(parent));
    case ControlKind::TextBox:
        return makeLineEdit(entry, new QLineEdit(parent));
    case ControlKind::UnitList:
    case ControlKind::ChoiceList:
        return new QComboBox(parent);
    case ControlKind::CheckBox:
        return new QCheckBox(entry.caption, parent);
    case ControlKind::Button: {
        auto* button = new QPushButton(entry.caption, parent);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::Grid:
        return new GridControl(parent);
    case ControlKind::Spin: {
        auto* spin = new SpinArrows(parent);
        spin->setBuddy(qobject_cast<QLineEdit*>(previous));
        return spin;
    }
    case ControlKind::HorizontalLine:
        return makeLine(QFrame::HLine, parent);
    case ControlKind::VerticalLine:
        return makeLine(QFrame::VLine, parent);
    }
    return nullptr;
}

bool takesFocus(ControlKind kind) {
    switch (kind) {
    case ControlKind::NumberBox:
    case ControlKind::TextBox:
    case ControlKind::UnitList:
    case ControlKind::ChoiceList:
    case ControlKind::CheckBox:
    case ControlKind::Button:
    case ControlKind::Grid:
        return true;
    default:
        return false;
    }
}

// An etched line is one dialog unit thick in the template; a sunken QFrame
// needs two pixels to show both its edges.
QRect lineGeometry(ControlKind kind, QRect rect) {
    if (kind == ControlKind::HorizontalLine && rect.height() < 2) {
        rect.setHeight(2);
    }
    if (kind == ControlKind::VerticalLine && rect.width() < 2) {
        rect.setWidth(2);
    }
    return rect;
}

} // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // The average over both cases, rounded to whole pixels.
    baseX_ = std::max(1, (alphabet / 26 + 1) / 2);
    baseY_ = std::max(1, metrics.height());
}

int DialogUnits::x(int units) const {
    return static_cast<int>(std::lround(static_cast<double>(units) * baseX_ / 4.0));
}

int DialogUnits::y(int units) const {
    return static_cast<int>(std::lround(static_cast<double>(units) * baseY_ / 8.0));
}

QRect DialogUnits::toPixels(const QRect& units) const {
    const int left = x(units.x());
    const int top = y(units.y());
    const int right = x(units.x() + units.width());
    const int bottom = y(units.y() + units.height());
    return QRect(left, top, right - left, bottom - top);
}

QSize DialogUnits::toPixels(const QSize& units) const {
    return QSize(x(units.width()), y(units.height()));
}

FormControls buildForm(const FormTemplate& form, QWidget* parent) {
    FormControls controls;
    controls.font = QFont(form.fontFamily, form.pointSize);
    controls.font.setStyleHint(QFont::SansSerif);
    parent->setFont(controls.font);
    const DialogUnits units(controls.font);
    controls.pixelSize = units.toPixels(form.units);

    std::vector<QWidget*> focusChain;
    std::vector<QWidget*> groups;
    QWidget* previous = nullptr;
    for (const ControlSpec& entry : form.controls) {
        QWidget* widget = makeControl(entry, parent, previous);
        widget->setGeometry(lineGeometry(entry.kind, units.toPixels(entry.units)));
        if (!entry.name.isEmpty()) {
            widget->setObjectName(entry.name);
            widget->setProperty("controlId", entry.id);
            controls.byName_.insert(entry.name, widget);
        }
        if (entry.has("hidden")) {
            widget->hide();
        }
        if (entry.kind == ControlKind::GroupBox) {
            groups.push_back(widget);
        }
        if (takesFocus(entry.kind)) {
            focusChain.push_back(widget);
        }
        previous = widget;
    }
    // Frames stay behind the controls they enclose. They are drawn as dialog
    // frames, caption on the top line, so that a frame at its template
    // position encloses what the template puts inside it.
    QStyle* groupStyle = QStyleFactory::create(QStringLiteral("Windows"));
    if (groupStyle != nullptr) {
        groupStyle->setParent(parent);
    }
    for (QWidget* group : groups) {
        group->setStyle(groupStyle);
        group->lower();
    }
    for (std::size_t i = 1; i < focusChain.size(); ++i) {
        QWidget::setTabOrder(focusChain[i - 1], focusChain[i]);
    }
    return controls;
}

} // namespace viskora
