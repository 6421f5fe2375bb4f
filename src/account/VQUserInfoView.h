#pragma once

#include "VQBaseView.h"
#include "VQButton.h"
#include "VQLabel.h"

#include <QPointer>

#include <functional>

// The strip at the top of the user centre: the nickname with "修改密码" on the left, the usable
// minutes with "充值" on the right. It shows fixed texts and reads no account data; its buttons
// run the blocks its owner gives it, when set. Main thread only.
class VQUserInfoView : public VQBaseView {
    Q_OBJECT
public:
    using Block = std::function<void()>;

    // UI texts (keys of QRNLocalizedString).
    static constexpr char kNickNameText[] = "昵称";
    static constexpr char kModifyPasswordText[] = "修改密码";
    static constexpr char kDurationTipText[] = "可用时长(分钟):";
    static constexpr char kDurationText[] = "1024";
    static constexpr char kRechargeText[] = "充值";

    explicit VQUserInfoView(QWidget* parent = nullptr);

    void initUIData();
    // Sets all five texts again, the nickname and the minutes included.
    void configTitle() override;

    void setModifyPasswordBlock(Block block) { m_modifyPasswordBlock = std::move(block); }
    void setRechargeBlock(Block block) { m_rechargeBlock = std::move(block); }

    void modifyPasswordBtnClicked(VQButton* sender);
    void rechargeBtnClicked(VQButton* sender);

    VQLabel* nickNameLabel();
    VQButton* modifyPasswordBtn();
    VQLabel* durtionTimeTipLabel();
    VQLabel* durtionTimeLabel();
    VQButton* rechargeBtn();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Places the views; the labels and the left button take the width of their text, the
    // minutes grow to the left of the recharge button.
    void layoutControls();

    Block m_modifyPasswordBlock;
    Block m_rechargeBlock;
    QPointer<VQLabel> m_nickNameLabel;
    QPointer<VQButton> m_modifyPasswordBtn;
    QPointer<VQLabel> m_durtionTimeTipLabel;
    QPointer<VQLabel> m_durtionTimeLabel;
    QPointer<VQButton> m_rechargeBtn;
};
