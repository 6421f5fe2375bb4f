#pragma once

// The event codes the device link, the voice shortcuts and the key-press dispatcher hand to the
// voice hub (VQDeviceEvents::hidCallbackType). A voice function's release code is its press
// code + 1. The device's key numbers 33-38 and 50-70 are the codes they produce (the voice key
// gives the translation codes in translation mode).
namespace VQEventCode {

inline constexpr int kTypingMode = 30;      // the mode key switched back to typing
inline constexpr int kTranslationMode = 31; // the mode key switched to translation
inline constexpr int kVoiceTypingPressed = 33;
inline constexpr int kVoiceTypingReleased = 34;
inline constexpr int kVoiceSearchPressed = 35;
inline constexpr int kVoiceSearchReleased = 36;
inline constexpr int kVoiceTranslationPressed = 37;
inline constexpr int kVoiceTranslationReleased = 38;
inline constexpr int kEnter = 50;
// The configurable keys: four press kinds per key type, from key type 3 on.
inline constexpr int kFirstKeyEvent = 51;
inline constexpr int kLastKeyEvent = 70;

constexpr int releaseOf(int pressCode)
{
    return pressCode + 1;
}

// A voice function's press: typing, search or translation.
constexpr bool isVoicePress(int eventCode)
{
    return eventCode == kVoiceTypingPressed || eventCode == kVoiceSearchPressed
        || eventCode == kVoiceTranslationPressed;
}

} // namespace VQEventCode
