// The pen's mode manager driven through the device link by the simulated receiver: the mode
// cycle with its tips, the effect keys and their 40 ms follow-up, the voice keys, the settings
// and the countdown (its ticks driven by the test).

#include "DeviceTestFixture.h"
#include "FakeCompositingManager.h"
#include "FakeCursorHider.h"
#include "FakeGlobalShortcuts.h"
#include "FakeInputMonitor.h"
#include "FakeScreenGrabber.h"
#include "MMTimeText.h"
#include "QRNLocalizedString.h"
#include "VQEventCode.h"
#include "VQLaserPenManager.h"
#include "VQLaserPenSetup.h"
#include "VQPopupWindowTool.h"
#include "VQTipWindow.h"

#include <QLabel>

#include <chrono>

namespace {

const QString kLaserOn = QStringLiteral("0c4d04b44c");
const QString kLaserOff = QStringLiteral("0c4d04b54c");
const QString kPointerOn = QStringLiteral("0c4d04b04c");
const QString kPointerOff = QStringLiteral("0c4d04b14c");

VQLaserPenManager& manager()
{
    return VQLaserPenManager::sharedInstance();
}

QString tipText()
{
    return VQPopupWindowTool::sharedInstance().tipWindow()->text();
}

QString localized(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

class LaserPenTest : public DeviceTest {
protected:
    explicit LaserPenTest(SimulatedReceiver::Model model = SimulatedReceiver::laserPenReceiver())
        : DeviceTest(std::move(model))
    {
        receiver.device().values.deviceType = 2;
    }

    void SetUp() override
    {
        DeviceTest::SetUp();
        VQPopupWindowTool::resetForTests();
        VQLaserPenManager::resetForTests();
        VQLaserPenSetup::install();
    }

    void TearDown() override
    {
        VQLaserPenManager::resetForTests();
        VQPopupWindowTool::resetForTests();
        DeviceTest::TearDown();
    }

    void plugPen()
    {
        plugAndSettle();
        ASSERT_TRUE(vqtest::waitUntil([] { return VQLaserPenManager::isLaserPenReceiverOpen(); }));
        settle();
    }

    // Sends the key and waits until every command it caused reached the pen.
    void key(int keyNumber)
    {
        receiver.sendKey(keyNumber);
        settleAfterFollowUp();
    }
    void penEvent(int event, int state = 0)
    {
        receiver.sendPenEvent(event, state);
        settleAfterFollowUp();
    }
    void settleAfterFollowUp()
    {
        vqtest::spin(20);
        ASSERT_TRUE(vqtest::waitUntil([] { return !manager().isFollowUpPending(); }));
        settle();
    }

    // When the frame was written, or -1.
    qint64 writtenAt(const QString& hex) const
    {
        for (const auto& w : receiver.written()) {
            if (frameHex(w.report) == hex)
                return w.atNs;
        }
        return -1;
    }

    FakeGlobalShortcuts shortcuts;
    FakeInputMonitor input;
    FakeScreenGrabber grabber;
    FakeCompositingManager compositor;
    FakeCursorHider cursor;
};

class Plan2PenTest : public LaserPenTest {
protected:
    Plan2PenTest()
        : LaserPenTest(SimulatedReceiver::laserPenPlan2())
    {
    }
};

} // namespace

// Opening the pen's receiver picks the first enabled mode without a tip; the mode key then walks
// the cycle over the enabled effects, each step with its tip.
TEST_F(LaserPenTest, ModeCycleFollowsTheSwitches)
{
    plugPen();
    EXPECT_EQ(manager().laserPenStatus(), 1);
    EXPECT_EQ(tipText(), QString());
    // Laser off, and no mode command on plan 6; the device information that follows the opening
    // dismisses again, but nothing puts the pen into pointer mode.
    EXPECT_EQ(receiver.penCommands().value(0), kLaserOff);
    EXPECT_FALSE(receiver.penCommands().contains(kPointerOn));
    EXPECT_EQ(receiver.foreignReports(), 0);
    EXPECT_EQ(UserDefaults::standard().integerForKey(QStringLiteral("laserPenStatusKey")), 1);

    struct Row {
        const char* name;
        bool highlight, spot, zoom, draw;
        std::vector<int> modes; // after each mode key
    };
    const Row rows[] = {
        {"all on", true, true, true, true, {2, 3, 4, 0, 1}},
        {"spot and magnifier off", true, false, false, true, {4, 0, 1}},
        {"all off", false, false, false, false, {0, 0}},
    };
    const char* const tips[] = {"硬激光", "突出显示", "数码光点", "放大镜", "画笔"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        manager().setLaserPenHighlightedSwitch(row.highlight);
        manager().setLaserPenDigitalLightSpotSwitch(row.spot);
        manager().setLaserPenZoomInSwitch(row.zoom);
        manager().setLaserPenDrawSwitch(row.draw);
        for (int mode : row.modes) {
            VQPopupWindowTool::sharedInstance().tipWindow()->closeTip();
            key(64);
            EXPECT_EQ(manager().laserPenStatus(), mode);
            EXPECT_EQ(tipText(), localized(tips[mode]));
        }
    }
    EXPECT_TRUE(receiver.rejected().isEmpty()) << receiver.rejected().join(QLatin1Char('\n')).toStdString();
}

// A receiver of another plan recorded as a pen: no mode cycle, but the effect key still turns
// the pen's own laser on after the follow-up delay.
TEST_F(Plan2PenTest, OtherPenReceiverKeepsHardLaser)
{
    plugAndSettle();
    receiver.clearRecords();
    key(64);
    EXPECT_EQ(manager().laserPenStatus(), 0);
    EXPECT_TRUE(receiver.penCommands().isEmpty());

    const qint64 pressedAt = nowNs();
    receiver.sendKey(69);
    // Plan 2 knows no laser command of its own: the frame goes out whatever the plan.
    ASSERT_TRUE(vqtest::waitUntil([this] { return writtenHex().contains(kLaserOn); }));
    EXPECT_GE(writtenAt(kLaserOn) - pressedAt, qint64(VQLaserPenManager::kFollowUpDelayMs) * 1000000);
    EXPECT_FALSE(manager().hasShowEffecf());
}

// The effect key in highlight mode: the follow-up after 40 ms, the release, and a dismissal or a
// mode change inside the 40 ms that cancel the follow-up.
TEST_F(LaserPenTest, EffectKeysAndTheirFollowUp)
{
    plugPen();
    VQUserInfoData::sharedInstance().setIsSupportKeySetting(true);
    receiver.clearRecords();

    const qint64 pressedAt = nowNs();
    receiver.sendKey(69);
    // The press first dismisses what showed (pointer off, laser off), then the follow-up.
    ASSERT_TRUE(vqtest::waitUntil([this] { return receiver.penCommands().size() == 4; }));
    EXPECT_EQ(receiver.penCommands(), (QStringList{kPointerOff, kLaserOff, kPointerOn, kLaserOff}));
    EXPECT_GE(writtenAt(kPointerOn) - pressedAt, qint64(VQLaserPenManager::kFollowUpDelayMs) * 1000000);
    EXPECT_TRUE(manager().hasShowEffecf());
    EXPECT_TRUE(cursor.isHidden());
    settle();

    receiver.clearRecords();
    key(70);
    EXPECT_EQ(receiver.penCommands(), (QStringList{kPointerOff, kLaserOff}));
    EXPECT_FALSE(manager().hasShowEffecf());
    EXPECT_FALSE(cursor.isHidden());
    EXPECT_FALSE(manager().isEffectShown());

    struct Row {
        const char* name;
        std::function<void()> within40ms;
        int modeAfter;
    };
    const Row rows[] = {
        {"release", [] { manager().dismissEffect(); }, 1},
        {"mode change", [] { manager().changeLaserPenStatus(false); }, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        receiver.clearRecords();
        manager().showLaserPenEffect();
        row.within40ms();
        vqtest::spin(VQLaserPenManager::kFollowUpDelayMs * 3);
        settle();
        EXPECT_FALSE(receiver.penCommands().contains(kPointerOn));
        EXPECT_FALSE(manager().hasShowEffecf());
        EXPECT_EQ(manager().laserPenStatus(), row.modeAfter);
        EXPECT_FALSE(manager().isEffectShown());
    }
}

// In pen mode each toggle opens a stroke when none is open and closes the open one; effect off
// after a release stores nothing.
TEST_F(LaserPenTest, PenToggleDrawsAStrokePerTwoToggles)
{
    plugPen();
    for (int i = 0; i < 3; ++i)
        key(64); // highlight -> spot -> magnifier -> pen
    ASSERT_EQ(manager().laserPenStatus(), 4);

    for (int i = 0; i < 6; ++i)
        penEvent(0x92);
    ASSERT_FALSE(manager().drawView().isEmpty());
    ASSERT_TRUE(manager().drawView().first());
    EXPECT_EQ(manager().drawView().first()->drawPathArray().size(), 3);
    EXPECT_TRUE(manager().hasShowEffecf()); // the pen stays in pointer mode between strokes
    EXPECT_TRUE(manager().isDrawing());
    EXPECT_TRUE(manager().isEscRegistered());

    penEvent(0x93);
    EXPECT_EQ(manager().drawView().first()->drawPathArray().size(), 3);

    // Leaving pen mode ends the overlay and its Escape registration.
    key(64);
    EXPECT_FALSE(manager().isDrawing());
    EXPECT_FALSE(manager().isEscRegistered());
}

// The voice-mode key cycles the voice key's function with tips and cancels recognition; the
// voice key reaches the hub with the codes of that function; removal resets it.
TEST_F(LaserPenTest, VoiceKeysFollowTheVoiceMode)
{
    plugPen();
    struct Row {
        int vioceMode;
        const char* tip;
        int pressed, released;
    };
    const Row rows[] = {
        {2, "切换到翻译模式", VQEventCode::kVoiceTranslationPressed, VQEventCode::kVoiceTranslationReleased},
        {3, "切换到投屏模式", VQEventCode::kVoiceTranslationPressed, VQEventCode::kVoiceTranslationReleased},
        {1, "切换到打字模式", VQEventCode::kVoiceTypingPressed, VQEventCode::kVoiceTypingReleased},
    };
    int cancels = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.vioceMode);
        recorder->eventCodes.clear();
        key(32);
        EXPECT_EQ(recorder->cancelCount, ++cancels);
        EXPECT_EQ(manager().vioceMode(), row.vioceMode);
        EXPECT_EQ(tipText(), localized(row.tip));
        key(37);
        key(38);
        EXPECT_EQ(recorder->eventCodes, (std::vector<int>{row.pressed, row.released}));
    }

    key(32);
    ASSERT_EQ(manager().vioceMode(), 2);
    receiver.unplug();
    ASSERT_TRUE(vqtest::waitUntil([] { return manager().vioceMode() == 1; }));
}

// Settings: missing or garbled values give the defaults; colours round-trip as #AARRGGBB text;
// the switches and previewIndex write only when they change, the other setters always.
TEST_F(LaserPenTest, SettingsReadDefaultsAndWriteOnChange)
{
    UserDefaults& defaults = UserDefaults::standard();
    defaults.setValue(QStringLiteral("highlightedMaskAlphaKey"), QStringLiteral("dark"));
    defaults.setValue(QStringLiteral("digitalLightSpotColorKey"), QStringLiteral("#12"));
    defaults.setValue(QStringLiteral("drawColorKey"), QByteArray("\x01\x02", 2));
    defaults.setValue(QStringLiteral("laserPenZoomInSwitchKey"), QStringLiteral("maybe"));
    defaults.setValue(QStringLiteral("laserPenCountdownSwitchKey"), true);
    defaults.setValue(QStringLiteral("drawWidthKey"), 4.5);
    VQLaserPenManager::resetForTests();

    VQLaserPenManager& m = manager();
    EXPECT_DOUBLE_EQ(m.highlightedMaskAlpha(), 0.6);
    EXPECT_DOUBLE_EQ(m.highlightedCircleW(), 300);
    EXPECT_EQ(m.digitalLightSpotColor(), QColor(Qt::red));
    EXPECT_EQ(m.drawColor(), QColor(Qt::red));
    EXPECT_TRUE(m.laserPenZoomInSwitch());
    EXPECT_FALSE(m.laserPenCountdownSwitch());
    EXPECT_DOUBLE_EQ(m.drawWidth(), 4.5);
    EXPECT_EQ(m.previewIndex(), -1);
    EXPECT_EQ(m.warningTimeIndex(), 0);

    const QColor translucent(10, 20, 30, 40);
    m.setDrawColor(translucent);
    m.setHighlightedMaskAlpha(0.35);
    VQLaserPenManager::resetForTests();
    EXPECT_EQ(defaults.stringForKey(QStringLiteral("drawColorKey")), QStringLiteral("#280A141E"));
    EXPECT_EQ(m.drawColor(), translucent);
    EXPECT_FLOAT_EQ(float(m.highlightedMaskAlpha()), 0.35f);

    // A setter given the value the manager holds: the switches and previewIndex leave the store
    // alone, the others write. A stand-in value put into the store shows which did.
    struct Row {
        const char* key;
        std::function<void()> setSame;
        bool writes;
    };
    const Row rows[] = {
        {"laserPenHighlightedSwitchKey", [&] { m.setLaserPenHighlightedSwitch(m.laserPenHighlightedSwitch()); }, false},
        {"laserPenDrawSwitchKey", [&] { m.setLaserPenDrawSwitch(m.laserPenDrawSwitch()); }, false},
        {"laserPenCountdownSwitchKey", [&] { m.setLaserPenCountdownSwitch(m.laserPenCountdownSwitch()); }, false},
        {"previewIndexKey", [&] { m.setPreviewIndex(m.previewIndex()); }, false},
        {"drawWidthKey", [&] { m.setDrawWidth(m.drawWidth()); }, true},
        {"warningTimeIndexKey", [&] { m.setWarningTimeIndex(m.warningTimeIndex()); }, true},
        {"digitalLightSpotColorKey", [&] { m.setDigitalLightSpotColor(m.digitalLightSpotColor()); }, true},
    };
    const QString standIn = QStringLiteral("stand-in");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        defaults.setValue(QString::fromLatin1(row.key), standIn);
        row.setSame();
        EXPECT_EQ(defaults.objectForKey(QString::fromLatin1(row.key)) != QVariant(standIn), row.writes);
    }
    // A change is always stored.
    m.setLaserPenDrawSwitch(false);
    EXPECT_EQ(defaults.objectForKey(QStringLiteral("laserPenDrawSwitchKey")), QVariant(false));
}

// The countdown, its ticks driven by the test: the first tick shows and sends the full length,
// each tick one second less, the 0 tick ends the black screen and runs the block once; odd
// lengths are made sound.
TEST_F(LaserPenTest, CountdownTicks)
{
    plugPen();
    VQLaserPenManager& m = manager();
    int ends = 0;

    receiver.clearRecords();
    m.showCountDownWarningCallBack([&] { ++ends; });
    EXPECT_TRUE(m.isBlackScreen()); // a tick with no black screen up puts it up first
    EXPECT_TRUE(m.isWarningTimerActive());
    ASSERT_FALSE(m.countDownWarningView().isEmpty());
    ASSERT_TRUE(m.countDownWarningView().first());
    EXPECT_EQ(m.countDownWarningView().first()->timeLabel()->text(), QStringLiteral("15") + localized("分"));
    m.countDownTime();
    m.countDownTime();
    EXPECT_EQ(m.countDownWarningView().first()->timeLabel()->text(), mm::secondToStr(898));
    settle();
    EXPECT_EQ(receiver.penCommands(), (QStringList{QStringLiteral("0c4d06ff03844c"), QStringLiteral("0c4d06ff03834c"),
                                                   QStringLiteral("0c4d06ff03824c")}));
    m.hideCountDownWarning();
    m.quitBlackScreen();
    EXPECT_FALSE(m.isWarningTimerActive());

    struct Row {
        const char* name;
        int index;
        int minutes;
        QString firstSent;
        bool endsAtOnce;
    };
    const Row rows[] = {
        {"index outside the table counts as 15 minutes", 9, 0, QStringLiteral("0c4d06ff03844c"), false},
        {"zero minutes", 3, 0, QStringLiteral("0c4d06ff00004c"), true},
        {"negative minutes count as zero", 3, -5, QStringLiteral("0c4d06ff00004c"), true},
        {"long countdown sends at most 65535", 3, 2000, QStringLiteral("0c4d06ffffff4c"), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        m.setWarningTimeIndex(row.index);
        m.setWarningTime(row.minutes);
        receiver.clearRecords();
        ends = 0;
        m.showCountDownWarningCallBack([&] { ++ends; });
        settle();
        ASSERT_FALSE(receiver.penCommands().isEmpty());
        EXPECT_EQ(receiver.penCommands().first(), row.firstSent);
        EXPECT_EQ(ends, row.endsAtOnce ? 1 : 0);
        EXPECT_EQ(m.isBlackScreen(), !row.endsAtOnce);
        EXPECT_EQ(m.isWarningTimerActive(), !row.endsAtOnce);
        if (row.minutes == 2000) {
            // The pen's counter is limited; the label shows the real time left.
            EXPECT_EQ(m.countDownWarningView().first()->timeLabel()->text(), mm::secondToStr(120000));
        }
        m.quitBlackScreen();
    }

    // A one-minute countdown run to its end by ticks: 60 ... 1, then 0 ends it, once.
    m.setWarningTimeIndex(3);
    m.setWarningTime(1);
    ends = 0;
    m.showCountDownWarningCallBack([&] { ++ends; });
    for (int i = 0; i < 60; ++i)
        m.countDownTime();
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(m.isBlackScreen());
    EXPECT_FALSE(m.isWarningTimerActive());
}
