#include "shell/desktop_opener.h"

#include <QDesktopServices>
#include <QFile>

namespace viskora {

bool DesktopShellOpener::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

void ReportFileOpener::open(const std::filesystem::path& file) {
    lastOpened_ = shell_.openUrl(QUrl::fromLocalFile(QFile::decodeName(file.c_str())));
}

} // namespace viskora
