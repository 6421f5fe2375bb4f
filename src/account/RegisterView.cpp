#include "RegisterView.h"

#include "MMLog.h"
#include "NotificationCenter.h"
#include "VQAccountFormKit.h"
#include "VQApiConfig.h"
#include "VQButton.h"
#include "VQGetVerifyCodeScene.h"
#include "VQHttpRequestManager.h"
#include "VQInputView.h"
#include "VQLabel.h"
#include "VQNotificationNames.h"
#include "VQRegisterScene.h"
#include "VQSecureTextField.h"
#include "VQTextField.h"
#include "VQToolManager.h"

#include <QFont>

using namespace VQAccountFormKit;

namespace {

constexpr int kConsentRightMargin = 20;
// The rows of the fields.
constexpr int kCodeRow = 1;
constexpr int kPasswordRow = 2;
constexpr int kConfirmRow = 3;

// Handled without the form, which may be gone by then.
void registrationReplied(const VQHttpResult& result)
{
    if (!signIn(result, RegisterView::kRegisterFailedText))
        return;
    VQLogInfo(QStringLiteral("Account: registered and signed in"));
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kLoginSuccessNotification));
}

} // namespace

RegisterView::RegisterView(QWidget* parent)
    : VQAccountForm(kPasswordRow, kConfirmRow, parent)
{
    configUI();
    configTitle();
}

VQInputView* RegisterView::codeInputView()
{
    return field(m_codeInputView, kCodeRow, VQInputView::VerificationCode);
}

VQInputView* RegisterView::passwordConfirmInputView()
{
    return field(m_passwordConfirmInputView, kConfirmRow, VQInputView::Password);
}

VQLabel* RegisterView::agreementLabel()
{
    if (!m_agreementLabel) {
        m_agreementLabel = new VQLabel(this);
        QFont font = m_agreementLabel->font();
        font.setPixelSize(10);
        m_agreementLabel->setFont(font);
        m_agreementLabel->setTextColor(QColor(116, 116, 116));
    }
    return m_agreementLabel;
}

VQButton* RegisterView::privacyBtn()
{
    if (!m_privacyBtn) {
        m_privacyBtn = new VQButton(this);
        connect(m_privacyBtn, &VQButton::clicked, this, [this] { scanPrivacy(m_privacyBtn); });
    }
    return m_privacyBtn;
}

VQButton* RegisterView::agreementBtn()
{
    if (!m_agreementBtn) {
        m_agreementBtn = new VQButton(this);
        connect(m_agreementBtn, &VQButton::clicked, this, [this] { scanAgreement(m_agreementBtn); });
    }
    return m_agreementBtn;
}

VQButton* RegisterView::registerBtn()
{
    if (!m_registerBtn) {
        m_registerBtn = new VQButton(this);
        styleAccentButton(m_registerBtn);
        const QRect confirm = fieldRect(kConfirmRow);
        m_registerBtn->setGeometry(confirm.center().x() - 85 / 2, checkBtn()->geometry().bottom() + 1 + 36, 85, 31);
        connect(m_registerBtn, &VQButton::clicked, this, [this] { registerBtnClicked(m_registerBtn); });
    }
    return m_registerBtn;
}

void RegisterView::resizeEvent(QResizeEvent* event)
{
    VQAccountForm::resizeEvent(event);
    if (m_agreementLabel)
        placeConsent();
}

void RegisterView::placeConsent()
{
    const QRect check = checkBtn()->geometry();
    // One line beside the box, wrapped where a language's text would run past the form.
    const int left = check.right() + 1 + 10;
    const int needed = agreementLabel()->fontMetrics().horizontalAdvance(agreementLabel()->text()) + 2;
    const int width = std::min(needed, std::max(1, this->width() - kConsentRightMargin - left));
    agreementLabel()->setWordWrap(width < needed);
    const int height = std::max(15, agreementLabel()->heightForWidth(width));
    const QRect label(left, check.center().y() - 7, width, height);
    agreementLabel()->setGeometry(label);
    const int split = label.center().x() + 10;
    privacyBtn()->setGeometry(label.left(), label.top(), split - label.left(), label.height());
    agreementBtn()->setGeometry(split, label.top(), label.right() + 1 - split, label.height());
    privacyBtn()->raise();
    agreementBtn()->raise();
}

void RegisterView::configUI()
{
    backBtn();
    accountInputView();
    QPointer<RegisterView> self(this);
    codeInputView()->setGetVerifyCodeBlock([self] {
        if (self)
            self->getVerificationCode();
    });
    passwordInputView();
    passwordConfirmInputView();
    registerBtn();
    checkBtn()->setState(0);
    checkBtnClicked(checkBtn());
}

void RegisterView::configTitle()
{
    titleSharedTexts();
    codeInputView()->textField()->setPlaceholderText(localized(kCodePlaceholder));
    passwordConfirmInputView()->secureTextField()->setPlaceholderText(localized(kConfirmPlaceholder));
    passwordConfirmInputView()->textField()->setPlaceholderText(localized(kConfirmPlaceholder));
    agreementLabel()->setText(localized(kConsentText));
    registerBtn()->setTitle(localized(kRegisterText));
    fitToTitle(registerBtn(), 85);
    placeConsent();
}

void RegisterView::scanPrivacy(VQButton*)
{
    VQToolManager::sharedInstance().openBrowserWithCmdString(
        VQApiConfig::urlFor(VQApiConfig::Endpoint::WebSite, QString::fromLatin1(kPrivacyPath)));
}

void RegisterView::scanAgreement(VQButton*)
{
    VQToolManager::sharedInstance().openBrowserWithCmdString(
        VQApiConfig::urlFor(VQApiConfig::Endpoint::WebSite, QString::fromLatin1(kAgreementPath)));
}

QString RegisterView::codeType() const
{
    return QStringLiteral("REGISTER");
}

void RegisterView::getVerificationCode()
{
    const QString account = accountInputView()->stringValue();
    if (account.isEmpty()) {
        showAlert(kEmptyInfoText, kFillAccountText);
        return;
    }
    codeInputView()->rightBtn()->setEnabled(false);
    VQGetVerifyCodeScene scene;
    scene.setAccount(account);
    scene.setAccountType(accountType(account));
    scene.setCodeType(codeType());
    scene.setCountry(QString());
    QPointer<VQInputView> field(codeInputView());
    VQHttpRequestManager::sharedInstance().httpRequestWithScene(scene, [field](const VQHttpResult& result) {
        if (result.success) {
            if (field)
                field->getVerificationCode();
            return;
        }
        if (field)
            field->rightBtn()->setEnabled(true);
        showFailure(kCodeFailedText, result);
    });
}

bool RegisterView::checkFilledAndEqual()
{
    const QString password = passwordInputView()->stringValue();
    const QString confirmation = passwordConfirmInputView()->stringValue();
    if (accountInputView()->stringValue().isEmpty()) {
        showAlert(kEmptyInfoText, kFillAccountText);
        return false;
    }
    if (codeInputView()->stringValue().isEmpty()) {
        showAlert(kEmptyInfoText, kFillCodeText);
        return false;
    }
    if (password.isEmpty()) {
        showAlert(kEmptyInfoText, kFillPasswordText);
        return false;
    }
    if (confirmation.isEmpty()) {
        showAlert(kEmptyInfoText, kFillConfirmText);
        return false;
    }
    if (password != confirmation) {
        showAlert(kMismatchText, QString());
        return false;
    }
    return true;
}

void RegisterView::registerBtnClicked(VQButton*)
{
    if (!checkFilledAndEqual())
        return;
    if (checkBtn()->state() == 0) {
        showAlert(kConsentAlertText, QString());
        return;
    }
    const QString account = accountInputView()->stringValue();
    VQRegisterScene scene;
    scene.setAccount(account);
    scene.setCode(codeInputView()->stringValue());
    scene.setPassword(passwordInputView()->stringValue());
    scene.setType(accountType(account));
    VQHttpRequestManager::sharedInstance().httpRequestWithScene(scene, registrationReplied);
}
