#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

// One program per user, display and settings folder: each graphical session (another display)
// has a program of its own. The first program takes a lock file and listens on a local socket
// next to it, in the user's runtime folder (XDG_RUNTIME_DIR, shared by all sessions of the
// user, hence the display in the names); a later
// start finds the lock held, asks the running program through the socket to show itself, and
// ends. The lock of a program that died (kill -9, a crash) names a process that no longer runs:
// it is taken over, and the socket file left behind is replaced.
//
// Main thread only.
class VQSingleInstance : public QObject {
    Q_OBJECT
public:
    // How long a later start tries to reach the running program (it may still be starting).
    static constexpr int kHandOverTimeoutMs = 5000;
    // The request and the answer on the socket, one line each.
    static constexpr char kShowRequest[] = "show";
    static constexpr char kShownAnswer[] = "ok";

    enum class Role {
        Primary,    // this is the program of the session; showRequested() comes from later starts
        HandedOver, // a running program was asked to show itself; this one ends
        NoAnswer,   // a program holds the lock but did not answer
        Failed,     // the runtime folder, the lock or the socket is not usable
    };

    // name: the file name of the lock and socket, without extension (see defaultName()).
    VQSingleInstance(QString directory, QString name, QObject* parent = nullptr);
    ~VQSingleInstance() override;

    // The runtime folder of the user (XDG_RUNTIME_DIR, or Qt's per-user fallback).
    static QString defaultDirectory();
    // The desktop file name with a short hash of the settings folder and the display, so programs
    // of one user with different homes or settings folders (tests with private homes), or on
    // different displays, do not meet.
    static QString defaultName();
    // The display as the names key it: "host:number" without the screen, "" for the local host.
    static QString displayKey(const QString& display);

    // Takes the lock, or hands over to the program holding it. Once.
    Role claim(int handOverTimeoutMs = kHandOverTimeoutMs);
    QString socketPath() const;
    // Why claim() failed; empty otherwise.
    QString errorString() const { return m_error; }

Q_SIGNALS:
    // A later start asks this program to show itself.
    void showRequested();

private:
    bool listen();
    void serveConnection();
    bool handOver(int timeoutMs);

    QString m_directory;
    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
    QString m_error;
};
