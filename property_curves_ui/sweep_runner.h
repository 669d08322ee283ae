#pragma once

#include "property_curves/property_curves_document.h"
#include "property_curves/property_sweep.h"

#include <QObject>
#include <QPointer>

#include <atomic>
#include <memory>

class QThread;
class QWidget;

namespace viskora {

// Runs a sweep of a curves document off the GUI thread. Progress comes back
// as signals; the engine's warnings and questions are put to the user in
// message boxes on the GUI thread while the sweep waits for the answer.
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
    // Cancels, and answers every later warning No without asking: the
    // window is closing.
    void stopAsking() {
        closing_ = true;
        cancelled_ = true;
    }

  signals:
    void progress(int done, int total);
    // The sweep has ended, completed or cancelled.
    void finished(const viskora::SweepResult& result);

  private:
    // Asked from the sweep's thread; answers on the GUI thread.
    enum class Ask { InputError, Warning, Question, Failure };
    bool ask(const std::string& text, Ask kind);

    class Messages;

    QPointer<QWidget> dialogParent_;
    QThread* thread_ = nullptr;
    std::atomic<bool> cancelled_ = false;
    std::atomic<bool> busy_ = false;
    std::atomic<bool> closing_ = false;
};

} // namespace viskora
