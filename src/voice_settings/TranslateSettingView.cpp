#include "TranslateSettingView.h"

#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQLanguageManager.h"
#include "VQNotificationNames.h"
#include "VQPopUpButton.h"
#include "VQSettingSectionStyle.h"

#include <algorithm>

namespace {

constexpr int kTitleHeight = 27;
constexpr int kLabelLeft = 8;
constexpr int kLabelTop = 30;
constexpr int kLabelHeight = 22;
constexpr int kPopUpTop = 30;
constexpr QSize kPopUpSize(222, 34);
constexpr int kExchangeWidth = 56;
constexpr int kExchangeHeight = 30;

} // namespace

TranslateSettingView::TranslateSettingView(QWidget* parent)
    : VQBaseView(parent)
{
    configUI();
    configTitle();
    configData();
}

TranslateSettingView::~TranslateSettingView() = default;

void TranslateSettingView::configUI()
{
    m_titleLabel = vq::makeSectionLabel(this, vq::kSectionTitlePixelSize);
    m_functionLabel2 = vq::makeSectionLabel(this, vq::kSectionRowPixelSize);

    m_fromLanguageBtn = new VQPopUpButton(this);
    m_fromLanguageBtn->setSelectBlock([](int index) {
        VQLanguageManager::sharedInstance().setAudioLanguageIndex(index);
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateInputAudioNotification));
    });
    m_toLanguageBtn = new VQPopUpButton(this);
    m_toLanguageBtn->setSelectBlock([](int index) { VQLanguageManager::sharedInstance().setToLanguageIndex(index); });

    m_changeLanguageBtn = new VQButton(this);
    m_changeLanguageBtn->setImagePosition(VQButton::ImagePosition::ImageOnly);
    m_changeLanguageBtn->setImageName(QStringLiteral("2_changeLanguage_icon"));
    connect(m_changeLanguageBtn, &VQButton::clicked, this, &TranslateSettingView::changeLanguageBtnClicked);

    const int labelBottom = kTitleHeight + kLabelTop + kLabelHeight;
    const QRect from(QPoint(kLabelLeft, labelBottom + kPopUpTop), kPopUpSize);
    m_fromLanguageBtn->setGeometry(from);
    const QRect to(QPoint(from.right() + 1 + kExchangeWidth, from.top()), kPopUpSize);
    m_toLanguageBtn->setGeometry(to);
    m_changeLanguageBtn->setGeometry(from.right() + 1, to.center().y() + 1 - kExchangeHeight / 2, kExchangeWidth,
                                     kExchangeHeight);
    setViewHeight(sectionHeight);
}

void TranslateSettingView::configTitle()
{
    m_titleLabel->setText(QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("翻译设置")));
    m_functionLabel2->setText(QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("翻译语种")));
    m_titleLabel->setGeometry(0, 0, std::max(0, m_titleLabel->sizeHint().width()), kTitleHeight);
    m_functionLabel2->setGeometry(kLabelLeft, kTitleHeight + kLabelTop, std::max(0, m_functionLabel2->sizeHint().width()),
                                  kLabelHeight);

    const VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    m_fromLanguageBtn->setItemsArr(languages.readAudioLanguageNameList());
    m_fromLanguageBtn->setSelectIndex(languages.audioLanguageIndex());
    m_toLanguageBtn->setItemsArr(languages.readToLanguageNameList());
    m_toLanguageBtn->setSelectIndex(languages.toLanguageIndex());
    setMinimumWidth(std::max({ m_toLanguageBtn->geometry().right() + 1, m_titleLabel->width(),
                               m_functionLabel2->geometry().right() + 1 }));
}

void TranslateSettingView::configData()
{
    NotificationCenter& center = NotificationCenter::defaultCenter();
    for (const char* name : { vq::kUpdateInputAudioNotification, vq::kUpdateInputAudioListNotification,
                              vq::kUpdateTranslateListNotification })
        center.addObserver(this, QString::fromLatin1(name), [this](const VQNotification&) { configTitle(); });
}

void TranslateSettingView::changeLanguageBtnClicked() { }
