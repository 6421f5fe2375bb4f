#pragma once

#include "VQBaseView.h"
#include "VQButton.h"
#include "VQLabel.h"
#include "VQSecureTextField.h"

#include <QPointer>

#include <functional>

class QLabel;

// The password-change panel that the user centre lays over its tab area: the current password
// and the new one twice, "取消" and "保存". It checks, stores and sends nothing: "取消" hides the
// panel and then runs cancelBlock, "保存" runs sureBlock and the panel stays. The three fields
// are pre-filled once, at creation; a language change re-titles the labels and buttons and
// keeps what the user typed. Main thread only.
class VQModifyPasswordView : public VQBaseView {
    Q_OBJECT
public:
    using Block = std::function<void()>;

    // UI texts (keys of QRNLocalizedString).
    static constexpr char kOldPasswordText[] = "请输入原始密码";
    static constexpr char kNewPasswordText[] = "请输入新密码";
    static constexpr char kRepeatPasswordText[] = "请再次输入新密码";
    static constexpr char kCancelText[] = "取消";
    static constexpr char kSaveText[] = "保存";
    // What the three fields hold at creation (not localised).
    static constexpr char kPrefill[] = "123";

    explicit VQModifyPasswordView(QWidget* parent = nullptr);

    void initUIData();
    void configTitle() override;

    void setCancelBlock(Block block) { m_cancelBlock = std::move(block); }
    void setSureBlock(Block block) { m_sureBlock = std::move(block); }

    void cancelBtnClicked(VQButton* sender);
    void saveBtnClicked(VQButton* sender);

    VQLabel* tipLabel1();
    VQSecureTextField* textField1();
    VQLabel* tipLabel2();
    VQSecureTextField* textField2();
    VQLabel* tipLabel3();
    VQSecureTextField* textField3();
    VQButton* cancelBtn();
    VQButton* saveBtn();

protected:
    bool event(QEvent* event) override;

private:
    VQLabel* makeTipLabel(int top);
    VQSecureTextField* makeField(const VQLabel* tip);
    void layoutTipLabels();

    Block m_cancelBlock;
    Block m_sureBlock;
    QPointer<VQLabel> m_tipLabel1;
    QPointer<VQSecureTextField> m_textField1;
    QPointer<VQLabel> m_tipLabel2;
    QPointer<VQSecureTextField> m_textField2;
    QPointer<VQLabel> m_tipLabel3;
    QPointer<VQSecureTextField> m_textField3;
    QPointer<VQButton> m_cancelBtn;
    QPointer<VQButton> m_saveBtn;
};
