#pragma once

#include <QValidator>

// The input rule of a text field that takes whole numbers: an edit is accepted when the whole
// resulting text is empty or reads as a 64-bit integer with an optional sign ("+" or "-") and
// nothing else (no spaces). Any other edit is refused with the system beep and the text stays
// as it was.
class OnlyIntegerValueFormatter : public QValidator {
    Q_OBJECT
public:
    explicit OnlyIntegerValueFormatter(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

    // The rule without the beep.
    static bool isAcceptable(const QString& text);
};
