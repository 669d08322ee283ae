#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <vector>

namespace viskora::testing {

// Answers the modal message boxes that appear while it lives: the scripted
// answers first, then Yes where the box has it, else OK. Records what each
// box showed, so a test can check it after the command returns.
class MessageBoxAnswerer : public QObject {
    Q_OBJECT

  public:
    struct Shown {
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    explicit MessageBoxAnswerer(std::deque<QMessageBox::StandardButton> answers = {});

    const std::vector<Shown>& shown() const { return shown_; }
    QStringList texts() const;

  private:
    void answerOpenBox();

    QTimer timer_;
    std::deque<QMessageBox::StandardButton> answers_;
    std::vector<Shown> shown_;
};

} // namespace viskora::testing
