// Voice typing in the program as a new user meets it: the computer's microphone (a private
// sound server's pipe source), F1 pressed twice through XTest, the stand-in speech server
// answering at once or, for US English with long speech off, the offline recogniser and no
// speech server; the text arriving in another program's field or a terminal, with no device or
// beside a voice mouse; a file command typed in the editor opened by F3; and the X server going
// away while it records, or while a change waits for the disk. Every end of an utterance ends the
// capture; a mouse's 8 kHz voice is recognised.
#include "PrivatePulseAudio.h"
#include "SimulatedProgram.h"
#include "StandInHttpServer.h"
#include "StandInSpeechServer.h"
#include "XTestUser.h"

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include "X11Windows.h"

#include <X11/keysym.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <tuple>

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

    // Waits until the recognition on the speech server's connection streams the microphone,
    // feeding it a tone.
    bool recording(int connection = 0)
    {
        if (!vqtest::waitUntil([&] { return speech.connectionCount() > connection; }, 20000))
            return false;
        pulse.feedPaced(tone());
        return vqtest::waitUntil([&] { return !speech.connection(connection).frames.isEmpty(); }, 20000);
    }

    // One dictation: F1 starts it, a second of tone, F1 pressed again and held while the server
    // answers at once. The answer, "" when none came.
    QString dictate(XTestUser& user, int holdMs)
    {
        // Starts closer than the program's spacing are refused.
        if (lastStart.isValid())
            vqtest::spin(int(qMax<qint64>(0, 1700 - lastStart.elapsed())));
        const int connection = speech.connectionCount();
        user.tap(XK_F1);
        lastStart.start();
        if (!recording(connection) || !vqtest::waitUntil([this] { return !pulse.feeding(); }, 20000))
            return {};
        user.key(XK_F1, true);
        vqtest::spin(holdMs);
        user.key(XK_F1, false);
        if (!vqtest::waitUntil([&] { return speech.connection(connection).lastSent; }, 20000))
            return {};
        const vqtest::SpeechConnection utterance = speech.connection(connection);
        EXPECT_GT(utterance.audio.size(), 16000) << "the microphone's audio did not reach the server";
        return vqtest::StandInSpeechServer::defaultFinalText(int(utterance.frames.size()), utterance.audio);
    }

    // Waits until the process printed a line holding the text (output collects what it printed).
    static bool printed(QProcess& process, QByteArray& output, const QByteArray& text)
    {
        return vqtest::waitUntil([&] { return (output += process.readAllStandardOutput()).contains(text); }, 20000);
    }

    QString recordingStreams() const { return pulse.pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("source-outputs")}); }

    // The program with long speech off and US English, from the language list a device brought:
    // connect is "plug 248a 61ab" (the receiver then pulled out) or "ble-connect" (the mouse stays).
    std::unique_ptr<SimulatedProgram> englishProgram(const QByteArray& connect, QJsonObject settings = {})
    {
        const QJsonArray languages{QJsonObject{{QStringLiteral("code"), QStringLiteral("ZH_CN")}, {QStringLiteral("name"), QStringLiteral("Chinese")}},
                                   QJsonObject{{QStringLiteral("code"), QStringLiteral("EN_US")}, {QStringLiteral("name"), QStringLiteral("English")}}};
        api.setReply(QStringLiteral("/api/getCustomerKey"), vqtest::StandInReply::api(QJsonObject{{QStringLiteral("languages"), languages}}));
        if (api.port() == 0 && !api.listen())
            return nullptr;
        settings.insert(QStringLiteral("longVoiceModeSwitchKey"), false);
        settings.insert(QStringLiteral("audioLanguageIndexKey"), 1);
        auto program = std::make_unique<SimulatedProgram>(
            QList<std::pair<QString, QString>>{{QStringLiteral("CORVANE_API_URL"), api.url(QString::fromLatin1(vqtest::StandInHttpServer::kApiPrefix))},
                                               {QStringLiteral("CORVANE_SIM_END_OF_SPEECH_MS"), QStringLiteral("1000")}},
            false, settings);
        const auto connected = [](const QJsonObject& s) { return s.value(QStringLiteral("connected")).toBool(); };
        const auto english = [](const QJsonObject& values) { // kept for the device once applied
            return std::any_of(values.begin(), values.end(), [](const QJsonValue& v) { return v.toString().contains(QLatin1String("EN_US")); }); };
        const bool ready = program->start() && program->command(connect).startsWith(QLatin1String("ok"))
            && program->waitForState(connected) && program->waitForSettings(english, 20000)
            && (connect != "plug 248a 61ab" || (program->command("unplug").startsWith(QLatin1String("ok"))
                                                 && program->waitForState([&](const QJsonObject& s) { return !connected(s); })));
        return ready ? std::move(program) : nullptr;
    }

    static constexpr char kTestRecording[] = "/usr/share/pocketsphinx/test/data/goforward.raw";

    PrivatePulseAudio pulse;
    vqtest::StandInSpeechServer speech;
    vqtest::StandInHttpServer api;
    QElapsedTimer lastStart;
};

} // namespace

// Fresh settings have typing compatibility mode on; with no device to type the paste chord the
// program synthesises it. However long F1 is held when the answer comes (the held key makes the
// program's grab active, which takes every key), the text lands in another program's field.
TEST_F(VoiceWithoutDeviceX11Test, TypingArrivesHoweverLongTheKeyIsHeld)
{
    SimulatedProgram program({{QStringLiteral("CORVANE_SPEECH_URL"), speech.url()}});
    ASSERT_TRUE(program.start());
    QProcess field;
    field.start(QStringLiteral(VQ_SELECTION_CLIENT), {QString(), QStringLiteral("200"), QStringLiteral("200")});
    QByteArray fieldOutput;
    ASSERT_TRUE(printed(field, fieldOutput, "ready"));
    XTestUser user;
    ASSERT_TRUE(user.ok());
    QByteArray typed;
    for (const int holdMs : {100, 500, 2000}) {
        SCOPED_TRACE(holdMs);
        const QString text = dictate(user, holdMs);
        ASSERT_FALSE(text.isEmpty());
        typed += text.toUtf8();
        EXPECT_TRUE(printed(field, fieldOutput, "\ntext " + typed + '\n')) << "the field said: " << fieldOutput.toStdString();
    }
    EXPECT_TRUE(speech.violations().isEmpty()) << speech.violations().join(QLatin1Char('\n')).toStdString();
    field.closeWriteChannel();
    field.waitForFinished(5000);
}

// A voice mouse streams only while its own key is held: F1 beside it records the computer's
// input, and the device types the paste chord of the text on the clipboard.
TEST_F(VoiceWithoutDeviceX11Test, ShortcutBesideAVoiceMouseRecordsTheComputersInput)
{
    SimulatedProgram program({{QStringLiteral("CORVANE_SPEECH_URL"), speech.url()}});
    ASSERT_TRUE(program.start());
    ASSERT_TRUE(program.command("plug 248a 61ab").startsWith(QLatin1String("ok")));
    ASSERT_TRUE(program.waitForState([](const QJsonObject& s) { return s[QStringLiteral("connected")].toBool(); }));
    XTestUser user;
    ASSERT_TRUE(user.ok());
    const QString text = dictate(user, 0);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_TRUE(vqtest::waitUntil([&] { return QGuiApplication::clipboard()->text() == text; }, 10000));
    EXPECT_TRUE(program.waitForState([](const QJsonObject& s) {
        return s[QStringLiteral("simulated")][QStringLiteral("commands")].toArray().contains(QStringLiteral("22 01 19"));
    }));
}

// Terminals take Control+V as a control character: xterm pastes the primary selection with
// Shift+Insert, a VTE terminal the clipboard with Control+Shift+V. What arrives is what the
// terminal's program reads.
TEST_F(VoiceWithoutDeviceX11Test, TypingArrivesInTerminals)
{
    SimulatedProgram program({{QStringLiteral("CORVANE_SPEECH_URL"), speech.url()}});
    ASSERT_TRUE(program.start());
    XTestUser user;
    ASSERT_TRUE(user.ok());
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), dir.path());
    for (const char* name : {"xterm", "lxterminal"}) {
        SCOPED_TRACE(name);
        const QString out = dir.filePath(QLatin1String(name));
        const QString script = QStringLiteral("stty -icanon; : > %1.ready; exec cat > %1").arg(out);
        QProcess terminal;
        terminal.setProcessEnvironment(env);
        terminal.start(QLatin1String(name), name == QLatin1String("xterm")
                                                ? QStringList{QStringLiteral("-e"), QStringLiteral("sh"), QStringLiteral("-c"), script}
                                                : QStringList{QStringLiteral("--no-remote"), QStringLiteral("--command=sh -c '%1'").arg(script)});
        ASSERT_TRUE(vqtest::waitUntil([&] { return QFile::exists(out + QStringLiteral(".ready")) && focusWindowOfClass(name); }, 20000));
        const QString text = dictate(user, 0);
        ASSERT_FALSE(text.isEmpty());
        const auto arrived = [&out] {
            QFile file(out);
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        };
        EXPECT_TRUE(vqtest::waitUntil([&] { return arrived() == text; }, 10000)) << "read: " << arrived().toStdString();
        terminal.kill();
        terminal.waitForFinished(5000);
    }
}

// A file command whose target the user typed as a path in the editor (not picked): F3 and its
// words open that file through the desktop's opener.
TEST_F(VoiceWithoutDeviceX11Test, ACommandWithATypedPathOpensItsFile)
{
    QTemporaryDir dir;
    const QString report = dir.filePath(QStringLiteral("weekly-report.txt"));
    ASSERT_TRUE(QFile(report).open(QIODevice::WriteOnly));
    // The desktop's opener, first on the program's path, notes what it is asked to open.
    const QString opened = dir.filePath(QStringLiteral("opened.txt"));
    QFile opener(dir.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly) && opener.write(QStringLiteral("#!/bin/sh\necho \"$@\" >> '%1'\n").arg(opened).toUtf8()) > 0);
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    vqtest::StandInHttpServer api;
    ASSERT_TRUE(api.listen());
    QJsonArray commands;
    api.setResponder(QStringLiteral("/api/saveDeviceCmd"), [&commands](const vqtest::StandInRequest& r) {
        QJsonObject command;
        for (const char* name : {"cmdType", "customCmd", "customName"})
            command.insert(QLatin1String(name), r.queryValue(QLatin1String(name)).value_or(QString()));
        commands.append(command);
        return vqtest::StandInReply::api(commands);
    });
    api.setResponder(QStringLiteral("/api/deviceCmd"), [&commands](const vqtest::StandInRequest&) { return vqtest::StandInReply::api(commands); });
    SimulatedProgram program({{QStringLiteral("CORVANE_SPEECH_URL"), speech.url()},
                              {QStringLiteral("CORVANE_API_URL"), api.url(QString::fromLatin1(vqtest::StandInHttpServer::kApiPrefix))},
                              {QStringLiteral("PATH"), dir.path() + QLatin1Char(':') + qEnvironmentVariable("PATH")}});
    ASSERT_TRUE(program.start());
    ASSERT_TRUE(program.command("plug 248a 61ab").startsWith(QLatin1String("ok")));
    ASSERT_TRUE(program.waitForState([](const QJsonObject& s) { return s[QStringLiteral("connected")].toBool(); }));
    program.command("open");
    ASSERT_EQ(program.command("show-page 3"), QStringLiteral("ok page 3"));
    XTestUser user;
    ASSERT_TRUE(user.ok());
    const auto place = [&program](const std::function<bool(const QJsonObject&)>& pick) {
        QRect found;
        vqtest::waitUntil([&] { return !(found = rectOf(control(program.page(), pick))).isEmpty(); }, 10000);
        return found;
    };
    const auto text = [](const QJsonObject& c) { return c[QStringLiteral("text")].toString(); };
    user.click(place([&](const QJsonObject& c) { return text(c).startsWith(u'+'); }).center());
    for (const auto& [label, typed] : {std::pair(QStringLiteral("Command words"), QStringLiteral("weekly report")), std::pair(QStringLiteral("Target"), report)}) {
        const QRect field = place([&](const QJsonObject& c) { return text(c) == label && c[QStringLiteral("class")] == QStringLiteral("VQLabel"); });
        user.click(QPoint(field.right() + 80, field.center().y()));
        ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), typed}), 0);
    }
    user.click(place([&](const QJsonObject& c) { return text(c) == QStringLiteral("Create"); }).center());
    ASSERT_TRUE(vqtest::waitUntil([&] { return commands.size() == 1; }, 10000));
    EXPECT_EQ(commands[0][QStringLiteral("customName")].toString(), report);

    speech.addAnswer(vqtest::StandInSpeechServer::kOnEnd, vqtest::SpeechAnswer::last(QStringLiteral("weekly report")));
    QElapsedTimer held;
    held.start();
    user.tap(XK_F3);
    ASSERT_TRUE(recording() && vqtest::waitUntil([this] { return !pulse.feeding(); }, 20000));
    vqtest::spin(int(qMax<qint64>(0, 1700 - held.elapsed()))); // a shorter search is cancelled
    user.tap(XK_F3);
    const auto asked = [&opened] {
        QFile file(opened);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    EXPECT_TRUE(vqtest::waitUntil([&] { return asked().contains(report); }, 20000)) << "the opener was asked for: " << asked().toStdString();
}

// However an utterance begun with F1 ends (the user's second F1, the offline recogniser hearing
// the speech end, the stand-in speech server's last result, its connection breaking off), its
// text is typed and no recording stream stays on the sound server. US English with long speech
// off is recognised on this computer, with no speech server running.
TEST_F(VoiceWithoutDeviceX11Test, EveryEndOfAnUtteranceTypesAndEndsTheCapture)
{
    QFile file(QString::fromLatin1(kTestRecording));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray recording = file.readAll(), quiet(16000, '\0'); // half a second; the speech ends after a second
    struct Case {
        const char* name;
        bool offline; // else the stand-in speech server answers its script (by frame)
        QList<std::pair<int, vqtest::SpeechAnswer>> script;
        QByteArray sound, typed;
        int closeAfterFrames; // > 0: the server breaks off then; < 0: F1 again after the sound
    };
    const Case cases[] = {
        {"the user's second F1", true, {}, quiet + recording, "go forward ten meters", -1},
        {"the offline recogniser hears the speech end", true, {}, quiet + recording + quiet.repeated(4), "go forward ten meters", 0},
        {"the server's last result", false, {{10, vqtest::SpeechAnswer::last(QStringLiteral("Heard enough"))}}, tone(), "Heard enough", 0},
        {"the connection breaks off", false, {{5, vqtest::SpeechAnswer::mid(QStringLiteral("Heard so far"))}}, tone(), "Heard so far", 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        speech.clearScript();
        for (const auto& [frame, answer] : c.script)
            speech.addAnswer(frame, answer);
        const int connection = speech.connectionCount();
        const std::unique_ptr<SimulatedProgram> program
            = c.offline ? englishProgram("plug 248a 61ab")
                        : std::make_unique<SimulatedProgram>(QList<std::pair<QString, QString>>{{QStringLiteral("CORVANE_SPEECH_URL"), speech.url()}});
        ASSERT_TRUE(program && (c.offline || program->start()));
        QProcess field;
        field.start(QStringLiteral(VQ_SELECTION_CLIENT), {QString(), QStringLiteral("200"), QStringLiteral("200")});
        QByteArray fieldOutput;
        ASSERT_TRUE(printed(field, fieldOutput, "ready"));
        XTestUser user;
        ASSERT_TRUE(user.ok());
        user.tap(XK_F1);
        ASSERT_TRUE(vqtest::waitUntil([this] { return !recordingStreams().isEmpty(); }, 20000));
        pulse.feedPaced(c.sound);
        if (c.closeAfterFrames > 0) {
            ASSERT_TRUE(vqtest::waitUntil([&] { return speech.connection(connection).frames.size() >= c.closeAfterFrames; }, 20000));
            speech.closeConnection(connection);
        } else if (c.closeAfterFrames < 0) {
            ASSERT_TRUE(vqtest::waitUntil([this] { return !pulse.feeding(); }, 20000));
            user.tap(XK_F1);
        }
        EXPECT_TRUE(printed(field, fieldOutput, "\ntext " + c.typed + '\n')) << "the field said: " << fieldOutput.toStdString();
        EXPECT_TRUE(vqtest::waitUntil([this] { return recordingStreams().isEmpty(); }, 20000)) << recordingStreams().toStdString();
        field.closeWriteChannel();
        field.waitForFinished(5000);
    }
}

// A Bluetooth LE mouse carries its voice at 8 kHz: with long speech off and US English, what its
// voice key records is recognised on this computer and typed.
TEST_F(VoiceWithoutDeviceX11Test, EnglishOverAnEightKilohertzLinkIsRecognised)
{
    const std::unique_ptr<SimulatedProgram> program = englishProgram("ble-connect", {{QStringLiteral("compatibleModeSwitchKey"), false}});
    ASSERT_TRUE(program);
    const QString wav = program->home() + QStringLiteral("/speech.wav");
    const QString sox = QStringLiteral("-q -t raw -r 16000 -e signed -b 16 -c 1 %1 %2 pad 0.5 0.5").arg(QLatin1String(kTestRecording), wav);
    ASSERT_EQ(QProcess::execute(QStringLiteral("sox"), sox.split(u' ')), 0);
    QProcess field;
    field.start(QStringLiteral(VQ_SELECTION_CLIENT), {QString(), QStringLiteral("200"), QStringLiteral("200")});
    QByteArray fieldOutput;
    ASSERT_TRUE(printed(field, fieldOutput, "ready"));
    const QString streamed = program->command("voice " + wav.toUtf8());
    EXPECT_TRUE(streamed.endsWith(QLatin1String("at 8 kHz"))) << streamed.toStdString();
    EXPECT_TRUE(printed(field, fieldOutput, "\ntext go forward ten meters\n")) << "the field said: " << fieldOutput.toStdString();
    field.closeWriteChannel();
    field.waitForFinished(5000);
}

// A logout ends X while F1 records beside the presenter pen, its effect shows and a change waits
// for the disk (the settings file was a folder when the pen's mode key changed a setting): the
// program ends with status 1 without a crash, the change in the file, the pen left pointer mode
// with its laser off, as at quit. The ends: Qt's connection alone, else the server killed, with
// the program stopped or not.
TEST_F(VoiceWithoutDeviceX11Test, XServerGoneWhileRecording)
{
    const std::tuple<const char*, bool, bool> ends[] = {{"Qt's connection broken", true, false}, {"the server killed", false, false},
                                                        {"the server killed while the program is stopped", false, true}};
    for (const auto& [end, qtsConnection, stopped] : ends) {
        SCOPED_TRACE(end);
        QProcess xvfb;
        const QString display = QString::fromLatin1(startPrivateXvfb(xvfb));
        ASSERT_FALSE(display.isEmpty());
        SimulatedProgram program({{QStringLiteral("CORVANE_SPEECH_URL"), speech.url()}, {QStringLiteral("DISPLAY"), display}}, true);
        ASSERT_TRUE(program.start() && program.command("plug 248a 62ab").startsWith(QLatin1String("ok")));
        // The reads of a newly opened receiver over (the function switch last): the pen's state, which ends effects, is in.
        ASSERT_TRUE(program.waitForState([](const QJsonObject& s) { return s[QStringLiteral("simulated")][QStringLiteral("commands")].toArray().contains(QStringLiteral("08")); }));
        const auto mode = [](const QJsonObject& s) { return s.value(QStringLiteral("laserPenStatusKey")).toInt(); };
        ASSERT_TRUE(program.waitForSettings([&](const QJsonObject& s) { return mode(s) == 1; }, 20000));
        const auto restore = qScopeGuard([testDisplay = qgetenv("DISPLAY")] { qputenv("DISPLAY", testDisplay); });
        qputenv("DISPLAY", display.toLatin1()); // the test's X clients on that display
        const int connection = speech.connectionCount();
        XTestUser().tap(XK_F1); // F1 on that display; this connection is closed before the server goes
        ASSERT_TRUE(recording(connection));
        const QString file = program.home() + QStringLiteral("/.config/Corvane/corvane-companion/defaults.json");
        ASSERT_TRUE(vqtest::waitUntil([&file] { return (QFile::remove(file), QDir().mkdir(file)); })); // a write may land between
        program.command("press 64"); // the pen's mode key
        ASSERT_TRUE(program.waitForState([](const QJsonObject& s) {
            const auto told = [](const QJsonObject& window) { return window.contains(QStringLiteral("text")); };
            return !control(s, told, "windows").isEmpty();
        })) << "the failed write told";
        program.command("press 69"); // the effect key, held
        ASSERT_TRUE(program.waitForState([](const QJsonObject& s) { return s.value(QStringLiteral("pointerHidden")).toBool(); }));
        ASSERT_TRUE(QDir().rmdir(file));
        const pid_t pid = pid_t(program.process().processId());
        if (qtsConnection) {
            EXPECT_TRUE(killClientOfWindowTitled("Corvane Companion")); // the main window's client, Qt's connection, alone
        } else {
            if (stopped)
                ::kill(pid, SIGSTOP);
            xvfb.kill();
            xvfb.waitForFinished(5000);
            ::kill(pid, SIGCONT);
        }
        ASSERT_TRUE(program.process().waitForFinished(20000));
        EXPECT_TRUE(program.process().exitStatus() == QProcess::NormalExit && program.process().exitCode() == 1);
        EXPECT_TRUE(QDir(program.home() + QStringLiteral("/Documents/Crash")).isEmpty());
        EXPECT_FALSE(program.errors().contains("runtime error") || program.errors().contains("Sanitizer")) << program.errors().toStdString();
        EXPECT_EQ(mode(program.settings()), 2) << program.errors().right(3000).toStdString();
        const QJsonValue pen = program.finalState()[QStringLiteral("simulated")][QStringLiteral("penCommands")];
        EXPECT_EQ(pen.toVariant().toStringList().mid(pen.toArray().size() - 2).join(u' ').toStdString(), "0c4d04b14c 0c4d04b54c");
    }
}
