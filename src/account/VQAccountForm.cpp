#include "VQAccountForm.h"

#include "VQAccountFormKit.h"
#include "VQButton.h"
#include "VQInputView.h"
#include "VQSecureTextField.h"
#include "VQTextField.h"

using namespace VQAccountFormKit;

namespace {

constexpr int kFieldLeft = 160;
constexpr int kFieldTop = 150;
constexpr int kFieldWidth = 330;
constexpr int kFieldHeight = 35;
constexpr int kFieldGap = 30;

} // namespace

VQAccountForm::VQAccountForm(int passwordRow, int boxRow, QWidget* parent)
    : VQBackGroundView(parent)
    , m_passwordRow(passwordRow)
    , m_boxRow(boxRow)
{
    paintWhite(this);
}

QRect VQAccountForm::fieldRect(int row)
{
    return QRect(kFieldLeft, kFieldTop + row * (kFieldHeight + kFieldGap), kFieldWidth, kFieldHeight);
}

VQInputView* VQAccountForm::field(QPointer<VQInputView>& slot, int row, unsigned kind)
{
    if (!slot) {
        slot = new VQInputView(this);
        slot->setGeometry(fieldRect(row));
        slot->setInputType(kind);
    }
    return slot;
}

VQButton* VQAccountForm::backBtn()
{
    if (!m_backBtn) {
        m_backBtn = new VQButton(this);
        styleBackButton(m_backBtn);
        connect(m_backBtn, &VQButton::clicked, this, [this] { backBtnClicked(m_backBtn); });
    }
    return m_backBtn;
}

VQInputView* VQAccountForm::accountInputView()
{
    return field(m_accountInputView, 0, VQInputView::Plain);
}

VQInputView* VQAccountForm::passwordInputView()
{
    return field(m_passwordInputView, m_passwordRow, VQInputView::Password);
}

VQButton* VQAccountForm::checkBtn()
{
    if (!m_checkBtn) {
        m_checkBtn = new VQButton(this);
        const QRect above = fieldRect(m_boxRow);
        m_checkBtn->setGeometry(above.left() + 5, above.top() + above.height() + 30, 16, 16);
        connect(m_checkBtn, &VQButton::clicked, this, [this] { checkBtnClicked(m_checkBtn); });
    }
    return m_checkBtn;
}

void VQAccountForm::backBtnClicked(VQButton*)
{
    slideBack(this);
}

void VQAccountForm::checkBtnClicked(VQButton* sender)
{
    const bool on = sender->state() == 1;
    checkBtn()->setState(on ? 1 : 0);
    checkBtn()->setImageName(QString::fromLatin1(on ? kCheckOnImage : kCheckOffImage));
}

void VQAccountForm::titleSharedTexts()
{
    backBtn()->setTitle(localized(kBackText));
    accountInputView()->textField()->setPlaceholderText(localized(kAccountPlaceholder));
    passwordInputView()->secureTextField()->setPlaceholderText(localized(kPasswordPlaceholder));
    passwordInputView()->textField()->setPlaceholderText(localized(kPasswordPlaceholder));
    fitToTitle(backBtn(), 60, true);
}
