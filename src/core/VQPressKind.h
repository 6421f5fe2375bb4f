#pragma once

// How a key was pressed. The key-setting models number their press kinds 1-3 ("sk", "dk",
// "lk"); the key-press dispatcher also gets the end of a long press, which finds the function
// of the long press.
namespace VQPressKind {

inline constexpr int kNone = 0;
inline constexpr int kSingle = 1;
inline constexpr int kDouble = 2;
inline constexpr int kLong = 3;         // a long press; to the dispatcher: it begins
inline constexpr int kLongReleased = 4; // dispatcher only: the long press ended

// The press kind of the key-setting models that an event's press kind looks up.
constexpr int modelKindOf(int pressKind)
{
    return pressKind == kLongReleased ? kLong : pressKind;
}

} // namespace VQPressKind
