#include "AboutMouseView.h"

#include "AppDelegate.h"
#include "CustomProgress.h"
#include "HIDDevice.h"
#include "MMLog.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQHttpRequestManager.h"
#include "VQLabel.h"
#include "VQMouseCommandManager.h"
#include "VQMouseInfoItem.h"
#include "VQNotificationNames.h"
#include "VQOTATransfer.h"
#include "VQOTAUpdateManager.h"
#include "VQPopupWindowTool.h"
#include "VQTextView.h"
#include "VQUploadBurnerInfoScene.h"
#include "VQUserInfoData.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QFont>
#include <QPointer>
#include <QResizeEvent>
#include <QStyle>
#include <QTextEdit>

#include <algorithm>

namespace {

QString tr_(const char* key) { return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key)); }

QFont systemFont(int pointSize)
{
    QFont font;
    font.setPixelSize(pointSize);
    return font;
}

const QColor kTextColor(38, 12, 12);
const QColor kSecondaryColor(112, 112, 112);
const QColor kAccentColor(0, 175, 204);

constexpr int kTitleHeight = 27;
constexpr int kVersionTop = kTitleHeight + 30;
constexpr int kVersionHeight = 17;
constexpr int kTipTop = kVersionTop + kVersionHeight + 30;
constexpr int kTipHeight = 27;
constexpr int kTextTop = kTipTop + kTipHeight + 10;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 30;

QString name(const char* text) { return QString::fromLatin1(text); }

// In a right-to-left line, a value kept apart from the text around it, so the colon, the brackets
// and the blanks beside it stay in the line's order rather than the value's.
QString isolated(const QString& value, bool rightToLeft)
{
    return rightToLeft ? QChar(0x2068) + value + QChar(0x2069) : value;
}

// A button as wide as its title needs, never narrower than the layout's 100.
int buttonWidth(const VQButton* button)
{
    return std::max(kButtonWidth, button->fontMetrics().horizontalAdvance(button->title()) + 24);
}

} // namespace

AboutMouseView::AboutMouseView(QWidget* parent)
    : VQBaseView(parent)
{
    resize(kMaxTextWidth + kTextRightMargin, 300);
    configUI();
    configTitle();
    configData();
    // A drop target for files, which it takes without doing anything with them.
    setAcceptDrops(true);
}

VQLabel* AboutMouseView::titleLabel()
{
    if (m_titleLabel == nullptr) {
        m_titleLabel = new VQLabel(this);
        m_titleLabel->setFont(systemFont(20));
        m_titleLabel->setTextColor(kTextColor);
        m_titleLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return m_titleLabel;
}

VQLabel* AboutMouseView::versionLabel()
{
    if (m_versionLabel == nullptr) {
        m_versionLabel = new VQLabel(this);
        m_versionLabel->setFont(systemFont(12));
        m_versionLabel->setTextColor(kSecondaryColor);
        m_versionLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return m_versionLabel;
}

VQLabel* AboutMouseView::tipLabel()
{
    if (m_tipLabel == nullptr) {
        m_tipLabel = new VQLabel(this);
        m_tipLabel->setFont(systemFont(20));
        m_tipLabel->setTextColor(kTextColor);
        m_tipLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return m_tipLabel;
}

VQTextView* AboutMouseView::instructionTextView()
{
    if (m_instructionTextView == nullptr) {
        m_instructionTextView = new VQTextView(this);
        m_instructionTextView->setTextColor(kSecondaryColor);
        m_instructionTextView->textField()->setFont(systemFont(14));
        // Under its heading, on the page's side whatever the language's direction.
        m_instructionTextView->setAlignment(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft) | Qt::AlignAbsolute);
    }
    return m_instructionTextView;
}

VQButton* AboutMouseView::updateBtn()
{
    if (m_updateBtn == nullptr) {
        m_updateBtn = new VQButton(this);
        m_updateBtn->setBackgroundColor(kAccentColor);
        m_updateBtn->setCornerRadius(5);
        m_updateBtn->setTitleColor(Qt::white);
        m_updateBtn->setFont(systemFont(12));
        connect(m_updateBtn, &VQButton::clicked, this, [this] { updateBtnClicked(m_updateBtn); });
    }
    return m_updateBtn;
}

VQButton* AboutMouseView::updateDongleBtn()
{
    if (m_updateDongleBtn == nullptr) {
        m_updateDongleBtn = new VQButton(this);
        m_updateDongleBtn->setBackgroundColor(kAccentColor);
        m_updateDongleBtn->setCornerRadius(5);
        m_updateDongleBtn->setTitleColor(Qt::white);
        m_updateDongleBtn->setFont(systemFont(12));
        connect(m_updateDongleBtn, &VQButton::clicked, this, [this] { updateBtnClicked(m_updateDongleBtn); });
    }
    return m_updateDongleBtn;
}

CustomProgress* AboutMouseView::custompro()
{
    if (m_custompro == nullptr) {
        m_custompro = new CustomProgress(this);
        m_custompro->setMaxValue(100);
        // The page is white: the track takes the card colour so the bar's length shows.
        m_custompro->setTrackColor(QColor(241, 244, 248));
        m_custompro->setFillColor(kAccentColor);
        m_custompro->hide();
        placeViews();
    }
    return m_custompro;
}

VQLabel* AboutMouseView::progressLabel()
{
    if (m_progressLabel == nullptr) {
        m_progressLabel = new VQLabel(this);
        m_progressLabel->setFont(systemFont(16));
        m_progressLabel->setTextColor(kAccentColor);
        m_progressLabel->show();
        placeViews();
    }
    return m_progressLabel;
}

VQLabel* AboutMouseView::updateTipLabel()
{
    if (m_updateTipLabel == nullptr) {
        m_updateTipLabel = new VQLabel(this);
        m_updateTipLabel->setFont(systemFont(12));
        m_updateTipLabel->setTextColor(kSecondaryColor);
    }
    return m_updateTipLabel;
}

void AboutMouseView::configUI()
{
    titleLabel();
    versionLabel();
    tipLabel();
    instructionTextView();
    updateBtn();
    updateDongleBtn();
    updateTipLabel();
    showUpdateBtnStatus();
}

QString AboutMouseView::versionText()
{
    VQUserInfoData& state = VQUserInfoData::sharedInstance();
    const VQMouseInfoItem& record = state.mouseInfoItem();
    const bool disabled = state.isDisableDevice();
    const QString serial = disabled ? QString() : record.sn();
    const QString firmware = disabled ? QString() : record.firmwareVersion();
    // One translation holds the whole line, so each language orders it and places its colons.
    const QString line = tr_(kVersionLineText);
    const bool rtl = line.isRightToLeft();
    return line.arg(isolated(serial, rtl), isolated(QStringLiteral("V") + QCoreApplication::applicationVersion(), rtl),
                    isolated(firmware, rtl), isolated(state.productCode(), rtl));
}

QString AboutMouseView::titleText()
{
    // The connected product by the navigation's own rule: a laser pen has a page of its own.
    VQUserInfoData& state = VQUserInfoData::sharedInstance();
    const VQMouseInfoItem& record = state.mouseInfoItem();
    const bool laserPen = record.mouseType() == AppDelegate::kLaserPenMouseType
        || record.deviceType() == AppDelegate::kLaserPenDeviceType || state.isLaser();
    return tr_(laserPen ? kLaserPenTitleText : kMouseTitleText);
}

void AboutMouseView::configTitle()
{
    titleLabel()->setText(titleText());
    versionLabel()->setText(versionText());
    tipLabel()->setText(QStringLiteral("%1V%2").arg(tr_("版本说明"), QCoreApplication::applicationVersion()));
    instructionTextView()->setString(tr_("语音打字，语音翻译，语音搜索，语音控制\n划词翻译，截图识别，截图翻译，按键宏定义"));
    updateTipLabel()->setText(tr_("升级后如果连接不上请重新配对"));
    layoutText();
    // A refresh puts both buttons away; they come back for the files stored.
    updateBtn()->hide();
    updateDongleBtn()->hide();
    updateTipLabel()->hide();
    showUpdateBtnStatus();
    applyButtonState();
}

void AboutMouseView::configData()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, name(vq::HadUSBInfoNotification), [this](const VQNotification&) { configTitle(); });
    center.addObserver(this, name(vq::kUpdateOTAProgressNotification),
                       [this](const VQNotification& note) { updateOTAProgressNotification(note.object.toInt()); });
    center.addObserver(this, name(vq::kUpdateOTASuccessNotification),
                       [this](const VQNotification&) { updateOTASuccessNotification(); });
    center.addObserver(this, name(vq::kUpdateOTAFailNotification),
                       [this](const VQNotification&) { updateOTAFailNotification(); });
    center.addObserver(this, name(vq::kUpdateOTACancelNotification),
                       [this](const VQNotification&) { updateOTACancelNotification(); });
    center.addObserver(this, name(vq::kUpdateOTAStatusNotification), [this](const VQNotification&) { showUpdateBtnStatus(); });
    for (const char* link : {vq::kUSBInsertNotification, vq::kUSBRemoveNotification, vq::kBleConnectNotification})
        center.addObserver(this, name(link), [this](const VQNotification&) { linkChanged(); });
    center.addObserver(this, name(vq::kUpdateFirmwareVersionNotification), [this](const VQNotification&) {
        configTitle();
        // The first firmware report after an update carries the new version for the record.
        if (VQUserInfoData::sharedInstance().isNeedUpLoadBurnerInfo())
            uploadBurnerInfo();
    });
    m_updateStatus = UpdateNone;
    m_isUpdating = false;
    applyButtonState();
}

void AboutMouseView::showUpdateBtnStatus()
{
    // A button is offered while a file of its kind is stored and no transfer of the other kind
    // runs; the button of a marked update stays, so its transfer can always be cancelled.
    const VQOTAUpdateManager& files = VQOTAUpdateManager::sharedInstance();
    const VQOTATransfer& transfer = VQOTATransfer::sharedInstance();
    const auto otherRuns = [&transfer](VQOTATransfer::Target other) {
        return transfer.isRunning() && transfer.target() == other;
    };
    if ((m_isUpdating && m_updateStatus == UpdateDevice)
        || (files.needUpdate() && !otherRuns(VQOTATransfer::Target::Receiver)))
        updateBtn()->show();
    if ((m_isUpdating && m_updateStatus == UpdateReceiver)
        || (files.needUpdateDongle() && !otherRuns(VQOTATransfer::Target::Device)))
        updateDongleBtn()->show();
}

void AboutMouseView::linkChanged()
{
    // A marked update whose transfer is no longer running on the link (it failed, or its device
    // went) has nothing left to cancel on the devices connected now: its button starts again.
    if (m_isUpdating && !VQOTATransfer::sharedInstance().isRunning()) {
        VQLogInfo(QStringLiteral("firmware buttons: the link changed; the ended update is no longer marked"));
        m_isUpdating = false;
        m_updateStatus = UpdateNone;
        hideProgress();
    }
    applyButtonState();
}

void AboutMouseView::applyButtonState()
{
    const bool device = m_isUpdating && m_updateStatus == UpdateDevice;
    const bool receiver = m_isUpdating && m_updateStatus == UpdateReceiver;
    updateBtn()->setTitle(device ? tr_("取消升级") : tr_("升级设备固件"));
    updateDongleBtn()->setTitle(receiver ? tr_("取消升级") : tr_("升级接收器固件"));
    placeViews();
    // After a cancelling click the link's transfer runs until the device confirmed the cancel
    // (or the answer timed out): a start then would be refused and leave a mark without a
    // transfer, so no start is offered before the outcome arrives.
    const bool linkBusy = VQOTATransfer::sharedInstance().isRunning();
    updateBtn()->setEnabled(device || (!m_isUpdating && !linkBusy));
    // The receiver's firmware goes through an open receiver only, never over Bluetooth LE.
    const bool receiverReachable = !VQUserInfoData::sharedInstance().bleConnect() && HIDDevice::sharedManager().isOpen();
    updateDongleBtn()->setEnabled(receiver || (!m_isUpdating && !linkBusy && receiverReachable));
}

void AboutMouseView::updateBtnClicked(VQButton* sender)
{
    const bool isDevice = sender == updateBtn();
    if (!isDevice && sender != updateDongleBtn())
        return;
    VQUserInfoData& state = VQUserInfoData::sharedInstance();
    const int kind = isDevice ? UpdateDevice : UpdateReceiver;
    // A marked update's click cancels, also when its file went away meanwhile (the receiver
    // pulled out after a failure): the mark must always be clearable.
    if (m_isUpdating) {
        // Only the marked kind's button acts; the other is disabled, and a stray click on it
        // must not cancel the running transfer of the other kind.
        if (kind != m_updateStatus)
            return;
        VQMouseCommandManager& commands = VQMouseCommandManager::sharedInstance();
        if (isDevice)
            commands.sendCancelOTAData();
        else
            commands.sendCancelOTADongleData();
        m_isUpdating = false;
        applyButtonState();
        return;
    }
    VQOTAUpdateManager& files = VQOTAUpdateManager::sharedInstance();
    const bool remote = state.mouseInfoItem().deviceType() == VQMouseInfoItem::DeviceTypeRemoteControl;
    const bool available = isDevice ? (files.needUpdate() || remote) : files.needUpdateDongle();
    if (!available) {
        VQLogInfo(QStringLiteral("firmware button: no %1 firmware file").arg(isDevice ? "device" : "receiver"));
        VQPopupWindowTool::sharedInstance().showTipMessage(tr_("当前是最新版本"), QStringLiteral("info_icon"));
        return;
    }
    if (!isDevice && (state.bleConnect() || !HIDDevice::sharedManager().isOpen())) {
        // The receiver's firmware goes through an open receiver only.
        VQLogWarn(QStringLiteral("receiver firmware update refused: %1")
                      .arg(state.bleConnect() ? "a Bluetooth LE mouse is connected" : "no receiver is open"));
        VQPopupWindowTool::sharedInstance().showTipMessage(tr_("升级失败"), QStringLiteral("error_icon"));
        return;
    }
    VQMouseCommandManager& commands = VQMouseCommandManager::sharedInstance();
    m_updateStatus = kind;
    m_isUpdating = true;
    applyButtonState();
    if (isDevice)
        commands.sendStartOTAData();
    else
        commands.sendStartOTADongleData();
}

void AboutMouseView::hideProgress()
{
    custompro()->setPresent(0);
    custompro()->hide();
    progressLabel()->clear();
}

void AboutMouseView::updateOTAProgressNotification(int percent)
{
    const int p = std::clamp(percent, 0, 100);
    custompro()->setPresent(p);
    progressLabel()->setText(QStringLiteral("%1%").arg(p));
    custompro()->show();
}

void AboutMouseView::updateOTASuccessNotification()
{
    hideProgress();
    VQPopupWindowTool::sharedInstance().showTipMessage(tr_("升级成功"), QStringLiteral("success_icon"));
    VQUserInfoData::sharedInstance().setIsNeedUpLoadBurnerInfo(true);
    m_isUpdating = false;
    if (m_updateStatus == UpdateDevice)
        VQOTAUpdateManager::sharedInstance().deleteOTAFile();
    else if (m_updateStatus == UpdateReceiver)
        VQOTAUpdateManager::sharedInstance().deleteDongleOTAFile();
    m_updateStatus = UpdateNone;
    applyButtonState();
    // The device reports itself again after an update; that refresh offers what is stored then.
    updateBtn()->hide();
    updateDongleBtn()->hide();
}

void AboutMouseView::updateOTAFailNotification()
{
    hideProgress();
    applyButtonState();
    VQPopupWindowTool::sharedInstance().showTipMessage(tr_("升级失败"), QStringLiteral("error_icon"));
}

void AboutMouseView::updateOTACancelNotification()
{
    hideProgress();
    applyButtonState();
    VQPopupWindowTool::sharedInstance().showTipMessage(tr_("升级取消"), QStringLiteral("info_icon"));
}

void AboutMouseView::uploadBurnerInfo()
{
    if (m_uploadInFlight)
        return;
    VQUserInfoData& state = VQUserInfoData::sharedInstance();
    VQUploadBurnerInfoScene scene;
    scene.setChannel(QString::fromLatin1(kBurnerChannel));
    scene.setFirmwareVersion(state.mouseInfoItem().firmwareVersion());
    scene.setSoftVersion(state.productCode());
    m_uploadInFlight = true;
    QPointer<AboutMouseView> self(this);
    VQHttpRequestManager::sharedInstance().httpRequestWithScene(scene, [self](const VQHttpResult& result) {
        if (self)
            self->m_uploadInFlight = false;
        if (result.success) {
            VQUserInfoData::sharedInstance().setIsNeedUpLoadBurnerInfo(false);
            VQLogInfo(QStringLiteral("hardware record sent"));
        } else {
            VQLogWarn(QStringLiteral("hardware record not sent: %1").arg(result.message));
        }
    });
}

void AboutMouseView::layoutText()
{
    VQTextView* text = instructionTextView();
    const int textWidth = std::clamp(width() - kTextRightMargin, 1, kMaxTextWidth);
    if (text->maxWidth() != textWidth)
        text->setMaxWidth(textWidth);
    setViewHeight(text->textH() + kFixedHeight);
    placeViews();
    if (height() != int(viewHeight()))
        resize(width(), int(viewHeight()));
}

void AboutMouseView::placeViews()
{
    const int w = width();
    const int textH = m_instructionTextView != nullptr ? m_instructionTextView->textH() : 0;
    if (m_titleLabel != nullptr)
        m_titleLabel->setGeometry(0, 0, w, kTitleHeight);
    if (m_versionLabel != nullptr)
        m_versionLabel->setGeometry(0, kVersionTop, w, kVersionHeight);
    if (m_tipLabel != nullptr)
        m_tipLabel->setGeometry(0, kTipTop, w, kTipHeight);
    if (m_instructionTextView != nullptr)
        m_instructionTextView->setGeometry(0, kTextTop, std::max(1, w - kTextRightMargin), textH + 10);
    const int buttonTop = kTextTop + textH + 10 + 20;
    int barLeft = 2 * kButtonWidth + 20;
    if (m_updateBtn != nullptr && m_updateDongleBtn != nullptr) {
        const int deviceWidth = buttonWidth(m_updateBtn);
        const int receiverWidth = buttonWidth(m_updateDongleBtn);
        m_updateBtn->setGeometry(0, buttonTop, deviceWidth, kButtonHeight);
        m_updateDongleBtn->setGeometry(deviceWidth + 10, buttonTop, receiverWidth, kButtonHeight);
        barLeft = deviceWidth + 10 + receiverWidth + 10;
    }
    const int barWidth = std::max(1, w - 60 - barLeft);
    if (m_custompro != nullptr)
        m_custompro->setGeometry(barLeft, buttonTop, barWidth, kButtonHeight);
    if (m_progressLabel != nullptr)
        m_progressLabel->setGeometry(barLeft + barWidth + 5, buttonTop, 55, kButtonHeight);
    if (m_updateTipLabel != nullptr)
        m_updateTipLabel->setGeometry(0, buttonTop + kButtonHeight + 5, w, 20);
}

bool AboutMouseView::carriesFiles(const QMimeData* data)
{
    if (data == nullptr)
        return false;
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.cbegin(), urls.cend(), [](const QUrl& url) { return url.isLocalFile(); });
}

void AboutMouseView::dragEnterEvent(QDragEnterEvent* event)
{
    if (!carriesFiles(event->mimeData()))
        return event->ignore();
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void AboutMouseView::dragMoveEvent(QDragMoveEvent* event)
{
    // The answer of the drag's entry stands.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void AboutMouseView::dragLeaveEvent(QDragLeaveEvent* event)
{
    event->accept();
}

void AboutMouseView::dropEvent(QDropEvent* event)
{
    if (!carriesFiles(event->mimeData()))
        return event->ignore();
    // The files are read and taken; nothing is done with them.
    const qsizetype files = event->mimeData()->urls().size();
    VQLogDebug(QStringLiteral("%1 file(s) dropped on the about view; no action").arg(files));
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void AboutMouseView::resizeEvent(QResizeEvent* event)
{
    VQBaseView::resizeEvent(event);
    if (event->size().width() != event->oldSize().width())
        layoutText();
}
