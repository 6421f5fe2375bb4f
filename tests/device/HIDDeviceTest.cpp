// The receiver's life through the HID transport: plugging, removal, retries, the output queue.
#include "DeviceTestFixture.h"
#include "VQDeviceProtocol.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <limits>

namespace {

// The simulated receiver behind a writer that hands some reports to it late, as a writer thread
// that the system schedules late does: the report leaves (and is stamped) only after its delay.
class LateWritingTransport : public HidTransport {
public:
    LateWritingTransport(SimulatedReceiver& receiver, std::vector<int> delaysMs)
        : m_receiver(receiver)
        , m_delaysMs(std::move(delaysMs))
    {
        HidTransport::setInstance(this);
    }
    ~LateWritingTransport() override { HidTransport::setInstance(&m_receiver); }

    QList<HidDeviceInfo> enumerate() override { return m_receiver.enumerate(); }
    void watchHotplug(HotplugHandler handler) override { m_receiver.watchHotplug(std::move(handler)); }
    int open(const QString& path, ReportHandler onReport, ErrorHandler onError, QString* error) override
    {
        return m_receiver.open(path, std::move(onReport), std::move(onError), error);
    }
    void close(int handle) override { m_receiver.close(handle); }
    void write(int handle, const QByteArray& report, WriteDone done) override
    {
        const int delay = m_next < m_delaysMs.size() ? m_delaysMs[m_next] : 0;
        ++m_next;
        QTimer::singleShot(delay, Qt::PreciseTimer, &m_context, [this, handle, report, done = std::move(done)] {
            m_receiver.write(handle, report, done);
        });
    }

private:
    SimulatedReceiver& m_receiver;
    std::vector<int> m_delaysMs;
    size_t m_next = 0;
    QObject m_context;
};

class HIDDeviceTest : public DeviceTest {
protected:
    static QByteArray typeKey(int usage)
    {
        return VQDeviceProtocol::typeKeyFrame(*VQDeviceProtocol::chipPlan(1), 0, usage);
    }
};

} // namespace

TEST_F(HIDDeviceTest, PluggingOpensTheCommandInterfaceAndAnnouncesIt)
{
    HIDDevice& device = HIDDevice::sharedManager();
    EXPECT_EQ(device.currentVid(), 0);
    EXPECT_EQ(device.currentPid(), 0);

    receiver.plug();
    ASSERT_TRUE(vqtest::waitUntil([&] { return device.isOpen(); }));
    EXPECT_EQ(device.currentVid(), 0x248A);
    EXPECT_EQ(device.currentPid(), 0x61AB);
    EXPECT_EQ(recorder->count(vq::kUSBInsertNotification), 1);
    EXPECT_TRUE(VQUserInfoData::sharedInstance().isConnect());
    EXPECT_FALSE(VQUserInfoData::sharedInstance().bleConnect());
    EXPECT_EQ(VQUserInfoData::sharedInstance().chipPlan(), 1);
    EXPECT_EQ(record().vid(), 0x248A);
    EXPECT_EQ(record().pid(), 0x61AB);
    // Only the vendor collection was opened, never the receiver's ordinary mouse interface.
    EXPECT_EQ(receiver.openCount(), 1);
    EXPECT_TRUE(receiver.rejected().isEmpty()) << receiver.rejected().join(QLatin1Char('\n')).toStdString();
}

TEST_F(HIDDeviceTest, UnpluggingClearsTheIdsAndTheConnectionAndPluggingAgainReopens)
{
    plugAndSettle();
    recorder->clear();

    receiver.unplug();
    ASSERT_TRUE(vqtest::waitUntil([] { return !HIDDevice::sharedManager().isOpen(); }));
    vqtest::spin(20);
    EXPECT_EQ(HIDDevice::sharedManager().currentVid(), 0);
    EXPECT_EQ(HIDDevice::sharedManager().currentPid(), 0);
    // The hot-plug event and the failing read both report the removal; it is announced once.
    EXPECT_EQ(recorder->count(vq::kUSBRemoveNotification), 1);
    EXPECT_FALSE(VQUserInfoData::sharedInstance().isConnect());
    EXPECT_EQ(VQUserInfoData::sharedInstance().chipPlan(), 0);
    EXPECT_EQ(record().connectState(), 0);
    EXPECT_EQ(recorder->cancelCount, 1);
    ASSERT_FALSE(recorder->penSignals.empty());
    EXPECT_EQ(recorder->penSignals.back().kind, VQDeviceEvents::LaserPenSignal::Kind::ReceiverRemoved);
    EXPECT_FALSE(receiver.isOpen());

    receiver.plug();
    ASSERT_TRUE(vqtest::waitUntil([] { return HIDDevice::sharedManager().isOpen(); }));
    EXPECT_EQ(recorder->count(vq::kUSBInsertNotification), 1);
    EXPECT_EQ(receiver.openCount(), 2);
}

TEST_F(HIDDeviceTest, ABusyReceiverIsOpenedOnALaterAttempt)
{
    receiver.failOpens = 2;
    QElapsedTimer clock;
    clock.start();
    receiver.plug();
    ASSERT_TRUE(vqtest::waitUntil([] { return HIDDevice::sharedManager().isOpen(); }));
    // Two refused attempts, then the third opened it; after the settle delay and two retry
    // intervals (the event loop's coarse timers may fire up to 5 % early).
    EXPECT_EQ(receiver.failOpens, 0);
    EXPECT_EQ(receiver.openCount(), 1);
    EXPECT_GE(clock.elapsed(), (HIDDevice::kSettleDelayMs + 2 * HIDDevice::kRetryIntervalMs) * 9 / 10);
    EXPECT_EQ(recorder->count(vq::kUSBInsertNotification), 1);
}

TEST_F(HIDDeviceTest, AReceiverThatNeverOpensIsLeftAloneUntilOpenedAgain)
{
    receiver.failOpens = HIDDevice::kOpenAttempts;
    receiver.plug();
    // Every attempt was refused and none is left to come.
    ASSERT_TRUE(vqtest::waitUntil([this] { return receiver.failOpens == 0 && !HIDDevice::sharedManager().isOpening(); }));
    EXPECT_FALSE(HIDDevice::sharedManager().isOpen());
    EXPECT_FALSE(recorder->saw(vq::kUSBInsertNotification));
    EXPECT_EQ(receiver.failOpens, 0);

    HIDDevice::sharedManager().openHIDDevice();
    EXPECT_TRUE(HIDDevice::sharedManager().isOpen());
    EXPECT_EQ(recorder->count(vq::kUSBInsertNotification), 1);
}

TEST_F(HIDDeviceTest, TheFirstFailedWriteCountsAsRemoval)
{
    plugAndSettle();
    recorder->clear();
    receiver.failWrites = true;

    bool called = false;
    bool success = true;
    HIDDevice::sharedManager().hidRequestSendCommand(typeKey(4), [&](bool ok, const QString&) {
        called = true;
        success = ok;
    });
    ASSERT_TRUE(vqtest::waitUntil([&] { return called; }));
    EXPECT_FALSE(success);
    EXPECT_FALSE(HIDDevice::sharedManager().isOpen());
    EXPECT_EQ(recorder->count(vq::kUSBRemoveNotification), 1);
    EXPECT_EQ(HIDDevice::sharedManager().currentVid(), 0);
}

TEST_F(HIDDeviceTest, TwentyQueuedReportsLeaveInOrderAtLeastFiftyMillisecondsApart)
{
    plugAndSettle();
    receiver.clearRecords();

    std::vector<int> results;
    for (int i = 0; i < 20; ++i) {
        HIDDevice::sharedManager().hidRequestSendCommand(typeKey(4 + i), [&results, i](bool ok, const QString&) {
            results.push_back(ok ? i : -1);
        });
    }
    // Nothing waits inside the call: at most the first report has left.
    EXPECT_LE(receiver.written().size(), 1);
    ASSERT_TRUE(vqtest::waitUntil([&] { return results.size() == 20; }, 5000));

    ASSERT_EQ(receiver.written().size(), 20);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(results[size_t(i)], i);
        EXPECT_EQ(quint8(receiver.written().at(i).report.at(6)), 4 + i) << i;
        EXPECT_EQ(receiver.written().at(i).report.size(), 33);
        if (i > 0) {
            const qint64 gapNs = receiver.written().at(i).atNs - receiver.written().at(i - 1).atNs;
            EXPECT_GE(gapNs, qint64(HIDDevice::kSendIntervalMs) * 1000000) << "between " << i - 1 << " and " << i;
        }
    }
    EXPECT_EQ(receiver.device().typedKeys.size(), 20);
    EXPECT_TRUE(receiver.rejected().isEmpty());
}

TEST_F(HIDDeviceTest, AReportThatLeavesLateStillGetsTheFullSpacingBeforeTheNext)
{
    plugAndSettle();
    receiver.clearRecords();
    const std::vector<int> delaysMs = {20, 0, 45, 0, 10, 0};
    LateWritingTransport late(receiver, delaysMs);

    int done = 0;
    for (size_t i = 0; i < delaysMs.size(); ++i)
        HIDDevice::sharedManager().hidRequestSendCommand(typeKey(4 + int(i)), [&done](bool, const QString&) { ++done; });
    ASSERT_TRUE(vqtest::waitUntil([&] { return done == int(delaysMs.size()); }, 5000));

    ASSERT_EQ(receiver.written().size(), qsizetype(delaysMs.size()));
    for (qsizetype i = 1; i < receiver.written().size(); ++i) {
        EXPECT_EQ(quint8(receiver.written().at(i).report.at(6)), 4 + i);
        const qint64 gapNs = receiver.written().at(i).atNs - receiver.written().at(i - 1).atNs;
        EXPECT_GE(gapNs, qint64(HIDDevice::kSendIntervalMs) * 1000000) << "between " << i - 1 << " and " << i;
    }
}

TEST_F(HIDDeviceTest, TheSpacingCountsFromWhenTheReportBeganToLeaveNotFromItsEnd)
{
    plugAndSettle();
    receiver.clearRecords();
    receiver.writeDurationMs = 40; // each write is reported done 40 ms after the report left
    std::vector<qint64> doneNs;
    for (int i = 0; i < 6; ++i)
        HIDDevice::sharedManager().hidRequestSendCommand(typeKey(4 + i), [&doneNs](bool, const QString&) { doneNs.push_back(mm::DeadlineTimer::nowNs()); });
    ASSERT_TRUE(vqtest::waitUntil([&] { return doneNs.size() == 6; }, 5000));
    receiver.writeDurationMs = 0;
    ASSERT_EQ(receiver.written().size(), 6);
    qint64 shortestFromDoneNs = std::numeric_limits<qint64>::max();
    for (qsizetype i = 1; i < 6; ++i) {
        const qint64 startGapNs = receiver.written().at(i).atNs - receiver.written().at(i - 1).atNs;
        EXPECT_GE(startGapNs, qint64(HIDDevice::kSendIntervalMs) * 1000000) << "between " << i - 1 << " and " << i;
        shortestFromDoneNs = std::min(shortestFromDoneNs, receiver.written().at(i).atNs - doneNs[size_t(i - 1)]);
    }
    // A report left before the spacing had passed again since the previous one was reported
    // done: the write's 40 ms were not added to the 50.
    EXPECT_LT(shortestFromDoneNs, qint64(HIDDevice::kSendIntervalMs) * 1000000);
}

TEST_F(HIDDeviceTest, FramesAreCutOrFilledToThePlanLength)
{
    plugAndSettle();
    receiver.clearRecords();
    bool done = false;
    const QByteArray frame = typeKey(5);
    HIDDevice::sharedManager().hidRequestSendCommand(frame + QByteArray(40, '\0'), [&](bool, const QString&) {
        done = true;
    });
    ASSERT_TRUE(vqtest::waitUntil([&] { return done; }));
    ASSERT_EQ(receiver.written().size(), 1);
    const QByteArray report = receiver.written().first().report;
    EXPECT_EQ(report.size(), 33);
    EXPECT_EQ(report.left(frame.size()), frame);
    EXPECT_EQ(report.mid(frame.size()), QByteArray(33 - frame.size(), '\0'));
}

TEST_F(HIDDeviceTest, WithoutAReceiverTheCallbackReportsFailureLater)
{
    bool called = false;
    bool success = true;
    QString message;
    HIDDevice::sharedManager().hidRequestSendCommand(typeKey(4), [&](bool ok, const QString& text) {
        called = true;
        success = ok;
        message = text;
    });
    EXPECT_FALSE(called);
    ASSERT_TRUE(vqtest::waitUntil([&] { return called; }));
    EXPECT_FALSE(success);
    EXPECT_FALSE(message.isEmpty());
    EXPECT_TRUE(receiver.written().isEmpty());
}

TEST_F(HIDDeviceTest, HeldClosedForBluetoothUntilOpenedAgain)
{
    plugAndSettle();
    recorder->clear();

    HIDDevice::sharedManager().closeHIDDevice();
    EXPECT_FALSE(HIDDevice::sharedManager().isOpen());
    EXPECT_FALSE(receiver.isOpen());
    EXPECT_FALSE(recorder->saw(vq::kUSBRemoveNotification));

    // Plugging it in again while Bluetooth is in use does not open it.
    receiver.unplug();
    vqtest::spin(20);
    receiver.plug();
    vqtest::spin(HIDDevice::kSettleDelayMs + 100);
    EXPECT_FALSE(HIDDevice::sharedManager().isOpen());
    EXPECT_FALSE(recorder->saw(vq::kUSBInsertNotification));

    HIDDevice::sharedManager().openHIDDevice();
    EXPECT_TRUE(HIDDevice::sharedManager().isOpen());
    EXPECT_EQ(recorder->count(vq::kUSBInsertNotification), 1);
}
