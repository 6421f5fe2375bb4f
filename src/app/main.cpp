// Program entry: crash handlers first, then logging, then the application delegate's start-up
// from the event loop.
#include "AppDelegate.h"
#include "HIDDevice.h"
#include "VQBLEMouseCommandManager.h"
#include "VQKeyPressManager.h"
#include "VQMouseCommandManager.h"
#include "CrashHandler.h"
#include "MMLog.h"
#include "UserDefaults.h"
#include "VQQuitSignalWatcher.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

int main(int argc, char** argv)
{
    QElapsedTimer startClock;
    startClock.start();

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Corvane"));
    QCoreApplication::setApplicationName(QStringLiteral("corvane-companion"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VQ_APP_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Corvane Companion"));
    QGuiApplication::setDesktopFileName(QStringLiteral("corvane-companion"));
    // The program lives in its status item: closing its windows does not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    vq::installCrashHandlers(vq::defaultCrashDirectory());
    mm::setupLogging(mm::defaultLogDirectory());

    AppDelegate delegate;
    // The higher subsystems install their start-up hooks (delegate.hooks()) and register their
    // pages (AppDelegate::registerPageFactory) here, before the start-up runs.
    AppDelegate::Hooks& hooks = delegate.hooks();
    hooks.createDeviceLink = [] {
        VQMouseCommandManager::sharedInstance();
        HIDDevice::sharedManager().start();
    };
    hooks.startKeyPressManager = [] { VQKeyPressManager::sharedInstance().start(); };
    hooks.startBleScan = [] { VQBLEMouseCommandManager::sharedInstance().startScan(); };

    VQQuitSignalWatcher quitSignals;
    QObject::connect(&quitSignals, &VQQuitSignalWatcher::quitRequested, &delegate, &AppDelegate::quit);
    QObject::connect(&delegate, &AppDelegate::ready, [&startClock] {
        VQLogInfo(QStringLiteral("%1 %2 ready in %3 ms")
                      .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion())
                      .arg(startClock.elapsed()));
    });

    // Pending settings reach the disk before the process ends.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [] {
        UserDefaults::standard().synchronize();
        mm::flushLogs();
    });

    // The start-up runs once launching has finished: from the running event loop.
    QTimer::singleShot(0, &delegate, &AppDelegate::applicationDidFinishLaunching);
    return app.exec();
}
