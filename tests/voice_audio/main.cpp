// main() of the real-sound-server tests: a private home as in every test program, then the
// private sound server, started before Qt Multimedia first connects, and a private speech server.
// The process ends with _exit() after flushing: libQt6Multimedia can abort in libpulse while
// static objects are destroyed after main returns.
#include "AudioCaptureTest.h"
#include "TestProgram.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <unistd.h>

PrivatePulseAudio* g_pulse = nullptr;

namespace {

// A speech server of the test's own (never the user's), playing through the private sound
// server, with espeak-ng's voices; the program finds it through SPEECHD_ADDRESS.
bool startSpeechServer(const QTemporaryDir& speech, QProcess& speechd)
{
    QDir(speech.path()).mkpath(QStringLiteral("conf/modules"));
    QFile conf(speech.filePath(QStringLiteral("conf/speechd.conf")));
    if (!conf.open(QIODevice::WriteOnly)
        || conf.write("AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\nDefaultModule espeak-ng\n"
                      "AudioOutputMethod \"pulse\"\nDefaultVolume 100\nLogLevel 1\n") < 0)
        return false;
    conf.close();
    QFile::copy(QStringLiteral("/etc/speech-dispatcher/modules/espeak-ng.conf"), speech.filePath(QStringLiteral("conf/modules/espeak-ng.conf")));
    const QString socket = speech.filePath(QStringLiteral("speechd.sock"));
    speechd.setStandardOutputFile(speech.filePath(QStringLiteral("speechd.out")));
    speechd.setStandardErrorFile(speech.filePath(QStringLiteral("speechd.err")));
    speechd.start(QStringLiteral("speech-dispatcher"),
                  {QStringLiteral("-s"), QStringLiteral("-t"), QStringLiteral("0"), QStringLiteral("-C"), speech.filePath(QStringLiteral("conf")),
                   QStringLiteral("-c"), QStringLiteral("unix_socket"), QStringLiteral("-S"), socket, QStringLiteral("-L"), speech.path()});
    for (int i = 0; i < 100 && !QFile::exists(socket); ++i)
        QThread::msleep(50);
    if (!QFile::exists(socket)) {
        std::fprintf(stderr, "private speech-dispatcher did not start\n");
        return false;
    }
    ::setenv("SPEECHD_ADDRESS", QByteArray("unix_socket:" + QFile::encodeName(socket)).constData(), 1);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::optional<PrivatePulseAudio> pulse;
    std::optional<QTemporaryDir> speech;
    std::optional<QProcess> speechd;
    vqtest::TestProgramSteps steps;
    steps.withApplication = [&] {
        QString error;
        if (!pulse.emplace().start(&error)) {
            std::fprintf(stderr, "private sound server: %s\n", qPrintable(error));
            return 1;
        }
        g_pulse = &*pulse;
        speech.emplace(QDir::tempPath() + QStringLiteral("/vq-speechd-XXXXXX"));
        return startSpeechServer(*speech, speechd.emplace()) ? 0 : 1;
    };
    steps.afterTests = [&] {
        g_pulse = nullptr;
        if (speechd) {
            speechd->kill();
            speechd->waitForFinished(3000);
        }
        speechd.reset();
        speech.reset();
        if (pulse)
            pulse->stop();
        pulse.reset();
    };
    const int result = vqtest::runTestProgram(argc, argv, steps);
    std::fflush(stdout);
    std::fflush(stderr);
    ::_exit(result);
}
