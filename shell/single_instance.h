#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace viskora {

// One running program per user. The first start listens on a local socket
// in a folder that only its user can enter; a later start hands its file
// (or, without one, just a wish to be shown) to it and ends. Each message is
// one line: the file's URL, or nothing; a message is complete when the
// client closes the connection. A few connections are served at once, each
// for a few seconds at most, and a message longer than 64 KiB is refused.
class SingleInstance : public QObject {
    Q_OBJECT

  public:
    // The user's socket name: in $XDG_RUNTIME_DIR when that is a folder of
    // the user's that nobody else may enter, else in such a folder made
    // under the user's cache or home folder. Empty when there is none: the
    // program then runs on its own.
    static QString defaultServerName();

    // As a later start: hands `path` (empty: none) to the program listening
    // on `serverName`. False when no program of this user answers there, or
    // when the one there did not take the message in time (isAnswered then
    // tells the two apart).
    static bool handOver(const QString& serverName, const QString& path);

    // Whether a program listens on `serverName`, whether or not it can take
    // a connection now: a program whose queue of connections is full is
    // still there.
    static bool isAnswered(const QString& serverName);

    explicit SingleInstance(QObject* parent = nullptr);

    // As the first start: listens on `serverName`, replacing a socket file
    // that no program listens on (one left behind by a program that ended
    // without removing it, or a file that is no socket). A socket a program
    // listens on is never replaced, however busy that program is. False
    // when it cannot listen; the program then runs on its own.
    bool listen(const QString& serverName);

  signals:
    void pathHandedOver(const QString& path);
    void activationRequested();

  private:
    void serveWaitingConnections();
    void serve(QLocalSocket* socket);
    void readMessage(const QByteArray& message);

    QLocalServer* server_;
    int serving_ = 0;
};

} // namespace viskora
