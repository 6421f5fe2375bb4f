#pragma once

// The names of the system's notifications, each defined once.
namespace vq {

inline constexpr char ASRFinishNotification[] = "ASRFinishNotification";
inline constexpr char ASRStartNotification[] = "ASRStartNotification";
inline constexpr char HadElectricInfoNotification[] = "HadElectricInfoNotification";
inline constexpr char HadUSBInfoNotification[] = "HadUSBInfoNotification";
inline constexpr char TTSPlayCompleteNoti[] = "TTSPlayCompleteNoti";
inline constexpr char kBleConnectNotification[] = "kBleConnectNotification";
inline constexpr char kLaserPenVoiceKeyDoubleClickedNSNotification[] = "kLaserPenVoiceKeyDoubleClickedNSNotification";
inline constexpr char kLoginSuccessNotification[] = "kLoginSuccessNotification";
inline constexpr char kUSBInsertNotification[] = "kUSBInsertNotification";
inline constexpr char kUSBRemoveNotification[] = "kUSBRemoveNotification";
inline constexpr char kUpdateDPIItemNotification[] = "kUpdateDPIItemNotification";
inline constexpr char kUpdateFirmwareVersionNotification[] = "kUpdateFirmwareVersionNotification";
inline constexpr char kUpdateFunctionNotification[] = "kUpdateFunctionNotification";
inline constexpr char kUpdateHotWordListNotification[] = "kUpdateHotWordListNotification";
inline constexpr char kUpdateHyperTranslateIndexNotification[] = "kUpdateHyperTranslateIndexNotification";
inline constexpr char kUpdateInputAudioListNotification[] = "kUpdateInputAudioListNotification";
inline constexpr char kUpdateInputAudioNotification[] = "kUpdateInputAudioNotification";
inline constexpr char kUpdateLeftItemNotification[] = "kUpdateLeftItemNotification";
inline constexpr char kUpdateLightingEffectsNotification[] = "kUpdateLightingEffectsNotification";
inline constexpr char kUpdateMouseLeftOrRightHandBehaviorNotification[] = "kUpdateMouseLeftOrRightHandBehaviorNotification";
inline constexpr char kUpdateMouseSettingNotification[] = "kUpdateMouseSettingNotification";
inline constexpr char kUpdateOCRListNotification[] = "kUpdateOCRListNotification";
inline constexpr char kUpdateOTACancelNotification[] = "kUpdateOTACancelNotification";
inline constexpr char kUpdateOTAFailNotification[] = "kUpdateOTAFailNotification";
inline constexpr char kUpdateOTAProgressNotification[] = "kUpdateOTAProgressNotification";
inline constexpr char kUpdateOTAStatusNotification[] = "kUpdateOTAStatusNotification";
inline constexpr char kUpdateOTASuccessNotification[] = "kUpdateOTASuccessNotification";
inline constexpr char kUpdateReportRateItemNotification[] = "kUpdateReportRateItemNotification";
inline constexpr char kUpdateSnipTranslateIndexNotification[] = "kUpdateSnipTranslateIndexNotification";
inline constexpr char kUpdateTitleNotification[] = "kUpdateTitleNotification";
inline constexpr char kUpdateTranslateListNotification[] = "kUpdateTranslateListNotification";

} // namespace vq
