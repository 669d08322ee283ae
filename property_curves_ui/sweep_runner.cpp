#include "property_curves_ui/sweep_runner.h"

#include "forms/message_box_messages.h"
#include "property_curves/curve_inputs.h"

#include <QThread>

namespace viskora {

SweepRunner::SweepRunner(QWidget* dialogParent) : dialogParent_(dialogParent) {
    qRegisterMetaType<viskora::SweepResult>("viskora::SweepResult");
    connect(this, &SweepRunner::swept, this, &SweepRunner::settle, Qt::QueuedConnection);
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
    released_ = true;
    if (asking_) {
        return; // settle() deletes it once its box has closed
    }
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
    cancelled_ = false;
    busy_ = true;
    document_ = std::make_shared<const CurveDocument>(document);
    accepted_ = AcceptedWarnings();
    putAlready_.clear();
    runInThread();
    return true;
}

void SweepRunner::runInThread() {
    if (thread_ != nullptr) {
        thread_->wait();
        delete thread_;
    }
    thread_ = QThread::create([this, document = document_, accepted = accepted_] {
        const CurveInputs inputs = curveInputs(*document);
        SweepResult result = runSweep(inputs.oil, inputs.settings, inputs.measured, accepted,
                                      [this](int done, int total) {
                                          emit progress(done, total);
                                          return !cancelled_.load();
                                      });
        result.cancelled = result.cancelled || cancelled_.load();
        emit swept(result);
    });
    thread_->start();
}

void SweepRunner::settle(const SweepResult& result) {
    asking_ = true;
    const bool again = !closing_ && !result.cancelled && putToUser(result.messages);
    asking_ = false;
    if (released_) {
        deleteLater();
        return;
    }
    if (again && !closing_) {
        runInThread();
        return;
    }
    busy_ = false;
    emit finished(result);
}

bool SweepRunner::putToUser(const std::vector<CalcMessage>& met) {
    // Over the main window: the box must not be deleted with the curves
    // window, which may close while it is open.
    MessageBoxMessages boxes(dialogParent_ ? dialogParent_->window() : nullptr);
    for (const CalcMessage& message : met) {
        if (closing_) {
            return false;
        }
        if (message.accepted || !putAlready_.insert(message.text).second) {
            continue;
        }
        if (boxes.answer(message)) {
            accepted_.accept(message.text);
            return true;
        }
    }
    return false;
}

} // namespace viskora
