#include "forms/num_edit.h"

#include "units/display_format.h"
#include "units/number_text.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>

namespace viskora {
namespace {

// A key that puts a character into the box (Backspace included); Delete, the
// arrows, Home and End produce none and are not tried.
bool producesCharacter(const QKeyEvent* event) {
    if (event->key() == Qt::Key_Backspace) {
        return true;
    }
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

bool isSpace(const QKeyEvent* event) {
    return event->text() == QStringLiteral(" ");
}

} // namespace

CNumEdit::CNumEdit(QWidget* parent) : QLineEdit(parent) {
    // A dropped text would go round the number test.
    setAcceptDrops(false);
}

void CNumEdit::getRange(float& maximum, float& minimum) const {
    maximum = maximum_;
    minimum = minimum_;
}

void CNumEdit::setRange(float maximum, float minimum) {
    maximum_ = maximum;
    minimum_ = minimum;
}

bool CNumEdit::verbose() const {
    return verbose_;
}

void CNumEdit::setVerbose(bool on) {
    verbose_ = on;
}

int CNumEdit::validity(const QString& text, float minimum, float maximum) {
    const std::optional<double> number = readLeadingNumber(text.toStdString());
    if (!number) {
        return NotANumber;
    }
    if (*number < minimum || *number > maximum) {
        return OutOfRange;
    }
    return Valid;
}

int CNumEdit::validate(const QString& text) {
    const int code = validity(text, minimum_, maximum_);
    if (verbose_ && code != Valid) {
        QMessageBox::critical(this, QGuiApplication::applicationDisplayName(),
                              code == OutOfRange
                                  ? QStringLiteral("Given value is out of range.\n")
                                  : QStringLiteral("Characters must be a number.\n"));
    }
    return code;
}

int CNumEdit::validate() {
    return validate(text());
}

void CNumEdit::setValue(float value) {
    setText(QString::fromStdString(formatFixed(static_cast<double>(value), 6)));
}

float CNumEdit::value() {
    if (validate() != Valid) {
        return 0.0F;
    }
    return static_cast<float>(textToNumber(text().toStdString()));
}

template <typename Edit> void CNumEdit::tryEdit(Edit edit) {
    const QString kept = text();
    edit();
    if (validate() != Valid) {
        refuse(kept);
    }
}

void CNumEdit::refuse(const QString& keptText) {
    setText(keptText);
    selectAll();
    // Keystrokes already queued for this box were typed after the refused one.
    QCoreApplication::removePostedEvents(this, QEvent::KeyPress);
}

void CNumEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteIfNumber();
        event->accept();
        return;
    }
    if (isSpace(event)) {
        event->accept();
        return;
    }
    if (isReadOnly() || !producesCharacter(event) ||
        event->modifiers().testFlag(Qt::ControlModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    tryEdit([&] { QLineEdit::keyPressEvent(event); });
}

void CNumEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent withoutSpaces(event->preeditString(), event->attributes());
    withoutSpaces.setCommitString(QString(event->commitString()).remove(QLatin1Char(' ')),
                                  event->replacementStart(), event->replacementLength());
    tryEdit([&] { QLineEdit::inputMethodEvent(&withoutSpaces); });
}

void CNumEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection on X11: the same test as a paste.
    if (event->button() == Qt::MiddleButton && !isReadOnly()) {
        const QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard->supportsSelection() &&
            validity(clipboard->text(QClipboard::Selection), minimum_, maximum_) != Valid) {
            event->accept();
            return;
        }
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CNumEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            action->disconnect(this);
            connect(action, &QAction::triggered, this, &CNumEdit::pasteIfNumber);
        }
    }
    menu->popup(event->globalPos());
}

void CNumEdit::pasteIfNumber() {
    if (isReadOnly()) {
        return;
    }
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data != nullptr && data->hasText() && validate(data->text()) != Valid) {
        return;
    }
    paste();
}

} // namespace viskora
