#pragma once

#include <QObject>
#include <QRect>

class QAction;
class QMenu;
class QSystemTrayIcon;
class X11TrayHost;

// The status item: the tray icon with its menu. Its menu offers the main window while a device
// is connected and the guide otherwise, the permissions window, and quit. Texts follow the UI
// language. Where the desktop has no tray, nothing is shown and isTrayAvailable() is false. The
// tray host is followed: one that starts later gets the icon, and trayChanged() tells the shell
// when a tray comes or goes.
class VQStatusItem : public QObject {
    Q_OBJECT
public:
    static constexpr char kIconName[] = "statusItem_icon";
    static constexpr char kDisconnectedIconName[] = "statusItem_off_icon";
    static constexpr char kToolTip[] = "Corvane Companion";
    // UI-string keys of the menu.
    static constexpr char kOpenMainWindowText[] = "打开主界面";
    static constexpr char kShowGuideText[] = "使用引导";
    static constexpr char kPermissionsText[] = "权限设置";
    static constexpr char kQuitText[] = "退出";

    explicit VQStatusItem(QObject* parent = nullptr);
    ~VQStatusItem() override;

    // Asks the desktop whether a tray host is running now.
    bool isTrayAvailable();

    // Builds the icon and the menu for the connection state and shows the icon where a tray
    // exists. True when the icon is shown.
    bool rebuild(bool connected);
    bool isConnectedState() const { return m_connected; }
    bool isShown() const;

    // The tray icon's place on the screen; an empty rectangle when unknown (no icon, an icon no
    // tray host has docked yet, or a tray that does not tell).
    QRect anchorGeometry() const;

    QMenu* menu() const { return m_menu; }
    QSystemTrayIcon* trayIcon() const { return m_trayIcon; }

Q_SIGNALS:
    // A click on the icon itself.
    void activated();
    // A tray host appeared (the icon is shown) or went away (it is not).
    void trayChanged(bool shown);
    void openMainWindowTriggered();
    void showGuideTriggered();
    void permissionsTriggered();
    void quitTriggered();

private:
    void retitle();
    void trayHostChanged();

    QMenu* m_menu = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_permissionsAction = nullptr;
    QAction* m_quitAction = nullptr;
    QSystemTrayIcon* m_trayIcon = nullptr;
    bool m_connected = false;
    bool m_built = false; // rebuild() ran: the icon is wanted where a tray exists
    X11TrayHost* m_trayHost = nullptr;
};
