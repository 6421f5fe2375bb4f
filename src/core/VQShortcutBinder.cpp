#include "VQShortcutBinder.h"

#include "MMLog.h"
#include "UserDefaults.h"

#include <QVariantMap>

VQShortcutBinder& VQShortcutBinder::sharedBinder()
{
    static VQShortcutBinder* binder = new VQShortcutBinder();
    return *binder;
}

VQShortcutBinder::VQShortcutBinder()
{
    connect(&UserDefaults::standard(), &UserDefaults::changed, this, &VQShortcutBinder::defaultsChanged);
}

KeyShortcut VQShortcutBinder::shortcutForDefaultsKey(const QString& defaultsKey)
{
    return KeyShortcut::fromVariant(UserDefaults::standard().objectForKey(defaultsKey));
}

void VQShortcutBinder::setShortcutForDefaultsKey(const QString& defaultsKey, const KeyShortcut& shortcut)
{
    UserDefaults::standard().setValue(defaultsKey, shortcut.isValid() ? shortcut.toVariant() : QVariant(QVariantMap()));
}

void VQShortcutBinder::bindShortcutWithDefaultsKey(const QString& defaultsKey, Action action)
{
    breakBindingWithDefaultsKey(defaultsKey);
    Binding& binding = m_bindings[defaultsKey];
    binding.action = std::move(action);
    binding.shortcut = shortcutForDefaultsKey(defaultsKey);
    grab(defaultsKey, binding);
}

void VQShortcutBinder::breakBindingWithDefaultsKey(const QString& defaultsKey)
{
    const auto it = m_bindings.find(defaultsKey);
    if (it == m_bindings.end())
        return;
    release(it->second);
    m_bindings.erase(it);
}

bool VQShortcutBinder::isBound(const QString& defaultsKey) const
{
    return m_bindings.count(defaultsKey) > 0;
}

GlobalShortcuts::Status VQShortcutBinder::statusForDefaultsKey(const QString& defaultsKey) const
{
    const auto it = m_bindings.find(defaultsKey);
    return it == m_bindings.end() ? GlobalShortcuts::Status::Unavailable : it->second.status;
}

void VQShortcutBinder::setSuspended(bool suspended)
{
    if (suspended == m_suspended)
        return;
    m_suspended = suspended;
    for (auto& [key, binding] : m_bindings) {
        if (suspended)
            release(binding);
        else
            grab(key, binding);
    }
}

void VQShortcutBinder::resetForTests()
{
    for (auto& [key, binding] : m_bindings)
        release(binding);
    m_bindings.clear();
    m_suspended = false;
}

void VQShortcutBinder::grab(const QString& defaultsKey, Binding& binding)
{
    binding.status = GlobalShortcuts::Status::Ok;
    if (m_suspended || !binding.shortcut.isValid())
        return;
    GlobalShortcuts& shortcuts = GlobalShortcuts::instance();
    const GlobalShortcuts::Registration registration
        = shortcuts.registerShortcut(binding.shortcut, [this, defaultsKey] { run(defaultsKey); });
    binding.status = registration.status;
    if (registration.id > 0) {
        binding.id = registration.id;
        binding.shortcuts = &shortcuts;
        return;
    }
    VQLogWarn(QStringLiteral("shortcut %1 of \"%2\" is not active: %3")
                  .arg(binding.shortcut.displayText(), defaultsKey, GlobalShortcuts::statusText(registration.status)));
    Q_EMIT bindingFailed(defaultsKey, registration.status);
}

void VQShortcutBinder::release(Binding& binding)
{
    if (binding.id > 0 && binding.shortcuts)
        binding.shortcuts->unregisterShortcut(binding.id);
    binding.id = 0;
    binding.shortcuts = nullptr;
}

void VQShortcutBinder::defaultsChanged(const QString& defaultsKey)
{
    const auto it = m_bindings.find(defaultsKey);
    if (it == m_bindings.end())
        return;
    Binding& binding = it->second;
    const KeyShortcut stored = shortcutForDefaultsKey(defaultsKey);
    if (stored == binding.shortcut && (binding.id > 0 || m_suspended))
        return;
    release(binding);
    binding.shortcut = stored;
    grab(defaultsKey, binding);
}

void VQShortcutBinder::run(const QString& defaultsKey)
{
    const auto it = m_bindings.find(defaultsKey);
    if (it == m_bindings.end() || !it->second.action)
        return;
    // A copy: the action may rebind or break its own binding.
    const Action action = it->second.action;
    action();
}
