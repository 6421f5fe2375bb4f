// The processor time of the idle device link, as a whole-process figure (not a pass/fail test):
// a receiver plugged in and open (the simulated one of the tests, answering as the device
// does), the command facade with its battery poll and a Bluetooth LE scan through Qt Bluetooth,
// left alone for a while. With --hidapi the real HID transport (hidapi, udev hot-plug monitor)
// instead: without a receiver (as on the build machines) the cost of waiting for one.
//
// Usage: vq_device_idle_bench [seconds] [--hidapi]   (default 10 s; a private temporary home)

#include "HIDDevice.h"
#include "SimulatedReceiver.h"
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
#include <cstring>
#include <memory>

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
    int seconds = 10;
    bool hidapi = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--hidapi") == 0)
            hidapi = true;
        else
            seconds = std::max(1, std::atoi(argv[i]));
    }
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

    std::unique_ptr<SimulatedReceiver> receiver;
    if (!hidapi)
        receiver = std::make_unique<SimulatedReceiver>(); // installs itself as the HID transport
    VQMouseCommandManager::sharedInstance();
    HIDDevice::sharedManager().start();
    VQBLEMouseCommandManager::sharedInstance().startScan();
    if (receiver)
        receiver->plug();
    // Start-up work: the first enumeration, the opening and the device's first reads, the first
    // look for an adapter.
    spin(3000);
    if (receiver && !HIDDevice::sharedManager().isOpen()) {
        std::fprintf(stderr, "the simulated receiver was not opened\n");
        std::_Exit(1);
    }

    const double before = processCpuSeconds();
    spin(seconds * 1000);
    const double used = processCpuSeconds() - before;
    std::printf("idle device link: %.3f s of processor time in %d s = %.3f %% of one core (receiver open: %s, %s)\n",
                used, seconds, used / seconds * 100.0, HIDDevice::sharedManager().isOpen() ? "yes" : "no",
                hidapi ? "hidapi" : "simulated");
    std::fflush(stdout);
    // Static objects of Qt's libraries are not waited for (see the known traps).
    std::_Exit(0);
}
