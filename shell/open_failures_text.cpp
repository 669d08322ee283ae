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
    // Every reason is said, with its count where the list cannot name all
    // its files: a long list of one reason must not hide the others.
    qsizetype listed = 0;
    for (const QString& reason : reasons) {
        text += QStringLiteral("\n\n") + reason;
        qsizetype unlisted = 0;
        for (const auto& [path, failure] : failures) {
            if (failure != reason) {
                continue;
            }
            if (listed < kFilesListed) {
                text += QStringLiteral("\n    ") + QDir::toNativeSeparators(path);
                ++listed;
            } else {
                ++unlisted;
            }
        }
        if (unlisted > 0) {
            text += QStringLiteral("\n    ... and %1 more %2")
                        .arg(unlisted)
                        .arg(unlisted == 1 ? QStringLiteral("file") : QStringLiteral("files"));
        }
    }
    return text;
}

} // namespace viskora
