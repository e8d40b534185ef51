// The programmer's word width: 4, 8, 16 or 32 bits, held as the index 0..3 by the settings,
// the main window and the expression engine.
#pragma once

#include <optional>

namespace quillex {

struct BitWidth {
    int bits;         // 4, 8, 16 or 32
    double maxValue;  // largest value, 2^bits - 1
    double signBit;   // value of the highest bit, 2^(bits - 1)
    double bound;     // first value that overflows, 2^bits
    int hexDigits;    // bits / 4
};

inline constexpr int kBitWidthCount = 4;

// The width of an index 0..3; no width for any other index (each caller decides what that means).
std::optional<BitWidth> BitWidthFromIndex(int index);

// One's complement inside the width, in double arithmetic: maxValue - value. A value outside
// 0..maxValue gives a result outside it; nothing wraps around.
double InvertInWidth(double value, const BitWidth& width);

}  // namespace quillex
