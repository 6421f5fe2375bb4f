#pragma once

#include <QString>

namespace mm {

// A duration as hours, minutes and seconds run together, each an unpadded number followed by its
// localised unit word ("小时", "分", "秒"): "1小时1分1秒", "1小时0分" for 3600, "14分59秒",
// "1分" for 60, "0秒". Zero seconds are left out unless the duration is under a minute.
// A negative duration reads as 0 seconds.
QString secondToStr(qint64 seconds);

} // namespace mm
