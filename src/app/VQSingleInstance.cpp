#include "VQSingleInstance.h"

#include "MMLog.h"
#include "MMPrivateFolder.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A request line longer than this is no request of ours.
constexpr qint64 kMaxRequestBytes = 256;

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Takes the lock file at path in folder: its descriptor, or -1 with *held set when another
// program holds it, or with *problem when it cannot be taken.
int lockIn(const QString& folder, const QString& path, bool* held, QString* problem)
{
    const QByteArray name = QFile::encodeName(path);
    for (int attempt = 0; attempt < 5; ++attempt) {
        // A program that ends removes its lock file and its folder: both are made again if gone.
        if (!mm::makeOwnPrivateFolder(folder)) {
            *problem = QStringLiteral("%1: not a private folder of the user's").arg(folder);
            return -1;
        }
        const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno == ENOENT)
            continue;
        if (fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            *held = fd >= 0 && errno == EWOULDBLOCK;
            *problem = QStringLiteral("%1: %2").arg(path, systemError());
            if (fd >= 0)
                ::close(fd);
            return -1;
        }
        // Locked after its holder removed it: the file at the path now is another one.
        struct stat locked {}, named {};
        if (::fstat(fd, &locked) == 0 && ::lstat(name.constData(), &named) == 0 && locked.st_dev == named.st_dev
            && locked.st_ino == named.st_ino)
            return fd;
        ::close(fd);
    }
    *problem = QStringLiteral("%1: removed each time it was locked").arg(path);
    return -1;
}

} // namespace

VQSingleInstance::VQSingleInstance(QStringList folders, QString name, QString display, QObject* parent)
    : QObject(parent)
    , m_folders(std::move(folders))
    , m_name(std::move(name))
    , m_display(std::move(display))
{
}

VQSingleInstance::~VQSingleInstance()
{
    for (QLocalServer* server : m_servers)
        server->close(); // removes the socket file
    releaseLocks();
}

QStringList VQSingleInstance::defaultFolders(bool underHome)
{
    return mm::programPrivateFolders(underHome);
}

QString VQSingleInstance::displayKey(const QString& display)
{
    // "host:number.screen": the screen is left out (one display, one session), as is the local
    // host's name ("unix:0", "localhost:0" and ":0" are one display).
    QString key = display.trimmed();
    const qsizetype colon = key.lastIndexOf(QLatin1Char(':'));
    if (colon < 0)
        return key;
    QString host = key.left(colon);
    QString number = key.mid(colon + 1);
    const qsizetype dot = number.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        number.truncate(dot);
    if (host == QLatin1String("unix") || host == QLatin1String("localhost"))
        host.clear();
    return host + QLatin1Char(':') + number;
}

QString VQSingleInstance::defaultDisplay()
{
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("WAYLAND_DISPLAY");
    return displayKey(display);
}

QString VQSingleInstance::defaultName()
{
    const QString settings = QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    return QString::fromLatin1(QCryptographicHash::hash(settings.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
}

QString VQSingleInstance::pathIn(const QString& folder, const char* extension) const
{
    return folder + QLatin1Char('/') + m_name + QLatin1String(extension);
}

VQSingleInstance::Role VQSingleInstance::claim(int handOverTimeoutMs)
{
    QStringList problems;
    for (const QString& folder : std::as_const(m_folders)) {
        bool held = false;
        QString problem;
        const int fd = lockIn(folder, pathIn(folder, ".lock"), &held, &problem);
        if (fd >= 0) {
            m_locks.push_back({fd, folder});
        } else if (held) {
            // Another program is the user's: ours go, so it is not kept from a lock it takes later.
            releaseLocks();
            return handOver(pathIn(folder, ".socket"), handOverTimeoutMs);
        } else {
            problems << problem;
        }
    }
    if (m_locks.empty()) {
        m_error = m_folders.isEmpty() ? QStringLiteral("no private folder of the user's can be made")
                                      : QStringLiteral("no lock can be taken (%1)").arg(problems.join(QStringLiteral("; ")));
        return Role::Failed;
    }
    bool listening = false;
    for (const Lock& lock : m_locks)
        listening = listen(lock.folder) || listening;
    return listening ? Role::Primary : Role::Failed;
}

void VQSingleInstance::releaseLocks()
{
    for (const Lock& lock : m_locks) {
        // Removed while still held: a start that opened it meanwhile finds it replaced (lockIn).
        ::unlink(QFile::encodeName(pathIn(lock.folder, ".lock")).constData());
        ::close(lock.fd);
        QDir().rmdir(lock.folder); // only when nothing else is in it
    }
    m_locks.clear();
}

bool VQSingleInstance::listen(const QString& folder)
{
    // The lock is ours: a socket file still there was left by a program that died.
    const QString path = pathIn(folder, ".socket");
    QLocalServer::removeServer(path);
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(path)) {
        m_error = QStringLiteral("cannot listen at %1: %2").arg(path, server->errorString());
        VQLogWarn(m_error);
        delete server;
        return false;
    }
    connect(server, &QLocalServer::newConnection, this, [this, server] { serveConnection(server); });
    m_servers.push_back(server);
    return true;
}

void VQSingleInstance::serveConnection(QLocalServer* server)
{
    while (QLocalSocket* socket = server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxRequestBytes)
                    socket->abort();
                return;
            }
            const QByteArray line = socket->readLine(kMaxRequestBytes).trimmed();
            const QByteArray show(kShowRequest);
            if (line != show && !line.startsWith(QByteArray(show + ' '))) {
                VQLogWarn(QStringLiteral("Unknown request on the program's socket ignored"));
                socket->abort();
                return;
            }
            const QString display = QString::fromUtf8(line.mid(show.size()).trimmed());
            if (display == m_display) {
                VQLogInfo(QStringLiteral("The program was started again: showing it"));
                Q_EMIT showRequested();
                socket->write(QByteArray(kShownAnswer) + '\n');
            } else {
                VQLogInfo(QStringLiteral("The program was started on the display \"%1\" (another session): it was told the program runs on \"%2\"")
                              .arg(display, m_display));
                socket->write(QByteArray(kElsewhereAnswer) + '\n');
            }
            socket->disconnectFromServer();
        });
    }
}

VQSingleInstance::Role VQSingleInstance::handOver(const QString& socketPath, int timeoutMs)
{
    // The running program may have taken the lock without listening yet: tried until the deadline.
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    while (true) {
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(int(std::max<qint64>(1, deadline.remainingTime()))))
            break;
        if (deadline.hasExpired()) {
            m_error = QStringLiteral("the running program does not answer at %1: %2").arg(socketPath, socket.errorString());
            return Role::NoAnswer;
        }
        QThread::msleep(100);
    }
    socket.write(QByteArray(kShowRequest) + ' ' + m_display.toUtf8() + '\n');
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())))) {
            m_error = QStringLiteral("the running program did not confirm at %1").arg(socketPath);
            return Role::NoAnswer;
        }
    }
    const QByteArray answer = socket.readLine().trimmed();
    if (answer == kShownAnswer)
        return Role::HandedOver;
    if (answer == kElsewhereAnswer)
        return Role::OtherSession;
    m_error = QStringLiteral("the running program gave an unknown answer at %1").arg(socketPath);
    return Role::NoAnswer;
}
