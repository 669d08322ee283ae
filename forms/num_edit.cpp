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
#include <QScopedValueRollback>
#include <QValidator>

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

// The number reader takes only the point as the decimal mark, so a comma
// would silently cut "1,5" to 1.
QString withDecimalPoints(QString text) {
    return text.replace(QLatin1Char(','), QLatin1Char('.'));
}

} // namespace

// QLineEdit asks its validator after every change, whatever made it, and
// undoes the change when the answer is Invalid and the text before was
// acceptable. Setting a text from code is never undone.
class NumberGuard : public QValidator {
  public:
    explicit NumberGuard(CNumEdit* box) : QValidator(box), box_(box) {}

    State validate(QString& input, int& /*position*/) const override {
        if (box_->ownEdit_ || input.isEmpty()) {
            return Acceptable;
        }
        return CNumEdit::validity(input, box_->minimum_, box_->maximum_) == CNumEdit::Valid
                   ? Acceptable
                   : Invalid;
    }

  private:
    CNumEdit* box_;
};

CNumEdit::CNumEdit(QWidget* parent) : QLineEdit(parent) {
    // A dropped text would be tried on the text it makes, not alone.
    setAcceptDrops(false);
    setValidator(new NumberGuard(this));
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

std::optional<QString> CNumEdit::cellNumber(const QString& value) {
    QString number = withDecimalPoints(value);
    number.removeIf([](QChar c) { return c.isSpace(); });
    if (validity(number, std::numeric_limits<float>::lowest(), std::numeric_limits<float>::max()) !=
        Valid) {
        return std::nullopt;
    }
    return number;
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
    {
        const QScopedValueRollback<bool> own(ownEdit_, true);
        edit();
    }
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
    // Delete and the keys held with Control are not tried, and may leave a
    // text without a number.
    const QScopedValueRollback<bool> own(ownEdit_, true);
    if (event->text() == QStringLiteral(",")) {
        QKeyEvent point(event->type(), Qt::Key_Period, event->modifiers(), QStringLiteral("."),
                        event->isAutoRepeat(), event->count());
        keyPressEvent(&point);
        event->setAccepted(point.isAccepted());
        return;
    }
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
    withoutSpaces.setCommitString(
        withDecimalPoints(QString(event->commitString()).remove(QLatin1Char(' '))),
        event->replacementStart(), event->replacementLength());
    tryEdit([&] { QLineEdit::inputMethodEvent(&withoutSpaces); });
}

void CNumEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection on X11: the same test as a paste.
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && !isReadOnly() && clipboard->supportsSelection()) {
        const QString selection = clipboard->text(QClipboard::Selection);
        if (validity(selection, minimum_, maximum_) == Valid) {
            deselect();
            insertPasted(selection);
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CNumEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The entry is found by its text: this Qt names none of its entries.
    const QString pasteText = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste") ||
            action->text().startsWith(pasteText)) {
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
    if (data != nullptr && data->hasText() && validate(data->text()) == Valid) {
        insertPasted(data->text());
    }
}

void CNumEdit::insertPasted(const QString& pasted) {
    const QScopedValueRollback<bool> own(ownEdit_, true);
    insert(withDecimalPoints(pasted));
}

} // namespace viskora
