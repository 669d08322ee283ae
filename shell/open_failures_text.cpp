#include "shell/open_failures_text.h"

#include <QDir>
#include <QStringList>

namespace viskora {
namespace {

// A message box lists this many files at most.
constexpr qsizetype kFilesListed = 10;

} // namespace

QString openFailureText(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot open %1\n%2").arg(QDir::toNativeSeparators(path), reason);
}

QString openFailuresText(const QList<std::pair<QString, QString>>& failures) {
    if (failures.size() == 1) {
        return openFailureText(failures.front().first, failures.front().second);
    }
    QStringList reasons;
    for (const auto& [path, reason] : failures) {
        if (!reasons.contains(reason)) {
            reasons << reason;
        }
    }
    QString text = QStringLiteral("%1 files were not opened.").arg(failures.size());
    qsizetype listed = 0;
    for (const QString& reason : reasons) {
        QString files;
        for (const auto& [path, failure] : failures) {
            if (failure == reason && listed < kFilesListed) {
                files += QStringLiteral("\n    ") + QDir::toNativeSeparators(path);
                ++listed;
            }
        }
        if (!files.isEmpty()) {
            text += QStringLiteral("\n\n") + reason + files;
        }
    }
    if (listed < failures.size()) {
        text += QStringLiteral("\n\n... and %1 more.").arg(failures.size() - listed);
    }
    return text;
}

} // namespace viskora
