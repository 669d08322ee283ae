// The channel through which a later start hands its file to the running
// program, as another local user, a flood of starts or a stuck client meet
// it.

#include "shell_fixture.h"

#include "shell/main_frame.h"
#include "shell/oil_document.h"
#include "shell/single_instance.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QLocalSocket>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <ostream>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace viskora::testing {
namespace {

using HandOverChannel = ShellTest;

// A user id that is not ours, for files the superuser gives away.
constexpr uid_t kOtherUser = 65534;
// No message from a later start is longer.
constexpr qint64 kLongestMessage = 64 * 1024;
// A client that has not finished by then has stalled.
constexpr int kStalledAfterMs = 6000;

// Sets environment variables for one test and puts the old values back.
class ScopedEnvironment {
  public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() {
        for (auto it = saved_.cbegin(); it != saved_.cend(); ++it) {
            if (it.value().first) {
                qputenv(it.key().constData(), it.value().second);
            } else {
                qunsetenv(it.key().constData());
            }
        }
    }

    void set(const char* name, const QString& value) {
        remember(name);
        qputenv(name, QFile::encodeName(value));
    }
    void unset(const char* name) {
        remember(name);
        qunsetenv(name);
    }

  private:
    void remember(const char* name) {
        if (!saved_.contains(name)) {
            saved_.insert(name, {qEnvironmentVariableIsSet(name), qgetenv(name)});
        }
    }

    QHash<QByteArray, std::pair<bool, QByteArray>> saved_;
};

bool isPrivateFolder(const QString& folder) {
    struct stat info {};
    return ::lstat(QFile::encodeName(folder).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & 07777) == 0700;
}

bool makeFolder(const QString& folder, mode_t mode) {
    return QDir().mkpath(folder) && ::chmod(QFile::encodeName(folder).constData(), mode) == 0;
}

enum class Runtime { Unset, Private, OpenToOthers, OtherUsers };

struct FolderCase {
    const char* what;
    Runtime runtime;
    // The cache's socket folder is a link to a folder everybody may write.
    bool cacheFolderIsLink;
    // Where the socket belongs, under the test's folder.
    const char* expected;
};

TEST(HandOverSocket, LivesOnlyInAFolderOfTheUserThatNobodyElseMayEnter) {
    const bool superuser = ::geteuid() == 0;
    const FolderCase cases[] = {
        {"the runtime folder is the user's own", Runtime::Private, false, "runtime"},
        // Another user has taken the runtime folder the toolkit would make in
        // the shared temporary folder.
        {"no runtime folder", Runtime::Unset, false, "home/.cache/viskora-runtime"},
        {"the runtime folder is open to others", Runtime::OpenToOthers, false,
         "home/.cache/viskora-runtime"},
        {"the runtime folder is another user's", Runtime::OtherUsers, false,
         "home/.cache/viskora-runtime"},
        {"the cache's folder leads to a shared one", Runtime::Unset, true, "home/.viskora-runtime"},
    };
    const passwd* user = ::getpwuid(::geteuid());
    ASSERT_NE(user, nullptr);
    for (const FolderCase& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.runtime == Runtime::OtherUsers && !superuser) {
            continue;
        }
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        const QString shared = root.filePath(QStringLiteral("shared"));
        const QString taken =
            shared + QStringLiteral("/runtime-") + QString::fromLocal8Bit(user->pw_name);
        ASSERT_TRUE(makeFolder(shared, 01777));
        ASSERT_TRUE(makeFolder(taken, 0700));
        const QString home = root.filePath(QStringLiteral("home"));
        ASSERT_TRUE(makeFolder(home, 0700));
        const QString runtime = root.filePath(QStringLiteral("runtime"));
        ASSERT_TRUE(makeFolder(runtime, c.runtime == Runtime::OpenToOthers ? 0755 : 0700));
        if (superuser) {
            ASSERT_EQ(::chown(QFile::encodeName(taken).constData(), kOtherUser, kOtherUser), 0);
        }
        if (c.runtime == Runtime::OtherUsers) {
            ASSERT_EQ(::chown(QFile::encodeName(runtime).constData(), kOtherUser, kOtherUser), 0);
        }
        if (c.cacheFolderIsLink) {
            ASSERT_TRUE(makeFolder(home + QStringLiteral("/.cache"), 0700));
            ASSERT_TRUE(QFile::link(shared, home + QStringLiteral("/.cache/viskora-runtime")));
        }

        ScopedEnvironment environment;
        environment.set("TMPDIR", shared);
        environment.set("HOME", home);
        environment.unset("XDG_CACHE_HOME");
        if (c.runtime == Runtime::Unset) {
            environment.unset("XDG_RUNTIME_DIR");
        } else {
            environment.set("XDG_RUNTIME_DIR", runtime);
        }

        const QString name = SingleInstance::defaultServerName();
        const QString folder = QFileInfo(name).path();
        EXPECT_EQ(folder.toStdString(),
                  root.filePath(QString::fromLatin1(c.expected)).toStdString());
        EXPECT_EQ(QFileInfo(name).fileName(), QStringLiteral("viskora.socket"));
        EXPECT_TRUE(isPrivateFolder(folder)) << folder.toStdString();
        EXPECT_FALSE(name.startsWith(shared)) << name.toStdString();
    }
}

TEST_F(HandOverChannel, ASocketThatIsNotTheUsersIsNeverWrittenTo) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only the superuser can give a socket to another user";
    }
    start();
    const QString server = path("hand-over.socket");
    ASSERT_TRUE(app->acceptHandOvers(server));
    ASSERT_EQ(::chown(QFile::encodeName(server).constData(), kOtherUser, kOtherUser), 0);

    EXPECT_FALSE(SingleInstance::handOver(server, basicFile(QStringLiteral("pipe.vkr"))));
    waitFor([] { return false; }, 300);
    EXPECT_TRUE(app->documents().isEmpty());
}

TEST_F(HandOverChannel, FilesHandedOverWhileABoxIsOpenWaitAndAreReportedInOneBox) {
    start();
    const QString server = path("hand-over.socket");
    ASSERT_TRUE(app->acceptHandOvers(server));
    constexpr int kFlood = 30;

    // While the box about the first file is open, more files that are no
    // calculations arrive; the box is answered a second later.
    int mostBoxesOpen = 0;
    QStringList texts;
    bool flooded = false;
    QElapsedTimer sinceFlood;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        int open = 0;
        for (const QWidget* widget : QApplication::topLevelWidgets()) {
            open += qobject_cast<const QMessageBox*>(widget) != nullptr && widget->isVisible();
        }
        mostBoxesOpen = std::max(mostBoxesOpen, open);
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        if (!flooded) {
            flooded = true;
            for (int index = 0; index < kFlood; ++index) {
                const QString file = textFile(QStringLiteral("notes%1.txt").arg(index), "hello\n");
                SingleInstance::handOver(server, file);
            }
            sinceFlood.start();
            return;
        }
        if (sinceFlood.elapsed() >= 1000) {
            texts << box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    watcher.start(5);

    ASSERT_TRUE(SingleInstance::handOver(server, textFile(QStringLiteral("first.txt"), "hi\n")));
    ASSERT_TRUE(waitFor(
        [&] { return texts.size() >= 2 && QApplication::activeModalWidget() == nullptr; }, 15000));
    waitFor([] { return false; }, 300);
    EXPECT_EQ(mostBoxesOpen, 1);
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0], QStringLiteral("Cannot open %1\nCannot read this file.\n"
                                       "This is not a valid Viskora file.")
                            .arg(path(QStringLiteral("first.txt"))));
    EXPECT_TRUE(texts[1].startsWith(QStringLiteral("30 files were not opened.\n\n"
                                                   "Cannot read this file.\n"
                                                   "This is not a valid Viskora file.\n    ")))
        << texts[1].toStdString();
    EXPECT_TRUE(texts[1].contains(path(QStringLiteral("notes0.txt"))));
    EXPECT_TRUE(texts[1].endsWith(QStringLiteral("\n    ... and 20 more files")));
    EXPECT_TRUE(app->documents().isEmpty());
}

// A process that holds connections to a server open until released, as
// clients that never finish would.
class ConnectionHolder {
  public:
    ConnectionHolder(const QString& serverName, int count) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(serverName);
        std::memcpy(address.sun_path, name.constData(),
                    std::min<std::size_t>(name.size(), sizeof address.sun_path - 1));
        int release[2];
        if (::pipe(release) != 0) {
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            // Only calls that are safe in the child of a threaded program.
            ::close(release[1]);
            int held = 0;
            for (int attempt = 0; held < count && attempt < 4000; ++attempt) {
                const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
                if (socket < 0) {
                    break;
                }
                if (::connect(socket, reinterpret_cast<const sockaddr*>(&address),
                              sizeof address) == 0) {
                    ++held;
                    continue;
                }
                ::close(socket);
                const timespec pause{0, 500'000};
                ::nanosleep(&pause, nullptr);
            }
            char byte = 0;
            while (::read(release[0], &byte, 1) > 0) {
            }
            ::_exit(0);
        }
        ::close(release[0]);
        release_ = release[1];
    }
    ConnectionHolder(const ConnectionHolder&) = delete;
    ConnectionHolder& operator=(const ConnectionHolder&) = delete;
    ~ConnectionHolder() { stop(); }

    bool started() const { return pid_ > 0; }
    void stop() {
        if (release_ >= 0) {
            ::close(release_);
            release_ = -1;
            ::waitpid(pid_, nullptr, 0);
        }
    }

  private:
    pid_t pid_ = -1;
    int release_ = -1;
};

int openDescriptors() {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                          std::filesystem::directory_iterator()));
}

TEST_F(HandOverChannel, HeldConnectionsNeitherUseUpDescriptorsNorStopTheProgramListening) {
    start();
    const QString server = path("hand-over.socket");
    ASSERT_TRUE(app->acceptHandOvers(server));
    const QString basic = basicFile(QStringLiteral("pipe.vkr"));

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    {
        ConnectionHolder holder(server, 300);
        ASSERT_TRUE(holder.started());
        // The program has few descriptors to spare.
        rlimit scarce = saved;
        scarce.rlim_cur = static_cast<rlim_t>(openDescriptors() + 40);
        ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &scarce), 0);
        waitFor([] { return false; }, 2500);
        ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &saved), 0);
    }
    // This test is both server and client: the server needs a moment to
    // clear its queue of the closed connections.
    waitFor([] { return false; }, 500);

    ASSERT_TRUE(SingleInstance::handOver(server, basic));
    ASSERT_TRUE(waitFor([this] { return app->documents().size() == 1; }));
    EXPECT_EQ(activeDocument()->pathName(), basic);
}

TEST_F(HandOverChannel, StalledClientsAreDroppedAndAnOversizedMessageIsRefusedWhole) {
    start();
    const QString server = path("hand-over.socket");
    ASSERT_TRUE(app->acceptHandOvers(server));
    const QByteArray basicLine =
        QUrl::fromLocalFile(basicFile(QStringLiteral("pipe.vkr"))).toEncoded() + '\n';

    // Says nothing; says half a line and stops.
    QLocalSocket idle;
    QLocalSocket slow;
    for (QLocalSocket* socket : {&idle, &slow}) {
        socket->connectToServer(server);
        ASSERT_TRUE(socket->waitForConnected(1000));
    }
    slow.write(basicLine.left(10));
    // A file, then more than a message may hold.
    QLocalSocket talkative;
    talkative.connectToServer(server);
    ASSERT_TRUE(talkative.waitForConnected(1000));
    talkative.write(basicLine + QByteArray(kLongestMessage, 'x') + '\n');
    talkative.disconnectFromServer();

    ASSERT_TRUE(waitFor(
        [&] {
            return idle.state() == QLocalSocket::UnconnectedState &&
                   slow.state() == QLocalSocket::UnconnectedState;
        },
        kStalledAfterMs));
    EXPECT_TRUE(app->documents().isEmpty());

    // The channel still serves.
    ASSERT_TRUE(SingleInstance::handOver(server, path(QStringLiteral("pipe.vkr"))));
    ASSERT_TRUE(waitFor([this] { return app->documents().size() == 1; }));
}

// A socket file at a hand-over name as a later start may find it.
enum class Occupant {
    FullQueue, // a program that accepts nothing, with its queue full
    Stale,     // the socket of a program that ended without removing it
    PlainFile, // a file that is no socket
};

class SocketOccupant {
  public:
    SocketOccupant(Occupant kind, const QString& name) {
        if (kind == Occupant::PlainFile) {
            QFile file(name);
            ok_ = file.open(QIODevice::WriteOnly);
            return;
        }
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(name);
        std::memcpy(address.sun_path, path.constData(),
                    std::min<std::size_t>(path.size(), sizeof address.sun_path - 1));
        const auto* where = reinterpret_cast<const sockaddr*>(&address);
        listener_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        // A queue of no length holds one connection: the one made here.
        held_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        ok_ = listener_ >= 0 && held_ >= 0 && ::bind(listener_, where, sizeof address) == 0 &&
              ::listen(listener_, 0) == 0;
        if (kind == Occupant::Stale) {
            ::close(std::exchange(listener_, -1));
        } else {
            ok_ = ok_ && ::connect(held_, where, sizeof address) == 0;
        }
    }
    SocketOccupant(const SocketOccupant&) = delete;
    SocketOccupant& operator=(const SocketOccupant&) = delete;
    ~SocketOccupant() {
        for (int descriptor : {held_, listener_}) {
            if (descriptor >= 0) {
                ::close(descriptor);
            }
        }
    }

    bool ok() const { return ok_; }
    // Whether the occupant still listens: the connection waiting in its
    // queue can be accepted.
    bool stillListens() const {
        const int accepted = ::accept(listener_, nullptr, nullptr);
        return accepted >= 0 && ::close(accepted) == 0;
    }

  private:
    int listener_ = -1;
    int held_ = -1;
    bool ok_ = false;
};

ino_t inodeOf(const QString& name) {
    struct stat info {};
    return ::lstat(QFile::encodeName(name).constData(), &info) == 0 ? info.st_ino : 0;
}

struct TakeOverCase {
    const char* name;
    Occupant occupant;
    bool takenOver;
};

void PrintTo(const TakeOverCase& row, std::ostream* out) {
    *out << row.name;
}

class SocketTakeOver : public ::testing::TestWithParam<TakeOverCase> {};

// A program too busy to accept in time keeps its socket; only a file
// nobody listens on is removed, and a later start listens in its place.
TEST_P(SocketTakeOver, OnlyWhenNobodyListens) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString name = folder.filePath(QStringLiteral("viskora.socket"));
    SocketOccupant occupant(GetParam().occupant, name);
    ASSERT_TRUE(occupant.ok());
    const ino_t before = inodeOf(name);

    EXPECT_FALSE(SingleInstance::handOver(name, folder.filePath(QStringLiteral("a.vkr"))));
    SingleInstance later;
    EXPECT_EQ(later.listen(name), GetParam().takenOver);
    if (GetParam().takenOver) {
        EXPECT_NE(inodeOf(name), before);
        EXPECT_TRUE(SingleInstance::isAnswered(name));
    } else {
        EXPECT_EQ(inodeOf(name), before);
        EXPECT_TRUE(occupant.stillListens());
    }
}

INSTANTIATE_TEST_SUITE_P(Occupants, SocketTakeOver,
                         ::testing::Values(TakeOverCase{"FullQueue", Occupant::FullQueue, false},
                                           TakeOverCase{"Stale", Occupant::Stale, true},
                                           TakeOverCase{"PlainFile", Occupant::PlainFile, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A start that cannot hand its file to a program too busy to take it says
// so and ends, leaving the program's socket as it was.
TEST(SocketTakeOver, AStartThatCannotHandOverSaysSoAndDoesNotListen) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString runtime = folder.filePath(QStringLiteral("runtime"));
    ASSERT_TRUE(makeFolder(runtime, 0700));
    const QString name = QDir(runtime).filePath(QStringLiteral("viskora.socket"));
    SocketOccupant occupant(Occupant::FullQueue, name);
    ASSERT_TRUE(occupant.ok());
    const ino_t before = inodeOf(name);

    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("HOME"), folder.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(VISKORA_PROGRAM), {folder.filePath(QStringLiteral("a.vkr"))});
    ASSERT_TRUE(second.waitForStarted(5000));
    QByteArray said;
    QElapsedTimer elapsed;
    elapsed.start();
    while (!said.contains('\n') && elapsed.elapsed() < 15000 &&
           second.state() == QProcess::Running) {
        second.waitForReadyRead(200);
        said += second.readAllStandardError();
    }
    // It waits for its box to be answered; nobody will.
    second.kill();
    second.waitForFinished(5000);
    EXPECT_TRUE(said.startsWith("viskora: Viskora is already running but did not take "))
        << said.toStdString();
    EXPECT_EQ(inodeOf(name), before);
    EXPECT_TRUE(occupant.stillListens());
}

} // namespace
} // namespace viskora::testing
