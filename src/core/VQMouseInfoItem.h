#pragma once

#include <QString>
#include <QtGlobal>

// The connected device's record, filled by the device link from the device's reports.
//
// Everything in it belongs to the device connected now: it is empty at launch and emptied when
// the device goes (clearIdentity()), so a device never inherits the identity of the one before.
// Identity fields (vendor and product id, serial number, firmware and receiver version, device,
// mouse and sensor type, source region), settings and live values are held in memory only.
//
// One value outlives the device: the source region of the last device that reported one
// (lastKnownMouseSource(), persisted under VQ_Corvane_LastMouseSource_Key). It only chooses the
// region-dependent application key and channel while no device has reported its own region.
// Identity keys that older versions stored are removed when the record is created.
//
// Used on the main thread only.
class VQMouseInfoItem {
public:
    // User-defaults keys of the identity fields.
    static constexpr char VQ_Corvane_Vid_Key[] = "VQ_Corvane_Vid_Key";
    static constexpr char VQ_Corvane_Pid_Key[] = "VQ_Corvane_Pid_Key";
    static constexpr char VQ_Corvane_Sn_Key[] = "VQ_Corvane_Sn_Key";
    static constexpr char VQ_Corvane_FirmwareVersion_Key[] = "VQ_Corvane_FirmwareVersion_Key";
    static constexpr char VQ_Corvane_ReceiverVersion_Key[] = "VQ_Corvane_ReceiverVersion_Key";
    static constexpr char VQ_Corvane_DeviceType_Key[] = "VQ_Corvane_DeviceType_Key";
    static constexpr char VQ_Corvane_MouseType_Key[] = "VQ_Corvane_MouseType_Key";
    static constexpr char VQ_Corvane_MouseSource_Key[] = "VQ_Corvane_MouseSource_Key";
    static constexpr char VQ_Corvane_SensorType_Key[] = "VQ_Corvane_SensorType_Key";
    // The one value kept across launches.
    static constexpr char VQ_Corvane_LastMouseSource_Key[] = "VQ_Corvane_LastMouseSource_Key";

    // Values of deviceType().
    enum DeviceType : qint64 {
        DeviceTypeBluetoothMouse = 0,
        DeviceTypeMouseReceiver = 1,
        DeviceTypeLaserPen = 2,
        DeviceTypeKeyboardReceiver = 3,
        DeviceTypeRemoteControl = 4,
        DeviceTypeSecondChipReceiver = 5,
    };

    // Values of mouseSource(): the region the device was made for.
    enum MouseSource : qint64 {
        MouseSourceDomestic = 0,
        MouseSourceInternational = 1,
        MouseSourceAsiaPacific = 2,
    };

    // An empty record; reads the last known source region and removes identity keys of older versions.
    VQMouseInfoItem();
    VQMouseInfoItem(const VQMouseInfoItem&) = delete;
    VQMouseInfoItem& operator=(const VQMouseInfoItem&) = delete;

    // Identity of the connected device (memory only; 0 or null while unknown).
    int vid() const { return m_fields.vid; }
    void setVid(int vid) { m_fields.vid = vid; }
    int pid() const { return m_fields.pid; }
    void setPid(int pid) { m_fields.pid = pid; }
    // The serial number; a null text while the device has not reported one.
    QString sn() const { return m_fields.sn; }
    void setSn(const QString& sn) { m_fields.sn = sn; }
    QString firmwareVersion() const { return m_fields.firmwareVersion; }
    void setFirmwareVersion(const QString& version) { m_fields.firmwareVersion = version; }
    QString receiverVersion() const { return m_fields.receiverVersion; }
    void setReceiverVersion(const QString& version) { m_fields.receiverVersion = version; }
    qint64 deviceType() const { return m_fields.deviceType; }
    void setDeviceType(qint64 type) { m_fields.deviceType = type; }
    // The model number; 0 while unknown.
    quint64 mouseType() const { return m_fields.mouseType; }
    void setMouseType(quint64 type) { m_fields.mouseType = type; }
    qint64 mouseSource() const { return m_fields.mouseSource; }
    // Also becomes the last known source region (stored when it changes).
    void setMouseSource(qint64 source);
    qint64 sensorType() const { return m_fields.sensorType; }
    void setSensorType(qint64 type) { m_fields.sensorType = type; }

    // The source region of the connected device once it has reported one, else of the last
    // device that did, also in an earlier launch; MouseSourceDomestic when none ever did.
    qint64 lastKnownMouseSource() const
    {
        return m_fields.mouseSourceReported ? m_fields.mouseSource : m_lastKnownMouseSource;
    }

    // Forgets everything the device reported (identity, settings and live values): the device
    // is gone, or another one is being connected. The last known source region stays.
    void clearIdentity() { m_fields = Fields{}; }

    // Settings read back from the device (memory only).
    qint64 dpi() const { return m_fields.dpi; } // the current DPI step index
    void setDpi(qint64 dpi) { m_fields.dpi = dpi; }
    qint64 lightingEffectsMode() const { return m_fields.lightingEffectsMode; }
    void setLightingEffectsMode(qint64 mode) { m_fields.lightingEffectsMode = mode; }
    qint64 lightingEffectsBrightness() const { return m_fields.lightingEffectsBrightness; }
    void setLightingEffectsBrightness(qint64 brightness) { m_fields.lightingEffectsBrightness = brightness; }
    qint64 lightingEffectsSpeed() const { return m_fields.lightingEffectsSpeed; }
    void setLightingEffectsSpeed(qint64 speed) { m_fields.lightingEffectsSpeed = speed; }
    qint64 lightingEffectsColor() const { return m_fields.lightingEffectsColor; }
    void setLightingEffectsColor(qint64 color) { m_fields.lightingEffectsColor = color; }
    qint64 mouseLeftOrRightHandBehavior() const { return m_fields.mouseLeftOrRightHandBehavior; }
    void setMouseLeftOrRightHandBehavior(qint64 hand) { m_fields.mouseLeftOrRightHandBehavior = hand; }

    // Live values (memory only).
    double powerPercent() const { return m_fields.powerPercent; } // battery percentage
    void setPowerPercent(double percent) { m_fields.powerPercent = percent; }
    qint64 batteryLevel() const { return m_fields.batteryLevel; } // battery level as the device reports it
    void setBatteryLevel(qint64 level) { m_fields.batteryLevel = level; }
    qint64 connectState() const { return m_fields.connectState; } // connection state as the device reports it
    void setConnectState(qint64 state) { m_fields.connectState = state; }

private:
    friend class VQUserInfoData;

    // Empties the record and reads the last known source region from user defaults again, as at launch.
    void reload();

    struct Fields {
        int vid = 0;
        int pid = 0;
        QString sn;
        QString firmwareVersion;
        QString receiverVersion;
        qint64 deviceType = 0;
        quint64 mouseType = 0;
        qint64 mouseSource = 0;
        bool mouseSourceReported = false;
        qint64 sensorType = 0;

        qint64 dpi = 0;
        qint64 lightingEffectsMode = 0;
        qint64 lightingEffectsBrightness = 0;
        qint64 lightingEffectsSpeed = 0;
        qint64 lightingEffectsColor = 0;
        qint64 mouseLeftOrRightHandBehavior = 0;

        double powerPercent = 0.0;
        qint64 batteryLevel = 0;
        qint64 connectState = 0;
    };

    Fields m_fields;
    qint64 m_lastKnownMouseSource = MouseSourceDomestic;
};
