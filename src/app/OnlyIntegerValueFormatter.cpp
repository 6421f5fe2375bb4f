#include "OnlyIntegerValueFormatter.h"

#include <QApplication>

OnlyIntegerValueFormatter::OnlyIntegerValueFormatter(QObject* parent)
    : QValidator(parent)
{
}

bool OnlyIntegerValueFormatter::isAcceptable(const QString& text)
{
    if (text.isEmpty())
        return true;
    // Digits only after an optional sign: toLongLong() alone would also take spaces around.
    int start = (text.front() == QLatin1Char('+') || text.front() == QLatin1Char('-')) ? 1 : 0;
    if (start >= text.size())
        return false;
    for (int i = start; i < text.size(); ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return false;
    }
    bool ok = false;
    text.toLongLong(&ok);
    return ok;
}

QValidator::State OnlyIntegerValueFormatter::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    if (isAcceptable(input))
        return Acceptable;
    QApplication::beep();
    return Invalid;
}
