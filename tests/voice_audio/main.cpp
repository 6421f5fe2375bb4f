// main() of the real-sound-server tests: a private home as in every test program, then the
// private sound server, started before Qt Multimedia first connects. The process ends with
// _exit() after flushing: libQt6Multimedia can abort in libpulse while static objects are
// destroyed after main returns.
#include "AudioCaptureTest.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

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
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
        g_pulse = nullptr;
        pulse.stop();
    }
    std::fflush(stdout);
    std::fflush(stderr);
    ::_exit(result);
}
