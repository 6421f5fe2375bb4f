#include "VQSingleInstance.h"

#include "MMLog.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace {

// A request line longer than this is no request of ours.
constexpr qint64 kMaxRequestBytes = 64;

} // namespace

VQSingleInstance::VQSingleInstance(QString directory, QString name, QObject* parent)
    : QObject(parent)
    , m_directory(std::move(directory))
    , m_name(std::move(name))
{
}

VQSingleInstance::~VQSingleInstance()
{
    if (m_server != nullptr)
        m_server->close(); // removes the socket file
    if (m_lock)
        m_lock->unlock();
}

QString VQSingleInstance::defaultDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
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

QString VQSingleInstance::defaultName()
{
    const QString settings = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    // The runtime folder is one for all graphical sessions of the user; the display is not.
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("WAYLAND_DISPLAY");
    const QString key = QDir::cleanPath(settings) + QLatin1Char('\n') + displayKey(display);
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    QString base = QGuiApplication::desktopFileName();
    if (base.isEmpty())
        base = QCoreApplication::applicationName();
    return base + QLatin1Char('-') + QString::fromLatin1(hash);
}

QString VQSingleInstance::socketPath() const
{
    return QDir(m_directory).filePath(m_name + QStringLiteral(".socket"));
}

VQSingleInstance::Role VQSingleInstance::claim(int handOverTimeoutMs)
{
    if (m_directory.isEmpty() || !QDir().mkpath(m_directory)) {
        m_error = QStringLiteral("no runtime folder at \"%1\"").arg(m_directory);
        return Role::Failed;
    }
    m_lock = std::make_unique<QLockFile>(QDir(m_directory).filePath(m_name + QStringLiteral(".lock")));
    // Only a lock of a process that is gone is stale, however old it is.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return listen() ? Role::Primary : Role::Failed;
    if (m_lock->error() != QLockFile::LockFailedError) {
        m_error = QStringLiteral("the lock file %1 cannot be written").arg(QDir(m_directory).filePath(m_name + QStringLiteral(".lock")));
        return Role::Failed;
    }
    return handOver(handOverTimeoutMs) ? Role::HandedOver : Role::NoAnswer;
}

bool VQSingleInstance::listen()
{
    // The lock is ours: a socket file still there was left by a program that died.
    QLocalServer::removeServer(socketPath());
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(socketPath())) {
        m_error = QStringLiteral("cannot listen at %1: %2").arg(socketPath(), m_server->errorString());
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &VQSingleInstance::serveConnection);
    return true;
}

void VQSingleInstance::serveConnection()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxRequestBytes)
                    socket->abort();
                return;
            }
            const QByteArray line = socket->readLine(kMaxRequestBytes).trimmed();
            if (line != kShowRequest) {
                VQLogWarn(QStringLiteral("Unknown request on the program's socket ignored"));
                socket->abort();
                return;
            }
            VQLogInfo(QStringLiteral("The program was started again: showing it"));
            Q_EMIT showRequested();
            socket->write(QByteArray(kShownAnswer) + '\n');
            socket->disconnectFromServer();
        });
    }
}

bool VQSingleInstance::handOver(int timeoutMs)
{
    // The running program may have taken the lock without listening yet: tried until the deadline.
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    while (true) {
        socket.connectToServer(socketPath());
        if (socket.waitForConnected(int(std::max<qint64>(1, deadline.remainingTime()))))
            break;
        if (deadline.hasExpired()) {
            m_error = QStringLiteral("the running program does not answer at %1: %2").arg(socketPath(), socket.errorString());
            return false;
        }
        QThread::msleep(100);
    }
    socket.write(QByteArray(kShowRequest) + '\n');
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())))) {
            m_error = QStringLiteral("the running program did not confirm at %1").arg(socketPath());
            return false;
        }
    }
    return socket.readLine().trimmed() == kShownAnswer;
}
