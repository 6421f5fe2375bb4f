#include "SmartDetectionViewController.h"

#include "DelayInvoke.h"
#include "HIDDevice.h"
#include "MMImage.h"
#include "MMLog.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQCheckNetWorkScene.h"
#include "VQGetAppKeyScene.h"
#include "VQHttpRequestManager.h"
#include "VQLabel.h"
#include "VQNotificationNames.h"
#include "VQOTATransfer.h"
#include "VQUserInfoData.h"

#include <QFrame>
#include <QPointer>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QString tr_(const char* key) { return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key)); }

const char kAllWellText[] = "当前设备和环境一切正常,请放心使用,如有问题请联系客服";
const char kFailedText[] = "当前设备和环境异常,如有问题请联系客服";

const QColor kTextColor(38, 12, 12);
const QColor kButtonColor(12, 165, 192);
const QColor kStripColor(241, 244, 248);

double resetCheckDelaySeconds = SmartDetectionViewController::kResetCheckDelaySeconds;

constexpr int kTopHeight = 64;
constexpr int kMargin = 40;
constexpr int kLineWidth = 120;
// Diagram: the computer's top left; the mouse to its left, the public network to its upper
// right and the maker's server to its lower right.
constexpr int kComputerX = kMargin + SmartDetectionViewController::kStationSize + kLineWidth;
constexpr int kComputerY = 260;
constexpr int kRiseHeight = 110;
constexpr int kLabelHeight = 24;

QFont pixelFont(int size)
{
    QFont font;
    font.setPixelSize(size);
    return font;
}

QLabel* imageLabel(QWidget* parent, int x, int y, int w, int h)
{
    auto* label = new QLabel(parent);
    label->setGeometry(x, y, w, h);
    label->setScaledContents(true);
    return label;
}

VQLabel* stationLabel(QWidget* parent, const QLabel* station)
{
    auto* label = new VQLabel(parent);
    label->setFont(pixelFont(16));
    label->setTextColor(kTextColor);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    const QRect r = station->geometry();
    label->setGeometry(r.center().x() - 60, r.bottom() + 8, 120, kLabelHeight);
    return label;
}

VQButton* stripButton(QWidget* parent)
{
    auto* button = new VQButton(parent);
    button->setBackgroundColor(kButtonColor);
    button->setTitleColor(Qt::white);
    button->setCornerRadius(4);
    button->setFont(pixelFont(14));
    return button;
}

} // namespace

SmartDetectionViewController::SmartDetectionViewController(QObject* parent)
    : VQBaseViewController(parent)
{
}

void SmartDetectionViewController::viewDidLoad()
{
    VQBaseViewController::viewDidLoad();
    configUI();
    configTitle();
    configData();
}

void SmartDetectionViewController::configUI()
{
    QWidget* page = view();
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    m_scrollView = new QScrollArea(page);
    m_scrollView->setFrameShape(QFrame::NoFrame);
    m_scrollView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollView->setWidgetResizable(true);
    layout->addWidget(m_scrollView);

    m_contentView = new QWidget;
    QPalette palette = m_contentView->palette();
    palette.setColor(QPalette::Window, Qt::white);
    m_contentView->setPalette(palette);
    m_contentView->setAutoFillBackground(true);
    m_contentView->setMinimumSize(720, 520);

    m_topView = new QWidget(m_contentView);
    QPalette strip = m_topView->palette();
    strip.setColor(QPalette::Window, kStripColor);
    m_topView->setPalette(strip);
    m_topView->setAutoFillBackground(true);
    m_topView->setFixedHeight(kTopHeight);
    // The strip spans the page; the diagram below is placed by hand.
    auto* contentLayout = new QVBoxLayout(m_contentView);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(m_topView);
    contentLayout->addStretch(1);
    auto* topLayout = new QHBoxLayout(m_topView);
    topLayout->setContentsMargins(20, 0, 20, 0);
    topLayout->setSpacing(12);
    m_statusLabel = new VQLabel(m_topView);
    m_statusLabel->setFont(pixelFont(16));
    m_statusLabel->setTextColor(kTextColor);
    m_statusLabel->setWordWrap(true);
    topLayout->addWidget(m_statusLabel, 1);
    m_detectionBtn = stripButton(m_topView);
    m_repairBtn = stripButton(m_topView);
    for (VQButton* button : { m_detectionBtn, m_repairBtn }) {
        button->setMinimumSize(100, 32);
        topLayout->addWidget(button);
    }
    connect(m_detectionBtn, &VQButton::clicked, this, [this] { detectionBtnClicked(); });
    connect(m_repairBtn, &VQButton::clicked, this, [this] { repairBtnClicked(); });

    const int s = kStationSize;
    m_usbImageView = imageLabel(m_contentView, kComputerX, kComputerY, s, s);
    m_mouseImageView = imageLabel(m_contentView, kMargin, kComputerY, s, s);
    m_lineImageViews[0] = imageLabel(m_contentView, kMargin + s, kComputerY, kLineWidth, s);
    m_lineImageViews[1] = imageLabel(m_contentView, kComputerX + s, kComputerY - kRiseHeight + s / 2, kLineWidth, kRiseHeight);
    m_lineImageViews[2] = imageLabel(m_contentView, kComputerX + s, kComputerY + s / 2, kLineWidth, kRiseHeight);
    m_networkOutImageView = imageLabel(m_contentView, kComputerX + s + kLineWidth, kComputerY - kRiseHeight, s, s);
    m_networkInImageView = imageLabel(m_contentView, kComputerX + s + kLineWidth, kComputerY + kRiseHeight, s, s);
    m_mouseImageView->setPixmap(mm::imageNamed(QStringLiteral("5_mouse_icon"), QSize(s, s)));
    m_usbImageView->setPixmap(mm::imageNamed(QStringLiteral("5_client"), QSize(s, s)));
    m_networkOutImageView->setPixmap(mm::imageNamed(QStringLiteral("5_network_out_icon"), QSize(s, s)));
    m_networkInImageView->setPixmap(mm::imageNamed(QStringLiteral("5_network_in_icon"), QSize(s, s)));
    m_mouseLabel = stationLabel(m_contentView, m_mouseImageView);
    m_usbLabel = stationLabel(m_contentView, m_usbImageView);
    m_networkOutLabel = stationLabel(m_contentView, m_networkOutImageView);
    m_networkInLabel = stationLabel(m_contentView, m_networkInImageView);
    for (int line = 1; line <= 3; ++line) {
        m_lineImageViews[line - 1]->setObjectName(QStringLiteral("lineImageView%1").arg(line));
        setLine(line, LineState::None);
    }

    m_scrollView->setWidget(m_contentView);
}

void SmartDetectionViewController::configTitle()
{
    if (m_statusLabel == nullptr)
        return;
    refreshStatus();
    m_detectionBtn->setTitle(tr_("一键检测"));
    m_repairBtn->setTitle(tr_("重置驱动"));
    m_mouseLabel->setText(tr_("鼠标"));
    m_usbLabel->setText(tr_("电脑"));
    m_networkOutLabel->setText(tr_("公网"));
    m_networkInLabel->setText(tr_("Corvane"));
}

void SmartDetectionViewController::configData()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    for (const char* name : { vq::kUSBInsertNotification, vq::kUSBRemoveNotification, vq::HadUSBInfoNotification })
        center.addObserver(this, QString::fromLatin1(name), [this](const VQNotification&) { showMouseStatus(); });
    runCheck();
}

QLabel* SmartDetectionViewController::lineImageView(int line) const
{
    return line >= 1 && line <= 3 ? m_lineImageViews[line - 1] : nullptr;
}

SmartDetectionViewController::LineState SmartDetectionViewController::lineState(int line) const
{
    return line >= 1 && line <= 3 ? m_lines[line - 1] : LineState::None;
}

QString SmartDetectionViewController::lineImageName(int line) const
{
    const QString base = QStringLiteral("5_line%1").arg(line);
    return lineState(line) == LineState::Failed ? base + QStringLiteral("_error_icon") : base + QStringLiteral("_icon");
}

bool SmartDetectionViewController::isAllWell() const
{
    for (LineState state : m_lines) {
        if (state == LineState::Failed)
            return false;
    }
    return true;
}

QString SmartDetectionViewController::statusText() const
{
    return m_statusLabel != nullptr ? m_statusLabel->text() : QString();
}

void SmartDetectionViewController::setLine(int line, LineState state)
{
    m_lines[line - 1] = state;
    QLabel* view = m_lineImageViews[line - 1];
    if (view != nullptr) {
        view->setPixmap(mm::imageNamed(lineImageName(line), view->size()));
        // The image's name, as the image buttons carry theirs.
        view->setProperty("vqImageName", lineImageName(line));
    }
    refreshStatus();
}

void SmartDetectionViewController::refreshStatus()
{
    if (m_statusLabel != nullptr)
        m_statusLabel->setText(isAllWell() ? tr_(kAllWellText) : tr_(kFailedText));
}

void SmartDetectionViewController::showMouseStatus()
{
    const bool connected = VQUserInfoData::sharedInstance().isConnect();
    if (!connected)
        VQLogInfo(QStringLiteral("detection: no device connected"));
    setLine(1, connected ? LineState::Well : LineState::Failed);
}

void SmartDetectionViewController::checkNetWork()
{
    const quint64 serial = ++m_checkSerial;
    QPointer<SmartDetectionViewController> self(this);
    auto answer = [self, serial](int line, const char* what) {
        return [self, serial, line, what](const VQHttpResult& result) {
            if (!self || serial != self->m_checkSerial)
                return;
            if (!result.success)
                VQLogWarn(QStringLiteral("detection: %1 failed: %2").arg(QLatin1String(what), result.message));
            self->setLine(line, result.success ? LineState::Well : LineState::Failed);
        };
    };
    VQHttpRequestManager& http = VQHttpRequestManager::sharedInstance();
    http.httpRequestWithScene(VQCheckNetWorkScene(), answer(2, "internet probe"));
    http.httpRequestWithScene(VQGetAppKeyScene(), answer(3, "maker's server"));
}

void SmartDetectionViewController::runCheck()
{
    showMouseStatus();
    checkNetWork();
}

void SmartDetectionViewController::detectionBtnClicked()
{
    runCheck();
}

void SmartDetectionViewController::repairBtnClicked()
{
    if (VQUserInfoData::sharedInstance().bleConnect()) {
        // The Bluetooth LE mouse is the link: the receiver stays closed.
        VQLogInfo(QStringLiteral("driver reset: a Bluetooth LE mouse is connected, the receiver stays closed"));
    } else if (VQOTATransfer::sharedInstance().isRunning()) {
        VQLogInfo(QStringLiteral("driver reset: a firmware transfer runs, the receiver is not reopened"));
    } else {
        VQLogInfo(QStringLiteral("driver reset: reopening the receiver"));
        HIDDevice::sharedManager().openHIDDevice();
    }
    QPointer<SmartDetectionViewController> self(this);
    mm::pxtDelayInvokeAtOnce(QString::fromLatin1(kResetCheckKey), [self] {
        if (self)
            self->runCheck();
    }, {}, resetCheckDelaySeconds);
}

void SmartDetectionViewController::setResetCheckDelayForTests(double seconds)
{
    resetCheckDelaySeconds = seconds;
}
