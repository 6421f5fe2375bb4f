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

// Runs the call on the manager of the current connection: Bluetooth LE or USB.
template <class Call>
auto route(Call call)
{
    if (overBluetooth())
        return call(VQBLEMouseCommandManager::sharedInstance());
    return call(VQHidCommandManager::sharedInstance());
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
    route([&](auto& manager) { manager.sendOpenMicData(); });
}

void VQMouseCommandManager::sendCloseMicData()
{
    route([&](auto& manager) { manager.sendCloseMicData(); });
}

void VQMouseCommandManager::setSendVoiceDataBlock(VQVoiceStream::SendVoiceDataBlock block)
{
    VQVoiceStream::setSendVoiceDataBlock(std::move(block));
}

bool VQMouseCommandManager::isStartVoice() const
{
    return route([](auto& manager) { return manager.isStartVoice(); });
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
    route([&](auto& manager) { manager.sendKeyCommandDataKeyCode1(keyCode1, keyCode2); });
}

void VQMouseCommandManager::sendSetDpiData(qint64 step)
{
    route([&](auto& manager) { manager.sendSetDpiData(step); });
}

void VQMouseCommandManager::sendSetLightingEffectsModeData(qint64 mode)
{
    route([&](auto& manager) { manager.sendSetLightingEffectsModeData(mode); });
}

void VQMouseCommandManager::sendSetLightingEffectsBrightnessData(qint64 brightness)
{
    route([&](auto& manager) { manager.sendSetLightingEffectsBrightnessData(brightness); });
}

void VQMouseCommandManager::sendSetLightingEffectsSpeedData(qint64 speed)
{
    route([&](auto& manager) { manager.sendSetLightingEffectsSpeedData(speed); });
}

void VQMouseCommandManager::sendSetLightingEffectsColorData(qint64 color)
{
    route([&](auto& manager) { manager.sendSetLightingEffectsColorData(color); });
}

void VQMouseCommandManager::sendSetMouseLeftOrRightHandBehaviorData(qint64 hand)
{
    route([&](auto& manager) { manager.sendSetMouseLeftOrRightHandBehaviorData(hand); });
}

void VQMouseCommandManager::sendOpenLedData()
{
    route([&](auto& manager) { manager.sendOpenLedData(); });
}

void VQMouseCommandManager::sendCloseLedData()
{
    route([&](auto& manager) { manager.sendCloseLedData(); });
}

void VQMouseCommandManager::sendLaserPenModeData(int mode)
{
    route([&](auto& manager) { manager.sendLaserPenModeData(mode); });
}

void VQMouseCommandManager::sendLaserPenEnterMouseStatusData()
{
    route([&](auto& manager) { manager.sendLaserPenEnterMouseStatusData(); });
}

void VQMouseCommandManager::sendLaserPenQuitMouseStatusData()
{
    if (!VQUserInfoData::sharedInstance().isSupportKeySetting()) {
        VQLogInfo(QStringLiteral("the laser pen takes no key-setting commands; pointer mode off not sent"));
        return;
    }
    route([](auto& manager) { manager.sendLaserPenQuitMouseStatusData(); });
}

void VQMouseCommandManager::sendGetElectricData()
{
    route([&](auto& manager) { manager.sendGetElectricData(); });
}

void VQMouseCommandManager::sendStartOTAData()
{
    route([&](auto& manager) { manager.sendStartOTAData(); });
}

void VQMouseCommandManager::sendCancelOTAData()
{
    route([&](auto& manager) { manager.sendCancelOTAData(); });
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
