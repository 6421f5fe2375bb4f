// The whole program, started as a child process on a real X server with simulated devices
// behind its transports, driven through its control socket the way a device would drive it, and
// the simulated microphone's encoder held to the program's decoder.
#include "ImaAdpcmEncoder.h"
#include "SimulatedProgram.h"
#include "TestSupport.h"
#include "VQAdpcmDecoder.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

// Last: Xlib defines macros that clash with Qt names.
#include "X11Windows.h"


namespace {

constexpr char kTitle[] = "Corvane Companion";

QStringList visibleClasses(const QJsonObject& state)
{
    QStringList out;
    for (const QJsonValue& window : state.value(QStringLiteral("windows")).toArray())
        out.append(window.toObject().value(QStringLiteral("class")).toString());
    return out;
}

QRect windowGeometry(const QJsonObject& state, const QString& className)
{
    for (const QJsonValue& value : state.value(QStringLiteral("windows")).toArray()) {
        const QJsonObject window = value.toObject();
        const QJsonArray g = window.value(QStringLiteral("geometry")).toArray();
        if (window.value(QStringLiteral("class")).toString() == className && g.size() == 4)
            return QRect(g.at(0).toInt(), g.at(1).toInt(), g.at(2).toInt(), g.at(3).toInt());
    }
    return {};
}

// A PCM WAV file of a 440 Hz tone; with extensibleBits, a mono WAVE_FORMAT_EXTENSIBLE one of samples
// that wide instead.
QString writeWav(const QString& path, int rate, int channels, double seconds, int extensibleBits = 0)
{
    const int frames = int(rate * seconds);
    QByteArray data;
    for (int i = 0; i < frames; ++i) {
        const qint16 sample = qint16(8000 * std::sin(2 * std::numbers::pi * 440 * i / rate));
        for (int c = 0; c < channels; ++c) {
            data.append(char(quint16(sample) & 0xFF));
            data.append(char(quint16(sample) >> 8));
        }
    }
    const auto le32 = [](quint32 v) { QByteArray b(4, '\0'); qToLittleEndian(v, b.data()); return b; };
    const auto le16 = [](quint16 v) { QByteArray b(2, '\0'); qToLittleEndian(v, b.data()); return b; };
    const quint16 width = quint16(extensibleBits ? extensibleBits / 8 : 2);
    if (extensibleBits)
        data = QByteArray(frames * width, '\x10');
    QByteArray format = le16(extensibleBits ? 0xFFFE : 1) + le16(quint16(channels)) + le32(quint32(rate))
        + le32(quint32(rate * channels * width)) + le16(quint16(channels * width)) + le16(quint16(width * 8));
    if (extensibleBits)
        format += le16(22) + le16(quint16(extensibleBits)) + le32(4)
            + QByteArray("\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 16);
    const QByteArray wav = "RIFF" + le32(quint32(20 + format.size() + data.size())) + "WAVE" + "fmt "
        + le32(quint32(format.size())) + format + "data" + le32(quint32(data.size())) + data;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(wav) != wav.size())
        return {};
    return path;
}

} // namespace

// A user with the guide on the screen plugs a receiver in: the main window takes the guide's
// place, the device's voice and battery reach the program, and pulling the receiver out brings
// the guide back. Quit ends the process cleanly.
TEST(SimulatedProgram, MainWindowFollowsTheReceiver)
{
    SimulatedProgram program;
    ASSERT_TRUE(program.start());
    QJsonObject state = program.state();
    EXPECT_EQ(visibleClasses(state), QStringList{QStringLiteral("VQGuidePopover")});
    EXPECT_FALSE(state.value(QStringLiteral("connected")).toBool());

    EXPECT_TRUE(program.command("plug 248a 61ab").startsWith(QLatin1String("ok")));
    ASSERT_TRUE(program.waitForState([](const QJsonObject& s) {
        return s.value(QStringLiteral("connected")).toBool() && visibleClasses(s) == QStringList{QStringLiteral("VQMainWindow")};
    }));
    state = program.state();
    EXPECT_EQ(state.value(QStringLiteral("vendorId")).toString(), QStringLiteral("248a"));
    EXPECT_EQ(state.value(QStringLiteral("productId")).toString(), QStringLiteral("61ab"));
    EXPECT_TRUE(state.value(QStringLiteral("receiverOpen")).toBool());

    // The X server shows it: a mapped top-level window with the program's title and the main
    // window's size.
    const QRect mainWindow = windowGeometry(state, QStringLiteral("VQMainWindow"));
    ASSERT_FALSE(mainWindow.isEmpty());
    EXPECT_TRUE(vqtest::waitUntil([&] { return mappedWindowsTitled(kTitle).contains(mainWindow.size()); }, 10000));
    vqtest::spin(500); // the first paint
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    QDir().mkpath(QStringLiteral(VQ_BUILD_DIR "/renders"));
    EXPECT_TRUE(screen.save(QStringLiteral(VQ_BUILD_DIR "/renders/sim_app_main_window.png")));
    QSet<QRgb> colours;
    const QRect inside = mainWindow.intersected(screen.rect());
    for (int y = inside.top(); y <= inside.bottom(); y += 4) {
        for (int x = inside.left(); x <= inside.right(); x += 4)
            colours.insert(screen.pixel(x, y));
    }
    EXPECT_GT(colours.size(), 20) << "the main window's area holds no drawing";

    // The device's voice, a file played while its voice key is held: every report was one the
    // device accepted, and the stream is over when the reply comes.
    const QString wav = writeWav(program.home() + QStringLiteral("/tone.wav"), 16000, 1, 0.5);
    ASSERT_FALSE(wav.isEmpty());
    EXPECT_EQ(program.command("voice " + wav.toUtf8()), QStringLiteral("ok voice 0.50 s, 16 blocks at 16 kHz"));
    // A low battery: the record follows and the low-battery tip shows.
    EXPECT_TRUE(program.command("battery 8").startsWith(QLatin1String("ok")));
    EXPECT_TRUE(program.waitForState([](const QJsonObject& s) {
        return s.value(QStringLiteral("battery")).toDouble() == 8 && visibleClasses(s).contains(QStringLiteral("VQTipWindow"));
    }));
    state = program.state();
    EXPECT_FALSE(state.value(QStringLiteral("voiceStreaming")).toBool());
    EXPECT_EQ(state.value(QStringLiteral("simulated")).toObject().value(QStringLiteral("rejected")).toArray(), QJsonArray());

    EXPECT_TRUE(program.command("unplug").startsWith(QLatin1String("ok")));
    EXPECT_TRUE(program.waitForState([](const QJsonObject& s) {
        return !s.value(QStringLiteral("connected")).toBool() && visibleClasses(s).contains(QStringLiteral("VQGuidePopover"))
            && !visibleClasses(s).contains(QStringLiteral("VQMainWindow"));
    }));

    EXPECT_EQ(program.command("quit"), QStringLiteral("ok quitting"));
    ASSERT_TRUE(program.process().waitForFinished(20000));
    EXPECT_EQ(program.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.process().exitCode(), 0);
}

// Without a home folder every path of the program would land at the root: it shows its guide,
// says why, and writes nothing, also when a receiver comes.
TEST(SimulatedProgram, WithoutAHomeFolderTheGuideSaysWhyAndNothingIsWritten)
{
    SimulatedProgram program({{QStringLiteral("HOME"), QString()}});
    ASSERT_TRUE(program.start());
    ASSERT_TRUE(program.waitForState([](const QJsonObject& s) { return visibleClasses(s).contains(QStringLiteral("QMessageBox")); }));
    const QJsonObject state = program.state();
    EXPECT_TRUE(visibleClasses(state).contains(QStringLiteral("VQGuidePopover")));
    const QString alert = control(state, [](const QJsonObject& w) { return w.value(QStringLiteral("class")) == QLatin1String("QMessageBox"); }, "windows")
                              .value(QStringLiteral("text")).toString();
    EXPECT_TRUE(alert.contains(QStringLiteral("HOME is not set"))) << alert.toStdString();
    // A receiver's reports and the settings they change stay in memory too.
    EXPECT_TRUE(program.command("plug 248a 61ab").startsWith(QLatin1String("ok")));
    vqtest::spin(1500);
    EXPECT_EQ(program.command("quit"), QStringLiteral("ok quitting"));
    ASSERT_TRUE(program.process().waitForFinished(20000));
    EXPECT_EQ(program.process().exitCode(), 0);
    // Files and folders only: the control socket and the final state are the test's own.
    QStringList written = QDir(program.home()).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    written.removeAll(QStringLiteral("final-state.json"));
    EXPECT_TRUE(written.isEmpty()) << written.join(QLatin1Char(' ')).toStdString();
}

// Wrong commands get an error with the reason and change nothing, with and without a device.
TEST(SimulatedProgram, WrongCommandsAreRefusedAndChangeNothing)
{
    SimulatedProgram program;
    ASSERT_TRUE(program.start());
    const QString home = program.home();
    const QByteArray stereo = writeWav(home + QStringLiteral("/stereo.wav"), 16000, 2, 0.1).toUtf8();
    const QByteArray cdRate = writeWav(home + QStringLiteral("/cd.wav"), 44100, 1, 0.1).toUtf8();
    const QByteArray wide = writeWav(home + QStringLiteral("/wide.wav"), 16000, 1, 0.1, 24).toUtf8();
    QFile text(home + QStringLiteral("/notes.txt"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("not a sound\n") > 0);
    text.close();

    struct Row {
        bool plugged;
        QByteArray command;
        const char* reason;
    };
    const Row rows[] = {
        {false, "press voice", "no device"},
        {false, "battery 50", "no device"},
        {false, "voice " + stereo, "no device"},
        {false, "unplug", "no receiver is plugged in"},
        {false, "ble-disconnect", "not in reach"},
        {false, "plug 1234 5678", "no receiver 1234:5678"},
        {false, "plug 248a", "usage"},
        {false, "plug 248a 61abc", "usage"},
        {false, "page", "shows no page"},
        {false, "mouse-type 65536", "usage"},
        {false, "mouse-type seventy", "usage"},
        {true, "plug 248a 61ab", "plugged in already"},
        {true, "frobnicate", "unknown command"},
        {true, "battery 101", "usage"},
        {true, "battery -1", "usage"},
        {true, "battery", "usage"},
        {true, "settings maybe", "usage"},
        {true, "release voice", "not held"},
        {true, "release mode", "sends no release"},
        {true, "release 51", "pressed only"},
        {true, "press 256", "unknown key"},
        {true, "press", "usage"},
        {true, "voice " + stereo, "2 channels, not mono"},
        {true, "voice " + cdRate, "44100 Hz, not 16000 Hz"},
        {true, "voice " + wide, "24 bits, not 16"},
        {true, "voice " + text.fileName().toUtf8(), "not a WAV file"},
        {true, "voice " + home.toUtf8() + "/missing.wav", "cannot read"},
        {true, "state now", "takes no arguments"},
        {true, "page now", "takes no arguments"},
        {true, "quit now", "takes no arguments"},
        {true, QByteArray(5000, 'x'), "longer than"},
    };
    for (bool plugged : {false, true}) {
        if (plugged) {
            ASSERT_TRUE(program.command("plug 248a 61ab").startsWith(QLatin1String("ok")));
            ASSERT_TRUE(program.waitForState([](const QJsonObject& s) {
                return s.value(QStringLiteral("receiverOpen")).toBool() && s.value(QStringLiteral("battery")).toDouble() > 0;
            }));
            vqtest::spin(600); // the reads that follow the opening are answered
        }
        // The program's own requests may end meanwhile; the devices and windows may not change.
        const auto deviceState = [&program] {
            QJsonObject state = program.state();
            state.remove(QStringLiteral("openReplies"));
            return state;
        };
        const QJsonObject before = deviceState();
        for (const Row& row : rows) {
            if (row.plugged != plugged)
                continue;
            const QString reply = program.command(row.command);
            EXPECT_TRUE(reply.startsWith(QLatin1String("error ")) && reply.contains(QLatin1String(row.reason)))
                << row.command.left(60).constData() << " -> " << reply.toStdString();
        }
        EXPECT_EQ(deviceState(), before) << "plugged: " << plugged;
    }
    EXPECT_EQ(program.command("quit"), QStringLiteral("ok quitting"));
    EXPECT_TRUE(program.process().waitForFinished(20000));
    EXPECT_EQ(program.process().exitCode(), 0);
}

// The simulated microphone's blocks, decoded by the program's decoder, give back the sound:
// whole 256-byte blocks of 505 samples, a short last block, valid headers, and little error.
TEST(SimulatedProgram, MicrophoneEncoderMatchesTheProgramsDecoder)
{
    QList<qint16> samples;
    for (int i = 0; i < 1200; ++i) {
        const double t = i / 16000.0;
        samples.append(qint16(12000 * std::sin(2 * std::numbers::pi * (300 + 2000 * t) * t)
                              + 3000 * std::sin(2 * std::numbers::pi * 1700 * t)));
    }
    const QByteArray adpcm = ImaAdpcmEncoder::encode(samples);
    QList<qint16> decoded;
    for (qsizetype at = 0; at < adpcm.size(); at += ImaAdpcmEncoder::kBlockBytes) {
        const QByteArray block = adpcm.mid(at, ImaAdpcmEncoder::kBlockBytes);
        const auto* bytes = reinterpret_cast<const quint8*>(block.constData());
        ASSERT_TRUE(VQAdpcmDecoder::headerIsValid(bytes, int(block.size())));
        QList<qint16> out(VQAdpcmDecoder::samplesInBlock(int(block.size())));
        ASSERT_EQ(VQAdpcmDecoder::decodeBlock(bytes, int(block.size()), out.data()), out.size());
        if (at + ImaAdpcmEncoder::kBlockBytes < adpcm.size()) {
            EXPECT_EQ(out.size(), ImaAdpcmEncoder::kSamplesPerBlock);
        }
        decoded += out;
    }
    ASSERT_GE(decoded.size(), samples.size());
    EXPECT_LE(decoded.size(), samples.size() + 1); // a lone last sample fills its byte
    double signal = 0;
    double noise = 0;
    for (qsizetype i = 0; i < samples.size(); ++i) {
        signal += double(samples.at(i)) * samples.at(i);
        noise += double(samples.at(i) - decoded.at(i)) * (samples.at(i) - decoded.at(i));
    }
    EXPECT_GT(10 * std::log10(signal / std::max(noise, 1.0)), 20.0);
    EXPECT_EQ(decoded.first(), samples.first()); // each block starts from its own header
}
