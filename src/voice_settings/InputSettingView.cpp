#include "InputSettingView.h"

#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQLanguageManager.h"
#include "VQMouseInfoItem.h"
#include "VQNotificationNames.h"
#include "VQPopUpButton.h"
#include "VQSettingSectionStyle.h"
#include "VQShortcutRecorder.h"
#include "VQUserInfoData.h"
#include "VQVoiceShortcuts.h"

#include <QFrame>

#include <algorithm>

namespace {

constexpr int kTitleHeight = 27;
constexpr int kLabelLeft = 8;
constexpr int kLabelHeight = 22;
constexpr int kRowTop = 30;
constexpr int kRowPitch = 52;
constexpr int kSwitchGap = 84;
constexpr int kPopUpGap = 52;
constexpr int kLabelClearance = 8;
constexpr QSize kSwitchSize(39, 29);
constexpr QSize kPopUpSize(222, 34);
constexpr int kShortcutsTop = 30;
constexpr int kShortcutsHeight = 192;
constexpr int kShortcutPitch = 69;
constexpr int kShortcutLabelTop = 10;
constexpr int kShortcutBoxLeft = 180;
constexpr int kRecorderRightInset = 20;

// Row texts in label order (see functionLabels()).
constexpr const char* kLabelKeys[7] = { "识别带标点", "打字兼容模式", "长语音识别", "输入语种",
                                        "语音打字快捷键", "语音翻译快捷键", "语音搜索快捷键" };

int textWidth(const VQLabel* label)
{
    return std::max(0, label->sizeHint().width());
}

void setSwitchImage(VQButton* button, bool on)
{
    button->setState(on ? 1 : 0);
    button->setImageName(on ? QStringLiteral("2_switch_on_icon") : QStringLiteral("2_switch_off_icon"));
}

} // namespace

InputSettingView::InputSettingView(QWidget* parent)
    : VQBaseView(parent)
{
    configData();
    configUI();
    configTitle();
}

InputSettingView::~InputSettingView() = default;

void InputSettingView::configData()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    for (const char* name : { vq::kUpdateInputAudioListNotification, vq::kUpdateInputAudioNotification })
        center.addObserver(this, QString::fromLatin1(name), [this](const VQNotification&) { updateInputAudioNotification(); });
    // The device type is known only after the device information, which follows the insertion.
    for (const char* name : { vq::kUSBInsertNotification, vq::kUSBRemoveNotification, vq::HadUSBInfoNotification,
                              vq::kBleConnectNotification })
        center.addObserver(this, QString::fromLatin1(name), [this](const VQNotification&) { showShortcutsView(); });
}

void InputSettingView::configUI()
{
    m_titleLabel = vq::makeSectionLabel(this, vq::kSectionTitlePixelSize);
    for (int i = 0; i < 4; ++i)
        m_labels[i] = vq::makeSectionLabel(this, vq::kSectionRowPixelSize);

    const VQUserInfoData& settings = VQUserInfoData::sharedInstance();
    const bool values[3] = { settings.punctuationSwitch(), settings.compatibleModeSwitch(), settings.longVoiceModeSwitch() };
    for (int row = 0; row < 3; ++row) {
        auto* button = new VQButton(this);
        button->setImagePosition(VQButton::ImagePosition::ImageOnly);
        m_switches[row] = button;
        button->setState(values[row] ? 1 : 0);
        connect(button, &VQButton::clicked, this, [this, row] { switchClicked(row); });
        setSwitchImage(button, values[row]);
    }

    m_languageBtn = new VQPopUpButton(this);
    m_languageBtn->setSelectBlock([](int index) {
        VQLanguageManager::sharedInstance().setAudioLanguageIndex(index);
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateInputAudioNotification));
    });

    m_shortcutsContentView = new QWidget(this);
    const auto& functions = VQVoiceShortcuts::functions();
    for (int i = 0; i < 3; ++i) {
        m_labels[4 + i] = vq::makeSectionLabel(m_shortcutsContentView, vq::kSectionRowPixelSize);
        auto* box = new QFrame(m_shortcutsContentView);
        box->setObjectName(QStringLiteral("inputShortcutBox"));
        box->setStyleSheet(QStringLiteral(
            "#inputShortcutBox { background: transparent; border: 1px solid rgba(0, 0, 0, 51); border-radius: 2px; }"));
        m_boxes[i] = box;
        // The binder follows the stored value, so a recorded shortcut takes over at once.
        m_recorders[i] = new VQShortcutRecorder(box);
        m_recorders[i]->setAssociatedUserDefaultsKey(QString::fromLatin1(functions[i].defaultsKey));
    }

    setViewHeight(collapsedHeight);
    showShortcutsView();
}

void InputSettingView::configTitle()
{
    m_titleLabel->setText(QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("输入设置")));
    for (int i = 0; i < 7; ++i)
        m_labels[i]->setText(QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kLabelKeys[i])));
    updateInputAudioNotification();
    layoutRows();
}

void InputSettingView::layoutRows()
{
    const int titleWidth = textWidth(m_titleLabel);
    m_titleLabel->setGeometry(0, 0, titleWidth, kTitleHeight);

    int widest = 0;
    for (int i = 0; i < 4; ++i)
        widest = std::max(widest, textWidth(m_labels[i]));
    // The controls keep their places from the title unless a label would run under them.
    const int shift = std::max(0, kLabelLeft + widest + kLabelClearance - (titleWidth + kPopUpGap));
    const int switchLeft = titleWidth + kSwitchGap + shift;
    const int popUpLeft = titleWidth + kPopUpGap + shift;

    int right = titleWidth;
    for (int i = 0; i < 4; ++i) {
        const int top = kTitleHeight + i * kRowPitch + kRowTop;
        m_labels[i]->setGeometry(kLabelLeft, top, textWidth(m_labels[i]), kLabelHeight);
        const int centre = top + kLabelHeight / 2;
        if (i < 3) {
            m_switches[i]->setGeometry(switchLeft, centre - kSwitchSize.height() / 2, kSwitchSize.width(),
                                       kSwitchSize.height());
            right = std::max(right, switchLeft + kSwitchSize.width());
        } else {
            m_languageBtn->setGeometry(popUpLeft, centre - kPopUpSize.height() / 2, kPopUpSize.width(),
                                       kPopUpSize.height());
            right = std::max(right, popUpLeft + kPopUpSize.width());
        }
    }

    int widestShortcut = 0;
    for (int i = 4; i < 7; ++i)
        widestShortcut = std::max(widestShortcut, textWidth(m_labels[i]));
    const int boxLeft = std::max(kShortcutBoxLeft, kLabelLeft + widestShortcut + kLabelClearance);
    for (int i = 0; i < 3; ++i) {
        const int top = i * kShortcutPitch + kShortcutLabelTop;
        m_labels[4 + i]->setGeometry(kLabelLeft, top, textWidth(m_labels[4 + i]), kLabelHeight);
        const QRect box(boxLeft, top + kLabelHeight / 2 - kPopUpSize.height() / 2, kPopUpSize.width(),
                        kPopUpSize.height());
        m_boxes[i]->setGeometry(box);
        m_recorders[i]->setGeometry(0, 0, box.width() - kRecorderRightInset, box.height());
    }
    right = std::max(right, boxLeft + kPopUpSize.width());
    m_shortcutsContentView->setGeometry(0, m_languageBtn->geometry().bottom() + 1 + kShortcutsTop, right,
                                        kShortcutsHeight);
    setMinimumWidth(right);
}

void InputSettingView::switchClicked(int row)
{
    const bool on = m_switches[row]->state() == 1;
    setSwitchImage(m_switches[row], on);
    VQUserInfoData& settings = VQUserInfoData::sharedInstance();
    switch (row) {
    case 0:
        settings.setPunctuationSwitch(on);
        break;
    case 1:
        settings.setCompatibleModeSwitch(on);
        break;
    default:
        settings.setLongVoiceModeSwitch(on);
        break;
    }
}

void InputSettingView::punctuationBtnClicked() { switchClicked(0); }
void InputSettingView::compatibleModeBtnClicked() { switchClicked(1); }
void InputSettingView::longVoiceModeBtnClicked() { switchClicked(2); }

void InputSettingView::updateInputAudioNotification()
{
    const VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    m_languageBtn->setItemsArr(languages.readAudioLanguageNameList());
    m_languageBtn->setSelectIndex(languages.audioLanguageIndex());
}

bool InputSettingView::wantsShortcutRows()
{
    // The shortcuts are taken from every application: whoever has a device can change or clear them.
    return VQUserInfoData::sharedInstance().isConnect();
}

void InputSettingView::showShortcutsView()
{
    const bool show = wantsShortcutRows();
    m_shortcutsContentView->setVisible(show);
    setViewHeight(show ? expandedHeight : collapsedHeight);
    if (m_refreshUIBlock)
        m_refreshUIBlock();
}
