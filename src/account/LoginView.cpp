#include "LoginView.h"

#include "ForgetPasswordView.h"
#include "MMLog.h"
#include "NotificationCenter.h"
#include "RegisterView.h"
#include "VQAccountFormKit.h"
#include "VQButton.h"
#include "VQHttpRequestManager.h"
#include "VQInputView.h"
#include "VQLabel.h"
#include "VQLoginScene.h"
#include "VQNotificationNames.h"
#include "VQPopupWindowTool.h"
#include "VQRememberedPassword.h"
#include "VQUserInfoData.h"

#include <QFont>

using namespace VQAccountFormKit;

namespace {

constexpr int kTextButtonGap = 12;

// The reply of a login, handled without the form: it may have gone back meanwhile. What is
// stored is what was sent.
void loginReplied(const VQHttpResult& result, const QString& account, const QString& password)
{
    VQUserInfoData& data = VQUserInfoData::sharedInstance();
    const QString previousAccount = data.account();
    if (!signIn(result, LoginView::kLoginFailedText))
        return;
    data.setAccount(account);
    data.setPassword(password);
    VQRememberedPassword::loginSucceeded(previousAccount, account, password, data.rememberPasswordSwitch());
    VQLogInfo(QStringLiteral("Account: signed in"));
    VQPopupWindowTool::sharedInstance().showTipMessage(localized(LoginView::kLoginSuccessText),
                                                       QString::fromLatin1(kSuccessImage));
    NotificationCenter::defaultCenter().post(QString::fromLatin1(vq::kLoginSuccessNotification));
}

} // namespace

LoginView::LoginView(QWidget* parent)
    : VQAccountForm(1, 1, parent)
{
    configUI();
    configTitle();
}

VQButton* LoginView::rememberPasswordBtn()
{
    if (!m_rememberPasswordBtn) {
        m_rememberPasswordBtn = new VQButton(this);
        styleTextButton(m_rememberPasswordBtn, 16, QFont::Light, kTextColor);
        connect(m_rememberPasswordBtn, &VQButton::clicked, this, [this] { checkBtnClicked(m_rememberPasswordBtn); });
    }
    return m_rememberPasswordBtn;
}

VQButton* LoginView::forgetPasswordBtn()
{
    if (!m_forgetPasswordBtn) {
        m_forgetPasswordBtn = new VQButton(this);
        styleTextButton(m_forgetPasswordBtn, 16, QFont::Light, kAccentColor);
        connect(m_forgetPasswordBtn, &VQButton::clicked, this, [this] { forgetPasswordBtnClicked(m_forgetPasswordBtn); });
    }
    return m_forgetPasswordBtn;
}

VQButton* LoginView::loginBtn()
{
    if (!m_loginBtn) {
        m_loginBtn = new VQButton(this);
        styleAccentButton(m_loginBtn);
        const QRect password = passwordInputView()->geometry();
        const int top = checkBtn()->geometry().bottom() + 1 + 40;
        m_loginBtn->setGeometry(password.center().x() - 100 - 85 / 2, top, 85, 31);
        connect(m_loginBtn, &VQButton::clicked, this, [this] { loginBtnClicked(m_loginBtn); });
    }
    return m_loginBtn;
}

VQButton* LoginView::registerBtn()
{
    if (!m_registerBtn) {
        m_registerBtn = new VQButton(this);
        styleOutlinedButton(m_registerBtn);
        const QRect password = passwordInputView()->geometry();
        m_registerBtn->setGeometry(password.center().x() + 100 - 85 / 2, loginBtn()->y(), 85, 31);
        connect(m_registerBtn, &VQButton::clicked, this, [this] { registerBtnClicked(m_registerBtn); });
    }
    return m_registerBtn;
}

void LoginView::placeTextButtons()
{
    const QRect check = checkBtn()->geometry();
    const int rememberWidth = rememberPasswordBtn()->sizeHint().width();
    rememberPasswordBtn()->setGeometry(check.right() + 1 + 13, check.center().y() - 10 + 1, rememberWidth, 20);
    const int forgetWidth = forgetPasswordBtn()->sizeHint().width();
    const QRect password = passwordInputView()->geometry();
    // Both on the row under the password field, or the second one line lower where a
    // language's titles would meet.
    const QRect remember = rememberPasswordBtn()->geometry();
    const bool shareRow = remember.right() + 1 + kTextButtonGap <= password.right() + 1 - forgetWidth;
    forgetPasswordBtn()->setGeometry(password.right() + 1 - forgetWidth, remember.y() + (shareRow ? 0 : remember.height() + 2), forgetWidth, 20);
}

void LoginView::configUI()
{
    VQUserInfoData& data = VQUserInfoData::sharedInstance();
    if (data.rememberPasswordSwitch()) {
        checkBtn()->setState(1);
        accountInputView()->setStringValue(data.account());
        if (!data.password().isEmpty()) {
            passwordInputView()->setStringValue(data.password());
        } else {
            // The keyring answers later; what the user has typed by then is kept.
            QPointer<LoginView> self(this);
            const QString account = data.account();
            VQRememberedPassword::load(account, [self, account](const QString& password) {
                if (!self || self->passwordInputView()->isEdited()
                    || self->accountInputView()->stringValue() != account)
                    return;
                self->passwordInputView()->setStringValue(password);
            });
        }
    } else {
        checkBtn()->setState(0);
    }
    backBtn();
    loginBtn();
    registerBtn();
    checkBtnClicked(checkBtn());
}

void LoginView::configTitle()
{
    titleSharedTexts();
    rememberPasswordBtn()->setTitle(localized(kRememberPasswordText));
    forgetPasswordBtn()->setTitle(localized(kForgetPasswordText));
    for (VQButton* button : { rememberPasswordBtn(), forgetPasswordBtn() }) {
        QFont light = button->font();
        light.setWeight(QFont::Light);
        button->setFont(VQLabel::fontForText(light, button->title()));
    }
    loginBtn()->setTitle(localized(kLoginText));
    registerBtn()->setTitle(localized(kRegisterText));
    fitToTitle(loginBtn(), 85);
    fitToTitle(registerBtn(), 85);
    placeTextButtons();
}

void LoginView::checkBtnClicked(VQButton* sender)
{
    VQAccountForm::checkBtnClicked(sender);
    VQUserInfoData& data = VQUserInfoData::sharedInstance();
    const bool on = sender->state() == 1;
    rememberPasswordBtn()->setState(on ? 1 : 0);
    const bool wasOn = data.rememberPasswordSwitch();
    data.setRememberPasswordSwitch(on);
    if (wasOn && !on)
        VQRememberedPassword::forget(data.account());
}

void LoginView::forgetPasswordBtnClicked(VQButton*)
{
    slideIn(new ForgetPasswordView, this);
}

void LoginView::registerBtnClicked(VQButton*)
{
    slideIn(new RegisterView, this);
}

void LoginView::loginBtnClicked(VQButton*)
{
    const QString account = accountInputView()->stringValue();
    const QString password = passwordInputView()->stringValue();
    if (account.isEmpty()) {
        showAlert(kEmptyInfoText, kFillAccountText);
        return;
    }
    if (password.isEmpty()) {
        showAlert(kEmptyInfoText, kFillPasswordText);
        return;
    }
    VQLoginScene scene;
    scene.setAccount(account);
    scene.setPassword(password);
    VQHttpRequestManager::sharedInstance().httpRequestWithScene(
        scene, [account, password](const VQHttpResult& result) { loginReplied(result, account, password); });
}
