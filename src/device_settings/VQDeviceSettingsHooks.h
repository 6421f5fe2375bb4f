#pragma once

#include <QObject>
#include <QString>

#include <functional>

// The places where the device pages reach features above them (the AI window), filled once by
// the composition root. An empty hook means the feature is absent: callers hide what needs it.
class VQDeviceSettingsHooks : public QObject {
    Q_OBJECT
public:
    static VQDeviceSettingsHooks& shared();

    // The AI window: show it, refresh its page, and rebuild it for a new chat address.
    std::function<void()> showAIWindow;
    std::function<void()> refreshAIWindow;
    std::function<void()> reloadAIWindow;

    bool hasAIWindow() const { return static_cast<bool>(showAIWindow); }

Q_SIGNALS:
    // On device information ("HadUSBInfoNotification") VQCustomerKeyService has asked
    // VQOTAUpdateManager for new device and receiver firmware (checkOTAInfo, checkDongleOTAInfo);
    // each finished download posts "kUpdateOTAStatusNotification".
    void firmwareRequested();

private:
    VQDeviceSettingsHooks() = default;
};
