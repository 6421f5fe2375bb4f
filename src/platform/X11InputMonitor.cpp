#include "X11InputMonitor.h"

#include "MMLog.h"
#include "MacKeyMap.h"
#include "X11ErrorTrap.h"
#include "X11ModifierMasks.h"

#include <QGuiApplication>
#include <QScreen>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XInput2.h>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <vector>

namespace {

constexpr MMEventMask kMouseButtonTypes = MMEventMasks::kAnyMouseDown | MMEventMasks::kAnyMouseUp;

// Buttons 4 to 7 are the scroll wheel.
bool isWheelButton(int button)
{
    return button >= 4 && button <= 7;
}

// The button number reported to handlers: 0 left, 1 right, 2 middle, then the side buttons.
int buttonNumberOf(int xButton)
{
    switch (xButton) {
    case 1:
        return 0;
    case 2:
        return 2;
    case 3:
        return 1;
    default:
        return xButton - 5; // 8 -> 3, 9 -> 4
    }
}

MMEventType mouseEventType(int buttonNumber, bool down)
{
    if (buttonNumber == 0)
        return down ? MMEventType::LeftMouseDown : MMEventType::LeftMouseUp;
    if (buttonNumber == 1)
        return down ? MMEventType::RightMouseDown : MMEventType::RightMouseUp;
    return down ? MMEventType::OtherMouseDown : MMEventType::OtherMouseUp;
}

// Native pixels of the X root window to Qt's device-independent global coordinates: each
// screen keeps its origin and scales what lies inside it by its device pixel ratio.
QPoint toQtGlobal(QPoint native)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* screen : screens) {
        const QRect logical = screen->geometry();
        const qreal ratio = screen->devicePixelRatio();
        const QRect nativeRect(logical.topLeft(), logical.size() * ratio);
        if (nativeRect.contains(native)) {
            const QPointF offset = QPointF(native - logical.topLeft()) / ratio;
            return logical.topLeft() + offset.toPoint();
        }
    }
    return native;
}

} // namespace

X11InputMonitor::X11InputMonitor(QObject* parent)
    : QObject(parent)
{
}

X11InputMonitor::~X11InputMonitor()
{
    if (m_worker.joinable()) {
        m_stop.store(true);
        wakeWorker();
        m_worker.join();
    }
    if (m_display)
        XCloseDisplay(m_display);
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

bool X11InputMonitor::ensureWorker()
{
    if (m_worker.joinable())
        return true;
    if (m_unavailable)
        return false;
    m_unavailable = true; // until everything below has worked

    Display* display = X11ErrorTrap::openDisplay();
    if (!display)
        return false;
    int event = 0;
    int error = 0;
    int major = 2;
    int minor = 2;
    if (!XQueryExtension(display, "XInputExtension", &m_xiOpcode, &event, &error)
        || XIQueryVersion(display, &major, &minor) != Success) {
        VQLogError(QStringLiteral("the X server has no XInput 2.2: mouse and key monitors are unavailable"));
        XCloseDisplay(display);
        return false;
    }
    m_wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wakeFd < 0) {
        VQLogError(QStringLiteral("eventfd failed (errno %1): mouse and key monitors are unavailable").arg(errno));
        XCloseDisplay(display);
        return false;
    }
    m_display = display;
    m_unavailable = false;
    m_worker = std::thread([this] { workerLoop(); });
    return true;
}

int X11InputMonitor::addMonitor(MMEventMask mask, Handler handler)
{
    if (!ensureWorker())
        return 0;
    const int id = m_nextId++;
    m_monitors.emplace(id, Monitor{mask, std::move(handler)});
    updateWantedMask();
    return id;
}

void X11InputMonitor::removeMonitor(int id)
{
    if (m_monitors.erase(id) > 0)
        updateWantedMask();
}

void X11InputMonitor::updateWantedMask()
{
    MMEventMask wanted = 0;
    for (const auto& [id, monitor] : m_monitors)
        wanted |= monitor.mask;
    if (m_wantedMask.exchange(wanted) == wanted)
        return;
    // The worker asks the server for the new selection when it wakes; the main thread never
    // waits for the server, which another client may hold.
    {
        std::lock_guard lock(m_selectionMutex);
        ++m_requestedSelection;
    }
    wakeWorker();
}

bool X11InputMonitor::selectionApplied()
{
    std::lock_guard lock(m_selectionMutex);
    return m_workerEnded || m_appliedSelection >= m_requestedSelection;
}

void X11InputMonitor::wakeWorker()
{
    if (m_wakeFd < 0)
        return;
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_wakeFd, &one, sizeof(one));
}

void X11InputMonitor::deliver(MMEvent event)
{
    event.location = toQtGlobal(event.location);
    const MMEventMask bit = mmEventMask(event.type);
    std::vector<int> ids;
    for (const auto& [id, monitor] : m_monitors) {
        if (monitor.mask & bit)
            ids.push_back(id);
    }
    for (int id : ids) {
        // A handler may have removed this monitor (or itself).
        const auto it = m_monitors.find(id);
        if (it == m_monitors.end())
            continue;
        const Handler handler = it->second.handler;
        if (handler)
            handler(event);
    }
}

void X11InputMonitor::workerLoop()
{
    Display* display = m_display;
    const Window root = DefaultRootWindow(display);
    const X11ModifierMasks masks = X11ModifierMasks::read(display);

    std::array<unsigned char, 256> buttonMap{};
    for (std::size_t i = 0; i < buttonMap.size(); ++i)
        buttonMap[i] = static_cast<unsigned char>(i + 1);
    const int mapped = XGetPointerMapping(display, buttonMap.data(), static_cast<int>(buttonMap.size()));

    // Modifier state, followed from the raw key events themselves: asking the server when an
    // event is handled would give the state of a later moment.
    std::array<unsigned int, 256> modifierOfKey{};
    if (XModifierKeymap* map = XGetModifierMapping(display)) {
        for (int row = 0; row < 8; ++row) {
            for (int i = 0; i < map->max_keypermod; ++i) {
                const KeyCode keycode = map->modifiermap[row * map->max_keypermod + i];
                if (keycode != 0)
                    modifierOfKey[keycode] |= 1u << row;
            }
        }
        XFreeModifiermap(map);
    }
    std::array<bool, 256> modifierKeyDown{};
    unsigned int lockedModifiers = 0;
    const auto currentModifiers = [&] {
        unsigned int modifiers = lockedModifiers;
        for (std::size_t keycode = 0; keycode < modifierKeyDown.size(); ++keycode) {
            if (modifierKeyDown[keycode])
                modifiers |= modifierOfKey[keycode];
        }
        return modifiers;
    };
    const auto readKeyboardState = [&] {
        XkbStateRec state{};
        if (XkbGetState(display, XkbUseCoreKbd, &state) == Success)
            lockedModifiers = state.locked_mods & masks.locks();
        char keys[32] = {};
        XQueryKeymap(display, keys);
        for (std::size_t keycode = 0; keycode < modifierKeyDown.size(); ++keycode)
            modifierKeyDown[keycode] = modifierOfKey[keycode] != 0 && ((keys[keycode / 8] >> (keycode % 8)) & 1);
    };

    unsigned int buttonsDown = 0; // bit n: button number n is down
    bool selectedMotion = false;
    bool selectedButtons = false;
    bool selectedKeys = false;
    bool selectedAny = false;

    const auto refreshSelection = [&] {
        const MMEventMask wanted = m_wantedMask.load();
        const bool any = wanted != 0;
        const bool motion = (wanted & MMEventMasks::kMouseMoved)
            || ((wanted & MMEventMasks::kAnyMouseDragged) && buttonsDown != 0);
        // Drags need the button presses even when no handler wants them.
        const bool buttons = (wanted & (kMouseButtonTypes | MMEventMasks::kAnyMouseDragged)) != 0;
        const bool keys = (wanted & MMEventMasks::kAnyKey) != 0;
        if (selectedAny == any && motion == selectedMotion && buttons == selectedButtons && keys == selectedKeys)
            return;
        std::array<unsigned char, XIMaskLen(XI_LASTEVENT)> bits{};
        if (buttons) {
            XISetMask(bits.data(), XI_RawButtonPress);
            XISetMask(bits.data(), XI_RawButtonRelease);
        }
        if (motion)
            XISetMask(bits.data(), XI_RawMotion);
        if (keys) {
            XISetMask(bits.data(), XI_RawKeyPress);
            XISetMask(bits.data(), XI_RawKeyRelease);
        }
        XIEventMask mask;
        mask.deviceid = XIAllMasterDevices;
        mask.mask_len = static_cast<int>(bits.size());
        mask.mask = bits.data();
        XISelectEvents(display, root, &mask, 1);
        XSync(display, False);
        if (keys && !selectedKeys)
            readKeyboardState();
        selectedAny = any;
        selectedMotion = motion;
        selectedButtons = buttons;
        selectedKeys = keys;
    };

    const auto pointerPosition = [&] {
        Window rootReturn = 0;
        Window child = 0;
        int rootX = 0;
        int rootY = 0;
        int winX = 0;
        int winY = 0;
        unsigned int state = 0;
        XQueryPointer(display, root, &rootReturn, &child, &rootX, &rootY, &winX, &winY, &state);
        return QPoint(rootX, rootY);
    };

    const auto post = [this](const MMEvent& event) {
        if (!(m_wantedMask.load() & mmEventMask(event.type)))
            return;
        QMetaObject::invokeMethod(this, [this, event] { deliver(event); }, Qt::QueuedConnection);
    };

    const auto handleRaw = [&](int evtype, const XIRawEvent* raw) {
        MMEvent event;
        switch (evtype) {
        case XI_RawButtonPress:
        case XI_RawButtonRelease: {
            int button = raw->detail;
            if (button >= 1 && button <= mapped)
                button = buttonMap[static_cast<std::size_t>(button - 1)];
            if (button < 1 || isWheelButton(button))
                return;
            const bool down = evtype == XI_RawButtonPress;
            event.buttonNumber = buttonNumberOf(button);
            if (event.buttonNumber >= 0 && event.buttonNumber < 32) {
                if (down)
                    buttonsDown |= 1u << event.buttonNumber;
                else
                    buttonsDown &= ~(1u << event.buttonNumber);
            }
            event.type = mouseEventType(event.buttonNumber, down);
            event.location = pointerPosition();
            post(event);
            refreshSelection();
            return;
        }
        case XI_RawMotion:
            if (buttonsDown & 1u) {
                event.type = MMEventType::LeftMouseDragged;
            } else if (buttonsDown & 2u) {
                event.type = MMEventType::RightMouseDragged;
                event.buttonNumber = 1;
            } else if (buttonsDown != 0) {
                event.type = MMEventType::OtherMouseDragged;
                event.buttonNumber = 2;
                for (int n = 2; n < 32; ++n) {
                    if (buttonsDown & (1u << n)) {
                        event.buttonNumber = n;
                        break;
                    }
                }
            } else {
                event.type = MMEventType::MouseMoved;
            }
            if (!(m_wantedMask.load() & mmEventMask(event.type)))
                return;
            event.location = pointerPosition();
            post(event);
            return;
        case XI_RawKeyPress:
        case XI_RawKeyRelease: {
            const bool down = evtype == XI_RawKeyPress;
            const int keycode = raw->detail;
            const KeySym keysym = XkbKeycodeToKeysym(display, static_cast<KeyCode>(keycode), 0, 0);
            event.nativeKeyCode = static_cast<quint32>(keycode);
            event.keyCode = MacKeyMap::macKeyCodeForKeysym(static_cast<quint32>(keysym));
            event.type = IsModifierKey(keysym) || keysym == XK_Caps_Lock
                ? MMEventType::FlagsChanged
                : (down ? MMEventType::KeyDown : MMEventType::KeyUp);
            event.isARepeat = (raw->flags & XIKeyRepeat) != 0;
            if (keycode > 0 && keycode < static_cast<int>(modifierKeyDown.size()) && modifierOfKey[keycode] != 0) {
                const unsigned int modifier = modifierOfKey[keycode];
                if (modifier & masks.locks()) {
                    if (down && !event.isARepeat)
                        lockedModifiers ^= modifier & masks.locks();
                } else {
                    modifierKeyDown[static_cast<std::size_t>(keycode)] = down;
                }
            }
            event.modifierFlags = masks.macFlags(currentModifiers());
            event.location = pointerPosition();
            post(event);
            return;
        }
        default:
            return;
        }
    };

    std::array<pollfd, 2> fds{};
    fds[0].fd = ConnectionNumber(display);
    fds[0].events = POLLIN;
    fds[1].fd = m_wakeFd;
    fds[1].events = POLLIN;

    while (!m_stop.load()) {
        quint64 request = 0;
        {
            std::lock_guard lock(m_selectionMutex);
            request = m_requestedSelection;
        }
        refreshSelection();
        {
            std::lock_guard lock(m_selectionMutex);
            m_appliedSelection = request;
        }
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            XGenericEventCookie* cookie = &event.xcookie;
            if (cookie->type != GenericEvent || cookie->extension != m_xiOpcode)
                continue;
            if (XGetEventData(display, cookie)) {
                handleRaw(cookie->evtype, static_cast<const XIRawEvent*>(cookie->data));
                XFreeEventData(display, cookie);
            }
        }
        if (m_stop.load())
            break;
        const int ready = ::poll(fds.data(), fds.size(), -1);
        if (ready < 0 && errno != EINTR) {
            VQLogError(QStringLiteral("input monitor stopped: poll failed (errno %1)").arg(errno));
            break;
        }
        if (fds[1].revents & POLLIN) {
            uint64_t count = 0;
            [[maybe_unused]] const ssize_t got = ::read(m_wakeFd, &count, sizeof(count));
        }
        if (fds[0].revents & (POLLHUP | POLLERR)) {
            VQLogError(QStringLiteral("input monitor stopped: the X connection was closed"));
            break;
        }
    }
    {
        std::lock_guard lock(m_selectionMutex);
        m_workerEnded = true;
    }
}
