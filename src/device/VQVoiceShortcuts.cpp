#include "VQVoiceShortcuts.h"

#include "KeyShortcut.h"
#include "MMLog.h"
#include "MacKeyMap.h"
#include "UserDefaults.h"
#include "VQDeviceEvents.h"
#include "VQEventCode.h"
#include "VQShortcutBinder.h"

#include <QVariantMap>

const std::array<VQVoiceShortcuts::Function, 3>& VQVoiceShortcuts::functions()
{
    static const std::array<Function, 3> table{{
        {WordShortcutKey, MacKeyMap::kKeyCodeF1, VQEventCode::kVoiceTypingPressed, VQEventCode::kVoiceTypingReleased},
        {TranslateShortcutKey, MacKeyMap::kKeyCodeF2, VQEventCode::kVoiceTranslationPressed,
         VQEventCode::kVoiceTranslationReleased},
        {SearchShortcutKey, MacKeyMap::kKeyCodeF3, VQEventCode::kVoiceSearchPressed, VQEventCode::kVoiceSearchReleased},
    }};
    return table;
}

void VQVoiceShortcuts::install()
{
    QVariantMap defaults;
    for (const Function& function : functions())
        defaults.insert(QString::fromLatin1(function.defaultsKey), KeyShortcut(function.defaultKeyCode, 0).toVariant());
    UserDefaults::standard().registerDefaults(defaults);

    VQShortcutBinder& binder = VQShortcutBinder::sharedBinder();
    for (const Function& function : functions()) {
        // The table is static, so the reference stays valid for the binding's life.
        binder.bindShortcutWithDefaultsKey(QString::fromLatin1(function.defaultsKey),
                                           [&function] { pressed(function); });
    }
}

void VQVoiceShortcuts::remove()
{
    VQShortcutBinder& binder = VQShortcutBinder::sharedBinder();
    for (const Function& function : functions())
        binder.breakBindingWithDefaultsKey(QString::fromLatin1(function.defaultsKey));
}

int VQVoiceShortcuts::eventCodeForPress(const Function& function, bool recognitionRunning)
{
    return recognitionRunning ? function.releaseCode : function.pressCode;
}

void VQVoiceShortcuts::pressed(const Function& function)
{
    const int code = eventCodeForPress(function, VQDeviceEvents::isRecognitionRunning());
    VQLogInfo(QStringLiteral("shortcut of \"%1\" pressed: event code %2")
                  .arg(QString::fromLatin1(function.defaultsKey))
                  .arg(code));
    VQDeviceEvents::shortcutCallbackType(code);
}
