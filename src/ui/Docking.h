// Docking of the main window to the screen edges: a window dropped within 30 pixels of an
// edge of the free screen area snaps to that edge.
#pragma once

#include <optional>
#include <span>

#include "store/Placement.h"

namespace quillex {

struct ScreenInsets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct DockRequest {
    int x;  // proposed position of the frame
    int y;
    int width;  // current frame size
    int height;
    int screenWidth;  // primary screen size
    int screenHeight;
    ScreenInsets insets;  // screen edges reserved by panels
};

inline constexpr int kDockDistanceX = 30;
inline constexpr int kDockDistanceY = 30;

struct DockedPosition {
    int x;
    int y;
};

DockedPosition Dock(const DockRequest& request);

// The insets of a taskbar rectangle on a screen of the given width: only the edge it lies on
// gets an inset.
ScreenInsets InsetsFromTaskbar(int left, int top, int right, int bottom, int screenWidth);

// The insets of the screen edges that panels reserve: the difference between the whole screen
// and its free area. Nothing when no edge is reserved (no panel: the window moves freely).
std::optional<ScreenInsets> InsetsFromAvailableArea(const AreaRect& screen,
                                                    const AreaRect& available);

// The least width of a window's title strip that must lie on a screen, over its full height,
// for the user to reach the window and drag it.
inline constexpr int kReachableTitleWidth = 50;

// Whether the title strip lies at least kReachableTitleWidth pixels wide and over its full
// height on one of the free screen areas.
bool TitleStripReachable(const AreaRect& strip, std::span<const AreaRect> areas);

}  // namespace quillex
