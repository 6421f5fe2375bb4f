#include "VQAIContentView.h"

#include "Clipboard.h"
#include "MMImage.h"
#include "MMLog.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQPopupWindowTool.h"
#include "VQTextView.h"

#include <QLabel>
#include <QTextEdit>

namespace {

const QColor kTextColor(38, 12, 12);
const QColor kAnswerBackground(238, 238, 238);

VQButton* makeImageButton(QWidget* parent, const char* imageName)
{
    auto* button = new VQButton(parent);
    button->setImageName(QString::fromLatin1(imageName));
    button->setImagePosition(VQButton::ImagePosition::ImageOnly);
    button->resize(VQAIContentView::kIconSize, VQAIContentView::kIconSize);
    return button;
}

QLabel* makeIcon(QWidget* parent)
{
    auto* icon = new QLabel(parent);
    icon->resize(VQAIContentView::kIconSize, VQAIContentView::kIconSize);
    icon->setAttribute(Qt::WA_TransparentForMouseEvents);
    return icon;
}

VQTextView* makeTextView(QWidget* parent, int pixelSize)
{
    auto* view = new VQTextView(parent);
    QFont font = view->textField()->font();
    font.setPixelSize(pixelSize);
    view->textField()->setFont(font);
    view->setTextColor(kTextColor);
    return view;
}

} // namespace

VQAIContentView::VQAIContentView(QWidget* parent)
    : VQBaseView(parent)
    , m_fuzhiBtn(makeImageButton(this, kCopyIconName))
    , m_retryBtn(makeImageButton(this, kRetryIconName))
{
    connect(m_fuzhiBtn, &VQButton::clicked, this, &VQAIContentView::fuzhiBtnClicked);
    connect(m_retryBtn, &VQButton::clicked, this, &VQAIContentView::retryBtnClicked);
}

void VQAIContentView::ensureTextViews()
{
    if (m_questionTextView)
        return;
    m_userIconImageView = makeIcon(this);
    m_questionTextView = makeTextView(this, kQuestionFontPx);
    m_chatIconImageView = makeIcon(this);
    m_answerBgView = new QWidget(this);
    m_answerBgView->setAutoFillBackground(true);
    QPalette palette = m_answerBgView->palette();
    palette.setColor(QPalette::Window, kAnswerBackground);
    m_answerBgView->setPalette(palette);
    m_answerTextView = makeTextView(m_answerBgView, kAnswerFontPx);
    m_answerBgView->lower();
    for (QWidget* child : {static_cast<QWidget*>(m_userIconImageView), static_cast<QWidget*>(m_questionTextView),
                           static_cast<QWidget*>(m_chatIconImageView), m_answerBgView})
        child->show();
}

void VQAIContentView::showQuestion(const QString& question, const QString& answer)
{
    ensureTextViews();
    m_userIconImageView->setPixmap(mm::imageNamed(QString::fromLatin1(kUserIconName), QSize(kIconSize, kIconSize)));
    if (m_questionTextView->string() != question)
        m_questionTextView->setString(question);
    m_chatIconImageView->setPixmap(mm::imageNamed(QString::fromLatin1(kChatIconName), QSize(kIconSize, kIconSize)));
    if (m_answerTextView->string() != answer)
        m_answerTextView->setString(answer);
    setViewHeight(m_questionTextView->textH() + m_answerTextView->textH() + kFixedHeight);
    layoutSubviews();
}

QString VQAIContentView::question() const
{
    return m_questionTextView ? m_questionTextView->string() : QString();
}

QString VQAIContentView::answer() const
{
    return m_answerTextView ? m_answerTextView->string() : QString();
}

int VQAIContentView::answerBackgroundHeight() const
{
    return m_answerTextView ? m_answerTextView->textH() + 2 * kAnswerPaddingY : 0;
}

void VQAIContentView::resizeEvent(QResizeEvent* event)
{
    VQBaseView::resizeEvent(event);
    layoutSubviews();
}

void VQAIContentView::layoutSubviews()
{
    const int textWidth = qMax(1, width() - kTextLeft - kRightMargin);
    int answerTop = kTopMargin;
    int buttonsRight = kTextLeft + textWidth;
    int buttonsTop = kTopMargin;
    if (m_questionTextView) {
        m_userIconImageView->setGeometry(0, kTopMargin, kIconSize, kIconSize);
        const int questionHeight = qMax(kIconSize, m_questionTextView->textH());
        m_questionTextView->setGeometry(kTextLeft, kTopMargin, textWidth, questionHeight);
        answerTop = kTopMargin + questionHeight + kAnswerGap;
        m_chatIconImageView->setGeometry(0, answerTop, kIconSize, kIconSize);
        const int backgroundHeight = answerBackgroundHeight();
        m_answerBgView->setGeometry(kTextLeft, answerTop, textWidth, backgroundHeight);
        m_answerTextView->setGeometry(kAnswerPaddingX, kAnswerPaddingY, qMax(1, textWidth - 2 * kAnswerPaddingX),
                                      m_answerTextView->textH());
        buttonsTop = answerTop + backgroundHeight + kButtonGap;
    }
    m_fuzhiBtn->setGeometry(buttonsRight - kIconSize, buttonsTop, kIconSize, kIconSize);
    m_retryBtn->setGeometry(buttonsRight - kIconSize - kButtonSpacing - kIconSize, buttonsTop, kIconSize, kIconSize);
}

void VQAIContentView::fuzhiBtnClicked()
{
    if (!mm::mm_generalPasteboardSetString(answer())) {
        VQLogWarn(QStringLiteral("AI chat: the answer could not be put on the clipboard"));
        VQPopupWindowTool::sharedInstance().showTipMessage(
            QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(kCopyFailedText)),
            QString::fromLatin1(kCopyFailedIconName));
        return;
    }
    VQPopupWindowTool::sharedInstance().showTipMessage(QString::fromUtf8(kCopiedText),
                                                       QString::fromLatin1(kCopiedIconName));
}

void VQAIContentView::retryBtnClicked()
{
    if (m_retryBlock)
        m_retryBlock(question());
}
