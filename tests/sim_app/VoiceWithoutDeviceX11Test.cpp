// The program with no device plugged, as a new user first meets it: the computer's microphone
// (a private sound server's pipe source), F1 pressed twice through XTest, the stand-in speech
// server or, for US English with long speech off, the offline recogniser and no speech server;
// and the X server going away while it records.
#include "PrivatePulseAudio.h"
#include "SimulatedProgram.h"
#include "StandInHttpServer.h"
#include "StandInSpeechServer.h"
#include "XTestUser.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QtEndian>

#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <algorithm>
#include <cmath>

namespace {

// A second of a 440 Hz tone, 16 kHz mono s16le.
QByteArray tone()
{
    QByteArray pcm(16000 * 2, Qt::Uninitialized);
    for (int i = 0; i < 16000; ++i)
        qToLittleEndian<qint16>(qint16(8000 * std::sin(2 * M_PI * 440 * i / 16000.0)), pcm.data() + 2 * i);
    return pcm;
}

class VoiceWithoutDeviceX11Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(pulse.start(&error)) << error.toStdString();
        // The user's microphone is the default input.
        pulse.pactl({QStringLiteral("set-default-source"), QString::fromLatin1(PrivatePulseAudio::kMicName)});
        ASSERT_TRUE(speech.start());
    }

    // Waits until the program's recognition streams the microphone, feeding it a tone.
    bool recording()
    {
        if (!vqtest::waitUntil([this] { return speech.connectionCount() > 0; }, 20000))
            return false;
        pulse.feedPaced(tone());
        return vqtest::waitUntil([this] { return !speech.connection(0).frames.isEmpty(); }, 20000);
    }

    // Waits until the process printed a line holding the text (output collects what it printed).
    static bool printed(QProcess& process, QByteArray& output, const QByteArray& text)
    {
        return vqtest::waitUntil([&] { return (output += process.readAllStandardOutput()).contains(text); }, 20000);
    }

    PrivatePulseAudio pulse;
    vqtest::StandInSpeechServer speech;
};

} // namespace

// Fresh settings have typing compatibility mode on; with no device to type the paste chord the
// program synthesises it, and the text lands in another program's focused field.
TEST_F(VoiceWithoutDeviceX11Test, TypingReachesAnotherProgramsField)
{
    SimulatedProgram program({{QStringLiteral("CORVANE_SPEECH_URL"), speech.url()}});
    ASSERT_TRUE(program.start());
    QProcess field;
    field.start(QStringLiteral(VQ_SELECTION_CLIENT), {QString(), QStringLiteral("200"), QStringLiteral("200")});
    QByteArray fieldOutput;
    ASSERT_TRUE(printed(field, fieldOutput, "ready"));
    XTestUser user;
    ASSERT_TRUE(user.ok());
    user.tap(XK_F1);
    ASSERT_TRUE(recording());
    ASSERT_TRUE(vqtest::waitUntil([this] { return !pulse.feeding(); }, 20000));
    user.tap(XK_F1);
    ASSERT_TRUE(vqtest::waitUntil([this] { return speech.connection(0).lastSent; }, 20000));
    const vqtest::SpeechConnection utterance = speech.connection(0);
    const QString text = vqtest::StandInSpeechServer::defaultFinalText(int(utterance.frames.size()), utterance.audio);
    EXPECT_TRUE(printed(field, fieldOutput, "\ntext " + text.toUtf8() + '\n')) << "the field said: " << fieldOutput.toStdString();
    EXPECT_GT(utterance.audio.size(), 16000) << "the microphone's audio did not reach the server";
    EXPECT_TRUE(speech.violations().isEmpty()) << speech.violations().join(QLatin1Char('\n')).toStdString();
    field.closeWriteChannel();
    field.waitForFinished(5000);
}

// US English with long speech off is recognised on this computer: no speech server runs. The
// language list came with the receiver, which is gone again when F1 is pressed.
TEST_F(VoiceWithoutDeviceX11Test, EnglishIsRecognisedWithoutSpeechServer)
{
    QFile recording(QStringLiteral("/usr/share/pocketsphinx/test/data/goforward.raw"));
    ASSERT_TRUE(recording.open(QIODevice::ReadOnly));
    vqtest::StandInHttpServer api;
    ASSERT_TRUE(api.listen());
    const auto language = [](const char* code, const char* name) {
        return QJsonObject{{QStringLiteral("code"), QLatin1String(code)}, {QStringLiteral("name"), QLatin1String(name)}};
    };
    api.setResponder(QStringLiteral("/api/getCustomerKey"), [&](const vqtest::StandInRequest&) {
        return vqtest::StandInReply::api(QJsonObject{{QStringLiteral("languages"), QJsonArray{language("ZH_CN", "Chinese"), language("EN_US", "English")}}});
    });
    SimulatedProgram program({{QStringLiteral("CORVANE_API_URL"), api.url(QString::fromLatin1(vqtest::StandInHttpServer::kApiPrefix))}}, false,
                             {{QStringLiteral("longVoiceModeSwitchKey"), false}, {QStringLiteral("audioLanguageIndexKey"), 1}});
    ASSERT_TRUE(program.start());
    ASSERT_TRUE(program.command("plug 248a 61ab").startsWith(QLatin1String("ok")));
    ASSERT_TRUE(program.waitForState([](const QJsonObject& s) { return s.value(QStringLiteral("connected")).toBool(); }));
    // The model information is kept for the device once it has been applied.
    ASSERT_TRUE(program.waitForSettings([](const QJsonObject& settings) {
        return std::any_of(settings.begin(), settings.end(), [](const QJsonValue& v) { return v.toString().contains(QLatin1String("EN_US")); });
    }, 20000));
    ASSERT_TRUE(program.command("unplug").startsWith(QLatin1String("ok")));
    ASSERT_TRUE(program.waitForState([](const QJsonObject& s) { return !s.value(QStringLiteral("connected")).toBool(); }));

    QProcess field;
    field.start(QStringLiteral(VQ_SELECTION_CLIENT), {QString(), QStringLiteral("200"), QStringLiteral("200")});
    QByteArray fieldOutput;
    ASSERT_TRUE(printed(field, fieldOutput, "ready"));
    XTestUser user;
    ASSERT_TRUE(user.ok());
    user.tap(XK_F1);
    ASSERT_TRUE(vqtest::waitUntil([this] { return !pulse.pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("source-outputs")}).isEmpty(); }, 20000));
    const QByteArray quiet(16000, '\0'); // half a second
    pulse.feedPaced(quiet + recording.readAll() + quiet);
    ASSERT_TRUE(vqtest::waitUntil([this] { return !pulse.feeding(); }, 20000));
    user.tap(XK_F1);
    EXPECT_TRUE(printed(field, fieldOutput, "\ntext go forward ten meters\n")) << "the field said: " << fieldOutput.toStdString();
    field.closeWriteChannel();
    field.waitForFinished(5000);
}

// A logout that ends X before the program: the program ends with status 1, without a crash.
TEST_F(VoiceWithoutDeviceX11Test, XServerGoneWhileRecording)
{
    QProcess xvfb;
    xvfb.start(QStringLiteral("Xvfb"), QStringLiteral("-displayfd 1 -screen 0 1280x800x24 -nolisten tcp").split(u' '));
    QByteArray number;
    ASSERT_TRUE(printed(xvfb, number, "\n"));
    const QString display = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    SimulatedProgram program({{QStringLiteral("CORVANE_SPEECH_URL"), speech.url()}, {QStringLiteral("DISPLAY"), display}});
    ASSERT_TRUE(program.start());
    {
        // F1 on that display; this connection is closed before the server goes.
        const QByteArray testDisplay = qgetenv("DISPLAY");
        qputenv("DISPLAY", display.toLatin1());
        XTestUser user;
        qputenv("DISPLAY", testDisplay);
        ASSERT_TRUE(user.ok());
        user.tap(XK_F1);
    }
    ASSERT_TRUE(recording());
    xvfb.kill();
    xvfb.waitForFinished(5000);
    ASSERT_TRUE(program.process().waitForFinished(20000));
    EXPECT_EQ(program.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.process().exitCode(), 1);
    const QDir crashes(program.home() + QStringLiteral("/Documents/Crash"));
    EXPECT_TRUE(crashes.entryList(QDir::Files).isEmpty()) << crashes.entryList(QDir::Files).join(QLatin1Char(' ')).toStdString();
}
