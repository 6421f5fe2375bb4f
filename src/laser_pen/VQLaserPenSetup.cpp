#include "VQLaserPenSetup.h"

#include "MMLog.h"
#include "VQLaserPenManager.h"

void VQLaserPenSetup::install()
{
    VQDeviceEvents::setLaserPenCallback([](const VQDeviceEvents::LaserPenSignal& signal) { dispatch(signal); });
}

void VQLaserPenSetup::dispatch(const VQDeviceEvents::LaserPenSignal& signal)
{
    using Kind = VQDeviceEvents::LaserPenSignal::Kind;
    using PenKey = VQDeviceProtocol::PenKey;
    VQLaserPenManager& manager = VQLaserPenManager::sharedInstance();
    switch (signal.kind) {
    case Kind::ReceiverOpened:
        manager.changeLaserPenStatus(true);
        return;
    case Kind::ReceiverRemoved:
        manager.setVioceMode(1);
        manager.linkLost();
        return;
    case Kind::LinkLost:
        manager.linkLost();
        return;
    case Kind::DeviceState:
        if (signal.state == 2 || signal.state == 4)
            manager.clearDraw();
        if (signal.isLaserPen)
            manager.dismissEffect();
        return;
    case Kind::Key:
        break;
    }
    switch (signal.key) {
    case PenKey::ModeKey:
        manager.changeLaserPenStatus(false);
        return;
    case PenKey::EffectPressed:
        manager.showLaserPenEffect();
        return;
    case PenKey::EffectReleased:
        manager.dismissEffect();
        return;
    case PenKey::EffectToggle:
        manager.toggleEffect();
        return;
    case PenKey::EffectOff:
        manager.effectOff();
        return;
    case PenKey::ClearKey:
        manager.clearDraw();
        manager.showLaserPenEffect();
        return;
    case PenKey::VoiceModeKey:
        manager.switchVioceMode();
        return;
    case PenKey::VoicePressed:
    case PenKey::VoiceReleased: {
        const int code = manager.voiceEventCode(signal.key == PenKey::VoicePressed);
        VQLogInfo(QStringLiteral("laser pen voice key: event code %1").arg(code));
        VQDeviceEvents::hidCallbackType(code);
        return;
    }
    }
}
