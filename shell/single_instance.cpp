#include "shell/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QUrl>

namespace viskora {
namespace {

constexpr int kConnectTimeoutMs = 1000;
// A path is far shorter; a longer message is not from our program.
constexpr qint64 kLongestMessage = 64 * 1024;

} // namespace

QString SingleInstance::defaultServerName() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(QStringLiteral("viskora.socket"));
}

bool SingleInstance::handOver(const QString& serverName, const QString& path) {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(kConnectTimeoutMs)) {
        return false;
    }
    // As a file URL, so that no character of the path can break the line.
    const QByteArray line = path.isEmpty() ? QByteArray() : QUrl::fromLocalFile(path).toEncoded();
    socket.write(line + '\n');
    const bool written = socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(kConnectTimeoutMs);
    }
    return written;
}

SingleInstance::SingleInstance(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
                readMessages(socket);
                socket->deleteLater();
            });
            connect(socket, &QLocalSocket::readyRead, this, [socket] {
                if (socket->bytesAvailable() > kLongestMessage) {
                    socket->abort();
                }
            });
        }
    });
}

bool SingleInstance::listen(const QString& serverName) {
    if (server_->listen(serverName)) {
        return true;
    }
    if (server_->serverError() != QAbstractSocket::AddressInUseError) {
        return false;
    }
    // Nobody answered there (the caller tried handOver first): a socket
    // file of a program that crashed.
    QLocalServer::removeServer(serverName);
    return server_->listen(serverName);
}

void SingleInstance::readMessages(QLocalSocket* socket) {
    if (socket->bytesAvailable() > kLongestMessage) {
        return;
    }
    const QList<QByteArray> lines = socket->readAll().split('\n');
    // The text after the last line feed is an unfinished line.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].isEmpty()) {
            emit activationRequested();
            continue;
        }
        const QUrl url = QUrl::fromEncoded(lines[i], QUrl::StrictMode);
        if (url.isLocalFile()) {
            emit pathHandedOver(url.toLocalFile());
        }
    }
}

} // namespace viskora
