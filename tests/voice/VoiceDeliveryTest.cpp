// What becomes of recognised text: pasted (or typed by the device, or handed to the AI window)
// and posted to the local service, matched as a command, or translated phrase by phrase while
// the translation key is held and pasted as a whole after release.
#include "../device/DeviceTestFixture.h"
#include "AppDelegate.h"
#include "FakeAudioCaptureBackend.h"
#include "FakeClipboard.h"
#include "FakeDesktopOpener.h"
#include "FakeGlobalShortcuts.h"
#include "FakeKeySynthesizer.h"
#include "MacKeyMap.h"
#include "QRNLocalizedString.h"
#include "StandInHttpServer.h"
#include "StandInLocalService.h"
#include "VQEventCode.h"
#include "VQHttpRequestManager.h"
#include "VoiceHubFixture.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QUrlQuery>

#include <memory>
#include <vector>

using vqtest::StandInReply;
using vqtest::StandInRequest;

namespace {

// The popup's translation line, every text it was given.
class TranslationPopup : public voicetest::RecordingSpeechPopup {
public:
    void showYiText(const QString& text) override { yiTexts << text; }
    QStringList yiTexts;
};

class DeliveryTest : public DeviceTest {
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        plugAndSettle();
        voicetest::resetVoice();
        VQHttpRequestManager::sharedInstance().setNetworkDownCheckForTests([] { return false; });
        ASSERT_TRUE(speech.start());
        ASSERT_TRUE(maker.listen());
        ASSERT_TRUE(local.listen());
        speech.setMisbehaviour({.neverAnswer = true}); // results are given by the test
        voicetest::installVoice(speech, &popup);
        maker.installAsMakerServices();
        // The translation service answers "[text]"; a text listed in failOnce fails its first time.
        maker.setResponder(QStringLiteral("/api/translate"), [this](const StandInRequest& request) {
            const QString text = request.queryValue(QStringLiteral("text")).value_or(QString());
            StandInReply reply = failOnce.removeOne(text)
                ? StandInReply::api(QJsonValue(), 500, QStringLiteral("busy"))
                : StandInReply::api(QJsonObject{{QStringLiteral("text"), text},
                                                {QStringLiteral("transText"), QStringLiteral("[%1]").arg(text)}});
            reply.delayMs = slow.contains(text) ? 300 : 0;
            return reply;
        });
        VQAudioMonitorService::Timings timings;
        timings.minStartSpacingMs = 0;
        timings.minSearchHoldMs = 200;
        timings.finalResultTimeOutMs = 5000;
        VQAudioMonitorService::setTimingsForTests(timings);
        VQAudioMonitorService::setLocalServicePort(local.port());
        hub().setAiWindowHook([this](const QString& text) { aiQuestions << text; });
        VQUserInfoData::sharedInstance().setCompatibleModeSwitch(false);
    }

    void TearDown() override
    {
        voicetest::resetVoice();
        VQHttpRequestManager::sharedInstance().resetForTests();
        DeviceTest::TearDown();
    }

    static VQAudioMonitorService& hub() { return VQAudioMonitorService::sharedInstance(); }

    // Press and hold a voice key until the recognition runs.
    void press(int code)
    {
        VQDeviceEvents::hidCallbackType(code);
        ASSERT_TRUE(hub().hadStart());
    }

    // What the recogniser reports, in the order the service tells it: listener, then result block.
    void report(const QString& display, int status)
    {
        Q_EMIT VQWebApiAsrService::sharedInstance().speechManagerRecognitionStatusChangeRecognizingAsrNewResult(
            display, QString(), status);
        hub().handleResult(true, display, status == 2);
    }

    QStringList translateRequests() const
    {
        QStringList texts;
        for (const StandInRequest& request : maker.requests()) {
            if (request.path == QLatin1String("/api/translate"))
                texts << request.queryValue(QStringLiteral("text")).value_or(QStringLiteral("<none>"));
        }
        return texts;
    }

    QStringList typedByDevice()
    {
        QStringList typed;
        for (const auto& key : receiver.device().typedKeys)
            typed << QStringLiteral("%1:%2").arg(key.first).arg(key.second);
        return typed;
    }

    FakeGlobalShortcuts shortcuts;
    FakeAudioCaptureBackend microphone;
    FakeKeySynthesizer keys;
    FakeClipboard clipboard;
    FakeDesktopOpener opener;
    vqtest::StandInSpeechServer speech;
    vqtest::StandInHttpServer maker;
    vqtest::StandInLocalService local;
    TranslationPopup popup;
    QStringList failOnce;
    QStringList slow;
    QStringList aiQuestions;
};

const FakeKeySynthesizer::Event kPasteKey{MacKeyMap::kKeyCodeV, true, MacKeyMap::kFlagCommand};

TEST_F(DeliveryTest, FinalTextGoesWhereTheKeyAndTheModesSendIt)
{
    struct Row {
        const char* name;
        int press;
        QString finalText;
        bool compatibleMode = false;
        bool semantic = false;
        bool aiWindowOpen = false;
        QString productCode = {};
        bool clipboardRefuses = false;
        // Expected:
        QStringList clipboardWrites = {};
        int pasteKeys = 0;
        QStringList typed = {}; // "modifier:usage" the device typed
        QStringList posted = {}; // "data" of the local posts
        QStringList searched = {}; // the query of each web search opened
        QStringList aiTexts = {};
        QString tip = {};
    };
    const QString hello = QStringLiteral("你好");
    const Row rows[] = {
        {.name = "typing: clipboard, Control+V, local post", .press = 33, .finalText = hello, .clipboardWrites = {hello}, .pasteKeys = 1,
         .posted = {hello}},
        // Left GUI (8) is sent as Left Control (1) on Linux.
        {.name = "typing in compatibility mode: the device types the chord", .press = 33, .finalText = hello, .compatibleMode = true,
         .clipboardWrites = {hello}, .typed = {QStringLiteral("1:25")}, .posted = {hello}},
        {.name = "typing in semantic mode: nothing pasted or posted", .press = 33, .finalText = hello, .semantic = true},
        {.name = "an open AI window takes the text", .press = 33, .finalText = hello, .aiWindowOpen = true, .clipboardWrites = {hello},
         .posted = {hello}, .aiTexts = {hello}},
        {.name = "but not for a product whose AI window takes no text", .press = 33, .finalText = hello, .aiWindowOpen = true,
         .productCode = QStringLiteral("209"), .clipboardWrites = {hello}, .pasteKeys = 1, .posted = {hello}},
        {.name = "a refused clipboard pastes nothing, says so, still posts", .press = 33, .finalText = hello, .clipboardRefuses = true,
         .posted = {hello}, .tip = QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("粘贴失败"))},
        {.name = "search key: no command, searched without full stop and !", .press = 35,
         .finalText = QStringLiteral("打开计算器!。"), .searched = {QStringLiteral("打开计算器")}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        VQUserInfoData& state = VQUserInfoData::sharedInstance();
        state.setCompatibleModeSwitch(row.compatibleMode);
        state.setSemanticSwitch(row.semantic);
        state.setKeyAction(row.aiWindowOpen ? 18 : 0);
        state.setProductCode(row.productCode);
        std::unique_ptr<AppDelegate> delegate;
        if (row.aiWindowOpen) {
            delegate = std::make_unique<AppDelegate>();
            delegate->setIsShowAIWindow(true);
        }
        clipboard.acceptWrites = !row.clipboardRefuses;
        clipboard.writes.clear();
        keys.events.clear();
        receiver.clearRecords();
        opener.opened.clear();
        aiQuestions.clear();
        const int postsBefore = local.requestCount();
        VQPopupWindowTool::sharedInstance().tipWindow()->closeTip();

        press(row.press);
        report(row.finalText.left(2), 0);
        vqtest::spin(250); // the search key must be held a while
        VQDeviceEvents::hidCallbackType(row.press + 1);
        report(row.finalText, 2);
        ASSERT_TRUE(voicetest::hubIsIdle());
        if (!row.posted.isEmpty()) {
            ASSERT_TRUE(vqtest::waitUntil([&] { return local.requestCount() - postsBefore >= row.posted.size(); }));
        }
        settle();

        EXPECT_EQ(clipboard.writes, row.clipboardWrites);
        EXPECT_EQ(int(keys.keyDowns().count(kPasteKey)), row.pasteKeys);
        EXPECT_EQ(typedByDevice(), row.typed);
        EXPECT_EQ(local.texts().mid(postsBefore), row.posted);
        QStringList searched;
        for (const QUrl& url : opener.opened)
            searched << QUrlQuery(url).queryItemValue(QStringLiteral("wd"), QUrl::FullyDecoded);
        EXPECT_EQ(searched, row.searched);
        EXPECT_EQ(aiQuestions, row.aiTexts);
        if (!row.tip.isEmpty()) {
            EXPECT_EQ(VQPopupWindowTool::sharedInstance().tipWindow()->text(), row.tip);
        }
    }
}

TEST_F(DeliveryTest, TranslationGrowsPhraseByPhraseAndPastesTheWholeOnce)
{
    struct Report {
        QString display;
        int status;       // 0 interim, 1 sentence final, 2 the end (after release)
        int requestsThen; // wait until the translation service has seen this many requests
        int yiThen;       // and the translation line was set this often
        int settleMs = 0; // then let an answer that changes nothing come
    };
    struct Row {
        const char* name;
        QStringList failOnce;
        QStringList slow;
        std::vector<Report> reports;
        QStringList requests;
        QStringList yiTexts;
        QStringList pasted;
        bool failureTip = false; // the whole translation failed: told, as a selected-text one is
    };
    const Row rows[] = {
        {"phrases in order, the unfinished one asked again; the whole after release",
         {}, {},
         {{"Hello.", 0, 1, 1}, {"Hello. How are", 0, 2, 2}, {"Hello. How are you?", 1, 3, 3},
          {"Hello. How are you?", 2, 4, 4}},
         {"Hello.", " How are", " How are you?", "Hello. How are you?"},
         {"[Hello.]", "[Hello.][ How are]", "[Hello.][ How are you?]", "[Hello. How are you?]"},
         {"[Hello. How are you?]"}},
        {"a failed phrase keeps what was translated and is asked again at the next report",
         {"B."}, {},
         {{"A.B.", 0, 2, 1, 300}, {"A.B.C", 0, 4, 3}},
         {"A.", "B.", "B.", "C"},
         {"[A.]", "[A.][B.]", "[A.][B.][C]"},
         {}},
        {"a phrase in flight is not asked again; its stale answer is dropped and the new text asked",
         {}, {"Hi"},
         {{"Hi", 0, 1, 0}, {"Hi there", 0, 2, 1}},
         {"Hi", "Hi there"},
         {"[Hi there]"},
         {}},
        {"only sentence marks split; a failed whole translation pastes nothing",
         {"a^b。c？A&B + C#"}, {},
         {{"a^b。c？A&B + C#", 0, 3, 3}, {"a^b。c？A&B + C#", 2, 4, 3}},
         {"a^b。", "c？", "A&B + C#", "a^b。c？A&B + C#"},
         {"[a^b。]", "[a^b。][c？]", "[a^b。][c？][A&B + C#]"},
         {}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        failOnce = row.failOnce;
        slow = row.slow;
        maker.clearRequests();
        popup.yiTexts.clear();
        clipboard.writes.clear();
        keys.events.clear();
        const int postsBefore = local.requestCount();

        press(VQEventCode::kVoiceTranslationPressed);
        for (const Report& step : row.reports) {
            if (step.status == 2)
                VQDeviceEvents::hidCallbackType(VQEventCode::kVoiceTranslationReleased);
            report(step.display, step.status);
            ASSERT_TRUE(vqtest::waitUntil([&] {
                return translateRequests().size() >= step.requestsThen && popup.yiTexts.size() >= step.yiThen;
            })) << translateRequests().join(QLatin1Char('|')).toStdString();
            vqtest::spin(step.settleMs);
        }
        if (row.reports.back().status != 2) {
            hub().cancelAsr();
        } else if (!row.pasted.isEmpty()) {
            ASSERT_TRUE(vqtest::waitUntil([&] { return local.requestCount() > postsBefore; }));
        }
        // Late, stale or duplicate answers would show once no reply is open and the hub is idle.
        ASSERT_TRUE(vqtest::waitUntil([] { return VQHttpRequestManager::sharedInstance().openReplyCount() == 0 && voicetest::hubIsIdle(); }));

        EXPECT_EQ(translateRequests(), row.requests);
        EXPECT_EQ(popup.yiTexts, row.yiTexts);
        EXPECT_EQ(clipboard.writes, row.pasted);
        EXPECT_EQ(int(keys.keyDowns().count(kPasteKey)), int(row.pasted.size()));
        EXPECT_EQ(local.texts().mid(postsBefore), row.pasted);
        if (row.failureTip)
            EXPECT_EQ(VQPopupWindowTool::sharedInstance().tipWindow()->text(),
                      QRNLocalizedString::qrnAppLocalizedString(VQAudioMonitorService::translateFailedText()));
        ASSERT_TRUE(vqtest::waitUntil(voicetest::hubIsIdle));
    }
}

TEST_F(DeliveryTest, LocalPostIsTheExactTemplateAndNeverWaits)
{
    struct Row {
        QString text;
        QString sno; // null: unset
        QByteArray body;
    };
    const Row rows[] = {
        {QStringLiteral("你好"), QStringLiteral("SN-1"),
         "{\r\n    \"cmd\":\"voicetext\",\r\n    \"data\":\"你好\",\r\n    \"snr\":\"SN-1\"\r\n}"},
        {QStringLiteral("line one\nline \"two\"\t\\ end"), QString(),
         "{\r\n    \"cmd\":\"voicetext\",\r\n    \"data\":\"line one\\nline \\\"two\\\"\\t\\\\ end\",\r\n"
         "    \"snr\":\"\"\r\n}"},
        {QStringLiteral("bell\x07 é 🎉"), QStringLiteral("a\"b"),
         "{\r\n    \"cmd\":\"voicetext\",\r\n    \"data\":\"bell\\u0007 é 🎉\",\r\n    \"snr\":\"a\\\"b\"\r\n}"},
    };
    local.setDelayMs(300);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text.toStdString());
        VQUserInfoData::sharedInstance().setSno(row.sno);
        const int before = local.requestCount();
        hub().sendLocalhostHttp(row.text);
        // The post is on its way, not awaited: the stand-in, on this same thread, has not seen it.
        EXPECT_EQ(local.requestCount(), before);
        ASSERT_TRUE(vqtest::waitUntil([&] { return local.requestCount() > before; }));
        const StandInRequest request = local.requests().last();
        EXPECT_EQ(request.method, QByteArray("POST"));
        EXPECT_EQ(request.path, QStringLiteral("/api"));
        EXPECT_EQ(request.header("Content-Type"), QByteArray("application/json"));
        EXPECT_EQ(request.body, row.body);
        EXPECT_EQ(local.texts().last(), row.text);
    }
}

} // namespace
