// Start-up work held back until the window's first paint: it runs once, after that paint, and
// never for a window that is gone.
#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <memory>

#include "ui/FirstPaint.h"

namespace quillex {
namespace {

class PaintCounter : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* /*event*/) override { ++paints; }
};

TEST(FirstPaint, WorkRunsOnceAfterThePaint) {
    PaintCounter window;
    window.show();
    int runs = 0;
    int paintsBefore = -1;
    AfterFirstPaint({&window}, [&] {
        ++runs;
        paintsBefore = window.paints;
    });
    EXPECT_EQ(runs, 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(1200);  // past the latest time as well
    EXPECT_EQ(runs, 1);
    EXPECT_GE(paintsBefore, 1);
}

TEST(FirstPaint, WorkWaitsForEveryWindowButNotForOneThatWentUnpainted) {
    PaintCounter first;
    PaintCounter second;
    first.show();
    second.show();
    auto gone = std::make_unique<QWidget>();
    gone->show();
    int runs = 0;
    int paintsBefore = -1;
    AfterFirstPaint({&first, &second, gone.get(), nullptr}, [&] {
        ++runs;
        paintsBefore = std::min(first.paints, second.paints);
    });
    gone.reset();
    QTest::qWait(500);  // well before the latest time
    EXPECT_EQ(runs, 1);
    EXPECT_GE(paintsBefore, 1);
}

TEST(FirstPaint, NothingRunsForAWindowThatIsGone) {
    auto window = std::make_unique<QWidget>();
    window->show();
    int runs = 0;
    AfterFirstPaint({window.get()}, [&] { ++runs; });
    window.reset();
    QTest::qWait(1200);
    EXPECT_EQ(runs, 0);
}

}  // namespace
}  // namespace quillex
