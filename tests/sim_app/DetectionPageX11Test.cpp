// The detection page of the whole program in Chinese, on the X server, with the simulated
// 248a:61ab receiver and the stand-in as the maker's API and the internet probe: the network
// lines through the program's own addresses, and the driver reset clicked through XTest with the
// receiver, with the Bluetooth LE mouse as the link and during a firmware transfer (clicked on
// the software page).
#include "SimulatedProgram.h"
#include "StandInHttpServer.h"
#include "TestSupport.h"
#include "XTestUser.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRect>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

namespace {

const char kAllWell[] = "当前设备和环境一切正常,请放心使用,如有问题请联系客服";
const char kFailed[] = "当前设备和环境异常,如有问题请联系客服";

// What the page shows: "ok" or "failed" for each line, then the status text.
QString shown(const QJsonObject& page)
{
    QStringList out;
    for (int line = 1; line <= 3; ++line) {
        const QString name = QStringLiteral("lineImageView%1").arg(line);
        const QJsonObject view = control(page, [&name](const QJsonObject& c) { return c.value(QStringLiteral("name")).toString() == name; });
        const QString image = view.value(QStringLiteral("image")).toString();
        out.append(image == QStringLiteral("5_line%1_icon").arg(line)           ? QStringLiteral("ok")
                   : image == QStringLiteral("5_line%1_error_icon").arg(line) ? QStringLiteral("failed")
                                                                               : QStringLiteral("?") + image);
    }
    const bool allWell = !titled(page, QString::fromUtf8(kAllWell)).isEmpty();
    const bool failed = !titled(page, QString::fromUtf8(kFailed)).isEmpty();
    out.append(allWell && !failed ? QStringLiteral("all well") : failed && !allWell ? QStringLiteral("failed") : QStringLiteral("?"));
    return out.join(QLatin1Char(' '));
}

QJsonObject simulated(const QJsonObject& state)
{
    return state.value(QStringLiteral("simulated")).toObject();
}

QStringList commandBytes(const QJsonObject& state)
{
    QStringList out;
    for (const QJsonValue& value : simulated(state).value(QStringLiteral("commands")).toArray())
        out.append(value.toString().left(2));
    return out;
}

QJsonObject firmware(const QJsonObject& state)
{
    return simulated(state).value(QStringLiteral("firmware")).toObject();
}

QStringList tips(const QJsonObject& state)
{
    QStringList out;
    for (const QJsonValue& value : state.value(QStringLiteral("tips")).toArray())
        out.append(value.toString());
    return out;
}

// The file the maker's server delivers: one hexadecimal byte per line.
QByteArray firmwareText(int bytes)
{
    QByteArray text;
    for (int i = 0; i < bytes; ++i)
        text += QByteArray::number((i * 37 + 11) & 0xFF, 16).rightJustified(2, '0') + "\n";
    return text;
}

int requestsTo(const vqtest::StandInHttpServer& server, const QString& path)
{
    int n = 0;
    for (const vqtest::StandInRequest& request : server.requests())
        n += request.path == path ? 1 : 0;
    return n;
}

} // namespace

// The page is shown with the `show-page` command (nothing in the navigation selects it); what
// it shows is read through `page`, what reached the receiver through `state`.
TEST(SimulatedProgram, DetectionPageChecksAndResetsTheDriver)
{
    XTestUser user;
    ASSERT_TRUE(user.ok());
    vqtest::StandInHttpServer server;
    ASSERT_TRUE(server.listen());
    const QString probe = QString::fromLatin1(vqtest::StandInHttpServer::kProbePath);
    const QString appKey = QStringLiteral("/api/getAppKey");
    const auto serverUp = [&] {
        server.setReply(probe, vqtest::StandInReply::html(200, "<html>ok</html>"));
        server.setReply(appKey, vqtest::StandInReply::api(QJsonObject {{QStringLiteral("appKey"), QStringLiteral("k")}}));
    };
    serverUp();
    // Device firmware 13 once offered: 100 packets, a transfer of several seconds.
    bool offerFirmware = false;
    server.setResponder(QStringLiteral("/api/otaUpdate"), [&](const vqtest::StandInRequest& request) {
        if (!offerFirmware || request.queryValue(QStringLiteral("type")) == QStringLiteral("USB"))
            return vqtest::StandInReply::api(QJsonValue());
        return vqtest::StandInReply::api(QJsonObject {
            {QStringLiteral("version"), QStringLiteral("13")},
            {QStringLiteral("fileName"), QStringLiteral("mouse-fw.txt")},
            {QStringLiteral("url"), server.url(QStringLiteral("/files/mouse-fw.txt"))},
        });
    });
    server.setReply(QStringLiteral("/files/mouse-fw.txt"), vqtest::StandInReply::text(firmwareText(2500)));
    SimulatedProgram program({{QStringLiteral("LANG"), QStringLiteral("zh_CN.UTF-8")},
                              {QStringLiteral("LANGUAGE"), QStringLiteral("zh_CN")},
                              {QStringLiteral("CORVANE_API_URL"), server.url(QStringLiteral("/api"))},
                              {QStringLiteral("CORVANE_PROBE_URL"), server.url(probe)}});
    ASSERT_TRUE(program.start());
    // A plain mouse: type 41 would switch the program to English once, 56 and 72 read the lighting too.
    EXPECT_EQ(program.command("mouse-type 50"), QStringLiteral("ok mouse type 50"));
    EXPECT_TRUE(program.command("plug 248a 61ab").startsWith(QLatin1String("ok")));
    ASSERT_TRUE(program.waitForState([](const QJsonObject& s) {
        bool mainWindow = false;
        for (const QJsonValue& w : s.value(QStringLiteral("windows")).toArray())
            mainWindow = mainWindow || w.toObject().value(QStringLiteral("class")).toString() == QLatin1String("VQMainWindow");
        return mainWindow && s.value(QStringLiteral("receiverOpen")).toBool() && commandBytes(s).contains(QStringLiteral("08"));
    }));

    // The first check runs when the page is first shown.
    const int probesBefore = requestsTo(server, probe);
    EXPECT_EQ(program.command("show-page 5"), QStringLiteral("ok page 5"));
    QJsonObject page;
    ASSERT_TRUE(vqtest::waitUntil([&] {
        page = program.page();
        return page.value(QStringLiteral("tag")).toInt() == 5 && requestsTo(server, probe) > probesBefore
            && requestsTo(server, appKey) > 0;
    }, 15000)) << QJsonDocument(page).toJson().toStdString();
    // A tag out of range is refused and leaves the page shown.
    EXPECT_TRUE(program.command("show-page 9").startsWith(QLatin1String("error usage: show-page")));
    EXPECT_EQ(program.page().value(QStringLiteral("tag")).toInt(), 5);
    vqtest::spin(500); // the first paint
    const QRect check = rectOf(titled(page, QStringLiteral("一键检测")));
    const QRect reset = rectOf(titled(page, QStringLiteral("重置驱动")));
    ASSERT_FALSE(check.isEmpty()) << QJsonDocument(page).toJson().toStdString();
    ASSERT_FALSE(reset.isEmpty());

    // The lines over the addresses the program was given: the stand-in failing, then back.
    server.setReply(probe, vqtest::StandInReply::html(500, "down"));
    server.setReply(appKey, vqtest::StandInReply::html(500, "down"));
    user.click(check.center());
    EXPECT_TRUE(vqtest::waitUntil([&] { return shown(program.page()) == QLatin1String("ok failed failed failed"); }, 15000))
        << shown(program.page()).toStdString();
    serverUp();
    user.click(check.center());
    EXPECT_TRUE(vqtest::waitUntil([&] { return shown(program.page()) == QLatin1String("ok ok ok all well"); }, 15000))
        << shown(program.page()).toStdString();

    // Clicks "重置驱动" and waits until the check it schedules has asked the stand-in; line 1
    // must never show a failure meanwhile. Returns the state from before the click.
    const auto resetAndCheck = [&](const char* what) {
        SCOPED_TRACE(what);
        const QJsonObject before = program.state();
        const int probes = requestsTo(server, probe);
        const int keys = requestsTo(server, appKey);
        user.click(reset.center());
        bool line1Failed = false;
        EXPECT_TRUE(vqtest::waitUntil([&] {
            line1Failed = line1Failed || shown(program.page()).startsWith(QLatin1String("failed"));
            return requestsTo(server, probe) > probes && requestsTo(server, appKey) > keys;
        }, 15000));
        EXPECT_TRUE(vqtest::waitUntil([&] { return shown(program.page()) == QLatin1String("ok ok ok all well"); }, 10000))
            << shown(program.page()).toStdString();
        EXPECT_FALSE(line1Failed);
        return before;
    };

    {
        // The receiver is opened again and read from device information on.
        const QJsonObject before = resetAndCheck("receiver");
        const int opens = simulated(before).value(QStringLiteral("opens")).toInt();
        const qsizetype sent = commandBytes(before).size();
        ASSERT_LT(sent, 190); // the state lists the last 200 commands
        QJsonObject after;
        EXPECT_TRUE(program.waitForState([&](const QJsonObject& s) {
            after = s;
            return s.value(QStringLiteral("receiverOpen")).toBool() && commandBytes(s).size() >= sent + 8;
        })) << QJsonDocument(after).toJson().toStdString();
        EXPECT_EQ(simulated(after).value(QStringLiteral("opens")).toInt(), opens + 1);
        EXPECT_EQ(commandBytes(after).mid(sent, 8),
                  QStringList({"01", "02", "03", "04", "05", "06", "07", "08"}));
    }

    {
        // The Bluetooth LE mouse is the link: the receiver stays closed, the check still runs.
        EXPECT_TRUE(program.command("ble-connect").startsWith(QLatin1String("ok")));
        ASSERT_TRUE(program.waitForState([](const QJsonObject& s) {
            return s.value(QStringLiteral("bluetooth")).toBool() && !s.value(QStringLiteral("receiverOpen")).toBool();
        }));
        if (program.page().value(QStringLiteral("tag")).toInt() != 5) {
            EXPECT_EQ(program.command("show-page 5"), QStringLiteral("ok page 5"));
        }
        const QJsonObject before = resetAndCheck("Bluetooth LE");
        vqtest::spin(1000); // room for an opening that must not come
        const QJsonObject after = program.state();
        EXPECT_EQ(simulated(after).value(QStringLiteral("opens")).toInt(), simulated(before).value(QStringLiteral("opens")).toInt());
        EXPECT_FALSE(after.value(QStringLiteral("receiverOpen")).toBool());
        EXPECT_TRUE(program.command("ble-disconnect").startsWith(QLatin1String("ok")));
        ASSERT_TRUE(program.waitForState([](const QJsonObject& s) {
            return !s.value(QStringLiteral("bluetooth")).toBool() && s.value(QStringLiteral("receiverOpen")).toBool();
        }));
    }

    {
        // A firmware transfer runs: the receiver is not reopened and the transfer ends well. The
        // offer is made on the device's next information report.
        offerFirmware = true;
        EXPECT_EQ(program.command("firmware-version 13"), QStringLiteral("ok firmware version 13 after an install"));
        EXPECT_EQ(program.command("mouse-type 50"), QStringLiteral("ok mouse type 50"));
        EXPECT_EQ(program.command("show-page 2"), QStringLiteral("ok page 2"));
        QJsonObject update;
        ASSERT_TRUE(vqtest::waitUntil([&] {
            update = titled(program.page(), QStringLiteral("升级设备固件"));
            return update.value(QStringLiteral("enabled")).toBool();
        }, 20000)) << QJsonDocument(program.page()).toJson().toStdString();
        vqtest::spin(300); // the first paint
        const qsizetype tipsBefore = tips(program.state()).size();
        user.click(rectOf(update).center());
        ASSERT_TRUE(program.waitForState([](const QJsonObject& s) {
            return firmware(s).value(QStringLiteral("running")).toBool() && firmware(s).value(QStringLiteral("packets")).toInt() >= 2;
        }));
        EXPECT_EQ(program.command("show-page 5"), QStringLiteral("ok page 5"));
        vqtest::spin(300);
        const QJsonObject before = resetAndCheck("firmware transfer");
        // The check came after the click: the transfer was running when the reset was clicked.
        EXPECT_TRUE(firmware(program.state()).value(QStringLiteral("running")).toBool());
        QJsonObject after;
        EXPECT_TRUE(program.waitForState([&](const QJsonObject& s) {
            after = s;
            return firmware(s).value(QStringLiteral("installs")).toInt() == 1 && tips(s).mid(tipsBefore).contains(QStringLiteral("升级成功"));
        }, 60000)) << QJsonDocument(after).toJson().toStdString();
        EXPECT_TRUE(firmware(after).value(QStringLiteral("crcMatches")).toBool());
        EXPECT_FALSE(tips(after).mid(tipsBefore).contains(QStringLiteral("升级失败")));
        EXPECT_EQ(simulated(after).value(QStringLiteral("opens")).toInt(), simulated(before).value(QStringLiteral("opens")).toInt());
    }

    EXPECT_EQ(simulated(program.state()).value(QStringLiteral("rejected")).toArray(), QJsonArray());
    EXPECT_EQ(program.command("quit"), QStringLiteral("ok quitting"));
    ASSERT_TRUE(program.process().waitForFinished(20000));
    EXPECT_EQ(program.process().exitCode(), 0);
}
