#pragma once

#include "VQBaseView.h"
#include "VQButton.h"
#include "VQLoginView.h"
#include "VQModifyPasswordView.h"
#include "VQPersonThesaurusView.h"
#include "VQRechargeRecordView.h"
#include "VQRechargeView.h"
#include "VQUserInfoView.h"

#include <QList>
#include <QPointer>

#include <functional>

// The user centre: the user-information strip at the top, four tab buttons down the left, the
// page of the chosen tab right of them, and the password-change and recharge panels that the
// strip opens over the tab area in place of the page (cancel returns to the chosen tab). It
// holds a phone sign-in view over its whole area, hidden. It reads no account data and sends
// nothing. The pages of tabs 1 and 2 (transcription) come from factories that the composition
// root sets; without one the tab shows its empty area. Main thread only.
class VQPersonCenterView : public VQBaseView {
    Q_OBJECT
public:
    using PageFactory = std::function<QWidget*(QWidget* parent)>;

    // UI texts (keys of QRNLocalizedString).
    static constexpr char kTransferAudioText[] = "转写音频";
    static constexpr char kTransferRecordText[] = "转写记录";
    static constexpr char kPersonThesaurusText[] = "个人词库";
    static constexpr char kRechargeRecordText[] = "充值记录";

    static constexpr int kInfoHeight = 70;
    static constexpr int kTabLeft = 20;
    static constexpr int kTabGap = 40;
    static constexpr int kTabHeight = 20;
    static constexpr int kPageLeft = 140;
    static constexpr int kRechargeLeft = 100;
    static constexpr int kRechargeWidth = 375;

    // The makers of the transcription pages of tabs 1 and 2; an empty factory (the default)
    // leaves the tab empty. Read when a user centre is created.
    static void setTransferAudioViewFactory(PageFactory factory);
    static void setTransferRecordViewFactory(PageFactory factory);

    explicit VQPersonCenterView(QWidget* parent = nullptr);

    void initUIData();
    void configTitle() override;
    // The action of the four tabs: highlights the button when it is one of them, hides both
    // panels and every page, then shows the page of the button's tag (1 to 4), if any.
    void selectItem(VQButton* sender);

    VQLoginView* loginView();
    VQUserInfoView* userInfoView();
    VQButton* transferAudioBtn();
    VQButton* transferRecordBtn();
    VQButton* personThesaurusBtn();
    VQButton* rechargeRecordBtn();
    QList<VQButton*> btnArray() const;
    VQModifyPasswordView* modifyPasswordView();
    VQRechargeView* rechargeView();
    QWidget* transferAudioView();
    QWidget* transferRecordView() const { return m_transferRecordView; }
    VQPersonThesaurusView* personThesaurusView() const { return m_personThesaurusView; }
    VQRechargeRecordView* rechargeRecordView() const { return m_rechargeRecordView; }
    VQButton* currentSelectBtn() const { return m_currentSelectBtn; }

    // The colours of a chosen and of another tab's title.
    static QColor selectedTitleColor();
    static QColor normalTitleColor();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    VQButton* makeTabButton(int tag);
    void showModifyPassword();
    void showRecharge();
    void layoutControls();

    QPointer<VQLoginView> m_loginView;
    QPointer<VQUserInfoView> m_userInfoView;
    QPointer<VQButton> m_transferAudioBtn;
    QPointer<VQButton> m_transferRecordBtn;
    QPointer<VQButton> m_personThesaurusBtn;
    QPointer<VQButton> m_rechargeRecordBtn;
    QList<QPointer<VQButton>> m_btnArray;
    QPointer<VQModifyPasswordView> m_modifyPasswordView;
    QPointer<VQRechargeView> m_rechargeView;
    QPointer<QWidget> m_transferAudioView;
    bool m_transferAudioViewMade = false;
    QPointer<QWidget> m_transferRecordView;
    QPointer<VQPersonThesaurusView> m_personThesaurusView;
    QPointer<VQRechargeRecordView> m_rechargeRecordView;
    QPointer<VQButton> m_currentSelectBtn;
};
