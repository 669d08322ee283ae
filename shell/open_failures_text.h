#pragma once

#include <QList>
#include <QString>

#include <utility>

namespace viskora {

// Files that could not be opened, as one message: each reason once, in the
// order of first appearance, followed by its files (ten at most, then how
// many more). Each failure is a file's path and the reason it was not opened.
QString openFailuresText(const QList<std::pair<QString, QString>>& failures);

} // namespace viskora
