// viskora [FILE.vkr]: the desktop program. A second start hands its file to
// the program already running for the user and ends.

#include "shell/single_instance.h"
#include "shell/viskora_app.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

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
    if (viskora::SingleInstance::handOver(serverName, file)) {
        return 0;
    }

    viskora::CViskoraApp app;
    app.acceptHandOvers(serverName);
    app.initInstance(arguments);
    const int status = QApplication::exec();
    app.exitInstance();
    return status;
}
