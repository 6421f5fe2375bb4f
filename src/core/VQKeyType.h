#pragma once

// The keys of the device as the key-setting models (MouseSettingModel::keyType) and the
// key-press dispatcher number them.
namespace VQKeyType {

inline constexpr int kNone = 0; // an unknown key, and the mouse page's auxiliary item
inline constexpr int kDpi = 1;
inline constexpr int kMiddleButton = 2; // watched on the desktop, not reported by the device
inline constexpr int kVoice = 3;
inline constexpr int kSearch = 4;
inline constexpr int kTranslate = 5;
inline constexpr int kM = 6;
inline constexpr int kAI = 7;
// The keys whose presses the device reports as event codes 51-70.
inline constexpr int kFirstDeviceKey = kVoice;
inline constexpr int kLastDeviceKey = kAI;

} // namespace VQKeyType
