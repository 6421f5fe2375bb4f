// Shared main() of every test executable: a private home folder per process, so tests never
// touch the user's files and test programs running side by side never share a file.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Corvane"));
    QCoreApplication::setApplicationName(QStringLiteral("corvane-companion-tests"));

    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
