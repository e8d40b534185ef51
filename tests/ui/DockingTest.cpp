#include <gtest/gtest.h>

#include <limits>

#include "ui/Docking.h"

namespace quillex {
namespace {

constexpr int kW = 1024;
constexpr int kH = 768;
constexpr int kWindowW = 330;
constexpr int kWindowH = 420;

// A taskbar 30 pixels high along the bottom of a 1024 x 768 screen.
ScreenInsets BottomTaskbar() {
    return InsetsFromTaskbar(0, kH - 30, kW, kH, kW);
}

DockedPosition DockAt(int x, int y, ScreenInsets insets) {
    return Dock({x, y, kWindowW, kWindowH, kW, kH, insets});
}

TEST(DockingTest, TaskbarEdgeGivesOneInset) {
    const struct {
        const char* where;
        int left, top, right, bottom;
        ScreenInsets expected;
    } cases[] = {
        {"bottom", 0, 738, 1024, 768, {0, 0, 0, 30}},
        {"bottom, hanging off the left", -2, 738, 1026, 770, {0, 0, 0, 32}},
        {"right", 964, 0, 1024, 768, {0, 0, 60, 0}},
        {"top", 0, 0, 1024, 28, {0, 28, 0, 0}},
        {"left", 0, 0, 70, 768, {70, 0, 0, 0}},
        {"not touching the top-left corner", 100, 100, 300, 130, {200, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const ScreenInsets insets = InsetsFromTaskbar(c.left, c.top, c.right, c.bottom, kW);
        EXPECT_EQ(insets.left, c.expected.left) << c.where;
        EXPECT_EQ(insets.top, c.expected.top) << c.where;
        EXPECT_EQ(insets.right, c.expected.right) << c.where;
        EXPECT_EQ(insets.bottom, c.expected.bottom) << c.where;
    }
}

TEST(DockingTest, SnapsToTheEdgesOfABottomTaskbarScreen) {
    const struct {
        const char* what;
        int x, y;
        int expectedX, expectedY;
    } cases[] = {
        {"left edge at 25", 25, 200, 0, 200},
        {"left edge at -30", -30, 200, 0, 200},
        {"left edge at 31 stays", 31, 200, 31, 200},
        {"top at -20", 300, -20, 300, 0},
        {"top at 30", 300, 30, 300, 0},
        {"top at -31 stays", 300, -31, 300, -31},
        {"right edge 20 px short", kW - kWindowW - 20, 200, kW - kWindowW, 200},
        {"right edge 30 px beyond", kW - kWindowW + 30, 200, kW - kWindowW, 200},
        {"lower edge 20 px below the taskbar's top", 300, 738 - kWindowH + 20, 300, 738 - kWindowH},
        {"lower edge 30 px above the taskbar's top", 300, 738 - kWindowH - 30, 300, 738 - kWindowH},
        {"lower edge 31 px above stays", 300, 738 - kWindowH - 31, 300, 738 - kWindowH - 31},
        {"corner", 10, -10, 0, 0},
        {"free", 300, 200, 300, 200},
    };
    for (const auto& c : cases) {
        const DockedPosition docked = DockAt(c.x, c.y, BottomTaskbar());
        EXPECT_EQ(docked.x, c.expectedX) << c.what;
        EXPECT_EQ(docked.y, c.expectedY) << c.what;
    }
}

TEST(DockingTest, LaterTestsSeeTheEarlierResult) {
    // A window as wide as the screen: the left test puts it at 0, after which its right edge
    // lies on the screen's right edge, so the right test places it again, at the same spot.
    const DockedPosition wide = Dock({20, 200, kW, kWindowH, kW, kH, {}});
    EXPECT_EQ(wide.x, 0);
    // With a top panel, the top test uses its inset while the lower bound stays at -30.
    const ScreenInsets top = InsetsFromTaskbar(0, 0, kW, 40, kW);
    EXPECT_EQ(DockAt(300, 65, top).y, 40);
    EXPECT_EQ(DockAt(300, -30, top).y, 40);
    EXPECT_EQ(DockAt(300, -31, top).y, -31);
}

TEST(DockingTest, ExtremePositionsDoNotOverflow) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    EXPECT_EQ(DockAt(kMax, kMax, BottomTaskbar()).x, kMax);
    EXPECT_EQ(DockAt(kMin, kMin, BottomTaskbar()).y, kMin);
}

TEST(DockingTest, InsetsFromTheFreeScreenArea) {
    const AreaRect screen{0, 0, kW, kH};
    // No panel: nothing reserved, the window moves freely.
    EXPECT_FALSE(InsetsFromAvailableArea(screen, screen).has_value());

    const auto bottom = InsetsFromAvailableArea(screen, {0, 0, kW, kH - 30});
    ASSERT_TRUE(bottom.has_value());
    EXPECT_EQ(bottom->bottom, 30);
    EXPECT_EQ(bottom->top + bottom->left + bottom->right, 0);
    const DockedPosition docked = DockAt(300, 738 - kWindowH + 20, *bottom);
    EXPECT_EQ(docked.y, 738 - kWindowH);

    // A top bar and a dock on the left, on a screen that does not start at the origin.
    const auto both = InsetsFromAvailableArea({100, 50, kW, kH}, {170, 77, kW - 70, kH - 27});
    ASSERT_TRUE(both.has_value());
    EXPECT_EQ(both->left, 70);
    EXPECT_EQ(both->top, 27);
    EXPECT_EQ(both->right, 0);
    EXPECT_EQ(both->bottom, 0);

    // A free area reported larger than the screen reserves nothing.
    EXPECT_FALSE(InsetsFromAvailableArea(screen, {-5, -5, kW + 10, kH + 10}).has_value());
}

TEST(DockingTest, TitleStripMustLieFiftyPixelsWideAndWholeOnOneScreen) {
    const AreaRect screens[] = {{0, 0, 1024, 738}, {1024, 0, 800, 600}};
    struct Case {
        AreaRect strip;
        bool reachable;
    };
    const Case cases[] = {
        {{100, 100, 380, 20}, true},
        {{-330, 100, 380, 20}, true},   // 50 pixels on the screen
        {{-331, 100, 380, 20}, false},  // 49
        {{1023, 100, 380, 20}, true},   // on the second screen
        {{1800, 100, 380, 20}, false},  // 24 pixels on the second screen
        {{100, -1, 380, 20}, false},    // not its full height
        {{100, 719, 380, 20}, false},   // into the panel at the bottom
        {{1100, 590, 380, 20}, false},  // below the second screen's end
        {{2147483000, 2147483000, 380, 20}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TitleStripReachable(c.strip, screens), c.reachable)
            << c.strip.left << "," << c.strip.top;
    }
}

}  // namespace
}  // namespace quillex
