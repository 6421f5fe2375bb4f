#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

class AuthorityManagementWindowController;
class UserDefaults;
class VQBaseViewController;
class VQGuidePopover;
class VQMainWindow;
class VQPermissionChecker;
class VQStatusItem;
struct VQLeftItem;

// The application delegate: starts the program once the event loop runs, keeps its faces (the
// status item, the guide shown while no device is connected, the main window shown only while
// one is) in step with the connection, owns the main window's pages and left navigation, shows
// the low-battery reminder, and runs the quit sequence.
//
// Start-up (applicationDidFinishLaunching) runs, in this order: the data set-up, the UI set-up,
// the permissions check and the network-reachability watch. Steps of subsystems built later
// are hooks (Hooks) that those subsystems install before start-up; an empty hook is skipped.
// Pages of the main window come from factories registered by tag (registerPageFactory); a tag
// without a factory has no page and no navigation item. A page is made once, on its first
// selection (a page marked while the main window is away: when the window shows), so start-up
// makes none.
//
// One delegate exists while the program runs (sharedDelegate()); tests make their own. Main
// thread only.

class AppDelegate : public QObject {
    Q_OBJECT
public:
    // Page tags of the main window.
    enum PageTag : int {
        MouseSettingTag = 0,
        SmartSettingTag = 1,
        SoftwareManagerTag = 2,
        PersonalitySettingTag = 3,
        MineTag = 4,
        SmartDetectionTag = 5,
        PreferencesTag = 6,
        LaserPenSettingTag = 7,
    };
    static constexpr int kPageCount = 8;

    // Device record values that shape the navigation.
    static constexpr quint64 kLaserPenMouseType = 202;
    static constexpr qint64 kLaserPenDeviceType = 2;
    static constexpr quint64 kLightingMouseTypes[] = { 56, 72 };

    // The low-battery reminder: one tip per hold interval while the battery stays low.
    static constexpr int kLowElectricHoldMs = 60000;
    static constexpr char kLowElectricTipText[] = "电量低，请充电";
    static constexpr char kInfoIconName[] = "info_icon";
    // The error alert's only button.
    static constexpr char kErrorAlertButtonText[] = "知道了";
    // Room a window manager takes beside a window's title: its icon and its buttons.
    static constexpr int kTitleBarRoom = 120;
    // The quit sequence ends the event loop at the latest this long after it started, whether
    // or not the device has confirmed its last commands.
    static constexpr int kQuitDeadlineMs = 900;
    // Set once the permissions window has told the user what a Wayland session leaves out.
    static constexpr char kWaylandNoticeShownKey[] = "waylandSessionNoticeShownKey";
    // The alert shown when the settings file could not be read whole at start-up.
    static constexpr char kSettingsRecoveredText[] = "部分设置无法读取，已恢复为默认值";
    static constexpr char kSettingsRecoveredDetailText[] = "原设置文件已另存为：";
    static constexpr char kSettingsKeptDetailText[] = "原设置文件无法另存，无法读取的设置暂时保留在：";
    static constexpr char kSettingsNotSavedText[] = "设置无法保存，更改将在下次启动时丢失";
    static constexpr char kSettingsNotSavedDetailText[] = "无法写入：";
    // The question asked when the user quits during a firmware transfer, and its answers.
    static constexpr char kQuitDuringUpdateText[] = "固件升级中，退出将中断升级。";
    static constexpr char kKeepUpdatingText[] = "继续升级";
    static constexpr char kCancelUpdateAndQuitText[] = "取消升级并退出";

    using PageFactory = std::function<VQBaseViewController*()>;
    // Called after the page was selected (the my-device page fetches the user's information).
    using PageSelectedHook = std::function<void(VQBaseViewController* page)>;
    // A step of the quit sequence; it calls done once its work has left the program.
    using QuitStep = std::function<void(std::function<void()> done)>;

    // The steps of later subsystems. Each is called once at its place in the start-up order.
    struct Hooks {
        // Data set-up, in this order.
        std::function<void()> createDeviceLink;         // the command facade and the HID device (starts matching)
        std::function<void()> startKeyPressManager;     // the key-press manager and its middle-button monitor
        std::function<void()> createVoiceCommandTables; // run from the event loop right after start-up
        std::function<void()> installSelectionMonitors; // mouse monitors of select-to-translate
        std::function<void()> bindScreenshotShortcut;   // also run whenever the status item is rebuilt
        std::function<void()> selectDefaultAudioInput;  // the receiver's microphone as default input
        std::function<void()> startBleScan;
        // After each rebuild of the status item, with the connection state.
        std::function<void(bool connected)> statusItemRebuilt;
        // The quit sequence: the device shows its web pop-up again; a laser pen goes offline.
        QuitStep enableDeviceWebPopup;
        QuitStep takeLaserPenOffline;
        // A firmware transfer runs: quitting asks the user first, and the transfer is cancelled
        // as the first quit step (done once the device confirmed the cancel or it timed out).
        std::function<bool()> firmwareTransferRunning;
        QuitStep cancelFirmwareTransfer;
    };

    explicit AppDelegate(QObject* parent = nullptr);
    ~AppDelegate() override;

    // The delegate of the running program; nullptr when there is none.
    static AppDelegate* sharedDelegate();

    // Registers the page of a tag (0-7), replacing an earlier factory (a page already made stays).
    // The navigation lists the tag at once; the page is made on its first selection. A tag
    // outside 0-7 is ignored.
    static void registerPageFactory(int tag, PageFactory factory, PageSelectedHook onSelected = {});
    // Tests only: back to the built-in factories (the software page).
    static void resetPageFactoriesForTests();

    Hooks& hooks() { return m_hooks; }

    // Start-up: data set-up, UI set-up, permissions check, reachability watch. Once.
    void applicationDidFinishLaunching();
    bool isLaunched() const { return m_launched; }
    // True once a face is on the screen (tray icon, guide or main window); ready() was emitted.
    bool isReady() const { return m_ready; }

    // The quit sequence: hides the windows, runs the quit steps and ends the event loop when
    // they are done, at the latest kQuitDeadlineMs later. Further calls do nothing. During a
    // firmware transfer the user is asked first (askUser; a signal from the session does not
    // ask): the transfer goes on and nothing quits, or the sequence runs with its cancel.
    void quit(bool askUser = true);
    // The question of a quit during a firmware transfer, while it is open.
    QMessageBox* quitQuestion() const { return m_quitQuestion; }
    bool isQuitting() const { return m_quitting; }
    // What ends the program; QCoreApplication::quit() unless replaced.
    void setTerminator(std::function<void()> terminator) { m_terminator = std::move(terminator); }

    // The main window; alerts and file choosers open as sheets on it.
    QWidget* window() const;
    VQMainWindow* mainWindow() const { return m_mainWindow.get(); }
    VQGuidePopover* guidePopover() const { return m_guide.get(); }
    VQStatusItem* statusItem() const { return m_statusItem; }
    // The permissions window, created on first use.
    AuthorityManagementWindowController* authorityManagementWindowController();
    VQPermissionChecker* permissionChecker() const { return m_permissionChecker; }

    // Activates the program and shows the main window centred (restored when minimised);
    // orders it out again when no device is connected.
    void openApp();
    // The program was started again: the main window while a device is connected, else the guide.
    void reopen();
    // True when the main window may be put away for a floating window in front of it (a tip,
    // the translation of the selection icon): only the status item can bring it back, so not
    // where the desktop has no tray. Without a tray the window's close button minimises it.
    bool canPutAwayMainWindow() const;
    // Hides the main window when canPutAwayMainWindow().
    void putAwayMainWindow();
    // A tray host appeared (shown) or went away: the icon and the guide take each other's place.
    void trayChanged(bool shown);
    // A floating effect that put the main window away (the magnifier) has ended. Where a tray
    // icon shows, the tray stays the way back and nothing is shown. Without one the face of the
    // devices connected now comes back, without the focus: the main window while a device is
    // connected, else the guide; a link lost meanwhile never brings back a window of the gone
    // device.
    void giveBackMainWindow();
    // Shows the guide (next to the tray icon where there is one).
    void showGuide(bool activate = true);

    // Selects the navigation item at the index as if it had been clicked; an index without an
    // item does nothing.
    void manualSelectedItemWithIndex(int index);
    // Shows the page of the tag, made now when it is the first selection, and marks its
    // navigation item; a tag without a page shows none.
    void selectPageWithTag(int tag);
    int selectedTag() const { return m_selectedTag; }
    // The page of the tag; nullptr until it was first selected.
    VQBaseViewController* pageWithTag(int tag) const;

    // Rebuilds the left navigation from the device record.
    void configLeftItem();
    // The tags of the navigation shown now, top to bottom.
    QList<int> leftItemTags() const;
    // The navigation's tags for a device, before pages without a factory are left out: the
    // laser-pen page (7) first for a laser pen (mouse type 202, device type 2, or isLaser), else
    // the mouse settings page (0); then 1, 2 and 3; then the lighting page (6) for mouse types
    // 56 and 72. Pages 4 and 5 never have an item.
    // Tells the user, through the error presenter, that the store dropped values of the
    // settings file or set the whole file aside; says nothing when it read the file whole.
    static void reportSettingsProblems(const UserDefaults& defaults);
    static QList<int> leftItemTagsFor(quint64 mouseType, qint64 deviceType, bool isLaser);
    // The item of a navigation tag (title key and images).
    static VQLeftItem leftItemForTag(int tag);

    // Rebuilds the status item and shows the face that fits the connection state.
    void addStatusItem();

    // YES while an AI window is open.
    bool isShowAIWindow() const { return m_isShowAIWindow; }
    void setIsShowAIWindow(bool show) { m_isShowAIWindow = show; }

    // Widens an alert so that its title can be read whole in the window manager's title bar.
    static void keepTitleReadable(QMessageBox* alert);

    // The low-battery reminder, run on "HadElectricInfoNotification".
    void updateElectricInfo();
    bool showLowElectric() const { return m_showLowElectric; }
    // The hold interval of the reminder (kLowElectricHoldMs unless a test shortens it).
    void setLowElectricHoldMs(int ms) { m_lowElectricHoldMs = ms; }

    // The UI language index for the system's preferred languages (BCP 47 names, most preferred
    // first): the first one among the 17 UI languages, else English.
    static int uiLanguageIndexForPreferredLanguages(const QStringList& languages);

Q_SIGNALS:
    // A face is on the screen for the first time after start-up.
    void ready();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PageEntry {
        PageFactory factory;
        PageSelectedHook onSelected;
    };
    static std::array<PageEntry, kPageCount>& pageRegistry();

    void configData();
    void configUI();
    void checkPermissions();
    void startReachabilityWatch();
    void chooseFirstLaunchLanguage();
    // The page of the tag, made when it does not exist yet; nullptr without a factory.
    VQBaseViewController* makePage(int tag);
    // True when the tag has a page or a factory for one.
    bool hasPage(int tag) const;
    void connectionChanged();
    void markReady();
    void runQuitSequence();
    void finishQuit();
    static void runHook(const std::function<void()>& hook, const char* name);

    Hooks m_hooks;
    std::unique_ptr<VQMainWindow> m_mainWindow;
    std::unique_ptr<VQGuidePopover> m_guide;
    std::unique_ptr<AuthorityManagementWindowController> m_authorityWindow;
    VQStatusItem* m_statusItem = nullptr;
    VQPermissionChecker* m_permissionChecker = nullptr;
    std::array<VQBaseViewController*, kPageCount> m_pages {};
    int m_selectedTag = -1;
    int m_faceConnected = -1; // the connection state the faces were last set for; -1 before the first
    bool m_launched = false;
    bool m_uiConfigured = false;
    bool m_ready = false;
    bool m_isShowAIWindow = false;
    bool m_showLowElectric = false;
    int m_lowElectricHoldMs = kLowElectricHoldMs;
    QTimer m_lowElectricTimer;
    bool m_quitting = false;
    bool m_quitFinished = false;
    int m_pendingQuitSteps = 0;
    QPointer<QMessageBox> m_quitQuestion;
    QTimer m_quitDeadline;
    QElapsedTimer m_quitClock;
    std::function<void()> m_terminator;
};
