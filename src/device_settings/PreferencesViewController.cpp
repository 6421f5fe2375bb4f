#include "PreferencesViewController.h"

#include "MMImage.h"
#include "MMLog.h"
#include "MMScrollArea.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQMouseCommandManager.h"
#include "VQNotificationNames.h"
#include "VQSliderCell.h"
#include "VQUserInfoData.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QFontMetrics>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QColor kTextColor(38, 12, 12);
const QColor kGrey(112, 112, 112);

constexpr int kLeft = 34;
constexpr int kTop = 20;
constexpr int kSectionPitch = 64;
constexpr int kLabelHeight = 24;
constexpr int kRadioWidth = 80;
constexpr int kRadioHeight = 24;
constexpr int kRadioPitch = 100;
constexpr int kControlGap = 27;
constexpr int kSliderWidth = 230;
constexpr int kSliderHeight = 30;
constexpr int kSmallLabelHeight = 17;
constexpr int kValueGap = 10;
constexpr int kColorTop = 47;
constexpr int kSwatch = 24;
constexpr int kBottomMargin = 30;

const std::array<const char*, PreferencesViewController::kModeCount> kModeTitles = {"关闭", "常亮", "呼吸", "跑马灯"};
const std::array<QColor, PreferencesViewController::kColorCount> kSwatches = {
    QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255), QColor(255, 255, 0),
    QColor(0, 255, 255), QColor(255, 0, 255), QColor(255, 255, 255), QColor(255, 255, 255),
};

QString tr8(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

QFont fontOfSize(int pixels)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixels);
    return font;
}

VQLabel* makeLabel(QWidget* parent, int pixels, const QColor& color)
{
    auto* label = new VQLabel(parent);
    label->setFont(fontOfSize(pixels));
    label->setTextColor(color);
    return label;
}

void showRadio(VQButton* button, bool selected)
{
    const QString name = QString::fromLatin1(selected ? PreferencesViewController::kRadioOnImage
                                                      : PreferencesViewController::kRadioOffImage);
    button->setProperty("vqImageName", name);
    button->setImageName(name);
}

VQButton* makeRadio(QWidget* parent, int tag)
{
    auto* radio = new VQButton(parent);
    radio->setProperty("tag", tag);
    radio->setImagePosition(VQButton::ImagePosition::ImageLeft);
    radio->setFont(fontOfSize(14));
    radio->setTitleColor(kTextColor);
    showRadio(radio, false);
    return radio;
}

int textWidth(const QLabel* label)
{
    return QFontMetrics(label->font()).horizontalAdvance(label->text()) + 2;
}

// Places a label of its text's width at (x, y).
void placeLabel(QLabel* label, int x, int y, int height)
{
    label->setGeometry(x, y, textWidth(label), height);
}

int centredTop(const QWidget* on, int height)
{
    return on->y() + (on->height() - height) / 2;
}

// Lays radios out right of their section label; a radio whose title needs more than the usual
// width gets it, and the pitch grows with the widest so no title runs into the next radio. When
// that pitch would run the row past the page's width, each radio takes its own width instead.
void placeRadios(const QList<VQButton*>& radios, const QLabel* label, int pageWidth)
{
    int width = kRadioWidth;
    for (VQButton* radio : radios)
        width = std::max(width, radio->sizeHint().width());
    const int pitch = std::max(kRadioPitch, width + (kRadioPitch - kRadioWidth));
    const int left = label->geometry().right() + 1 + kControlGap;
    const bool uniform = left + pitch * int(radios.size() - 1) + width <= pageWidth;
    int x = left;
    for (VQButton* radio : radios) {
        const int own = uniform ? width : std::max(kRadioWidth, radio->sizeHint().width());
        radio->setGeometry(x, centredTop(label, kRadioHeight), own, kRadioHeight);
        x += uniform ? pitch : own + (kRadioPitch - kRadioWidth);
    }
}

} // namespace

PreferencesViewController::PreferencesViewController(QObject* parent)
    : VQBaseViewController(parent)
{
    for (SliderSend& send : m_sends) {
        send.timer.setSingleShot(true);
        send.timer.setTimerType(Qt::PreciseTimer);
        send.timer.setInterval(kSliderSendDelayMs);
        send.settle.setSingleShot(true);
        send.settle.setTimerType(Qt::PreciseTimer);
        send.settle.setInterval(kSliderSettleMs);
    }
}

PreferencesViewController::~PreferencesViewController()
{
    NotificationCenter::defaultCenter().removeObserver(this);
}

QWidget* PreferencesViewController::loadView()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("preferencesPage"));
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, Qt::white);
    page->setPalette(palette);
    page->setAutoFillBackground(true);
    return page;
}

void PreferencesViewController::viewDidLoad()
{
    VQBaseViewController::viewDidLoad();
    configUI();
    configTitle();
    configData();
}

void PreferencesViewController::configUI()
{
    if (m_built)
        return;
    m_built = true;
    QWidget* page = view();
    m_scrollView = new QScrollArea(page);
    m_scrollView->setFrameShape(QFrame::NoFrame);
    m_scrollView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollView->setWidgetResizable(false);
    m_scrollView->viewport()->setAutoFillBackground(false);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, kScrollTop, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_scrollView);

    m_contentView = new QWidget;
    m_contentView->setObjectName(QStringLiteral("preferencesContent"));
    m_contentView->setPalette(page->palette());
    m_contentView->setAutoFillBackground(true);
    m_scrollView->setWidget(m_contentView);
    QWidget* content = m_contentView;

    m_modeLabel = makeLabel(content, 16, kTextColor);
    for (int i = 0; i < kModeCount; ++i) {
        VQButton* radio = makeRadio(content, i);
        connect(radio, &VQButton::clicked, this, [this, radio] { changeLightingEffectsMode(radio); });
        m_modeBtnArr.append(radio);
    }

    m_speedLabel = makeLabel(content, 16, kTextColor);
    m_sliderSpeed = new VQSliderCell(content);
    m_sliderSpeed->setObjectName(QStringLiteral("sliderSpeed"));
    m_sliderSpeed->setRange(1, 5);
    m_speedValueLabel = makeLabel(content, 12, kGrey);
    m_speedLowLabel = makeLabel(content, 12, kTextColor);
    m_speedHeightLabel = makeLabel(content, 12, kTextColor);

    m_brightnessLabel = makeLabel(content, 16, kTextColor);
    m_sliderBrightness = new VQSliderCell(content);
    m_sliderBrightness->setObjectName(QStringLiteral("sliderBrightness"));
    m_sliderBrightness->setRange(1, 100);
    m_brightnessValueLabel = makeLabel(content, 12, kGrey);
    m_brightnessLowLabel = makeLabel(content, 12, kTextColor);
    m_brightnessHeightLabel = makeLabel(content, 12, kTextColor);

    for (QSlider* slider : {static_cast<QSlider*>(m_sliderSpeed), static_cast<QSlider*>(m_sliderBrightness)}) {
        slider->setFocusPolicy(Qt::StrongFocus);
        // Only the user moves a slider with its signals on: the refresh blocks them.
        connect(slider, &QSlider::valueChanged, this, [this, slider] { sliderClick(slider); });
        // A knob let go with nothing to send shows the record again (a read-back may have come
        // while it was held).
        connect(slider, &QSlider::sliderReleased, this, [this, slider] { showRecordOn(slider); });
        SliderSend& send = sendOf(slider);
        connect(&send.timer, &QTimer::timeout, this, [this, slider] { sendPending(slider); });
        connect(&send.settle, &QTimer::timeout, this, [this, slider] {
            sendOf(slider).inFlight = -1; // no read-back in time: the record holds
            showRecordOn(slider);
        });
    }

    m_colorLabel = makeLabel(content, 16, kTextColor);
    m_colorView = new QWidget(content);
    m_colorView->setObjectName(QStringLiteral("colorView"));
    for (int i = 0; i < kColorCount; ++i) {
        auto* swatch = new VQButton(m_colorView);
        swatch->setProperty("tag", i + 1);
        swatch->setBackgroundColor(kSwatches[size_t(i)]);
        swatch->setBorderColor(kGrey);
        swatch->setBorderWidth(0.5);
        swatch->setCornerRadius(2);
        swatch->setGeometry(kColorPitch * i, 0, kSwatch, kSwatch);
        if (i + 1 == kColorfulColor) {
            swatch->setImagePosition(VQButton::ImagePosition::ImageOnly);
            swatch->setImageName(QString::fromLatin1(kColorfulImage));
        }
        connect(swatch, &VQButton::clicked, this, [this, swatch] { configLightingEffectsColor(swatch); });
        m_colorBtnArr.append(swatch);
    }
    auto* marker = new QLabel(m_colorView);
    marker->setObjectName(QStringLiteral("currentImageView"));
    marker->setAttribute(Qt::WA_TransparentForMouseEvents);
    marker->setStyleSheet(QStringLiteral("QLabel#currentImageView { background: rgba(0, 0, 0, 51); border-radius: 2px; }"));
    marker->setPixmap(mm::imageNamed(QString::fromLatin1(kSelectedColorImage), QSize(kSwatch, kSwatch)));
    marker->setGeometry(0, 0, kSwatch, kSwatch);
    marker->raise();
    m_currentImageView = marker;

    m_useBehaviorLabel = makeLabel(content, 16, kTextColor);
    m_leftBehaviorBtn = makeRadio(content, 0);
    m_rightBehaviorBtn = makeRadio(content, 1);
    for (VQButton* hand : {m_leftBehaviorBtn, m_rightBehaviorBtn})
        connect(hand, &VQButton::clicked, this, [this, hand] { changeUseBehavior(hand); });

    m_scrollView->viewport()->installEventFilter(this);
    layout->activate();
    layoutContent();
}

void PreferencesViewController::configData()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    for (const char* name : {vq::kUpdateLightingEffectsNotification, vq::kUpdateMouseLeftOrRightHandBehaviorNotification})
        center.addObserver(this, QString::fromLatin1(name), [this](const VQNotification&) { updateLightingEffectsNotification(); });
}

void PreferencesViewController::configTitle()
{
    if (!m_built)
        return;
    m_modeLabel->setText(tr8("模式选择"));
    for (int i = 0; i < kModeCount; ++i)
        m_modeBtnArr.at(i)->setTitle(tr8(kModeTitles[size_t(i)]));
    m_speedLabel->setText(tr8("速度等级"));
    m_brightnessLabel->setText(tr8("亮度调节"));
    m_colorLabel->setText(tr8("颜色选择"));
    m_speedLowLabel->setText(tr8("低"));
    m_speedHeightLabel->setText(tr8("高"));
    m_brightnessLowLabel->setText(tr8("暗"));
    m_brightnessHeightLabel->setText(tr8("亮"));
    m_useBehaviorLabel->setText(tr8("使用习惯"));
    m_leftBehaviorBtn->setTitle(tr8("左手"));
    m_rightBehaviorBtn->setTitle(tr8("右手"));
    layoutContent();
    updateLightingEffectsNotification();
}

void PreferencesViewController::layoutContent()
{
    if (!m_built || !m_contentView)
        return;
    placeLabel(m_modeLabel, kLeft, kTop, kLabelHeight);
    const int width = m_scrollView->viewport()->width();
    placeRadios(m_modeBtnArr, m_modeLabel, width);

    placeLabel(m_speedLabel, kLeft, m_modeLabel->y() + kSectionPitch, kLabelHeight);
    placeLabel(m_brightnessLabel, kLeft, m_speedLabel->y() + kSectionPitch, kLabelHeight);
    // Both sliders start right of the wider label, so a long translation of either stays clear.
    const int sliderLeft = std::max(m_speedLabel->geometry().right(), m_brightnessLabel->geometry().right()) + 1 + kControlGap;
    struct Row {
        QLabel* title;
        QSlider* slider;
        QLabel* value;
        QLabel* low;
        QLabel* high;
    };
    for (const Row& row : {Row{m_speedLabel, m_sliderSpeed, m_speedValueLabel, m_speedLowLabel, m_speedHeightLabel},
                           Row{m_brightnessLabel, m_sliderBrightness, m_brightnessValueLabel, m_brightnessLowLabel, m_brightnessHeightLabel}}) {
        row.slider->setGeometry(sliderLeft, centredTop(row.title, kSliderHeight), kSliderWidth, kSliderHeight);
        const QRect slider = row.slider->geometry();
        row.value->setGeometry(slider.right() + 1 + kValueGap, centredTop(row.slider, kSmallLabelHeight),
                               QFontMetrics(row.value->font()).horizontalAdvance(QStringLiteral("100")) + 4, kSmallLabelHeight);
        placeLabel(row.low, slider.left(), slider.bottom() + 1, kSmallLabelHeight);
        const int highWidth = textWidth(row.high);
        row.high->setGeometry(slider.right() + 1 - highWidth, slider.bottom() + 1, highWidth, kSmallLabelHeight);
        row.high->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    placeLabel(m_colorLabel, kLeft, m_brightnessLabel->y() + kSectionPitch, kLabelHeight);
    m_colorView->setGeometry(kLeft, m_colorLabel->y() + kColorTop, std::max(kColorPitch * kColorCount, width - kLeft), kSwatch);

    placeLabel(m_useBehaviorLabel, kLeft, m_colorView->y() + kSectionPitch, kLabelHeight);
    placeRadios({m_leftBehaviorBtn, m_rightBehaviorBtn}, m_useBehaviorLabel, width);

    int bottom = 0;
    for (QWidget* child : m_contentView->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        bottom = std::max(bottom, child->geometry().bottom() + 1);
    int right = 0;
    for (QWidget* child : m_contentView->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child != m_colorView)
            right = std::max(right, child->geometry().right() + 1);
    m_contentView->setGeometry(0, 0, std::max(width, right), std::max(m_scrollView->viewport()->height(), bottom + kBottomMargin));
}

bool PreferencesViewController::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && m_scrollView && watched == m_scrollView->viewport())
        layoutContent();
    return VQBaseViewController::eventFilter(watched, event);
}

void PreferencesViewController::updateLightingEffectsNotification()
{
    if (!m_built)
        return;
    const VQMouseInfoItem& record = VQUserInfoData::sharedInstance().mouseInfoItem();
    // No marquee on type 56; the other buttons keep their places.
    marqueeBtn()->setVisible(record.mouseType() != kNoMarqueeMouseType);
    const qint64 mode = record.lightingEffectsMode();
    for (int i = 0; i < kModeCount; ++i)
        showRadio(m_modeBtnArr.at(i), i == mode);

    showRecordOn(m_sliderBrightness);
    showRecordOn(m_sliderSpeed);

    m_currentImageView->move(int(kColorPitch * (record.lightingEffectsColor() - 1)), 0);

    const bool animated = mode == 2 || mode == 3;
    m_sliderSpeed->setEnabled(animated);
    m_sliderSpeed->setSliderProgressColor(animated ? QColor(212, 212, 212) : kGrey);
    m_sliderSpeed->setSliderBackgroundColor(animated ? QColor(0, 175, 204) : kGrey);
    m_sliderSpeed->setSliderKnobColor(animated ? QColor(190, 195, 68) : kGrey);
    colorfulImageView()->setVisible(animated);

    const bool left = record.mouseLeftOrRightHandBehavior() == 1;
    showRadio(m_leftBehaviorBtn, left);
    showRadio(m_rightBehaviorBtn, !left);
}

void PreferencesViewController::showRecordOn(QSlider* slider)
{
    SliderSend& send = sendOf(slider);
    if (send.inFlight == recordValueOf(slider))
        send.inFlight = -1; // its read-back came
    // The settle wait runs on: when it ends the record is shown, also if the read-back never came.
    if (slider->isSliderDown() || sendOf(slider).timer.isActive())
        return;
    {
        const QSignalBlocker blocker(slider);
        slider->setValue(int(std::clamp<qint64>(heldValueOf(slider), 0, slider->maximum())));
    }
    // The value label shows what the slider holds (a record of 0 reads back as the minimum).
    valueLabelOf(slider)->setText(QString::number(slider->value()));
}

void PreferencesViewController::changeLightingEffectsMode(VQButton* sender)
{
    const int mode = sender->property("tag").toInt();
    VQLogInfo(QStringLiteral("lighting: mode %1").arg(mode));
    VQMouseCommandManager::sharedInstance().sendSetLightingEffectsModeData(mode);
}

void PreferencesViewController::sliderClick(QSlider* sender)
{
    if (sender != m_sliderSpeed && sender != m_sliderBrightness)
        return;
    const qint64 value = sender->value();
    SliderSend& send = sendOf(sender);
    valueLabelOf(sender)->setText(QString::number(value));
    if (value == heldValueOf(sender)) {
        // Back on the device's value (or the one on its way): whatever was still to be sent is
        // dropped.
        send.timer.stop();
        return;
    }
    send.value = value;
    send.timer.start();
}

void PreferencesViewController::sendPending(QSlider* slider)
{
    SliderSend& send = sendOf(slider);
    if (send.value != heldValueOf(slider)) {
        send.inFlight = send.value;
        send.sentAt.start();
        VQMouseCommandManager& manager = VQMouseCommandManager::sharedInstance();
        if (slider == m_sliderBrightness) {
            VQLogInfo(QStringLiteral("lighting: brightness %1").arg(send.value));
            manager.sendSetLightingEffectsBrightnessData(send.value);
        } else {
            VQLogInfo(QStringLiteral("lighting: speed %1").arg(send.value));
            manager.sendSetLightingEffectsSpeedData(send.value);
        }
    }
    send.settle.start();
}

void PreferencesViewController::configLightingEffectsColor(VQButton* sender)
{
    const int color = sender->property("tag").toInt();
    if (color == VQUserInfoData::sharedInstance().mouseInfoItem().lightingEffectsColor())
        return;
    VQLogInfo(QStringLiteral("lighting: colour %1").arg(color));
    VQMouseCommandManager::sharedInstance().sendSetLightingEffectsColorData(color);
}

void PreferencesViewController::changeUseBehavior(VQButton* sender)
{
    const int hand = sender == m_leftBehaviorBtn ? 1 : 0;
    VQLogInfo(QStringLiteral("lighting: hand %1").arg(hand));
    VQMouseCommandManager::sharedInstance().sendSetMouseLeftOrRightHandBehaviorData(hand);
}

QString PreferencesViewController::imageName(const VQButton* button)
{
    return button->property("vqImageName").toString();
}

bool PreferencesViewController::isSendPending(const QSlider* slider) const
{
    return sendOf(slider).timer.isActive();
}

bool PreferencesViewController::isReadBackDue(const QSlider* slider) const
{
    return sendOf(slider).settle.isActive();
}

PreferencesViewController::SliderSend& PreferencesViewController::sendOf(const QSlider* slider)
{
    return m_sends[slider == m_sliderBrightness ? 1 : 0];
}

const PreferencesViewController::SliderSend& PreferencesViewController::sendOf(const QSlider* slider) const
{
    return m_sends[slider == m_sliderBrightness ? 1 : 0];
}

qint64 PreferencesViewController::heldValueOf(const QSlider* slider) const
{
    const SliderSend& send = sendOf(slider);
    if (send.inFlight >= 0 && send.sentAt.isValid() && send.sentAt.elapsed() < kSliderSettleMs)
        return send.inFlight;
    return recordValueOf(slider);
}

qint64 PreferencesViewController::recordValueOf(const QSlider* slider) const
{
    const VQMouseInfoItem& record = VQUserInfoData::sharedInstance().mouseInfoItem();
    return slider == m_sliderBrightness ? record.lightingEffectsBrightness() : record.lightingEffectsSpeed();
}

VQLabel* PreferencesViewController::valueLabelOf(const QSlider* slider) const
{
    return slider == m_sliderBrightness ? m_brightnessValueLabel : m_speedValueLabel;
}
