// A window placement as it is stored: flags, show command, minimised and maximised positions
// and the normal rectangle, written as ten comma-separated integers.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <span>

namespace quillex {

struct Placement {
    unsigned flags = 0;
    unsigned showCommand = 1;
    int minX = -1;
    int minY = -1;
    int maxX = -1;
    int maxY = -1;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    // The normal rectangle's size, in 64 bits: a rectangle edited by hand may span the whole
    // int range.
    std::int64_t Width() const { return static_cast<std::int64_t>(right) - left; }
    std::int64_t Height() const { return static_cast<std::int64_t>(bottom) - top; }
    bool operator==(const Placement&) const = default;
};

QString FormatPlacement(const Placement& placement);
// The placement when the text holds all ten fields, otherwise nothing.
std::optional<Placement> ParsePlacement(const QString& text);
// A stored placement is applied only while the window has the size it had when it was saved.
bool PlacementFits(const Placement& stored, const Placement& current);

// Where the first run puts a window of size w x h on a screen of size W x H.
struct Point {
    int x;
    int y;
};
Point FirstRunPosition(int w, int h, int screenWidth, int screenHeight);

// A rectangle on the screens: a window's frame or a screen's free area.
struct AreaRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Where a window whose frame is `frame` stands on screens with the free areas `areas`: where it
// is when it lies whole on one of them, otherwise moved, keeping its size, the shortest way
// inside one that it fits on (a placement saved at another scale or on a larger screen);
// nothing when it fits on none.
std::optional<Point> PositionOnScreens(const AreaRect& frame, std::span<const AreaRect> areas);

// Where the main window stands, as it is saved: its frame's top left corner and its placement.
struct WindowPlace {
    int frameTop = 0;
    int frameLeft = 0;
    Placement placement;
};

}  // namespace quillex
