#include "core/run_time.h"

namespace zn {

QString FormatRunTime(int32_t ms, QChar decimalSeparator) {
    const int32_t hundredths = (ms / 10) % 100;
    return QString::number(ms / 1000) + decimalSeparator +
           QString::number(hundredths).rightJustified(2, u'0');
}

LaneDigits SplitLaneTime(int32_t ms) {
    const int32_t c = ms / 10;
    const int32_t s = c / 100;
    const int32_t h = c % 100;
    LaneDigits d;
    d.values = {static_cast<int>(s / 100), static_cast<int>((s / 10) % 10), static_cast<int>(s % 10),
                static_cast<int>(h / 10), static_cast<int>(h % 10)};
    d.firstBright = s > 99;
    d.secondBright = s > 9;
    return d;
}

} // namespace zn
