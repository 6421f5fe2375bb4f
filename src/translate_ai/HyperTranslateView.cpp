#include "HyperTranslateView.h"

#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQLanguageManager.h"
#include "VQNotificationNames.h"
#include "VQPopUpButton.h"
#include "VQUserInfoData.h"

#include <QFont>

namespace {

constexpr int kTitleHeight = 27;
constexpr int kSwitchGap = 84;
constexpr QSize kSwitchSize(39, 29);
constexpr QSize kPickerSize(222, 34);
constexpr int kPickerLeft = 8;
constexpr int kPickerTop = 30;
constexpr int kPickerGap = 56;
constexpr int kArrowHeight = 30;

} // namespace

HyperTranslateView::HyperTranslateView(QWidget* parent)
    : VQBaseView(parent)
{
    configUI();
    configTitle();
    configData();
}

void HyperTranslateView::configUI()
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
    m_switchBtn->setState(VQUserInfoData::sharedInstance().wordInputSwitch() ? 1 : 0);
    connect(m_switchBtn, &VQButton::clicked, this, &HyperTranslateView::switchBtnClicked);
    switchBtnClicked();

    m_fromLanguageBtn = new VQPopUpButton(this);
    m_fromLanguageBtn->setSelectBlock([](int index) { VQLanguageManager::sharedInstance().setFromWordInputTag(index); });
    m_toLanguageBtn = new VQPopUpButton(this);
    m_toLanguageBtn->setSelectBlock([](int index) { VQLanguageManager::sharedInstance().setWordInputTag(index); });

    m_changeLanguageBtn = new VQButton(this);
    m_changeLanguageBtn->setImageName(QStringLiteral("2_changeLanguage_icon"));
    m_changeLanguageBtn->setImagePosition(VQButton::ImagePosition::ImageOnly);
    connect(m_changeLanguageBtn, &VQButton::clicked, this, &HyperTranslateView::changeLanguageBtnClicked);

    setViewHeight(rowHeight);
}

void HyperTranslateView::configTitle()
{
    const VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    m_titleLabel->setText(QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("划词翻译")));
    m_titleLabel->adjustSize();
    m_fromLanguageBtn->setItemsArr(languages.readFromWordInputNameList());
    m_fromLanguageBtn->setSelectIndex(languages.fromWordInputTag());
    m_toLanguageBtn->setItemsArr(languages.readWordInputNameList());
    m_toLanguageBtn->setSelectIndex(languages.wordInputTag());

    const int titleWidth = qMax(0, m_titleLabel->sizeHint().width());
    m_titleLabel->setGeometry(0, 0, titleWidth, kTitleHeight);
    m_switchBtn->setGeometry(titleWidth + kSwitchGap, (kTitleHeight - kSwitchSize.height()) / 2, kSwitchSize.width(),
                             kSwitchSize.height());
    const QRect from(QPoint(kPickerLeft, kTitleHeight + kPickerTop), kPickerSize);
    m_fromLanguageBtn->setGeometry(from);
    const QRect to(QPoint(from.right() + 1 + kPickerGap, from.top()), kPickerSize);
    m_toLanguageBtn->setGeometry(to);
    m_changeLanguageBtn->setGeometry(from.right() + 1, from.center().y() - kArrowHeight / 2, kPickerGap, kArrowHeight);
    setMinimumSize(to.right() + 1, rowHeight);
}

void HyperTranslateView::configData()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    center.addObserver(this, QString::fromLatin1(vq::kUpdateHyperTranslateIndexNotification),
                       [this](const VQNotification&) { updateHyperTranslateIndexNotification(); });
    center.addObserver(this, QString::fromLatin1(vq::kUpdateTranslateListNotification),
                       [this](const VQNotification&) { configTitle(); });
}

void HyperTranslateView::switchBtnClicked()
{
    const bool on = m_switchBtn->state() == 1;
    m_switchBtn->setState(on ? 1 : 0);
    m_switchBtn->setImageName(on ? QStringLiteral("2_switch_on_icon") : QStringLiteral("2_switch_off_icon"));
    VQUserInfoData::sharedInstance().setWordInputSwitch(on);
}

void HyperTranslateView::updateHyperTranslateIndexNotification()
{
    const VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    m_toLanguageBtn->setItemsArr(languages.readWordInputNameList());
    m_toLanguageBtn->setSelectIndex(languages.wordInputTag());
}

void HyperTranslateView::changeLanguageBtnClicked() { }
