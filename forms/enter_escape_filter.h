#pragma once

#include <QObject>

namespace viskora {

// Installed on a form: Enter and Escape reach the control they are meant for
// and go no further, so nothing around the form treats them as "press the
// default button" or "close". A cell editor of the grid consumes them itself
// (end the edit, or undo it) before they could get here.
class EnterEscapeFilter : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;
};

} // namespace viskora
