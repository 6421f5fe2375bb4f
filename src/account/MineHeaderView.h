#pragma once

#include "VQBaseView.h"

#include <QPointer>

class QLabel;
class VQButton;
class VQLabel;

// The account strip at the top of the my-device page: avatar, name, location line, expiry
// date and the login button (the recharge button once signed in). Its login button opens the
// login form in the widget holding the header (the page's view); on kLoginSuccessNotification
// it removes every account form there and fetches the member information. Main thread only.
class MineHeaderView : public VQBaseView {
    Q_OBJECT
public:
    // UI texts (keys of QRNLocalizedString).
    static constexpr char kPleaseLoginText[] = "请先登录";
    static constexpr char kLocationText[] = "位置";
    static constexpr char kLoginText[] = "登录";
    static constexpr char kRechargeText[] = "充值";
    // The expiry line: the translation places the date.
    static constexpr char kExpiryText[] = "到期时间:%1";
    static constexpr char kUserInfoFailedText[] = "获取用户信息失败";
    static constexpr char kDatePattern[] = "yyyy-MM-dd";
    // Images.
    static constexpr char kAvatarImage[] = "6_headerDefault_icon";
    static constexpr char kLocationImage[] = "6_location_icon";

    static constexpr int kHeight = 110;

    explicit MineHeaderView(QWidget* parent = nullptr);

    void configUI() override;
    void configTitle() override;
    void configData() override;

    void loginSuccess();
    void getUserInfo();
    void loginBtnClicked(VQButton* sender);
    void rechargeBtnClicked(VQButton* sender);

    QLabel* headerImageView();
    VQLabel* nameLabel();
    QLabel* locationImageView();
    VQLabel* locationLabel();
    VQLabel* moneyLabel();
    VQButton* loginBtn();
    VQButton* rechargeBtn();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Name and expiry line from the signed-in state.
    void showAccountState();
    void layoutControls();

    QPointer<QLabel> m_headerImageView;
    QPointer<VQLabel> m_nameLabel;
    QPointer<QLabel> m_locationImageView;
    QPointer<VQLabel> m_locationLabel;
    QPointer<VQLabel> m_moneyLabel;
    QPointer<VQButton> m_loginBtn;
    QPointer<VQButton> m_rechargeBtn;
};
