#include "shell/single_instance.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace viskora {
namespace {

constexpr int kConnectTimeoutMs = 1000;
// Connections served at once; later ones wait in the system's queue, so that
// clients holding connections open cannot use up the program's file
// descriptors (the server would then stop listening).
constexpr int kMostConnections = 8;
// A client has this long from being served to closing its connection.
constexpr int kConnectionTimeoutMs = 3000;
// A path is far shorter; a longer message is refused whole.
constexpr qint64 kLongestMessage = 64 * 1024;
const QString kSocketFileName = QStringLiteral("viskora.socket");
// Starts that take the socket over at the same moment wait for each other
// this long at most; one takes a few milliseconds.
constexpr int kTakeOverWaitMs = 2000;
constexpr int kTakeOverPollMs = 10;

QString absoluteEnvironmentPath(const char* name) {
    const QString value = qEnvironmentVariable(name);
    return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : QString();
}

// Whether `folder` is a folder, not a symbolic link, of this user that
// nobody else may enter. With `repair`, a folder of the user's that others
// may enter is closed to them first.
bool isPrivateFolder(const QString& folder, bool repair) {
    const int descriptor = ::open(QFile::encodeName(folder).constData(),
                                  O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    struct stat info {};
    bool isPrivate =
        ::fstat(descriptor, &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid();
    if (isPrivate && (info.st_mode & 07777) != S_IRWXU) {
        isPrivate = repair && ::fchmod(descriptor, S_IRWXU) == 0;
    }
    ::close(descriptor);
    return isPrivate;
}

// Makes `folder` as a private folder, or checks the one already there.
bool makePrivateFolder(const QString& folder) {
    if (!QDir().mkpath(QFileInfo(folder).path())) {
        return false;
    }
    if (::mkdir(QFile::encodeName(folder).constData(), S_IRWXU) != 0 && errno != EEXIST) {
        return false;
    }
    return isPrivateFolder(folder, true);
}

// The folder for the socket. Never a shared one such as /tmp: whoever
// listens there first would receive the user's file paths.
QString privateSocketFolder() {
    const QString runtime = absoluteEnvironmentPath("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivateFolder(runtime, false)) {
        return runtime;
    }
    const QString home = absoluteEnvironmentPath("HOME");
    QString cache = absoluteEnvironmentPath("XDG_CACHE_HOME");
    if (cache.isEmpty() && !home.isEmpty()) {
        cache = home + QStringLiteral("/.cache");
    }
    QStringList candidates;
    if (!cache.isEmpty()) {
        candidates << cache + QStringLiteral("/viskora-runtime");
    }
    if (!home.isEmpty()) {
        candidates << home + QStringLiteral("/.viskora-runtime");
    }
    for (const QString& folder : candidates) {
        if (makePrivateFolder(folder)) {
            return folder;
        }
    }
    return {};
}

// Whether `serverName` is a socket of this user: file paths go to no one
// else.
bool isOwnSocket(const QString& serverName) {
    struct stat info {};
    return ::lstat(QFile::encodeName(serverName).constData(), &info) == 0 &&
           S_ISSOCK(info.st_mode) && info.st_uid == ::geteuid();
}

// What a connection attempt finds at a socket's path.
enum class SocketState {
    Absent,    // no file
    Abandoned, // a file nobody listens on: a socket whose program ended, or no socket at all
    Listened,  // a program listens there, though its queue may be full
    Unknown,   // the attempt failed otherwise; the file is left alone
};

SocketState socketState(const QString& serverName) {
    const QByteArray name = QFile::encodeName(serverName);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0) {
        return errno == ENOENT ? SocketState::Absent : SocketState::Unknown;
    }
    if (!S_ISSOCK(info.st_mode)) {
        return SocketState::Abandoned;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(name.size()) >= sizeof address.sun_path) {
        return SocketState::Unknown;
    }
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (descriptor < 0) {
        return SocketState::Unknown;
    }
    // Without blocking, a listener whose queue is full answers EAGAIN at
    // once; only a socket nobody listens on refuses the connection. A
    // connection made is closed before the program reads it: an empty
    // message, which it ignores.
    const int connected =
        ::connect(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    const int error = errno;
    ::close(descriptor);
    if (connected == 0 || error == EAGAIN || error == EINPROGRESS) {
        return SocketState::Listened;
    }
    if (error == ECONNREFUSED) {
        return SocketState::Abandoned;
    }
    return error == ENOENT ? SocketState::Absent : SocketState::Unknown;
}

// An exclusive lock on a file beside the socket while a start takes the
// socket over, so that two starts at once cannot both find it abandoned and
// the second remove the one the first has just made. The system releases it
// when its holder ends, however that ends.
class TakeOverLock {
  public:
    explicit TakeOverLock(const QString& serverName)
        : descriptor_(::open(QFile::encodeName(serverName + QStringLiteral(".lock")).constData(),
                             O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR)) {
        for (int waited = 0; descriptor_ >= 0 && ::flock(descriptor_, LOCK_EX | LOCK_NB) != 0;
             waited += kTakeOverPollMs) {
            if (errno != EWOULDBLOCK || waited >= kTakeOverWaitMs) {
                ::close(descriptor_);
                descriptor_ = -1;
                return;
            }
            ::usleep(kTakeOverPollMs * 1000);
        }
    }
    TakeOverLock(const TakeOverLock&) = delete;
    TakeOverLock& operator=(const TakeOverLock&) = delete;
    ~TakeOverLock() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }

    bool held() const { return descriptor_ >= 0; }

  private:
    int descriptor_;
};

} // namespace

QString SingleInstance::defaultServerName() {
    const QString folder = privateSocketFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(kSocketFileName);
}

bool SingleInstance::handOver(const QString& serverName, const QString& path) {
    if (serverName.isEmpty() || !isOwnSocket(serverName)) {
        return false;
    }
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

bool SingleInstance::isAnswered(const QString& serverName) {
    return !serverName.isEmpty() && isOwnSocket(serverName) &&
           socketState(serverName) == SocketState::Listened;
}

SingleInstance::SingleInstance(QObject* parent) : QObject(parent), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // Connections beyond those served stay in the system's queue rather
    // than as open descriptors of this program.
    server_->setMaxPendingConnections(1);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::serveWaitingConnections);
}

bool SingleInstance::listen(const QString& serverName) {
    if (serverName.isEmpty()) {
        return false;
    }
    const TakeOverLock lock(serverName);
    if (!lock.held()) {
        return false;
    }
    // A program that is only slow to accept still listens there: replacing
    // its socket would leave it unreachable for good (the toolkit's listen
    // puts a new socket in place of any file there). Only a file nobody
    // listens on, such as the socket of a program that crashed, is replaced.
    switch (socketState(serverName)) {
    case SocketState::Listened:
    case SocketState::Unknown:
        return false;
    case SocketState::Abandoned:
        QLocalServer::removeServer(serverName);
        break;
    case SocketState::Absent:
        break;
    }
    return server_->listen(serverName);
}

void SingleInstance::serveWaitingConnections() {
    while (serving_ < kMostConnections) {
        QLocalSocket* socket = server_->nextPendingConnection();
        if (socket == nullptr) {
            return;
        }
        serve(socket);
    }
}

void SingleInstance::serve(QLocalSocket* socket) {
    ++serving_;
    struct Reception {
        QByteArray message;
        bool ended = false;
    };
    const auto reception = std::make_shared<Reception>();
    auto* deadline = new QTimer(socket);
    deadline->setSingleShot(true);

    // False once the message is too long to be one of ours.
    const auto read = [socket, reception] {
        reception->message += socket->readAll();
        return reception->message.size() <= kLongestMessage;
    };
    // Ends the connection once; a complete message is then read.
    const auto end = [this, socket, reception, deadline](bool complete) {
        if (reception->ended) {
            return;
        }
        reception->ended = true;
        deadline->stop();
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
        --serving_;
        if (complete) {
            readMessage(reception->message);
        }
        serveWaitingConnections();
    };

    connect(socket, &QLocalSocket::readyRead, this, [read, end] {
        if (!read()) {
            end(false);
        }
    });
    connect(socket, &QLocalSocket::disconnected, this, [read, end] { end(read()); });
    connect(deadline, &QTimer::timeout, this, [end] { end(false); });
    deadline->start(kConnectionTimeoutMs);
    if (socket->state() != QLocalSocket::ConnectedState) {
        end(read());
    }
}

void SingleInstance::readMessage(const QByteArray& message) {
    const QList<QByteArray> lines = message.split('\n');
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
