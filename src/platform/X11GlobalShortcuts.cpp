#include "X11GlobalShortcuts.h"

#include "MMLog.h"
#include "MacKeyMap.h"
#include "X11ErrorTrap.h"

#include <QAbstractEventDispatcher>
#include <QSocketNotifier>
#include <QThread>

#include <algorithm>
#include <iterator>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

// Xlib defines Status as a macro; GlobalShortcuts has an enum of that name.
#undef Status

namespace {

// The modifier bits of a key event's state (the pointer buttons are above them).
constexpr unsigned int kModifierBits = ShiftMask | LockMask | ControlMask | Mod1Mask | Mod2Mask | Mod3Mask
    | Mod4Mask | Mod5Mask;

} // namespace

X11GlobalShortcuts::X11GlobalShortcuts(QObject* parent)
    : QObject(parent)
{
}

X11GlobalShortcuts::~X11GlobalShortcuts()
{
    delete m_notifier;
    if (!m_display)
        return;
    X11ErrorTrap trap(m_display);
    std::set<std::pair<unsigned int, unsigned int>> released;
    for (const auto& [id, entry] : m_entries) {
        if (entry.keycode != 0 && released.insert({entry.keycode, entry.modifiers}).second) {
            for (unsigned int variant : lockVariants())
                XUngrabKey(m_display, static_cast<int>(entry.keycode), entry.modifiers | variant, m_root);
        }
    }
    trap.sync();
}

bool X11GlobalShortcuts::ensureDisplay()
{
    return m_display.ensure([this](_XDisplay* display) {
        m_root = DefaultRootWindow(display);
        Bool supported = False;
        XkbSetDetectableAutoRepeat(display, True, &supported);
        m_masks = X11ModifierMasks::read(display);

        m_notifier = new QSocketNotifier(ConnectionNumber(display), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &X11GlobalShortcuts::processEvents);
        // Xlib may read events into its queue during any request; handle them before the loop sleeps.
        if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(thread()))
            connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &X11GlobalShortcuts::processQueuedEvents);
        return true;
    });
}

std::vector<unsigned int> X11GlobalShortcuts::lockVariants() const
{
    std::vector<unsigned int> locks{LockMask};
    if (m_masks.numLock)
        locks.push_back(m_masks.numLock);
    if (m_masks.scrollLock)
        locks.push_back(m_masks.scrollLock);
    std::vector<unsigned int> variants;
    for (unsigned int subset = 0; subset < (1u << locks.size()); ++subset) {
        unsigned int mask = 0;
        for (std::size_t i = 0; i < locks.size(); ++i) {
            if (subset & (1u << i))
                mask |= locks[i];
        }
        variants.push_back(mask);
    }
    return variants;
}

GlobalShortcuts::Status X11GlobalShortcuts::resolve(const KeyShortcut& shortcut, unsigned int& keycode,
                                                    unsigned int& modifiers) const
{
    const KeySym keysym = MacKeyMap::keysymForMacKeyCode(shortcut.keyCode());
    if (keysym == 0)
        return Status::InvalidKey;
    keycode = XKeysymToKeycode(m_display, keysym);
    if (keycode == 0)
        return Status::InvalidKey;
    return m_masks.xModifiers(shortcut.modifierFlags(), modifiers) ? Status::Ok : Status::InvalidKey;
}

GlobalShortcuts::Status X11GlobalShortcuts::grab(unsigned int keycode, unsigned int modifiers)
{
    X11ErrorTrap trap(m_display);
    std::vector<unsigned int> done;
    int error = 0;
    for (unsigned int variant : lockVariants()) {
        XGrabKey(m_display, static_cast<int>(keycode), modifiers | variant, m_root, False, GrabModeAsync,
                 GrabModeAsync);
        error = trap.sync();
        if (error != 0)
            break;
        done.push_back(variant);
    }
    if (error == 0)
        return Status::Ok;
    for (unsigned int variant : done)
        XUngrabKey(m_display, static_cast<int>(keycode), modifiers | variant, m_root);
    trap.sync();
    return error == BadAccess ? Status::InUse : Status::Unavailable;
}

void X11GlobalShortcuts::ungrab(unsigned int keycode, unsigned int modifiers)
{
    X11ErrorTrap trap(m_display);
    for (unsigned int variant : lockVariants())
        XUngrabKey(m_display, static_cast<int>(keycode), modifiers | variant, m_root);
    trap.sync();
}

bool X11GlobalShortcuts::isGrabbedByOthers(int exceptId, unsigned int keycode, unsigned int modifiers) const
{
    for (const auto& [id, entry] : m_entries) {
        if (id != exceptId && entry.keycode == keycode && entry.modifiers == modifiers)
            return true;
    }
    return false;
}

GlobalShortcuts::Registration X11GlobalShortcuts::registerShortcut(const KeyShortcut& shortcut, Action action)
{
    if (!shortcut.isValid())
        return {0, Status::InvalidKey};
    if (!ensureDisplay())
        return {0, Status::Unavailable};
    unsigned int keycode = 0;
    unsigned int modifiers = 0;
    const Status resolved = resolve(shortcut, keycode, modifiers);
    if (resolved != Status::Ok) {
        VQLogWarn(QStringLiteral("shortcut %1 cannot be grabbed: %2").arg(shortcut.displayText(), statusText(resolved)));
        return {0, resolved};
    }
    if (!isGrabbedByOthers(0, keycode, modifiers)) {
        const Status grabbed = grab(keycode, modifiers);
        if (grabbed != Status::Ok) {
            VQLogWarn(QStringLiteral("shortcut %1 cannot be grabbed: %2").arg(shortcut.displayText(), statusText(grabbed)));
            return {0, grabbed};
        }
    }
    const int id = m_nextId++;
    m_entries.emplace(id, Entry{shortcut, keycode, modifiers, std::move(action)});
    return {id, Status::Ok};
}

void X11GlobalShortcuts::unregisterShortcut(int id)
{
    const auto it = m_entries.find(id);
    if (it == m_entries.end())
        return;
    const unsigned int keycode = it->second.keycode;
    const unsigned int modifiers = it->second.modifiers;
    m_entries.erase(it);
    if (keycode != 0 && !isGrabbedByOthers(0, keycode, modifiers))
        ungrab(keycode, modifiers);
}

void X11GlobalShortcuts::regrabAll()
{
    // The keycodes of the stored combinations may have moved: release the old grabs and grab
    // what the new map gives.
    std::set<std::pair<unsigned int, unsigned int>> old;
    for (const auto& [id, entry] : m_entries) {
        if (entry.keycode != 0)
            old.insert({entry.keycode, entry.modifiers});
    }
    for (const auto& [keycode, modifiers] : old)
        ungrab(keycode, modifiers);

    std::set<std::pair<unsigned int, unsigned int>> grabbed;
    for (auto& [id, entry] : m_entries) {
        entry.keycode = 0;
        unsigned int keycode = 0;
        unsigned int modifiers = 0;
        if (resolve(entry.shortcut, keycode, modifiers) != Status::Ok)
            continue;
        if (grabbed.count({keycode, modifiers}) == 0) {
            const Status status = grab(keycode, modifiers);
            if (status != Status::Ok) {
                VQLogWarn(QStringLiteral("shortcut %1 lost after a keyboard change: %2")
                              .arg(entry.shortcut.displayText(), statusText(status)));
                continue;
            }
            grabbed.insert({keycode, modifiers});
        }
        entry.keycode = keycode;
        entry.modifiers = modifiers;
    }
}

void X11GlobalShortcuts::processQueuedEvents()
{
    if (m_display && XEventsQueued(m_display, QueuedAlready) > 0)
        processEvents();
}

void X11GlobalShortcuts::processEvents()
{
    if (!m_display)
        return;
    while (XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        switch (event.type) {
        case KeyPress:
            handleKeyPress(event.xkey.keycode, event.xkey.state);
            break;
        case KeyRelease:
            handleKeyRelease(event.xkey.keycode);
            break;
        case MappingNotify:
            XRefreshKeyboardMapping(&event.xmapping);
            if (event.xmapping.request == MappingModifier || event.xmapping.request == MappingKeyboard) {
                m_masks = X11ModifierMasks::read(m_display);
                regrabAll();
            }
            break;
        default:
            break;
        }
        if (!m_display)
            return;
    }
}

void X11GlobalShortcuts::handleKeyPress(unsigned int keycode, unsigned int state)
{
    // While the grab is active every key comes here; only the registered ones count.
    if (!isRegisteredKey(keycode))
        return;
    // With detectable auto-repeat a held key sends presses without releases: run once.
    if (!m_keysDown.insert(keycode).second)
        return;
    if (m_keysDown.size() == 1)
        m_grabKey = keycode;
    const unsigned int modifiers = state & kModifierBits & ~m_masks.locks();
    std::vector<int> matches;
    for (const auto& [id, entry] : m_entries) {
        if (entry.keycode == keycode && entry.modifiers == modifiers)
            matches.push_back(id);
    }
    for (int id : matches) {
        // An earlier action may have removed this registration.
        const auto it = m_entries.find(id);
        if (it == m_entries.end())
            continue;
        const Action action = it->second.action;
        if (action)
            action();
    }
}

bool X11GlobalShortcuts::isRegisteredKey(unsigned int keycode) const
{
    return std::any_of(m_entries.begin(), m_entries.end(),
                       [keycode](const auto& entry) { return entry.second.keycode == keycode; });
}

void X11GlobalShortcuts::handleKeyRelease(unsigned int keycode)
{
    if (keycode == m_grabKey) {
        // The grab ends with the release of the key that began it: the releases of keys pressed
        // meanwhile go to other windows.
        m_keysDown.clear();
    } else {
        m_keysDown.erase(keycode);
    }
    if (m_keysDown.empty() && !m_releasedActions.empty())
        QMetaObject::invokeMethod(this, &X11GlobalShortcuts::runReleasedActions, Qt::QueuedConnection);
}

void X11GlobalShortcuts::forgetKeysNotDown()
{
    char keys[32] = {};
    XQueryKeymap(m_display, keys);
    for (auto it = m_keysDown.begin(); it != m_keysDown.end();) {
        const bool down = (keys[*it / 8] >> (*it % 8)) & 1;
        it = down ? std::next(it) : m_keysDown.erase(it);
    }
}

void X11GlobalShortcuts::whenKeysReleased(Action action)
{
    if (!action)
        return;
    // A release this connection never saw must not hold the action back for good.
    if (m_display && !m_keysDown.empty())
        forgetKeysNotDown();
    if (m_keysDown.empty() && m_releasedActions.empty()) {
        action();
        return;
    }
    VQLogInfo(QStringLiteral("a shortcut key is held: the keys wait for its release"));
    m_releasedActions.push_back(std::move(action));
    if (m_keysDown.empty())
        QMetaObject::invokeMethod(this, &X11GlobalShortcuts::runReleasedActions, Qt::QueuedConnection);
}

void X11GlobalShortcuts::runReleasedActions()
{
    // An action may queue another or find a key held again: it waits its turn.
    while (!m_releasedActions.empty() && m_keysDown.empty()) {
        const Action action = std::move(m_releasedActions.front());
        m_releasedActions.erase(m_releasedActions.begin());
        action();
    }
}
