#include "FakeSpeechRecognizer.h"
#include "IFlyASRManager.h"
#include "TestSupport.h"
#include "UserDefaults.h"
#include "VQLanguageManager.h"
#include "VQUserInfoData.h"

#include <QThread>
#include <QVariantMap>

#include <gtest/gtest.h>

#include <thread>

namespace {

QVariantMap entry(const char* code, const QString& name)
{
    return QVariantMap{{QStringLiteral("code"), QString::fromLatin1(code)}, {QStringLiteral("name"), name}};
}

class IFlyASRManagerTest : public ::testing::Test {
protected:
    void SetUp() override { resetAll(); }
    void TearDown() override { resetAll(); }

    static void resetAll()
    {
        UserDefaults::resetStandardForTests();
        VQLanguageManager::resetForTests();
        VQUserInfoData::resetForTests();
        IFlyASRManager::resetForTests();
    }

    // Records "status text", marked "(null)" for a null text and "(off main)" off the main thread.
    IFlyASRManager::ResultBlock recordInto(QStringList& results)
    {
        return [&results](int status, const QString& text) {
            results.append(QStringLiteral("%1 %2%3%4").arg(QString::number(status), text,
                                                          text.isNull() ? QStringLiteral("(null)") : QString(),
                                                          QThread::currentThread() == qApp->thread() ? QString() : QStringLiteral("(off main)")));
        };
    }
};

} // namespace

TEST_F(IFlyASRManagerTest, EachUtteranceGetsTheSelectedLanguageAndPunctuation)
{
    const QString mandarin = QStringLiteral("普通话");
    const struct {
        QVariantList list;
        int index;
        bool punctuation;
        const char* language;
    } table[] = {
        {{}, 0, false, "zh-cn"}, // no list yet: the default code
        {{entry("ZH_CN", mandarin), entry("EN_US", QStringLiteral("English"))}, 1, true, "en-us"},
        {{entry("ZH_CN", mandarin), entry("ZH_TW", QStringLiteral("台湾"))}, 1, false, "zh-hk"},
        {{entry("ZH_CN", mandarin), entry("ZH_HANT", QStringLiteral("粤语（繁体）"))}, 1, true, "zh-hk"},
        // only the selected entry's name counts
        {{entry("ZH_HANT", QStringLiteral("繁体中文")), entry("ZH_CN", mandarin)}, 1, false, "zh-cn"},
        // an index past the end of the list selects the first entry
        {{entry("ZH_TW", QStringLiteral("台湾")), entry("EN_US", QStringLiteral("English"))}, 5, true, "zh-hk"},
        {{entry("Fr_fr", QStringLiteral("Français"))}, 0, true, "fr-fr"},
    };

    FakeSpeechRecognizer recognizer;
    for (const auto& row : table) {
        SCOPED_TRACE(row.language);
        VQLanguageManager::sharedInstance().setAudioLanguageArr(row.list);
        VQLanguageManager::sharedInstance().setAudioLanguageIndex(row.index);
        VQUserInfoData::sharedInstance().setPunctuationSwitch(row.punctuation);
        recognizer.calls.clear();

        ASSERT_TRUE(IFlyASRManager::sharedInstance().startAsr(nullptr));
        EXPECT_EQ(recognizer.calls, (QStringList{QStringLiteral("language ") + QString::fromLatin1(row.language),
                                                 row.punctuation ? QStringLiteral("punctuation on") : QStringLiteral("punctuation off"),
                                                 QStringLiteral("start")}));
        EXPECT_TRUE(IFlyASRManager::sharedInstance().stopAsr());
    }
}

TEST_F(IFlyASRManagerTest, AudioAndResultsBelongToTheRunningRecognition)
{
    IFlyASRManager& manager = IFlyASRManager::sharedInstance();
    const QByteArray chunk(1280, '\x11');
    QStringList results;

    // Without a recogniser nothing starts and nothing is reported.
    EXPECT_FALSE(manager.hasRecognizer());
    EXPECT_FALSE(manager.startAsr(recordInto(results)));
    EXPECT_FALSE(manager.stopAsr());

    auto recognizer = std::make_unique<FakeSpeechRecognizer>();
    EXPECT_EQ(recognizer->calls, (QStringList{QStringLiteral("language zh-cn"), QStringLiteral("punctuation on")}));
    recognizer->calls.clear();

    // A recogniser that does not start takes no audio, and its results reach no block.
    recognizer->startCode = 10'114;
    EXPECT_FALSE(manager.startAsr(recordInto(results)));
    manager.sendPcmData(chunk);
    EXPECT_TRUE(recognizer->reportResult(0, QStringLiteral("旧")));
    EXPECT_TRUE(results.isEmpty());
    EXPECT_FALSE(manager.stopAsr());

    // Started: audio is written (empty end marks are not), interim results arrive with
    // null texts made empty, also when reported on another thread.
    recognizer->startCode = 0;
    recognizer->calls.clear();
    ASSERT_TRUE(manager.startAsr(recordInto(results)));
    manager.sendPcmData(chunk);
    manager.sendPcmData(QByteArray());
    manager.sendPcmData(chunk.left(640));
    EXPECT_TRUE(recognizer->reportResult(1, QStringLiteral("你")));
    EXPECT_TRUE(recognizer->reportResult(1, QString()));
    EXPECT_TRUE(recognizer->reportError(10'165, QStringLiteral("engine busy")));
    std::thread([&recognizer] { recognizer->reportResult(1, QStringLiteral("你好")); }).join();
    ASSERT_TRUE(vqtest::waitUntil([&] { return results.size() == 3; }));

    // Stopped: no more audio, but the final result still reaches the block.
    EXPECT_TRUE(manager.stopAsr());
    manager.sendPcmData(chunk);
    EXPECT_TRUE(recognizer->reportResult(VQSpeechRecognizer::kStatusEnd, QStringLiteral("你好。")));
    EXPECT_FALSE(manager.stopAsr());
    EXPECT_EQ(recognizer->calls, (QStringList{QStringLiteral("language zh-cn"), QStringLiteral("punctuation off"),
                                              QStringLiteral("start"), QStringLiteral("write 1280"),
                                              QStringLiteral("write 640"), QStringLiteral("stop")}));
    EXPECT_EQ(recognizer->audio, chunk + chunk.left(640));
    EXPECT_EQ(results, (QStringList{QStringLiteral("1 你"), QStringLiteral("1 "), QStringLiteral("1 你好"), QStringLiteral("2 你好。")}));

    // The recogniser ending the utterance itself takes no audio after it; a failed stop is reported.
    results.clear();
    recognizer->calls.clear();
    ASSERT_TRUE(manager.startAsr(recordInto(results)));
    EXPECT_TRUE(recognizer->reportResult(VQSpeechRecognizer::kStatusEnd, QStringLiteral("好")));
    manager.sendPcmData(chunk);
    EXPECT_FALSE(manager.stopAsr());
    recognizer->stopCode = 10'700;
    ASSERT_TRUE(manager.startAsr(recordInto(results)));
    EXPECT_FALSE(manager.stopAsr());
    EXPECT_EQ(recognizer->calls.filter(QStringLiteral("write")), QStringList{});
    EXPECT_EQ(recognizer->calls.filter(QStringLiteral("stop")).size(), 1);

    // Replacing the recogniser mid-recognition stops it, and its later results are dropped.
    recognizer->stopCode = 0;
    ASSERT_TRUE(manager.startAsr(recordInto(results)));
    recognizer->calls.clear();
    results.clear();
    FakeSpeechRecognizer replacement;
    EXPECT_EQ(recognizer->calls, QStringList{QStringLiteral("stop")});
    EXPECT_FALSE(recognizer->reportResult(VQSpeechRecognizer::kStatusEnd, QStringLiteral("迟")));
    manager.sendPcmData(chunk);
    EXPECT_TRUE(replacement.audio.isEmpty());
    recognizer.reset();
    EXPECT_EQ(manager.recognizer(), &replacement);
    EXPECT_TRUE(results.isEmpty());
}
