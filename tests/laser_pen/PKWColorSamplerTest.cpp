// The magnifier's loupe on two offscreen screens (the second at device pixel ratio 2), the
// screens painted with a known pattern: the square it shows, where it sits, how it follows the
// pointer, and that it is one loupe that never sees itself.
#include "FakeCompositingManager.h"
#include "FakeCursorHider.h"
#include "FakeInputMonitor.h"
#include "FakeScreenGrabber.h"
#include "PKWColorSampler.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>

#include <cmath>

namespace {

// A grabber that also notes whether a loupe was on the screen at any grab.
class WatchingGrabber : public FakeScreenGrabber {
public:
    QPixmap grabScreen(QScreen* screen) override
    {
        sawLoupe = sawLoupe || visibleLoupes() > 0;
        return FakeScreenGrabber::grabScreen(screen);
    }

    static int visibleLoupes()
    {
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            count += widget->isVisible() && widget->windowTitle() == QStringLiteral("magnifier");
        return count;
    }

    bool sawLoupe = false;
};

constexpr double kZoom = 1.5;
constexpr int kWidth = 300;

// Checks that the loupe centred on the global position shows the 200-pt square around it from
// the screen's pattern, each source pixel a sharp 1.5 x 1.5 block, with the centre marker.
void expectLoupeShows(QWidget* loupe, QPoint centre, const std::function<QRgb(int, int, int)>& pattern = FakeScreenGrabber::patternAt)
{
    const int screenIndex = int(QGuiApplication::screens().indexOf(QGuiApplication::screenAt(centre)));
    ASSERT_GE(screenIndex, 0);
    QScreen* screen = QGuiApplication::screens().at(screenIndex);
    EXPECT_EQ(loupe->geometry(), QRect(centre - QPoint(kWidth / 2, kWidth / 2), QSize(kWidth, kWidth)));

    const QImage picture = loupe->grab().toImage();
    const qreal ratio = screen->devicePixelRatio();
    ASSERT_EQ(picture.width(), qRound(kWidth * ratio));
    const int side = int(kWidth / kZoom);
    const QPoint sourceOrigin = ((centre - QPoint(side / 2, side / 2) - screen->geometry().topLeft()) * ratio);
    const QPointF middle(picture.width() / 2.0, picture.height() / 2.0);
    int checked = 0;
    for (int ky = 0; ky < side * ratio; ky += 7) {
        for (int kx = 0; kx < side * ratio; kx += 7) {
            const QPoint out(int(std::ceil(kx * kZoom)), int(std::ceil(ky * kZoom)));
            const QPointF fromMiddle = QPointF(out) - middle;
            if (std::hypot(fromMiddle.x(), fromMiddle.y()) > picture.width() / 2.0 - 4 * ratio)
                continue;
            if (std::abs(fromMiddle.x()) < 6 * ratio && std::abs(fromMiddle.y()) < 6 * ratio)
                continue;
            const QPoint source = sourceOrigin + QPoint(kx, ky);
            const QRgb wanted = pattern(screenIndex, source.x(), source.y());
            // Exactly the source pixel: the pattern changes from pixel to pixel, so any smoothing
            // would mix neighbours.
            ASSERT_EQ(picture.pixel(out), wanted) << "block " << kx << "," << ky;
            ++checked;
        }
    }
    EXPECT_GT(checked, 500);

    // The marker: a dark 5 x 5 square inside a light 7 x 7 frame, at the centre (the points of
    // the rows 146 and 147 and the columns 146 and 147 of the 300-pt loupe).
    const auto at = [&](int x, int y) { return picture.pixelColor(QPoint(int(x * ratio), int(y * ratio))); };
    for (int along = 148; along <= 151; ++along) {
        EXPECT_EQ(at(along, 147), QColor(Qt::black)) << along;
        EXPECT_EQ(at(147, along), QColor(Qt::black)) << along;
        EXPECT_EQ(at(along, 146), QColor(Qt::white)) << along;
        EXPECT_EQ(at(146, along), QColor(Qt::white)) << along;
    }
    // Outside the circle nothing is painted (without a compositor the window's mask cuts it).
    if (loupe->testAttribute(Qt::WA_TranslucentBackground))
        EXPECT_EQ(qAlpha(picture.pixel(1, 1)), 0);
}

TEST(PKWColorSamplerTest, TheLoupeShowsTheSquareAroundThePointerEnlargedAndFollowsIt)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    FakeInputMonitor monitor;
    FakeCursorHider cursor;
    FakeCompositingManager compositing(true);
    WatchingGrabber grabber;

    // Left screen 1280x800 at 0,0; right screen 1024x768 at 1280,0 (ratio 2).
    QCursor::setPos(QPoint(400, 300));
    PKWColorSampler::zoomInPixelZoom(kZoom, kWidth);
    QWidget* loupe = PKWColorSampler::sharedInstance().screenPickerWindow();
    ASSERT_NE(loupe, nullptr);
    ASSERT_TRUE(vqtest::waitUntil([&] { return loupe->isVisible(); }));
    EXPECT_TRUE(cursor.isHidden());
    expectLoupeShows(loupe, QPoint(400, 300));

    const QString dir = QStringLiteral(VQ_BUILD_DIR "/renders");
    QDir().mkpath(dir);
    loupe->grab().save(dir + QStringLiteral("/laser_pen_loupe.png"));

    const struct {
        QPoint pointer;
        QPoint shown; // where the loupe stays centred
    } moves[] = {
        {{700, 450}, {700, 450}},
        {{1800, 400}, {1800, 400}}, // the other screen, at ratio 2
        {{1500, 790}, {1800, 400}}, // below the right screen: no screen, place and picture kept
        {{3000, 100}, {1800, 400}},
        {{1300, 20}, {1300, 20}},   // the square leaves the screen's corner
    };
    for (const auto& move : moves) {
        SCOPED_TRACE(QStringLiteral("pointer %1,%2").arg(move.pointer.x()).arg(move.pointer.y()).toStdString());
        const QImage previous = loupe->grab().toImage();
        monitor.send(MMEventType::MouseMoved, move.pointer);
        // Motion faster than a frame lands on the next frame.
        EXPECT_TRUE(vqtest::waitUntil([&] { return loupe->geometry().topLeft() == move.shown - QPoint(kWidth / 2, kWidth / 2); }));
        if (move.pointer != move.shown)
            EXPECT_EQ(loupe->grab().toImage(), previous);
        else if (QGuiApplication::screenAt(move.shown)->geometry().contains(QRect(move.shown - QPoint(100, 100), QSize(200, 200))))
            expectLoupeShows(loupe, move.shown);
    }
    loupe->grab().save(dir + QStringLiteral("/laser_pen_loupe_corner.png"));

    // A second show replaces the loupe, and no grab ever saw one.
    PKWColorSampler::zoomInPixelZoom(kZoom, kWidth);
    QWidget* second = PKWColorSampler::sharedInstance().screenPickerWindow();
    ASSERT_TRUE(vqtest::waitUntil([&] { return second && second->isVisible(); }));
    EXPECT_EQ(WatchingGrabber::visibleLoupes(), 1);
    EXPECT_FALSE(grabber.sawLoupe);
    EXPECT_EQ(monitor.monitorCount(), 1);

    PKWColorSampler::dismiss();
    EXPECT_EQ(PKWColorSampler::sharedInstance().screenPickerWindow(), nullptr);
    EXPECT_EQ(WatchingGrabber::visibleLoupes(), 0);
    EXPECT_EQ(monitor.monitorCount(), 0);
    EXPECT_FALSE(cursor.isHidden());
}

// After each capture the delegate gets the square around the pointer, in device pixels, and the
// colour of its centre pixel: the screen's pixel under the pointer.
TEST(PKWColorSamplerTest, TheDelegateGetsEachCaptureAndItsCentreColour)
{
    struct Capture : PKWColorSamplerDelegate {
        void colorSamplerDidCapture(QWidget* w, const QImage& i, const QColor& c, QPoint at) override
        {
            window = w;
            size = i.size();
            color = c;
            pointer = at;
            ++count;
        }
        QWidget* window = nullptr;
        QSize size;
        QColor color;
        QPoint pointer;
        int count = 0;
    } capture;
    FakeInputMonitor monitor;
    FakeCursorHider cursor;
    FakeCompositingManager compositing(true);
    FakeScreenGrabber grabber;
    PKWColorSampler::sharedInstance().setDelegateForTests(&capture);
    QCursor::setPos(QPoint(400, 300));
    PKWColorSampler::zoomInPixelZoom(kZoom, kWidth);
    QWidget* loupe = PKWColorSampler::sharedInstance().screenPickerWindow();
    for (const QPoint pointer : {QPoint(400, 300), QPoint(701, 433), QPoint(1811, 402)}) {
        SCOPED_TRACE(pointer.x());
        monitor.send(MMEventType::MouseMoved, pointer);
        ASSERT_TRUE(vqtest::waitUntil([&] { return capture.pointer == pointer; }));
        QScreen* screen = QGuiApplication::screenAt(pointer);
        const qreal ratio = screen->devicePixelRatio();
        const QPoint pixel = (pointer - screen->geometry().topLeft()) * ratio;
        EXPECT_EQ(capture.window, loupe);
        EXPECT_EQ(capture.size, QSize(200, 200) * ratio);
        EXPECT_EQ(capture.color.rgb(),
                  FakeScreenGrabber::patternAt(int(QGuiApplication::screens().indexOf(screen)), pixel.x(), pixel.y()));
    }
    PKWColorSampler::dismiss();
    PKWColorSampler::sharedInstance().setDelegateForTests(nullptr);
}

// Under a compositing manager the loupe shows what the windows below it show at each move, read
// without itself; where no window lies, the snapshot of the show. Without one it reads nothing.
TEST(PKWColorSamplerTest, UnderACompositorTheLoupeShowsTheWindowsBelowAtEachMove)
{
    for (const bool composited : {true, false}) {
        SCOPED_TRACE(composited ? "composited" : "no compositor");
        FakeInputMonitor monitor;
        FakeCursorHider cursor;
        FakeCompositingManager compositing(composited);
        FakeScreenGrabber grabber;
        // No window above the row 250 of the left screen; below it, a picture unlike the snapshot.
        grabber.liveAt = [](int screen, int x, int y) { return y < 250 ? 0u : FakeScreenGrabber::patternAt(screen + 2, x, y); };
        QCursor::setPos(QPoint(400, 300));
        PKWColorSampler::zoomInPixelZoom(kZoom, kWidth);
        QWidget* loupe = PKWColorSampler::sharedInstance().screenPickerWindow();
        ASSERT_TRUE(vqtest::waitUntil([&] { return loupe && loupe->isVisible(); }));
        for (const QPoint centre : {QPoint(500, 320), QPoint(1800, 400)}) {
            monitor.send(MMEventType::MouseMoved, centre);
            ASSERT_TRUE(vqtest::waitUntil([&] { return loupe->pos() == centre - QPoint(kWidth / 2, kWidth / 2); }));
            expectLoupeShows(loupe, centre, [composited](int screen, int x, int y) {
                return composited && y >= 250 ? FakeScreenGrabber::patternAt(screen + 2, x, y) : FakeScreenGrabber::patternAt(screen, x, y);
            });
        }
        EXPECT_EQ(grabber.belowGrabs > 0, composited);
        if (composited)
            EXPECT_EQ(grabber.lastBelowWindow, loupe);
        PKWColorSampler::dismiss();
    }
}

} // namespace
