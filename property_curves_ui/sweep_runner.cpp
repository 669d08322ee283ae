#include "property_curves_ui/sweep_runner.h"

#include "forms/message_box_messages.h"
#include "property_curves/curve_inputs.h"

#include <QThread>

namespace viskora {

// The engine's messages from the sweep's thread, each put to the user on
// the GUI thread. The sweep asks each warning once (SweepMessages).
class SweepRunner::Messages : public CalcMessages {
  public:
    explicit Messages(SweepRunner& runner) : runner_(runner) {}

    void inputError(const std::string& text) override { runner_.ask(text, Ask::InputError); }
    bool warning(const std::string& text) override { return runner_.ask(text, Ask::Warning); }
    bool question(const std::string& text) override { return runner_.ask(text, Ask::Question); }
    void failure(const std::string& text) override { runner_.ask(text, Ask::Failure); }

  private:
    SweepRunner& runner_;
};

SweepRunner::SweepRunner(QWidget* dialogParent) : dialogParent_(dialogParent) {
    qRegisterMetaType<viskora::SweepResult>("viskora::SweepResult");
}

SweepRunner::~SweepRunner() {
    // Only a runner whose sweep has ended is deleted (release()); its
    // thread is at most returning.
    if (thread_ != nullptr) {
        thread_->wait();
        delete thread_;
    }
}

void SweepRunner::release() {
    stopAsking();
    disconnect();
    if (thread_ == nullptr) {
        delete this;
        return;
    }
    connect(thread_, &QThread::finished, this, &QObject::deleteLater);
    if (thread_->isFinished()) {
        deleteLater();
    }
}

bool SweepRunner::isRunning() const {
    return busy_;
}

bool SweepRunner::start(const CurveDocument& document) {
    if (busy_) {
        return false;
    }
    if (thread_ != nullptr) {
        thread_->wait();
        delete thread_;
    }
    cancelled_ = false;
    busy_ = true;
    thread_ = QThread::create([this, copy = std::make_shared<CurveDocument>(document)] {
        const CurveInputs inputs = curveInputs(*copy);
        Messages messages(*this);
        SweepResult result = runSweep(inputs.oil, inputs.settings, inputs.measured, &messages,
                                      [this](int done, int total) {
                                          emit progress(done, total);
                                          return !cancelled_.load();
                                      });
        result.cancelled = result.cancelled || cancelled_.load();
        busy_ = false;
        emit finished(result);
    });
    thread_->start();
    return true;
}

bool SweepRunner::ask(const std::string& text, Ask kind) {
    bool answer = false;
    if (closing_) {
        return false;
    }
    QMetaObject::invokeMethod(
        this,
        [&] {
            if (closing_) {
                return;
            }
            // Over the main window: the box must not be deleted with the
            // curves window, which may close while it is open.
            MessageBoxMessages boxes(dialogParent_ ? dialogParent_->window() : nullptr);
            switch (kind) {
            case Ask::InputError:
                boxes.inputError(text);
                break;
            case Ask::Warning:
                answer = boxes.warning(text);
                break;
            case Ask::Question:
                answer = boxes.question(text);
                break;
            case Ask::Failure:
                boxes.failure(text);
                break;
            }
        },
        Qt::BlockingQueuedConnection);
    return answer;
}

} // namespace viskora
