// Program entry: crash handlers first, then logging, then the core state, then the event loop.
#include "CrashHandler.h"
#include "MMLog.h"
#include "UserDefaults.h"
#include "VQLanguageManager.h"
#include "VQUserInfoData.h"

#include <QApplication>
#include <QElapsedTimer>

#include <csignal>

int main(int argc, char** argv)
{
    QElapsedTimer startClock;
    startClock.start();

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Corvane"));
    QCoreApplication::setApplicationName(QStringLiteral("corvane-companion"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VQ_APP_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);

    vq::installCrashHandlers(vq::defaultCrashDirectory());
    mm::setupLogging(mm::defaultLogDirectory());

    VQUserInfoData::sharedInstance();
    VQLanguageManager::sharedInstance();

    // Pending settings reach the disk before the process ends.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [] {
        UserDefaults::standard().synchronize();
        mm::flushLogs();
    });

    VQLogInfo(QStringLiteral("%1 %2 ready in %3 ms")
                  .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion())
                  .arg(startClock.elapsed()));
    return app.exec();
}
