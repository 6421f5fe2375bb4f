#include "TestProgram.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace vqtest {

int runTestProgram(int argc, char** argv, const TestProgramSteps& steps)
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
    if (steps.beforeApplication) {
        if (const int status = steps.beforeApplication(); status != 0)
            return status;
    }

    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Corvane"));
    QCoreApplication::setApplicationName(QStringLiteral("corvane-companion-tests"));
    int result = steps.withApplication ? steps.withApplication() : 0;
    if (result == 0) {
        ::testing::InitGoogleMock(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    if (steps.afterTests)
        steps.afterTests();
    return result;
}

} // namespace vqtest
