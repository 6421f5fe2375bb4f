#pragma once

#include "VQBackGroundView.h"

#include <QPointer>
#include <QRect>

class VQButton;
class VQInputView;

// What the sign-in, registration and reset forms share: a white form with the back button at its
// top left (it slides the form back out), input fields on the rows of one column (the account on
// the first) and a check box under one of them. Main thread only.
class VQAccountForm : public VQBackGroundView {
    Q_OBJECT
public:
    VQButton* backBtn();
    VQInputView* accountInputView();
    VQInputView* passwordInputView();
    VQButton* checkBtn();

    void backBtnClicked(VQButton* sender);
    // Shows the box as the clicked button's state says (1 on, 0 off).
    virtual void checkBtnClicked(VQButton* sender);

protected:
    // The password field stands on passwordRow, the check box under the field of boxRow.
    VQAccountForm(int passwordRow, int boxRow, QWidget* parent);

    // The frame of the field on a row (0 the account's).
    static QRect fieldRect(int row);
    // The field kept in slot, made on its row with its input kind the first time.
    VQInputView* field(QPointer<VQInputView>& slot, int row, unsigned kind);
    // Titles the back button and the account and password fields.
    void titleSharedTexts();

private:
    const int m_passwordRow;
    const int m_boxRow;
    QPointer<VQButton> m_backBtn;
    QPointer<VQInputView> m_accountInputView;
    QPointer<VQInputView> m_passwordInputView;
    QPointer<VQButton> m_checkBtn;
};
