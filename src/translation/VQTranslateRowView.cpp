#include "VQTranslateRowView.h"

#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQPopUpButton.h"

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

VQTranslateRowView::VQTranslateRowView(Settings settings, QWidget* parent)
    : VQBaseView(parent)
    , m_settings(std::move(settings))
{
}

void VQTranslateRowView::buildRow()
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
    m_switchBtn->setState(m_settings.switchValue() ? 1 : 0);
    connect(m_switchBtn, &VQButton::clicked, this, &VQTranslateRowView::switchBtnClicked);
    switchBtnClicked();

    m_fromLanguageBtn = new VQPopUpButton(this);
    m_fromLanguageBtn->setSelectBlock(m_settings.setFromIndex);
    m_toLanguageBtn = new VQPopUpButton(this);
    m_toLanguageBtn->setSelectBlock(m_settings.setToIndex);

    m_changeLanguageBtn = new VQButton(this);
    m_changeLanguageBtn->setImageName(QStringLiteral("2_changeLanguage_icon"));
    m_changeLanguageBtn->setImagePosition(VQButton::ImagePosition::ImageOnly);
    connect(m_changeLanguageBtn, &VQButton::clicked, this, &VQTranslateRowView::changeLanguageBtnClicked);
}

QRect VQTranslateRowView::titleAndLayoutRow()
{
    m_titleLabel->setText(QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(m_settings.titleKey)));
    m_titleLabel->adjustSize();
    reloadFromPicker();
    reloadToPicker();

    const int titleWidth = qMax(0, m_titleLabel->sizeHint().width());
    m_titleLabel->setGeometry(0, 0, titleWidth, kTitleHeight);
    m_switchBtn->setGeometry(titleWidth + kSwitchGap, (kTitleHeight - kSwitchSize.height()) / 2, kSwitchSize.width(),
                             kSwitchSize.height());
    const QRect from(QPoint(kPickerLeft, kTitleHeight + kPickerTop), kPickerSize);
    m_fromLanguageBtn->setGeometry(from);
    const QRect to(QPoint(from.right() + 1 + kPickerGap, from.top()), kPickerSize);
    m_toLanguageBtn->setGeometry(to);
    m_changeLanguageBtn->setGeometry(from.right() + 1, from.center().y() - kArrowHeight / 2, kPickerGap, kArrowHeight);
    return to;
}

void VQTranslateRowView::reloadFromPicker()
{
    m_fromLanguageBtn->setItemsArr(m_settings.fromNames());
    m_fromLanguageBtn->setSelectIndex(m_settings.fromIndex());
}

void VQTranslateRowView::reloadToPicker()
{
    m_toLanguageBtn->setItemsArr(m_settings.toNames());
    m_toLanguageBtn->setSelectIndex(m_settings.toIndex());
}

void VQTranslateRowView::switchBtnClicked()
{
    const bool on = m_switchBtn->state() == 1;
    m_switchBtn->setState(on ? 1 : 0);
    m_switchBtn->setImageName(on ? QStringLiteral("2_switch_on_icon") : QStringLiteral("2_switch_off_icon"));
    m_settings.setSwitchValue(on);
}

void VQTranslateRowView::changeLanguageBtnClicked() { }
