#pragma once

#include "VQBaseView.h"
#include "VQPermissionChecker.h"

#include <QString>

class VQButton;
class VQLabel;
class QLabel;

// The permissions window: one row per thing the program needs from the desktop (access to the
// receivers' hidraw nodes, the accessibility bus, an X11 session), each saying whether it is
// granted now and, when it is not, how to grant it. In a Wayland session the X11 row is limited
// and says what does not reach native Wayland windows. For the hidraw nodes that is the udev rule
// the program ships and the command that installs it, which a button copies.
class AuthorityManagementWindowController : public VQBaseView {
    Q_OBJECT
public:
    static constexpr int kWidth = 600;
    static constexpr int kMinimumHeight = 420;
    static constexpr char kUdevRuleFileName[] = "70-corvane-receivers.rules";
    static constexpr char kUdevRuleResource[] = ":/udev/70-corvane-receivers.rules";
    // Where an installed copy of the rule lives, relative to the system's data folders.
    static constexpr char kInstalledRulePath[] = "corvane-companion/udev/70-corvane-receivers.rules";

    // UI-string keys.
    static constexpr char kTitleText[] = "权限设置";
    static constexpr char kSubtitleText[] = "以下各项决定哪些功能可以使用";
    static constexpr char kHidrawTitleText[] = "设备访问";
    static constexpr char kHidrawDetailText[] = "读写接收器的 HID 设备节点，用于连接设备、接收按键和语音";
    static constexpr char kHidrawHowToText[] = "安装随程序提供的 udev 规则，然后重新插入接收器：";
    static constexpr char kA11yTitleText[] = "辅助功能";
    static constexpr char kA11yDetailText[] = "桌面辅助功能总线（AT-SPI），用于将识别的文字直接写入输入框";
    static constexpr char kA11yHowToText[] = "请安装 at-spi2-core 并在系统设置中开启辅助功能，然后重新登录";
    static constexpr char kX11TitleText[] = "X11 会话";
    static constexpr char kX11DetailText[] = "全局快捷键、模拟按键、输入监听和截图需要 X11 会话";
    static constexpr char kX11HowToText[] = "请在登录界面选择 X11（Xorg）会话";
    // What a Wayland session leaves out, and the way to all of it.
    static constexpr char kX11LimitedHowToText[] = "Wayland 会话中，模拟按键、全局快捷键、输入监听和截图只对 XWayland 窗口有效，对原生 Wayland 窗口无效；如需全部功能，请在登录界面选择 X11（Xorg）会话";
    static constexpr char kGrantedText[] = "已授权";
    static constexpr char kNotGrantedText[] = "未授权";
    static constexpr char kLimitedText[] = "受限";
    static constexpr char kNotFoundText[] = "未检测到接收器";
    static constexpr char kCheckingText[] = "检测中";
    static constexpr char kCopyCommandText[] = "复制命令";
    static constexpr char kCopiedText[] = "已复制";
    static constexpr char kRecheckText[] = "重新检测";
    static constexpr char kSuccessIconName[] = "success_icon";
    static constexpr char kErrorIconName[] = "error_icon";
    static constexpr char kInfoIconName[] = "info_icon";

    // The checker is not owned; it must outlive the window.
    explicit AuthorityManagementWindowController(VQPermissionChecker* checker, QWidget* parent = nullptr);

    // Shows the window in front, checked afresh.
    void showWindow();

    // The path of the rule file to install: an installed copy when there is one, else the copy
    // this program keeps in its data folder (written from its resources when missing).
    static QString udevRulePath();
    // The shell command that installs the rule file and applies it.
    static QString udevInstallCommand(const QString& rulePath);

    // The state text of each row, as shown.
    QString hidrawStateText() const;
    QString accessibilityStateText() const;
    QString x11StateText() const;
    // The X11 row's how-to text; "" while it is hidden.
    QString x11HowToText() const;
    VQButton* copyButton() const { return m_copyButton; }
    VQButton* recheckButton() const { return m_recheckButton; }
    QLabel* commandLabel() const { return m_commandLabel; }

    void configUI() override;
    void configTitle() override;

protected:
    void showEvent(QShowEvent* event) override;
    // Escape closes the window, as in any dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Row {
        VQLabel* icon = nullptr;
        VQLabel* title = nullptr;
        VQLabel* state = nullptr;
        VQLabel* detail = nullptr;
        VQLabel* howTo = nullptr;
    };

    QWidget* makeRow(Row& row, QWidget* extra);
    void updateStates();
    void applyState(Row& row, VQPermissionChecker::State state, const char* howToKey);
    void fitHeight();
    static QString stateText(VQPermissionChecker::State state);
    static const char* x11HowToKey(VQPermissionChecker::State state);

    VQPermissionChecker* m_checker = nullptr;
    VQLabel* m_titleLabel = nullptr;
    VQLabel* m_subtitleLabel = nullptr;
    Row m_hidraw;
    Row m_a11y;
    Row m_x11;
    QWidget* m_commandBox = nullptr;
    QLabel* m_commandLabel = nullptr;
    VQButton* m_copyButton = nullptr;
    VQButton* m_recheckButton = nullptr;
    VQPermissionChecker::State m_hidrawState = VQPermissionChecker::State::Checking;
    VQPermissionChecker::State m_a11yState = VQPermissionChecker::State::Checking;
    VQPermissionChecker::State m_x11State = VQPermissionChecker::State::Checking;
};
