// Firmware updates through the whole program: the child process on the X server with the
// simulated receiver (or Bluetooth LE mouse) behind its transports and the stand-in as the
// maker's API. The stand-in offers a newer firmware file; the user clicks the software page's
// buttons through XTest; the simulated device receives the transfer packet by packet and ends it
// as told (installed, failed, cancelled, silent, pulled away); the page and the tips show it.
#include "SimulatedProgram.h"
#include "StandInHttpServer.h"
#include "TestSupport.h"
#include "VQFirmwareFile.h"
#include "XTestUser.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>

#include <gtest/gtest.h>

// Last: Xlib defines macros that clash with Qt names.
#include "X11Windows.h"

#include <algorithm>
#include <functional>
#include <memory>

namespace {

const QString kDeviceButton = QStringLiteral("升级设备固件");
const QString kReceiverButton = QStringLiteral("升级接收器固件");
const QString kCancelButton = QStringLiteral("取消升级");
const QString kSucceeded = QStringLiteral("升级成功");
const QString kFailed = QStringLiteral("升级失败");
const QString kCancelled = QStringLiteral("升级取消");
const QString kLatest = QStringLiteral("当前是最新版本");
constexpr char kDeviceFile[] = "mouse-fw.txt";
constexpr char kReceiverFile[] = "usb-fw.txt";
constexpr int kSoftwarePageTag = 2;
// The mouse type the devices report (the product code): one whose first connection keeps the
// Chinese interface (product 41 switches it to English once).
constexpr char kMouseTypeCommand[] = "mouse-type 72";

// The percentage beside the bar; -1 while none shows.
int percentShown(const QJsonObject& page)
{
    static const QRegularExpression percent(QStringLiteral("^(\\d+)%$"));
    const QJsonObject label = control(page, [](const QJsonObject& c) {
        return percent.match(c.value(QStringLiteral("text")).toString()).hasMatch();
    });
    return label.isEmpty() ? -1 : percent.match(label.value(QStringLiteral("text")).toString()).captured(1).toInt();
}

QStringList listOf(const QJsonValue& value)
{
    QStringList out;
    for (const QJsonValue& item : value.toArray())
        out.append(item.toString());
    return out;
}

QStringList tips(const QJsonObject& state) { return listOf(state.value(QStringLiteral("tips"))); }
QStringList commands(const QJsonObject& state)
{
    return listOf(state.value(QStringLiteral("simulated")).toObject().value(QStringLiteral("commands")));
}
QJsonObject firmware(const QJsonObject& state)
{
    return state.value(QStringLiteral("simulated")).toObject().value(QStringLiteral("firmware")).toObject();
}

QByteArray image(int size, int seed)
{
    QByteArray out(size, '\0');
    for (int i = 0; i < size; ++i)
        out[i] = char((i * 37 + seed) & 0xFF);
    return out;
}

// The text the maker's server delivers: one hexadecimal byte per line.
QByteArray firmwareText(const QByteArray& bytes)
{
    QByteArray text;
    for (char c : bytes)
        text += QByteArray::number(quint8(c), 16).rightJustified(2, '0') + "\n";
    return text;
}

// The program with the stand-in as the maker's API, offering device firmware 13 and receiver
// firmware 8 while the offers are on, and a user at the X server.
class FirmwareSession {
public:
    FirmwareSession()
    {
        EXPECT_TRUE(server.listen());
        server.setResponder(QStringLiteral("/api/otaUpdate"), [this](const vqtest::StandInRequest& request) {
            const bool receiver = request.queryValue(QStringLiteral("type")) == QStringLiteral("USB");
            if (!(receiver ? offerReceiver : offerDevice))
                return vqtest::StandInReply::api(QJsonValue());
            const QString name = QString::fromLatin1(receiver ? kReceiverFile : kDeviceFile);
            return vqtest::StandInReply::api(QJsonObject{
                {QStringLiteral("version"), receiver ? QStringLiteral("8") : QStringLiteral("13")},
                {QStringLiteral("fileName"), name},
                {QStringLiteral("url"), server.url(QStringLiteral("/files/") + name)},
            });
        });
        serveFiles(false);
        program = std::make_unique<SimulatedProgram>(QList<std::pair<QString, QString>>{
            {QStringLiteral("LANG"), QStringLiteral("zh_CN.UTF-8")},
            {QStringLiteral("LANGUAGE"), QStringLiteral("zh_CN")},
            {QStringLiteral("CORVANE_API_URL"), server.url(QString::fromLatin1(vqtest::StandInHttpServer::kApiPrefix))},
            {QStringLiteral("CORVANE_PROBE_URL"), server.url(QString::fromLatin1(vqtest::StandInHttpServer::kProbePath))},
        });
    }

    // The files as the server sends them: whole, or the device's cut off half-way.
    void serveFiles(bool cutDeviceFile)
    {
        vqtest::StandInReply device = vqtest::StandInReply::text(firmwareText(deviceImage));
        device.closeMidBody = cutDeviceFile;
        server.setReply(QStringLiteral("/files/") + QString::fromLatin1(kDeviceFile), device);
        server.setReply(QStringLiteral("/files/") + QString::fromLatin1(kReceiverFile),
                        vqtest::StandInReply::text(firmwareText(receiverImage)));
    }

    // The downloaded file of the kind in the program's home; "" when there is none.
    QString storedFile(bool receiver) const
    {
        QDirIterator it(program->home(), {QStringLiteral("*_") + QString::fromLatin1(receiver ? kReceiverFile : kDeviceFile)},
                        QDir::Files, QDirIterator::Subdirectories);
        return it.hasNext() ? it.next() : QString();
    }

    // The page shown now, with the program's event loop and the stand-in served meanwhile.
    QJsonObject page() { return program->page(); }

    // The software page on the screen: the main window opened again when a tip put it away,
    // the navigation item clicked when another page shows.
    bool showSoftwarePage()
    {
        return vqtest::waitUntil([this] {
            const QJsonObject s = program->state();
            if (!s.value(QStringLiteral("connected")).toBool())
                return false;
            const QJsonObject p = page();
            if (p.isEmpty()) {
                program->command("open");
                vqtest::spin(300);
                return false;
            }
            if (p.value(QStringLiteral("tag")).toInt() == kSoftwarePageTag)
                return true;
            for (const QJsonValue& value : s.value(QStringLiteral("navigation")).toArray()) {
                const QJsonObject item = value.toObject();
                if (item.value(QStringLiteral("tag")).toInt() == kSoftwarePageTag && !rectOf(item).isEmpty()) {
                    vqtest::spin(300); // the first paint
                    user.click(rectOf(item).center());
                    vqtest::spin(300);
                }
            }
            return false;
        }, 20000);
    }

    // Clicks the page's button of that title; false when the page shows none.
    bool click(const QString& title)
    {
        if (!showSoftwarePage())
            return false;
        const QJsonObject button = titled(page(), title);
        if (button.isEmpty() || !button.value(QStringLiteral("enabled")).toBool())
            return false;
        user.click(rectOf(button).center());
        return true;
    }

    // Waits for the tips shown after the first `from` to include the text.
    bool waitForTip(qsizetype from, const QString& text, int timeoutMs = 20000)
    {
        return vqtest::waitUntil([&] { return tips(program->state()).mid(from).contains(text); }, timeoutMs);
    }

    // Makes the program ask for firmware again (the device reports its information, as after a
    // change of its mode) and waits until a download of the kind's file ended (or, with the file
    // stored, two offers were answered) and the buttons show; with expectFile, until the file is
    // stored. The first report after an update also brings a refresh that puts the buttons away:
    // then the program is asked once more.
    bool freshDownload(bool receiver, bool expectFile = true)
    {
        const QString path = QStringLiteral("/files/") + QString::fromLatin1(receiver ? kReceiverFile : kDeviceFile);
        for (int attempt = 0; attempt < 3; ++attempt) {
            const qsizetype before = requestsTo(path).size();
            const qsizetype offersBefore = requestsTo(QStringLiteral("/api/otaUpdate")).size();
            QElapsedTimer sinceAsked;
            const bool downloaded = vqtest::waitUntil([&] {
                // A check while an earlier one runs is skipped: asked again until a download starts.
                if (!sinceAsked.isValid() || sinceAsked.elapsed() > 3000) {
                    program->command(kMouseTypeCommand);
                    sinceAsked.start();
                }
                return requestsTo(path).size() > before || (expectFile && !storedFile(receiver).isEmpty()
                        && requestsTo(QStringLiteral("/api/otaUpdate")).size() > offersBefore + 1);
            }, 20000);
            if (!downloaded || (expectFile && !vqtest::waitUntil([&] { return !storedFile(receiver).isEmpty(); }, 20000))
                || !showSoftwarePage())
                return false;
            if (!expectFile)
                return true;
            // The kind's button (the device's may be marked, with its other title).
            const auto offered = [&] {
                const QJsonObject p = page();
                return !titled(p, receiver ? kReceiverButton : kDeviceButton).isEmpty() || (!receiver && !titled(p, kCancelButton).isEmpty());
            };
            if (vqtest::waitUntil(offered, 5000)) {
                vqtest::spin(500);
                if (offered())
                    return true;
            }
        }
        return false;
    }

    QList<vqtest::StandInRequest> requestsTo(const QString& path) const
    {
        QList<vqtest::StandInRequest> out;
        for (const vqtest::StandInRequest& request : server.requests()) {
            if (request.path == path)
                out.append(request);
        }
        return out;
    }

    void saveScreen(const QString& name)
    {
        QRect window;
        for (const QJsonValue& value : program->state().value(QStringLiteral("windows")).toArray()) {
            if (value.toObject().value(QStringLiteral("class")).toString() == QLatin1String("VQMainWindow"))
                window = rectOf(value.toObject());
        }
        QDir().mkpath(QStringLiteral(VQ_BUILD_DIR "/renders"));
        EXPECT_TRUE(QGuiApplication::primaryScreen()->grabWindow(0, window.x(), window.y(), window.width(), window.height())
                        .save(QStringLiteral(VQ_BUILD_DIR "/renders/") + name));
    }

    void quit()
    {
        EXPECT_EQ(program->command("quit"), QStringLiteral("ok quitting"));
        ASSERT_TRUE(program->process().waitForFinished(20000));
        EXPECT_EQ(program->process().exitCode(), 0);
    }

    vqtest::StandInHttpServer server;
    XTestUser user;
    std::unique_ptr<SimulatedProgram> program;
    bool offerDevice = false;
    bool offerReceiver = false;
    const QByteArray deviceImage = image(300, 11);
    const QByteArray receiverImage = image(300, 5);
};

} // namespace

// The stand-in offers newer firmware once the software page shows: its download brings the
// buttons; a click sends the file's image packet by packet with the percentage rising below 100;
// the device installs it and reports 13, which the version line shows and the hardware record
// carries; the file is gone and no button is left marked ("取消升级").
TEST(SimulatedProgram, FirmwareUpdateToItsOutcome)
{
    FirmwareSession session;
    ASSERT_TRUE(session.user.ok());
    SimulatedProgram& program = *session.program;
    ASSERT_TRUE(program.start());
    EXPECT_EQ(program.command("firmware-version 13"), QStringLiteral("ok firmware version 13 after an install"));
    EXPECT_TRUE(program.command(kMouseTypeCommand).startsWith(QLatin1String("ok")));
    EXPECT_TRUE(program.command("plug 248a 61ab").startsWith(QLatin1String("ok")));
    ASSERT_TRUE(session.showSoftwarePage());
    // Nothing offered yet: no buttons.
    ASSERT_TRUE(vqtest::waitUntil([&] { return !session.requestsTo(QStringLiteral("/api/otaUpdate")).isEmpty(); }, 20000));
    vqtest::spin(500);
    EXPECT_TRUE(titled(session.page(), kDeviceButton).isEmpty());
    EXPECT_TRUE(titled(session.page(), kReceiverButton).isEmpty());
    session.saveScreen(QStringLiteral("sim_app_software_page_zh_nobuttons.png"));

    session.offerDevice = true;
    ASSERT_TRUE(session.freshDownload(false)) << QJsonDocument(session.page()).toJson().toStdString()
                                              << QJsonDocument(program.state()).toJson().toStdString();
    const QString file = session.storedFile(false);
    const QString productCode = session.requestsTo(QStringLiteral("/api/otaUpdate")).last().queryValue(QStringLiteral("productCode")).value_or(QString());
    EXPECT_FALSE(productCode.isEmpty());
    EXPECT_TRUE(titled(session.page(), kReceiverButton).isEmpty()); // no receiver firmware offered
    session.saveScreen(QStringLiteral("sim_app_software_page_zh_buttons.png"));

    const qsizetype tipsBefore = tips(program.state()).size();
    ASSERT_TRUE(session.click(kDeviceButton));
    // The percentage, sampled while the transfer runs.
    QList<int> shown;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 30000 && !tips(program.state()).mid(tipsBefore).contains(kSucceeded)) {
        const int p = percentShown(program.page());
        if (p >= 0 && (shown.isEmpty() || shown.last() != p))
            shown.append(p);
    }
    ASSERT_TRUE(session.waitForTip(tipsBefore, kSucceeded));
    EXPECT_FALSE(tips(program.state()).mid(tipsBefore).contains(kFailed));

    // The device got the file's image, whole, as announced.
    const QJsonObject device = firmware(program.state());
    EXPECT_EQ(device.value(QStringLiteral("target")).toInt(), 0);
    EXPECT_EQ(device.value(QStringLiteral("image")).toInt(), session.deviceImage.size());
    EXPECT_EQ(device.value(QStringLiteral("crc")).toString(),
              QStringLiteral("%1").arg(VQFirmwareFile::crc16(session.deviceImage), 4, 16, QLatin1Char('0')));
    EXPECT_TRUE(device.value(QStringLiteral("crcMatches")).toBool());
    EXPECT_EQ(device.value(QStringLiteral("installs")).toInt(), 1);
    EXPECT_EQ(device.value(QStringLiteral("installedSize")).toInt(), session.deviceImage.size());
    const int packets = device.value(QStringLiteral("packets")).toInt();
    const QStringList sent = commands(program.state());
    EXPECT_EQ(std::count_if(sent.begin(), sent.end(), [](const QString& c) { return c.startsWith(QLatin1String("41 ")); }), packets);

    // The percentage rose through notified values (index × 100 / count), from the lowest seen, below 100.
    ASSERT_GE(shown.size(), 2) << "too few samples";
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    EXPECT_LT(shown.last(), 100);
    for (int p : shown) {
        bool notified = false;
        for (int i = 0; i < packets; ++i)
            notified = notified || p == i * 100 / packets;
        EXPECT_TRUE(notified) << p;
    }

    // The file gone and forgotten, the mark cleared (the version report's refresh then puts
    // the buttons away until the next offer), the new version shown and recorded.
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_TRUE(program.waitForSettings([&](const QJsonObject& values) {
        return values.value(QStringLiteral("kOTAFilePathKey_") + productCode).toString().isEmpty();
    }));
    ASSERT_TRUE(session.showSoftwarePage());
    ASSERT_TRUE(vqtest::waitUntil([&] {
        const QJsonObject p = session.page();
        return titled(p, kCancelButton).isEmpty()
            && !control(p, [&](const QJsonObject& c) {
                    return c.value(QStringLiteral("text")).toString().contains(QStringLiteral(" 13(%1)").arg(productCode));
                }).isEmpty();
    }, 10000)) << QJsonDocument(session.page()).toJson().toStdString();
    ASSERT_TRUE(vqtest::waitUntil([&] { return !session.requestsTo(QStringLiteral("/api/addHardware")).isEmpty(); }, 10000));
    vqtest::spin(500);
    const QList<vqtest::StandInRequest> records = session.requestsTo(QStringLiteral("/api/addHardware"));
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records.first().queryValue(QStringLiteral("firmwareVersion")), QStringLiteral("13"));
    EXPECT_EQ(records.first().queryValue(QStringLiteral("softVersion")), productCode);
    EXPECT_EQ(program.state().value(QStringLiteral("simulated")).toObject().value(QStringLiteral("rejected")).toArray(), QJsonArray());
    session.quit();
}

// The other ways a transfer goes, one program for all of them, each ending with the next
// transfer succeeding where the path leaves a file: a download cut off leaves nothing offered; a
// cancel click stops the packets; a failed packet, the receiver pulled out and a silent device
// fail and keep "取消升级" until clicked, or until the receiver is plugged in again; the receiver's
// firmware goes to target 1; over Bluetooth LE the receiver button is disabled and the device
// button updates the mouse.
TEST(SimulatedProgram, FirmwareUpdatePaths)
{
    struct Path {
        const char* name;
        const char* fault;      // the device's firmware fault
        bool receiver;          // the receiver's button, else the device's
        bool bluetooth;         // the Bluetooth LE mouse instead of the receiver
        bool cutDownload;       // the server cuts the file off half-way
        bool cancelClick;       // the user cancels once packets flow
        const char* tip;        // the outcome shown
        int retryClicks;        // clicks to a next transfer that succeeds (0: the path ends)
    };
    const Path paths[] = {
        {"download cut off", "none", false, false, true, false, "", 0},
        // The device waits at packet 8 (no answer), so the click surely comes mid-transfer.
        {"cancel click", "silent-at 8", false, false, false, true, "升级取消", 1},
        {"failed packet", "fail-packet 5", false, false, false, false, "升级失败", 2},
        {"receiver pulled out", "unplug-at 5", false, false, false, false, "升级失败", 1},
        {"silent device", "silent-at 5", false, false, false, false, "升级失败", 2},
        {"receiver firmware", "none", true, false, false, false, "升级成功", 0},
        {"Bluetooth LE mouse", "none", false, true, false, false, "升级成功", 0},
    };
    FirmwareSession session;
    ASSERT_TRUE(session.user.ok());
    SimulatedProgram& program = *session.program;
    ASSERT_TRUE(program.start());
    EXPECT_TRUE(program.command(kMouseTypeCommand).startsWith(QLatin1String("ok")));
    EXPECT_TRUE(program.command("plug 248a 61ab").startsWith(QLatin1String("ok")));
    ASSERT_TRUE(session.showSoftwarePage());
    session.offerDevice = true;
    session.offerReceiver = true;

    for (const Path& path : paths) {
        SCOPED_TRACE(path.name);
        session.serveFiles(path.cutDownload);
        if (path.bluetooth) {
            EXPECT_TRUE(program.command("unplug").startsWith(QLatin1String("ok")));
            EXPECT_TRUE(program.command("ble-connect").startsWith(QLatin1String("ok")));
            ASSERT_TRUE(program.waitForState([](const QJsonObject& s) {
                return s.value(QStringLiteral("bluetooth")).toBool() && s.value(QStringLiteral("connected")).toBool();
            }));
        }
        // A download ended brings the buttons, whole or not.
        ASSERT_TRUE(session.freshDownload(path.receiver, !path.cutDownload));
        if (path.cutDownload) {
            // Nothing stored: nothing offered, and the user is told the offer did not arrive.
            EXPECT_TRUE(session.waitForTip(0, QStringLiteral("固件下载失败，将在下次检查时重试")));
            EXPECT_TRUE(session.storedFile(false).isEmpty());
            EXPECT_TRUE(titled(session.page(), kDeviceButton).isEmpty());
            continue;
        }
        EXPECT_EQ(program.command(QByteArray("firmware ") + path.fault), QStringLiteral("ok firmware ") + QLatin1String(path.fault));
        const QString file = session.storedFile(path.receiver);
        const QJsonObject before = program.state();
        const qsizetype tipsBefore = tips(before).size();
        const qsizetype commandsBefore = commands(before).size();
        const int installsBefore = firmware(before).value(QStringLiteral("installs")).toInt();
        const auto sentSince = [&] { return commands(program.state()).mid(commandsBefore); };

        if (path.bluetooth) {
            // No receiver behind a Bluetooth LE mouse: its button offers nothing.
            ASSERT_TRUE(vqtest::waitUntil([&] { return !titled(session.page(), kReceiverButton).isEmpty(); }, 10000));
            EXPECT_FALSE(titled(session.page(), kReceiverButton).value(QStringLiteral("enabled")).toBool());
        }
        QElapsedTimer clock;
        clock.start();
        ASSERT_TRUE(session.click(path.receiver ? kReceiverButton : kDeviceButton));
        if (path.cancelClick) {
            ASSERT_TRUE(program.waitForState([](const QJsonObject& s) { return firmware(s).value(QStringLiteral("packets")).toInt() >= 3; }));
            ASSERT_TRUE(session.click(kCancelButton));
        }
        ASSERT_TRUE(session.waitForTip(tipsBefore, QString::fromUtf8(path.tip)))
            << tips(program.state()).join(QLatin1Char('|')).toStdString();
        const QJsonObject after = program.state();
        const QStringList sent = commands(after).mid(commandsBefore);
        const QString start = sent.filter(QRegularExpression(QStringLiteral("^40 "))).value(0);

        const bool unplugged = QLatin1String(path.fault).startsWith(QLatin1String("unplug"));
        // (The receiver pulled out takes its record along.)
        if (!unplugged) {
            EXPECT_TRUE(start.startsWith(path.receiver ? QLatin1String("40 01") : QLatin1String("40 00")))
                << sent.join(QLatin1Char('|')).toStdString();
        }
        if (QString::fromUtf8(path.tip) == kSucceeded) {
            EXPECT_EQ(firmware(after).value(QStringLiteral("installs")).toInt(), installsBefore + 1);
            EXPECT_EQ(firmware(after).value(QStringLiteral("target")).toInt(), path.receiver ? 1 : 0);
            EXPECT_TRUE(firmware(after).value(QStringLiteral("crcMatches")).toBool());
            EXPECT_TRUE(vqtest::waitUntil([&] { return !QFile::exists(file); }));
            continue;
        }
        // Never a success; the file kept for a retry; the bar gone.
        EXPECT_FALSE(tips(after).mid(tipsBefore).contains(kSucceeded));
        if (!unplugged) {
            EXPECT_EQ(firmware(after).value(QStringLiteral("installs")).toInt(), installsBefore);
        }
        EXPECT_TRUE(QFile::exists(file));
        if (QLatin1String(path.fault).startsWith(QLatin1String("silent")) && !path.cancelClick) {
            // Failed for want of an answer: no sooner than the answer's time-out.
            EXPECT_GE(clock.elapsed(), 3000);
        }
        if (path.cancelClick) {
            // The cancel went out, and no packet after it.
            const qsizetype cancel = sent.indexOf(QStringLiteral("43 00"));
            ASSERT_GE(cancel, 0) << sent.join(QLatin1Char('|')).toStdString();
            vqtest::spin(300);
            EXPECT_TRUE(sentSince().mid(cancel).filter(QRegularExpression(QStringLiteral("^41 "))).isEmpty());
        }
        if (unplugged) {
            EXPECT_FALSE(after.value(QStringLiteral("receiverOpen")).toBool());
            EXPECT_TRUE(program.command("plug 248a 61ab").startsWith(QLatin1String("ok")));
        }
        EXPECT_EQ(program.command("firmware none"), QStringLiteral("ok firmware none"));
        if (unplugged) {
            // Plugged in again: the program settles (reads, checks, downloads) before the clicks;
            // the failed update is over, so both buttons start one.
            ASSERT_TRUE(session.freshDownload(false));
            EXPECT_TRUE(vqtest::waitUntil([&] { return titled(session.page(), kReceiverButton).value(QStringLiteral("enabled")).toBool(); }, 10000));
        }
        ASSERT_TRUE(session.showSoftwarePage());
        if (path.retryClicks == 2) {
            // The mark stays until clicked: the bar is gone and the button still cancels.
            ASSERT_TRUE(vqtest::waitUntil([&] { return !titled(session.page(), kCancelButton).isEmpty(); }, 10000));
            EXPECT_EQ(percentShown(session.page()), -1);
            ASSERT_TRUE(session.click(kCancelButton));
            ASSERT_TRUE(vqtest::waitUntil([&] { return titled(session.page(), kCancelButton).isEmpty(); }, 10000));
        }
        const qsizetype tipsRetry = tips(program.state()).size();
        const int installsRetry = firmware(program.state()).value(QStringLiteral("installs")).toInt();
        ASSERT_TRUE(vqtest::waitUntil([&] {
            const QJsonObject button = titled(session.page(), kDeviceButton);
            return !button.isEmpty() && button.value(QStringLiteral("enabled")).toBool();
        }, 10000));
        ASSERT_TRUE(session.click(kDeviceButton));
        ASSERT_TRUE(session.waitForTip(tipsRetry, kSucceeded)) << tips(program.state()).join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(firmware(program.state()).value(QStringLiteral("installs")).toInt(), installsRetry + 1);
    }
    EXPECT_EQ(program.state().value(QStringLiteral("simulated")).toObject().value(QStringLiteral("rejected")).toArray(), QJsonArray());
    session.quit();
}

// Quitting while packets flow asks first. "继续升级": the program stays and sends no cancel.
// "取消升级并退出": the transfer's cancel goes to the device and the program ends with status 0.
TEST(SimulatedProgram, QuitDuringAFirmwareTransferAsksFirst)
{
    FirmwareSession session;
    SimulatedProgram& program = *session.program;
    ASSERT_TRUE(session.user.ok() && program.start());
    EXPECT_TRUE(program.command(kMouseTypeCommand).startsWith(QLatin1String("ok")));
    EXPECT_TRUE(program.command("plug 248a 61ab").startsWith(QLatin1String("ok")));
    ASSERT_TRUE(session.showSoftwarePage());
    session.offerDevice = true;
    ASSERT_TRUE(session.freshDownload(false));
    // The device waits at packet 8 (no answer): the transfer surely runs when quit is asked.
    EXPECT_EQ(program.command("firmware silent-at 8"), QStringLiteral("ok firmware silent-at 8"));
    const auto cancels = [](const QJsonObject& s) { return commands(s).filter(QRegularExpression(QStringLiteral("^43 "))).size(); };
    for (const QString& answer : {QStringLiteral("继续升级"), QStringLiteral("取消升级并退出")}) {
        SCOPED_TRACE(answer.toStdString());
        const bool cancel = answer == QStringLiteral("取消升级并退出");
        // The kept transfer has failed meanwhile (the device stays silent): cleared, then started again.
        if (cancel)
            ASSERT_TRUE(session.waitForTip(0, kFailed) && session.click(kCancelButton));
        ASSERT_TRUE(vqtest::waitUntil([&] { return session.click(kDeviceButton); }, 10000));
        ASSERT_TRUE(program.waitForState([](const QJsonObject& s) { return firmware(s).value(QStringLiteral("packets")).toInt() >= 3; }));
        const qsizetype cancelsBefore = cancels(program.state());
        EXPECT_EQ(program.command("quit"), QStringLiteral("ok quitting"));
        QJsonObject question, button;
        ASSERT_TRUE(vqtest::waitUntil([&] {
            question = control(program.state(), [](const QJsonObject& w) { return w.value(QStringLiteral("class")).toString() == QLatin1String("QMessageBox"); }, "windows");
            button = control(question, [&](const QJsonObject& b) { return b.value(QStringLiteral("text")).toString().remove(QLatin1Char('&')) == answer; }, "buttons");
            return !button.isEmpty();
        }, 10000));
        vqtest::spin(300); // the first paint
        EXPECT_TRUE(QGuiApplication::primaryScreen()->grabWindow(0).copy(rectOf(question)).save(QStringLiteral(VQ_BUILD_DIR "/renders/sim_app_quit_during_update_zh.png")));
        session.user.click(rectOf(button).center());
        if (!cancel) {
            vqtest::spin(500);
            EXPECT_EQ(program.process().state(), QProcess::Running);
            EXPECT_EQ(cancels(program.state()), cancelsBefore);
            continue;
        }
        ASSERT_TRUE(program.process().waitForFinished(20000));
        EXPECT_EQ(program.process().exitCode(), 0);
        const QStringList sent = commands(program.finalState());
        ASSERT_GT(cancels(program.finalState()), cancelsBefore) << sent.join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(sent.mid(sent.lastIndexOf(QStringLiteral("43 00"))).filter(QRegularExpression(QStringLiteral("^41 "))).isEmpty());
    }
}

// Qt's X connection broken while packets flow (the device waits at packet 8): status 1, and the
// device got the transfer's cancel as at quit, with no packet after it.
TEST(SimulatedProgram, XConnectionLostDuringAFirmwareTransferCancelsIt)
{
    FirmwareSession session;
    SimulatedProgram& program = *session.program;
    ASSERT_TRUE(session.user.ok() && program.start() && program.command(kMouseTypeCommand).startsWith(QLatin1String("ok")));
    ASSERT_TRUE(program.command("plug 248a 61ab").startsWith(QLatin1String("ok")) && session.showSoftwarePage());
    session.offerDevice = true;
    ASSERT_TRUE(session.freshDownload(false) && program.command("firmware silent-at 8").startsWith(QLatin1String("ok")));
    ASSERT_TRUE(session.click(kDeviceButton));
    ASSERT_TRUE(program.waitForState([](const QJsonObject& s) { return firmware(s).value(QStringLiteral("packets")).toInt() >= 3; }));
    EXPECT_TRUE(killClientOfWindowTitled("Corvane Companion"));
    ASSERT_TRUE(program.process().waitForFinished(20000));
    EXPECT_EQ(program.process().exitCode(), 1);
    const QStringList sent = commands(program.finalState());
    EXPECT_TRUE(sent.contains(QStringLiteral("43 00")) && sent.mid(sent.lastIndexOf(QStringLiteral("43 00"))).filter(QRegularExpression(QStringLiteral("^41 "))).isEmpty())
        << sent.join(QLatin1Char('|')).toStdString();
}
