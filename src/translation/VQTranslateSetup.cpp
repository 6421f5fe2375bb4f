#include "VQTranslateSetup.h"

#include "AppDelegate.h"
#include "KeyShortcut.h"
#include "MMLog.h"
#include "QRNLocalizedString.h"
#include "UserDefaults.h"
#include "VQDeviceEvents.h"
#include "VQKeyPressManager.h"
#include "VQPopupWindowTool.h"
#include "VQSelectionMonitor.h"
#include "VQShortcutBinder.h"
#include "VQShortcutValidator.h"
#include "VQTranslateManager.h"
#include "VQTranslateWindow.h"
#include "VQUserInfoData.h"

#include <QVariantMap>

namespace {

constexpr int kKeyCodeS = 1;
constexpr quint64 kOptionModifier = 0x80000;

void snipShortcutRefused(const QString& defaultsKey, GlobalShortcuts::Status status)
{
    if (defaultsKey != QLatin1String(VQTranslateSetup::kSnipShortcutKey))
        return;
    VQLogWarn(QStringLiteral("the screenshot shortcut could not be grabbed (status %1)").arg(int(status)));
    VQPopupWindowTool::sharedInstance().showTipMessage(
        QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(VQTranslateSetup::kSnipShortcutInUseText)),
        QStringLiteral("error_icon"));
}

} // namespace

void VQTranslateSetup::install()
{
    // The window lives for the process, as the popup tool expects of its factories' objects.
    VQPopupWindowTool::sharedInstance().setTranslateWindowFactory(
        []() -> VQTranslateWindowInterface* { return new VQTranslateWindow(); });
}

void VQTranslateSetup::installHooks(AppDelegate& delegate)
{
    AppDelegate::Hooks& hooks = delegate.hooks();
    hooks.installSelectionMonitors = [] { VQSelectionMonitor::sharedInstance().start(); };
    VQKeyPressManager::sharedInstance().hooks().hyperTranslate = [] { VQSelectionMonitor::translateCopiedWord(); };
    hooks.bindScreenshotShortcut = [] { bindScreenshotShortcut(); };
    VQKeyPressManager::sharedInstance().hooks().snipTranslate = [] { VQTranslateManager::sharedInstance().snipTranslate(); };
    VQDeviceEvents::setScreenshotCallback([] { VQTranslateManager::sharedInstance().snipTranslate(); });
}

void VQTranslateSetup::bindScreenshotShortcut()
{
    const QString key = QString::fromLatin1(kSnipShortcutKey);
    UserDefaults::standard().registerDefaults(QVariantMap{{key, KeyShortcut(kKeyCodeS, kOptionModifier).toVariant()}});
    VQShortcutValidator::sharedValidator().setAllowAnyShortcutWithOptionModifier(true);

    VQShortcutBinder& binder = VQShortcutBinder::sharedBinder();
    // The binder lives for the process, so one connection serves every later run.
    static const bool connected = [&binder] {
        QObject::connect(&binder, &VQShortcutBinder::bindingFailed, &binder, &snipShortcutRefused);
        return true;
    }();
    Q_UNUSED(connected);
    binder.bindShortcutWithDefaultsKey(key, &VQTranslateSetup::screenshotTranslationAction);
}

void VQTranslateSetup::screenshotTranslationAction()
{
    const VQUserInfoData& state = VQUserInfoData::sharedInstance();
    if (!state.screenshotsTranslateSwitch()) {
        VQLogInfo(QStringLiteral("screenshot shortcut pressed: screenshot translation is off"));
        return;
    }
    if (!state.isConnect()) {
        VQLogInfo(QStringLiteral("screenshot shortcut pressed: no device connected"));
        return;
    }
    VQTranslateManager::sharedInstance().snipTranslate();
}
