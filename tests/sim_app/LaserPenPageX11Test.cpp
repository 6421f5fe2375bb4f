// A new user with the presenter pen: the whole program as a child process on the X server with
// the simulated 248a:62ab receiver, its laser-pen page used through XTest clicks and a drag on
// the real main window, the result read from the settings file and from the pen's mode keys.
#include "SimulatedProgram.h"
#include "TestSupport.h"
#include "XTestUser.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QMouseEvent>
#include <QPixmap>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include "X11Windows.h"

#include <X11/keysym.h>

#include <functional>

namespace {

// A stored number: plain, or {"d": value} for a floating-point one.
double number(const QJsonObject& settings, const char* key)
{
    const QJsonValue value = settings.value(QString::fromLatin1(key));
    return value.isObject() ? value.toObject().value(QStringLiteral("d")).toDouble() : value.toDouble();
}

QRect mainWindowGeometry(const QJsonObject& state)
{
    for (const QJsonValue& value : state.value(QStringLiteral("windows")).toArray()) {
        const QJsonObject window = value.toObject();
        const QJsonArray g = window.value(QStringLiteral("geometry")).toArray();
        if (window.value(QStringLiteral("class")).toString() == QLatin1String("VQMainWindow") && g.size() == 4)
            return QRect(g.at(0).toInt(), g.at(1).toInt(), g.at(2).toInt(), g.at(3).toInt());
    }
    return {};
}

// A window of the presentation under the effects: counts the clicks that reach it.
class PresentationWindow : public QWidget {
public:
    PresentationWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint)
    {
        setGeometry(QGuiApplication::primaryScreen()->geometry());
    }
    int clicks = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++clicks; }
};

} // namespace

// The pen's link lost under every effect: the receiver pulled out, or closed as the Bluetooth LE
// mouse connects. Afterwards nothing of the effect is left: a click reaches the window below,
// the pointer shows, and another client can grab Escape and the pointer. The magnifier puts the
// main window away while it shows; after the link's loss the guide comes back when no device is
// left, the main window for the Bluetooth LE mouse.
TEST(SimulatedProgram, LosingThePensLinkEndsEveryEffect)
{
    XTestUser user;
    ASSERT_TRUE(user.ok());
    PresentationWindow presentation;
    presentation.show();
    SimulatedProgram program;
    ASSERT_TRUE(program.start());
    ASSERT_TRUE(program.command("plug 248a 62ab").startsWith(QLatin1String("ok")));
    // Open, and its device information read (which ends any effect as the pen's state arrives).
    const auto receiverOpen = [](const QJsonObject& s) {
        return s.value(QStringLiteral("receiverOpen")).toBool() && s.value(QStringLiteral("mouseType")).toInt() != 0;
    };
    ASSERT_TRUE(program.waitForState([&](const QJsonObject& s) { return receiverOpen(s) && !mainWindowGeometry(s).isEmpty(); }));
    const QPoint below(1800, 1000); // away from the main window and the tips
    ASSERT_TRUE(program.waitForSettings([](const QJsonObject& s) { return number(s, "laserPenStatusKey") == 1; }));
    for (const int mode : {1, 2, 3, 4}) {
        for (const bool bluetooth : {false, true}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << (bluetooth ? ", Bluetooth LE mouse" : ", unplugged"));
            if (number(program.settings(), "laserPenStatusKey") != mode) {
                EXPECT_TRUE(program.command("press 64").startsWith(QLatin1String("ok")));
                ASSERT_TRUE(program.waitForSettings([mode](const QJsonObject& s) { return number(s, "laserPenStatusKey") == mode; }));
            }
            user.move(QPoint(700, 500));
            EXPECT_TRUE(program.command("press 69").startsWith(QLatin1String("ok"))); // the effect key, held
            ASSERT_TRUE(program.waitForState([](const QJsonObject& s) { return s.value(QStringLiteral("pointerHidden")).toBool(); }));
            EXPECT_TRUE(vqtest::waitUntil([] { return !anotherClientCanGrab(XK_Escape); })) << "the effect holds no Escape";
            if (mode == 3)
                EXPECT_TRUE(mainWindowGeometry(program.state()).isEmpty());
            ASSERT_TRUE(program.state().value(QStringLiteral("pointerHidden")).toBool()) << "the effect ended too soon";
            EXPECT_TRUE(program.command(bluetooth ? "ble-connect" : "unplug").startsWith(QLatin1String("ok")));
            ASSERT_TRUE(program.waitForState([&](const QJsonObject& s) {
                return !s.value(QStringLiteral("receiverOpen")).toBool() && (!bluetooth || s.value(QStringLiteral("bluetooth")).toBool());
            }));
            EXPECT_TRUE(program.waitForState([](const QJsonObject& s) { return !s.value(QStringLiteral("pointerHidden")).toBool(); }));
            const int clicks = presentation.clicks;
            EXPECT_TRUE(vqtest::waitUntil([&] {
                user.click(below);
                vqtest::spin(50);
                return presentation.clicks > clicks;
            }, 5000)) << "a click does not reach the window below";
            EXPECT_TRUE(anotherClientCanGrab(XK_Escape));
            EXPECT_TRUE(anotherClientCanGrab(0));
            // The loupe gives back the face of the devices still connected: the guide when none is.
            if (mode == 3) {
                EXPECT_TRUE(program.waitForState([bluetooth](const QJsonObject& s) {
                    return control(s, [](const QJsonObject& w) { return w.value(QStringLiteral("class")) == QLatin1String("VQGuidePopover"); }, "windows").isEmpty() == bluetooth;
                }));
                EXPECT_EQ(mainWindowGeometry(program.state()).isEmpty(), !bluetooth);
            }
            EXPECT_TRUE(program.command(bluetooth ? "ble-disconnect" : "plug 248a 62ab").startsWith(QLatin1String("ok")));
            ASSERT_TRUE(program.waitForState([&](const QJsonObject& s) { return receiverOpen(s) && !s.value(QStringLiteral("bluetooth")).toBool(); }));
        }
    }
    EXPECT_EQ(program.command("quit"), QStringLiteral("ok quitting"));
    ASSERT_TRUE(program.process().waitForFinished(20000));
}

// Plugging the pen's receiver opens the main window with the laser-pen page as its first item;
// the user opens it, switches the pen effect off, previews the light spot and drags its size; the
// settings file holds the new values and the pen's mode key no longer reaches the pen effect.
TEST(SimulatedProgram, LaserPenPageUsedAsANewUserWould)
{
    XTestUser user;
    ASSERT_TRUE(user.ok());
    SimulatedProgram program;
    ASSERT_TRUE(program.start());
    EXPECT_TRUE(program.command("plug 248a 62ab").startsWith(QLatin1String("ok")));
    ASSERT_TRUE(program.waitForState([](const QJsonObject& s) {
        return s.value(QStringLiteral("connected")).toBool() && !mainWindowGeometry(s).isEmpty();
    }));
    // The page's origin: right of the 220-wide navigation.
    const QPoint page = mainWindowGeometry(program.state()).topLeft() + QPoint(220, 0);
    vqtest::spin(500); // the first paint
    // The first item of the navigation is the pen's page: the user opens it.
    user.click(mainWindowGeometry(program.state()).topLeft() + QPoint(110, 113));
    vqtest::spin(300);
    QDir().mkpath(QStringLiteral(VQ_BUILD_DIR "/renders"));
    EXPECT_TRUE(QGuiApplication::primaryScreen()->grabWindow(0).save(QStringLiteral(VQ_BUILD_DIR "/renders/sim_app_laser_pen_page.png")));
    // The laser-pen page is the one shown: its preview picture's dark title band is on screen.
    ASSERT_TRUE(vqtest::waitUntil([&] {
        const QColor band = user.pixel(page + QPoint(190, 90));
        return band.isValid() && band.blue() > band.red() + 40 && band.red() < 80;
    }, 10000)) << "the laser-pen page is not the first page shown";

    user.click(page + QPoint(20 + 301 + 19, 300 + 132 + 14)); // the pen's switch, at the preview's right edge
    ASSERT_TRUE(program.waitForSettings([](const QJsonObject& s) {
        return s.contains(QStringLiteral("laserPenDrawSwitchKey")) && !s.value(QStringLiteral("laserPenDrawSwitchKey")).toBool();
    })) << QJsonDocument(program.settings()).toJson().toStdString();
    user.click(page + QPoint(20 + 12, 300 + 44 + 12)); // the light spot's radio
    ASSERT_TRUE(program.waitForSettings([](const QJsonObject& s) {
        return number(s, "previewIndexKey") == 2;
    }));
    // The size slider's knob sits at its left end (20); dragged to the right end.
    const int sliderY = 80 + 140 + 5 + 11;
    user.drag(page + QPoint(20 + 43 + 4, sliderY), page + QPoint(20 + 340, sliderY));
    ASSERT_TRUE(program.waitForSettings([](const QJsonObject& s) {
        return number(s, "digitalLightSpotCircleWKey") > 60;
    })) << QJsonDocument(program.settings()).toJson().toStdString();

    // The mode key walks highlight -> light spot -> magnifier -> hard laser -> highlight.
    ASSERT_TRUE(program.waitForSettings([](const QJsonObject& s) { return number(s, "laserPenStatusKey") == 1; }));
    for (int mode : {2, 3, 0, 1}) {
        SCOPED_TRACE(mode);
        EXPECT_TRUE(program.command("press 64").startsWith(QLatin1String("ok")));
        EXPECT_TRUE(program.waitForSettings(
            [mode](const QJsonObject& s) { return number(s, "laserPenStatusKey") == mode; }));
    }
    EXPECT_EQ(program.state().value(QStringLiteral("simulated")).toObject().value(QStringLiteral("rejected")).toArray(),
              QJsonArray());

    EXPECT_EQ(program.command("quit"), QStringLiteral("ok quitting"));
    ASSERT_TRUE(program.process().waitForFinished(20000));
    EXPECT_EQ(program.process().exitCode(), 0);
}
