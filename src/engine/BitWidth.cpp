#include "engine/BitWidth.h"

#include <array>

namespace quillex {
namespace {

constexpr std::array<BitWidth, kBitWidthCount> kWidths{{
    {4, 15.0, 8.0, 16.0, 1},
    {8, 255.0, 128.0, 256.0, 2},
    {16, 65535.0, 32768.0, 65536.0, 4},
    {32, 4294967295.0, 2147483648.0, 4294967296.0, 8},
}};

}  // namespace

std::optional<BitWidth> BitWidthFromIndex(int index) {
    if (index < 0 || index >= kBitWidthCount) {
        return std::nullopt;
    }
    return kWidths[static_cast<std::size_t>(index)];
}

double InvertInWidth(double value, const BitWidth& width) {
    return width.maxValue - value;
}

}  // namespace quillex
