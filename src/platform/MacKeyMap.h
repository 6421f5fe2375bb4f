#pragma once

#include <QtGlobal>

// Stored shortcuts and synthesised keys are written with macOS virtual key codes (the position
// of the key on an ANSI keyboard: 0 is A, 9 is V, 36 is Return, 122 is F1) and macOS modifier
// flags, because records on the server and in user defaults were written that way. This table
// maps them to X keysyms and Qt keys where the key is posted, grabbed, recorded or shown.
//
// Modifiers follow the convention Qt itself uses on macOS: the Command flag is Linux's Control
// key (the modifier of copy, paste and most shortcuts), the macOS Control flag is the Super
// (Meta) key, Option is Alt and Shift is Shift.
namespace MacKeyMap {

inline constexpr quint64 kFlagCapsLock = 0x10000;
inline constexpr quint64 kFlagShift = 0x20000;
inline constexpr quint64 kFlagControl = 0x40000;
inline constexpr quint64 kFlagOption = 0x80000;
inline constexpr quint64 kFlagCommand = 0x100000;
// The flags of an event without modifiers (used for key-up events).
inline constexpr quint64 kFlagNonCoalesced = 0x100;
// The four modifiers a shortcut can hold.
inline constexpr quint64 kShortcutModifierMask = kFlagShift | kFlagControl | kFlagOption | kFlagCommand;

inline constexpr int kKeyCodeS = 1;
inline constexpr int kKeyCodeC = 8;
inline constexpr int kKeyCodeV = 9;
inline constexpr int kKeyCodeReturn = 36;
inline constexpr int kKeyCodeTab = 48;
inline constexpr int kKeyCodeDelete = 51;
inline constexpr int kKeyCodeEscape = 53;
inline constexpr int kKeyCodeKeypadEnter = 76;
inline constexpr int kKeyCodeF3 = 99;
inline constexpr int kKeyCodeForwardDelete = 117;
inline constexpr int kKeyCodeF2 = 120;
inline constexpr int kKeyCodeF1 = 122;
inline constexpr int kKeyCodeLeftArrow = 123;
inline constexpr int kKeyCodeRightArrow = 124;

// The X keysym of the key (the unshifted symbol of a US layout), 0 when the code is unknown.
quint32 keysymForMacKeyCode(int macKeyCode);

// The macOS key code of a keysym, -1 when none. Upper-case letters and the keypad's
// NumLock-off symbols are accepted too.
int macKeyCodeForKeysym(quint32 keysym);

// The Qt key of the code (keypad keys also need Qt::KeypadModifier, see isKeypadKey),
// 0 when unknown.
int qtKeyForMacKeyCode(int macKeyCode);
bool isKeypadKey(int macKeyCode);

// The macOS key code of a Qt key as a key event reports it: with keypad set, the keypad key;
// shifted US symbols ("!" "@" ...) give the key they are on. -1 when none.
int macKeyCodeForQtKey(int qtKey, bool keypad);

// True for F1 to F20.
bool isFunctionKey(int macKeyCode);

// The keysyms of the modifier keys that make up the flags (at most one per modifier), in the
// order Shift, Control (for Command), Alt (for Option), Super (for Control). Returns the count.
int modifierKeysymsForFlags(quint64 macFlags, quint32 (&keysyms)[4]);

} // namespace MacKeyMap
