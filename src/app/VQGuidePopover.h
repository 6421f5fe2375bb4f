#pragma once

#include "VQBaseView.h"

#include <QRect>

class VQButton;
class VQLabel;

// The guide shown in place of the main window while no device is connected: how to connect
// the receiver or a Bluetooth mouse, with buttons for the permissions window and quit.
//
// Next to a tray icon it is a frameless popover under (or over) the icon that hides when the
// application loses the focus; without a tray it is an ordinary window in the middle of the
// screen, so the program still has a face and a way to quit.
class VQGuidePopover : public VQBaseView {
    Q_OBJECT
public:
    static constexpr int kWidth = 340;
    static constexpr int kHeight = 420;
    static constexpr char kGuideImageName[] = "guide_image";
    // UI-string keys.
    static constexpr char kTitleText[] = "未检测到设备";
    static constexpr char kConnectText[] = "请将接收器插入电脑的USB接口，或通过蓝牙连接鼠标";
    static constexpr char kAutoOpenText[] = "设备连接后将自动打开设置界面";
    static constexpr char kPermissionsText[] = "权限设置";
    static constexpr char kQuitText[] = "退出";
    static constexpr char kCloseText[] = "✕";

    explicit VQGuidePopover(QWidget* parent = nullptr);

    // Shows the guide next to the tray icon's rectangle; an empty rectangle (the icon's place is
    // not known) centres it on the screen with the pointer. With activate the guide takes the focus
    // (a click on the tray icon); without, it does not (shown at start-up).
    void showAnchored(const QRect& anchor, bool activate = true);
    // Shows the guide as an ordinary window in the middle of the primary screen.
    void showCentered();
    bool isAnchored() const { return m_anchored; }

    VQButton* permissionsButton() const { return m_permissionsButton; }
    VQButton* quitButton() const { return m_quitButton; }

    void configUI() override;
    void configTitle() override;

Q_SIGNALS:
    void permissionsClicked();
    void quitClicked();
    // The guide was painted for the first time (it is on the screen).
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    // Once a device is connected the guide may not come back for the whole session: a hidden
    // guide gives back its native window and backing store (made again on the next show).
    void hideEvent(QHideEvent* event) override;

private:
    void setAnchoredFlags(bool anchored);

    VQLabel* m_imageView = nullptr;
    VQLabel* m_titleLabel = nullptr;
    VQLabel* m_connectLabel = nullptr;
    VQLabel* m_autoOpenLabel = nullptr;
    VQButton* m_closeButton = nullptr;
    VQButton* m_permissionsButton = nullptr;
    VQButton* m_quitButton = nullptr;
    bool m_anchored = false;
    bool m_flagsSet = false;
    bool m_painted = false;
};
