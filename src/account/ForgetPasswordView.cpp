#include "ForgetPasswordView.h"

#include "MMLog.h"
#include "VQAccountFormKit.h"
#include "VQButton.h"
#include "VQHttpRequestManager.h"
#include "VQInputView.h"
#include "VQLabel.h"
#include "VQModifyPasswordScene.h"
#include "VQPopupWindowTool.h"

using namespace VQAccountFormKit;

ForgetPasswordView::ForgetPasswordView(QWidget* parent)
    : RegisterView(parent)
{
    checkBtn()->hide();
    agreementLabel()->hide();
    privacyBtn()->hide();
    agreementBtn()->hide();
    const QRect confirm = passwordConfirmInputView()->geometry();
    registerBtn()->setGeometry(confirm.center().x() - 85 / 2, confirm.top() + confirm.height() + 28, 85, 31);
    QPointer<ForgetPasswordView> self(this);
    codeInputView()->setGetVerifyCodeBlock([self] {
        if (self)
            self->getVerificationCode();
    });
    configTitle();
}

void ForgetPasswordView::configTitle()
{
    RegisterView::configTitle();
    registerBtn()->setTitle(localized(kResetText));
    fitToTitle(registerBtn(), 85);
}

QString ForgetPasswordView::codeType() const
{
    return QStringLiteral("RESET");
}

void ForgetPasswordView::registerBtnClicked(VQButton*)
{
    if (!checkFilledAndEqual())
        return;
    VQModifyPasswordScene scene;
    scene.setAccount(accountInputView()->stringValue());
    scene.setCode(codeInputView()->stringValue());
    scene.setPassword(passwordInputView()->stringValue());
    QPointer<ForgetPasswordView> self(this);
    VQHttpRequestManager::sharedInstance().httpRequestWithScene(scene, [self](const VQHttpResult& result) {
        if (!result.success) {
            showFailure(kResetFailedText, result);
            return;
        }
        VQLogInfo(QStringLiteral("Account: password reset"));
        VQPopupWindowTool::sharedInstance().showTipMessage(localized(kResetSuccessText),
                                                           QString::fromLatin1(kSuccessImage));
        if (self)
            self->backBtnClicked(nullptr);
    });
}
