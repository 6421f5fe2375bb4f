// The firmware transfer of the largest image the receiver takes on plan 1 (65,535 packets of 25
// bytes) from the click on the software page, at the protocol's pace (reports 50 ms apart, the
// simulated receiver answering after 2 ms), the main thread asleep in its event loop between
// events as the program's is. Figures: packets per second (goal at least 19.9) and
// the largest gap between ticks of a precise 10 ms main-thread timer from the click through
// reading the file to the last packet (goal under 16 ms). Offscreen, its own main().
//
//   vq_firmware_bench            the start and 60 s of packets, then the cancel
//   vq_firmware_bench --whole    the whole image (about 55 minutes)

#include "AboutMouseView.h"
#include "HIDDevice.h"
#include "NotificationCenter.h"
#include "SimulatedReceiver.h"
#include "UserDefaults.h"
#include "VQButton.h"
#include "VQMouseCommandManager.h"
#include "VQNotificationNames.h"
#include "VQOTATransfer.h"
#include "VQOTAUpdateManager.h"
#include "VQToolManager.h"
#include "VQUserInfoData.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

constexpr int kPackets = 65535;
constexpr int kPacketBytes = 25;

// Runs the event loop as the program's does, asleep between events, until done() (asked every
// 20 ms) or the time-out.
bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer check;
    check.setInterval(20);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    check.start();
    loop.exec();
    return done();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    const bool whole = argc > 1 && std::strcmp(argv[1], "--whole") == 0;

    SimulatedReceiver receiver;
    receiver.replyDelayMs = 2;
    VQMouseCommandManager::sharedInstance();
    HIDDevice::sharedManager().start();
    VQUserInfoData::sharedInstance().setProductCode(QStringLiteral("41"));
    receiver.plug();
    if (!waitFor([] { return HIDDevice::sharedManager().isOpen(); }, 10000)) {
        std::fprintf(stderr, "the simulated receiver was not opened\n");
        return 1;
    }
    waitFor([] { return HIDDevice::sharedManager().queuedReportCount() == 0; }, 10000);

    // The firmware file: one byte per line, as the maker serves it.
    QByteArray text;
    text.reserve(kPackets * kPacketBytes * 3);
    for (int i = 0; i < kPackets * kPacketBytes; ++i) {
        char line[4];
        std::snprintf(line, sizeof line, "%02x", (i * 37 + 11) & 0xFF);
        text.append(line, 2).append('\n');
    }
    const QString path = VQToolManager::getFilePath(QStringLiteral("/41_bench-fw.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    file.close();
    UserDefaults::standard().setValue(QString::fromLatin1(VQOTAUpdateManager::kOTAFilePathKey) + QStringLiteral("41"), path);

    AboutMouseView view;
    view.resize(900, int(view.viewHeight()));
    view.show();
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateOTAStatusNotification));
    // The page is on the screen (painted) before the click.
    QElapsedTimer shown;
    shown.start();
    waitFor([&] { return shown.elapsed() >= 500; }, 1000);

    qint64 largestGapNs = 0;
    int largestGapPacket = 0; // the packets sent when the largest gap ended
    qint64 startGapNs = 0; // from the click to the first packet (the file read and announced)
    qint64 lastPacketGapNs = -1; // from the first packet to the last (the outcome's handling left out)
    int packets = 0;
    QElapsedTimer clock;
    qint64 firstPacketNs = 0; // since the click
    qint64 lastPacketNs = 0;
    bool ended = false;
    QString outcome;
    QObject owner;
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(&owner, QString::fromLatin1(vq::kUpdateOTAProgressNotification), [&](const VQNotification&) {
        lastPacketNs = clock.nsecsElapsed();
        if (packets++ == 0) {
            firstPacketNs = lastPacketNs;
            startGapNs = largestGapNs;
            largestGapNs = 0;
        }
        if (packets == kPackets)
            lastPacketGapNs = largestGapNs;
    });
    for (const char* name : { vq::kUpdateOTASuccessNotification, vq::kUpdateOTAFailNotification, vq::kUpdateOTACancelNotification })
        center.addObserver(&owner, QString::fromLatin1(name), [&, name](const VQNotification&) {
            ended = true;
            outcome = QString::fromLatin1(name);
        });

    // The main thread's pulse: a precise 10 ms timer whose largest gap is measured.
    QElapsedTimer pulse;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (pulse.nsecsElapsed() > largestGapNs) {
            largestGapNs = pulse.nsecsElapsed();
            largestGapPacket = packets;
        }
        pulse.restart();
    });
    pulse.start();
    ticker.start();

    clock.start();
    view.updateBtn()->click();
    const int runMs = whole ? 4 * 3600 * 1000 : 60000;
    waitFor([&] { return ended || clock.elapsed() >= runMs; }, runMs + 1000);
    const double seconds = clock.nsecsElapsed() / 1e9;
    const qint64 gapNs = lastPacketGapNs >= 0 ? lastPacketGapNs : largestGapNs;
    ticker.stop();
    if (!ended) {
        view.updateBtn()->click(); // the cancel
        waitFor([&] { return ended; }, 10000);
    }
    // The pace from the first packet to the last; the file's reading before it is the start gap.
    const double pace = packets > 1 ? (packets - 1) / ((lastPacketNs - firstPacketNs) / 1e9) : 0.0;
    std::printf("firmware transfer: %d of %d packets of %d bytes (file %.1f MB) in %.1f s, the first after %.0f ms: "
                "%.3f packets/s from the first to the last (goal >= 19.9)\n",
                packets, kPackets, kPacketBytes, text.size() / 1e6, seconds, firstPacketNs / 1e6, pace);
    std::printf("largest gap between 10 ms ticks: from the click to the first packet %.2f ms, then to the last packet %.2f ms, "
                "ending after packet %d (goal < 16)\n",
                startGapNs / 1e6, gapNs / 1e6, largestGapPacket);
    std::printf("outcome: %s; packets the device took: %d\n", qPrintable(outcome), receiver.device().firmware.packets);
    QFile::remove(path);
    const bool ok = pace >= 19.9 && std::max(gapNs, startGapNs) < 16 * 1000 * 1000 && (!whole || outcome == QLatin1String(vq::kUpdateOTASuccessNotification));
    return ok ? 0 : 1;
}
