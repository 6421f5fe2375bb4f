#pragma once

#include "VQBaseView.h"

#include <QString>

class CustomProgress;
class QMimeData;
class VQButton;
class VQLabel;
class VQTextView;

// The about-device section of the software page: serial number, program and firmware versions
// with the product code, the product's function text, and the two firmware buttons (device and
// USB receiver) with the transfer's progress bar and percentage.
//
// The firmware files come from VQOTAUpdateManager; the transfer runs in the device link, started
// and cancelled through VQMouseCommandManager and followed through the OTA notifications.
//
// Update state: updateStatus() names the kind started last (0 none, 1 device, 2 receiver) and
// isUpdating() is true while that update is marked. While marked, only its kind's button acts
// (it cancels) and the other is disabled, so one kind's cancel never reaches the other's
// transfer. A failure or the device's own cancel keeps the mark (and "取消升级") until the user
// clicks, so the file stays for a retry; a change of the link (a receiver plugged in or pulled
// out, the Bluetooth LE mouse coming or going) clears a mark whose transfer no longer runs, so
// every button offers what a click does for the devices connected now. The receiver button is
// disabled while no receiver is open or a Bluetooth LE mouse is the link.
//
// The text is laid out at the view's width (at most kMaxTextWidth) and viewHeight() follows it
// (viewHeightChanged()). The view takes files dropped on it (a copy) and does nothing with them.
// Main thread only.
class AboutMouseView : public VQBaseView {
    Q_OBJECT
public:
    static constexpr int kMaxTextWidth = 856;
    static constexpr int kTextRightMargin = 100;
    // viewHeight() = textH + kFixedHeight.
    static constexpr int kFixedHeight = 234;
    // The channel of the hardware record.
    static constexpr char kBurnerChannel[] = "linux";
    // The title by the connected product, and the line of serial number, program version,
    // firmware version and product code.
    static constexpr char kMouseTitleText[] = "关于AI鼠标";
    static constexpr char kLaserPenTitleText[] = "关于智笔";
    static constexpr char kVersionLineText[] = "SN:%1         软件版本： %2         固件版本： %3(%4)";

    enum UpdateStatus { UpdateNone = 0, UpdateDevice = 1, UpdateReceiver = 2 };

    explicit AboutMouseView(QWidget* parent = nullptr);

    void configUI() override;
    void configTitle() override;
    void configData() override;

    // Shows the firmware button of each kind whose file is stored while no transfer of the other
    // kind runs, and the button of a marked update; hides none. Run when the view is made, after
    // every refresh (device information, firmware version, UI language: these first hide both)
    // and when a download ended. A successful update hides both until the device's next report.
    void showUpdateBtnStatus();
    // The action of both buttons.
    void updateBtnClicked(VQButton* sender);
    void updateOTAProgressNotification(int percent);
    void updateOTASuccessNotification();
    void updateOTAFailNotification();
    void updateOTACancelNotification();
    // Sends the hardware record (channel, firmware version, product code); the server's success
    // lowers VQUserInfoData isNeedUpLoadBurnerInfo, a failure leaves it for the next report.
    void uploadBurnerInfo();

    int updateStatus() const { return m_updateStatus; }
    bool isUpdating() const { return m_isUpdating; }

    VQLabel* titleLabel();
    VQLabel* versionLabel();
    VQLabel* tipLabel();
    VQTextView* instructionTextView();
    VQButton* updateBtn();
    VQButton* updateDongleBtn();
    CustomProgress* custompro();
    VQLabel* progressLabel();
    VQLabel* updateTipLabel();

    // The version line's text for the current record and language.
    static QString versionText();
    // The title for the connected product and the current language.
    static QString titleText();

    // True for a drag the view takes: one that carries file addresses.
    static bool carriesFiles(const QMimeData* data);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Titles and enables the buttons from the update state.
    void applyButtonState();
    // The device link changed: an update whose transfer ended is unmarked.
    void linkChanged();
    // Lays the text out at the current width and updates viewHeight().
    void layoutText();
    void hideProgress();
    void placeViews();

    VQLabel* m_titleLabel = nullptr;
    VQLabel* m_versionLabel = nullptr;
    VQLabel* m_tipLabel = nullptr;
    VQTextView* m_instructionTextView = nullptr;
    VQButton* m_updateBtn = nullptr;
    VQButton* m_updateDongleBtn = nullptr;
    CustomProgress* m_custompro = nullptr;
    VQLabel* m_progressLabel = nullptr;
    VQLabel* m_updateTipLabel = nullptr;
    int m_updateStatus = UpdateNone;
    bool m_isUpdating = false;
    bool m_uploadInFlight = false;
};
