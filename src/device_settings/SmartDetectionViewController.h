#pragma once

#include "VQBaseViewController.h"

#include <QString>
#include <QtGlobal>

class QLabel;
class QScrollArea;
class VQButton;
class VQLabel;

// The detection page (page tag 5): the chain from the mouse to the maker's server as four
// stations joined by three lines, each line showing the last result of its check (well, failed,
// none yet); a status text; a one-click check and a driver reset.
//
// Line 1 follows the connection state (VQUserInfoData isConnect) on every device notification;
// lines 2 and 3 are the internet probe and the maker's app-key request, sent together on each
// check; an answer of an older check is dropped. The status reads all-well only while no line
// shows a failure. The reset reopens the receiver (except while a Bluetooth LE mouse holds the
// link or a firmware transfer runs, which a reopening would break) and checks again through
// pxtDelayInvokeAtOnce. The page runs its first check when it is built (first selection).
//
// Main thread only.
class SmartDetectionViewController : public VQBaseViewController {
    Q_OBJECT
public:
    enum class LineState { None, Well, Failed };

    static constexpr int kStationSize = 64;
    static constexpr double kResetCheckDelaySeconds = 1.0;
    static constexpr char kResetCheckKey[] = "SmartDetectionViewController.resetCheck";

    explicit SmartDetectionViewController(QObject* parent = nullptr);

    // Tests only: the interval of the check after a driver reset (kResetCheckDelaySeconds until
    // set again).
    static void setResetCheckDelayForTests(double seconds);

    void configUI() override;
    void configData() override;
    void configTitle() override;

    // Line 1 from the connection state.
    void showMouseStatus();
    // Lines 2 and 3 from two requests.
    void checkNetWork();
    void detectionBtnClicked();
    void repairBtnClicked();

    // Line 1, 2 or 3.
    LineState lineState(int line) const;
    QString lineImageName(int line) const;
    // True while no line shows a failure.
    bool isAllWell() const;
    QString statusText() const;

    VQLabel* statusLabel() const { return m_statusLabel; }
    VQButton* detectionBtn() const { return m_detectionBtn; }
    VQButton* repairBtn() const { return m_repairBtn; }
    QLabel* lineImageView(int line) const;

protected:
    void viewDidLoad() override;

private:
    void setLine(int line, LineState state);
    void refreshStatus();
    void runCheck();

    QScrollArea* m_scrollView = nullptr;
    QWidget* m_contentView = nullptr;
    QWidget* m_topView = nullptr;
    VQLabel* m_statusLabel = nullptr;
    VQButton* m_detectionBtn = nullptr;
    VQButton* m_repairBtn = nullptr;
    QLabel* m_mouseImageView = nullptr;
    QLabel* m_usbImageView = nullptr;
    QLabel* m_networkOutImageView = nullptr;
    QLabel* m_networkInImageView = nullptr;
    QLabel* m_lineImageViews[3] = { nullptr, nullptr, nullptr };
    VQLabel* m_mouseLabel = nullptr;
    VQLabel* m_usbLabel = nullptr;
    VQLabel* m_networkOutLabel = nullptr;
    VQLabel* m_networkInLabel = nullptr;
    LineState m_lines[3] = { LineState::None, LineState::None, LineState::None };
    // Counts network checks, so answers of an older one are dropped.
    quint64 m_checkSerial = 0;
};
