#include "VQSingleInstance.h"

#include "MMLog.h"
#include "MMPrivateFolder.h"

#include <QCoreApplication>
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
#include <unistd.h>

namespace {

// A request line longer than this is no request of ours.
constexpr qint64 kMaxRequestBytes = 256;

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
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

QStringList VQSingleInstance::defaultFolders()
{
    return mm::programPrivateFolders();
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
        const QString lockPath = pathIn(folder, ".lock");
        const int fd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            problems << QStringLiteral("%1: %2").arg(lockPath, systemError());
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            m_locks.push_back({fd, folder});
            continue;
        }
        const bool held = errno == EWOULDBLOCK;
        problems << QStringLiteral("%1: %2").arg(lockPath, systemError());
        ::close(fd);
        if (held) {
            // Another program is the user's: ours go, so it is not kept from a lock it takes later.
            releaseLocks();
            return handOver(pathIn(folder, ".socket"), handOverTimeoutMs);
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
    for (const Lock& lock : m_locks)
        ::close(lock.fd);
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
