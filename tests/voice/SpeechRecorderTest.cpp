// The recorder: what the microphone gave, as a WAV file of 16 kHz mono 16-bit samples, at most
// 60 s of it, handed to the callback when the recording stops; each file new, private to the user,
// deleted by the next start, and nothing planted in the shared temporary folder is written.
#include "FakeAudioCaptureBackend.h"
#include "TestSupport.h"
#include "VQSpeechService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <gtest/gtest.h>

#include <optional>

#include <sys/stat.h>

namespace {

struct Result {
    bool success = false;
    QVariant value;
};

quint32 u32(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 u16(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

} // namespace

TEST(SpeechRecorderTest, StopHandsOverTheWavFile)
{
    constexpr int kSecond = 16000 * 2;
    struct Row {
        const char* name;
        int seconds;       // fed in reads of one second
        bool secondStart;  // stopped by a second start instead of stopRecording()
        bool failStart;
        int dataBytes;     // expected in the file
    };
    const Row rows[] = {
        {"a short recording", 2, false, false, 2 * kSecond},
        {"the time cap", 61, false, false, 60 * kSecond},
        {"a second start stops it", 1, true, false, kSecond},
        {"no microphone", 0, false, true, -1},
    };
    const QString home = qEnvironmentVariable("HOME");
    qputenv("TMPDIR", QFile::encodeName(home + QStringLiteral("/tmp")));
    ASSERT_TRUE(QDir(home).mkpath(QStringLiteral("tmp")));
    ASSERT_TRUE(QFile::link(home + QStringLiteral("/victim.wav"), QDir::tempPath() + QStringLiteral("/selfRecord.wav")));
    const auto mode = [](const QString& path) {
        struct stat st {};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 0777 : 0u;
    };
    QString previous = QStringLiteral("none");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        VQSpeechService::resetForTests();
        FakeAudioCaptureBackend mic;
        mic.failStart = row.failStart;
        VQSpeechService& recorder = VQSpeechService::sharedInstance();
        std::optional<Result> result;
        int calls = 0;
        recorder.startRecordingCallback([&](bool success, const QVariant& value) {
            result = Result{success, value};
            ++calls;
        });
        QByteArray fed;
        for (int s = 0; s < row.seconds; ++s) {
            QByteArray second(kSecond, Qt::Uninitialized);
            for (int i = 0; i < kSecond; ++i)
                second[i] = char(s * 7 + i);
            fed += second;
            mic.feed(second);
            vqtest::spin(0);
        }
        if (row.secondStart)
            recorder.startRecordingCallback([&](bool, const QVariant&) { ++calls; });
        else
            recorder.stopRecording();
        ASSERT_TRUE(vqtest::waitUntil([&] { return result.has_value(); }, 10000));
        vqtest::spin(50);
        EXPECT_EQ(calls, 1);
        EXPECT_FALSE(recorder.isRecording());
        EXPECT_FALSE(mic.isActive());
        if (row.dataBytes < 0) {
            EXPECT_FALSE(result->success);
            EXPECT_FALSE(result->value.toString().isEmpty());
            continue;
        }
        ASSERT_TRUE(result->success);
        const QByteArray wav = result->value.toByteArray();
        ASSERT_EQ(wav.size(), 44 + row.dataBytes);
        EXPECT_EQ(wav.left(4), "RIFF");
        EXPECT_EQ(u32(wav, 4), quint32(36 + row.dataBytes));
        EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(u32(wav, 16), 16u);
        EXPECT_EQ(u16(wav, 20), 1); // integer PCM
        EXPECT_EQ(u16(wav, 22), 1); // mono
        EXPECT_EQ(u32(wav, 24), 16000u);
        EXPECT_EQ(u32(wav, 28), 32000u);
        EXPECT_EQ(u16(wav, 32), 2);
        EXPECT_EQ(u16(wav, 34), 16);
        EXPECT_EQ(wav.mid(36, 4), "data");
        EXPECT_EQ(u32(wav, 40), quint32(row.dataBytes));
        EXPECT_EQ(wav.mid(44), fed.left(row.dataBytes));
        const QString path = recorder.recordingPath();
        EXPECT_FALSE(path == previous || QFile::exists(previous)) << "a new file; the start deleted the last one";
        previous = path;
        EXPECT_EQ(mode(path), 0600u);
        EXPECT_EQ(mode(QFileInfo(path).path()), 0700u);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), wav);
    }
    EXPECT_FALSE(QFile::exists(home + QStringLiteral("/victim.wav"))) << "written through a link in the temporary folder";
    qunsetenv("TMPDIR");
    VQSpeechService::resetForTests();
}
