// The whole program on the X server with the stand-ins as the maker's API and speech server.
#include "SimulatedProgram.h"
#include "StandInHttpServer.h"
#include "StandInSpeechServer.h"
#include "XTestUser.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "X11Windows.h"

#include <X11/keysym.h>

// No page opened: command lists fetched, firmware downloaded once for three reports and offered on
// the software page opened later. F1 beside the receiver records the computer's input until F1
// ends it; F1 free once its recorder is cleared. The smart page over the mouse page, scrolled, is white.
TEST(SimulatedProgram, DeviceInformationWorkAndTheSmartPage)
{
    vqtest::StandInHttpServer server;
    vqtest::StandInSpeechServer speech;
    ASSERT_TRUE(server.listen() && speech.start());
    server.setResponder(QStringLiteral("/api/otaUpdate"), [&server](const vqtest::StandInRequest& request) {
        const QJsonObject offer{{QStringLiteral("version"), QStringLiteral("13")}, {QStringLiteral("fileName"), QStringLiteral("fw.txt")},
                                {QStringLiteral("url"), server.url(QStringLiteral("/files/fw.txt"))}};
        return vqtest::StandInReply::api(request.queryValue(QStringLiteral("type")) == QStringLiteral("USB") ? QJsonValue() : offer);
    });
    server.setReply(QStringLiteral("/files/fw.txt"), vqtest::StandInReply::text(QByteArray("0a\n1b\n2c\n3d\n").repeated(20)));
    SimulatedProgram program({{QStringLiteral("LANG"), QStringLiteral("zh_CN.UTF-8")}, {QStringLiteral("LANGUAGE"), QStringLiteral("zh_CN")},
                              {QStringLiteral("CORVANE_SPEECH_URL"), speech.url()},
                              {QStringLiteral("CORVANE_API_URL"), server.url(QString::fromLatin1(vqtest::StandInHttpServer::kApiPrefix))}});
    XTestUser user;
    ASSERT_TRUE(program.start() && user.ok());
    program.command("mouse-type 72");
    EXPECT_TRUE(program.command("plug 248a 61ab").startsWith(QLatin1String("ok")));
    const auto requests = [&server](const char* path) {
        const QList<vqtest::StandInRequest> all = server.requests();
        return std::count_if(all.begin(), all.end(), [path](const vqtest::StandInRequest& r) { return r.path == QLatin1String(path); });
    };
    ASSERT_TRUE(vqtest::waitUntil([&] {
        return requests("/api/deviceCmd") > 0 && requests("/api/commonCmd") > 0 && QDirIterator(program.home(), {QStringLiteral("*_fw.txt")}, QDir::Files, QDirIterator::Subdirectories).hasNext();
    }, 20000));
    const qsizetype offers = requests("/api/otaUpdate");
    for (int report = 0; report < 2; ++report)
        program.command("mouse-type 72");
    ASSERT_TRUE(vqtest::waitUntil([&] { return requests("/api/otaUpdate") >= offers + 4; }, 20000));
    ASSERT_TRUE(program.waitForNoOpenReply());
    EXPECT_EQ(requests("/files/fw.txt"), 1);
    EXPECT_EQ(requests("/api/deviceCmd"), 1);
    ASSERT_EQ(program.command("show-page 2"), QStringLiteral("ok page 2"));
    EXPECT_TRUE(vqtest::waitUntil([&] { return !titled(program.page(), QStringLiteral("升级设备固件")).isEmpty(); }, 5000));
    ASSERT_EQ(program.command("show-page 1"), QStringLiteral("ok page 1"));
    const auto popupShown = [&program] {
        return !control(program.state(), [](const QJsonObject& w) { return w[QStringLiteral("class")] == QStringLiteral("VQPopupWindow"); }, "windows").isEmpty();
    };
    user.tap(XK_F1);
    ASSERT_TRUE(vqtest::waitUntil(popupShown, 5000));
    ASSERT_TRUE(vqtest::waitUntil([&] { return speech.connectionCount() > 0; }, 20000));
    user.tap(XK_F1);
    ASSERT_TRUE(vqtest::waitUntil([&] { return !popupShown(); }, 20000));
    const QJsonObject box = control(program.page(), [](const QJsonObject& c) { return c[QStringLiteral("name")] == QStringLiteral("inputShortcutBox"); });
    EXPECT_FALSE(anotherClientCanGrab(XK_F1));
    user.click(rectOf(box).center());
    ASSERT_TRUE(vqtest::waitUntil([&] {
        return !control(program.page(), [](const QJsonObject& c) { return c[QStringLiteral("recording")].toBool(); }).isEmpty();
    }, 5000));
    user.tap(XK_BackSpace);
    EXPECT_TRUE(vqtest::waitUntil([] { return anotherClientCanGrab(XK_F1); }, 5000));
    ASSERT_EQ(program.command("show-page 0"), QStringLiteral("ok page 0"));
    vqtest::spin(500);
    ASSERT_EQ(program.command("show-page 1"), QStringLiteral("ok page 1"));
    const QRect page = rectOf(program.page());
    const auto boxRect = [&program] {
        return rectOf(control(program.page(), [](const QJsonObject& c) { return c[QStringLiteral("name")] == QStringLiteral("inputShortcutBox"); }));
    };
    const QRect unscrolled = boxRect();
    user.drag(QPoint(page.right() - 5, page.top() + 75), QPoint(page.right() - 5, page.top() + 300));
    ASSERT_TRUE(vqtest::waitUntil([&] { return boxRect() != unscrolled; }, 10000));
    // The scrolled page once two grabs 200 ms apart agree (its repaint has reached the server).
    const auto grab = [&page] { return QGuiApplication::primaryScreen()->grabWindow(0).toImage().copy(page); };
    QImage shot = grab();
    ASSERT_TRUE(vqtest::waitUntil([&] {
        vqtest::spin(200);
        const QImage again = grab();
        return std::exchange(shot, again) == again;
    }, 10000));
    EXPECT_TRUE(QDir().mkpath(QStringLiteral(VQ_BUILD_DIR "/renders")) && shot.save(QStringLiteral(VQ_BUILD_DIR "/renders/sim_app_smart_page_scrolled.png")));
    // The left margin beside the sections, below the page's top strip.
    for (int y = 60; y < page.height() - 10; ++y) {
        for (int x = 2; x < 40; ++x)
            ASSERT_EQ(shot.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
    }
}

// Another program holds the command database when the device's list arrives: the user is told,
// and the list, kept in memory, reaches the table at quit once the lock has gone.
TEST(SimulatedProgram, CommandListsKeptUnderALockReachTheDatabaseAtQuit)
{
    vqtest::StandInHttpServer server;
    ASSERT_TRUE(server.listen());
    const QJsonObject command{{QStringLiteral("cmdType"), QStringLiteral("text")}, {QStringLiteral("customCmd"), QStringLiteral("存")}};
    server.setReply(QStringLiteral("/api/deviceCmd"), vqtest::StandInReply::api(QJsonArray{command}));
    SimulatedProgram program({{QStringLiteral("CORVANE_API_URL"), server.url(QString::fromLatin1(vqtest::StandInHttpServer::kApiPrefix))}});
    ASSERT_TRUE(program.start());
    const QByteArray file = (program.home() + QStringLiteral("/Documents/VQSqliteDataBase.sqlite")).toUtf8();
    sqlite3* other = nullptr;
    ASSERT_TRUE(vqtest::waitUntil([&] { return QFile::exists(QString::fromUtf8(file)); }));
    ASSERT_EQ(sqlite3_open(file.constData(), &other), SQLITE_OK);
    sqlite3_busy_timeout(other, 5000);
    ASSERT_EQ(sqlite3_exec(other, "begin exclusive", nullptr, nullptr, nullptr), SQLITE_OK);
    ASSERT_TRUE(program.command("plug 248a 61ab").startsWith(QLatin1String("ok")));
    EXPECT_TRUE(program.waitForState([](const QJsonObject& s) {
        return QJsonDocument(s[QStringLiteral("tips")].toArray()).toJson().contains("voice-command database");
    }));
    // Other requests of the plug (the key functions) may follow it.
    ASSERT_TRUE(vqtest::waitUntil([&] {
        const QList<vqtest::StandInRequest> sent = server.requests();
        return std::ranges::any_of(sent, [](const vqtest::StandInRequest& r) { return r.path == QLatin1String("/api/deviceCmd"); });
    }, 10000));
    ASSERT_TRUE(program.waitForNoOpenReply()); // the answer is taken
    sqlite3_exec(other, "rollback", nullptr, nullptr, nullptr);
    ASSERT_TRUE(program.quit());
    sqlite3_stmt* rows = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(other, "select customCmd from DBCustomizeCmdList", -1, &rows, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(rows), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(rows, 0)), "存");
    sqlite3_finalize(rows);
    sqlite3_close(other);
}
