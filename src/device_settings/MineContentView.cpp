#include "MineContentView.h"

#include "MMImage.h"
#include "MMLog.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "UserDefaults.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQNotificationNames.h"
#include "VQUserInfoData.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor kTextColor(38, 12, 12);
const QColor kCardColor(241, 244, 248);
constexpr int kLeft = 42;
constexpr int kValueLeft = 160;
constexpr int kRowHeight = 22;
constexpr int kSwitchWidth = 39;
constexpr int kSwitchHeight = 29;

const char* const kTitles[6] = {"我的设备", "自动删除录音", "录音过程中指示灯熄灭", "电量:", "固件版本:", "设备序列号:"};

QString tr8(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

QFont fontOfSize(int pixels, QFont::Weight weight = QFont::Normal)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

VQLabel* makeLabel(QWidget* parent, int pixels, QFont::Weight weight = QFont::Normal)
{
    auto* label = new VQLabel(parent);
    label->setFont(fontOfSize(pixels, weight));
    label->setTextColor(kTextColor);
    return label;
}

// A value in the light face, where the value's script has one (VQLabel::fontForText).
void setValue(VQLabel* label, const QString& text)
{
    label->setFont(VQLabel::fontForText(fontOfSize(16, QFont::Light), text));
    label->setText(text);
}

int textWidth(const QLabel* label)
{
    return QFontMetrics(label->font()).horizontalAdvance(label->text()) + 2;
}

int centredTop(const QWidget* on, int height)
{
    return on->y() + (on->height() - height) / 2;
}

} // namespace

MineContentView::MineContentView(QWidget* parent)
    : VQBaseView(parent)
{
    configUI();
    configTitle();
    configData();
}

MineContentView::~MineContentView() = default;

void MineContentView::configUI()
{
    m_tipLabels[0] = makeLabel(this, 20);
    for (int i = 1; i < 6; ++i)
        m_tipLabels[i] = makeLabel(this, 16);
    m_deviceImageView = new QLabel(this);
    m_deviceImageView->setPixmap(mm::imageNamed(QString::fromLatin1(kDeviceImage), QSize(24, 33)));
    m_deviceNameLabel = makeLabel(this, 16);
    m_electricLabel = makeLabel(this, 16, QFont::Light);
    m_firmwareVersionLabel = makeLabel(this, 16, QFont::Light);
    m_snLabel = makeLabel(this, 16, QFont::Light);

    m_autoDelRecordBtn = new VQButton(this);
    m_ledBtn = new VQButton(this);
    for (VQButton* button : {m_autoDelRecordBtn, m_ledBtn})
        button->setImagePosition(VQButton::ImagePosition::ImageOnly);
    connect(m_autoDelRecordBtn, &VQButton::clicked, this, [this] { autoDelRecordBtnClicked(m_autoDelRecordBtn); });
    connect(m_ledBtn, &VQButton::clicked, this, [this] { ledBtnClicked(m_ledBtn); });
    // Each switch starts from its own setting.
    m_autoDelRecordBtn->setState(UserDefaults::standard().boolForKey(QString::fromLatin1(kAutoDelRecordSwitchKey)) ? 1 : 0);
    showSwitch(m_autoDelRecordBtn, nullptr);
    m_ledBtn->setState(UserDefaults::standard().boolForKey(QString::fromLatin1(kLedOffWhileRecordingSwitchKey)) ? 1 : 0);
    showSwitch(m_ledBtn, nullptr);
}

void MineContentView::configTitle()
{
    for (int i = 0; i < 6; ++i)
        m_tipLabels[i]->setText(tr8(kTitles[i]));
    m_deviceNameLabel->setText(QString::fromLatin1(kDeviceName));
    updateDeviceInfo();
    layoutCard();
}

void MineContentView::configData()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, QString::fromLatin1(vq::HadUSBInfoNotification), [this](const VQNotification&) { updateDeviceInfo(); });
    center.addObserver(this, QString::fromLatin1(vq::HadElectricInfoNotification), [this](const VQNotification&) { updateElectric(); });
    center.addObserver(this, QString::fromLatin1(vq::kUpdateFirmwareVersionNotification), [this](const VQNotification&) { updateFirmware(); });
}

void MineContentView::updateDeviceInfo()
{
    setValue(m_snLabel, VQUserInfoData::sharedInstance().mouseInfoItem().sn());
    updateElectric();
    updateFirmware();
    layoutCard();
}

void MineContentView::updateElectric()
{
    VQUserInfoData& info = VQUserInfoData::sharedInstance();
    // Nothing to show while no device is connected.
    setValue(m_electricLabel, info.isConnect() ? QStringLiteral("%1%").arg(std::lround(info.mouseInfoItem().powerPercent())) : QString());
    m_electricLabel->resize(textWidth(m_electricLabel), kRowHeight);
}

void MineContentView::updateFirmware()
{
    const QString version = VQUserInfoData::sharedInstance().mouseInfoItem().firmwareVersion();
    setValue(m_firmwareVersionLabel, version.isEmpty() ? QString() : tr8("版本") + version);
    m_firmwareVersionLabel->resize(textWidth(m_firmwareVersionLabel), kRowHeight);
}

void MineContentView::autoDelRecordBtnClicked(VQButton* sender)
{
    showSwitch(sender, kAutoDelRecordSwitchKey);
}

void MineContentView::ledBtnClicked(VQButton* sender)
{
    showSwitch(sender, kLedOffWhileRecordingSwitchKey);
}

void MineContentView::showSwitch(VQButton* button, const char* key)
{
    const bool on = button->state() == 1;
    button->setState(on ? 1 : 0);
    const QString image = QString::fromLatin1(on ? kSwitchOnImage : kSwitchOffImage);
    button->setProperty("vqImageName", image);
    button->setImageName(image);
    if (key) {
        VQLogInfo(QStringLiteral("my device: %1 %2").arg(QString::fromLatin1(key), on ? QStringLiteral("on") : QStringLiteral("off")));
        UserDefaults::standard().setValue(QString::fromLatin1(key), on);
    }
}

QString MineContentView::imageName(const VQButton* button)
{
    return button->property("vqImageName").toString();
}

VQLabel* MineContentView::tipLabel(int index) const
{
    return index >= 1 && index <= 6 ? m_tipLabels[index - 1] : nullptr;
}

void MineContentView::layoutCard()
{
    VQLabel* const* tip = m_tipLabels;
    tip[0]->setGeometry(kLeft, 8, textWidth(tip[0]), 27);
    m_deviceImageView->setGeometry(kLeft, tip[0]->geometry().bottom() + 1 + 29, 24, 33);
    m_deviceNameLabel->setGeometry(m_deviceImageView->geometry().right() + 1 + 28, centredTop(m_deviceImageView, kRowHeight),
                                   textWidth(m_deviceNameLabel), kRowHeight);
    tip[1]->setGeometry(kLeft, m_deviceImageView->geometry().bottom() + 1 + 29, textWidth(tip[1]), kRowHeight);
    tip[2]->setGeometry(kLeft, tip[1]->geometry().bottom() + 1 + 36, textWidth(tip[2]), kRowHeight);
    m_autoDelRecordBtn->setGeometry(tip[1]->geometry().right() + 1 + 36, centredTop(tip[1], kSwitchHeight), kSwitchWidth, kSwitchHeight);
    m_ledBtn->setGeometry(tip[2]->geometry().right() + 1 + 36, centredTop(tip[2], kSwitchHeight), kSwitchWidth, kSwitchHeight);
    tip[3]->setGeometry(kLeft, tip[2]->geometry().bottom() + 1 + 36, textWidth(tip[3]), kRowHeight);
    tip[4]->setGeometry(kLeft, tip[3]->geometry().bottom() + 1 + 15, textWidth(tip[4]), kRowHeight);
    tip[5]->setGeometry(kLeft, tip[4]->geometry().bottom() + 1 + 15, textWidth(tip[5]), kRowHeight);
    // The values start 160 from the left, or further when a translated title needs the room.
    int valueLeft = kValueLeft;
    for (int i = 3; i < 6; ++i)
        valueLeft = std::max(valueLeft, tip[i]->geometry().right() + 1 + 10);
    const std::pair<VQLabel*, VQLabel*> rows[] = {{tip[3], m_electricLabel}, {tip[4], m_firmwareVersionLabel}, {tip[5], m_snLabel}};
    for (const auto& [title, value] : rows)
        value->setGeometry(valueLeft, centredTop(title, kRowHeight), textWidth(value), kRowHeight);
    setViewHeight(tip[5]->geometry().bottom() + 1 + 20);
}

void MineContentView::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.fillRect(rect(), kCardColor);
}
