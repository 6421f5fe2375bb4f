#include "TestSupport.h"
#include "VQPopupWindowTool.h"
#include "VQShortcutBinder.h"
#include "VQSnip.h"
#include "VQSnipFullWindow.h"
#include "VQTranslateManager.h"
#include "VQTranslateSetup.h"
#include "VQUserInfoData.h"
#include "XTestUser.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>

// The keysyms of XTestUser's keys.
#include <X11/keysym.h>

namespace {

// The colour of the pattern at a device pixel of its window: every pixel differs from its
// neighbours, so a crop off by one pixel or scaled does not match.
QRgb patternAt(int x, int y)
{
    return qRgb((x * 7) & 0xff, (y * 13) & 0xff, (x + y * 3) & 0xff);
}

// A frameless window that paints the pattern in device pixels, whatever its screen's ratio.
class PatternWindow : public QWidget {
public:
    explicit PatternWindow(const QRect& frame)
    {
        setWindowFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
        setGeometry(frame);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const qreal ratio = devicePixelRatioF();
        QImage image((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = patternAt(x, y);
        }
        image.setDevicePixelRatio(ratio);
        QPainter(this).drawImage(QPoint(0, 0), image);
    }
};

class SnipScreensTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The layout every case relies on: the private server's two monitors as Qt sees them.
        const QList<QScreen*> screens = QGuiApplication::screens();
        ASSERT_EQ(screens.size(), 2);
        ASSERT_EQ(screens[0]->name(), QStringLiteral("DUMMY0"));
        ASSERT_EQ(screens[0]->geometry(), QRect(0, 0, 1920, 1080));
        ASSERT_EQ(screens[0]->devicePixelRatio(), 1.0);
        ASSERT_EQ(screens[1]->name(), QStringLiteral("DUMMY1"));
        // 1280x1024 device pixels at ratio 2; the top-left corner stays in device pixels.
        ASSERT_EQ(screens[1]->geometry(), QRect(1920, 0, 640, 512));
        ASSERT_EQ(screens[1]->devicePixelRatio(), 2.0);
        ASSERT_TRUE(user.ok());

        VQUserInfoData::resetForTests();
        VQPopupWindowTool::resetForTests();
        VQTranslateManager::resetForTests();
        VQSnip::resetForTests();
        VQUserInfoData::sharedInstance().setScreenshotsTranslateSwitch(true);
        VQUserInfoData::sharedInstance().setIsConnect(true);
        VQTranslateSetup::bindScreenshotShortcut();
    }

    void TearDown() override
    {
        VQSnip::resetForTests();
        VQShortcutBinder::sharedBinder().resetForTests();
        VQTranslateManager::resetForTests();
        VQPopupWindowTool::resetForTests();
    }

    XTestUser user;
};

TEST_F(SnipScreensTest, AltSDimsBothMonitorsAndACropOnTheRatioTwoMonitorHasItsDevicePixels)
{
    // The pattern on DUMMY1, 100 logical pixels from its corner, so 200 device pixels.
    PatternWindow pattern(QRect(QPoint(1920 + 100, 100), QSize(200, 150)));
    pattern.show();
    const QPoint onDummy0(500, 500);
    const QPoint onDummy1(1920 + 200 + 30, 200 + 20); // device pixel (30, 20) of the pattern
    ASSERT_TRUE(vqtest::waitUntil([&] { return user.pixel(onDummy1).rgb() == patternAt(30, 20); }))
        << "the pattern never showed where expected";
    const QRgb before0 = user.pixel(onDummy0).rgb();
    // Black would stay black when dimmed: the empty desktop must have a colour for this probe.
    const QRgb grey = qRgb(128, 128, 128);
    QWidget backdrop;
    backdrop.setWindowFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    backdrop.setStyleSheet(QStringLiteral("background: #808080"));
    backdrop.setGeometry(QRect(onDummy0 - QPoint(50, 50), QSize(100, 100)));
    backdrop.show();
    ASSERT_TRUE(vqtest::waitUntil([&] { return user.pixel(onDummy0).rgb() == grey; })) << "was " << before0;

    user.chord(XK_Alt_L, XK_s);
    ASSERT_TRUE(vqtest::waitUntil([] { return VQSnip::sharedInstance().allFullWindow().size() == 2; })) << "no overlays after Alt+S";
    EXPECT_TRUE(vqtest::waitUntil([&] { return XTestUser::isUnderBlack(user.pixel(onDummy0), grey, VQSnipFullWindow::kDimAlpha); })) << "DUMMY0 is not dimmed";
    EXPECT_TRUE(vqtest::waitUntil([&] { return XTestUser::isUnderBlack(user.pixel(onDummy1), patternAt(30, 20), VQSnipFullWindow::kDimAlpha); })) << "DUMMY1 is not dimmed";
    const QList<VQSnipFullWindow*> overlays = VQSnip::sharedInstance().allFullWindow();
    EXPECT_EQ(overlays[0]->geometry(), QRect(0, 0, 1920, 1080));
    EXPECT_EQ(overlays[1]->geometry(), QRect(1920, 0, 640, 512));

    // A drag on DUMMY1 from logical (120, 120) to (220, 170) of the screen: device pixels
    // (240, 240) to (440, 340), which is device pixel (40, 40) of the pattern.
    const QPoint from(1920 + 240, 240);
    const QPoint to(1920 + 440, 340);
    user.move(from);
    vqtest::spin(30);
    user.button(true);
    for (int step = 1; step <= 8; ++step) {
        vqtest::spin(15);
        user.move(from + (to - from) * step / 8);
    }
    vqtest::spin(30);
    user.button(false);
    ASSERT_TRUE(vqtest::waitUntil([] { return !VQSnip::sharedInstance().isStart() && !VQSnip::sharedInstance().imageRect().isEmpty(); }))
        << "the drag did not end";
    EXPECT_EQ(VQSnip::sharedInstance().currentScreenIndex(), 1);
    EXPECT_EQ(VQSnip::sharedInstance().imageRect(), QRect(120, 120, 100, 50));

    const QImage crop = VQSnip::sharedInstance().savePictureWithPath();
    ASSERT_EQ(crop.size(), QSize(200, 100));
    int wrong = 0;
    for (int y = 0; y < crop.height(); ++y) {
        for (int x = 0; x < crop.width(); ++x)
            wrong += (crop.pixel(x, y) & 0xffffff) != (patternAt(40 + x, 40 + y) & 0xffffff);
    }
    EXPECT_EQ(wrong, 0) << "pixels of the crop that differ from the pattern";

    VQSnip::sharedInstance().dismissFullWindow();
}

} // namespace
