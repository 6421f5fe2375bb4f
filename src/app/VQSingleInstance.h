#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

class QLocalServer;

// One program per user and settings folder, whatever the display: the sessions of one user share
// one home, one settings file and one receiver, so a second program would undo the first's
// settings and read the same device. The first program takes a lock (flock) on a file in each of
// the user's private folders (mm::programPrivateFolders(): the runtime folder while it is usable,
// and a folder of the program's own in the user's cache, so the lock holds also when a later
// start cannot use the runtime folder) and listens on a local socket beside each lock. A later
// start finds a lock held and sends its display through that socket: on the same display the
// running program shows itself; on another display it answers that it runs elsewhere, and the
// later start tells its user so on its own display (the composition root). A lock dies with its
// process (kill -9, a crash): the next start takes it and replaces the socket file left behind. A
// program that ends removes its lock and socket files, and its folders once empty.
//
// Main thread only.
class VQSingleInstance : public QObject {
    Q_OBJECT
public:
    // How long a later start tries to reach the running program (it may still be starting).
    static constexpr int kHandOverTimeoutMs = 5000;
    // The request ("show <display>") and the answers on the socket, one line each.
    static constexpr char kShowRequest[] = "show";
    static constexpr char kShownAnswer[] = "ok";
    static constexpr char kElsewhereAnswer[] = "elsewhere";

    enum class Role {
        Primary,      // this is the user's program; showRequested() comes from later starts on its display
        HandedOver,   // the running program on this display was asked to show itself; this one ends
        OtherSession, // the program runs on another display (another session of the user); this one ends
        NoAnswer,     // a program holds the lock but did not answer
        Failed,       // no private folder, lock or socket is usable: nothing is checked
    };

    // folders: where the lock and socket may be, best first (see defaultFolders()); name: the file
    // name of both without extension (see defaultName()); display: this start's display (displayKey()).
    VQSingleInstance(QStringList folders, QString name, QString display, QObject* parent = nullptr);
    ~VQSingleInstance() override;

    // mm::programPrivateFolders(underHome).
    static QStringList defaultFolders(bool underHome = true);
    // A short hash of the settings folder, so programs of one user with different homes or
    // settings folders (tests with private homes) do not meet.
    static QString defaultName();
    // The display this start runs on ($DISPLAY, else $WAYLAND_DISPLAY) as displayKey() gives it.
    static QString defaultDisplay();
    // The display as the requests carry it: "host:number" without the screen, "" for the local host.
    static QString displayKey(const QString& display);

    // Takes the lock, or asks the program holding it. Once.
    Role claim(int handOverTimeoutMs = kHandOverTimeoutMs);
    // Why claim() failed or found no answer; empty otherwise.
    QString errorString() const { return m_error; }

Q_SIGNALS:
    // A later start on this program's display asks it to show itself.
    void showRequested();

private:
    bool listen(const QString& folder);
    void serveConnection(QLocalServer* server);
    Role handOver(const QString& socketPath, int timeoutMs);
    void releaseLocks();
    QString pathIn(const QString& folder, const char* extension) const;

    QStringList m_folders;
    QString m_name;
    QString m_display;
    struct Lock {
        int fd;         // the lock file, held while open
        QString folder; // where it and its socket are
    };
    std::vector<Lock> m_locks;
    std::vector<QLocalServer*> m_servers;
    QString m_error;
};
