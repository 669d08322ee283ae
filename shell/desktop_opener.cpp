#include "shell/desktop_opener.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace viskora {

DesktopShellOpener::DesktopShellOpener(QString opener) : opener_(std::move(opener)) {}

bool DesktopShellOpener::openUrl(const QUrl& url, FailureHandler failed) {
    const QString program = QStandardPaths::findExecutable(opener_);
    if (program.isEmpty()) {
        return false;
    }
    // The opener runs as the child of a shell: at exit this program ends the
    // processes it started, and the shell is all that ends then, not the
    // opener nor the viewer the opener may have become. The shell waits for
    // the opener and passes its exit status on.
    auto* process = new QProcess(this);
    process->setProgram(QStringLiteral("/bin/sh"));
    process->setArguments({QStringLiteral("-c"), QStringLiteral("\"$0\" \"$1\"; exit $?"), program,
                           url.isLocalFile() ? url.toLocalFile() : url.toString()});
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    connect(process, &QProcess::finished, this,
            [process, failed = std::move(failed)](int exitCode, QProcess::ExitStatus status) {
                process->deleteLater();
                if ((status != QProcess::NormalExit || exitCode != 0) && failed) {
                    failed();
                }
            });
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    return true;
}

void ReportFileOpener::open(const std::filesystem::path& file) {
    ShellOpener::FailureHandler failed;
    if (openFailed_) {
        failed = [openFailed = openFailed_, file] { openFailed(file); };
    }
    lastOpened_ = shell_.openUrl(QUrl::fromLocalFile(QFile::decodeName(file.c_str())), failed);
}

} // namespace viskora
