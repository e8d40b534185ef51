#include "ui/Docking.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace quillex {
namespace {

using Wide = std::int64_t;

bool Within(Wide value, Wide low, Wide high) {
    return low <= value && value <= high;
}

int Narrow(Wide value) {
    return static_cast<int>(
        std::clamp<Wide>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

DockedPosition Dock(const DockRequest& request) {
    // Wide arithmetic: the proposed position may lie anywhere in the int range.
    Wide x = request.x;
    Wide y = request.y;
    const Wide w = request.width;
    const Wide h = request.height;
    const Wide screenW = request.screenWidth;
    const Wide screenH = request.screenHeight;
    const ScreenInsets& in = request.insets;
    const Wide dx = kDockDistanceX;
    const Wide dy = kDockDistanceY;

    // Each test sees the position the previous one left.
    if (Within(x, Wide{in.left} - dx, Wide{in.left} + dx)) {
        x = in.left;
    }
    if (Within(y, -dy, Wide{in.top} + dy)) {
        y = in.top;
    }
    if (Within(x + w, screenW - in.right - dx, screenW - in.right + dx)) {
        x = screenW - w - in.right;
    }
    if (Within(y + h, screenH - in.bottom - dy, screenH - in.bottom + dy)) {
        y = screenH - h - in.bottom;
    }
    return {Narrow(x), Narrow(y)};
}

ScreenInsets InsetsFromTaskbar(int left, int top, int right, int bottom, int screenWidth) {
    ScreenInsets insets;
    const int width = Narrow(Wide{right} - left);
    const int height = Narrow(Wide{bottom} - top);
    if (top > 0 && left <= 0) {
        insets.bottom = height;
    } else if (top <= 0 && left > 0) {
        insets.right = width;
    } else if (top <= 0 && left <= 0 && right >= screenWidth) {
        insets.top = height;
    } else {
        insets.left = width;
    }
    return insets;
}

std::optional<ScreenInsets> InsetsFromAvailableArea(const AreaRect& screen,
                                                    const AreaRect& available) {
    const auto reserved = [](Wide value) { return Narrow(std::max<Wide>(0, value)); };
    ScreenInsets insets;
    insets.left = reserved(Wide{available.left} - screen.left);
    insets.top = reserved(Wide{available.top} - screen.top);
    insets.right =
        reserved((Wide{screen.left} + screen.width) - (Wide{available.left} + available.width));
    insets.bottom =
        reserved((Wide{screen.top} + screen.height) - (Wide{available.top} + available.height));
    if (insets.left == 0 && insets.top == 0 && insets.right == 0 && insets.bottom == 0) {
        return std::nullopt;
    }
    return insets;
}

bool TitleStripReachable(const AreaRect& strip, std::span<const AreaRect> areas) {
    // Wide: a stored position may lie anywhere in the int range.
    const Wide left = strip.left;
    const Wide top = strip.top;
    const Wide right = left + strip.width;
    const Wide bottom = top + strip.height;
    for (const AreaRect& area : areas) {
        const Wide areaRight = Wide{area.left} + area.width;
        const Wide areaBottom = Wide{area.top} + area.height;
        const Wide shared = std::min(right, areaRight) - std::max(left, Wide{area.left});
        if (top >= area.top && bottom <= areaBottom && shared >= kReachableTitleWidth) {
            return true;
        }
    }
    return false;
}

}  // namespace quillex
