#include "VQQuitSignalWatcher.h"

#include "MMLog.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> kSignals = { SIGTERM, SIGINT, SIGHUP };
int g_pipe[2] = { -1, -1 };
struct sigaction g_previous[kSignals.size()];

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a pending request; dropping this byte loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

VQQuitSignalWatcher::VQQuitSignalWatcher(QObject* parent)
    : QObject(parent)
{
    if (g_pipe[0] >= 0) {
        VQLogError(QStringLiteral("A quit signal watcher exists already"));
        return;
    }
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        VQLogError(QStringLiteral("Cannot watch quit signals: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
        g_pipe[0] = g_pipe[1] = -1;
        return;
    }
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &VQQuitSignalWatcher::readSignal);

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    m_watching = true;
    for (size_t i = 0; i < kSignals.size(); ++i) {
        if (::sigaction(kSignals[i], &action, &g_previous[i]) != 0) {
            VQLogError(QStringLiteral("Cannot handle signal %1").arg(kSignals[i]));
            m_watching = false;
        }
    }
}

VQQuitSignalWatcher::~VQQuitSignalWatcher()
{
    if (g_pipe[0] < 0 || m_notifier == nullptr)
        return;
    for (size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void VQQuitSignalWatcher::readSignal()
{
    unsigned char bytes[16];
    const ssize_t count = ::read(g_pipe[0], bytes, sizeof bytes);
    if (count <= 0)
        return;
    const int signalNumber = bytes[count - 1];
    VQLogInfo(QStringLiteral("Signal %1: quitting").arg(signalNumber));
    Q_EMIT quitRequested(signalNumber);
}
