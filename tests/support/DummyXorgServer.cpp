#include "DummyXorgServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <vector>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vqtest {

namespace {

// Enough video memory for a 3200x1080 frame buffer at 32 bits and more; a monitor that accepts
// every mode we add; a virtual screen wide enough for both monitors side by side.
const char kConfig[] = R"(Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "AutoEnableDevices" "false"
  Option "DontVTSwitch" "true"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 256000
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 3840 1200
  EndSubSection
EndSection
)";

struct Output {
    const char* name;
    const char* mode;
    const char* modeline; // as printed by cvt <width> <height> 60
    const char* position;
};

const Output kOutputs[] = {
    {"DUMMY0", "vq1920x1080", "173.00 1920 2048 2248 2576 1080 1083 1088 1120 -hsync +vsync", "0x0"},
    {"DUMMY1", "vq1280x1024", "109.00 1280 1368 1496 1712 1024 1027 1034 1063 -hsync +vsync", "1920x0"},
};

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

} // namespace

DummyXorgServer::DummyXorgServer() = default;

DummyXorgServer::~DummyXorgServer()
{
    stop();
}

bool DummyXorgServer::start(QString* error)
{
    QElapsedTimer clock;
    clock.start();
    const QString xorg = QStandardPaths::findExecutable(QStringLiteral("Xorg"));
    if (xorg.isEmpty()) {
        *error = QStringLiteral("Xorg is not installed (scripts/setup installs it)");
        return false;
    }
    if (::geteuid() != 0) {
        *error = QStringLiteral("Xorg with the dummy driver needs root");
        return false;
    }
    if (!m_dir.isValid()) {
        *error = QStringLiteral("no temporary folder");
        return false;
    }
    // The configuration folder holds one empty file: Xorg skips a folder without any and then
    // reads the system's.
    const QString configDir = m_dir.filePath(QStringLiteral("xorg.conf.d"));
    if (::mkdir(QFile::encodeName(configDir).constData(), 0700) != 0
        || !writeFile(configDir + QStringLiteral("/00-none.conf"), "# nothing\n")
        || !writeFile(m_dir.filePath(QStringLiteral("xorg.conf")), kConfig)) {
        *error = QStringLiteral("cannot write the server's configuration");
        return false;
    }

    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        *error = QStringLiteral("pipe: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    ::fcntl(pipeFds[0], F_SETFD, FD_CLOEXEC);

    // Everything the child needs is built before fork(): it only calls async-signal-safe
    // functions.
    std::vector<QByteArray> args = {
        QFile::encodeName(xorg),
        "-displayfd", QByteArray::number(pipeFds[1]),
        "-noreset", "-nolisten", "tcp", "+extension", "XTEST",
        "-config", QFile::encodeName(m_dir.filePath(QStringLiteral("xorg.conf"))),
        "-configdir", QFile::encodeName(configDir),
        "-logfile", QFile::encodeName(m_dir.filePath(QStringLiteral("Xorg.log"))),
    };
    std::vector<char*> argv;
    for (QByteArray& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const pid_t parent = ::getpid();

    m_pid = ::fork();
    if (m_pid < 0) {
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        *error = QStringLiteral("fork: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    if (m_pid == 0) {
        // The server goes with the test process, even when that one crashes.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            ::_exit(127);
        const int null = ::open("/dev/null", O_RDWR);
        if (null >= 0) {
            ::dup2(null, STDIN_FILENO);
            ::dup2(null, STDOUT_FILENO);
            ::dup2(null, STDERR_FILENO);
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    const bool ready = waitForDisplayNumber(pipeFds[0], error);
    ::close(pipeFds[0]);
    if (!ready) {
        stop();
        return false;
    }

    for (const Output& output : kOutputs) {
        QStringList newMode{QStringLiteral("--newmode"), QString::fromLatin1(output.mode)};
        newMode += QString::fromLatin1(output.modeline).split(QLatin1Char(' '));
        if (!runXrandr(newMode, error)
            || !runXrandr({QStringLiteral("--addmode"), QString::fromLatin1(output.name), QString::fromLatin1(output.mode)}, error)) {
            stop();
            return false;
        }
    }
    QStringList layout;
    for (const Output& output : kOutputs)
        layout << QStringLiteral("--output") << QString::fromLatin1(output.name) << QStringLiteral("--mode")
               << QString::fromLatin1(output.mode) << QStringLiteral("--pos") << QString::fromLatin1(output.position);
    if (!runXrandr(layout, error)) {
        stop();
        return false;
    }
    m_startupMs = clock.elapsed();
    return true;
}

bool DummyXorgServer::waitForDisplayNumber(int fd, QString* error)
{
    // Xorg writes the display number once it accepts connections; the pipe closes if it dies.
    QByteArray number;
    QElapsedTimer clock;
    clock.start();
    while (!number.endsWith('\n')) {
        const int left = 15000 - int(clock.elapsed());
        pollfd p{fd, POLLIN, 0};
        const int n = left > 0 ? ::poll(&p, 1, left) : 0;
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *error = QStringLiteral("Xorg did not get ready in 15 s; %1").arg(logTail());
            return false;
        }
        char buffer[32];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            *error = QStringLiteral("Xorg ended at start-up; %1").arg(logTail());
            return false;
        }
        number.append(buffer, int(got));
    }
    bool ok = false;
    const int display = number.trimmed().toInt(&ok);
    if (!ok) {
        *error = QStringLiteral("Xorg gave no display number");
        return false;
    }
    m_display = QStringLiteral(":%1").arg(display);
    return true;
}

bool DummyXorgServer::runXrandr(const QStringList& arguments, QString* error) const
{
    QProcess xrandr;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    xrandr.setProcessEnvironment(env);
    xrandr.setProcessChannelMode(QProcess::MergedChannels);
    xrandr.start(QStringLiteral("xrandr"), arguments);
    if (!xrandr.waitForFinished(15000) || xrandr.exitStatus() != QProcess::NormalExit || xrandr.exitCode() != 0) {
        *error = QStringLiteral("xrandr %1 failed: %2 %3")
                     .arg(arguments.join(QLatin1Char(' ')), xrandr.errorString(), QString::fromLocal8Bit(xrandr.readAll()));
        return false;
    }
    return true;
}

QString DummyXorgServer::logTail() const
{
    QFile log(m_dir.filePath(QStringLiteral("Xorg.log")));
    if (!log.open(QIODevice::ReadOnly))
        return QStringLiteral("no log");
    const QByteArray text = log.readAll();
    return QStringLiteral("log ends: ") + QString::fromLocal8Bit(text.right(600));
}

void DummyXorgServer::stop()
{
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGTERM);
    QElapsedTimer clock;
    clock.start();
    int status = 0;
    while (::waitpid(m_pid, &status, WNOHANG) == 0) {
        if (clock.elapsed() > 5000) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, &status, 0);
            break;
        }
        ::usleep(10000);
    }
    m_pid = -1;
    m_display.clear();
}

} // namespace vqtest
