#pragma once

// The simulated-device program as a child process with a private home, driven through its
// control socket (docs/simulated-device.md).
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QTemporaryDir>

#include <functional>
#include <utility>

class SimulatedProgram {
public:
    // Extra environment entries (the UI language, for instance) replace the defaults. With
    // errorsToFile the program's standard error goes to errors() instead of the test's. The
    // settings, when given, are the settings file the program finds at its first start.
    explicit SimulatedProgram(const QList<std::pair<QString, QString>>& extraEnvironment = {}, bool errorsToFile = false,
                              const QJsonObject& settings = {})
    {
        const QString home = m_home.path();
        if (!settings.isEmpty()) {
            const QString folder = home + QStringLiteral("/.config/Corvane/corvane-companion");
            QFile file(folder + QStringLiteral("/defaults.json"));
            if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly)
                || file.write(QJsonDocument(QJsonObject{{QStringLiteral("format"), 1}, {QStringLiteral("values"), settings}}).toJson()) < 0)
                qWarning("the settings file of the simulated program could not be written");
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
        env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        // Recognitions the program starts stay on this machine: nothing listens on the discard port.
        env.insert(QStringLiteral("CORVANE_SPEECH_URL"), QStringLiteral("ws://127.0.0.1:9"));
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LC_MESSAGES"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        for (const auto& [name, value] : extraEnvironment)
            env.insert(name, value);
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(errorsToFile ? QProcess::ForwardedOutputChannel : QProcess::ForwardedChannels);
        if (errorsToFile)
            m_process.setStandardErrorFile(home + QStringLiteral("/errors.txt"));
        launch();
    }

    // The program killed (SIGKILL, nothing cleaned up) and started again on the same home.
    bool restartAfterKill()
    {
        m_process.kill();
        m_process.waitForFinished(10000);
        m_socket.abort();
        launch();
        return start();
    }

    // The program started again on the same home: its exit code, or -1 when it still runs after
    // the time (it is killed then).
    int launchAgain(int timeoutMs = 20000)
    {
        QProcess again;
        again.setProcessEnvironment(m_process.processEnvironment());
        again.setProcessChannelMode(QProcess::ForwardedChannels);
        again.start(QStringLiteral(VQ_SIM_PROGRAM), {QStringLiteral("--control"), home() + QStringLiteral("/control-again.sock")});
        const bool ended = again.waitForFinished(timeoutMs);
        if (!ended)
            again.kill();
        return ended && again.exitStatus() == QProcess::NormalExit ? again.exitCode() : -1;
    }

    // "quit", and true once the program ended with status 0.
    bool quit()
    {
        return command("quit") == QLatin1String("ok quitting") && m_process.waitForFinished(30000)
            && m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    }

    // The last state reply, written by the program as it ended; what it wrote to its standard
    // error (with errorsToFile).
    QJsonObject finalState() const { return QJsonDocument::fromJson(readFile(QStringLiteral("/final-state.json")).mid(3)).object(); }
    QByteArray errors() const { return readFile(QStringLiteral("/errors.txt")); }

    QString home() const { return m_home.path(); }
    QProcess& process() { return m_process; }

    // Connects to the control socket and waits until the program shows its first face.
    bool start()
    {
        if (!m_process.waitForStarted(10000))
            return false;
        const bool connected = vqtest::waitUntil(
            [this] {
                m_socket.connectToServer(home() + QStringLiteral("/control.sock"));
                return m_socket.waitForConnected(200);
            },
            20000);
        return connected && waitForState([](const QJsonObject& s) { return s.value(QStringLiteral("ready")).toBool(); });
    }

    // Sends one command and returns its reply line ("" when none came).
    QString command(const QByteArray& line)
    {
        m_socket.write(line + '\n');
        m_socket.flush();
        for (int i = 0; i < 300 && !m_socket.canReadLine(); ++i)
            m_socket.waitForReadyRead(100);
        return QString::fromUtf8(m_socket.readLine()).trimmed();
    }

    // The JSON of a query's "ok {...}" reply; empty on an error.
    QJsonObject query(const QByteArray& line)
    {
        const QString reply = command(line);
        return reply.startsWith(QLatin1String("ok ")) ? QJsonDocument::fromJson(reply.mid(3).toUtf8()).object() : QJsonObject();
    }
    QJsonObject state() { return query("state"); }
    // Until no request of the program waits for its answer (every answer has been taken).
    bool waitForNoOpenReply()
    {
        return waitForState([](const QJsonObject& s) { return s.value(QStringLiteral("openReplies")).toInt() == 0; });
    }
    QJsonObject page() { return query("page"); }

    bool waitForState(const std::function<bool(const QJsonObject&)>& predicate, int timeoutMs = 20000)
    {
        return vqtest::waitUntil([&] { return predicate(state()); }, timeoutMs);
    }

    // The program's settings file as it is on the disk now.
    QJsonObject settings() const
    {
        QFile file(home() + QStringLiteral("/.config/Corvane/corvane-companion/defaults.json"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("values")).toObject();
    }

    bool waitForSettings(const std::function<bool(const QJsonObject&)>& predicate, int timeoutMs = 10000)
    {
        return vqtest::waitUntil([&] { return predicate(settings()); }, timeoutMs);
    }

private:
    QByteArray readFile(const QString& name) const
    {
        QFile file(home() + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void launch()
    {
        m_process.start(QStringLiteral(VQ_SIM_PROGRAM), {QStringLiteral("--control"), home() + QStringLiteral("/control.sock"),
                                                         QStringLiteral("--final-state"), home() + QStringLiteral("/final-state.json")});
    }

    QTemporaryDir m_home {QDir::tempPath() + QStringLiteral("/vq-sim-home-XXXXXX")};
    QProcess m_process;
    QLocalSocket m_socket;
};

// Reading the `page` reply: a control's screen rectangle, the first control a predicate picks
// (empty when none; also of another list, such as a state's "windows" or a window's
// "buttons"), the control showing a text.
inline QRect rectOf(const QJsonObject& object)
{
    const QJsonArray g = object.value(QStringLiteral("geometry")).toArray();
    return g.size() == 4 ? QRect(g.at(0).toInt(), g.at(1).toInt(), g.at(2).toInt(), g.at(3).toInt()) : QRect();
}

inline QJsonObject control(const QJsonObject& page, const std::function<bool(const QJsonObject&)>& pick,
                           const char* list = "controls")
{
    for (const QJsonValue& value : page.value(QLatin1String(list)).toArray()) {
        if (pick(value.toObject()))
            return value.toObject();
    }
    return {};
}

inline QJsonObject titled(const QJsonObject& page, const QString& text)
{
    return control(page, [&text](const QJsonObject& c) { return c.value(QStringLiteral("text")).toString() == text; });
}
