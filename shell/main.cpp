// viskora [FILE.vkr]: the desktop program. A second start hands its file to
// the program already running for the user and ends.

#include "shell/single_instance.h"
#include "shell/viskora_app.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

#include <optional>

namespace {

// Hands `file` (empty: none) to the program running for the user. The exit
// status of this start when there is such a program: 0 when it took the
// file, 1 when it did not in time (reported); nothing when none runs.
std::optional<int> handOverToRunningProgram(const QString& serverName, const QString& file) {
    if (viskora::SingleInstance::handOver(serverName, file)) {
        return 0;
    }
    if (viskora::SingleInstance::isAnswered(serverName)) {
        viskora::CViskoraApp::reportUntakenHandOver(file);
        return 1;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Qavel Engineering"));
    QCoreApplication::setApplicationName(QStringLiteral("Viskora"));
    QGuiApplication::setDesktopFileName(QStringLiteral("viskora"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/viskora.png")));

    const QString serverName = viskora::SingleInstance::defaultServerName();
    const QStringList arguments = QCoreApplication::arguments();
    // The running program has its own current folder: hand over a full path.
    QString file = viskora::CViskoraApp::fileArgument(arguments);
    if (!file.isEmpty()) {
        file = QFileInfo(file).absoluteFilePath();
    }
    if (const auto status = handOverToRunningProgram(serverName, file)) {
        return *status;
    }

    viskora::CViskoraApp app;
    // A start at the same moment may have begun listening first.
    if (!app.acceptHandOvers(serverName)) {
        if (const auto status = handOverToRunningProgram(serverName, file)) {
            return *status;
        }
    }
    app.initInstance(arguments);
    const int status = QApplication::exec();
    app.exitInstance();
    return status;
}
