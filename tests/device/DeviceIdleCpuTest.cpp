// No busy polling: with a receiver open, a Bluetooth LE scan started and the hidraw hot-plug
// monitor of the real transport watching, ten idle seconds of the event loop cost (almost) no
// processor time.
#include "DeviceTestFixture.h"
#include "HidapiTransport.h"

#include <sys/resource.h>

#include <cstdio>

namespace {

double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

class DeviceIdleCpuTest : public DeviceTest {
};

} // namespace

TEST_F(DeviceIdleCpuTest, AnOpenReceiverCostsUnderAThirdOfAPercentOfOneCore)
{
    plugAndSettle();
    VQBLEMouseCommandManager::sharedInstance().startScan();
    HidapiTransport realTransport;
    int hotplugEvents = 0;
    realTransport.watchHotplug([&hotplugEvents](bool, const QString&) { ++hotplugEvents; });
    ASSERT_TRUE(HIDDevice::sharedManager().isOpen());
    vqtest::spin(200);

    constexpr int kIdleMs = 10000;
    const double before = processCpuSeconds();
    vqtest::spin(kIdleMs);
    const double used = processCpuSeconds() - before;
    const double percentOfOneCore = used / (kIdleMs / 1000.0) * 100.0;
    std::printf("idle device link: %.3f s of processor time in %d s = %.3f %% of one core (udev monitor: %s)\n", used,
                kIdleMs / 1000, percentOfOneCore, realTransport.hasUdevMonitor() ? "yes" : "fallback scan");
    RecordProperty("idle_cpu_percent", QString::number(percentOfOneCore, 'f', 3).toStdString());
    EXPECT_LT(percentOfOneCore, 0.3);
    EXPECT_TRUE(HIDDevice::sharedManager().isOpen());
}
