#include "MMTimeText.h"

#include "QRNLocalizedString.h"

namespace {

const char* const kHourUnitText = "小时";
const char* const kMinuteUnitText = "分";
const char* const kSecondUnitText = "秒";

QString unit(const char* text)
{
    return QRNLocalizedString::qrnAppLocalizedString(QString::fromUtf8(text));
}

} // namespace

namespace mm {

QString secondToStr(qint64 seconds)
{
    if (seconds < 0)
        seconds = 0;
    const qint64 hours = seconds / 3600;
    const qint64 minutes = seconds % 3600 / 60;
    const qint64 rest = seconds % 60;

    QString text;
    if (hours > 0)
        text += QString::number(hours) + unit(kHourUnitText);
    if (hours > 0 || minutes > 0)
        text += QString::number(minutes) + unit(kMinuteUnitText);
    if (rest > 0 || text.isEmpty())
        text += QString::number(rest) + unit(kSecondUnitText);
    return text;
}

} // namespace mm
