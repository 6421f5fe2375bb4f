#include "VQSecureTextField.h"

VQSecureTextField::VQSecureTextField(QWidget* parent)
    : VQTextField(parent)
{
    // Password mode also keeps the text out of copy, cut and drag.
    setEchoMode(QLineEdit::Password);
    setInputMethodHints(Qt::ImhHiddenText | Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase | Qt::ImhSensitiveData);
}
