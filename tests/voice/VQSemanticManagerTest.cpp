// Semantic answers as the user hears them: what the speech engine is asked to say and what the
// audio player is asked to play, before and after the speech ends; and the same through the
// recognition service and the stand-in speech server.
#include "AppAudioTool.h"
#include "AsrServiceFixture.h"
#include "FakeAudioPlayer.h"
#include "FakeSpeechEngine.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "TKTTSManager.h"
#include "TestSupport.h"
#include "VQNotificationNames.h"
#include "VQPopupWindowTool.h"
#include "VQSemanticManager.h"
#include "VQTipWindow.h"
#include "VQVoiceSetup.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

const QString kNotUnderstood = QStringLiteral("say:我听不懂你说什么，可以换个说法吗？|");
const QString kSong = QStringLiteral("http://music.example/a.mp3");

QJsonObject json(const char* text)
{
    return QJsonDocument::fromJson(QByteArray(text)).object();
}

class SemanticManagerTest : public ::testing::Test {
protected:
    void SetUp() override { resetAll(); }
    void TearDown() override { resetAll(); }

    static void resetAll()
    {
        VQSemanticManager::resetForTests();
        TKTTSManager::resetForTests();
        AppAudioTool::resetForTests();
        VQPopupWindowTool::resetForTests();
        NotificationCenter::defaultCenter().resetForTests();
    }

    static QString tipText()
    {
        VQTipWindow* tip = VQPopupWindowTool::sharedInstance().tipWindow();
        return tip && tip->isVisible() ? tip->text() : QString();
    }
};

// One answer from start to end of its speech: what is said at once, what plays while the
// speech runs (its start, status 1, plays nothing) and what plays once it has finished.
TEST_F(SemanticManagerTest, AnswersAreSpokenAndTheirAudioPlaysAfterTheSpeech)
{
    struct Row {
        const char* name;
        const char* dm;
        QStringList said;
        QStringList playedAtOnce;
        QStringList playedAfterSpeech;
        bool badLinkTip = false;
        bool engineUnavailable = false;
    };
    const QString song = QStringLiteral("play:") + kSong;
    const QString withLink = QStringLiteral(R"({"nlg":"好的","task":"music","widget":{"content":[{"linkUrl":"%1"}]}})").arg(kSong);
    const QByteArray withLinkText = withLink.toUtf8();
    const std::vector<Row> rows = {
        {"text and link", withLinkText.constData(), {QStringLiteral("say:好的|")}, {}, {song}},
        {"https link, command read", R"({"nlg":"好","command":{"api":"x","param":{}},"widget":{"content":[{"linkUrl":"https://a.example/s"}]}})",
         {QStringLiteral("say:好|")}, {}, {QStringLiteral("play:https://a.example/s")}},
        {"text only, command a string", R"({"nlg":"今天晴","task":"weather","command":"open"})", {QStringLiteral("say:今天晴|")}, {}, {}},
        {"no dm", "{}", {kNotUnderstood}, {}, {}},
        {"nulls", R"({"nlg":null,"task":null,"widget":null})", {kNotUnderstood}, {}, {}},
        {"skill without text", R"({"task":"light"})", {}, {}, {}},
        {"blank text, link", R"({"nlg":"  ","task":"music","widget":{"content":[{"linkUrl":"http://m.example/b"}]}})", {},
         {QStringLiteral("play:http://m.example/b")}, {}},
        {"text a number, task an object", R"({"nlg":42,"task":{"name":"music"}})", {kNotUnderstood}, {}, {}},
        {"text an array, link", R"({"nlg":["x"],"task":"music","widget":{"content":[{"linkUrl":"http://m.example/d"}]}})", {},
         {QStringLiteral("play:http://m.example/d")}, {}},
        {"widget a string", R"({"nlg":"a","widget":"http://m.example/e"})", {QStringLiteral("say:a|")}, {}, {}},
        {"content an object", R"({"nlg":"a","widget":{"content":{"linkUrl":"http://m.example/f"}}})", {QStringLiteral("say:a|")}, {}, {}},
        {"content empty", R"({"nlg":"a","widget":{"content":[]}})", {QStringLiteral("say:a|")}, {}, {}},
        {"first entry not an object", R"({"nlg":"a","widget":{"content":["x",{"linkUrl":"http://m.example/g"}]}})",
         {QStringLiteral("say:a|")}, {}, {}},
        {"link a number", R"({"nlg":"a","widget":{"content":[{"linkUrl":7}]}})", {QStringLiteral("say:a|")}, {}, {}},
        {"link empty", R"({"nlg":"a","widget":{"content":[{"linkUrl":""}]}})", {QStringLiteral("say:a|")}, {}, {}},
        {"link to a local file", R"({"nlg":"a","widget":{"content":[{"linkUrl":"file:///etc/passwd"}]}})", {QStringLiteral("say:a|")},
         {}, {}, true},
        {"no speech engine, link", withLinkText.constData(), {}, {song}, {}, false, true},
    };

    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        resetAll();
        FakeSpeechEngine engine;
        FakeAudioPlayer player;
        engine.unavailable = row.engineUnavailable ? QStringLiteral("no engine") : QString();
        int completions = 0;
        QObject observer;
        NotificationCenter::defaultCenter().addObserver(&observer, QString::fromLatin1(vq::TTSPlayCompleteNoti),
                                                        [&completions](const VQNotification&) { ++completions; });

        VQSemanticManager::sharedInstance().analysisData(json(row.dm));
        vqtest::spin(20);
        EXPECT_EQ(engine.calls, row.said);
        EXPECT_EQ(player.calls, row.playedAtOnce);
        EXPECT_EQ(completions, 0);
        const QString badLink = QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(VQSemanticManager::kBadLinkText));
        EXPECT_EQ(tipText() == badLink, row.badLinkTip) << tipText().toStdString();

        engine.finishCurrent();
        if (!row.said.isEmpty())
            ASSERT_TRUE(vqtest::waitUntil([&completions] { return completions > 0; })); // after the trailing pause
        vqtest::spin(20);
        EXPECT_EQ(player.calls, row.playedAtOnce + row.playedAfterSpeech);
        EXPECT_EQ(completions, row.said.isEmpty() ? 0 : 1);
        NotificationCenter::defaultCenter().removeObserver(&observer, QString::fromLatin1(vq::TTSPlayCompleteNoti));
    }
}

// A newer answer while the older one is still speaking, or paused because a recording began:
// the newer one is heard, the older one's audio never plays, the newer one's after its speech.
TEST_F(SemanticManagerTest, ANewerAnswerReplacesTheOneStillSpeaking)
{
    for (const bool pausedByRecording : {false, true}) {
        SCOPED_TRACE(pausedByRecording ? "paused" : "speaking");
        resetAll();
        FakeSpeechEngine engine;
        FakeAudioPlayer player;
        VQSemanticManager& manager = VQSemanticManager::sharedInstance();
        manager.analysisData(json(R"({"nlg":"第一","widget":{"content":[{"linkUrl":"http://m.example/1"}]}})"));
        vqtest::spin(20);
        if (pausedByRecording) {
            ASSERT_TRUE(TKTTSManager::sharedInstance().pauseSpeak(0));
            vqtest::spin(20);
        }
        manager.analysisData(json(R"({"nlg":"第二","widget":{"content":[{"linkUrl":"http://m.example/2"}]}})"));
        vqtest::spin(20);
        EXPECT_TRUE(player.calls.isEmpty()) << player.calls.join(QLatin1Char(',')).toStdString();
        ASSERT_TRUE(engine.isSpeaking());
        engine.finishCurrent();
        ASSERT_TRUE(vqtest::waitUntil([&player] { return !player.calls.isEmpty(); }));
        vqtest::spin(20);
        EXPECT_EQ(engine.calls.filter(QStringLiteral("say:")), (QStringList{QStringLiteral("say:第一|"), QStringLiteral("say:第二|")}));
        EXPECT_EQ(player.calls, QStringList{QStringLiteral("play:http://m.example/2")});
    }
}

// Through the service in semantic mode: the last result's "dm" (or its absence) is answered.
class SemanticServiceTest : public asrtest::AsrServiceTest {
protected:
    void TearDown() override
    {
        asrtest::AsrServiceTest::TearDown();
        VQSemanticManager::resetForTests();
        TKTTSManager::resetForTests();
        AppAudioTool::resetForTests();
    }
};

TEST_F(SemanticServiceTest, TheLastResultsUnderstandingIsAnswered)
{
    struct Row {
        const char* name;
        const char* dm;
        QStringList said;
        QStringList playedAfterSpeech;
    };
    const std::vector<Row> rows = {
        {"no dm", "{}", {kNotUnderstood}, {}},
        {"answer with audio", R"({"nlg":"来了","task":"music","widget":{"content":[{"linkUrl":"http://m.example/x"}]}})",
         {QStringLiteral("say:来了|")}, {QStringLiteral("play:http://m.example/x")}},
    };
    VQVoiceSetup::install();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TKTTSManager::resetForTests();
        AppAudioTool::resetForTests();
        FakeSpeechEngine engine;
        FakeAudioPlayer player;
        info().setSemanticSwitch(true);
        server.clearScript();
        server.addAnswer(vqtest::StandInSpeechServer::kOnEnd, vqtest::SpeechAnswer::last(QStringLiteral("放首歌"), json(row.dm)));
        log.clear();
        begin();
        ASSERT_TRUE(waitOpen());
        mic.feed(QByteArray(3000, '\x22'));
        service().endAsr();
        ASSERT_TRUE(waitLast());
        ASSERT_TRUE(vqtest::waitUntil([&engine] { return engine.isSpeaking(); }));
        EXPECT_EQ(engine.calls, row.said);
        EXPECT_TRUE(player.calls.isEmpty());
        engine.finishCurrent();
        ASSERT_TRUE(vqtest::waitUntil([&] { return player.calls.size() == row.playedAfterSpeech.size(); }));
        vqtest::spin(20);
        EXPECT_EQ(player.calls, row.playedAfterSpeech);
    }
}

} // namespace
