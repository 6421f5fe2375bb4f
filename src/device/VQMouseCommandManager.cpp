#include "VQMouseCommandManager.h"

#include "HIDDevice.h"
#include "MMLog.h"
#include "VQBLEMouseCommandManager.h"
#include "VQHidCommandManager.h"
#include "VQUserInfoData.h"

VQMouseCommandManager& VQMouseCommandManager::sharedInstance()
{
    static VQMouseCommandManager* manager = new VQMouseCommandManager();
    return *manager;
}

VQMouseCommandManager::VQMouseCommandManager()
{
    // The managers must be listening before the HID device opens a receiver.
    VQHidCommandManager::sharedInstance();
    VQBLEMouseCommandManager::sharedInstance();
    HIDDevice::sharedManager();
}

bool VQMouseCommandManager::overBluetooth()
{
    return VQUserInfoData::sharedInstance().bleConnect();
}

void VQMouseCommandManager::sendOpenMicData()
{
    if (overBluetooth())
        VQBLEMouseCommandManager::sharedInstance().sendOpenMicData();
    else
        VQHidCommandManager::sharedInstance().sendOpenMicData();
}

void VQMouseCommandManager::sendCloseMicData()
{
    if (overBluetooth())
        VQBLEMouseCommandManager::sharedInstance().sendCloseMicData();
    else
        VQHidCommandManager::sharedInstance().sendCloseMicData();
}

void VQMouseCommandManager::setSendVoiceDataBlock(VQVoiceStream::SendVoiceDataBlock block)
{
    VQVoiceStream::setSendVoiceDataBlock(std::move(block));
}

bool VQMouseCommandManager::isStartVoice() const
{
    if (overBluetooth())
        return VQBLEMouseCommandManager::sharedInstance().isStartVoice();
    return VQHidCommandManager::sharedInstance().isStartVoice();
}

bool VQMouseCommandManager::isFromMicData() const
{
    return !VQUserInfoData::sharedInstance().isConnect();
}

void VQMouseCommandManager::sendResetKeyStatusData()
{
}

void VQMouseCommandManager::sendKeyCommandDataKeyCode1(int keyCode1, int keyCode2)
{
    if (overBluetooth())
        VQBLEMouseCommandManager::sharedInstance().sendKeyCommandDataKeyCode1(keyCode1, keyCode2);
    else
        VQHidCommandManager::sharedInstance().sendKeyCommandDataKeyCode1(keyCode1, keyCode2);
}

void VQMouseCommandManager::sendSetDpiData(qint64 step)
{
    if (overBluetooth())
        VQBLEMouseCommandManager::sharedInstance().sendSetDpiData(step);
    else
        VQHidCommandManager::sharedInstance().sendSetDpiData(step);
}

void VQMouseCommandManager::sendSetLightingEffectsModeData(qint64 mode)
{
    if (overBluetooth())
        VQBLEMouseCommandManager::sharedInstance().sendSetLightingEffectsModeData(mode);
    else
        VQHidCommandManager::sharedInstance().sendSetLightingEffectsModeData(mode);
}

void VQMouseCommandManager::sendSetLightingEffectsBrightnessData(qint64 brightness)
{
    if (overBluetooth())
        VQBLEMouseCommandManager::sharedInstance().sendSetLightingEffectsBrightnessData(brightness);
    else
        VQHidCommandManager::sharedInstance().sendSetLightingEffectsBrightnessData(brightness);
}

void VQMouseCommandManager::sendSetLightingEffectsSpeedData(qint64 speed)
{
    if (overBluetooth())
        VQBLEMouseCommandManager::sharedInstance().sendSetLightingEffectsSpeedData(speed);
    else
        VQHidCommandManager::sharedInstance().sendSetLightingEffectsSpeedData(speed);
}

void VQMouseCommandManager::sendSetLightingEffectsColorData(qint64 color)
{
    if (overBluetooth())
        VQBLEMouseCommandManager::sharedInstance().sendSetLightingEffectsColorData(color);
    else
        VQHidCommandManager::sharedInstance().sendSetLightingEffectsColorData(color);
}

void VQMouseCommandManager::sendSetMouseLeftOrRightHandBehaviorData(qint64 hand)
{
    if (overBluetooth())
        VQBLEMouseCommandManager::sharedInstance().sendSetMouseLeftOrRightHandBehaviorData(hand);
    else
        VQHidCommandManager::sharedInstance().sendSetMouseLeftOrRightHandBehaviorData(hand);
}

void VQMouseCommandManager::sendOpenLedData()
{
    if (overBluetooth())
        VQBLEMouseCommandManager::sharedInstance().sendOpenLedData();
    else
        VQHidCommandManager::sharedInstance().sendOpenLedData();
}

void VQMouseCommandManager::sendCloseLedData()
{
    if (overBluetooth())
        VQBLEMouseCommandManager::sharedInstance().sendCloseLedData();
    else
        VQHidCommandManager::sharedInstance().sendCloseLedData();
}

void VQMouseCommandManager::sendLaserPenModeData(int mode)
{
    if (overBluetooth())
        VQBLEMouseCommandManager::sharedInstance().sendLaserPenModeData(mode);
    else
        VQHidCommandManager::sharedInstance().sendLaserPenModeData(mode);
}

void VQMouseCommandManager::sendLaserPenEnterMouseStatusData()
{
    if (overBluetooth())
        VQBLEMouseCommandManager::sharedInstance().sendLaserPenEnterMouseStatusData();
    else
        VQHidCommandManager::sharedInstance().sendLaserPenEnterMouseStatusData();
}

void VQMouseCommandManager::sendLaserPenQuitMouseStatusData()
{
    if (!VQUserInfoData::sharedInstance().isSupportKeySetting()) {
        VQLogInfo(QStringLiteral("the laser pen takes no key-setting commands; pointer mode off not sent"));
        return;
    }
    if (overBluetooth())
        VQBLEMouseCommandManager::sharedInstance().sendLaserPenQuitMouseStatusData();
    else
        VQHidCommandManager::sharedInstance().sendLaserPenQuitMouseStatusData();
}

void VQMouseCommandManager::sendGetElectricData()
{
    if (overBluetooth())
        VQBLEMouseCommandManager::sharedInstance().sendGetElectricData();
    else
        VQHidCommandManager::sharedInstance().sendGetElectricData();
}

void VQMouseCommandManager::sendStartOTAData()
{
    if (overBluetooth())
        VQBLEMouseCommandManager::sharedInstance().sendStartOTAData();
    else
        VQHidCommandManager::sharedInstance().sendStartOTAData();
}

void VQMouseCommandManager::sendCancelOTAData()
{
    if (overBluetooth())
        VQBLEMouseCommandManager::sharedInstance().sendCancelOTAData();
    else
        VQHidCommandManager::sharedInstance().sendCancelOTAData();
}

void VQMouseCommandManager::sendStartOTADongleData()
{
    if (overBluetooth()) {
        VQLogInfo(QStringLiteral("receiver firmware is not sent over Bluetooth LE"));
        return;
    }
    VQHidCommandManager::sharedInstance().sendStartOTADongleData();
}

void VQMouseCommandManager::sendCancelOTADongleData()
{
    if (overBluetooth()) {
        VQLogInfo(QStringLiteral("receiver firmware is not sent over Bluetooth LE"));
        return;
    }
    VQHidCommandManager::sharedInstance().sendCancelOTADongleData();
}
