// The presenter overlays on a real X server: the highlight read back from the root window with
// the compositing manager xcompmgr running (a child process on the test display) and without
// one, the hole following XTest moves, XTest Escape ending drawing, and the pen's shaped window
// over the live screen without a compositor, its shape bounded over many strokes.
#include "CompositingManager.h"
#include "CursorHider.h"
#include "MMImage.h"
#include "PKWColorSampler.h"
#include "TestSupport.h"
#include "VQDrawShape.h"
#include "VQDrawView.h"
#include "VQLaserPenManager.h"
#include "VQLaserPenOverlay.h"
#include "VQPopupWindowTool.h"
#include "XTestUser.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

#include <X11/Xlib.h>
#include <X11/extensions/shape.h>
#include <X11/keysym.h>

#include <cmath>
#include <vector>

namespace {

VQLaserPenManager& manager()
{
    return VQLaserPenManager::sharedInstance();
}

// An ordinary window of one colour over the whole screen: what the presentation shows.
class BelowWindow : public QWidget {
public:
    BelowWindow()
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint)
    {
        setGeometry(QGuiApplication::primaryScreen()->geometry());
    }
    // One colour, or another one right of the column.
    void setColour(const QColor& colour, const QColor& right = {}, int column = 0)
    {
        m_colour = colour;
        m_right = right;
        m_column = column;
        repaint();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), m_colour);
        if (m_right.isValid())
            painter.fillRect(rect().adjusted(m_column, 0, 0, 0), m_right);
    }

private:
    QColor m_colour = Qt::white;
    QColor m_right;
    int m_column = 0;
};

class LaserPenX11Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(user.ok());
        VQPopupWindowTool::resetForTests();
        VQLaserPenManager::resetForTests();
        below.setColour(kFirst);
        below.show();
        ASSERT_TRUE(vqtest::waitUntil([&] { return user.pixel(kSpotA) == kFirst; }));
    }

    void TearDown() override
    {
        VQLaserPenManager::resetForTests();
        VQPopupWindowTool::resetForTests();
        stopCompositor();
    }

    void startCompositor()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("xcompmgr"));
        ASSERT_FALSE(program.isEmpty()) << "xcompmgr is not installed (scripts/setup)";
        compositor.start(program, {});
        ASSERT_TRUE(compositor.waitForStarted(5000));
        ASSERT_TRUE(vqtest::waitUntil([] { return CompositingManager::instance().isCompositing(); }, 10000));
    }

    void stopCompositor()
    {
        if (compositor.state() == QProcess::NotRunning)
            return;
        compositor.terminate();
        compositor.waitForFinished(5000);
        vqtest::waitUntil([] { return !CompositingManager::instance().isCompositing(); }, 10000);
    }

    // Moves the pointer by XTest until the hole shows at the point (the input monitor may still
    // be asking the server for motion events when the first move arrives).
    bool holeFollowsTo(QPoint point, const QColor& inside)
    {
        return vqtest::waitUntil(
            [&] {
                user.move(point);
                return user.pixel(point) == inside;
            },
            10000);
    }

    bool veiled(QPoint point, const QColor& below) const { return XTestUser::isUnderBlack(user.pixel(point), below, 153); }

    static constexpr QPoint kSpotA{300, 300};
    static constexpr QPoint kSpotB{900, 700};
    static constexpr QPoint kFar{1750, 1000};
    const QColor kFirst = QColor(200, 120, 60);
    const QColor kSecond = QColor(40, 180, 220);

    XTestUser user;
    BelowWindow below;
    QProcess compositor;
};

} // namespace

// Composited, the hole shows the window below unchanged and the veil darkens it to 40 %; a
// change below shows through at once. Without a compositor, the same picture, frozen.
TEST_F(LaserPenX11Test, HighlightReadBackWithAndWithoutCompositor)
{
    for (const bool composited : {true, false}) {
        SCOPED_TRACE(composited ? "with xcompmgr" : "without a compositor");
        if (composited)
            startCompositor();
        else
            stopCompositor();
        below.setColour(kFirst);
        ASSERT_TRUE(vqtest::waitUntil([&] { return user.pixel(kSpotB) == kFirst; }));

        manager().highlighted();
        ASSERT_TRUE(CursorHider::instance().isHidden());
        // The veil is up (far from any place the pointer goes) before the hole is looked for.
        ASSERT_TRUE(vqtest::waitUntil([&] { return veiled(kFar, kFirst); }, 10000));
        ASSERT_TRUE(holeFollowsTo(kSpotA, kFirst));
        EXPECT_TRUE(vqtest::waitUntil([&] { return veiled(kSpotB, kFirst); })) << user.pixel(kSpotB).name().toStdString();

        below.setColour(kSecond);
        if (composited) {
            EXPECT_TRUE(vqtest::waitUntil([&] { return user.pixel(kSpotA) == kSecond && veiled(kSpotB, kSecond); }, 10000))
                << user.pixel(kSpotA).name().toStdString() << " " << user.pixel(kSpotB).name().toStdString();
        } else {
            vqtest::spin(300);
            EXPECT_EQ(user.pixel(kSpotA), kFirst);
            EXPECT_TRUE(veiled(kSpotB, kFirst));
        }

        const QColor shown = composited ? kSecond : kFirst;
        ASSERT_TRUE(holeFollowsTo(kSpotB, shown));
        EXPECT_TRUE(vqtest::waitUntil([&] { return veiled(kSpotA, shown); }));

        manager().hideHighlighted();
        EXPECT_FALSE(CursorHider::instance().isHidden());
        EXPECT_TRUE(vqtest::waitUntil([&] { return user.pixel(kSpotA) == kSecond; }));
    }
}

// Escape pressed through XTest reaches the pen's global grab and ends drawing.
TEST_F(LaserPenX11Test, XTestEscapeEndsDrawing)
{
    manager().startDraw();
    ASSERT_TRUE(manager().isDrawing());
    ASSERT_TRUE(manager().isEscRegistered());
    vqtest::spin(200);
    user.tap(XK_Escape);
    EXPECT_TRUE(vqtest::waitUntil([] { return !manager().isDrawing(); }));
    EXPECT_FALSE(manager().isEscRegistered());
}

// Another program holds Escape with Caps Lock: the grab is refused, the highlight takes the focus
// instead, and a plain Escape pressed there ends it.
TEST_F(LaserPenX11Test, EscapeRefusedIsTakenByTheFocusedEffect)
{
    Display* other = XOpenDisplay(nullptr);
    ASSERT_NE(other, nullptr);
    XGrabKey(other, XKeysymToKeycode(other, XK_Escape), LockMask, DefaultRootWindow(other), True, GrabModeAsync, GrabModeAsync);
    XSync(other, False);
    manager().highlighted();
    EXPECT_FALSE(manager().isEscRegistered());
    EXPECT_TRUE(manager().isKeyboardExitByFocus());
    ASSERT_TRUE(vqtest::waitUntil([] { return QGuiApplication::focusWindow() != nullptr; }));
    user.tap(XK_Escape);
    EXPECT_TRUE(vqtest::waitUntil([] { return !manager().takesTheMouse(); }));
    EXPECT_FALSE(CursorHider::instance().isHidden());
    XCloseDisplay(other);
}

// Without a compositor the pen draws on a window shaped to its strokes: the presentation below
// stays live (its new colour shows beside the stroke), and the screen holds both. The pen icon
// stays where the stroke ended, its lower-left corner there, until the next stroke takes it.
TEST_F(LaserPenX11Test, PenWithoutCompositorDrawsOverTheLiveScreen)
{
    ASSERT_FALSE(CompositingManager::instance().isCompositing());
    manager().setDrawColor(QColor(Qt::red));
    manager().startDraw();
    ASSERT_TRUE(manager().isDrawing());
    VQDrawView* canvas = manager().drawView().value(0);
    ASSERT_NE(canvas, nullptr);
    EXPECT_TRUE(canvas->isShapedWindow());
    const QPoint from(400, 600);
    canvas->mouseDown(from);
    for (int x = 420; x <= 1000; x += 20)
        canvas->mouseDragged(QPoint(x, 600));
    canvas->mouseUp();
    const QPoint onStroke(700, 600);
    const QPoint beside(700, 640);
    ASSERT_TRUE(vqtest::waitUntil([&] { return user.pixel(onStroke) == QColor(Qt::red); }, 10000)) << user.pixel(onStroke).name().toStdString();
    EXPECT_EQ(user.pixel(beside), kFirst);
    below.setColour(kSecond);
    EXPECT_TRUE(vqtest::waitUntil([&] { return user.pixel(beside) == kSecond && user.pixel(kFar) == kSecond; }, 10000))
        << user.pixel(beside).name().toStdString();
    EXPECT_EQ(user.pixel(onStroke), QColor(Qt::red));
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    EXPECT_EQ(screen.pixelColor(onStroke), QColor(Qt::red));
    EXPECT_EQ(screen.pixelColor(beside), kSecond);
    QDir().mkpath(QStringLiteral(VQ_BUILD_DIR "/renders"));
    EXPECT_TRUE(screen.save(QStringLiteral(VQ_BUILD_DIR "/renders/laser_pen_shaped_no_compositor.png")));
    // An opaque pixel of the icon's upper half, clear of the stroke.
    const QImage icon = mm::imageNamed(QStringLiteral("laserPenSetting_icon"), QSize(24, 24)).toImage().scaled(24, 24);
    QPoint onIcon;
    for (int i = 0; i < 24 * 12 && onIcon.isNull(); ++i) {
        if (icon.pixelColor(i % 24, i / 24).alpha() == 255)
            onIcon = QPoint(i % 24, i / 24);
    }
    ASSERT_FALSE(onIcon.isNull());
    const QPoint iconPixel = QPoint(1000, 600 - 24) + onIcon;
    EXPECT_EQ(user.pixel(iconPixel), icon.pixelColor(onIcon));
    canvas->mouseDown(QPoint(400, 900));
    canvas->mouseUp();
    EXPECT_TRUE(vqtest::waitUntil([&] { return user.pixel(iconPixel) == kSecond; })) << user.pixel(iconPixel).name().toStdString();
    EXPECT_EQ(user.pixel(QPoint(400, 900 - 24) + onIcon), icon.pixelColor(onIcon));
    manager().endDraw();
}

// A talk's worth of curved strokes without a compositor: the shape the server keeps stays within
// the canvas's budget of rectangles (each of them costs the server at every stroke step), yet
// every stroke shows in its colour and the screen away from them stays live.
TEST_F(LaserPenX11Test, ManyStrokesKeepTheShapeWithinItsBudget)
{
    ASSERT_FALSE(CompositingManager::instance().isCompositing());
    manager().setDrawColor(QColor(Qt::red));
    manager().startDraw();
    VQDrawView* canvas = manager().drawView().value(0);
    ASSERT_TRUE(canvas && canvas->isShapedWindow());
    std::vector<QPoint> onStrokes;
    for (int stroke = 0; stroke < 160; ++stroke) {
        const auto at = [stroke](int step) {
            return QPoint(40 + step * 60 + stroke % 7, 280 + int(std::lround(190 * std::sin(step / 3.0 + stroke * 0.37))));
        };
        canvas->mouseDown(at(0));
        for (int step = 1; step < 30; ++step)
            canvas->mouseDragged(at(step));
        canvas->mouseUp();
        onStrokes.push_back(at(stroke % 30));
    }
    Display* display = qApp->nativeInterface<QNativeInterface::QX11Application>()->display();
    XSync(display, False);
    int count = 0;
    int ordering = 0;
    if (XRectangle* rectangles = XShapeGetRectangles(display, manager().fullWindow().value(0)->winId(), ShapeBounding, &count, &ordering))
        XFree(rectangles);
    EXPECT_GT(count, 0);
    EXPECT_LE(count, VQDrawShape::kRectangleBudget);
    const std::vector<QPoint> away{{200, 700}, {960, 900}, {1700, 1000}};
    ASSERT_TRUE(vqtest::waitUntil([&] { return user.pixel(onStrokes.back()) == QColor(Qt::red); }, 10000));
    for (const QPoint& p : onStrokes)
        EXPECT_EQ(user.pixel(p), QColor(Qt::red)) << p.x() << "," << p.y();
    below.setColour(kSecond);
    for (const QPoint& p : away)
        EXPECT_TRUE(vqtest::waitUntil([&] { return user.pixel(p) == kSecond; })) << p.x() << "," << p.y();
    EXPECT_TRUE(QGuiApplication::primaryScreen()->grabWindow(0).save(QStringLiteral(VQ_BUILD_DIR "/renders/laser_pen_shaped_many_strokes.png")));
    manager().endDraw();
}

// Under xcompmgr the loupe reads the window below it at every move: a change below shows in the
// loupe. The window's two colours meet at a column the loupe enlarges past, so the loupe's own
// pixels are told from the screen's.
TEST_F(LaserPenX11Test, LoupeUnderCompositorShowsTheLiveScreen)
{
    startCompositor();
    const QColor third(90, 200, 90);
    below.setColour(kFirst, kSecond, 960);
    ASSERT_TRUE(vqtest::waitUntil([&] { return user.pixel({1000, 500}) == kSecond; }));
    const QPoint centre(930, 500);
    const QPoint inLoupe(968, 560); // right of the column, left of its enlarged place
    user.move(centre);
    PKWColorSampler::zoomInPixelZoom(1.5, 300);
    int step = 0;
    const auto loupeShows = [&](const QColor& colour) {
        return vqtest::waitUntil(
            [&] {
                user.move(centre + QPoint(++step % 2, 0));
                return user.pixel(inLoupe) == colour;
            },
            10000);
    };
    EXPECT_TRUE(loupeShows(kFirst)) << user.pixel(inLoupe).name().toStdString();
    below.setColour(third, kSecond, 960);
    EXPECT_TRUE(loupeShows(third)) << user.pixel(inLoupe).name().toStdString();
    EXPECT_TRUE(QGuiApplication::primaryScreen()->grabWindow(0).save(QStringLiteral(VQ_BUILD_DIR "/renders/laser_pen_loupe_live.png")));
    PKWColorSampler::dismiss();
}
