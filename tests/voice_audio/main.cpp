// main() of the real-sound-server tests: a private home as in every test program, then the
// private sound server, started before Qt Multimedia first connects, and a private speech server. The process ends with
// _exit() after flushing: libQt6Multimedia can abort in libpulse while static objects are
// destroyed after main returns.
#include "AudioCaptureTest.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

PrivatePulseAudio* g_pulse = nullptr;

int main(int argc, char** argv)
{
    int result = 2;
    {
        QTemporaryDir home(QDir::tempPath() + QStringLiteral("/vq-test-home-XXXXXX"));
        if (!home.isValid())
            ::_exit(2);
        const QByteArray homePath = QFile::encodeName(home.path());
        ::setenv("HOME", homePath.constData(), 1);
        ::setenv("XDG_CONFIG_HOME", QByteArray(homePath + "/.config").constData(), 1);
        ::setenv("XDG_CACHE_HOME", QByteArray(homePath + "/.cache").constData(), 1);
        ::setenv("XDG_DATA_HOME", QByteArray(homePath + "/.local/share").constData(), 1);
        ::setenv("XDG_RUNTIME_DIR", homePath.constData(), 1);
        ::setenv("LANG", "C.UTF-8", 1);

        QStandardPaths::setTestModeEnabled(true);
        QApplication app(argc, argv);
        QCoreApplication::setOrganizationName(QStringLiteral("Corvane"));
        QCoreApplication::setApplicationName(QStringLiteral("corvane-companion-tests"));

        PrivatePulseAudio pulse;
        QString error;
        if (!pulse.start(&error)) {
            std::fprintf(stderr, "private sound server: %s\n", qPrintable(error));
            std::fflush(stderr);
            ::_exit(1);
        }
        g_pulse = &pulse;
        // A speech server of the test's own (never the user's), playing through that sound
        // server, with espeak-ng's voices; the program finds it through SPEECHD_ADDRESS.
        QTemporaryDir speech(QDir::tempPath() + QStringLiteral("/vq-speechd-XXXXXX"));
        QDir(speech.path()).mkpath(QStringLiteral("conf/modules"));
        QFile conf(speech.filePath(QStringLiteral("conf/speechd.conf")));
        if (!conf.open(QIODevice::WriteOnly)
            || conf.write("AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\nDefaultModule espeak-ng\n"
                          "AudioOutputMethod \"pulse\"\nDefaultVolume 100\nLogLevel 1\n") < 0)
            ::_exit(1);
        conf.close();
        QFile::copy(QStringLiteral("/etc/speech-dispatcher/modules/espeak-ng.conf"), speech.filePath(QStringLiteral("conf/modules/espeak-ng.conf")));
        const QString socket = speech.filePath(QStringLiteral("speechd.sock"));
        QProcess speechd;
        speechd.setStandardOutputFile(speech.filePath(QStringLiteral("speechd.out")));
        speechd.setStandardErrorFile(speech.filePath(QStringLiteral("speechd.err")));
        speechd.start(QStringLiteral("speech-dispatcher"),
                      {QStringLiteral("-s"), QStringLiteral("-t"), QStringLiteral("0"), QStringLiteral("-C"), speech.filePath(QStringLiteral("conf")),
                       QStringLiteral("-c"), QStringLiteral("unix_socket"), QStringLiteral("-S"), socket, QStringLiteral("-L"), speech.path()});
        for (int i = 0; i < 100 && !QFile::exists(socket); ++i)
            QThread::msleep(50);
        if (!QFile::exists(socket)) {
            std::fprintf(stderr, "private speech-dispatcher did not start\n");
            ::_exit(1);
        }
        ::setenv("SPEECHD_ADDRESS", QByteArray("unix_socket:" + QFile::encodeName(socket)).constData(), 1);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
        g_pulse = nullptr;
        speechd.kill();
        speechd.waitForFinished(3000);
        pulse.stop();
    }
    std::fflush(stdout);
    std::fflush(stderr);
    ::_exit(result);
}
