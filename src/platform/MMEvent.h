#pragma once

#include <QPoint>
#include <QtGlobal>

// The kinds of input event a monitor reports. The numbers are those of the event types whose
// masks the callers were written with, so a mask is 1 << type.
enum class MMEventType : int {
    LeftMouseDown = 1,
    LeftMouseUp = 2,
    RightMouseDown = 3,
    RightMouseUp = 4,
    MouseMoved = 5,
    LeftMouseDragged = 6,
    RightMouseDragged = 7,
    KeyDown = 10,
    KeyUp = 11,
    FlagsChanged = 12, // a modifier key went down or up
    OtherMouseDown = 25,
    OtherMouseUp = 26,
    OtherMouseDragged = 27,
};

using MMEventMask = quint64;

constexpr MMEventMask mmEventMask(MMEventType type)
{
    return MMEventMask(1) << static_cast<int>(type);
}

namespace MMEventMasks {
inline constexpr MMEventMask kLeftMouseDown = mmEventMask(MMEventType::LeftMouseDown);
inline constexpr MMEventMask kLeftMouseUp = mmEventMask(MMEventType::LeftMouseUp);
inline constexpr MMEventMask kRightMouseDown = mmEventMask(MMEventType::RightMouseDown);
inline constexpr MMEventMask kRightMouseUp = mmEventMask(MMEventType::RightMouseUp);
inline constexpr MMEventMask kMouseMoved = mmEventMask(MMEventType::MouseMoved);
inline constexpr MMEventMask kLeftMouseDragged = mmEventMask(MMEventType::LeftMouseDragged);
inline constexpr MMEventMask kRightMouseDragged = mmEventMask(MMEventType::RightMouseDragged);
inline constexpr MMEventMask kKeyDown = mmEventMask(MMEventType::KeyDown);
inline constexpr MMEventMask kKeyUp = mmEventMask(MMEventType::KeyUp);
inline constexpr MMEventMask kFlagsChanged = mmEventMask(MMEventType::FlagsChanged);
inline constexpr MMEventMask kOtherMouseDown = mmEventMask(MMEventType::OtherMouseDown);
inline constexpr MMEventMask kOtherMouseUp = mmEventMask(MMEventType::OtherMouseUp);
inline constexpr MMEventMask kOtherMouseDragged = mmEventMask(MMEventType::OtherMouseDragged);

inline constexpr MMEventMask kAnyMouseDown = kLeftMouseDown | kRightMouseDown | kOtherMouseDown;
inline constexpr MMEventMask kAnyMouseUp = kLeftMouseUp | kRightMouseUp | kOtherMouseUp;
inline constexpr MMEventMask kAnyMouseDragged = kLeftMouseDragged | kRightMouseDragged | kOtherMouseDragged;
inline constexpr MMEventMask kAnyKey = kKeyDown | kKeyUp | kFlagsChanged;
} // namespace MMEventMasks

// One input event seen anywhere on the desktop.
struct MMEvent {
    MMEventType type = MMEventType::MouseMoved;
    // The pointer in Qt's global coordinates (origin top-left of the virtual desktop, y down).
    QPoint location;
    // Mouse events: 0 left, 1 right, 2 middle, 3 and up further buttons.
    int buttonNumber = 0;
    // Key events: the macOS virtual key code (-1 when the key has none) and the X keycode.
    int keyCode = -1;
    quint32 nativeKeyCode = 0;
    // The macOS modifier flags held after the event (see MacKeyMap), CapsLock included.
    quint64 modifierFlags = 0;
    bool isARepeat = false;
};
