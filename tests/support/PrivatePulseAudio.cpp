#include "PrivatePulseAudio.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <chrono>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

PrivatePulseAudio::~PrivatePulseAudio()
{
    stop();
}

bool PrivatePulseAudio::start(QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (!m_dir.isValid())
        return fail(QStringLiteral("no temporary folder"));
    const QString root = m_dir.path();
    QDir().mkpath(root + QStringLiteral("/runtime"));
    QDir().mkpath(root + QStringLiteral("/home"));
    const QString socket = root + QStringLiteral("/runtime/native");
    const QString script = root + QStringLiteral("/server.pa");
    QFile file(script);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1").arg(script));
    file.write(QStringLiteral(
                   "load-module module-native-protocol-unix auth-anonymous=1 socket=%1\n"
                   "load-module module-null-sink sink_name=%2 norewinds=1 sink_properties=device.description=VQTestSpeaker\n"
                   "load-module module-pipe-source source_name=%3 file=%4 format=s16le rate=16000 channels=1 "
                   "source_properties=device.description=%5\n"
                   "set-default-sink %2\n"
                   "set-default-source %2.monitor\n")
                   .arg(socket, QString::fromLatin1(kSinkName), QString::fromLatin1(kMicName),
                        root + QStringLiteral("/mic.fifo"), QString::fromLatin1(kMicDescription))
                   .toUtf8());
    file.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), root + QStringLiteral("/home"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root + QStringLiteral("/runtime"));
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
    m_server.setProcessEnvironment(env);
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server.setStandardOutputFile(QProcess::nullDevice());
    m_server.start(QStringLiteral("pulseaudio"),
                   { QStringLiteral("-n"), QStringLiteral("--file=") + script, QStringLiteral("--daemonize=no"),
                     QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                     QStringLiteral("--log-level=error"), QStringLiteral("--log-target=stderr") });
    if (!m_server.waitForStarted(5000))
        return fail(QStringLiteral("pulseaudio does not start: %1").arg(m_server.errorString()));

    ::setenv("PULSE_SERVER", QByteArray("unix:" + QFile::encodeName(socket)).constData(), 1);
    ::setenv("PULSE_COOKIE", QFile::encodeName(root + QStringLiteral("/cookie")).constData(), 1);

    QElapsedTimer clock;
    clock.start();
    int status = -1;
    while (clock.elapsed() < 10000) {
        if (m_server.state() != QProcess::Running)
            return fail(QStringLiteral("pulseaudio ended at start"));
        pactl({ QStringLiteral("info") }, &status);
        if (status == 0)
            return true;
        QThread::msleep(50);
    }
    return fail(QStringLiteral("pulseaudio does not answer"));
}

void PrivatePulseAudio::stop()
{
    m_stopFeeding = true;
    joinFeeder();
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(3000)) {
            m_server.kill();
            m_server.waitForFinished(3000);
        }
    }
}

QString PrivatePulseAudio::pactl(const QStringList& arguments, int* exitCode) const
{
    QProcess process;
    process.start(QStringLiteral("pactl"), arguments);
    const bool finished = process.waitForStarted(5000) && process.waitForFinished(5000);
    if (exitCode)
        *exitCode = finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

void PrivatePulseAudio::feedPaced(const QByteArray& pcm)
{
    joinFeeder();
    m_stopFeeding = false;
    m_feeding = true;
    const QByteArray fifo = QFile::encodeName(m_dir.path() + QStringLiteral("/mic.fifo"));
    m_feeder = std::thread([this, pcm, fifo] {
        constexpr int kPieceBytes = 640; // 20 ms of 16 kHz mono s16le
        const int fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
        auto next = std::chrono::steady_clock::now();
        for (qsizetype at = 0; fd >= 0 && at < pcm.size() && !m_stopFeeding;) {
            std::this_thread::sleep_until(next);
            next += std::chrono::milliseconds(20);
            const qsizetype end = std::min<qsizetype>(at + kPieceBytes, pcm.size());
            while (at < end && !m_stopFeeding) {
                const ssize_t written = ::write(fd, pcm.constData() + at, size_t(end - at));
                if (written > 0)
                    at += written;
                else if (written < 0 && errno != EAGAIN && errno != EINTR)
                    at = pcm.size();
                else
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        }
        if (fd >= 0)
            ::close(fd);
        m_feeding = false;
    });
}

void PrivatePulseAudio::joinFeeder()
{
    if (m_feeder.joinable())
        m_feeder.join();
}
