// Random and truncated reports: nothing crashes, nothing reads past a report's end (ASan and
// UBSan builds), and garbage never changes the record or posts a notification.
#include "DeviceTestFixture.h"
#include "VQDeviceProtocol.h"
#include "VQDeviceReportHandler.h"

#include <random>

using namespace VQDeviceProtocol;

namespace {

// Valid replies of every kind, on plan 1, to be cut short.
QList<QByteArray> validFrames()
{
    const char* const frames[] = {
        "0da54d0c0101003800030101014c", "0da54d0f020a565131323334353637384c", "0da54d07030231324c",
        "0da54d07040231304c",           "0da54d0605034b4c",                   "0da54d0506024c",
        "0da54d060703e84c",             "0da54d0508014c",                     "0da54d0509024c",
        "0da54d050a504c",               "0da54d050b034c",                     "0da54d050c054c",
        "0da54d050d014c",               "0da54d0516004c",                     "0da54d0530214c",
        "0da54d06319a014c",             "0da54d0a0e0541424344454c",
    };
    QList<QByteArray> out;
    for (const char* text : frames)
        out.append(QByteArray::fromHex(QByteArray(text)));
    return out;
}

// Reports that cannot be valid: random bytes (a frame needs a report id, a prefix, 'M' and a
// matching 'L' by chance, which the fixed seed below never produces), and valid frames cut
// before their end mark.
QByteArray garbage(std::mt19937& random, const QList<QByteArray>& valid, int reportId)
{
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<int> byte(0, 255);
    switch (kind(random)) {
    case 0: {
        std::uniform_int_distribution<int> length(0, 70);
        QByteArray out(length(random), '\0');
        for (char& c : out)
            c = char(byte(random));
        return out;
    }
    case 1: {
        // Random, but with the plan's report id so the frame checks beyond it run.
        std::uniform_int_distribution<int> length(1, 64);
        QByteArray out(length(random), '\0');
        for (char& c : out)
            c = char(byte(random));
        out[0] = char(reportId);
        return out;
    }
    default: {
        const QByteArray& frame = valid.at(std::uniform_int_distribution<int>(0, int(valid.size()) - 1)(random));
        const int cut = std::uniform_int_distribution<int>(0, int(frame.size()) - 1)(random);
        return frame.left(cut);
    }
    }
}

class DeviceReportFuzzTest : public DeviceTest {
};

} // namespace

TEST_F(DeviceReportFuzzTest, HundredThousandGarbageReportsChangeNothing)
{
    const QList<QByteArray> valid = validFrames();
    ASSERT_EQ(valid.size(), 17);
    for (const QByteArray& frame : valid)
        ASSERT_TRUE(parseReport(*chipPlan(1), frame).report.has_value()) << frame.toHex().constData();

    int sent = 0;
    VQDeviceReportHandler handler(Link::Usb, [&sent](quint8, const QByteArray&) { ++sent; });
    std::mt19937 random(20240501);
    const int plans[] = {1, 2, 3, 6, 7};
    for (int i = 0; i < 100000; ++i) {
        const ChipPlan& plan = *chipPlan(plans[i % 5]);
        handler.handleReport(plan, garbage(random, valid, plan.reportId));
    }
    EXPECT_EQ(handler.ignoredCount(), 100000);
    EXPECT_EQ(sent, 0);
    EXPECT_TRUE(recorder->notifications.isEmpty()) << recorder->notifications.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(recorder->eventCodes.empty());
    EXPECT_TRUE(recorder->penSignals.empty());
    EXPECT_TRUE(recorder->aiKeys.empty());
    EXPECT_EQ(record().mouseType(), 0u);
    EXPECT_EQ(record().powerPercent(), 0.0);
}

TEST_F(DeviceReportFuzzTest, GarbageFromAnOpenReceiverChangesNothing)
{
    plugAndSettle();
    const VQMouseInfoItem& item = record();
    const QString sn = item.sn();
    const qint64 dpi = item.dpi();
    const double percent = item.powerPercent();
    recorder->clear();

    const QList<QByteArray> valid = validFrames();
    std::mt19937 random(7);
    const int before = VQHidCommandManager::sharedInstance().reportHandler().ignoredCount();
    for (int i = 0; i < 2000; ++i)
        receiver.sendRaw(garbage(random, valid, 0x0D));
    ASSERT_TRUE(vqtest::waitUntil([before] {
        return VQHidCommandManager::sharedInstance().reportHandler().ignoredCount() - before == 2000;
    }));
    EXPECT_TRUE(recorder->notifications.isEmpty());
    EXPECT_TRUE(recorder->eventCodes.empty());
    EXPECT_EQ(item.sn(), sn);
    EXPECT_EQ(item.dpi(), dpi);
    EXPECT_EQ(item.powerPercent(), percent);
    // The receiver stays open: garbage is not a failure of the device.
    EXPECT_TRUE(HIDDevice::sharedManager().isOpen());
}
