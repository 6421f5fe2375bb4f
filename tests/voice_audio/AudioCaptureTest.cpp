#include "AudioCaptureTest.h"

#include "StandInSpeechServer.h"
#include "TestSupport.h"
#include "VQAudioDevices.h"
#include "VQAudioQueueCapture.h"
#include "VQWebApiAsrService.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// A spoken sentence as 16 kHz mono 16-bit little-endian samples: espeak-ng speaks it into a
// WAV, sox turns that into a 16 kHz mono WAV, whose data chunk is returned.
QByteArray spokenUtterance()
{
    QTemporaryDir dir;
    const QString spoken = dir.filePath(QStringLiteral("spoken.wav"));
    const QString wav = dir.filePath(QStringLiteral("utterance.wav"));
    if (QProcess::execute(QStringLiteral("espeak-ng"), { QStringLiteral("-w"), spoken,
                                                          QStringLiteral("open the calculator and play some music") })
            != 0
        || QProcess::execute(QStringLiteral("sox"), { spoken, QStringLiteral("-r"), QStringLiteral("16000"), QStringLiteral("-c"),
                                                      QStringLiteral("1"), QStringLiteral("-b"), QStringLiteral("16"),
                                                      QStringLiteral("-e"), QStringLiteral("signed-integer"), wav })
            != 0)
        return {};
    QFile file(wav);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const qsizetype size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        if (bytes.mid(at, 4) == "data")
            return bytes.mid(at + 8, size);
        at += 8 + size + (size & 1);
    }
    return {};
}

// Where the utterance lies whole and unchanged in the captured audio (in bytes, at a sample
// boundary); none when it does not.
std::optional<qsizetype> offsetOf(const QByteArray& utterance, const QByteArray& captured)
{
    const qsizetype firstSound = [&] {
        for (qsizetype i = 0; i + 1 < utterance.size(); i += 2) {
            if (utterance[i] != 0 || utterance[i + 1] != 0)
                return i;
        }
        return qsizetype(0);
    }();
    for (qsizetype at = firstSound; at + 1 < captured.size(); at += 2) {
        const qsizetype offset = at - firstSound;
        if (captured.mid(at, 2) == utterance.mid(firstSound, 2) && offset + utterance.size() <= captured.size()
            && captured.mid(offset, utterance.size()) == utterance)
            return offset;
    }
    return std::nullopt;
}

std::optional<VQAudioDevices::SelectResult> selectAndWait(const QString& name, VQAudioDevices::SelectResult* immediate)
{
    std::optional<VQAudioDevices::SelectResult> done;
    *immediate = VQAudioDevices::selectDefaultInputByName(name, [&done](VQAudioDevices::SelectResult r) { done = r; });
    vqtest::waitUntil([&done] { return done.has_value(); });
    return done;
}

} // namespace

TEST(RealMicrophone, TheChosenInputCarriesTheSpokenSamplesToTheSpeechServer)
{
    ASSERT_NE(g_pulse, nullptr);
    const QByteArray utterance = spokenUtterance();
    ASSERT_GT(utterance.size(), 16000 * 2) << "espeak-ng and sox give a spoken utterance of over a second";
    const QString micName = QString::fromLatin1(PrivatePulseAudio::kMicDescription);
    const QString defaultBefore = g_pulse->pactl({ QStringLiteral("get-default-source") });

    // A name that differs only in case is not the microphone: nothing changes.
    VQAudioDevices::SelectResult immediate {};
    EXPECT_EQ(selectAndWait(micName.toLower(), &immediate), VQAudioDevices::SelectResult::NotFound);
    EXPECT_EQ(immediate, VQAudioDevices::SelectResult::NotFound);
    EXPECT_EQ(g_pulse->pactl({ QStringLiteral("get-default-source") }), defaultBefore);

    // The microphone by its name: our capture and the server's default source both use it. (The
    // default at start is the speaker's monitor: recording from it would give only silence.)
    EXPECT_EQ(selectAndWait(micName, &immediate), VQAudioDevices::SelectResult::Selected);
    EXPECT_EQ(immediate, VQAudioDevices::SelectResult::Selected);
    EXPECT_EQ(g_pulse->pactl({ QStringLiteral("get-default-source") }), QString::fromLatin1(PrivatePulseAudio::kMicName));
    const std::optional<VQAudioDevices::Device> current = VQAudioDevices::currentDevice(VQAudioDevices::KindInput);
    ASSERT_TRUE(current.has_value());
    EXPECT_EQ(current->name, micName);

    vqtest::StandInSpeechServer server;
    ASSERT_TRUE(server.start());
    server.installAsSpeechHost();
    VQWebApiAsrService::resetForTests();
    VQWebApiAsrService& service = VQWebApiAsrService::sharedInstance();

    // No device is connected: the utterance comes from the microphone.
    std::optional<QString> finalText;
    bool success = false;
    service.beginAsrIsTransferAudio(false, [&](bool ok, const QString& text, bool isLast) {
        if (isLast) {
            finalText = text;
            success = ok;
        }
    });
    ASSERT_TRUE(vqtest::waitUntil([] { return VQAudioQueueCapture::sharedInstance().isRecording(); }, 10000));
    g_pulse->feedPaced(utterance);
    ASSERT_TRUE(vqtest::waitUntil([] { return !g_pulse->feeding(); }, 20000));
    vqtest::spin(500);
    service.endAsr();
    ASSERT_TRUE(vqtest::waitUntil([&finalText] { return finalText.has_value(); }, 10000));

    EXPECT_FALSE(VQAudioQueueCapture::sharedInstance().isRecording());
    ASSERT_EQ(server.connectionCount(), 1);
    const vqtest::SpeechConnection connection = server.connection(0);
    EXPECT_TRUE(connection.endReceived);
    EXPECT_TRUE(server.violations().isEmpty()) << server.violations().join(u'\n').toStdString();
    EXPECT_TRUE(offsetOf(utterance, connection.audio).has_value())
        << "the server decoded " << connection.audio.size() << " bytes without the " << utterance.size()
        << " bytes of the utterance";
    EXPECT_TRUE(success);
    EXPECT_EQ(*finalText,
              vqtest::StandInSpeechServer::defaultFinalText(int(connection.frames.size()), connection.audio));
    VQWebApiAsrService::resetForTests();
}
