#include "VQCompositionRoot.h"

#include "AppDelegate.h"
#include "BleCentral.h"
#include "CrashHandler.h"
#include "HidTransport.h"
#include "MMLog.h"
#include "QRNLocalizedString.h"
#include "UserDefaults.h"
#include "VQAISetup.h"
#include "VQDeviceSetup.h"
#include "VQLaserPenSetup.h"
#include "VQMainWindow.h"
#include "VQQuitSignalWatcher.h"
#include "VQShellSetup.h"
#include "VQSingleInstance.h"
#include "VQToolManager.h"
#include "VQTranslateSetup.h"
#include "VQVoiceSetup.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

VQCompositionRoot::VQCompositionRoot(QElapsedTimer startClock)
    : m_startClock(startClock)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Corvane"));
    QCoreApplication::setApplicationName(QStringLiteral("corvane-companion"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VQ_APP_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Corvane Companion"));
    QGuiApplication::setDesktopFileName(QStringLiteral("corvane-companion"));
    // The program lives in its status item: closing its windows does not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    m_homeProblem = homeFolderProblem();
    if (!m_homeProblem.isEmpty()) {
        // Every folder of the program derives from the home folder; without one they would land
        // at the root of the file system. Nothing is written: the console log only.
        VQLogError(QStringLiteral("No usable home folder (%1): nothing is written").arg(m_homeProblem));
        UserDefaults::setWritesDisabled(true);
        VQToolManager::setFilesDisabled(true);
    } else {
        vq::installCrashHandlers(vq::defaultCrashDirectory());
        mm::setupLogging(mm::defaultLogDirectory());
    }

    // Without a usable home only the runtime folder holds the lock.
    m_instance = std::make_unique<VQSingleInstance>(VQSingleInstance::defaultFolders(m_homeProblem.isEmpty()), VQSingleInstance::defaultName(),
                                                    VQSingleInstance::defaultDisplay());
    switch (m_instance->claim()) {
    case VQSingleInstance::Role::Primary:
        break;
    case VQSingleInstance::Role::HandedOver:
        VQLogInfo(QStringLiteral("The program runs already: it was asked to show itself"));
        m_exitCode = 0;
        return;
    case VQSingleInstance::Role::OtherSession:
        VQLogInfo(QStringLiteral("The program runs already in another session of the user: this start ends"));
        m_exitCode = 0;
        m_alertText = kOtherSessionText;
        return;
    case VQSingleInstance::Role::NoAnswer:
        VQLogError(QStringLiteral("The program runs already but does not answer: %1").arg(m_instance->errorString()));
        std::fprintf(stderr, "corvane-companion: already running, but it does not answer (%s)\n",
                     qPrintable(m_instance->errorString()));
        m_exitCode = 1;
        m_alertText = kNoAnswerText;
        return;
    case VQSingleInstance::Role::Failed:
        VQLogWarn(QStringLiteral("Running without the one-program check: %1").arg(m_instance->errorString()));
        break;
    }
}

QString VQCompositionRoot::homeFolderProblem()
{
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty())
        return QStringLiteral("HOME is not set");
    const QFileInfo info(home);
    if (!info.isAbsolute())
        return QStringLiteral("HOME (%1) is not an absolute path").arg(home);
    if (!info.isDir())
        return QStringLiteral("HOME (%1) is not a folder").arg(home);
    if (!info.isWritable())
        return QStringLiteral("HOME (%1) is not writable").arg(home);
    return {};
}

VQCompositionRoot::~VQCompositionRoot() = default;

QMessageBox* VQCompositionRoot::makeStartAlert(const char* textKey)
{
    const auto tr8 = [](const char* key) { return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key)); };
    auto* alert = new QMessageBox;
    alert->setIcon(textKey == kNoAnswerText ? QMessageBox::Warning : QMessageBox::Information);
    alert->setWindowTitle(QString::fromLatin1(VQMainWindow::kWindowTitle));
    alert->setText(tr8(textKey));
    alert->addButton(tr8(AppDelegate::kErrorAlertButtonText), QMessageBox::AcceptRole);
    AppDelegate::keepTitleReadable(alert);
    return alert;
}

void VQCompositionRoot::compose(HidTransport& hid, BleCentral& ble)
{
    if (m_delegate || m_exitCode >= 0)
        return;
    HidTransport::setInstance(&hid);
    BleCentral::setInstance(&ble);

    m_delegate = std::make_unique<AppDelegate>();
    AppDelegate& delegate = *m_delegate;
    // The pages place everything from the left in every language, as the main window does; no
    // translation may turn the layout-managed widgets right-to-left.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    // The higher subsystems install their start-up hooks and register their pages
    // (AppDelegate::registerPageFactory) here, before the start-up runs.
    VQDeviceSetup::install(delegate);
    VQVoiceSetup::installHooks(delegate);
    VQTranslateSetup::installHooks(delegate);
    // Event codes reach the voice hub from the first device report on.
    VQVoiceSetup::install();
    // The speech-SDK path recognises US English on this computer.
    VQVoiceSetup::installOfflineRecognizer();
    // The presenter pen: its keys and the receiver's comings and goings reach the pen's manager;
    // its voice key reaches the hub as the codes of its voice function.
    VQLaserPenSetup::install();
    // The translation window of selected-text translation.
    VQTranslateSetup::install();
    VQShellSetup::registerPages();
    VQAISetup::install(delegate);
    VQShellSetup::installQuitSteps(delegate);
    watchProcess(delegate);
    VQShellSetup::installExitHandlers(delegate);

    // The start-up runs once launching has finished: from the running event loop.
    QTimer::singleShot(0, &delegate, &AppDelegate::applicationDidFinishLaunching);
    if (!m_homeProblem.isEmpty()) {
        // The program runs, its first face the guide, and says why nothing it is told is kept.
        QTimer::singleShot(0, &delegate, [problem = m_homeProblem] {
            VQToolManager::sharedInstance().showErrorMsg(
                QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kNoHomeText)), problem);
        });
    }
}

void VQCompositionRoot::watchProcess(AppDelegate& delegate)
{
    // A later start of the program brings its face back.
    QObject::connect(m_instance.get(), &VQSingleInstance::showRequested, &delegate, &AppDelegate::reopen);

    m_quitSignals = std::make_unique<VQQuitSignalWatcher>();
    // The session asks the program to end: nobody is asked.
    QObject::connect(m_quitSignals.get(), &VQQuitSignalWatcher::quitRequested, &delegate, [&delegate] { delegate.quit(false); });
    const QElapsedTimer startClock = m_startClock;
    QObject::connect(&delegate, &AppDelegate::ready, &delegate, [startClock] {
        VQLogInfo(QStringLiteral("%1 %2 ready in %3 ms")
                      .arg(QCoreApplication::applicationName(), QCoreApplication::applicationVersion())
                      .arg(startClock.elapsed()));
    });
}

int VQCompositionRoot::exec()
{
    if (m_exitCode >= 0) {
        mm::flushLogs();
        if (m_alertText != nullptr) {
            // The user who started it, on this display, learns why nothing else comes.
            const std::unique_ptr<QMessageBox> alert(makeStartAlert(m_alertText));
            alert->exec();
        }
        return m_exitCode;
    }
    const int code = QApplication::exec();
    HidTransport::setInstance(nullptr);
    BleCentral::setInstance(nullptr);
    return code;
}
