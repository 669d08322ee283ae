#pragma once

#include <QList>
#include <QString>

#include <utility>

namespace viskora {

// A file that could not be opened, as a message: its path, then the reason.
QString openFailureText(const QString& path, const QString& reason);

// Files that could not be opened, as one message: each reason once, in the
// order of first appearance, followed by its files (ten in all, then for
// each reason how many more it has). Each failure is a file's path and the reason it was not opened.
QString openFailuresText(const QList<std::pair<QString, QString>>& failures);

} // namespace viskora
