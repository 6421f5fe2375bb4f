#pragma once

#include "GlobalShortcuts.h"
#include "KeyShortcut.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>

// Binds the shortcut stored under a user-defaults key to an action: the combination is grabbed
// for the whole desktop, follows every later change of the stored value (a recorder writing a
// new one, a cleared one) and is released when the binding is broken.
//
// The stored value is KeyShortcut's stored form (a map of "keyCode" and "modifierFlags"); an
// empty map means "no shortcut" and keeps a registered default from coming back. A combination
// that cannot be grabbed (another program holds it, the key is not on the keyboard) is logged
// and reported through bindingFailed; the binding stays and is tried again when the stored
// value changes. Main thread only.
class VQShortcutBinder : public QObject {
    Q_OBJECT
public:
    using Action = std::function<void()>;

    static VQShortcutBinder& sharedBinder();

    // Binds the key's shortcut to the action, replacing an earlier binding of the key.
    void bindShortcutWithDefaultsKey(const QString& defaultsKey, Action action);
    // Releases the key's shortcut; nothing happens when the key is not bound.
    void breakBindingWithDefaultsKey(const QString& defaultsKey);

    bool isBound(const QString& defaultsKey) const;
    // The outcome of the key's last grab: Ok also while the key holds no shortcut or the binder is
    // suspended; Unavailable for a key that is not bound.
    GlobalShortcuts::Status statusForDefaultsKey(const QString& defaultsKey) const;

    // While suspended no combination is grabbed, so a shortcut recorder receives every key; the
    // bindings stay and are grabbed again on resume.
    void setSuspended(bool suspended);
    bool isSuspended() const { return m_suspended; }

    // The shortcut stored under the key in the standard user defaults (empty when none).
    static KeyShortcut shortcutForDefaultsKey(const QString& defaultsKey);
    // Stores the shortcut under the key; the empty shortcut is stored as "no shortcut".
    static void setShortcutForDefaultsKey(const QString& defaultsKey, const KeyShortcut& shortcut);

    // Tests only: breaks every binding and resumes.
    void resetForTests();

Q_SIGNALS:
    void bindingFailed(const QString& defaultsKey, GlobalShortcuts::Status status);

private:
    struct Binding {
        Action action;
        KeyShortcut shortcut;
        GlobalShortcuts* shortcuts = nullptr; // the implementation that holds the grab
        int id = 0;
        GlobalShortcuts::Status status = GlobalShortcuts::Status::Ok;
    };

    VQShortcutBinder();

    void grab(const QString& defaultsKey, Binding& binding);
    static void release(Binding& binding);
    void defaultsChanged(const QString& defaultsKey);
    void run(const QString& defaultsKey);

    std::map<QString, Binding> m_bindings;
    bool m_suspended = false;
};
