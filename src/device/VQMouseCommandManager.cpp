#include "VQMouseCommandManager.h"

#include "HIDDevice.h"
#include "MMLog.h"
#include "VQBLEMouseCommandManager.h"
#include "VQHidCommandManager.h"
#include "VQUserInfoData.h"

namespace {

bool overBluetooth()
{
    return VQUserInfoData::sharedInstance().bleConnect();
}

// The manager of the current connection: Bluetooth LE or USB.
VQDeviceCommandManager& activeManager()
{
    if (overBluetooth())
        return VQBLEMouseCommandManager::sharedInstance();
    return VQHidCommandManager::sharedInstance();
}

} // namespace

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

void VQMouseCommandManager::sendOpenMicData()
{
    activeManager().sendOpenMicData();
}

void VQMouseCommandManager::sendCloseMicData()
{
    activeManager().sendCloseMicData();
}

void VQMouseCommandManager::setSendVoiceDataBlock(VQVoiceStream::SendVoiceDataBlock block)
{
    VQVoiceStream::setSendVoiceDataBlock(std::move(block));
}

bool VQMouseCommandManager::isStartVoice() const
{
    return activeManager().isStartVoice();
}

bool VQMouseCommandManager::isFromMicData() const
{
    return !VQUserInfoData::sharedInstance().isConnect();
}

bool VQMouseCommandManager::streamsVoiceForShortcuts() const
{
    VQUserInfoData& state = VQUserInfoData::sharedInstance();
    return state.isConnect() && state.mouseInfoItem().deviceType() == VQMouseInfoItem::DeviceTypeKeyboardReceiver;
}

void VQMouseCommandManager::sendResetKeyStatusData()
{
}

bool VQMouseCommandManager::hasDeviceLink() const
{
    return activeManager().hasLink();
}

void VQMouseCommandManager::sendKeyCommandDataKeyCode1(int keyCode1, int keyCode2)
{
    activeManager().sendKeyCommandDataKeyCode1(keyCode1, keyCode2);
}

void VQMouseCommandManager::sendSetDpiData(qint64 step)
{
    activeManager().sendSetDpiData(step);
}

void VQMouseCommandManager::sendSetLightingEffectsModeData(qint64 mode)
{
    activeManager().sendSetLightingEffectsModeData(mode);
}

void VQMouseCommandManager::sendSetLightingEffectsBrightnessData(qint64 brightness)
{
    activeManager().sendSetLightingEffectsBrightnessData(brightness);
}

void VQMouseCommandManager::sendSetLightingEffectsSpeedData(qint64 speed)
{
    activeManager().sendSetLightingEffectsSpeedData(speed);
}

void VQMouseCommandManager::sendSetLightingEffectsColorData(qint64 color)
{
    activeManager().sendSetLightingEffectsColorData(color);
}

void VQMouseCommandManager::sendSetMouseLeftOrRightHandBehaviorData(qint64 hand)
{
    activeManager().sendSetMouseLeftOrRightHandBehaviorData(hand);
}

void VQMouseCommandManager::sendOpenLedData()
{
    activeManager().sendOpenLedData();
}

void VQMouseCommandManager::sendCloseLedData()
{
    activeManager().sendCloseLedData();
}

void VQMouseCommandManager::sendLaserPenModeData(int mode)
{
    activeManager().sendLaserPenModeData(mode);
}

void VQMouseCommandManager::sendLaserPenEnterMouseStatusData()
{
    activeManager().sendLaserPenEnterMouseStatusData();
}

void VQMouseCommandManager::sendLaserPenQuitMouseStatusData()
{
    if (!VQUserInfoData::sharedInstance().isSupportKeySetting()) {
        VQLogInfo(QStringLiteral("the laser pen takes no key-setting commands; pointer mode off not sent"));
        return;
    }
    activeManager().sendLaserPenQuitMouseStatusData();
}

void VQMouseCommandManager::sendGetElectricData()
{
    activeManager().sendGetElectricData();
}

void VQMouseCommandManager::sendStartOTAData()
{
    activeManager().sendStartOTAData();
}

void VQMouseCommandManager::sendCancelOTAData()
{
    activeManager().sendCancelOTAData();
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
