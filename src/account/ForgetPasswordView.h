#pragma once

#include "RegisterView.h"

// The password reset form: the registration form without the consent step. A reset succeeds
// with the tip "修改密码成功" and slides back to the login form; nothing is stored.
class ForgetPasswordView : public RegisterView {
    Q_OBJECT
public:
    // UI texts (keys of QRNLocalizedString). "找回秘密" is the button's title as it stands.
    static constexpr char kResetText[] = "找回秘密";
    static constexpr char kResetSuccessText[] = "修改密码成功";
    static constexpr char kResetFailedText[] = "修改密码失败";

    explicit ForgetPasswordView(QWidget* parent = nullptr);

    void configTitle() override;
    void registerBtnClicked(VQButton* sender) override;

protected:
    QString codeType() const override;
};
