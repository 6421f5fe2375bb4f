// The processor time of the idle device link, as a whole-process figure (not a pass/fail test):
// the receiver watch on the real HID transport (hidapi, udev hot-plug monitor), the command
// facade and a Bluetooth LE scan through Qt Bluetooth, left alone for a while. Without a
// receiver or an adapter (as on the build machines) this is the cost of waiting for one.
//
// Usage: vq_device_idle_bench [seconds]   (default 10; the home folder is a private temporary one)

#include "HIDDevice.h"
#include "VQBLEMouseCommandManager.h"
#include "VQMouseCommandManager.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "no temporary folder for the private home\n");
        return 2;
    }
    const QByteArray homePath = QFile::encodeName(home.path());
    ::setenv("HOME", homePath.constData(), 1);
    ::setenv("XDG_CONFIG_HOME", QByteArray(homePath + "/.config").constData(), 1);
    ::setenv("XDG_CACHE_HOME", QByteArray(homePath + "/.cache").constData(), 1);
    QCoreApplication app(argc, argv);

    VQMouseCommandManager::sharedInstance();
    HIDDevice::sharedManager().start();
    VQBLEMouseCommandManager::sharedInstance().startScan();
    spin(1000); // start-up work: the first enumeration, the first look for an adapter

    const double before = processCpuSeconds();
    spin(seconds * 1000);
    const double used = processCpuSeconds() - before;
    std::printf("idle device link: %.3f s of processor time in %d s = %.3f %% of one core (receiver open: %s)\n",
                used, seconds, used / seconds * 100.0, HIDDevice::sharedManager().isOpen() ? "yes" : "no");
    std::fflush(stdout);
    // Static objects of Qt's libraries are not waited for (see the known traps).
    std::_Exit(0);
}
