#include "store/Placement.h"

#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace quillex {
namespace {

// One field of a placement string: blanks around the number are allowed, anything else in
// the field is not. Unsigned fields take no sign.
template <typename T>
std::optional<T> ParseField(const QString& field) {
    const QString text = field.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        if (negative && !std::numeric_limits<T>::is_signed) {
            return std::nullopt;
        }
        ++i;
    }
    if (i == text.size()) {
        return std::nullopt;
    }
    constexpr std::int64_t kMax = static_cast<std::int64_t>(std::numeric_limits<T>::max());
    const std::int64_t limit = negative ? kMax + 1 : kMax;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c - u'0');
        if (value > limit) {
            return std::nullopt;
        }
    }
    return static_cast<T>(negative ? -value : value);
}

}  // namespace

QString FormatPlacement(const Placement& p) {
    return QString::asprintf("%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", p.flags, p.showCommand, p.minX,
                             p.minY, p.maxX, p.maxY, p.left, p.top, p.right, p.bottom);
}

std::optional<Placement> ParsePlacement(const QString& text) {
    const QStringList fields = text.split(u',');
    if (fields.size() != 10) {
        return std::nullopt;
    }
    std::optional<unsigned> unsignedFields[2];
    std::optional<int> intFields[8];
    for (int i = 0; i < 2; ++i) {
        unsignedFields[i] = ParseField<unsigned>(fields[i]);
        if (!unsignedFields[i]) {
            return std::nullopt;
        }
    }
    for (int i = 0; i < 8; ++i) {
        intFields[i] = ParseField<int>(fields[i + 2]);
        if (!intFields[i]) {
            return std::nullopt;
        }
    }
    Placement p;
    p.flags = *unsignedFields[0];
    p.showCommand = *unsignedFields[1];
    p.minX = *intFields[0];
    p.minY = *intFields[1];
    p.maxX = *intFields[2];
    p.maxY = *intFields[3];
    p.left = *intFields[4];
    p.top = *intFields[5];
    p.right = *intFields[6];
    p.bottom = *intFields[7];
    return p;
}

bool PlacementFits(const Placement& stored, const Placement& current) {
    return stored.Width() == current.Width() && stored.Height() == current.Height();
}

Point FirstRunPosition(int w, int h, int screenWidth, int screenHeight) {
    const std::int64_t x = (static_cast<std::int64_t>(screenWidth) - w) / 2;
    const std::int64_t y = (static_cast<std::int64_t>(screenHeight) - h) / 3;
    return Point{static_cast<int>(x), static_cast<int>(y)};
}

std::optional<Point> PositionOnScreens(const AreaRect& frame, std::span<const AreaRect> areas) {
    // Wide: a stored position may lie anywhere in the int range.
    using Wide = std::int64_t;
    std::optional<Point> nearest;
    Wide shortest = 0;
    for (const AreaRect& area : areas) {
        if (frame.width > area.width || frame.height > area.height) {
            continue;
        }
        const Wide x =
            std::clamp<Wide>(frame.left, area.left, Wide{area.left} + area.width - frame.width);
        const Wide y =
            std::clamp<Wide>(frame.top, area.top, Wide{area.top} + area.height - frame.height);
        const Wide move = std::abs(x - frame.left) + std::abs(y - frame.top);
        if (!nearest || move < shortest) {
            nearest = Point{static_cast<int>(x), static_cast<int>(y)};
            shortest = move;
        }
    }
    return nearest;
}

}  // namespace quillex
