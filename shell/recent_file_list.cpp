#include "shell/recent_file_list.h"

#include <QDir>

namespace viskora {
namespace {

constexpr int kLongestShownPath = 60;

} // namespace

RecentFileList::RecentFileList(const QStringList& paths) {
    for (auto it = paths.crbegin(); it != paths.crend(); ++it) {
        if (!it->isEmpty()) {
            add(*it);
        }
    }
}

void RecentFileList::add(const QString& path) {
    const QString clean = QDir::cleanPath(path);
    paths_.removeAll(clean);
    paths_.prepend(clean);
    while (paths_.size() > kCapacity) {
        paths_.removeLast();
    }
}

void RecentFileList::remove(int index) {
    if (index >= 0 && index < paths_.size()) {
        paths_.removeAt(index);
    }
}

QString RecentFileList::menuText(int index, const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    if (shown.size() > kLongestShownPath) {
        const int keep = (kLongestShownPath - 3) / 2;
        shown = shown.left(keep) + QStringLiteral("...") + shown.right(keep);
    }
    // A "&" in a file name would become a mnemonic.
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

} // namespace viskora
