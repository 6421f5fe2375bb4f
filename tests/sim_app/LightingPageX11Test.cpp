// A user of a lit mouse (type 72) in Chinese: the whole program as a child process on the X
// server with the simulated 248a:61ab receiver, its lighting page used through XTest clicks and
// a drag on the real main window; what reaches the device is read from the simulated side, what
// the page shows from the program's widgets.
#include "SimulatedProgram.h"
#include "TestSupport.h"
#include "XTestUser.h"

#include <QDir>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QPixmap>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

QJsonObject named(const QJsonObject& page, const char* name)
{
    return control(page, [name](const QJsonObject& c) { return c.value(QStringLiteral("name")).toString() == QLatin1String(name); });
}

bool selected(const QJsonObject& radio)
{
    return radio.value(QStringLiteral("image")).toString() == QLatin1String("6_radio_sel");
}

int lighting(const QJsonObject& state, const char* key)
{
    return state.value(QStringLiteral("simulated")).toObject().value(QStringLiteral("lighting")).toObject().value(QLatin1String(key)).toInt(-1);
}

QStringList commands(const QJsonObject& state)
{
    QStringList out;
    for (const QJsonValue& value : state.value(QStringLiteral("simulated")).toObject().value(QStringLiteral("commands")).toArray())
        out.append(value.toString());
    return out;
}

} // namespace

// The navigation lists "偏好设置" for a mouse of type 72; the user opens the page, picks breathing,
// a colour and the left hand and drags the brightness: each reaches the device in that order,
// the drag as one brightness setting, and the page shows each value once the device has it.
TEST(SimulatedProgram, LightingPageReachesTheDevice)
{
    XTestUser user;
    ASSERT_TRUE(user.ok());
    SimulatedProgram program({{QStringLiteral("LANG"), QStringLiteral("zh_CN.UTF-8")}, {QStringLiteral("LANGUAGE"), QStringLiteral("zh_CN")}});
    ASSERT_TRUE(program.start());
    EXPECT_EQ(program.command("mouse-type 72"), QStringLiteral("ok mouse type 72"));
    EXPECT_TRUE(program.command("plug 248a 61ab").startsWith(QLatin1String("ok")));

    QJsonObject item;
    ASSERT_TRUE(vqtest::waitUntil([&] {
        const QJsonObject s = program.state();
        for (const QJsonValue& value : s.value(QStringLiteral("navigation")).toArray()) {
            if (value.toObject().value(QStringLiteral("tag")).toInt() == 6)
                item = value.toObject();
        }
        return s.value(QStringLiteral("mouseType")).toInt() == 72 && !rectOf(item).isEmpty()
            && lighting(s, "mode") >= 0 && commands(s).contains(QStringLiteral("0d"));
    }, 20000)) << QJsonDocument(program.state()).toJson().toStdString();
    EXPECT_EQ(item.value(QStringLiteral("title")).toString(), QStringLiteral("偏好设置"));
    vqtest::spin(500); // the first paint
    user.click(rectOf(item).center());
    QJsonObject page;
    ASSERT_TRUE(vqtest::waitUntil([&] {
        page = program.page();
        return page.value(QStringLiteral("tag")).toInt() == 6 && !titled(page, QStringLiteral("呼吸")).isEmpty();
    }, 10000)) << QJsonDocument(page).toJson().toStdString();
    const qsizetype before = commands(program.state()).size();

    // Breathing: the radio moves once the device holds mode 2.
    user.click(rectOf(titled(page, QStringLiteral("呼吸"))).center());
    ASSERT_TRUE(vqtest::waitUntil([&] {
        return lighting(program.state(), "mode") == 2 && selected(titled(program.page(), QStringLiteral("呼吸")));
    }, 10000));

    // Colour 5: the marker moves onto its swatch once the device holds it.
    const auto swatch = [](const QJsonObject& p, int color) {
        return control(p, [color](const QJsonObject& c) {
            return c.value(QStringLiteral("class")).toString() == QLatin1String("VQButton")
                && c.value(QStringLiteral("tag")).toInt() == color && !c.contains(QStringLiteral("image"))
                && c.value(QStringLiteral("text")).toString().isEmpty();
        });
    };
    ASSERT_FALSE(swatch(page, 5).isEmpty());
    user.click(rectOf(swatch(page, 5)).center());
    ASSERT_TRUE(vqtest::waitUntil([&] {
        const QJsonObject p = program.page();
        return lighting(program.state(), "color") == 5
            && rectOf(named(p, "currentImageView")).topLeft() == rectOf(swatch(p, 5)).topLeft();
    }, 10000));

    // The left hand.
    user.click(rectOf(titled(page, QStringLiteral("左手"))).center());
    ASSERT_TRUE(vqtest::waitUntil([&] {
        const QJsonObject p = program.page();
        return lighting(program.state(), "hand") == 1 && selected(titled(p, QStringLiteral("左手")))
            && !selected(titled(p, QStringLiteral("右手")));
    }, 10000));

    // The brightness dragged from 40 % of its track to 85 %, through many values.
    const QRect slider = rectOf(named(page, "sliderBrightness"));
    ASSERT_FALSE(slider.isEmpty());
    const int y = slider.center().y();
    user.drag(QPoint(slider.left() + slider.width() * 40 / 100, y), QPoint(slider.left() + slider.width() * 85 / 100, y));
    int brightness = -1;
    ASSERT_TRUE(vqtest::waitUntil([&] {
        const QJsonObject p = program.page();
        const QJsonObject knob = named(p, "sliderBrightness");
        brightness = lighting(program.state(), "brightness");
        // The value label right of the slider, on its line.
        const QJsonObject value = control(p, [&slider](const QJsonObject& c) {
            const QRect r = rectOf(c);
            return c.value(QStringLiteral("class")).toString() == QLatin1String("VQLabel") && r.left() > slider.right()
                && r.left() < slider.right() + 30 && r.center().y() > slider.top() && r.center().y() < slider.bottom();
        });
        return brightness > 70 && knob.value(QStringLiteral("value")).toInt() == brightness
            && value.value(QStringLiteral("text")).toString() == QString::number(brightness);
    }, 10000)) << "device brightness " << brightness;

    // The settings reached the device in the user's order; the drag as one brightness setting.
    const QStringList sent = commands(program.state()).mid(before);
    const auto first = [&sent](const QString& prefix) {
        for (qsizetype i = 0; i < sent.size(); ++i) {
            if (sent.at(i).startsWith(prefix))
                return i;
        }
        return qsizetype(-1);
    };
    EXPECT_GE(first(QStringLiteral("19 02")), 0) << sent.join(QLatin1Char('|')).toStdString();
    EXPECT_GT(first(QStringLiteral("1c 05")), first(QStringLiteral("19 02")));
    EXPECT_GT(first(QStringLiteral("1d 01")), first(QStringLiteral("1c 05")));
    EXPECT_GT(first(QStringLiteral("1a ")), first(QStringLiteral("1d 01")));
    EXPECT_EQ(std::count_if(sent.begin(), sent.end(), [](const QString& c) { return c.startsWith(QLatin1String("1a ")); }), 1)
        << sent.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(program.state().value(QStringLiteral("simulated")).toObject().value(QStringLiteral("rejected")).toArray(), QJsonArray());

    QDir().mkpath(QStringLiteral(VQ_BUILD_DIR "/renders"));
    QRect window;
    for (const QJsonValue& value : program.state().value(QStringLiteral("windows")).toArray()) {
        if (value.toObject().value(QStringLiteral("class")).toString() == QLatin1String("VQMainWindow"))
            window = rectOf(value.toObject());
    }
    EXPECT_TRUE(QGuiApplication::primaryScreen()->grabWindow(0, window.x(), window.y(), window.width(), window.height())
                    .save(QStringLiteral(VQ_BUILD_DIR "/renders/sim_app_lighting_page.png")));

    EXPECT_EQ(program.command("quit"), QStringLiteral("ok quitting"));
    ASSERT_TRUE(program.process().waitForFinished(20000));
    EXPECT_EQ(program.process().exitCode(), 0);
}
