#pragma once

#include "GlobalShortcuts.h"
#include "X11ErrorTrap.h"
#include "X11ModifierMasks.h"

#include <QObject>

#include <map>
#include <set>
#include <vector>

class QSocketNotifier;
struct _XDisplay;

// Global shortcuts as passive key grabs on the root window, on an X connection of its own
// whose socket the main thread's event loop watches (no polling).
//
// A combination is grabbed with every state of CapsLock, NumLock and ScrollLock, so it fires
// whatever the lock keys are. A grab that another client already holds is refused by the server
// with BadAccess; that is caught and reported as Status::InUse, and the process goes on. Key
// repeat of a held key runs the action once. whenKeysReleased() waits for the release of a held
// combination key, which the grab brings to this connection. After a change of the keyboard map every
// combination is grabbed again. Main thread only.
class X11GlobalShortcuts : public QObject, public GlobalShortcuts {
    Q_OBJECT
public:
    explicit X11GlobalShortcuts(QObject* parent = nullptr);
    ~X11GlobalShortcuts() override;

    Registration registerShortcut(const KeyShortcut& shortcut, Action action) override;
    void unregisterShortcut(int id) override;
    void whenKeysReleased(Action action) override;

private:
    struct Entry {
        KeyShortcut shortcut;
        unsigned int keycode = 0;
        unsigned int modifiers = 0;
        Action action;
    };

    bool ensureDisplay();
    std::vector<unsigned int> lockVariants() const;
    Status resolve(const KeyShortcut& shortcut, unsigned int& keycode, unsigned int& modifiers) const;
    Status grab(unsigned int keycode, unsigned int modifiers);
    void ungrab(unsigned int keycode, unsigned int modifiers);
    bool isGrabbedByOthers(int exceptId, unsigned int keycode, unsigned int modifiers) const;
    void regrabAll();
    void processEvents();
    void processQueuedEvents();
    void handleKeyPress(unsigned int keycode, unsigned int state);
    void handleKeyRelease(unsigned int keycode);
    bool isRegisteredKey(unsigned int keycode) const;
    void forgetKeysNotDown();
    void runReleasedActions();

    X11LazyDisplay m_display;
    unsigned long m_root = 0;
    QSocketNotifier* m_notifier = nullptr;
    X11ModifierMasks m_masks;
    std::map<int, Entry> m_entries;
    // The registered keys held down, as the grab reports them.
    std::set<unsigned int> m_keysDown;
    unsigned int m_grabKey = 0; // the key whose press began the grab
    std::vector<Action> m_releasedActions;
    int m_nextId = 1;
};
