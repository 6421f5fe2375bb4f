#include "VQInputView.h"

#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQSecureTextField.h"
#include "VQTextField.h"

#include <QFont>
#include <QResizeEvent>
#include <QTimer>

namespace {

constexpr int kFieldButtonGap = 8;

const QColor kFieldTextColor(38, 12, 12); // typed text reads dark; only placeholders are grey
const QColor kUnderlineColor(112, 112, 112);
const QColor kAccentColor(0, 175, 204);
constexpr int kFieldFontSize = 20;
constexpr int kUnderlineHeight = 1;
constexpr int kCodeButtonHeight = 24;

QString localized(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

template <class Field>
void styleField(Field* field)
{
    QFont font = field->font();
    font.setPixelSize(kFieldFontSize);
    font.setWeight(QFont::Normal);
    field->setFont(font);
    field->setTextColor(kFieldTextColor);
}

} // namespace

VQInputView::VQInputView(QWidget* parent)
    : VQBaseView(parent)
{
}

VQInputView::~VQInputView()
{
    invalidateTimer();
}

VQTextField* VQInputView::textField()
{
    if (!m_textField) {
        m_textField = new VQTextField(this);
        styleField(m_textField.data());
        connect(m_textField, &QLineEdit::textEdited, this, [this] { m_edited = true; });
        auto* underline = new QWidget(this);
        underline->setAutoFillBackground(true);
        QPalette palette = underline->palette();
        palette.setColor(QPalette::Window, kUnderlineColor);
        underline->setPalette(palette);
        m_underline = underline;
        layoutParts();
    }
    return m_textField;
}

VQSecureTextField* VQInputView::secureTextField()
{
    if (!m_secureTextField) {
        m_secureTextField = new VQSecureTextField(this);
        styleField(m_secureTextField.data());
        connect(m_secureTextField, &QLineEdit::textEdited, this, [this] { m_edited = true; });
        layoutParts();
    }
    return m_secureTextField;
}

VQButton* VQInputView::rightBtn()
{
    if (!m_rightBtn) {
        m_rightBtn = new VQButton(this);
        connect(m_rightBtn, &VQButton::clicked, this, [this] { rightBtnClicked(m_rightBtn); });
        layoutParts();
    }
    return m_rightBtn;
}

void VQInputView::setInputType(unsigned inputType)
{
    m_inputType = inputType;
    switch (inputType) {
    case Plain:
        rightBtn()->setImageName(QString::fromLatin1(kClearImage));
        m_rightBtnSize = QSize(36, 36);
        showField(textField(), secureTextField());
        break;
    case Password:
        rightBtn()->setImageName(QString::fromLatin1(kEyeHiddenImage));
        m_rightBtnSize = QSize(24, 24);
        showField(secureTextField(), textField());
        break;
    case VerificationCode:
        rightBtn()->setTitle(localized(kSendCodeText));
        rightBtn()->setTitleColor(kAccentColor);
        m_rightBtnSize = QSize(0, kCodeButtonHeight); // fits its title
        showField(textField(), secureTextField());
        break;
    default:
        return;
    }
    layoutParts();
}

void VQInputView::showField(QWidget* field, QWidget* hidden)
{
    hidden->hide();
    field->show();
    field->setFocus(Qt::OtherFocusReason);
}

bool VQInputView::passwordHidden() const
{
    return m_inputType == Password && !(m_rightBtn && m_rightBtn->state() == 1);
}

QString VQInputView::stringValue() const
{
    if (passwordHidden())
        return m_secureTextField ? m_secureTextField->text() : QString();
    return m_textField ? m_textField->text() : QString();
}

void VQInputView::setStringValue(const QString& value)
{
    m_stringValue = value;
    if (passwordHidden())
        secureTextField()->setText(value);
    else
        textField()->setText(value);
}

void VQInputView::rightBtnClicked(VQButton* sender)
{
    switch (m_inputType) {
    case VerificationCode:
        if (m_getVerifyCodeBlock)
            m_getVerifyCodeBlock();
        break;
    case Password:
        if (sender->state() == 1) {
            textField()->setText(secureTextField()->text());
            showField(textField(), secureTextField());
            sender->setImageName(QString::fromLatin1(kEyeShownImage));
        } else {
            secureTextField()->setText(textField()->text());
            showField(secureTextField(), textField());
            sender->setImageName(QString::fromLatin1(kEyeHiddenImage));
        }
        break;
    case Plain:
        textField()->setText(QString());
        break;
    default:
        break;
    }
}

void VQInputView::getVerificationCode()
{
    rightBtn()->setEnabled(false);
    m_countNum = kCountdownSeconds;
    startTimer();
}

void VQInputView::startTimer()
{
    invalidateTimer();
    m_timer = new QTimer(this);
    m_timer->setTimerType(Qt::PreciseTimer); // the button must not come back early
    m_timer->setInterval(kTickMs);
    connect(m_timer, &QTimer::timeout, this, &VQInputView::showRightBtnState);
    m_timer->start();
}

void VQInputView::invalidateTimer()
{
    if (!m_timer)
        return;
    m_timer->stop();
    m_timer->deleteLater();
    m_timer = nullptr;
}

void VQInputView::showRightBtnState()
{
    --m_countNum;
    if (m_countNum < 1) {
        invalidateTimer();
        rightBtn()->setEnabled(true);
    }
    configTitle();
}

void VQInputView::configTitle()
{
    if (m_inputType != VerificationCode)
        return;
    rightBtn()->setTitle(m_timer ? QString::number(m_countNum) + localized(kResendSuffixText) : localized(kSendCodeText));
    layoutParts();
}

void VQInputView::resizeEvent(QResizeEvent* event)
{
    VQBaseView::resizeEvent(event);
    layoutParts();
}

void VQInputView::layoutParts()
{
    const int w = width();
    const int h = height();
    int buttonWidth = 0;
    if (m_rightBtn) {
        QSize size = m_rightBtnSize;
        if (size.width() == 0)
            size.setWidth(m_rightBtn->sizeHint().width());
        // The typed text keeps clear of the button's title or image.
        buttonWidth = size.width() + kFieldButtonGap;
        const int fieldHeight = h - kUnderlineHeight;
        m_rightBtn->setGeometry(w - size.width(), (fieldHeight - size.height()) / 2, size.width(), size.height());
    }
    const QRect fieldRect(0, 0, qMax(0, w - buttonWidth), qMax(0, h - kUnderlineHeight));
    if (m_textField)
        m_textField->setGeometry(fieldRect);
    if (m_secureTextField)
        m_secureTextField->setGeometry(fieldRect);
    if (m_underline)
        m_underline->setGeometry(0, h - kUnderlineHeight, w, kUnderlineHeight);
}
