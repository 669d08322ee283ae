#pragma once

#include "engine/calc_warnings.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace viskora {

// The engine's messages as modal message boxes over a form: an input error
// with OK and a warning icon; a warning with Yes and No and a warning icon;
// a question with Yes and No and no icon; a failure with OK and no icon.
class MessageBoxMessages {
  public:
    explicit MessageBoxMessages(QWidget* parent) : parent_(parent) {}

    void inputError(const std::string& text);
    bool warning(const std::string& text);
    bool question(const std::string& text);
    void failure(const std::string& text);

    // A message a calculation stopped at, in its box; true for Yes to a
    // warning or question that was not yet accepted.
    bool answer(const CalcMessage& message);

    // A modal box over `parent` with the program's title. While a
    // calculation shows the busy cursor, the box shows the normal one.
    static QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon,
                                            const QString& text,
                                            QMessageBox::StandardButtons buttons);

  private:
    QPointer<QWidget> parent_;
};

} // namespace viskora
