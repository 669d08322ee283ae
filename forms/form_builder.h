#pragma once

#include "forms/form_template.h"

#include <QFont>
#include <QHash>
#include <QPointer>
#include <QSize>
#include <QWidget>

namespace viskora {

// Dialog units of a font: a horizontal unit is a quarter of the font's
// average character width, a vertical unit an eighth of its height.
class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);

    // Both edges are scaled, so that controls that touch in dialog units
    // touch in pixels as well.
    QRect toPixels(const QRect& units) const;
    QSize toPixels(const QSize& units) const;
    int averageCharWidth() const { return baseX_; }
    int fontHeight() const { return baseY_; }

  private:
    int x(int units) const;
    int y(int units) const;

    int baseX_;
    int baseY_;
};

// The widgets a form template produced, by control name.
class FormControls {
  public:
    QWidget* widget(const QString& name) const { return byName_.value(name); }
    template <typename T> T* get(const QString& name) const {
        return qobject_cast<T*>(widget(name));
    }

    QSize pixelSize;
    QFont font;

  private:
    QHash<QString, QPointer<QWidget>> byName_;
    friend FormControls buildForm(const FormTemplate& form, QWidget* parent);
};

// Creates the controls of `form` as children of `parent` with absolute
// geometry in the template's font, gives `parent` that font, and chains the
// focusable controls for Tab in template order. Each named control's
// objectName is its name and its "controlId" property holds its number.
FormControls buildForm(const FormTemplate& form, QWidget* parent);

} // namespace viskora
