// The screenshot-translation settings row and the ways into a capture: the shortcut bound at
// start-up (with the fake key grabs), a recording made in the row, a grab another program holds,
// and the device's screenshot keys. The row is rendered to renders/snip_translate_row.png.
#include "FakeGlobalShortcuts.h"
#include "FakeScreenGrabber.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "SnipTranslateView.h"
#include "TranslateTestFixture.h"
#include "VQButton.h"
#include "VQDeviceEvents.h"
#include "VQDeviceProtocol.h"
#include "VQDeviceReportHandler.h"
#include "VQNotificationNames.h"
#include "VQPopUpButton.h"
#include "VQShortcutBinder.h"
#include "VQShortcutRecorder.h"
#include "VQShortcutValidator.h"
#include "VQSnip.h"
#include "VQTipWindow.h"

#include <QDir>
#include <QVBoxLayout>

namespace {

const QString kSnipKey = QString::fromLatin1(VQTranslateSetup::kSnipShortcutKey);
const KeyShortcut kAltS(1, 0x80000);
const KeyShortcut kAltD(2, 0x80000);

class SnipTranslateTest : public TranslateTest {
protected:
    void SetUp() override
    {
        TranslateTest::SetUp();
        VQShortcutBinder::sharedBinder().resetForTests();
        UserDefaults::standard().removeObjectForKey(kSnipKey);
        VQDeviceEvents::resetForTests();
    }

    void TearDown() override
    {
        VQSnip::resetForTests();
        // The binder must not keep grabs of the fake that goes with the test.
        VQShortcutBinder::sharedBinder().resetForTests();
        VQDeviceEvents::resetForTests();
        VQUserInfoData::sharedInstance().setIsConnect(false);
        TranslateTest::TearDown();
    }

    static void setState(bool switchOn, bool connected)
    {
        VQUserInfoData::sharedInstance().setScreenshotsTranslateSwitch(switchOn);
        VQUserInfoData::sharedInstance().setIsConnect(connected);
    }

    FakeGlobalShortcuts shortcuts;
    FakeScreenGrabber grabber;
};

TEST_F(SnipTranslateTest, ShortcutStartsACaptureOnlyWithTheSwitchOnAndADevice)
{
    VQTranslateSetup::bindScreenshotShortcut();
    VQTranslateSetup::bindScreenshotShortcut(); // the status item's rebuild runs it again
    EXPECT_EQ(shortcuts.registered().count(kAltS), 1);
    EXPECT_EQ(VQShortcutBinder::shortcutForDefaultsKey(kSnipKey), kAltS);
    EXPECT_TRUE(VQShortcutValidator::sharedValidator().isShortcutValid(kAltS));

    struct Row {
        bool switchOn;
        bool connected;
        bool captures;
    };
    const Row rows[] = {{false, true, false}, {true, false, false}, {false, false, false}, {true, true, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "switch " << row.switchOn << " connected " << row.connected);
        setState(row.switchOn, row.connected);
        const int grabsBefore = grabber.grabs;
        EXPECT_TRUE(shortcuts.press(kAltS));
        EXPECT_EQ(VQSnip::sharedInstance().isSniping(), row.captures);
        EXPECT_EQ(grabber.grabs > grabsBefore, row.captures);
        VQSnip::resetForTests();
    }
}

TEST_F(SnipTranslateTest, RecordingInTheRowMovesTheShortcutAndARefusedGrabTips)
{
    VQTranslateSetup::bindScreenshotShortcut();
    setState(true, true);
    auto row = std::make_unique<SnipTranslateView>();
    EXPECT_EQ(row->shortcutsView()->shortcutValue(), kAltS);

    row->shortcutsView()->setShortcutValue(kAltD);
    EXPECT_EQ(VQShortcutBinder::shortcutForDefaultsKey(kSnipKey), kAltD);
    EXPECT_FALSE(shortcuts.press(kAltS));
    EXPECT_FALSE(VQSnip::sharedInstance().isSniping());
    EXPECT_TRUE(shortcuts.press(kAltD));
    EXPECT_TRUE(VQSnip::sharedInstance().isSniping());
    VQSnip::resetForTests();

    // Another program holds the combination recorded next: the user is told, the old one is gone.
    shortcuts.inUse << kAltS;
    row->shortcutsView()->setShortcutValue(kAltS);
    const QString expected =
        QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(VQTranslateSetup::kSnipShortcutInUseText));
    ASSERT_TRUE(vqtest::waitUntil([&] { return VQPopupWindowTool::sharedInstance().tipWindow()->text() == expected; }));
    EXPECT_FALSE(shortcuts.press(kAltD));
    EXPECT_TRUE(shortcuts.registered().isEmpty());
}

TEST_F(SnipTranslateTest, DeviceScreenshotKeysCaptureOnlyWhileConnected)
{
    // As the composition root wires them.
    VQDeviceEvents::setScreenshotCallback([] { VQTranslateManager::sharedInstance().snipTranslate(); });
    VQDeviceReportHandler handler(VQDeviceProtocol::Link::Usb, [](quint8, const QByteArray&) {});
    const VQDeviceProtocol::ChipPlan& plan = *VQDeviceProtocol::chipPlan(1);
    struct Row {
        const char* report;
        bool connected;
        bool captures;
    };
    // Key report CMD 30 of plan 1, padded to the report's length below.
    const Row rows[] = {{"0da54d0530804c", false, false}, {"0da54d0530834c", false, false},
                        {"0da54d0530804c", true, true},   {"0da54d0530834c", true, true},
                        {"0da54d0530814c", true, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.report << " connected " << row.connected);
        // The switch is for the shortcut only: the keys work with it off.
        setState(false, row.connected);
        QByteArray report = QByteArray::fromHex(row.report);
        report.append(QByteArray(33 - report.size(), '\0'));
        handler.handleReport(plan, report);
        EXPECT_EQ(VQSnip::sharedInstance().isSniping(), row.captures);
        VQSnip::resetForTests();
    }
}

TEST_F(SnipTranslateTest, RowFollowsTheListsTheWindowAndTheSwitch)
{
    VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    // No stored target: the built-in list's second entry.
    UserDefaults::standard().removeObjectForKey(QString::fromLatin1(VQLanguageManager::VQ_ScreenshotsTag_Key));
    VQLanguageManager::resetForTests();
    languages.setScreenshotsTranslateFromLanguageArray({});
    languages.setScreenshotsFromTag(2);
    VQUserInfoData::sharedInstance().setScreenshotsTranslateSwitch(true);

    auto row = std::make_unique<SnipTranslateView>();
    EXPECT_EQ(row->viewHeight(), 188);
    EXPECT_EQ(row->switchBtn()->state(), 1);
    EXPECT_TRUE(row->fromLanguageBtn()->itemsArr().isEmpty());
    EXPECT_EQ(row->toLanguageBtn()->markedIndex(), 1);
    EXPECT_EQ(languages.readToScreenshotsTranslateLanguageCode(), QStringLiteral("KO_KR"));
    EXPECT_EQ(row->toLanguageBtn()->stringValue(), languages.readScreenshotsNameList().value(1));

    // The recognition list arrives: the stored index shows again.
    QVariantList ocr;
    for (const char* code : {"ZH_CN", "EN_US", "JA_JP"})
        ocr << QVariantMap{{QStringLiteral("code"), QString::fromLatin1(code)},
                           {QStringLiteral("name"), QStringLiteral("lang-%1").arg(QString::fromLatin1(code))}};
    languages.setScreenshotsTranslateFromLanguageArray(ocr);
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateOCRListNotification));
    EXPECT_EQ(row->fromLanguageBtn()->itemsArr().size(), 3);
    EXPECT_EQ(row->fromLanguageBtn()->markedIndex(), 2);
    EXPECT_EQ(row->fromLanguageBtn()->stringValue(), QStringLiteral("lang-JA_JP"));

    // A pick in the translation window moves the target picker; the arrow changes nothing.
    languages.setScreenshotsTag(4);
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateSnipTranslateIndexNotification));
    EXPECT_EQ(row->toLanguageBtn()->markedIndex(), 4);
    row->changeLanguageBtn()->performClick();
    EXPECT_EQ(languages.screenshotsFromTag(), 2);
    EXPECT_EQ(languages.screenshotsTag(), 4);

    QWidget host;
    host.setStyleSheet(QStringLiteral("background: white;"));
    auto* layout = new QVBoxLayout(&host);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->addWidget(row.get());
    host.resize(620, SnipTranslateView::rowHeight + 40);
    const QString dir = QStringLiteral(VQ_BUILD_DIR "/renders");
    ASSERT_TRUE(QDir().mkpath(dir));
    EXPECT_TRUE(host.grab().toImage().save(dir + QStringLiteral("/snip_translate_row.png")));
    layout->removeWidget(row.get());
    row->setParent(nullptr);

    // The switch persists through a fresh store.
    row->switchBtn()->performClick();
    VQUserInfoData::resetForTests();
    EXPECT_FALSE(VQUserInfoData::sharedInstance().screenshotsTranslateSwitch());
}

} // namespace
