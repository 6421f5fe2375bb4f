// Idle means idle: once the device link has settled, no timer of it fires and nothing is queued
// to the main thread, whichever transport is in use; only the battery timer stays armed, far in
// the future. (The processor time an idle link costs is a figure, measured in
// bench/DeviceIdleBench.cpp.)
#include "DeviceTestFixture.h"
#include "HidapiTransport.h"

#include <QEvent>
#include <QEventLoop>
#include <QMetaObject>

#include <functional>
#include <vector>

namespace {

// The timer events and queued calls that reach objects of the main thread while it runs the
// event loop for the given time (its own end timer, and the children of `excused`, excepted).
QStringList mainThreadWakeUps(int ms, const QObject* excused)
{
    struct Recorder : QObject {
        const QObject* own = nullptr;
        const QObject* excused = nullptr;
        QStringList seen;
        bool eventFilter(QObject* receiver, QEvent* event) override
        {
            const bool wake = event->type() == QEvent::Timer || event->type() == QEvent::MetaCall;
            if (wake && receiver != own && (!excused || receiver->parent() != excused))
                seen.append(QStringLiteral("%1 to %2").arg(int(event->type())).arg(QString::fromLatin1(receiver->metaObject()->className())));
            return false;
        }
    } recorder;
    QEventLoop loop;
    QTimer end;
    end.setSingleShot(true);
    recorder.own = &end;
    recorder.excused = excused;
    QObject::connect(&end, &QTimer::timeout, &loop, &QEventLoop::quit);
    QCoreApplication::instance()->installEventFilter(&recorder);
    end.start(ms);
    loop.exec();
    QCoreApplication::instance()->removeEventFilter(&recorder);
    return recorder.seen;
}

class DeviceIdleCpuTest : public DeviceTest {
};

} // namespace

TEST_F(DeviceIdleCpuTest, ASettledLinkArmsOnlyTheBatteryTimerAndWakesNothing)
{
    HidapiTransport realTransport; // its hot-plug watch: a socket notifier on udev's monitor
    realTransport.watchHotplug([](bool, const QString&) {});

    struct Case {
        const char* what;
        std::function<void()> enter;
        std::function<bool()> batteryTimer;
    };
    const std::vector<Case> cases = {
        {"receiver open, Bluetooth LE scan running",
         [this] {
             plugAndSettle();
             VQBLEMouseCommandManager::sharedInstance().startScan();
         },
         [] { return VQHidCommandManager::sharedInstance().isBatteryPollActive(); }},
        {"Bluetooth LE mouse connected, receiver held closed",
         [this] {
             bleMouse.bringInReach();
             ASSERT_TRUE(vqtest::waitUntil([] { return VQBLEMouseCommandManager::sharedInstance().isConnected(); }));
         },
         [] { return VQBLEMouseCommandManager::sharedInstance().isBatteryPollActive(); }},
    };
    for (const Case& c : cases) {
        c.enter();
        vqtest::spin(HIDDevice::kSendIntervalMs + 100); // the reads that follow a connection
        EXPECT_TRUE(c.batteryTimer()) << c.what;
        EXPECT_EQ(HIDDevice::sharedManager().queuedReportCount(), 0) << c.what;
        // Without a udev monitor (some containers) the hot-plug watch falls back to its
        // documented two-second scan, which is excused.
        const QStringList wakeUps = mainThreadWakeUps(400, realTransport.hasUdevMonitor() ? nullptr : &realTransport);
        EXPECT_TRUE(wakeUps.isEmpty()) << c.what << ": " << wakeUps.join(QStringLiteral(", ")).toStdString();
    }
}
