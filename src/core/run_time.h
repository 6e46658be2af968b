#pragma once

#include <QChar>
#include <QString>
#include <array>
#include <cstdint>

namespace zn {

// Milliseconds between two readings of the 32-bit tick counter. The signed
// 32-bit difference stays right across a wrap of the counter (every ~49.7 days).
inline int32_t ElapsedMs(uint32_t from, uint32_t to) {
    return static_cast<int32_t>(to - from);
}

// "23,45": whole seconds without leading zeros, the decimal separator, and the
// hundredths as two digits. Hundredths are cut, never rounded.
QString FormatRunTime(int32_t ms, QChar decimalSeparator);

// What the five seven-segment digits of a lane show for a time.
struct LaneDigits {
    std::array<int, 5> values{}; // hundreds, tens, ones of seconds, tenths, hundredths
    bool firstBright = false;    // seconds > 99
    bool secondBright = false;   // seconds > 9
};

// The first digit takes s / 100 as it is; from 1000 s on that is out of the
// digit's range and the digit itself falls back to 0.
LaneDigits SplitLaneTime(int32_t ms);

} // namespace zn
