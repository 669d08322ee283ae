#include "forms/message_box_messages.h"

#include <QApplication>
#include <QGuiApplication>

namespace viskora {

QMessageBox::StandardButton MessageBoxMessages::show(QWidget* parent, QMessageBox::Icon icon,
                                                     const QString& text,
                                                     QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), text, buttons, parent);
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) {
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    if (busy) {
        QApplication::restoreOverrideCursor();
    }
    return answer;
}

void MessageBoxMessages::inputError(const std::string& text) {
    show(parent_, QMessageBox::Warning, QString::fromStdString(text), QMessageBox::Ok);
}

bool MessageBoxMessages::warning(const std::string& text) {
    return show(parent_, QMessageBox::Warning, QString::fromStdString(text),
                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool MessageBoxMessages::question(const std::string& text) {
    return show(parent_, QMessageBox::NoIcon, QString::fromStdString(text),
                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void MessageBoxMessages::failure(const std::string& text) {
    show(parent_, QMessageBox::NoIcon, QString::fromStdString(text), QMessageBox::Ok);
}

bool MessageBoxMessages::answer(const CalcMessage& message) {
    switch (message.kind) {
    case CalcMessage::Kind::InputError:
        inputError(message.text);
        return false;
    case CalcMessage::Kind::Warning:
        return !message.accepted && warning(message.text);
    case CalcMessage::Kind::Question:
        return !message.accepted && question(message.text);
    case CalcMessage::Kind::Failure:
        break;
    }
    failure(message.text);
    return false;
}

} // namespace viskora
