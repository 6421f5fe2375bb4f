// The program's faces and its end on an X server without a tray host: nothing puts a face away
// for good, a second start hands over (or, in another session, is told and ends), a capture gives
// back the main window it put away, and quitting leaves the laser pen and the web engine in order.
#include "SimulatedProgram.h"
#include "XTestUser.h"

#include <QJsonArray>
#include <QWidget>

#include <gtest/gtest.h>

// Last: Xlib defines macros that clash with Qt names.
#include "X11Windows.h"

#include <X11/keysym.h>

namespace {

QJsonObject windowOf(const QJsonObject& state, const char* className)
{
    return control(state, [className](const QJsonObject& w) { return w.value(QStringLiteral("class")).toString() == QLatin1String(className); }, "windows");
}
bool shows(const QJsonObject& s, const char* className) { return !windowOf(s, className).isEmpty(); }
bool flag(const QJsonObject& s, const char* name) { return windowOf(s, "VQMainWindow").value(QLatin1String(name)).toBool(); }
bool mainWindowUp(const QJsonObject& s) { return shows(s, "VQMainWindow") && !flag(s, "minimized") && flag(s, "active"); }
QStringList penCommands(const QJsonObject& s)
{
    return s.value(QStringLiteral("simulated")).toObject().value(QStringLiteral("penCommands")).toVariant().toStringList();
}

} // namespace

// The guide and the main window go away as a user sends them away (the close button, a tip in
// front of the active main window) and come back: the tip leaves the main window mapped, a second
// start ends with status 0 and brings the face back, also after a kill -9 left a stale lock.
TEST(ProgramLifecycle, WithoutATrayEveryFaceComesBack)
{
    SimulatedProgram program;
    ASSERT_TRUE(program.start());
    const auto guideBack = [&program] {
        closeWindowAt(rectOf(windowOf(program.state(), "VQGuidePopover")));
        EXPECT_TRUE(program.waitForState([](const QJsonObject& s) { return !shows(s, "VQGuidePopover"); }));
        EXPECT_EQ(program.launchAgain(), 0);
        EXPECT_TRUE(program.waitForState([](const QJsonObject& s) { return shows(s, "VQGuidePopover"); }));
    };
    guideBack();
    EXPECT_TRUE(program.command("plug 248a 61ab").startsWith(QLatin1String("ok")));
    ASSERT_TRUE(program.waitForState(mainWindowUp));
    const QRect main = rectOf(windowOf(program.state(), "VQMainWindow"));
    EXPECT_TRUE(program.command("battery 8").startsWith(QLatin1String("ok")));
    ASSERT_TRUE(program.waitForState([](const QJsonObject& s) { return shows(s, "VQTipWindow"); }));
    vqtest::spin(300);
    EXPECT_TRUE(shows(program.state(), "VQMainWindow"));
    EXPECT_TRUE(mappedWindowsTitled("Corvane Companion").contains(main.size()));
    closeWindowAt(main);
    ASSERT_TRUE(program.waitForState([](const QJsonObject& s) { return flag(s, "minimized"); }));
    EXPECT_TRUE(mappedWindowsTitled("Corvane Companion").contains(main.size()));
    EXPECT_EQ(program.launchAgain(), 0);
    EXPECT_TRUE(program.waitForState(mainWindowUp));
    ASSERT_TRUE(program.restartAfterKill());
    guideBack();
    EXPECT_TRUE(program.quit());
}

// Alt+S while another window is active puts the main window away; Escape ends the capture and the
// main window is back, still not active.
TEST(ProgramLifecycle, ACaptureGivesBackTheMainWindowItPutAway)
{
    XTestUser user;
    SimulatedProgram program;
    ASSERT_TRUE(user.ok() && program.start());
    EXPECT_TRUE(program.command("plug 248a 61ab").startsWith(QLatin1String("ok")));
    ASSERT_TRUE(program.waitForState(mainWindowUp));
    QWidget other;
    other.setGeometry(0, 0, 200, 200);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(program.waitForState([](const QJsonObject& s) { return !flag(s, "active"); }));
    user.chord(XK_Alt_L, XK_s);
    ASSERT_TRUE(program.waitForState([](const QJsonObject& s) { return shows(s, "VQSnipFullWindow") && !shows(s, "VQMainWindow"); }));
    user.tap(XK_Escape);
    ASSERT_TRUE(program.waitForState([](const QJsonObject& s) { return !shows(s, "VQSnipFullWindow") && shows(s, "VQMainWindow"); }));
    EXPECT_FALSE(flag(program.state(), "active"));
    EXPECT_TRUE(program.quit());
}

// Quitting with the laser pen's receiver plugged in: pointer mode off, then the laser off, before
// the end. Quitting after the AI window showed its page: the page goes before its profile, so the
// engine finds no page left behind.
TEST(ProgramLifecycle, QuittingLeavesThePenAndTheWebEngineInOrder)
{
    SimulatedProgram pen;
    ASSERT_TRUE(pen.start());
    EXPECT_TRUE(pen.command("plug 248a 62ab").startsWith(QLatin1String("ok")));
    // The reads of a newly opened receiver are over (the function switch is the last).
    ASSERT_TRUE(pen.waitForState([](const QJsonObject& s) {
        return s.value(QStringLiteral("simulated")).toObject().value(QStringLiteral("commands")).toArray().contains(QStringLiteral("08"));
    }));
    vqtest::spin(500);
    const qsizetype before = penCommands(pen.state()).size();
    EXPECT_TRUE(pen.quit());
    EXPECT_EQ(penCommands(pen.finalState()).mid(before), (QStringList{QStringLiteral("0c4d04b14c"), QStringLiteral("0c4d04b54c")}));
    SimulatedProgram ai({{QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1")},
                         {QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"), QStringLiteral("--disable-gpu")},
                         {QStringLiteral("LIBGL_ALWAYS_SOFTWARE"), QStringLiteral("1")},
                         {QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0:abort_on_error=1:new_delete_type_mismatch=0:"
                                                                         "alloc_dealloc_mismatch=0:malloc_context_size=0")}},
                        true);
    ASSERT_TRUE(ai.start());
    EXPECT_TRUE(ai.command("plug 248a 61ab").startsWith(QLatin1String("ok")));
    ASSERT_TRUE(ai.waitForState([](const QJsonObject& s) { return s.value(QStringLiteral("connected")).toBool(); }));
    // The device's AI helper key (0x84) opens the AI window with its page.
    EXPECT_TRUE(ai.command("press 0x84").startsWith(QLatin1String("ok")));
    ASSERT_TRUE(vqtest::waitUntil([&] { return ai.errors().contains("page loaded"); }, 30000));
    EXPECT_TRUE(ai.quit());
    EXPECT_FALSE(ai.errors().contains("Release of profile requested")) << ai.errors().right(2000).toStdString();
}

// One program per user: a start on another display (a second session of the user, one home)
// tells its user there that the program runs in another session and ends when told; the first
// program keeps running, and a start on its display still hands over. The first starts in a
// Wayland session without a platform chosen: it is an X client all the same and never tries Qt's
// wayland platform.
TEST(ProgramLifecycle, AStartInAnotherSessionIsToldAndEnds)
{
    QProcess xvfb;
    const QByteArray other = startPrivateXvfb(xvfb);
    ASSERT_FALSE(other.isEmpty());
    SimulatedProgram first({{QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland")},
                            {QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-vq-none")}},
                           true, {{QStringLiteral("uiLanguageIndexKey"), 2}});
    ASSERT_TRUE(first.start());
    const QRect guide = rectOf(windowOf(first.state(), "VQGuidePopover"));
    EXPECT_TRUE(!guide.isEmpty() && mappedWindowsTitled({}).contains(guide.size()));
    EXPECT_FALSE(first.errors().contains("wayland\"") || first.errors().contains("wl_display")) << first.errors().toStdString();
    const QString home = first.home();
    SimulatedProgram second({{QStringLiteral("DISPLAY"), QString::fromLatin1(other)}, {QStringLiteral("HOME"), home},
                             {QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config")},
                             {QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache")},
                             {QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share")},
                             {QStringLiteral("XDG_RUNTIME_DIR"), home}});
    QRect alert;
    QImage shot;
    // Shown once its text is drawn (dark pixels in it).
    ASSERT_TRUE(vqtest::waitUntil([&] {
        const QList<QRect> shown = mappedWindowRectsTitled("Corvane Companion", other.constData());
        alert = shown.value(0);
        shot = shown.isEmpty() ? QImage() : screenOf(other.constData()).copy(alert);
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (qGray(shot.pixel(x, y)) < 80)
                    return true;
        return false;
    }, 20000)) << "no alert on " << other.constData();
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(VQ_BUILD_DIR "/renders")));
    EXPECT_TRUE(shot.save(QStringLiteral(VQ_BUILD_DIR "/renders/sim_app_other_session.png")));
    closeWindowAt(alert, other.constData());
    ASSERT_TRUE(second.process().waitForFinished(10000));
    EXPECT_EQ(second.process().exitCode(), 0);
    EXPECT_FALSE(QFile::exists(second.home() + QStringLiteral("/control.sock"))) << "the second start ran a program";
    EXPECT_TRUE(first.state().value(QStringLiteral("ready")).toBool());
    EXPECT_EQ(first.launchAgain(), 0);
    EXPECT_TRUE(first.quit());
    xvfb.kill();
    xvfb.waitForFinished(5000);
}
