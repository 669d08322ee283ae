// viskora [FILE.vkr]: the desktop program. A second start hands its file to
// the program already running for the user and ends.

#include "shell/single_instance.h"
#include "shell/viskora_app.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

namespace {

QString fileToHandOver(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-'))) {
            return QFileInfo(arguments[i]).absoluteFilePath();
        }
    }
    return {};
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
    if (viskora::SingleInstance::handOver(serverName, fileToHandOver(arguments))) {
        return 0;
    }

    viskora::CViskoraApp app;
    app.acceptHandOvers(serverName);
    app.initInstance(arguments);
    const int status = QApplication::exec();
    app.exitInstance();
    return status;
}
