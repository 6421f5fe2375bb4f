// The voice hub: its rules for presses, releases, time-outs and results, each as a row played
// through the device link's hook against the stand-in speech server with the microphone; and
// where the other event codes go (mode keys, Enter, the configurable keys).
#include "../device/DeviceTestFixture.h"
#include "FakeAudioCaptureBackend.h"
#include "FakeClipboard.h"
#include "FakeDesktopOpener.h"
#include "FakeGlobalShortcuts.h"
#include "FakeKeySynthesizer.h"
#include "MacKeyMap.h"
#include "MouseSettingModel.h"
#include "QRNLocalizedString.h"
#include "VQKeyPressManager.h"
#include "VoiceHubFixture.h"

#include <QJsonArray>
#include <QJsonObject>

#include <memory>
#include <vector>

using vqtest::SpeechAnswer;
using vqtest::SpeechMisbehaviour;
using vqtest::StandInSpeechServer;
using voicetest::hubIsIdle;

namespace {

QString L(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

QString shown(const char* key, int type)
{
    return QStringLiteral("%1|%2").arg(L(key)).arg(type);
}

// The hub's times in these tests. The final result and the no-speech text are given room for a
// busy machine; spacing and hold are short.
VQAudioMonitorService::Timings testTimings()
{
    VQAudioMonitorService::Timings t;
    t.minStartSpacingMs = 400;
    t.minSearchHoldMs = 400;
    t.refusedDismissMs = 100;
    t.noSpeechMs = 1000;
    t.finalResultTimeOutMs = 1500;
    t.resetKeyIntervalMs = 400;
    return t;
}

class HubTest : public DeviceTest {
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        VQKeyPressManager::resetForTests();
        ASSERT_TRUE(server.start());
    }

    void TearDown() override
    {
        log.reset();
        voicetest::resetVoice();
        VQKeyPressManager::resetForTests();
        DeviceTest::TearDown();
    }

    // A clean hub, wired as at start-up, with or without a speech popup.
    void freshHub(bool withPopup)
    {
        log.reset();
        voicetest::resetVoice();
        popup = std::make_unique<voicetest::RecordingSpeechPopup>();
        voicetest::installVoice(server, withPopup ? popup.get() : nullptr);
        VQAudioMonitorService::setTimingsForTests(testTimings());
        log = std::make_unique<voicetest::HubLog>();
    }

    static VQAudioMonitorService& hub() { return VQAudioMonitorService::sharedInstance(); }
    static QString tipText() { return VQPopupWindowTool::sharedInstance().tipWindow()->text(); }

    // A recognisable byte pattern without zeros.
    static QByteArray speech(int chunks)
    {
        QByteArray bytes(chunks * VQAudioQueueCapture::kChunkBytes, Qt::Uninitialized);
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char(1 + i % 250);
        return bytes;
    }

    FakeGlobalShortcuts shortcuts; // before SetUp starts the HID device, which binds F1-F3
    FakeAudioCaptureBackend microphone;
    FakeKeySynthesizer keys;
    FakeClipboard clipboard;
    FakeDesktopOpener opener;
    StandInSpeechServer server;
    std::unique_ptr<voicetest::RecordingSpeechPopup> popup;
    std::unique_ptr<voicetest::HubLog> log;
};

struct Step {
    enum Kind {
        Code,       // value: the event code, through the device link's hook
        Speak,      // value: chunks the microphone hears, once it records
        Wait,       // value: ms
        SocketOpen, // until the service's socket is open
        Seen,       // text: "text|type" in the popup, or the tip's text without a popup
        TipClosed,  // the hub's tip is gone
        Idle,       // until the hub is idle
        Delivered,  // value: until that many texts were handed to delivery
        Showing,    // text: the popup shows it now ("text|type")
    };
    Kind kind;
    int value = 0;
    QString text = {};
};

Step code(int c) { return {Step::Code, c}; }
Step speak(int chunks) { return {Step::Speak, chunks}; }
Step wait(int ms) { return {Step::Wait, ms}; }
Step seen(const QString& text) { return {Step::Seen, 0, text}; }
const Step kSocketOpen{Step::SocketOpen};
const Step kTipClosed{Step::TipClosed};
const Step kIdle{Step::Idle};
Step delivered(int n) { return {Step::Delivered, n}; }
Step showing(const QString& text) { return {Step::Showing, 0, text}; }
SpeechAnswer later(SpeechAnswer answer, int ms) { return answer.delayMs = ms, answer; }

} // namespace

TEST_F(HubTest, PressReleaseAndResultRules)
{
    struct Row {
        const char* name;
        bool withPopup;
        bool laserMicrophone;
        SpeechMisbehaviour server;
        QList<std::pair<int, SpeechAnswer>> script;
        std::vector<Step> steps;
        QStringList delivered; // "text|isLast|pressType", in order
        int starts;
        int finishes;
        bool noFrames;          // the server got no audio frame
        QString neverShown = {}; // "text|type" the popup never showed
        QStringList pasted = {}; // texts put on the clipboard, each followed by the paste key
        int searches = 0;        // web searches opened
        int minStartSpacingMs = 400;
    };
    const int kMid = 1;
    const Row rows[] = {
        {"a press soon after the previous start attempt is refused, its text closes soon (no popup: tips)",
         false, false, {}, {},
         {code(33), seen(L("请说话...")), code(34), code(33), seen(L("点击太快了")), wait(250), kTipClosed, code(34),
          kIdle},
         {}, 1, 1, true},
        {"the search key released within the hold time cancels", true, false, {}, {},
         {code(35), code(36), kIdle},
         {}, 1, 1, true},
        {"a repeated release only closes the popup; the final result then finds it closed", true, false, {},
         {{kMid, SpeechAnswer::mid(QStringLiteral("你好"))}, {StandInSpeechServer::kOnEnd, SpeechAnswer::last(QStringLiteral("你好"))}},
         {code(33), kSocketOpen, speak(2), seen(QStringLiteral("你好|33")), code(34), code(34), kIdle},
         {QStringLiteral("你好|0|33")}, 1, 1, false},
        {"a final result while the key is held is delivered; the release then only closes the popup", true, false, {},
         {{2, SpeechAnswer::last(QStringLiteral("说完了"))}}, {code(33), kSocketOpen, speak(3), kIdle, code(34), kIdle},
         {QStringLiteral("说完了|1|34")}, 1, 1, false, {}, {QStringLiteral("说完了")}},
        {"a press while the final result is awaited: that result is still typed, then the next one", true, false, {},
         {{StandInSpeechServer::kOnEnd, later(SpeechAnswer::last(QStringLiteral("你好")), 700)}},
         {code(33), kSocketOpen, speak(2), code(34), wait(450), code(33), kSocketOpen, speak(2), code(34), kIdle, delivered(2)},
         {QStringLiteral("你好|1|34"), QStringLiteral("你好|1|34")}, 2, 2, false, {}, {QStringLiteral("你好"), QStringLiteral("你好")}},
        {"a refused press while the final result is awaited does not drop it", true, false, {},
         {{StandInSpeechServer::kOnEnd, later(SpeechAnswer::last(QStringLiteral("别丢")), 300)}},
         {code(33), kSocketOpen, speak(2), code(34), code(33), seen(shown("点击太快了", 33)), code(34), kIdle, delivered(1)},
         {QStringLiteral("别丢|1|34")}, 1, 1, false, {}, {QStringLiteral("别丢")}, 0, 5000},
        {"a connection closed before the final result: its text is typed, the failure stays its 2 s", true, false,
         {.closeWithoutLast = true}, {{kMid, SpeechAnswer::mid(QStringLiteral("断开前"))}},
         {code(33), kSocketOpen, speak(2), seen(QStringLiteral("断开前|33")), code(34), kIdle, showing(shown("连接服务器失败,请检查网络", 0)),
          wait(1500), showing(shown("连接服务器失败,请检查网络", 0)), wait(1200)},
         {QStringLiteral("断开前|0|33"), QStringLiteral("断开前|1|34")}, 1, 1, false, {}, {QStringLiteral("断开前")}},
        {"a slow server is not called unreachable: the time-out types what came", true, false, {},
         {{kMid, SpeechAnswer::mid(QStringLiteral("慢慢说"))}, {StandInSpeechServer::kOnEnd, later(SpeechAnswer::last(QStringLiteral("太晚")), 2500)}},
         {code(33), kSocketOpen, speak(2), seen(QStringLiteral("慢慢说|33")), code(34), kIdle, wait(800)},
         {QStringLiteral("慢慢说|0|33"), QStringLiteral("慢慢说|1|34")}, 1, 1, false, shown("连接服务器失败,请检查网络", 0), {QStringLiteral("慢慢说")}},
        {"without a final result the time-out delivers the text by the key released", true, false, {},
         {{kMid, SpeechAnswer::mid(QStringLiteral("打开计算器"))}},
         {code(35), kSocketOpen, speak(2), seen(QStringLiteral("打开计算器|35")), wait(450), code(36), kIdle},
         {QStringLiteral("打开计算器|0|35"), QStringLiteral("打开计算器|1|36")}, 1, 1, false, {}, {}, 1},
        {"no speech while the socket is open: the popup says so, recording goes on", true, false,
         {.neverAnswer = true}, {},
         {code(33), kSocketOpen, wait(1100), seen(shown("没有听到您说话，请按语音键重说", 0)), code(34), kIdle},
         {}, 1, 1, false},
        {"no such text in the laser pen's microphone mode", true, true, {}, {},
         {code(33), wait(1100), code(34), kIdle},
         {}, 1, 1, true, shown("没有听到您说话，请按语音键重说", 0)},
        {"a release before the socket opens ends without audio", true, false, {.handshakeDelayMs = 300}, {},
         {code(33), code(34), kIdle, wait(400)},
         {}, 1, 1, true},
        {"a refused connection is told", true, false, {.refuse = true}, {},
         {code(33), seen(shown("连接服务器失败,请检查网络", 0)), code(34), kIdle},
         {}, 1, 1, true},
        {"a second utterance after the spacing survives a cancel", true, false, {},
         {{StandInSpeechServer::kOnEnd, SpeechAnswer::last(QStringLiteral("第二句"))}},
         {code(35), code(36), wait(430), code(33), kSocketOpen, speak(2), code(34), kIdle},
         {QStringLiteral("第二句|1|34")}, 2, 2, false, {}, {QStringLiteral("第二句")}},
    };

    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        freshHub(row.withPopup);
        VQAudioMonitorService::Timings timings = testTimings();
        timings.minStartSpacingMs = row.minStartSpacingMs;
        VQAudioMonitorService::setTimingsForTests(timings);
        clipboard.writes.clear();
        keys.events.clear();
        opener.opened.clear();
        VQUserInfoData& state = VQUserInfoData::sharedInstance();
        state.setIsLaser(row.laserMicrophone);
        state.setIsVoice(row.laserMicrophone);
        state.setLaserPenVoiceFunctionIndex(0);
        server.clearScript();
        for (const auto& [trigger, answer] : row.script)
            server.addAnswer(trigger, answer);
        server.setMisbehaviour(row.server);
        const int firstConnection = server.connectionCount();

        for (const Step& step : row.steps) {
            switch (step.kind) {
            case Step::Code:
                VQDeviceEvents::hidCallbackType(step.value);
                break;
            case Step::Speak:
                ASSERT_TRUE(vqtest::waitUntil([] { return VQAudioQueueCapture::sharedInstance().isRecording(); }));
                microphone.feed(speech(step.value));
                break;
            case Step::Wait:
                vqtest::spin(step.value);
                break;
            case Step::SocketOpen:
                ASSERT_TRUE(vqtest::waitUntil([] { return VQWebApiAsrService::sharedInstance().isSocketOpen(); }));
                break;
            case Step::Seen:
                ASSERT_TRUE(vqtest::waitUntil([&] {
                    return row.withPopup ? popup->shows.contains(step.text) : tipText() == step.text;
                })) << step.text.toStdString() << " not shown; popup: " << popup->shows.join(QLatin1Char(';')).toStdString()
                    << " tip: " << tipText().toStdString();
                break;
            case Step::TipClosed:
                EXPECT_FALSE(VQPopupWindowTool::sharedInstance().tipWindow()->isVisible());
                break;
            case Step::Idle:
                ASSERT_TRUE(vqtest::waitUntil(hubIsIdle, 10000)) << "press type " << hub().pressType();
                break;
            case Step::Delivered:
                EXPECT_TRUE(vqtest::waitUntil([&] { return log->only(QStringLiteral("deliver:")).size() >= step.value; }));
                break;
            case Step::Showing:
                EXPECT_TRUE(popup->isShow() && popup->shows.value(popup->shows.size() - 1) == step.text)
                    << popup->shows.join(QLatin1Char(';')).toStdString();
                break;
            }
        }

        QStringList delivered = log->only(QStringLiteral("deliver:"));
        delivered.replaceInStrings(QStringLiteral("deliver:"), QString());
        EXPECT_EQ(delivered, row.delivered);
        EXPECT_EQ(log->count(QStringLiteral("start")), row.starts);
        EXPECT_EQ(log->count(QStringLiteral("finish")), row.finishes);
        EXPECT_FALSE(popup->isShow());
        if (!row.neverShown.isEmpty()) {
            EXPECT_FALSE(popup->shows.contains(row.neverShown));
        }
        bool framesSent = false;
        for (int i = firstConnection; i < server.connectionCount(); ++i)
            framesSent = framesSent || !server.connection(i).frames.isEmpty();
        EXPECT_EQ(framesSent, !row.noFrames);
        // Fresh settings: typing compatibility mode is on, and no device is there to type the chord.
        const FakeKeySynthesizer::Event paste{MacKeyMap::kKeyCodeV, true, MacKeyMap::kFlagCommand};
        EXPECT_EQ(clipboard.writes, row.pasted);
        EXPECT_EQ(int(keys.keyDowns().count(paste)), int(row.pasted.size()));
        EXPECT_EQ(int(opener.opened.size()), row.searches);
        EXPECT_TRUE(hubIsIdle());
        EXPECT_EQ(VQBLEMouseCommandManager::sharedInstance().pressType(), 0);
    }
}

TEST_F(HubTest, OtherCodesReachTheModeTipsEnterAndTheKeyDispatcher)
{
    plugAndSettle();
    // Key type 5: a single press pastes, a long press runs voice search while held.
    auto choose = [](const char* operation, const char* cmd) {
        const QJsonObject function{{QStringLiteral("id"), QString::fromLatin1(cmd)},
                                   {QStringLiteral("cmd"), QString::fromLatin1(cmd)},
                                   {QStringLiteral("first"), QStringLiteral("1")}};
        return QJsonObject{{QStringLiteral("operation"), QString::fromLatin1(operation)},
                           {QStringLiteral("childs"), QJsonArray{function}}};
    };
    VQUserInfoData::sharedInstance().setMouseSettingArr({MouseSettingModel::fromJson(QJsonObject{
        {QStringLiteral("key"), QString::fromLatin1(MouseSettingModel::kKeyTranslate)},
        {QStringLiteral("childs"), QJsonArray{choose("sk", "Action_paste"), choose("lk", "Action_VS")}}})});

    using Key = FakeKeySynthesizer::Event;
    struct Row {
        const char* name;
        std::vector<int> codes;
        bool compatibleMode;
        bool switchedOffProduct;
        QList<Key> keyDowns;
        QStringList typed; // "modifier:usage" the device typed
        QString tip;
        int pressType;
        bool running;
        int finishes;
        bool unplugged = false; // the receiver is pulled out first
    };
    const Row rows[] = {
        {"mode key: typing", {30}, false, false, {}, {}, L("切换到打字模式"), 33, false, 0},
        {"mode key: translation", {31}, false, false, {}, {}, L("切换到翻译模式"), 37, false, 0},
        {"Enter synthesised", {50}, false, false, {{MacKeyMap::kKeyCodeKeypadEnter, true, MacKeyMap::kFlagNonCoalesced}},
         {}, {}, 0, false, 0},
        {"Enter typed by the device in compatibility mode", {50}, true, false, {}, {QStringLiteral("0:28")}, {}, 0,
         false, 0},
        {"single press of key type 5 goes to the dispatcher", {59}, false, false,
         {{MacKeyMap::kKeyCodeV, true, MacKeyMap::kFlagCommand}}, {}, {}, 0, false, 0},
        {"long press of key type 5: voice search, cancelled by the release soon after", {61, 62}, false, false, {}, {},
         {}, 0, false, 1},
        {"a switched-off product ignores every code", {33, 50, 59, 61}, false, true, {}, {}, {}, 0, false, 0},
        {"codes outside the table are ignored", {29, 32, 39, 49, 71}, false, false, {}, {}, {}, 0, false, 0},
        {"Enter synthesised in compatibility mode while no device is there to type it", {50}, true, false,
         {{MacKeyMap::kKeyCodeKeypadEnter, true, MacKeyMap::kFlagNonCoalesced}}, {}, {}, 0, false, 0, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        freshHub(true);
        VQKeyPressManager::sharedInstance().setLastPressType(0);
        VQUserInfoData& state = VQUserInfoData::sharedInstance();
        state.setCompatibleModeSwitch(row.compatibleMode);
        state.setProductCode(row.switchedOffProduct ? QStringLiteral("260") : QString());
        state.setFuncSwitch(false);
        VQPopupWindowTool::sharedInstance().tipWindow()->closeTip();
        keys.events.clear();
        if (row.unplugged) {
            receiver.unplug();
            ASSERT_TRUE(vqtest::waitUntil([] { return !HIDDevice::sharedManager().isOpen(); }));
        }
        receiver.clearRecords();

        for (int c : row.codes)
            VQDeviceEvents::hidCallbackType(c);
        settle();

        EXPECT_EQ(keys.keyDowns(), row.keyDowns);
        QStringList typed;
        for (const auto& key : receiver.device().typedKeys)
            typed << QStringLiteral("%1:%2").arg(key.first, 0, 16).arg(key.second, 0, 16);
        EXPECT_EQ(typed, row.typed);
        EXPECT_EQ(tipText(), row.tip);
        EXPECT_EQ(hub().pressType(), row.pressType);
        EXPECT_EQ(hub().hadStart(), row.running);
        EXPECT_EQ(log->count(QStringLiteral("finish")), row.finishes);
        hub().cancelAsr();
    }
    VQUserInfoData::sharedInstance().setProductCode(QString());
}
