#pragma once

#include "VQTextField.h"

// A VQTextField for passwords: the input is shown masked, copying out of it is refused.
class VQSecureTextField : public VQTextField {
    Q_OBJECT
public:
    explicit VQSecureTextField(QWidget* parent = nullptr);
};
