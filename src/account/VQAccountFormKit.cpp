#include "VQAccountFormKit.h"

#include "MMLog.h"
#include "MMViewGeometry.h"
#include "QRNLocalizedString.h"
#include "VQButton.h"
#include "VQHttpResult.h"
#include "VQLoginResultModel.h"
#include "VQToolManager.h"
#include "VQUserInfoData.h"

#include <QFont>
#include <QPalette>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace VQAccountFormKit {

QString localized(const char* key)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(key));
}

void styleTextButton(VQButton* button, int pixelSize, int weight, const QColor& color)
{
    QFont font = button->font();
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Weight(weight));
    button->setFont(font);
    button->setTitleColor(color);
}

void fitToTitle(VQButton* button, int minimumWidth, bool keepLeft)
{
    const QRect frame = button->geometry();
    const int width = std::max(minimumWidth, button->sizeHint().width());
    const int left = keepLeft ? frame.left() : frame.left() + (frame.width() - width) / 2;
    button->setGeometry(left, frame.top(), width, frame.height());
}

void paintWhite(QWidget* form)
{
    form->setAutoFillBackground(true);
    QPalette white = form->palette();
    white.setColor(QPalette::Window, Qt::white);
    form->setPalette(white);
}

void styleBackButton(VQButton* button)
{
    styleTextButton(button, 12, QFont::Normal, kAccentColor);
    button->setGeometry(25, 20, 60, 40);
}

void styleAccentButton(VQButton* button)
{
    styleTextButton(button, 14, QFont::Normal, Qt::white);
    button->setBackgroundColor(kAccentColor);
    button->setCornerRadius(4);
}

void styleOutlinedButton(VQButton* button)
{
    styleTextButton(button, 14, QFont::Normal, kTextColor);
    button->setBackgroundColor(Qt::white);
    button->setBorderColor(kAccentColor);
    button->setBorderWidth(1);
    button->setCornerRadius(4);
}

void showAlert(const char* message, const QString& detail)
{
    const QString text = localized(message);
    VQLogWarn(QStringLiteral("Account: %1 (%2)").arg(text, detail));
    VQToolManager::sharedInstance().showErrorMsg(text, detail);
}

void showAlert(const char* message, const char* detail)
{
    showAlert(message, detail && *detail ? localized(detail) : QString());
}

void showFailure(const char* message, const VQHttpResult& result)
{
    showAlert(message, result.message.isEmpty() ? localized(kSystemErrorText) : result.message);
}

bool signIn(const VQHttpResult& result, const char* failedText)
{
    if (!result.success) {
        showFailure(failedText, result);
        return false;
    }
    auto record = VQLoginResultModel::fromJson(result.data);
    if (!record) {
        // A success without a record cannot sign anybody in.
        showAlert(failedText, kSystemErrorText);
        return false;
    }
    VQUserInfoData& data = VQUserInfoData::sharedInstance();
    data.setIsLogin(true);
    data.setLoginResult(record);
    return true;
}

void slideIn(QWidget* form, QWidget* container)
{
    const int w = container->width();
    const int h = container->height();
    form->setParent(container);
    form->setGeometry(w, 0, w, h);
    form->show();
    form->raise();
    mm::moveAnimationWithView(form, QRect(0, 0, w, h));
}

void slideBack(QWidget* form)
{
    QPointer<QWidget> guard(form);
    mm::moveAnimationWithView(form, QRect(kBackX, 0, form->width(), form->height()), [guard] {
        if (!guard)
            return;
        guard->hide();
        guard->setParent(nullptr);
        guard->deleteLater();
    });
}

QString accountType(const QString& account)
{
    return account.contains(QLatin1Char('@')) ? QStringLiteral("EMAIL") : QStringLiteral("PHONE");
}

} // namespace VQAccountFormKit
