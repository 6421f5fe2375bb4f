#pragma once

#include "VQBaseView.h"

#include <QStringList>

class VQButton;
class VQLabel;
class VQPopUpButton;

// The UI-language section of the software page, with the start-at-login switch.
//
// Choosing a language stores its index (VQLanguageManager), rebuilds the cached name lists
// (shouldRefreshData), posts "kUpdateTitleNotification" so every view looks its texts up again,
// and records that the user chose ("isManualSelect_114"), so no product default overrides it.
// The switch turns start at login on and off through the platform's autostart layer and keeps
// the choice under "bootUpSwitchKey"; when the change does not take effect the switch stays as
// it was and an error tip says so.
class VQSoftwareSettingView : public VQBaseView {
    Q_OBJECT
public:
    static constexpr char isManualSelect_114Key[] = "isManualSelect_114";
    static constexpr char bootUpSwitchKey[] = "bootUpSwitchKey";
    static constexpr char kSwitchOnImageName[] = "2_switch_on_icon";
    static constexpr char kSwitchOffImageName[] = "2_switch_off_icon";
    static constexpr char kErrorIconName[] = "error_icon";
    // UI-string keys.
    static constexpr char kLanguageTitleText[] = "界面语言";
    static constexpr char kBootUpTitleText[] = "开机自启动";
    static constexpr char kSettingFailedText[] = "设置失败";

    static constexpr int kRowHeight = 56;

    explicit VQSoftwareSettingView(QWidget* parent = nullptr);

    // The 17 UI languages, each named in its own language, in the order of the UI-language index.
    static const QStringList& languageNames();

    VQPopUpButton* languageButton() const { return m_languageButton; }
    VQButton* bootUpButton() const { return m_bootUpButton; }
    bool bootUpSwitchOn() const { return m_bootUpOn; }

    // What picking the language at the index in the pop-up does.
    void languageSelected(int index);
    // What a click on the switch does.
    void bootUpSwitchClicked();

    void configUI() override;
    void configData() override;
    void configTitle() override;

private:
    void showBootUpState(bool on);

    VQLabel* m_languageLabel = nullptr;
    VQPopUpButton* m_languageButton = nullptr;
    VQLabel* m_bootUpLabel = nullptr;
    VQButton* m_bootUpButton = nullptr;
    bool m_bootUpOn = false;
};
