#pragma once

#include "VQAccountForm.h"

#include <QPointer>

class VQButton;
class VQInputView;
class VQLabel;

// The registration form: account, a verification code sent to it, a password entered twice
// and the consent to the privacy policy and the user agreement. It lives inside the login
// form, slid in over it; a successful registration signs the user in and posts
// kLoginSuccessNotification (no tip). Main thread only.
class RegisterView : public VQAccountForm {
    Q_OBJECT
public:
    // UI texts (keys of QRNLocalizedString).
    static constexpr char kCodePlaceholder[] = "验证码";
    static constexpr char kConfirmPlaceholder[] = "再次输入密码";
    static constexpr char kConsentText[] = "我已阅读并同意<<Corvane隐私政策>>及<<Corvane用户服务协议>>";
    static constexpr char kConsentAlertText[] = "请先阅读并同意<<Corvane隐私政策>>及<<Corvane用户服务协议>>";
    static constexpr char kRegisterText[] = "注册";
    static constexpr char kFillCodeText[] = "请填写验证码";
    static constexpr char kFillConfirmText[] = "请填写确认密码";
    static constexpr char kMismatchText[] = "两次输入密码不一致";
    static constexpr char kCodeFailedText[] = "获取验证码失败";
    static constexpr char kRegisterFailedText[] = "注册失败";
    // The two pages of the maker's web site.
    static constexpr char kPrivacyPath[] = "/software/opalnote/explain/views/yhxy.html";
    static constexpr char kAgreementPath[] = "/software/opalnote/explain/views/yszc.html";

    explicit RegisterView(QWidget* parent = nullptr);

    void configUI() override;
    void configTitle() override;

    VQInputView* codeInputView();
    VQInputView* passwordConfirmInputView();
    VQLabel* agreementLabel();
    VQButton* privacyBtn();
    VQButton* agreementBtn();
    VQButton* registerBtn();

    virtual void registerBtnClicked(VQButton* sender);
    void scanPrivacy(VQButton* sender);
    void scanAgreement(VQButton* sender);
    // Asks the server for a code for the account (run by the code field's get-code button).
    void getVerificationCode();

protected:
    // "REGISTER" here, "RESET" in the reset form.
    virtual QString codeType() const;
    // The checks shared with the reset form (1 to 5); false after showing the first failing
    // one's alert.
    bool checkFilledAndEqual();
    // The consent line beside its box, wrapped where it would run past the form's right margin.
    void placeConsent();
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointer<VQInputView> m_codeInputView;
    QPointer<VQInputView> m_passwordConfirmInputView;
    QPointer<VQLabel> m_agreementLabel;
    QPointer<VQButton> m_privacyBtn;
    QPointer<VQButton> m_agreementBtn;
    QPointer<VQButton> m_registerBtn;
};
