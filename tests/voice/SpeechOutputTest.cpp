// Speech output and audio playback over fake engines: the status reports of an utterance with
// the finish notification, start while speaking or paused, a missing engine; addresses handed
// to the player; and the silence when a recording starts.
#include "AppAudioTool.h"
#include "AsrServiceFixture.h"
#include "FakeAudioPlayer.h"
#include "FakeSpeechEngine.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "TKTTSManager.h"
#include "TestSupport.h"
#include "VQApiConfig.h"
#include "VQNotificationNames.h"
#include "VQPopupWindowTool.h"
#include "VQTipWindow.h"
#include "VQVoiceSetup.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

QString tipText()
{
    return VQPopupWindowTool::sharedInstance().tipWindow()->text();
}

QString localized(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

class SpeechOutputTest : public ::testing::Test {
protected:
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }
    static void reset()
    {
        TKTTSManager::resetForTests();
        AppAudioTool::resetForTests();
        NotificationCenter::defaultCenter().resetForTests();
        VQPopupWindowTool::resetForTests();
    }
};

} // namespace

// Each script is a list of steps: "block" sets the completion block, "text:<t>" the text,
// "start", "pause<b>", "stop<b>", "continue" call the manager (their results are logged),
// "finish" and "fail" end the engine's utterance, "settle" runs the event loop, "trail" and
// "quiet" log "|" and wait for the end of the pause after a finished utterance or let it pass. The
// log holds the results, "n" for each "TTSPlayCompleteNoti" ("n late" when that pause had passed)
// and "b<status>" for each call of the block.
TEST_F(SpeechOutputTest, StatusReportsFollowTheUtterance)
{
    struct Row {
        const char* name;
        bool unavailable;
        const char* script;
        const char* log;
        const char* engineCalls;
        int finalStatus;
    };
    const Row rows[] = {
        {"spoken to the end", false, "block text:a start settle finish settle trail", "start=1 b1 | n late b4", "say:a|", 4},
        {"paused and resumed", false, "block text:a start settle pause0 settle continue settle finish settle trail",
         "start=1 b1 pause0=1 b2 b3 | n late b4", "say:a| pause resume", 4},
        {"pause after the word", false, "block text:a start settle pause1 settle", "start=1 b1 pause1=1 b2", "say:a| pause", 2},
        {"unknown boundary changes nothing", false, "block text:a start settle pause2 stop2 settle", "start=1 b1 pause2=0 stop2=0",
         "say:a|", 1},
        {"pause and stop with nothing speaking", false, "block pause0 stop0 settle", "pause0=0 stop0=0", "", 0},
        {"stopped", false, "block text:a start settle stop0 settle", "start=1 b1 stop0=1 b4", "say:a| stop", 4},
        {"a start while speaking stops, the next speaks", false,
         "block text:a start settle text:b start settle start settle", "start=1 b1 start=0 b4 start=1 b1", "say:a| stop say:b|", 1},
        {"a start while paused speaks the new text", false,
         "block text:a start settle pause0 settle text:b start settle finish settle trail",
         "start=1 b1 pause0=1 b2 start=1 b1 | n late b4",
         "say:a| pause stop say:b|", 4},
        {"the engine breaks off", false, "block text:a start settle fail settle", "start=1 b1 b4", "say:a|", 4},
        {"a start, then a stop, in the pause after the end end it", false,
         "block text:a start settle finish settle start settle quiet start settle finish settle stop0 settle quiet",
         "start=1 b1 start=0 b4 | start=1 b1 stop0=1 b4 |", "say:a| say:a|", 4},
        {"an empty text finishes at once", false, "block text: start settle", "start=0 n b4", "", 4},
        // The block set right after the start still hears the end.
        {"no engine", true, "text:a start block settle start settle", "start=0 b4 start=0 b4", "", 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        reset();
        FakeSpeechEngine engine;
        engine.unavailable = row.unavailable ? QStringLiteral("no speech engine is installed") : QString();
        TKTTSManager& tts = TKTTSManager::sharedInstance();
        QStringList log;
        QObject owner;
        QElapsedTimer finishedAt;
        NotificationCenter::defaultCenter().addObserver(&owner, QString::fromLatin1(vq::TTSPlayCompleteNoti),
                                                        [&](const VQNotification&) {
                                                            log << QStringLiteral("n");
                                                            if (finishedAt.isValid() && finishedAt.elapsed() >= TKTTSManager::kDelayAfterMs)
                                                                log << QStringLiteral("late");
                                                        });
        for (const QString& step : QString::fromUtf8(row.script).split(QLatin1Char(' '))) {
            if (step == QLatin1String("block"))
                tts.setCompleteBlock([&log](int status) { log << QStringLiteral("b%1").arg(status); });
            else if (step.startsWith(QLatin1String("text:")))
                tts.setSpeakString(step.mid(5));
            else if (step == QLatin1String("start"))
                log << QStringLiteral("start=%1").arg(int(tts.startSpeak()));
            else if (step.startsWith(QLatin1String("pause")))
                log << QStringLiteral("%1=%2").arg(step).arg(int(tts.pauseSpeak(step.mid(5).toInt())));
            else if (step.startsWith(QLatin1String("stop")))
                log << QStringLiteral("%1=%2").arg(step).arg(int(tts.stopSpeak(step.mid(4).toInt())));
            else if (step == QLatin1String("continue"))
                tts.continueSpeak();
            else if (step == QLatin1String("finish")) {
                finishedAt.start();
                engine.finishCurrent();
            } else if (step == QLatin1String("trail")) {
                log << QStringLiteral("|");
                vqtest::waitUntil([&log] { return log.last() == QLatin1String("b4"); });
            } else if (step == QLatin1String("quiet")) {
                log << QStringLiteral("|");
                vqtest::spin(TKTTSManager::kDelayAfterMs + 100);
            }
            else if (step == QLatin1String("fail"))
                engine.failCurrent(QStringLiteral("broken pipe"));
            else if (step == QLatin1String("settle"))
                settle();
            else
                FAIL() << "unknown step " << step.toStdString();
        }
        EXPECT_EQ(log.join(QLatin1Char(' ')), QString::fromUtf8(row.log));
        EXPECT_EQ(engine.calls.join(QLatin1Char(' ')), QString::fromUtf8(row.engineCalls));
        EXPECT_EQ(tts.currentStatus(), row.finalStatus);
        EXPECT_EQ(tipText(), row.unavailable ? localized(TKTTSManager::kCannotSpeakText) : QString());
    }
}

TEST_F(SpeechOutputTest, AddressesReachThePlayerOrATip)
{
    struct Row {
        const char* name;
        QStringList addresses; // "-" stops
        bool failPlayback;
        const char* playerCalls;
        bool tip;
    };
    const Row rows[] = {
        {"a network address", {QStringLiteral(" https://media.example/a.mp3 ")}, false, "play:https://media.example/a.mp3", false},
        {"an absolute path", {QStringLiteral("/tmp/answer one.wav")}, false, "play:file:///tmp/answer one.wav", false},
        {"an empty address only pauses", {QStringLiteral("http://h/a.mp3"), QString()}, false, "play:http://h/a.mp3 pause", false},
        {"a new address replaces the playing one", {QStringLiteral("http://h/a.mp3"), QStringLiteral("http://h/b.mp3")}, false,
         "play:http://h/a.mp3 pause play:http://h/b.mp3", false},
        {"stop", {QStringLiteral("http://h/a.mp3"), QStringLiteral("-")}, false, "play:http://h/a.mp3 pause", false},
        {"nothing playing", {QString(), QStringLiteral("-")}, false, "", false},
        {"not an audio address", {QStringLiteral("javascript:alert(1)"), QStringLiteral("ftp://h/a.mp3"), QStringLiteral("http://")},
         false, "", true},
        {"the audio cannot be played", {QStringLiteral("http://h/missing.mp3")}, true, "play:http://h/missing.mp3", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        reset();
        FakeAudioPlayer player;
        for (const QString& address : row.addresses) {
            if (address == QLatin1String("-"))
                AppAudioTool::sharedManager().stop();
            else
                AppAudioTool::sharedManager().playAudioWithURL(address);
        }
        if (row.failPlayback)
            player.failCurrent(QStringLiteral("404"));
        settle();
        EXPECT_EQ(player.calls.join(QLatin1Char(' ')), QString::fromUtf8(row.playerCalls));
        EXPECT_EQ(tipText(), row.tip ? localized(AppAudioTool::kCannotPlayText) : QString());
    }
}

// A text is spoken through web speech requests played one after the other: a short one is one
// request of the Chinese host; a long one is cut at its marks into requests of under 101
// characters of pieces (a piece reaching that alone begins the next), each request played once
// the one before has ended. An address that cannot be played ends the list with a tip.
TEST_F(SpeechOutputTest, WebSpeechRequestsPlayInOrder)
{
    VQApiConfig::setBaseUrl(VQApiConfig::Endpoint::WebSpeech, QStringLiteral("http://speech.test"));
    VQApiConfig::setBaseUrl(VQApiConfig::Endpoint::WebSpeechChinese, QStringLiteral("http://zh.test"));
    const QString a(60, u'a'), b(30, u'b'), c(20, u'c'), d(50, u'd'), e(120, u'e');
    struct Row {
        const char* name;
        QString text;
        int failAt; // the request that cannot be played; -1: none
        QStringList played; // host|text|language of each request played
        bool tip;
    };
    const Row rows[] = {
        {"short", QStringLiteral("a&b=c 1+1#"), -1, {QStringLiteral("zh.test|a&b=c 1+1#|")}, false},
        {"long", a + u',' + b + u'。' + c + u'!' + d, -1,
         {QStringLiteral("speech.test|%1.%2.|en").arg(a, b), QStringLiteral("speech.test|%1.%2.|en").arg(c, d)}, false},
        {"a piece reaching the length alone", e + QStringLiteral(",f"), -1,
         {QStringLiteral("speech.test|%1|en").arg(e), QStringLiteral("speech.test|f|en")}, false},
        {"blank", QStringLiteral("  "), -1, {}, false},
        {"a request cannot be played", a + u',' + b + u'。' + c + u'!' + d, 0,
         {QStringLiteral("speech.test|%1.%2.|en").arg(a, b)}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        reset();
        FakeAudioPlayer player;
        AppAudioTool::sharedManager().playAudioWithText(row.text, QStringLiteral("en"));
        QStringList played;
        for (int i = 0; i < 5; ++i) {
            settle();
            const QStringList plays = player.calls.filter(QRegularExpression(QStringLiteral("^play:")));
            if (plays.size() <= played.size())
                break;
            const QUrl url(plays.last().mid(5));
            const QUrlQuery query(url);
            const QString text = query.hasQueryItem(QStringLiteral("q")) ? query.queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded)
                                                                         : query.queryItemValue(QStringLiteral("text"), QUrl::FullyDecoded);
            played << QStringLiteral("%1|%2|%3").arg(url.host(), text, query.queryItemValue(QStringLiteral("tl")));
            if (i == row.failAt)
                player.failCurrent(QStringLiteral("404"));
            else
                player.finishCurrent();
        }
        EXPECT_EQ(played, row.played);
        EXPECT_EQ(tipText(), row.tip ? localized(AppAudioTool::kCannotPlayText) : QString());
    }
    VQApiConfig::resetForTests();
}

// A recording starts in silence: the speech pauses at once and the playback stops; the next
// answer is spoken in place of the paused one.
using RecordingSilenceTest = asrtest::AsrServiceTest;

TEST_F(RecordingSilenceTest, RecordingPausesSpeechAndStopsPlayback)
{
    TKTTSManager::resetForTests();
    AppAudioTool::resetForTests();
    FakeSpeechEngine engine;
    FakeAudioPlayer player;
    VQVoiceSetup::install();
    TKTTSManager& tts = TKTTSManager::sharedInstance();
    tts.setSpeakString(QStringLiteral("earlier answer"));
    tts.startSpeak();
    AppAudioTool::sharedManager().playAudioWithURL(QStringLiteral("http://h/a.mp3"));
    begin();
    ASSERT_TRUE(waitOpen());
    ASSERT_TRUE(vqtest::waitUntil([&] { return engine.calls.contains(QStringLiteral("pause")); }));
    EXPECT_EQ(player.calls, QStringList({QStringLiteral("play:http://h/a.mp3"), QStringLiteral("pause")}));
    EXPECT_EQ(tts.currentStatus(), TKTTSManager::kStatusPaused);
    service().cancelAsr();
    tts.setSpeakString(QStringLiteral("next answer"));
    EXPECT_TRUE(tts.startSpeak());
    EXPECT_EQ(engine.calls.join(QLatin1Char(' ')), QStringLiteral("say:earlier answer| pause stop say:next answer|"));
    TKTTSManager::resetForTests();
    AppAudioTool::resetForTests();
}
