#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace viskora {

// One running program per user. The first start listens on a local socket
// that only its user can reach; a later start hands its file (or, without
// one, just a wish to be shown) to it and ends. Each message is one line:
// the file's URL, or nothing.
class SingleInstance : public QObject {
    Q_OBJECT

  public:
    // The user's socket name: in the user's runtime folder.
    static QString defaultServerName();

    // As a later start: hands `path` (empty: none) to the program listening
    // on `serverName`. False when no program answers.
    static bool handOver(const QString& serverName, const QString& path);

    explicit SingleInstance(QObject* parent = nullptr);

    // As the first start: listens on `serverName`, replacing a socket left
    // behind by a program that ended without removing it. False when it
    // cannot listen; the program then runs on its own.
    bool listen(const QString& serverName);

  signals:
    void pathHandedOver(const QString& path);
    void activationRequested();

  private:
    void readMessages(QLocalSocket* socket);

    QLocalServer* server_;
};

} // namespace viskora
