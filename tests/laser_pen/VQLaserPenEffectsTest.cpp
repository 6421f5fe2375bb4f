// The presenter effects on two offscreen screens (the second at device pixel ratio 2) with the
// platform fakes: the highlight's veil and hole with and without a compositor, the light spot,
// the black screen with its countdown, the pen's Escape, and one effect at a time under random
// pen signals. Renders go to <build>/renders/laser_*.png.
#include "FakeCompositingManager.h"
#include "FakeCursorHider.h"
#include "FakeGlobalShortcuts.h"
#include "FakeInputMonitor.h"
#include "FakeScreenGrabber.h"
#include "PKWColorSampler.h"
#include "TestSupport.h"
#include "VQCountDownWarningView.h"
#include "VQDrawView.h"
#include "VQLaserPenManager.h"
#include "VQLaserPenOverlay.h"
#include "VQLaserPenSetup.h"
#include "VQPopupWindowTool.h"
#include "VQShortcutBinder.h"
#include "VQTipWindow.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>

#include <cmath>
#include <functional>

namespace {

VQLaserPenManager& manager()
{
    return VQLaserPenManager::sharedInstance();
}

const KeyShortcut kEscape(53, 0);

QRect screenFrame(int index)
{
    return QGuiApplication::screens().at(index)->geometry();
}

// The window as painted, over nothing (clear), in device pixels.
QImage painted(QWidget& window)
{
    const qreal ratio = window.devicePixelRatioF();
    QImage image((QSizeF(window.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    window.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QColor pixelAt(const QImage& image, QPointF local)
{
    return image.pixelColor((local * image.devicePixelRatio()).toPoint());
}

bool near(int a, int b, int tolerance = 3)
{
    return std::abs(a - b) <= tolerance;
}

// What the user sees on the screen: the pattern below with the windows over it.
void saveRender(FakeScreenGrabber& grabber, int screenIndex, const QList<QWidget*>& windows, const QString& name)
{
    QScreen* screen = QGuiApplication::screens().at(screenIndex);
    const qreal ratio = screen->devicePixelRatio();
    QImage picture = grabber.grabScreen(screen).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    {
        QPainter painter(&picture);
        for (QWidget* window : windows)
            painter.drawImage(QPointF(window->geometry().topLeft() - screen->geometry().topLeft()), painted(*window));
    }
    const QString dir = QStringLiteral(VQ_BUILD_DIR "/renders");
    QDir().mkpath(dir);
    ASSERT_TRUE(picture.save(dir + QLatin1Char('/') + name));
}

class LaserPenEffectsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::screens().size(), 2);
        ASSERT_EQ(QGuiApplication::screens().at(1)->devicePixelRatio(), 2.0);
        VQPopupWindowTool::resetForTests();
        VQLaserPenManager::resetForTests();
    }

    void TearDown() override
    {
        VQLaserPenManager::resetForTests();
        VQPopupWindowTool::resetForTests();
    }

    QList<VQLaserPenOverlay*> overlays() const
    {
        QList<VQLaserPenOverlay*> list;
        for (const QPointer<VQLaserPenOverlay>& overlay : manager().fullWindow()) {
            if (overlay && overlay->isVisible())
                list.append(overlay.data());
        }
        return list;
    }

    // The effects on screen now: overlay sets, the spot, the loupe.
    int effectsShown() const
    {
        int count = overlays().isEmpty() ? 0 : 1;
        if (manager().digitalLightSpotView() && manager().digitalLightSpotView()->isVisible())
            ++count;
        if (PKWColorSampler::sharedInstance().screenPickerWindow())
            ++count;
        return count;
    }

    FakeGlobalShortcuts shortcuts;
    FakeInputMonitor input;
    FakeScreenGrabber grabber;
    FakeCompositingManager compositor;
    FakeCursorHider cursor;
};

} // namespace

// The veil is black at alpha 153 (0.6) around a clear 300-point circle at the pointer, on either
// screen; moves move the hole, drags do not. Without a compositor the overlay shows the screen
// as grabbed before it mapped, darkened by the same veil.
TEST_F(LaserPenEffectsTest, HighlightVeilsAroundAHoleAtThePointer)
{
    struct Row {
        bool composited;
        int screen;
        QPoint local; // on that screen
    };
    const Row rows[] = {
        {true, 0, {400, 300}},
        {true, 1, {500, 380}},
        {false, 0, {640, 400}},
        {false, 1, {300, 250}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "composited " << row.composited << " screen " << row.screen);
        compositor.compositing = row.composited;
        const int grabsBefore = grabber.grabs;
        manager().highlighted();
        ASSERT_EQ(overlays().size(), 2);
        EXPECT_EQ(grabber.grabs - grabsBefore, row.composited ? 0 : 2);
        EXPECT_TRUE(cursor.isHidden());
        const QPoint global = screenFrame(row.screen).topLeft() + row.local;
        input.send(MMEventType::MouseMoved, global);
        // A drag elsewhere leaves the hole where it is.
        input.send(MMEventType::LeftMouseDragged, global + QPoint(120, 40));

        for (VQLaserPenOverlay* overlay : overlays()) {
            const int index = int(QGuiApplication::screens().indexOf(overlay->overlayScreen()));
            EXPECT_EQ(overlay->geometry(), screenFrame(index));
            EXPECT_TRUE(overlay->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
            EXPECT_TRUE(overlay->windowFlags().testFlag(Qt::X11BypassWindowManagerHint));
            const QImage image = painted(*overlay);
            const qreal ratio = image.devicePixelRatio();
            const QPointF inside = index == row.screen ? QPointF(row.local) + QPointF(100, 60) : QPointF(50, 50);
            const QPointF outside = index == row.screen ? QPointF(row.local) + QPointF(0, 170) : QPointF(60, 90);
            if (index == row.screen) {
                EXPECT_EQ(overlay->holeCentre(), QPointF(row.local));
                const QColor clear = pixelAt(image, inside);
                if (row.composited) {
                    EXPECT_EQ(clear.alpha(), 0);
                } else {
                    const QPoint device = (inside * ratio).toPoint();
                    EXPECT_EQ(clear.rgb(), FakeScreenGrabber::patternAt(index, device.x(), device.y()));
                }
            }
            const QColor veiled = pixelAt(image, outside);
            if (row.composited) {
                EXPECT_TRUE(near(veiled.alpha(), 153)) << veiled.alpha();
                EXPECT_EQ(qRed(veiled.rgb()) + qGreen(veiled.rgb()) + qBlue(veiled.rgb()), 0);
            } else {
                const QPoint device = (outside * ratio).toPoint();
                const QRgb below = FakeScreenGrabber::patternAt(index, device.x(), device.y());
                EXPECT_EQ(veiled.alpha(), 255);
                EXPECT_TRUE(near(veiled.red(), qRed(below) * 102 / 255)) << veiled.red() << " " << qRed(below);
                EXPECT_TRUE(near(veiled.blue(), qBlue(below) * 102 / 255)) << veiled.blue() << " " << qBlue(below);
            }
        }
        if (row.screen == 0) {
            QList<QWidget*> windows;
            for (VQLaserPenOverlay* overlay : overlays()) {
                if (overlay->overlayScreen() == QGuiApplication::screens().at(0))
                    windows.append(overlay);
            }
            saveRender(grabber, 0, windows, row.composited ? QStringLiteral("laser_highlight_composited.png")
                                                  : QStringLiteral("laser_highlight_frozen.png"));
        }
        manager().hideHighlighted();
        EXPECT_TRUE(overlays().isEmpty());
        EXPECT_FALSE(cursor.isHidden());
        EXPECT_EQ(input.monitorCount(), 0);
    }
}

// A 20-point round red window centred on the pointer, following moves on either screen.
TEST_F(LaserPenEffectsTest, LightSpotFollowsThePointer)
{
    const QPoint points[] = {screenFrame(0).topLeft() + QPoint(200, 150), screenFrame(1).topLeft() + QPoint(700, 500),
                             screenFrame(0).topLeft() + QPoint(1270, 790)};
    manager().showDigitalLightSpot();
    VQLaserPenSpotWindow* spot = manager().digitalLightSpotView();
    ASSERT_NE(spot, nullptr);
    EXPECT_TRUE(cursor.isHidden());
    EXPECT_EQ(spot->size(), QSize(20, 20));
    EXPECT_FALSE(spot->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(spot->mask().contains(QPoint(10, 10)));
    for (const QPoint& point : points) {
        input.send(MMEventType::MouseMoved, point);
        EXPECT_EQ(spot->geometry().center() + QPoint(1, 1), point);
        input.send(MMEventType::LeftMouseDragged, point + QPoint(-80, 30));
        EXPECT_EQ(spot->geometry().center() + QPoint(1, 1), point);
        const QColor centre = pixelAt(painted(*spot), QPointF(10, 10));
        EXPECT_EQ(centre.rgb(), QColor(Qt::red).rgb());
    }
    input.send(MMEventType::MouseMoved, screenFrame(0).topLeft() + QPoint(300, 300));
    saveRender(grabber, 0, {spot}, QStringLiteral("laser_spot.png"));
    manager().hideHighlighted();
    EXPECT_EQ(manager().digitalLightSpotView(), nullptr);
    EXPECT_FALSE(cursor.isHidden());
}

// The black screen covers both screens with the countdown, whole in its box; its end takes it
// down and shows the pointer.
TEST_F(LaserPenEffectsTest, BlackScreenShowsTheCountdown)
{
    manager().setWarningTimeIndex(0);
    manager().setLaserPenCountdownSwitch(true);
    manager().enterBlackScreen();
    ASSERT_EQ(overlays().size(), 2);
    ASSERT_EQ(manager().countDownWarningView().size(), 2);
    EXPECT_TRUE(cursor.isHidden());
    EXPECT_TRUE(manager().isWarningTimerActive());
    for (const QPointer<VQCountDownWarningView>& view : manager().countDownWarningView())
        EXPECT_EQ(view->timeLabel()->text(), QStringLiteral("15分"));
    manager().countDownTime();
    for (const QPointer<VQCountDownWarningView>& view : manager().countDownWarningView()) {
        QLabel* label = view->timeLabel();
        EXPECT_EQ(label->text(), QStringLiteral("14分59秒"));
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
        EXPECT_TRUE(view->rect().contains(label->geometry()));
        const QImage image = painted(*overlays().first());
        EXPECT_EQ(image.pixelColor(5, 5).rgb(), QColor(Qt::black).rgb());
    }
    saveRender(grabber, 0, {overlays().first()}, QStringLiteral("laser_black_screen.png"));
    manager().quitBlackScreen();
    EXPECT_TRUE(overlays().isEmpty());
    EXPECT_FALSE(cursor.isHidden());
    EXPECT_FALSE(manager().isWarningTimerActive());
}

// Escape is the pen's own registration, made once per drawing session: it ends drawing, the
// next session starts on an empty canvas, and another registration of Escape still fires.
TEST_F(LaserPenEffectsTest, EscapeEndsDrawingAndLeavesOtherRegistrations)
{
    int otherPresses = 0;
    shortcuts.registerShortcut(kEscape, [&] { ++otherPresses; });
    manager().startDraw();
    ASSERT_TRUE(manager().isDrawing());
    EXPECT_FALSE(cursor.isHidden());
    EXPECT_EQ(shortcuts.registered().count(kEscape), 2);
    const int calls = shortcuts.registerCalls;
    manager().startDraw();
    EXPECT_EQ(shortcuts.registerCalls, calls);
    ASSERT_EQ(manager().drawView().size(), 2);
    VQDrawView* canvas = manager().drawView().first();
    canvas->mouseDown(screenFrame(0).topLeft() + QPoint(100, 100));
    canvas->mouseDragged(screenFrame(0).topLeft() + QPoint(300, 200));
    canvas->mouseUp();
    EXPECT_EQ(canvas->drawPathArray().size(), 1);

    EXPECT_TRUE(shortcuts.press(kEscape));
    EXPECT_FALSE(manager().isDrawing());
    EXPECT_FALSE(manager().isEscRegistered());
    EXPECT_TRUE(overlays().isEmpty());
    EXPECT_EQ(otherPresses, 1);
    EXPECT_TRUE(shortcuts.press(kEscape));
    EXPECT_EQ(otherPresses, 2);
    EXPECT_EQ(shortcuts.registered().count(kEscape), 1);

    manager().startDraw();
    ASSERT_EQ(manager().drawView().size(), 2);
    for (const QPointer<VQDrawView>& view : manager().drawView())
        EXPECT_TRUE(view->drawPathArray().isEmpty());
    manager().endDraw();
    EXPECT_EQ(shortcuts.registered().count(kEscape), 1);
}

// Every effect that takes the mouse, shown from the pen's keys, is ended by the loss of the pen's
// link (removal, a close without removal) and by Escape, grabbed or (when another program holds
// it) taken by the focused effect window after a tip: nothing is left on screen, the pointer
// shows, Escape is released and no input monitor stays.
TEST_F(LaserPenEffectsTest, EveryEffectEndsWithTheLinkAndByEscape)
{
    using Signal = VQDeviceEvents::LaserPenSignal;
    const std::function<void()> shows[] = {
        [] { manager().setLaserPenStatus(1); manager().showLaserPenEffect(); },
        [] { manager().setLaserPenStatus(2); manager().showLaserPenEffect(); },
        [] { manager().setLaserPenStatus(3); manager().showLaserPenEffect(); },
        [] { manager().setLaserPenStatus(4); manager().showLaserPenEffect(); }, // a stroke open
        [] { manager().setLaserPenStatus(4); manager().showLaserPenEffect(); manager().dismissEffect(); },
        [] { manager().enterBlackScreen(); },
    };
    enum class End { Removed, Closed, Escape, EscapeByFocus };
    for (const End end : {End::Removed, End::Closed, End::Escape, End::EscapeByFocus}) {
        for (size_t effect = 0; effect < std::size(shows); ++effect) {
            SCOPED_TRACE(testing::Message() << "end " << int(end) << " effect " << effect);
            VQPopupWindowTool::resetForTests();
            shortcuts.inUse = end == End::EscapeByFocus ? QList<KeyShortcut>{kEscape} : QList<KeyShortcut>{};
            shows[effect]();
            ASSERT_TRUE(manager().takesTheMouse());
            EXPECT_EQ(manager().isEscRegistered(), end != End::EscapeByFocus);
            QList<QWidget*> windows;
            for (VQLaserPenOverlay* overlay : overlays())
                windows.append(overlay);
            windows << manager().digitalLightSpotView() << PKWColorSampler::sharedInstance().screenPickerWindow();
            windows.removeAll(nullptr);
            ASSERT_FALSE(windows.isEmpty());
            for (QWidget* window : windows)
                EXPECT_EQ(window->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus), end != End::EscapeByFocus);
            switch (end) {
            case End::Removed:
            case End::Closed:
                VQLaserPenSetup::dispatch(Signal{.kind = end == End::Removed ? Signal::Kind::ReceiverRemoved : Signal::Kind::LinkLost});
                break;
            case End::Escape:
                EXPECT_TRUE(shortcuts.press(kEscape));
                break;
            case End::EscapeByFocus: {
                // Told at the first refusal, not at every press.
                if (effect == 0)
                    EXPECT_EQ(VQPopupWindowTool::sharedInstance().tipWindow()->text(), QStringLiteral("Esc 键已被其他程序占用，请点击效果后按 Esc 退出"));
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QCoreApplication::sendEvent(windows.first(), &press);
                break;
            }
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_FALSE(manager().takesTheMouse());
            EXPECT_EQ(effectsShown(), 0);
            EXPECT_FALSE(manager().isDrawing());
            EXPECT_FALSE(cursor.isHidden());
            EXPECT_FALSE(manager().isEscRegistered());
            EXPECT_TRUE(shortcuts.registered().isEmpty());
            EXPECT_EQ(input.monitorCount(), 0);
            EXPECT_FALSE(manager().isFollowUpPending());
        }
    }
}

// Random pen signals 0-60 ms apart (the follow-up fired when 40 ms pass): after each, at most
// one effect shows, the pointer is hidden only under an effect that hides it, and Escape is
// registered exactly while the pen overlay is up.
TEST_F(LaserPenEffectsTest, RandomSignalsShowOneEffectAtATime)
{
    using Signal = VQDeviceEvents::LaserPenSignal;
    using PenKey = VQDeviceProtocol::PenKey;
    const PenKey keys[] = {PenKey::EffectPressed, PenKey::EffectReleased, PenKey::EffectToggle, PenKey::EffectOff,
                           PenKey::ClearKey, PenKey::ModeKey};
    // The same pictures as the fixture's grabber, painted once: thousands of shows grab.
    struct CachedGrabber : FakeScreenGrabber {
        QPixmap grabScreen(QScreen* screen) override
        {
            if (!pictures.contains(screen))
                pictures.insert(screen, FakeScreenGrabber::grabScreen(screen));
            return pictures.value(screen);
        }
        QHash<QScreen*, QPixmap> pictures;
    } cachedGrabber;
    QRandomGenerator random(20261207);
    for (int i = 0; i < 10000; ++i) {
        SCOPED_TRACE(i);
        const quint32 pick = random.bounded(12);
        if (pick < 6) {
            Signal signal;
            signal.key = keys[pick];
            VQLaserPenSetup::dispatch(signal);
        } else if (pick < 8) {
            // The mode key needs the pen's receiver; the mode is set as the cycle would.
            manager().setLaserPenStatus(int(random.bounded(5)));
        } else if (pick == 8) {
            shortcuts.press(kEscape);
        } else if (pick == 9) {
            input.send(MMEventType::MouseMoved, QPoint(int(random.bounded(2304)), int(random.bounded(800))));
        } else if (pick == 10) {
            compositor.compositing = !compositor.compositing;
        } else {
            random.bounded(2) ? manager().enterBlackScreen() : manager().quitBlackScreen();
        }
        if (random.bounded(61) >= VQLaserPenManager::kFollowUpDelayMs)
            manager().fireFollowUpForTests();
        ASSERT_LE(effectsShown(), 1);
        ASSERT_EQ(manager().isEscRegistered(), manager().takesTheMouse());
        if (cursor.isHidden()) {
            ASSERT_EQ(effectsShown(), 1);
        }
        if (i % 64 == 0)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
