#pragma once

#include <QColor>
#include <QString>

class QWidget;
class VQButton;
struct VQHttpResult;

// What the account forms and the header share: colours, looks of their buttons, alerts and
// the slides in and out.
namespace VQAccountFormKit {

inline const QColor kAccentColor { 0, 175, 204 };
inline const QColor kTextColor { 38, 12, 12 };

// UI texts (keys of QRNLocalizedString).
// The back button's title with its arrow, which a right-to-left language turns its way.
inline constexpr char kBackText[] = "< 返回";
inline constexpr char kAccountPlaceholder[] = "手机号/邮箱";
inline constexpr char kPasswordPlaceholder[] = "密码";
inline constexpr char kEmptyInfoText[] = "信息不能为空";
inline constexpr char kFillAccountText[] = "请填写手机号/邮箱";
inline constexpr char kFillPasswordText[] = "请填写密码";
inline constexpr char kSystemErrorText[] = "系统错误";
inline constexpr char kSuccessImage[] = "success_icon";
inline constexpr char kCheckOnImage[] = "6_checkbox_sel_icon";
inline constexpr char kCheckOffImage[] = "6_checkbox_nor_icon";

// Where a form slides to when it goes back.
inline constexpr int kBackX = 1000;

QString localized(const char* key);

// A form's white background.
void paintWhite(QWidget* form);
// The back button (styled and placed at the form's top left), the accent (filled) button and
// the outlined button of the forms.
void styleBackButton(VQButton* button);
void styleAccentButton(VQButton* button);
void styleOutlinedButton(VQButton* button);
// Widens a button whose title needs more room than minimumWidth, keeping its left edge (the back
// button) or its centre (the others).
void fitToTitle(VQButton* button, int minimumWidth, bool keepLeft = false);
// A text button of the given font size and weight.
void styleTextButton(VQButton* button, int pixelSize, int weight, const QColor& color);

// The alert of a form: message and detail looked up, logged and shown.
void showAlert(const char* message, const QString& detail);
void showAlert(const char* message, const char* detail);
// The alert of a failed request: its message is the client's text for the user.
void showFailure(const char* message, const VQHttpResult& result);
// Signs the user in with the record of a successful login or registration reply; false after
// the alert under failedText when the reply signs nobody in.
bool signIn(const VQHttpResult& result, const char* failedText);

// Puts the form just right of its container's visible area and slides it in over 0.35 s.
void slideIn(QWidget* form, QWidget* container);
// Slides the form to x = 1000 with its size over 0.35 s, then removes it.
void slideBack(QWidget* form);

// "EMAIL" when the account holds "@", else "PHONE".
QString accountType(const QString& account);

} // namespace VQAccountFormKit
