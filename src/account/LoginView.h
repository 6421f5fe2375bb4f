#pragma once

#include "VQAccountForm.h"

#include <QPointer>

class VQButton;

// The sign-in form: account and password, the "记住密码" box, links to the registration and
// reset forms. The account header slides it in over the my-device page; a successful login
// stores the account state, shows "登录成功" and posts kLoginSuccessNotification, on which the
// header removes the form. The password is remembered in the desktop keyring only while the box
// is on. Main thread only.
class LoginView : public VQAccountForm {
    Q_OBJECT
public:
    // UI texts (keys of QRNLocalizedString).
    static constexpr char kRememberPasswordText[] = "记住密码";
    static constexpr char kForgetPasswordText[] = "忘记密码";
    static constexpr char kLoginText[] = "登录";
    static constexpr char kRegisterText[] = "注册";
    static constexpr char kLoginSuccessText[] = "登录成功";
    static constexpr char kLoginFailedText[] = "登录失败";

    explicit LoginView(QWidget* parent = nullptr);

    void configUI() override;
    void configTitle() override;

    VQButton* rememberPasswordBtn();
    VQButton* forgetPasswordBtn();
    VQButton* loginBtn();
    VQButton* registerBtn();

    // The box also remembers the password, or forgets it.
    void checkBtnClicked(VQButton* sender) override;
    void forgetPasswordBtnClicked(VQButton* sender);
    void loginBtnClicked(VQButton* sender);
    void registerBtnClicked(VQButton* sender);

private:
    void placeTextButtons();

    QPointer<VQButton> m_rememberPasswordBtn;
    QPointer<VQButton> m_forgetPasswordBtn;
    QPointer<VQButton> m_loginBtn;
    QPointer<VQButton> m_registerBtn;
};
