#include "message_box_answerer.h"

#include <QAbstractButton>
#include <QApplication>

namespace viskora::testing {

MessageBoxAnswerer::MessageBoxAnswerer(std::deque<QMessageBox::StandardButton> answers)
    : answers_(std::move(answers)) {
    connect(&timer_, &QTimer::timeout, this, &MessageBoxAnswerer::answerOpenBox);
    timer_.start(5);
}

QStringList MessageBoxAnswerer::texts() const {
    QStringList list;
    for (const Shown& box : shown_) {
        list << box.text;
    }
    return list;
}

void MessageBoxAnswerer::answerOpenBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
        return;
    }
    shown_.push_back({box->text(), box->icon(), box->standardButtons()});
    QMessageBox::StandardButton answer =
        box->standardButtons().testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    QAbstractButton* button = box->button(answer);
    if (button == nullptr) {
        button = box->buttons().front();
    }
    button->click();
}

} // namespace viskora::testing
