#pragma once

#include <QString>
#include <QTemporaryDir>

#include <sys/types.h>

namespace vqtest {

// A private X server with two monitors side by side, for tests that need more than one screen
// (Xvfb offers only separate X screens): Xorg with the dummy video driver on a free display
// number, XTEST on, no TCP, its own configuration in a temporary folder, and through xrandr
//   DUMMY0 1920x1080 at +0+0 and DUMMY1 1280x1024 at +1920+0.
// Xorg needs root. The server is stopped on destruction.
class DummyXorgServer {
public:
    DummyXorgServer();
    ~DummyXorgServer();
    DummyXorgServer(const DummyXorgServer&) = delete;
    DummyXorgServer& operator=(const DummyXorgServer&) = delete;

    // Starts the server and lays out the monitors; false with a reason in *error.
    bool start(QString* error);
    void stop();

    // ":<n>" once started.
    QString display() const { return m_display; }
    // From the launch to the monitors laid out.
    qint64 startupMs() const { return m_startupMs; }

private:
    bool waitForDisplayNumber(int fd, QString* error);
    bool runXrandr(const QStringList& arguments, QString* error) const;
    QString logTail() const;

    QTemporaryDir m_dir;
    pid_t m_pid = -1;
    QString m_display;
    qint64 m_startupMs = -1;
};

} // namespace vqtest
