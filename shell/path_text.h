#pragma once

#include <QFile>
#include <QString>

#include <filesystem>
#include <string_view>

namespace viskora {

// File names cross between Qt and the libraries in the file system's own
// encoding.
inline std::filesystem::path toFsPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

inline QString fromFsPath(const std::filesystem::path& path) {
    return QFile::decodeName(path.c_str());
}

// A message of the libraries as a message box shows it: their texts break
// lines with "\r\n".
inline QString messageText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace viskora
