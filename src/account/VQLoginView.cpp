#include "VQLoginView.h"

#include "MMImage.h"
#include "MMLog.h"
#include "OnlyIntegerValueFormatter.h"
#include "VQAccountFormKit.h"
#include "VQApiConfig.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQTextField.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

using VQAccountFormKit::localized;

namespace {

const QColor kBackgroundColor { 34, 34, 36 };
const QColor kSecondaryColor { 112, 112, 112 };
const QColor kPlaceholderColor { 204, 204, 204 };

constexpr int kLeft = 37;
constexpr int kTop = 57;
constexpr int kGap = 30;
constexpr int kModeHeight = 18;
constexpr int kLabelHeight = 14;
constexpr int kFieldWidth = 140;
constexpr int kFieldHeight = 20;
constexpr int kUnderlineWidth = 220;
constexpr int kQrAreaWidth = 140;
constexpr int kQrAreaHeight = 200;
constexpr int kQrAreaRight = 100;

void setFontOf(QWidget* widget, int pixelSize, int weight)
{
    QFont font = widget->font();
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(weight));
    widget->setFont(font);
}

VQLabel* makeSecondaryLabel(QWidget* parent)
{
    auto* label = new VQLabel(parent);
    setFontOf(label, 12, QFont::Normal);
    label->setTextColor(kSecondaryColor);
    return label;
}

QLabel* makeLine(QWidget* parent)
{
    auto* line = new QLabel(parent);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, kSecondaryColor);
    line->setPalette(palette);
    return line;
}

VQTextField* makeField(QWidget* parent)
{
    auto* field = new VQTextField(parent);
    setFontOf(field, 14, QFont::Normal);
    field->setTextColor(Qt::white);
    QPalette palette = field->palette();
    palette.setColor(QPalette::PlaceholderText, kPlaceholderColor);
    field->setPalette(palette);
    return field;
}

int bottomOf(const QWidget* widget)
{
    return widget->y() + widget->height();
}

// A QR area drawn by itself: clear inside, a 1-point grey border with round corners.
class QrAreaView : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kSecondaryColor, 1));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
    }
};

} // namespace

VQLoginView::VQLoginView(QWidget* parent)
    : VQBaseView(parent)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackgroundColor);
    setPalette(palette);
    configTitle();
}

QString VQLoginView::qrCodeAddress()
{
    return VQApiConfig::baseUrl(VQApiConfig::Endpoint::WebSite);
}

void VQLoginView::initUIData()
{
    if (m_dataReady)
        return;
    m_dataReady = true;
    const QString address = qrCodeAddress();
    const QImage code = mm::generatingTwoDimensionalCode(address, QString::fromLatin1(kQrCenterImage), kQrSize);
    if (code.isNull())
        VQLogWarn(QStringLiteral("Account: no QR code for %1").arg(address));
    qrCodeImageView()->setPixmap(QPixmap::fromImage(code));
    changeLoginMode(verificationCodeBtn());
}

void VQLoginView::configTitle()
{
    verificationCodeBtn()->setTitle(localized(kCodeLoginText));
    passwordBtn()->setTitle(localized(kPasswordLoginText));
    phoneNumLabel()->setText(localized(kPhoneText));
    phoneNumTextField()->setPlaceholderText(localized(kPhonePlaceholder));
    authCodeBtn()->setTitle(localized(kGetCodeText));
    setModeTexts();
    qrCodeImageView();
    qrCodeLabel1()->setText(localized(kScanText));
    qrCodeLabel2()->setText(localized(kLoginNowText));
    layoutControls();
}

void VQLoginView::setModeTexts()
{
    authCodeLabel()->setText(localized(m_passwordMode ? kPasswordText : kCodeText));
    authCodeTextField()->setPlaceholderText(localized(m_passwordMode ? kPasswordPlaceholder : kCodePlaceholder));
}

void VQLoginView::changeLoginMode(VQButton* sender)
{
    m_passwordMode = sender != verificationCodeBtn();
    VQButton* chosen = m_passwordMode ? passwordBtn() : verificationCodeBtn();
    VQButton* other = m_passwordMode ? verificationCodeBtn() : passwordBtn();
    chosen->setTitleColor(Qt::white);
    other->setTitleColor(kSecondaryColor);
    authCodeBtn()->setVisible(!m_passwordMode);
    setModeTexts();
    VQTextField* field = authCodeTextField();
    if (m_passwordMode) {
        const QValidator* old = field->validator();
        field->setValidator(nullptr);
        delete old;
        // A password is never shown in clear text.
        field->setEchoMode(QLineEdit::Password);
    } else {
        const QValidator* old = field->validator();
        field->setValidator(new OnlyIntegerValueFormatter(field));
        delete old;
        field->setEchoMode(QLineEdit::Normal);
    }
    field->setText(QString());
    layoutControls();
}

void VQLoginView::authCodeBtnClicked(VQButton* sender)
{
    Q_UNUSED(sender);
}

VQButton* VQLoginView::verificationCodeBtn()
{
    if (!m_verificationCodeBtn) {
        m_verificationCodeBtn = new VQButton(this);
        VQAccountFormKit::styleTextButton(m_verificationCodeBtn, 15, QFont::Bold, Qt::white);
        connect(m_verificationCodeBtn, &VQButton::clicked, this,
                [this] { changeLoginMode(m_verificationCodeBtn); });
    }
    return m_verificationCodeBtn;
}

VQButton* VQLoginView::passwordBtn()
{
    if (!m_passwordBtn) {
        m_passwordBtn = new VQButton(this);
        VQAccountFormKit::styleTextButton(m_passwordBtn, 15, QFont::Bold, Qt::white);
        connect(m_passwordBtn, &VQButton::clicked, this, [this] { changeLoginMode(m_passwordBtn); });
        m_divider = makeLine(this);
    }
    return m_passwordBtn;
}

VQLabel* VQLoginView::phoneNumLabel()
{
    if (!m_phoneNumLabel)
        m_phoneNumLabel = makeSecondaryLabel(this);
    return m_phoneNumLabel;
}

VQTextField* VQLoginView::phoneNumTextField()
{
    if (!m_phoneNumTextField) {
        m_phoneNumTextField = makeField(this);
        m_phoneNumTextField->setValidator(new OnlyIntegerValueFormatter(m_phoneNumTextField));
        m_phoneUnderline = makeLine(this);
    }
    return m_phoneNumTextField;
}

VQButton* VQLoginView::authCodeBtn()
{
    if (!m_authCodeBtn) {
        m_authCodeBtn = new VQButton(this);
        VQAccountFormKit::styleTextButton(m_authCodeBtn, 13, QFont::Bold, kPlaceholderColor);
        connect(m_authCodeBtn, &VQButton::clicked, this, [this] { authCodeBtnClicked(m_authCodeBtn); });
    }
    return m_authCodeBtn;
}

VQLabel* VQLoginView::authCodeLabel()
{
    if (!m_authCodeLabel)
        m_authCodeLabel = makeSecondaryLabel(this);
    return m_authCodeLabel;
}

VQTextField* VQLoginView::authCodeTextField()
{
    if (!m_authCodeTextField) {
        m_authCodeTextField = makeField(this);
        m_authCodeUnderline = makeLine(this);
    }
    return m_authCodeTextField;
}

QWidget* VQLoginView::qrCodeView()
{
    if (!m_qrCodeView)
        m_qrCodeView = new QrAreaView(this);
    return m_qrCodeView;
}

QLabel* VQLoginView::qrCodeImageView()
{
    if (!m_qrCodeImageView) {
        m_qrCodeImageView = new QLabel(qrCodeView());
        m_qrCodeImageView->setAutoFillBackground(true);
        QPalette palette = m_qrCodeImageView->palette();
        palette.setColor(QPalette::Window, Qt::white);
        m_qrCodeImageView->setPalette(palette);
        m_qrCodeImageView->setAlignment(Qt::AlignCenter);
        m_qrCodeImageView->setGeometry((kQrAreaWidth - kQrSize) / 2, 20, kQrSize, kQrSize);
    }
    return m_qrCodeImageView;
}

VQLabel* VQLoginView::qrCodeLabel1()
{
    if (!m_qrCodeLabel1)
        m_qrCodeLabel1 = makeSecondaryLabel(qrCodeView());
    return m_qrCodeLabel1;
}

VQLabel* VQLoginView::qrCodeLabel2()
{
    if (!m_qrCodeLabel2)
        m_qrCodeLabel2 = makeSecondaryLabel(qrCodeView());
    return m_qrCodeLabel2;
}

bool VQLoginView::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest)
        layoutControls();
    return VQBaseView::event(event);
}

void VQLoginView::resizeEvent(QResizeEvent* event)
{
    VQBaseView::resizeEvent(event);
    layoutControls();
}

void VQLoginView::layoutControls()
{
    if (!m_qrCodeLabel2)
        return; // the first configTitle() is still creating the views
    VQButton* code = m_verificationCodeBtn;
    code->setGeometry(kLeft, kTop, code->sizeHint().width(), kModeHeight);
    const int codeRight = code->x() + code->width();
    const int modeCentre = kTop + kModeHeight / 2;
    m_passwordBtn->setGeometry(codeRight + 22, kTop, m_passwordBtn->sizeHint().width(), kModeHeight);
    m_divider->setGeometry(codeRight + 10, modeCentre - 15 / 2 - 1, 2, 15);
    m_phoneNumLabel->setGeometry(kLeft, bottomOf(code) + kGap, m_phoneNumLabel->sizeHint().width(), kLabelHeight);
    m_phoneNumTextField->setGeometry(kLeft, bottomOf(m_phoneNumLabel) + kGap, kFieldWidth, kFieldHeight);
    m_phoneUnderline->setGeometry(kLeft, bottomOf(m_phoneNumTextField), kUnderlineWidth, 1);
    m_authCodeBtn->setGeometry(kLeft + kFieldWidth + 5, m_phoneNumTextField->y(), 80, kFieldHeight);
    m_authCodeLabel->setGeometry(kLeft, bottomOf(m_phoneNumTextField) + kGap, m_authCodeLabel->sizeHint().width(),
                                 kLabelHeight);
    m_authCodeTextField->setGeometry(kLeft, bottomOf(m_authCodeLabel) + kGap, kFieldWidth, kFieldHeight);
    m_authCodeUnderline->setGeometry(kLeft, bottomOf(m_authCodeTextField), kUnderlineWidth, 1);
    m_qrCodeView->setGeometry(width() - kQrAreaRight - kQrAreaWidth, kTop, kQrAreaWidth, kQrAreaHeight);
    const int label1Width = m_qrCodeLabel1->sizeHint().width();
    m_qrCodeLabel1->setGeometry((kQrAreaWidth - label1Width) / 2, bottomOf(m_qrCodeImageView) + 10, label1Width, 15);
    const int label2Width = m_qrCodeLabel2->sizeHint().width();
    m_qrCodeLabel2->setGeometry((kQrAreaWidth - label2Width) / 2, bottomOf(m_qrCodeLabel1) + 10, label2Width, 15);
}
