#include "VQTranslateContentView.h"

#include "NotificationCenter.h"
#include "QRNLocalizedString.h"
#include "VQLanguageManager.h"
#include "VQNotificationNames.h"
#include "VQPopUpButton.h"
#include "VQPopupWindowTool.h"
#include "VQTranslateManager.h"
#include "VQTranslateView.h"
#include "VQUserInfoData.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kTitleBarColor(0, 175, 204);
// The recognise-only title: dark on the bar (white would read at 2.6:1, this at 7:1).
const QColor kRecognisedTitleColor(38, 12, 12);
const QColor kPaneTextColor(112, 112, 112);
const QColor kSeparatorColor(204, 204, 204);
const QColor kShadowColor(112, 112, 112, 77);
constexpr int kCornerRadius = 8;
constexpr int kPaneInset = 2;   // panes from the card's sides
constexpr int kPaneGap = 10;    // from the source pane to the translation pane
constexpr int kSeparatorTop = 5;
constexpr int kSeparatorInset = 10;
constexpr int kExtraHeight = 50; // title bar and gap

QString recogniseOnlyTitle()
{
    return QRNLocalizedString::qrnAppLocalizedString(QStringLiteral("识别结果"));
}

} // namespace

VQTranslateContentView::VQTranslateContentView(QWidget* parent)
    : VQBaseView(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    configUI();
}

void VQTranslateContentView::configUI()
{
    m_fanWordView = new VQTranslateView(this);
    m_yiWordView = new VQTranslateView(this);
    m_yiWordView->setIsYiView(true);
    for (VQTranslateView* pane : {m_fanWordView, m_yiWordView}) {
        pane->setContentBgColor(Qt::white);
        pane->setTextColor(kPaneTextColor);
    }
    m_separator = new QWidget(this);
    m_separator->setAutoFillBackground(true);
    QPalette palette = m_separator->palette();
    palette.setColor(QPalette::Window, kSeparatorColor);
    m_separator->setPalette(palette);

    m_languageBtn = new VQPopUpButton(this);
    m_languageBtn->setTextAlignment(Qt::AlignCenter);
    m_languageBtn->setTextColor(Qt::white);
    m_languageBtn->setUpImageName(QStringLiteral("1_popUpBtn_up_white"));
    m_languageBtn->setDownImageName(QStringLiteral("1_popUpBtn_down_white"));
    m_languageBtn->setImageAlignment(Qt::AlignRight);
    m_languageBtn->setFocusPolicy(Qt::NoFocus);
    m_languageBtn->setSelectBlock([this](int index) { languagePicked(index); });
    reloadLanguages();
    layoutContent();
}

void VQTranslateContentView::configTitle()
{
    reloadLanguages();
    if (m_recogniseOnly)
        m_languageBtn->setStringValue(recogniseOnlyTitle());
}

void VQTranslateContentView::reloadLanguages()
{
    const VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    if (VQUserInfoData::sharedInstance().isScreenshotsTranslate()) {
        m_languageBtn->setItemsArr(languages.readScreenshotsNameList());
        m_languageBtn->setSelectIndex(languages.screenshotsTag());
    } else {
        m_languageBtn->setItemsArr(languages.readWordInputNameList());
        m_languageBtn->setSelectIndex(languages.wordInputTag());
    }
}

void VQTranslateContentView::languagePicked(int index)
{
    VQLanguageManager& languages = VQLanguageManager::sharedInstance();
    if (VQUserInfoData::sharedInstance().isScreenshotsTranslate()) {
        languages.setScreenshotsTag(index);
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateSnipTranslateIndexNotification));
    } else {
        languages.setWordInputTag(index);
        NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kUpdateHyperTranslateIndexNotification));
    }
    VQTranslateManager::sharedInstance().translateText(m_fanText);
}

void VQTranslateContentView::setFanText(const QString& text)
{
    m_fanText = text;
    m_fanWordView->setStringValue(text);
    applyForm();
}

void VQTranslateContentView::setYiText(const QString& text)
{
    m_yiText = text;
    m_yiWordView->setStringValue(text);
    applyForm();
}

void VQTranslateContentView::clearYiText()
{
    m_yiText.clear();
    m_yiWordView->clear();
    applyForm();
}

void VQTranslateContentView::applyForm()
{
    const bool wasRecogniseOnly = m_recogniseOnly;
    m_recogniseOnly = VQPopupWindowTool::sharedInstance().isScreenshotsOCR();
    const double fanHeight = m_fanWordView->viewHeight();
    const double yiHeight = m_yiWordView->viewHeight();
    if (m_recogniseOnly) {
        setViewHeight(fanHeight + kExtraHeight);
        m_languageBtn->setHiddenImageView(true);
        m_languageBtn->setEnabled(false);
        m_languageBtn->setTextColor(kRecognisedTitleColor);
        m_languageBtn->setStringValue(recogniseOnlyTitle());
    } else {
        setViewHeight(fanHeight + yiHeight + kExtraHeight);
        m_languageBtn->setHiddenImageView(false);
        m_languageBtn->setEnabled(true);
        m_languageBtn->setTextColor(Qt::white);
        // Leaving the recognise-only form: the pop-up shows the selected language again.
        if (wasRecogniseOnly)
            reloadLanguages();
    }
    layoutContent();
}

void VQTranslateContentView::layoutContent()
{
    const int cardLeft = cardInset;
    const int cardTop = cardInset;
    const int cardWidth = width() - 2 * cardInset;
    const int paneWidth = cardWidth - 2 * kPaneInset;
    const int fanHeight = static_cast<int>(m_fanWordView->viewHeight());
    const int yiHeight = static_cast<int>(m_yiWordView->viewHeight());
    m_languageBtn->setGeometry((width() - languageButtonWidth) / 2, cardTop, languageButtonWidth, titleBarHeight);
    m_fanWordView->setGeometry(cardLeft + kPaneInset, cardTop + titleBarHeight, paneWidth, fanHeight);
    const int fanBottom = cardTop + titleBarHeight + fanHeight;
    m_separator->setGeometry(cardLeft + kSeparatorInset, fanBottom + kSeparatorTop, cardWidth - 2 * kSeparatorInset, 1);
    m_yiWordView->setGeometry(cardLeft + kPaneInset, fanBottom + kPaneGap, paneWidth, yiHeight);
    const bool showYi = !m_recogniseOnly && yiHeight > 0;
    m_yiWordView->setVisible(showYi);
    m_separator->setVisible(showYi);
}

void VQTranslateContentView::resizeEvent(QResizeEvent* event)
{
    VQBaseView::resizeEvent(event);
    layoutContent();
}

void VQTranslateContentView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).adjusted(cardInset, cardInset, -cardInset, -cardInset);
    // A soft shadow of radius 2 around the card.
    for (int spread = 2; spread >= 1; --spread) {
        QColor shadow = kShadowColor;
        shadow.setAlphaF(kShadowColor.alphaF() / spread);
        painter.setPen(Qt::NoPen);
        painter.setBrush(shadow);
        painter.drawRoundedRect(card.adjusted(-spread, -spread, spread, spread), kCornerRadius + spread,
                                kCornerRadius + spread);
    }
    QPainterPath cardPath;
    cardPath.addRoundedRect(card, kCornerRadius, kCornerRadius);
    painter.setClipPath(cardPath);
    painter.fillRect(card, Qt::white);
    painter.fillRect(QRectF(card.left(), card.top(), card.width(), titleBarHeight), kTitleBarColor);
}
