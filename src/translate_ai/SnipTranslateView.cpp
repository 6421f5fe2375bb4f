#include "SnipTranslateView.h"

#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQLanguageManager.h"
#include "VQNotificationNames.h"
#include "VQPopUpButton.h"
#include "VQShortcutBinder.h"
#include "VQShortcutRecorder.h"
#include "VQTranslateSetup.h"
#include "VQUserInfoData.h"

#include <QFont>
#include <QFrame>

namespace {

constexpr int kTitleHeight = 27;
constexpr int kSwitchGap = 84;
constexpr QSize kSwitchSize(39, 29);
constexpr QSize kPickerSize(222, 34);
constexpr int kPickerLeft = 8;
constexpr int kPickerTop = 30;
constexpr int kPickerGap = 56;
constexpr int kArrowHeight = 30;
constexpr int kShortcutBoxGap = 52;
constexpr int kShortcutBoxTop = 30;
constexpr int kRecorderRightInset = 20;
constexpr int kFunctionLabelHeight = 22;

} // namespace

SnipTranslateView::SnipTranslateView(QWidget* parent)
    : VQBaseView(parent)
{
    configUI();
    configTitle();
    configData();
}

void SnipTranslateView::configUI()
{
    m_titleLabel = new VQLabel(this);
    QFont font = m_titleLabel->font();
    font.setPixelSize(20);
    font.setWeight(QFont::Normal);
    m_titleLabel->setFont(font);
    m_titleLabel->setTextColor(QColor(38, 12, 12));
    m_titleLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_switchBtn = new VQButton(this);
    m_switchBtn->setImagePosition(VQButton::ImagePosition::ImageOnly);
    m_switchBtn->setImageName(QStringLiteral("2_switch_off_icon"));
    m_switchBtn->setState(VQUserInfoData::sharedInstance().screenshotsTranslateSwitch() ? 1 : 0);
    connect(m_switchBtn, &VQButton::clicked, this, &SnipTranslateView::switchBtnClicked);
    switchBtnClicked();

    m_fromLanguageBtn = new VQPopUpButton(this);
    m_fromLanguageBtn->setSelectBlock([](int index) { VQLanguageManager::sharedInstance().setScreenshotsFromTag(index); });
    m_toLanguageBtn = new VQPopUpButton(this);
    m_toLanguageBtn->setSelectBlock([](int index) { VQLanguageManager::sharedInstance().setScreenshotsTag(index); });

    m_changeLanguageBtn = new VQButton(this);
    m_changeLanguageBtn->setImageName(QStringLiteral("2_changeLanguage_icon"));
    m_changeLanguageBtn->setImagePosition(VQButton::ImagePosition::ImageOnly);
    connect(m_changeLanguageBtn, &VQButton::clicked, this, &SnipTranslateView::changeLanguageBtnClicked);

    m_functionLabel1 = new VQLabel(this);
    QFont labelFont = m_functionLabel1->font();
    labelFont.setPixelSize(16);
    labelFont.setWeight(QFont::Normal);
    m_functionLabel1->setFont(labelFont);
    m_functionLabel1->setTextColor(QColor(38, 12, 12));
    m_functionLabel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_shortcutBox = new QFrame(this);
    m_shortcutBox->setObjectName(QStringLiteral("snipShortcutBox"));
    m_shortcutBox->setStyleSheet(QStringLiteral(
        "#snipShortcutBox { background: transparent; border: 1px solid rgba(0, 0, 0, 51); border-radius: 2px; }"));
    m_shortcutsView = new VQShortcutRecorder(m_shortcutBox);
    m_shortcutsView->setAssociatedUserDefaultsKey(QString::fromLatin1(VQTranslateSetup::kSnipShortcutKey));
    // The binder follows the stored value by itself; binding again keeps the row's action on it.
    connect(m_shortcutsView, &VQShortcutRecorder::shortcutValueChanged, this, [] {
        VQShortcutBinder::sharedBinder().bindShortcutWithDefaultsKey(
            QString::fromLatin1(VQTranslateSetup::kSnipShortcutKey), &VQTranslateSetup::screenshotTranslationAction);
    });

    setViewHeight(rowHeight);
}

void SnipTranslateView::configTitle()
{
    m_titleLabel->setText(QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("截图翻译")));
    m_titleLabel->adjustSize();
    m_functionLabel1->setText(QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("快捷键")));
    m_functionLabel1->adjustSize();
    updateSnipFromTranslateIndexNotification();
    updateSnipTranslateIndexNotification();

    const int titleWidth = qMax(0, m_titleLabel->sizeHint().width());
    m_titleLabel->setGeometry(0, 0, titleWidth, kTitleHeight);
    m_switchBtn->setGeometry(titleWidth + kSwitchGap, (kTitleHeight - kSwitchSize.height()) / 2, kSwitchSize.width(),
                             kSwitchSize.height());
    const QRect from(QPoint(kPickerLeft, kTitleHeight + kPickerTop), kPickerSize);
    m_fromLanguageBtn->setGeometry(from);
    const QRect to(QPoint(from.right() + 1 + kPickerGap, from.top()), kPickerSize);
    m_toLanguageBtn->setGeometry(to);
    m_changeLanguageBtn->setGeometry(from.right() + 1, from.center().y() - kArrowHeight / 2, kPickerGap, kArrowHeight);

    const QRect box(QPoint(titleWidth + kShortcutBoxGap, to.bottom() + 1 + kShortcutBoxTop), kPickerSize);
    m_shortcutBox->setGeometry(box);
    m_shortcutsView->setGeometry(0, 0, box.width() - kRecorderRightInset, box.height());
    const int labelWidth = qMax(0, m_functionLabel1->sizeHint().width());
    m_functionLabel1->setGeometry(kPickerLeft, box.center().y() - kFunctionLabelHeight / 2 + 1, labelWidth,
                                  kFunctionLabelHeight);
    setMinimumSize(qMax(to.right(), box.right()) + 1, rowHeight);
}

void SnipTranslateView::configData()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, QString::fromLatin1(vq::kUpdateSnipTranslateIndexNotification),
                       [this](const VQNotification&) { updateSnipTranslateIndexNotification(); });
    center.addObserver(this, QString::fromLatin1(vq::kUpdateOCRListNotification),
                       [this](const VQNotification&) { updateSnipFromTranslateIndexNotification(); });
    center.addObserver(this, QString::fromLatin1(vq::kUpdateTranslateListNotification),
                       [this](const VQNotification&) { configTitle(); });
}

void SnipTranslateView::switchBtnClicked()
{
    const bool on = m_switchBtn->state() == 1;
    m_switchBtn->setState(on ? 1 : 0);
    m_switchBtn->setImageName(on ? QStringLiteral("2_switch_on_icon") : QStringLiteral("2_switch_off_icon"));
    VQUserInfoData::sharedInstance().setScreenshotsTranslateSwitch(on);
}

void SnipTranslateView::changeLanguageBtnClicked() { }

void SnipTranslateView::updateSnipFromTranslateIndexNotification()
{
    const VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    m_fromLanguageBtn->setItemsArr(languages.readScreenshotsFromNameList());
    m_fromLanguageBtn->setSelectIndex(languages.screenshotsFromTag());
}

void SnipTranslateView::updateSnipTranslateIndexNotification()
{
    const VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    m_toLanguageBtn->setItemsArr(languages.readScreenshotsNameList());
    m_toLanguageBtn->setSelectIndex(languages.screenshotsTag());
}
