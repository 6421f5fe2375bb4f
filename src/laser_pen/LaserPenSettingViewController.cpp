#include "LaserPenSettingViewController.h"

#include "MMImage.h"
#include "MMLog.h"
#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQLaserPenManager.h"
#include "VQNotificationNames.h"
#include "VQPopupWindowTool.h"
#include "VQRelayoutPage.h"
#include "VQTextField.h"
#include "VQUserInfoData.h"

#include <QApplication>
#include <QColorDialog>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QValidator>

#include <functional>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

const QColor kTextColor(38, 12, 12);

// The preview picture and the places derived from it (points, from the page's top-left).
constexpr int kPreviewLeft = 20;
constexpr int kPreviewTop = 80;
constexpr int kPreviewWidth = 340;
constexpr int kPreviewHeight = 200;
constexpr int kRowHeight = 30;
constexpr int kSwitchWidth = 39;
constexpr int kSwitchHeight = 29;
constexpr int kRadioSide = 24;
constexpr int kCountDownLeft = kPreviewLeft + kPreviewWidth + 30;
constexpr int kCountDownRightMargin = 100;
// A label keeps this far from the control beside it, and texts this far from the page's right edge.
constexpr int kLabelControlGap = 12;
constexpr int kPageRightMargin = 20;

const std::array<const char*, 4> kEffectTitles = {"突出显示", "数码光点", "放大镜", "画笔"};
const std::array<const char*, 3> kLengthTitles = {"15分钟", "30分钟", "60分钟"};
const std::array<const char*, 4> kVoiceTitles = {"麦克风", "语音打字", "语音翻译", "语音搜索"};
constexpr char kCountDownTitle[] = "倒计时和警告";
constexpr char kCustomPlaceholder[] = "自定义倒计时长";
constexpr char kVoiceFunctionTitle[] = "语音键功能";

struct VoiceTip {
    const char* text;
    const char* image;
};
const std::array<VoiceTip, 4> kVoiceTips = {{
    {"切换到麦克风模式", "laserPen_icon-6"},
    {"切换到打字模式", "laserPen_icon-6"},
    {"切换到翻译模式", "laserPen_icon-7"},
    {"切换到搜索模式", "laserPen_icon-8"},
}};

QString tr8(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

void showImage(VQButton* button, const char* name)
{
    const QString imageName = QString::fromLatin1(name);
    button->setProperty("vqImageName", imageName);
    button->setImageName(imageName);
}

QFont fontOfSize(int pixels)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixels);
    return font;
}

// The custom countdown length: an empty text or up to four ASCII digits. Anything else (a sign,
// a letter, a fifth digit) is refused with the beep and the text stays as it was.
class MinutesValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        Q_UNUSED(pos);
        const bool digits = std::all_of(input.cbegin(), input.cend(),
            [](QChar ch) { return ch >= QLatin1Char('0') && ch <= QLatin1Char('9'); });
        if (digits && input.size() <= LaserPenSettingViewController::kMaxCustomMinutesDigits)
            return Acceptable;
        QApplication::beep();
        return Invalid;
    }
};

// Centres a widget of the given height vertically on another widget's centre line.
int centredTop(const QWidget* on, int height)
{
    return on->y() + (on->height() - height) / 2;
}

} // namespace

// ---- Page ----

LaserPenSettingViewController::LaserPenSettingViewController(QObject* parent)
    : VQBaseViewController(parent)
{
}

LaserPenSettingViewController::~LaserPenSettingViewController()
{
    // The dialog is a child of the page widget; a page widget already gone took it along.
    if (m_colorPanel && !m_colorPanel->parent())
        delete m_colorPanel.data();
}

QWidget* LaserPenSettingViewController::loadView()
{
    return new VQRelayoutPage([this] { layoutControls(); });
}

void LaserPenSettingViewController::viewDidLoad()
{
    VQBaseViewController::viewDidLoad();
    configUI();
    configTitle();
    configData();
}

QString LaserPenSettingViewController::imageName(const VQButton* button)
{
    return button != nullptr ? button->property("vqImageName").toString() : QString();
}

VQButton* LaserPenSettingViewController::makeRadio(QWidget* parent, int tag)
{
    auto* radio = new VQButton(parent);
    radio->setProperty("tag", tag);
    radio->setImagePosition(VQButton::ImagePosition::ImageLeft);
    radio->setFont(fontOfSize(14));
    radio->setTitleColor(kTextColor);
    showImage(radio, kRadioOffImage);
    return radio;
}

VQButton* LaserPenSettingViewController::makeSwitch(QWidget* parent)
{
    auto* button = new VQButton(parent);
    button->setImagePosition(VQButton::ImagePosition::ImageOnly);
    button->resize(kSwitchWidth, kSwitchHeight);
    showImage(button, kSwitchOffImage);
    connect(button, &VQButton::clicked, this, [this, button] { doSelectSwitch(button); });
    return button;
}

void LaserPenSettingViewController::configUI()
{
    QWidget* page = view();

    // The preview picture with its settings bar and the bar's three rows.
    m_previewView = new LaserPenPreviewView(page);
    m_previewView->setGeometry(kPreviewLeft, kPreviewTop, kPreviewWidth, kPreviewHeight);
    m_previewBottomView = new QWidget(m_previewView);
    m_previewBottomView->setGeometry(0, kPreviewHeight - 60, kPreviewWidth, 60);
    m_previewView->setSettingsBar(m_previewBottomView);
    auto makeRow = [this](const char* iconName) {
        auto* row = new QWidget(m_previewBottomView);
        row->resize(kPreviewWidth, kRowHeight);
        auto* icon = new QLabel(row);
        icon->setPixmap(mm::imageNamed(QString::fromLatin1(iconName), QSize(18, 18)));
        icon->setGeometry(15, (kRowHeight - 18) / 2, 18, 18);
        return row;
    };
    auto makeSlider = [](QWidget* row) {
        auto* slider = new QSlider(Qt::Horizontal, row);
        slider->setRange(0, kSliderSteps);
        slider->setTickPosition(QSlider::NoTicks);
        slider->setGeometry(43, (kRowHeight - 23) / 2 + 2, kPreviewWidth - 43 - 15, 23);
        return slider;
    };
    m_brightnessView = makeRow("laserPen_brightness_icon");
    m_brightnessView->findChild<QLabel*>()->move(15, (kRowHeight - 18) / 2 + 2);
    m_brightnessSlider = makeSlider(m_brightnessView);
    setSliderRange(m_brightnessSlider, 0, 1);
    connect(m_brightnessSlider, &QSlider::valueChanged, this, [this] { alphaSliderChangeValue(); });
    m_zoomView = makeRow("laserPen_zoom_icon");
    m_zoomView->findChild<QLabel*>()->move(15, (kRowHeight - 18) / 2 + 2);
    m_zoomSlider = makeSlider(m_zoomView);
    connect(m_zoomSlider, &QSlider::valueChanged, this, [this] { zoomInSliderChangeValue(); });
    m_colorView = makeRow("laserPen_color_icon");
    m_colorBtnView = new VQButton(m_colorView);
    m_colorBtnView->setCornerRadius(10);
    m_colorBtnView->setGeometry(43, (kRowHeight - 20) / 2, kPreviewWidth - 43 - 15, 20);
    connect(m_colorBtnView, &VQButton::clicked, this, [this] { showColorPanel(); });
    m_brightnessView->move(0, 0);
    m_zoomView->move(0, 60 - kRowHeight);
    m_colorView->move(0, 60 - kRowHeight);

    // The effects panel: radio, label and switch per effect.
    m_functionView = new QWidget(page);
    // As wide as the preview above it: the switches line up with its right edge.
    m_functionView->setGeometry(kPreviewLeft, kPreviewTop + kPreviewHeight + 20, kPreviewWidth, 220);
    for (int i = 0; i < 4; ++i) {
        VQButton* radio = makeRadio(m_functionView, i);
        radio->setImagePosition(VQButton::ImagePosition::ImageOnly);
        radio->setGeometry(0, 44 * i, kRadioSide, kRadioSide);
        connect(radio, &VQButton::clicked, this, [this, radio] { radioBtnClicked(radio); });
        m_functionBtnArr.append(radio);
        VQButton* toggle = makeSwitch(m_functionView);
        toggle->setProperty("tag", i);
        toggle->move(m_functionView->width() - kSwitchWidth, centredTop(radio, kSwitchHeight));
        m_functionSwitchArr.append(toggle);
        auto* label = new VQLabel(tr8(kEffectTitles[size_t(i)]), m_functionView);
        label->setProperty("tag", i);
        label->setFont(fontOfSize(14));
        label->setTextColor(kTextColor);
        label->setGeometry(kRadioSide + 25, centredTop(radio, kRadioSide), toggle->x() - 10 - (kRadioSide + 25), kRadioSide);
        m_functionLabelArr.append(label);
    }

    // The countdown section.
    m_countDownSwitchBtn = makeSwitch(page);
    m_countDownLabel = new VQLabel(page);
    m_countDownLabel->setFont(fontOfSize(16));
    m_countDownLabel->setTextColor(kTextColor);
    m_countDownLabel->setWordWrap(true);
    for (int i = 0; i < 4; ++i) {
        VQButton* radio = makeRadio(page, i);
        if (i < 3)
            radio->setTitle(tr8(kLengthTitles[size_t(i)]));
        else
            radio->setImagePosition(VQButton::ImagePosition::ImageOnly);
        connect(radio, &VQButton::clicked, this, [this, radio] { timeRadioBtnClicked(radio); });
        m_countDownBtnArr.append(radio);
    }
    m_fieldFrame = new QWidget(page);
    m_fieldFrame->setObjectName(QStringLiteral("laserPenMinutesFrame"));
    m_fieldFrame->setAttribute(Qt::WA_StyledBackground);
    m_fieldFrame->setStyleSheet(
        QStringLiteral("#laserPenMinutesFrame { border: 1px solid rgba(0, 0, 0, 51); border-radius: 2px; }"));
    m_otherCountDownTextField = new VQTextField(m_fieldFrame);
    m_otherCountDownTextField->setFont(fontOfSize(14));
    m_otherCountDownTextField->setTextColor(kTextColor);
    m_otherCountDownTextField->setValidator(new MinutesValidator(m_otherCountDownTextField));
    connect(m_otherCountDownTextField, &QLineEdit::textChanged, this, [this] { controlTextDidChange(); });
    connect(m_otherCountDownTextField, &QLineEdit::editingFinished, this, [this] { controlTextDidEndEditing(); });

    // The voice-key functions, two columns of two.
    m_voiceFunctionLabel = new VQLabel(page);
    m_voiceFunctionLabel->setFont(fontOfSize(16));
    m_voiceFunctionLabel->setTextColor(kTextColor);
    const int voiceIndex = VQUserInfoData::sharedInstance().laserPenVoiceFunctionIndex();
    for (int i = 0; i < 4; ++i) {
        VQButton* radio = makeRadio(page, i);
        radio->setImagePosition(VQButton::ImagePosition::ImageOnly);
        connect(radio, &VQButton::clicked, this, [this, radio] { voiceRadioBtnClicked(radio); });
        m_voicefunctionBtnArr.append(radio);
        auto* label = new VQLabel(tr8(kVoiceTitles[size_t(i)]), page);
        label->setProperty("tag", i);
        label->setFont(fontOfSize(14));
        label->setTextColor(kTextColor);
        label->setElideMode(Qt::ElideRight);
        m_voiceLabelArr.append(label);
        if (i == voiceIndex)
            voiceRadioBtnClicked(radio);
    }
    layoutControls();
}

void LaserPenSettingViewController::layoutControls()
{
    QWidget* page = view();
    if (page == nullptr || m_countDownSwitchBtn == nullptr)
        return;
    m_countDownSwitchBtn->move(page->width() - kCountDownRightMargin - kSwitchWidth, kPreviewTop);
    // One line beside the switch, or two when a language's title is longer; clear of the switch.
    const int titleWidth = std::max(0, m_countDownSwitchBtn->x() - kLabelControlGap - kCountDownLeft);
    const int titleHeight = std::max(24, m_countDownLabel->heightForWidth(titleWidth));
    m_countDownLabel->setGeometry(kCountDownLeft, centredTop(m_countDownSwitchBtn, titleHeight), titleWidth, titleHeight);
    const int labelBottom = m_countDownLabel->geometry().bottom() + 1;
    // 80 wide, or up to the next radio when a language's title needs more.
    for (int i = 0; i < 3; ++i) {
        VQButton* radio = m_countDownBtnArr[i];
        const int width = std::clamp(radio->sizeHint().width(), 80, 115);
        radio->setGeometry(kCountDownLeft + 120 * i, labelBottom + 25, width, 24);
    }
    VQButton* custom = m_countDownBtnArr[3];
    custom->setGeometry(kCountDownLeft, labelBottom + 64, kRadioSide, kRadioSide);
    m_fieldFrame->setGeometry(custom->geometry().right() + 1 + 10, centredTop(custom, 26), 222, 26);
    // Inside the frame's half-point border, which stays visible around the field.
    m_otherCountDownTextField->setGeometry(10, 1, m_fieldFrame->width() - 11, m_fieldFrame->height() - 2);

    m_voiceFunctionLabel->adjustSize();
    m_voiceFunctionLabel->setGeometry(kCountDownLeft, labelBottom + 190, m_voiceFunctionLabel->width(), 24);
    const int voiceBottom = m_voiceFunctionLabel->geometry().bottom() + 1;
    // Two columns 160 apart, or further apart when a title of the first column needs the room;
    // one column when the second would run past the page (a title still too long is cut).
    int secondColumn = 160;
    int secondWidth = 0;
    for (int i = 0; i < m_voiceLabelArr.size(); ++i) {
        const int titleWidth = m_voiceLabelArr[i]->sizeHint().width();
        if (i % 2 == 0)
            secondColumn = std::max(secondColumn, kRadioSide + 20 + titleWidth + 20);
        else
            secondWidth = std::max(secondWidth, titleWidth);
    }
    const int pageRight = page->width() - kPageRightMargin;
    const bool twoColumns = kCountDownLeft + secondColumn + kRadioSide + 20 + secondWidth <= pageRight;
    for (int i = 0; i < m_voicefunctionBtnArr.size(); ++i) {
        VQButton* radio = m_voicefunctionBtnArr[i];
        const int column = twoColumns ? i % 2 : 0;
        const int row = twoColumns ? i / 2 : i;
        radio->setGeometry(kCountDownLeft + secondColumn * column, voiceBottom + 20 + 39 * row, kRadioSide, kRadioSide);
        VQLabel* label = m_voiceLabelArr[i];
        const int left = radio->geometry().right() + 1 + 20;
        label->setGeometry(left, centredTop(radio, kRadioSide), std::clamp(label->sizeHint().width(), 0, std::max(0, pageRight - left)), kRadioSide);
    }
}

void LaserPenSettingViewController::configTitle()
{
    if (m_countDownLabel == nullptr)
        return;
    for (int i = 0; i < m_functionLabelArr.size(); ++i)
        m_functionLabelArr[i]->setText(tr8(kEffectTitles[size_t(i)]));
    m_countDownLabel->setText(tr8(kCountDownTitle));
    for (int i = 0; i < 3; ++i)
        m_countDownBtnArr[i]->setTitle(tr8(kLengthTitles[size_t(i)]));
    m_otherCountDownTextField->setPlaceholderText(tr8(kCustomPlaceholder));
    m_voiceFunctionLabel->setText(tr8(kVoiceFunctionTitle));
    for (int i = 0; i < m_voiceLabelArr.size(); ++i)
        m_voiceLabelArr[i]->setText(tr8(kVoiceTitles[size_t(i)]));
    // Texts of another language have other widths.
    layoutControls();
}

void LaserPenSettingViewController::configData()
{
    VQLaserPenManager& manager = VQLaserPenManager::sharedInstance();
    const std::array<bool, 4> switches = {manager.laserPenHighlightedSwitch(), manager.laserPenDigitalLightSpotSwitch(),
        manager.laserPenZoomInSwitch(), manager.laserPenDrawSwitch()};
    for (int i = 0; i < 4; ++i) {
        showImage(m_functionSwitchArr[i], switches[size_t(i)] ? kSwitchOnImage : kSwitchOffImage);
        if (!switches[size_t(i)]) {
            m_functionBtnArr[i]->setState(0);
            m_functionBtnArr[i]->setEnabled(false);
        }
    }
    showImage(m_countDownSwitchBtn, manager.laserPenCountdownSwitch() ? kSwitchOnImage : kSwitchOffImage);

    const int lengthIndex = manager.warningTimeIndex();
    if (lengthIndex >= 0 && lengthIndex < m_countDownBtnArr.size()) {
        timeRadioBtnClicked(m_countDownBtnArr[lengthIndex]);
        if (lengthIndex == 3) {
            // Shown, not typed: nothing is stored again.
            const QSignalBlocker blocker(m_otherCountDownTextField);
            m_otherCountDownTextField->setText(QString::number(manager.warningTime()));
        }
    }

    const int previewIndex = manager.previewIndex();
    if (previewIndex >= 1 && previewIndex <= m_functionBtnArr.size())
        radioBtnClicked(m_functionBtnArr[previewIndex - 1]);
    else
        showPreview();

    NotificationCenter::defaultCenter().addObserver(this,
        QString::fromLatin1(vq::kLaserPenVoiceKeyDoubleClickedNSNotification),
        [this](const VQNotification&) { modifyVoiceFunciton(); });
}

// ---- Actions ----

void LaserPenSettingViewController::doSelectSwitch(VQButton* sender)
{
    if (sender == nullptr)
        return;
    const bool on = imageName(sender) != QLatin1String(kSwitchOnImage);
    showImage(sender, on ? kSwitchOnImage : kSwitchOffImage);
    VQLaserPenManager& manager = VQLaserPenManager::sharedInstance();

    if (sender == m_countDownSwitchBtn) {
        manager.setLaserPenCountdownSwitch(on);
        if (on) {
            QPointer<LaserPenSettingViewController> page(this);
            manager.setCountDownBlock([page] {
                VQLaserPenManager::sharedInstance().setLaserPenCountdownSwitch(false);
                if (page && page->m_countDownSwitchBtn != nullptr)
                    showImage(page->m_countDownSwitchBtn, kSwitchOffImage);
            });
        } else {
            manager.hideCountDownWarning();
        }
        return;
    }

    const int index = int(m_functionSwitchArr.indexOf(sender));
    switch (index) {
    case 0:
        manager.setLaserPenHighlightedSwitch(on);
        break;
    case 1:
        manager.setLaserPenDigitalLightSpotSwitch(on);
        break;
    case 2:
        manager.setLaserPenZoomInSwitch(on);
        break;
    case 3:
        manager.setLaserPenDrawSwitch(on);
        break;
    default:
        return;
    }
    VQButton* radio = m_functionBtnArr[index];
    if (!on)
        radio->setState(0);
    radio->setEnabled(on);
}

void LaserPenSettingViewController::radioBtnClicked(VQButton* sender)
{
    for (VQButton* radio : std::as_const(m_functionBtnArr)) {
        const bool pressed = radio == sender;
        radio->setState(pressed ? 1 : 0);
        showImage(radio, pressed ? kRadioOnImage : kRadioOffImage);
    }
    if (sender != nullptr && sender->state() == 1)
        VQLaserPenManager::sharedInstance().setPreviewIndex(sender->property("tag").toInt() + 1);
    showPreview();
}

void LaserPenSettingViewController::timeRadioBtnClicked(VQButton* sender)
{
    for (VQButton* radio : std::as_const(m_countDownBtnArr)) {
        const bool pressed = radio == sender;
        radio->setState(pressed ? 1 : 0);
        showImage(radio, pressed ? kRadioOnImage : kRadioOffImage);
    }
    if (sender != nullptr)
        VQLaserPenManager::sharedInstance().setWarningTimeIndex(sender->property("tag").toInt());
}

void LaserPenSettingViewController::voiceRadioBtnClicked(VQButton* sender)
{
    for (VQButton* radio : std::as_const(m_voicefunctionBtnArr)) {
        const bool pressed = radio == sender;
        radio->setState(pressed ? 1 : 0);
        showImage(radio, pressed ? kRadioOnImage : kRadioOffImage);
    }
    if (sender != nullptr)
        VQUserInfoData::sharedInstance().setLaserPenVoiceFunctionIndex(sender->property("tag").toInt());
}

void LaserPenSettingViewController::modifyVoiceFunciton()
{
    const int current = VQUserInfoData::sharedInstance().laserPenVoiceFunctionIndex();
    const int next = current >= 0 && current <= 2 ? current + 1 : 0;
    if (next < m_voicefunctionBtnArr.size())
        voiceRadioBtnClicked(m_voicefunctionBtnArr[next]);
    const VoiceTip& tip = kVoiceTips[size_t(next)];
    VQLogInfo(QStringLiteral("Laser pen voice key function: %1").arg(next));
    VQPopupWindowTool::sharedInstance().showTipMessage(tr8(tip.text), QString::fromLatin1(tip.image));
}

void LaserPenSettingViewController::controlTextDidChange()
{
    VQLaserPenManager::sharedInstance().setWarningTime(m_otherCountDownTextField->text().toInt());
}

void LaserPenSettingViewController::controlTextDidEndEditing()
{
    VQLaserPenManager::sharedInstance().setWarningTime(m_otherCountDownTextField->text().toInt());
}

// ---- Preview ----

void LaserPenSettingViewController::showPreview()
{
    if (m_previewView == nullptr)
        return;
    VQLaserPenManager& manager = VQLaserPenManager::sharedInstance();
    const int index = manager.previewIndex();
    // A stored index the page does not know previews nothing, as no index does.
    if (index < 1 || index > m_functionBtnArr.size()) {
        m_previewBottomView->hide();
        disablePreviewRadio();
        showMask();
        return;
    }

    VQButton* radio = m_functionBtnArr[index - 1];
    radio->setState(1);
    radio->setEnabled(true);
    showImage(radio, kRadioOnImage);

    const int width = m_previewView->width();
    auto place = [width](QWidget* row, int top) {
        row->setGeometry(0, top, width, kRowHeight);
        row->show();
    };
    int barHeight = 60;
    switch (index) {
    case 1:
        place(m_brightnessView, 0);
        place(m_zoomView, kRowHeight);
        m_colorView->hide();
        setSliderRange(m_zoomSlider, 200, 600);
        setSliderValue(m_brightnessSlider, manager.highlightedMaskAlpha());
        setSliderValue(m_zoomSlider, manager.highlightedCircleW());
        break;
    case 2:
        place(m_zoomView, 0);
        place(m_colorView, kRowHeight);
        m_brightnessView->hide();
        setSliderRange(m_zoomSlider, 20, 100);
        m_colorBtnView->setBackgroundColor(manager.digitalLightSpotColor());
        setSliderValue(m_zoomSlider, manager.digitalLightSpotCircleW());
        break;
    case 3:
        barHeight = 40;
        place(m_zoomView, (barHeight - kRowHeight) / 2);
        m_brightnessView->hide();
        m_colorView->hide();
        setSliderRange(m_zoomSlider, 200, 600);
        setSliderValue(m_zoomSlider, manager.zoomInCircleW());
        break;
    default:
        place(m_zoomView, 0);
        place(m_colorView, kRowHeight);
        m_brightnessView->hide();
        setSliderRange(m_zoomSlider, 1, 40);
        m_colorBtnView->setBackgroundColor(manager.drawColor());
        setSliderValue(m_zoomSlider, manager.drawWidth());
        break;
    }
    m_previewBottomView->setGeometry(0, m_previewView->height() - barHeight, width, barHeight);
    m_previewBottomView->show();
    showMask();
}

void LaserPenSettingViewController::showMask()
{
    // The drawing is made from the manager's values at the next paint.
    m_previewView->setMaskShown(true);
    m_previewView->update();
}

void LaserPenSettingViewController::hideMask()
{
    if (m_previewView == nullptr)
        return;
    m_previewView->setMaskShown(false);
    m_previewBottomView->hide();
}

QImage LaserPenSettingViewController::resizeImage(const QImage& image, QSize size)
{
    QImage resized(size, QImage::Format_ARGB32_Premultiplied);
    resized.fill(Qt::transparent);
    QPainter painter(&resized);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), image);
    return resized;
}

QImage LaserPenSettingViewController::resizeImage1(const QImage& image, QSize size)
{
    QImage resized(size, QImage::Format_ARGB32_Premultiplied);
    resized.fill(Qt::transparent);
    const QRectF centre((image.width() - size.width()) / 2.0, (image.height() - size.height()) / 2.0, size.width(),
                        size.height());
    // Lower-left corners meet: y grows downwards here.
    const QRectF target(0, size.height() - image.height(), image.width(), image.height());
    QPainter painter(&resized);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image, centre);
    return resized;
}

void LaserPenSettingViewController::disablePreviewRadio()
{
    for (VQButton* radio : std::as_const(m_functionBtnArr)) {
        radio->setState(0);
        showImage(radio, kRadioOffImage);
    }
}

void LaserPenSettingViewController::alphaSliderChangeValue()
{
    VQLaserPenManager& manager = VQLaserPenManager::sharedInstance();
    if (manager.previewIndex() == 1)
        manager.setHighlightedMaskAlpha(float(sliderValue(m_brightnessSlider)));
    showPreview();
}

void LaserPenSettingViewController::zoomInSliderChangeValue()
{
    VQLaserPenManager& manager = VQLaserPenManager::sharedInstance();
    const float value = float(sliderValue(m_zoomSlider));
    switch (manager.previewIndex()) {
    case 1:
        manager.setHighlightedCircleW(value);
        break;
    case 2:
        manager.setDigitalLightSpotCircleW(value);
        break;
    case 3:
        manager.setZoomInCircleW(value);
        break;
    case 4:
        manager.setDrawWidth(value);
        break;
    default:
        break;
    }
    showPreview();
}

void LaserPenSettingViewController::showColorPanel()
{
    if (!m_colorPanel) {
        m_colorPanel = new QColorDialog(view());
        m_colorPanel->setOptions(QColorDialog::DontUseNativeDialog | QColorDialog::NoButtons);
        m_colorPanel->setModal(false);
        m_colorPanel->setWindowTitle(QString());
        connect(m_colorPanel, &QColorDialog::currentColorChanged, this, [this](const QColor& color) { changeColor(color); });
    }
    // The dialog opens on the colour of the effect previewed; only a choice of the user stores.
    const VQLaserPenManager& manager = VQLaserPenManager::sharedInstance();
    const QColor shown = manager.previewIndex() == 4 ? manager.drawColor() : manager.digitalLightSpotColor();
    {
        const QSignalBlocker blocker(m_colorPanel.data());
        m_colorPanel->setCurrentColor(shown);
    }
    m_colorPanel->show();
    m_colorPanel->raise();
    m_colorPanel->activateWindow();
}

void LaserPenSettingViewController::changeColor(const QColor& color)
{
    VQLaserPenManager& manager = VQLaserPenManager::sharedInstance();
    QColor opaque = color;
    opaque.setAlpha(255);
    if (manager.previewIndex() == 2)
        manager.setDigitalLightSpotColor(opaque);
    else if (manager.previewIndex() == 4)
        manager.setDrawColor(opaque);
    showPreview();
}

// ---- Sliders ----

void LaserPenSettingViewController::setSliderRange(QSlider* slider, double minimum, double maximum)
{
    slider->setProperty("vqMinimum", minimum);
    slider->setProperty("vqMaximum", maximum);
}

void LaserPenSettingViewController::setSliderValue(QSlider* slider, double value)
{
    const double minimum = slider->property("vqMinimum").toDouble();
    const double maximum = slider->property("vqMaximum").toDouble();
    const double share = maximum > minimum ? (value - minimum) / (maximum - minimum) : 0;
    const int step = std::isfinite(share) ? int(std::lround(std::clamp(share, 0.0, 1.0) * kSliderSteps)) : 0;
    // Shown, not moved by the user: nothing is stored.
    const QSignalBlocker blocker(slider);
    slider->setValue(step);
}

double LaserPenSettingViewController::sliderValue(const QSlider* slider)
{
    const double minimum = slider->property("vqMinimum").toDouble();
    const double maximum = slider->property("vqMaximum").toDouble();
    return minimum + (maximum - minimum) * slider->value() / kSliderSteps;
}
