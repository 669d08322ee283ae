#pragma once

#include "property_curves/property_curves_document.h"
#include "property_curves/property_sweep.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <memory>
#include <set>
#include <string>

class QThread;
class QWidget;

namespace viskora {

// Runs a sweep of a curves document off the GUI thread. Progress comes back
// as signals. When the sweep has run, the messages it met are put to the
// user in message boxes on the GUI thread, each once, in the order met; a
// warning or question answered Yes is accepted and the sweep runs again, so
// the user meets the questions as a single calculation would put them.
// A window that goes away releases its runner: a running sweep is
// cancelled, asks nothing more, and the runner deletes itself once the
// sweep's thread has stopped, so that nobody waits for it.
class SweepRunner : public QObject {
    Q_OBJECT

  public:
    // `dialogParent` is the parent of the message boxes.
    explicit SweepRunner(QWidget* dialogParent);
    ~SweepRunner() override;

    // Instead of deleting: cancels, disconnects and deletes the runner
    // when its sweep has stopped (at once when none runs).
    void release();

    bool isRunning() const;

    // Starts a sweep of the document's inputs; false when one is running.
    bool start(const CurveDocument& document);

    // Asks the running sweep to stop after its current point.
    void cancel() { cancelled_ = true; }

    // Cancels, and asks nothing more: the window is closing.
    void stopAsking() {
        closing_ = true;
        cancelled_ = true;
    }

  signals:
    void progress(int done, int total);
    // The sweep has ended, completed or cancelled.
    void finished(const viskora::SweepResult& result);
    // One run of the sweep's thread has ended (to the GUI thread).
    void swept(const viskora::SweepResult& result);

  private:
    void runInThread();
    // On the GUI thread: asks, and runs again or ends.
    void settle(const viskora::SweepResult& result);
    // Tells each new error and asks each new warning or question in turn;
    // true at the first Yes.
    bool putToUser(const std::vector<CalcMessage>& met);

    QPointer<QWidget> dialogParent_;
    QThread* thread_ = nullptr;
    std::shared_ptr<const CurveDocument> document_;
    AcceptedWarnings accepted_;
    std::set<std::string> putAlready_; // texts told or answered in this Calculate
    std::atomic<bool> cancelled_ = false;
    std::atomic<bool> busy_ = false;
    std::atomic<bool> closing_ = false;
    bool asking_ = false;
    bool released_ = false;
};

} // namespace viskora
