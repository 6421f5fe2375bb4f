#pragma once

#include "VQBaseView.h"

#include <QPointer>

class QLabel;
class VQButton;
class VQLabel;

// The device card of the my-device page: title, the device's picture and name, two switches,
// and the battery, firmware and serial-number rows.
//
// The switches each keep their own setting ("autoDelRecordSwitchKey",
// "ledOffWhileRecordingSwitchKey", off when absent) and send nothing to a device. The battery,
// firmware and serial rows show the device record and follow "HadElectricInfoNotification",
// "kUpdateFirmwareVersionNotification" and "HadUSBInfoNotification"; the name and picture are
// fixed (the record holds neither). Main thread only.
class MineContentView : public VQBaseView {
    Q_OBJECT
public:
    static constexpr char kAutoDelRecordSwitchKey[] = "autoDelRecordSwitchKey";
    static constexpr char kLedOffWhileRecordingSwitchKey[] = "ledOffWhileRecordingSwitchKey";
    static constexpr char kSwitchOnImage[] = "2_switch_on_icon";
    static constexpr char kSwitchOffImage[] = "2_switch_off_icon";
    static constexpr char kDeviceImage[] = "6_mouse_icon";
    static constexpr char kDeviceName[] = "Corvane-M1";

    explicit MineContentView(QWidget* parent = nullptr);
    ~MineContentView() override;

    void configUI() override;
    void configTitle() override;
    void configData() override;

    // Shows the record's serial number, battery and firmware.
    void updateDeviceInfo();
    // The switch handlers: the state the click left is shown and stored.
    void autoDelRecordBtnClicked(VQButton* sender);
    void ledBtnClicked(VQButton* sender);

    // The image a switch shows now.
    static QString imageName(const VQButton* button);

    VQLabel* tipLabel(int index) const; // 1-6
    QLabel* deviceImageView() const { return m_deviceImageView; }
    VQLabel* deviceNameLabel() const { return m_deviceNameLabel; }
    VQLabel* electricLabel() const { return m_electricLabel; }
    VQLabel* firmwareVersionLabel() const { return m_firmwareVersionLabel; }
    VQLabel* snLabel() const { return m_snLabel; }
    VQButton* autoDelRecordBtn() const { return m_autoDelRecordBtn; }
    VQButton* ledBtn() const { return m_ledBtn; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showSwitch(VQButton* button, const char* key);
    void updateElectric();
    void updateFirmware();
    void layoutCard();

    VQLabel* m_tipLabels[6] = {};
    QLabel* m_deviceImageView = nullptr;
    VQLabel* m_deviceNameLabel = nullptr;
    VQLabel* m_electricLabel = nullptr;
    VQLabel* m_firmwareVersionLabel = nullptr;
    VQLabel* m_snLabel = nullptr;
    VQButton* m_autoDelRecordBtn = nullptr;
    VQButton* m_ledBtn = nullptr;
};
