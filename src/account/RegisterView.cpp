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
#include "VQLoginResultModel.h"
#include "VQNotificationNames.h"
#include "VQRegisterScene.h"
#include "VQSecureTextField.h"
#include "VQTextField.h"
#include "VQToolManager.h"
#include "VQUserInfoData.h"

#include <QFont>
#include <QPalette>

using namespace VQAccountFormKit;

namespace {

constexpr int kFieldLeft = 160;
constexpr int kFieldTop = 150;
constexpr int kFieldWidth = 330;
constexpr int kFieldHeight = 35;
constexpr int kFieldGap = 30;
constexpr int kConsentRightMargin = 20;

QRect fieldRect(int row)
{
    return QRect(kFieldLeft, kFieldTop + row * (kFieldHeight + kFieldGap), kFieldWidth, kFieldHeight);
}

VQInputView* makeField(QWidget* parent, int row, unsigned kind)
{
    auto* field = new VQInputView(parent);
    field->setGeometry(fieldRect(row));
    field->setInputType(kind);
    return field;
}

// Handled without the form, which may be gone by then.
void registrationReplied(const VQHttpResult& result)
{
    if (!result.success) {
        showFailure(RegisterView::kRegisterFailedText, result);
        return;
    }
    auto record = VQLoginResultModel::fromJson(result.data);
    if (!record) {
        showAlert(RegisterView::kRegisterFailedText, kSystemErrorText);
        return;
    }
    VQUserInfoData& data = VQUserInfoData::sharedInstance();
    data.setIsLogin(true);
    data.setLoginResult(record);
    VQLogInfo(QStringLiteral("Account: registered and signed in"));
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kLoginSuccessNotification));
}

} // namespace

RegisterView::RegisterView(QWidget* parent)
    : VQBackGroundView(parent)
{
    paintWhite(this);
    configUI();
    configTitle();
}

VQButton* RegisterView::backBtn()
{
    if (!m_backBtn) {
        m_backBtn = new VQButton(this);
        styleBackButton(m_backBtn);
        connect(m_backBtn, &VQButton::clicked, this, [this] { backBtnClicked(m_backBtn); });
    }
    return m_backBtn;
}

VQInputView* RegisterView::accountInputView()
{
    if (!m_accountInputView)
        m_accountInputView = makeField(this, 0, VQInputView::Plain);
    return m_accountInputView;
}

VQInputView* RegisterView::codeInputView()
{
    if (!m_codeInputView)
        m_codeInputView = makeField(this, 1, VQInputView::VerificationCode);
    return m_codeInputView;
}

VQInputView* RegisterView::passwordInputView()
{
    if (!m_passwordInputView)
        m_passwordInputView = makeField(this, 2, VQInputView::Password);
    return m_passwordInputView;
}

VQInputView* RegisterView::passwordConfirmInputView()
{
    if (!m_passwordConfirmInputView)
        m_passwordConfirmInputView = makeField(this, 3, VQInputView::Password);
    return m_passwordConfirmInputView;
}

VQButton* RegisterView::checkBtn()
{
    if (!m_checkBtn) {
        m_checkBtn = new VQButton(this);
        const QRect confirm = fieldRect(3);
        m_checkBtn->setGeometry(confirm.left() + 5, confirm.top() + confirm.height() + 30, 16, 16);
        connect(m_checkBtn, &VQButton::clicked, this, [this] { checkBtnClicked(m_checkBtn); });
    }
    return m_checkBtn;
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
        const QRect confirm = fieldRect(3);
        m_registerBtn->setGeometry(confirm.center().x() - 85 / 2, checkBtn()->geometry().bottom() + 1 + 36, 85, 31);
        connect(m_registerBtn, &VQButton::clicked, this, [this] { registerBtnClicked(m_registerBtn); });
    }
    return m_registerBtn;
}

void RegisterView::resizeEvent(QResizeEvent* event)
{
    VQBackGroundView::resizeEvent(event);
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
    backBtn()->setTitle(localized(kBackText));
    accountInputView()->textField()->setPlaceholderText(localized(kAccountPlaceholder));
    codeInputView()->textField()->setPlaceholderText(localized(kCodePlaceholder));
    for (VQInputView* field : { passwordInputView(), passwordConfirmInputView() }) {
        const QString placeholder =
            localized(field == passwordInputView() ? kPasswordPlaceholder : kConfirmPlaceholder);
        field->secureTextField()->setPlaceholderText(placeholder);
        field->textField()->setPlaceholderText(placeholder);
    }
    agreementLabel()->setText(localized(kConsentText));
    registerBtn()->setTitle(localized(kRegisterText));
    fitToTitle(backBtn(), 60, true);
    fitToTitle(registerBtn(), 85);
    placeConsent();
}

void RegisterView::checkBtnClicked(VQButton* sender)
{
    const bool on = sender->state() == 1;
    checkBtn()->setState(on ? 1 : 0);
    checkBtn()->setImageName(QString::fromLatin1(on ? kCheckOnImage : kCheckOffImage));
}

void RegisterView::backBtnClicked(VQButton*)
{
    slideBack(this);
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
