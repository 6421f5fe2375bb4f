#pragma once

#include "VQBaseView.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQTextField.h"

#include <QPointer>
#include <QLabel>

// The phone sign-in view: sign-in with a verification code or with a password, a phone-number
// field, the code or password field with "获取验证码" beside it, and a QR code of the maker's web
// site on the right. It checks, stores and sends nothing; the get-code button does nothing.
// The phone field takes integers only; the second field takes integers only in the code mode
// and any text, masked, in the password mode. A re-title keeps the texts of the chosen mode.
// Main thread only.
class VQLoginView : public VQBaseView {
    Q_OBJECT
public:
    // UI texts (keys of QRNLocalizedString).
    static constexpr char kCodeLoginText[] = "验证码登录";
    static constexpr char kPasswordLoginText[] = "密码登录";
    static constexpr char kPhoneText[] = "手机号";
    static constexpr char kPhonePlaceholder[] = "请输入手机号";
    static constexpr char kGetCodeText[] = "获取验证码";
    static constexpr char kCodeText[] = "验证码";
    static constexpr char kCodePlaceholder[] = "请输入验证码";
    static constexpr char kPasswordText[] = "密码";
    static constexpr char kPasswordPlaceholder[] = "请输入密码";
    static constexpr char kScanText[] = "扫一扫";
    static constexpr char kLoginNowText[] = "立即登录";
    // The image in the middle of the QR code, and the code's size.
    static constexpr char kQrCenterImage[] = "Icon";
    static constexpr int kQrSize = 100;

    explicit VQLoginView(QWidget* parent = nullptr);

    // Fills the QR code with the web-site address and chooses the code mode. Runs its steps once.
    void initUIData();
    void configTitle() override;
    // The action of both mode buttons: the code mode for verificationCodeBtn, the password mode
    // for any other sender. Clears the second field in both cases.
    void changeLoginMode(VQButton* sender);
    // Does nothing.
    void authCodeBtnClicked(VQButton* sender);

    bool isPasswordMode() const { return m_passwordMode; }
    // The address the QR code shows.
    static QString qrCodeAddress();

    VQButton* verificationCodeBtn();
    VQButton* passwordBtn();
    VQLabel* phoneNumLabel();
    VQTextField* phoneNumTextField();
    VQButton* authCodeBtn();
    VQLabel* authCodeLabel();
    VQTextField* authCodeTextField();
    QWidget* qrCodeView();
    QLabel* qrCodeImageView();
    VQLabel* qrCodeLabel1();
    VQLabel* qrCodeLabel2();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void setModeTexts();
    void layoutControls();

    bool m_passwordMode = false;
    bool m_dataReady = false;
    QPointer<VQButton> m_verificationCodeBtn;
    QPointer<VQButton> m_passwordBtn;
    QPointer<QLabel> m_divider;
    QPointer<VQLabel> m_phoneNumLabel;
    QPointer<VQTextField> m_phoneNumTextField;
    QPointer<QLabel> m_phoneUnderline;
    QPointer<VQButton> m_authCodeBtn;
    QPointer<VQLabel> m_authCodeLabel;
    QPointer<VQTextField> m_authCodeTextField;
    QPointer<QLabel> m_authCodeUnderline;
    QPointer<QWidget> m_qrCodeView;
    QPointer<QLabel> m_qrCodeImageView;
    QPointer<VQLabel> m_qrCodeLabel1;
    QPointer<VQLabel> m_qrCodeLabel2;
};
