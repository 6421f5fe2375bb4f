// The laser-pen settings page as the user meets it: what it shows from an empty store, its
// switches against the pen's mode keys (simulated 248a:62ab receiver), the preview checked pixel
// by pixel on the grabbed picture, the colour dialog, the custom minutes, the voice key's
// function and a change of UI language. The page and its previews are rendered to
// renders/laser_settings_*.png.

#include "DeviceTestFixture.h"
#include "FakeCompositingManager.h"
#include "FakeCursorHider.h"
#include "FakeGlobalShortcuts.h"
#include "FakeInputMonitor.h"
#include "FakeScreenGrabber.h"
#include "LaserPenSettingViewController.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQLanguageManager.h"
#include "VQLaserPenManager.h"
#include "VQLaserPenSetup.h"
#include "VQPopupWindowTool.h"
#include "VQTextField.h"
#include "VQTipWindow.h"

#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSlider>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

using Page = LaserPenSettingViewController;

VQLaserPenManager& manager()
{
    return VQLaserPenManager::sharedInstance();
}

QString localized(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

QString image(const VQButton* button)
{
    return Page::imageName(button);
}

// Brightness of a colour, for comparing a darkened pixel with the bare picture.
double luminance(QColor c)
{
    return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue();
}

class LaserPenPageTest : public DeviceTest {
protected:
    LaserPenPageTest()
        : DeviceTest(SimulatedReceiver::laserPenReceiver())
    {
        receiver.device().values.deviceType = 2;
    }

    void SetUp() override
    {
        DeviceTest::SetUp();
        VQPopupWindowTool::resetForTests();
        VQLanguageManager::resetForTests();
        VQLaserPenManager::resetForTests();
        VQLaserPenSetup::install();
    }

    void TearDown() override
    {
        page.reset();
        VQLaserPenManager::resetForTests();
        VQPopupWindowTool::resetForTests();
        DeviceTest::TearDown();
        // Back to the language of an empty store for the tests that follow.
        VQLanguageManager::resetForTests();
        VQLanguageManager::sharedInstance().shouldRefreshData();
    }

    // The page as the main window shows it: 760 by 660, on screen.
    Page& openPage()
    {
        page = std::make_unique<Page>();
        QWidget* view = page->view();
        view->resize(760, 660);
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view));
        return *page;
    }

    // The preview picture as drawn now.
    QImage preview() const
    {
        QImage image = page->previewView()->grab().toImage();
        return image;
    }
    static QColor at(const QImage& image, double x, double y)
    {
        const double ratio = image.devicePixelRatio();
        return image.pixelColor(int(std::floor(x * ratio)), int(std::floor(y * ratio)));
    }

    // The bare picture, with no effect previewed.
    QImage barePicture()
    {
        const int stored = manager().previewIndex();
        manager().setPreviewIndex(-1);
        page->showPreview();
        QImage bare = preview();
        manager().setPreviewIndex(stored);
        page->showPreview();
        return bare;
    }

    // How much of the bare picture's brightness is left at the point (1 = untouched).
    static double shade(const QImage& shown, const QImage& bare, double x, double y)
    {
        return luminance(at(shown, x, y)) / std::max(1.0, luminance(at(bare, x, y)));
    }

    void moveSliderTo(QSlider* slider, int step)
    {
        slider->setSliderDown(true);
        slider->setSliderPosition(step);
        slider->setSliderDown(false);
    }

    void render(const QString& name)
    {
        ASSERT_TRUE(QDir().mkpath(QStringLiteral(VQ_BUILD_DIR "/renders")));
        EXPECT_TRUE(page->view()->grab().save(QStringLiteral(VQ_BUILD_DIR "/renders/laser_settings_%1.png").arg(name)));
    }

    FakeGlobalShortcuts shortcuts;
    FakeInputMonitor input;
    FakeScreenGrabber grabber;
    FakeCompositingManager compositor;
    FakeCursorHider cursor;
    std::unique_ptr<Page> page;
};

} // namespace

// From an empty store: every effect switch on, no effect radio, the bare picture without bar,
// the countdown off with 15 minutes and an empty field, the microphone chosen.
TEST_F(LaserPenPageTest, EmptyStoreShowsTheDefaults)
{
    Page& p = openPage();
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(image(p.functionSwitchArr()[i]), QLatin1String(Page::kSwitchOnImage));
        EXPECT_EQ(image(p.functionBtnArr()[i]), QLatin1String(Page::kRadioOffImage));
        EXPECT_TRUE(p.functionBtnArr()[i]->isEnabled());
        EXPECT_EQ(image(p.voicefunctionBtnArr()[i]), QLatin1String(i == 0 ? Page::kRadioOnImage : Page::kRadioOffImage));
        EXPECT_EQ(image(p.countDownBtnArr()[i]), QLatin1String(i == 0 ? Page::kRadioOnImage : Page::kRadioOffImage));
    }
    EXPECT_TRUE(p.previewBottomView()->isHidden());
    EXPECT_EQ(image(p.countDownSwitchBtn()), QLatin1String(Page::kSwitchOffImage));
    EXPECT_EQ(p.otherCountDownTextField()->text(), QString());
    EXPECT_EQ(p.countDownBtnArr()[0]->title(), localized("15分钟"));
    // Showing the page stored nothing new for the effects.
    EXPECT_FALSE(UserDefaults::standard().hasValueForKey(QString::fromLatin1(VQLaserPenManager::kPreviewIndexKey)));
}

// The effect switches decide the pen's mode cycle; a switched-off effect's radio is disabled with
// its image kept, and moving a slider of that previewed effect enables it again.
TEST_F(LaserPenPageTest, SwitchesDecideThePensModeCycle)
{
    plugAndSettle();
    ASSERT_TRUE(vqtest::waitUntil([] { return VQLaserPenManager::isLaserPenReceiverOpen(); }));
    settle();
    Page& p = openPage();
    VQButton* zoomSwitch = p.functionSwitchArr()[2];
    VQButton* zoomRadio = p.functionBtnArr()[2];
    QTest::mouseClick(zoomRadio, Qt::LeftButton);
    ASSERT_EQ(image(zoomRadio), QLatin1String(Page::kRadioOnImage));

    QTest::mouseClick(zoomSwitch, Qt::LeftButton);
    EXPECT_EQ(image(zoomSwitch), QLatin1String(Page::kSwitchOffImage));
    EXPECT_TRUE(UserDefaults::standard().hasValueForKey(QString::fromLatin1(VQLaserPenManager::kZoomInSwitchKey)));
    EXPECT_FALSE(UserDefaults::standard().boolForKey(QString::fromLatin1(VQLaserPenManager::kZoomInSwitchKey)));
    EXPECT_FALSE(zoomRadio->isEnabled());
    EXPECT_EQ(image(zoomRadio), QLatin1String(Page::kRadioOnImage));

    struct Step {
        bool zoomOn;
        std::vector<int> modes; // after each mode key
    };
    const Step steps[] = {{false, {2, 4, 0, 1}}, {true, {2, 3}}};
    EXPECT_EQ(manager().laserPenStatus(), 1);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.zoomOn);
        if (step.zoomOn) {
            QTest::mouseClick(zoomSwitch, Qt::LeftButton);
            EXPECT_TRUE(zoomRadio->isEnabled());
        }
        for (int mode : step.modes) {
            receiver.sendKey(64);
            ASSERT_TRUE(vqtest::waitUntil([mode] { return manager().laserPenStatus() == mode; }));
        }
    }

    // Off again while previewed: a slider move brings its radio back.
    QTest::mouseClick(zoomSwitch, Qt::LeftButton);
    ASSERT_FALSE(zoomRadio->isEnabled());
    moveSliderTo(p.zoomSlider(), 100);
    EXPECT_TRUE(zoomRadio->isEnabled());
    EXPECT_FLOAT_EQ(float(manager().zoomInCircleW()), 240.f);
}

// The preview drawn from the stored values, checked on the grabbed picture against the bare one.
TEST_F(LaserPenPageTest, PreviewDrawsEachEffect)
{
    Page& p = openPage();
    const QImage bare = barePicture();
    const double cx = 170, cy = 100;

    // Highlight: the picture at 40 % around a clear 100-pt hole.
    QTest::mouseClick(p.functionBtnArr()[0], Qt::LeftButton);
    ASSERT_EQ(manager().previewIndex(), 1);
    QImage shown = preview();
    EXPECT_NEAR(shade(shown, bare, cx, cy), 1.0, 0.05);
    EXPECT_NEAR(shade(shown, bare, cx + 46, cy), 1.0, 0.05);
    EXPECT_NEAR(shade(shown, bare, cx + 54, cy), 0.4, 0.05);
    EXPECT_NEAR(shade(shown, bare, 10, 10), 0.4, 0.05);
    EXPECT_FALSE(p.previewBottomView()->isHidden());
    EXPECT_EQ(p.previewBottomView()->height(), 60);
    EXPECT_TRUE(p.colorView()->isHidden());
    render(QStringLiteral("page_zh"));

    // The size slider at its end: 600 stored, a 200-pt hole.
    moveSliderTo(p.zoomSlider(), Page::kSliderSteps);
    EXPECT_FLOAT_EQ(float(manager().highlightedCircleW()), 600.f);
    shown = preview();
    EXPECT_NEAR(shade(shown, bare, cx + 96, cy - 20), 1.0, 0.05);
    EXPECT_NEAR(shade(shown, bare, cx + 104, cy - 20), 0.4, 0.05);

    // Transparency: stored and drawn at once.
    moveSliderTo(p.brightnessSlider(), 200);
    EXPECT_NEAR(manager().highlightedMaskAlpha(), 0.2, 1e-6);
    EXPECT_NEAR(UserDefaults::standard().doubleForKey(QString::fromLatin1(VQLaserPenManager::kHighlightedMaskAlphaKey)), 0.2, 1e-6);
    EXPECT_NEAR(shade(preview(), bare, 10, 10), 0.8, 0.05);

    // Light spot: a red dot of about 6.7 pt.
    QTest::mouseClick(p.functionBtnArr()[1], Qt::LeftButton);
    shown = preview();
    EXPECT_EQ(at(shown, cx, cy), QColor(Qt::red));
    EXPECT_EQ(at(shown, cx + 2.5, cy), QColor(Qt::red));
    EXPECT_EQ(at(shown, cx + 4.5, cy), at(bare, cx + 4.5, cy));
    EXPECT_TRUE(p.brightnessView()->isHidden());
    render(QStringLiteral("light_spot"));

    // Pen: a red 100 x 10 bar with round ends.
    QTest::mouseClick(p.functionBtnArr()[3], Qt::LeftButton);
    shown = preview();
    EXPECT_EQ(at(shown, cx - 48, cy), QColor(Qt::red));
    EXPECT_EQ(at(shown, cx + 48, cy), QColor(Qt::red));
    EXPECT_EQ(at(shown, cx, cy - 4), QColor(Qt::red));
    EXPECT_EQ(at(shown, cx, cy + 6.5), at(bare, cx, cy + 6.5));
    EXPECT_EQ(at(shown, cx + 51.5, cy), at(bare, cx + 51.5, cy));
    // The corner of the bar's rectangle lies outside its round end.
    EXPECT_EQ(at(shown, cx + 49.5, cy - 4.5), at(bare, cx + 49.5, cy - 4.5));
    render(QStringLiteral("pen"));

    // Magnifier, after the pen: a 100-pt grey ring, no stroke, a 40-pt bar with the size row only.
    QTest::mouseClick(p.functionBtnArr()[2], Qt::LeftButton);
    shown = preview();
    EXPECT_EQ(at(shown, cx, cy), at(bare, cx, cy));
    EXPECT_EQ(at(shown, cx - 48, cy), at(bare, cx - 48, cy));
    EXPECT_LT(std::abs(luminance(at(shown, cx + 49.5, cy)) - 81), 25);
    EXPECT_EQ(at(shown, cx + 47, cy), at(bare, cx + 47, cy));
    EXPECT_EQ(p.previewBottomView()->height(), 40);
    EXPECT_FALSE(p.zoomView()->isHidden());
    EXPECT_TRUE(p.brightnessView()->isHidden());
    EXPECT_TRUE(p.colorView()->isHidden());
    EXPECT_EQ(p.zoomView()->y(), 5);
    render(QStringLiteral("magnifier"));

    // Without the mask the picture shows alone and the bar goes; the radio stays chosen.
    p.hideMask();
    EXPECT_EQ(at(preview(), cx + 49.5, cy), at(bare, cx + 49.5, cy));
    EXPECT_TRUE(p.previewBottomView()->isHidden());
    EXPECT_EQ(Page::imageName(p.functionBtnArr()[2]), QLatin1String(Page::kRadioOnImage));
}

// resizeImage1 keeps the centre region, enlarged to the image's size with lower-left corners
// together: of an 8 x 8 image in four flat quadrants, a 4 x 4 result shows the lower-left one.
TEST(LaserPenImageHelpersTest, ResizedImages)
{
    QImage image(8, 8, QImage::Format_ARGB32_Premultiplied);
    const QColor quadrants[2][2] = {{Qt::red, Qt::green}, {Qt::blue, Qt::yellow}}; // [row][column]
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            image.setPixelColor(x, y, quadrants[y / 4][x / 4]);
    const QImage centre = Page::resizeImage1(image, QSize(4, 4));
    ASSERT_EQ(centre.size(), QSize(4, 4));
    for (const QPoint inner : {QPoint(1, 1), QPoint(2, 2), QPoint(1, 2)})
        EXPECT_EQ(centre.pixelColor(inner), QColor(Qt::blue)) << inner.x() << "," << inner.y();
    const QImage whole = Page::resizeImage(image, QSize(4, 4));
    ASSERT_EQ(whole.size(), QSize(4, 4));
    EXPECT_EQ(whole.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(whole.pixelColor(3, 3), QColor(Qt::yellow));
}

// A stored size outside the slider's range: the slider at its end, the drawing and the store at
// the stored value.
TEST_F(LaserPenPageTest, StoredSizeOutsideTheRangeStays)
{
    manager().setHighlightedCircleW(900);
    manager().setPreviewIndex(1);
    Page& p = openPage();
    const QImage bare = barePicture();
    EXPECT_EQ(p.zoomSlider()->value(), Page::kSliderSteps);
    const QImage shown = preview();
    EXPECT_NEAR(shade(shown, bare, 170 + 145, 100), 1.0, 0.05);
    EXPECT_NEAR(shade(shown, bare, 170, 100 - 45), 1.0, 0.05);
    EXPECT_NEAR(shade(shown, bare, 3, 40), 0.4, 0.05);
    p.showPreview();
    EXPECT_EQ(manager().highlightedCircleW(), 900);
    EXPECT_EQ(UserDefaults::standard().doubleForKey(QString::fromLatin1(VQLaserPenManager::kHighlightedCircleWKey)), 900);
}

// A colour chosen in the dialog is stored only for the light spot and the pen.
TEST_F(LaserPenPageTest, ColourDialogStoresOnlyForSpotAndPen)
{
    Page& p = openPage();
    struct Row {
        int radio;
        const char* key; // stored for this effect, or none
    };
    const Row rows[] = {{0, nullptr}, {2, nullptr}, {1, VQLaserPenManager::kDigitalLightSpotColorKey}};
    const QColor chosen(0, 120, 255);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.radio);
        QTest::mouseClick(p.functionBtnArr()[row.radio], Qt::LeftButton);
        p.showColorPanel();
        ASSERT_NE(p.colorPanel(), nullptr);
        EXPECT_TRUE(p.colorPanel()->isVisible());
        p.colorPanel()->setCurrentColor(chosen);
        UserDefaults::standard().synchronize();
        QFile file(UserDefaults::standard().filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QJsonObject stored = QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("values")).toObject();
        EXPECT_FALSE(stored.contains(QString::fromLatin1(VQLaserPenManager::kDrawColorKey)));
        if (row.key == nullptr) {
            EXPECT_FALSE(stored.contains(QString::fromLatin1(VQLaserPenManager::kDigitalLightSpotColorKey)));
            EXPECT_EQ(manager().digitalLightSpotColor(), QColor(Qt::red));
        } else {
            EXPECT_EQ(stored.value(QString::fromLatin1(row.key)).toString(), VQLaserPenManager::colorToText(chosen));
            EXPECT_EQ(manager().digitalLightSpotColor(), chosen);
            EXPECT_EQ(at(preview(), 170, 100), chosen);
            EXPECT_EQ(p.colorBtnView()->backgroundColor(), chosen);
        }
        p.colorPanel()->hide();
        manager().setDigitalLightSpotColor(Qt::red);
        UserDefaults::standard().removeObjectForKey(QString::fromLatin1(VQLaserPenManager::kDigitalLightSpotColorKey));
    }
}

// The custom minutes take up to four digits, stored at every keystroke; the countdown switch
// turns itself off when a countdown ends.
TEST_F(LaserPenPageTest, CustomMinutesAndCountdownSwitch)
{
    plugAndSettle();
    Page& p = openPage();
    VQTextField* field = p.otherCountDownTextField();
    field->setFocus();
    struct Row {
        const char* typed;
        QString text;
        int stored;
    };
    const Row rows[] = {
        {"4", QStringLiteral("4"), 4},
        {"5", QStringLiteral("45"), 45},
        {"-", QStringLiteral("45"), 45},
        {"a", QStringLiteral("45"), 45},
        {"123", QStringLiteral("4512"), 4512},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        QTest::keyClicks(field, QString::fromLatin1(row.typed));
        EXPECT_EQ(field->text(), row.text);
        EXPECT_EQ(manager().warningTime(), row.stored);
        EXPECT_EQ(UserDefaults::standard().integerForKey(QString::fromLatin1(VQLaserPenManager::kWarningTimeKey)), row.stored);
    }
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(manager().warningTime(), 0);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(manager().warningTime(), 0);
    // Typing chose no length.
    EXPECT_EQ(image(p.countDownBtnArr()[3]), QLatin1String(Page::kRadioOffImage));
    EXPECT_EQ(manager().warningTimeIndex(), 0);

    // A zero-minute countdown on the black screen ends at once and turns the switch off.
    QTest::mouseClick(p.countDownBtnArr()[3], Qt::LeftButton);
    EXPECT_EQ(manager().warningTimeIndex(), 3);
    QTest::mouseClick(p.countDownSwitchBtn(), Qt::LeftButton);
    ASSERT_EQ(image(p.countDownSwitchBtn()), QLatin1String(Page::kSwitchOnImage));
    EXPECT_TRUE(manager().laserPenCountdownSwitch());
    manager().enterBlackScreen();
    EXPECT_EQ(image(p.countDownSwitchBtn()), QLatin1String(Page::kSwitchOffImage));
    EXPECT_FALSE(manager().laserPenCountdownSwitch());
    EXPECT_TRUE(UserDefaults::standard().hasValueForKey(QString::fromLatin1(VQLaserPenManager::kCountdownSwitchKey)));
    EXPECT_FALSE(UserDefaults::standard().boolForKey(QString::fromLatin1(VQLaserPenManager::kCountdownSwitchKey)));
    manager().quitBlackScreen();
}

// The voice radios store the function; the double-click notification moves it on with a tip.
TEST_F(LaserPenPageTest, VoiceKeyFunction)
{
    Page& p = openPage();
    for (int i : {3, 1, 2}) {
        QTest::mouseClick(p.voicefunctionBtnArr()[i], Qt::LeftButton);
        EXPECT_EQ(VQUserInfoData::sharedInstance().laserPenVoiceFunctionIndex(), i);
        EXPECT_EQ(UserDefaults::standard().integerForKey(QString::fromLatin1(VQUserInfoData::laserPenVoiceFunctionIndexKey)), i);
    }
    QTest::mouseClick(p.voicefunctionBtnArr()[3], Qt::LeftButton);
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kLaserPenVoiceKeyDoubleClickedNSNotification));
    EXPECT_EQ(VQUserInfoData::sharedInstance().laserPenVoiceFunctionIndex(), 0);
    EXPECT_EQ(image(p.voicefunctionBtnArr()[0]), QLatin1String(Page::kRadioOnImage));
    EXPECT_EQ(image(p.voicefunctionBtnArr()[3]), QLatin1String(Page::kRadioOffImage));
    EXPECT_EQ(VQPopupWindowTool::sharedInstance().tipWindow()->text(), localized("切换到麦克风模式"));
}

// English re-titles every text; selections, switches and the preview stay.
TEST_F(LaserPenPageTest, LanguageChangeRetitlesOnly)
{
    Page& p = openPage();
    QTest::mouseClick(p.functionBtnArr()[0], Qt::LeftButton);
    QTest::mouseClick(p.functionSwitchArr()[3], Qt::LeftButton);
    QTest::mouseClick(p.countDownBtnArr()[2], Qt::LeftButton);
    const QImage before = preview();
    const QString chinese = p.countDownLabel()->text();

    VQLanguageManager::sharedInstance().setUiLanguageIndex(2);
    VQLanguageManager::sharedInstance().shouldRefreshData();
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateTitleNotification));

    EXPECT_NE(p.countDownLabel()->text(), chinese);
    const char* const effects[] = {"突出显示", "数码光点", "放大镜", "画笔"};
    const char* const voices[] = {"麦克风", "语音打字", "语音翻译", "语音搜索"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(p.functionLabelArr()[i]->text(), localized(effects[i]));
        EXPECT_EQ(p.voiceLabelArr()[i]->text(), localized(voices[i]));
    }
    EXPECT_EQ(p.functionLabelArr()[1]->text(), QStringLiteral("Digital light spot"));
    EXPECT_EQ(p.countDownBtnArr()[1]->title(), QStringLiteral("30 minutes"));
    EXPECT_EQ(p.otherCountDownTextField()->placeholderText(), QStringLiteral("Custom length (minutes)"));
    EXPECT_EQ(p.voiceFunctionLabel()->text(), QStringLiteral("Voice key function"));
    EXPECT_EQ(p.countDownLabel()->text(), QStringLiteral("Countdown and warning"));
    EXPECT_EQ(image(p.functionBtnArr()[0]), QLatin1String(Page::kRadioOnImage));
    EXPECT_EQ(image(p.functionSwitchArr()[3]), QLatin1String(Page::kSwitchOffImage));
    EXPECT_EQ(image(p.countDownBtnArr()[2]), QLatin1String(Page::kRadioOnImage));
    EXPECT_EQ(preview(), before);
    render(QStringLiteral("page_en"));
}
