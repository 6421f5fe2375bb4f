// main() of the two-monitor tests: a private home as in every test program, then a private Xorg
// with two monitors (DUMMY0 1920x1080 at +0+0, DUMMY1 1280x1024 at +1920+0, the second at device
// pixel ratio 2), started before QApplication connects to it.
#include "DummyXorgServer.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/vq-test-home-XXXXXX"));
    if (!home.isValid())
        return 2;
    const QByteArray homePath = QFile::encodeName(home.path());
    ::setenv("HOME", homePath.constData(), 1);
    ::setenv("XDG_CONFIG_HOME", QByteArray(homePath + "/.config").constData(), 1);
    ::setenv("XDG_CACHE_HOME", QByteArray(homePath + "/.cache").constData(), 1);
    ::setenv("XDG_DATA_HOME", QByteArray(homePath + "/.local/share").constData(), 1);
    ::setenv("XDG_RUNTIME_DIR", homePath.constData(), 1);
    ::setenv("LANG", "C.UTF-8", 1);

    vqtest::DummyXorgServer server;
    QString error;
    if (!server.start(&error)) {
        std::fprintf(stderr, "two-monitor X server: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("two-monitor X server %s ready in %lld ms\n", qPrintable(server.display()), static_cast<long long>(server.startupMs()));
    std::fflush(stdout);
    ::setenv("DISPLAY", QFile::encodeName(server.display()).constData(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    ::setenv("QT_SCREEN_SCALE_FACTORS", "DUMMY0=1;DUMMY1=2", 1);
    ::unsetenv("QT_SCALE_FACTOR");
    ::unsetenv("QT_AUTO_SCREEN_SCALE_FACTOR");

    int result = 2;
    {
        QStandardPaths::setTestModeEnabled(true);
        QApplication app(argc, argv);
        QCoreApplication::setOrganizationName(QStringLiteral("Corvane"));
        QCoreApplication::setApplicationName(QStringLiteral("corvane-companion-tests"));
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    server.stop();
    return result;
}
