#include "shell/viskora_app.h"

#include "forms/message_box_messages.h"
#include "shell/open_failures_text.h"
#include "shell/single_instance.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <utility>

namespace viskora {
namespace {

// While a modal dialog is open, how often to look whether it has closed.
constexpr int kModalDialogPollMs = 100;

} // namespace

bool CViskoraApp::acceptHandOvers(const QString& serverName) {
    if (singleInstance_ == nullptr) {
        singleInstance_ = new SingleInstance(this);
        handOverTimer_.setSingleShot(true);
        connect(&handOverTimer_, &QTimer::timeout, this, &CViskoraApp::openHandedOverFiles);
        connect(singleInstance_, &SingleInstance::pathHandedOver, this,
                [this](const QString& path) {
                    handedOver_ << path;
                    if (!handOverTimer_.isActive()) {
                        handOverTimer_.start(0);
                    }
                });
        connect(singleInstance_, &SingleInstance::activationRequested, this,
                &CViskoraApp::activateMainFrame);
    }
    return singleInstance_->listen(serverName);
}

void CViskoraApp::reportUntakenHandOver(const QString& path) {
    const QString what = path.isEmpty() ? QStringLiteral("did not answer")
                                        : QStringLiteral("did not take %1").arg(path);
    const QString text =
        QStringLiteral("Viskora is already running but %1 in time.\nTry again in a moment.")
            .arg(what);
    std::fprintf(stderr, "viskora: %s\n", text.toLocal8Bit().constData());
    MessageBoxMessages::show(nullptr, QMessageBox::Warning, text, QMessageBox::Ok);
}

void CViskoraApp::openHandedOverFiles() {
    // Never from inside a modal dialog's event loop: a box shown there would
    // hold the next hand-overs, whose boxes would nest in it, and so on
    // until the stack runs out.
    if (openingHandedOver_ || QApplication::activeModalWidget() != nullptr) {
        handOverTimer_.start(kModalDialogPollMs);
        return;
    }
    openingHandedOver_ = true;
    activateMainFrame();
    QList<std::pair<QString, QString>> failures;
    for (const QString& path : std::exchange(handedOver_, {})) {
        if (activateOpenWindow(path) != nullptr) {
            continue;
        }
        const QString absolute = QFileInfo(path).absoluteFilePath();
        QString failure;
        if (loadFile(absolute, failure) == nullptr) {
            failures.append({absolute, failure});
        }
    }
    if (!failures.isEmpty()) {
        showMessage(openFailuresText(failures));
    }
    openingHandedOver_ = false;
    if (!handedOver_.isEmpty()) {
        handOverTimer_.start(0);
    }
}

} // namespace viskora
