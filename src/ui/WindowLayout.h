// Where the main window's controls stand as the window grows. The window has its default size
// as its smallest one; each control is placed at its rectangle of that size, given in dialog
// units, and each of its edges follows none, half or all of the window's growth in its
// direction. So the tape and the expression field take the extra room, the buttons beside them
// move along and the pages keep their layout.
#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

#include <vector>

#include "ui/DialogUnits.h"

class QWidget;

namespace quillex {

// How far each edge of a control follows the window's growth: in halves of the growth, from
// 0 (the edge stays) to 2 (the edge moves with the window's right or bottom edge).
struct Anchors {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
inline constexpr Anchors kStays{};
inline constexpr Anchors kGrowsWide{0, 0, 2, 0};
inline constexpr Anchors kMovesRight{2, 0, 2, 0};
inline constexpr Anchors kMovesDown{0, 2, 0, 2};
inline constexpr Anchors kMovesDownGrowsWide{0, 2, 2, 2};
inline constexpr Anchors kMovesRightAndDown{2, 2, 2, 2};
// The two lists of the tape, side by side: each takes half the extra width, both the height.
inline constexpr Anchors kLeftHalfGrows{0, 0, 1, 2};
inline constexpr Anchors kRightHalfGrows{1, 0, 2, 2};

class WindowLayout : public QObject {
    Q_OBJECT
public:
    // Gives the window its default size, `width` x `height` dialog units, as its size and its
    // smallest one.
    WindowLayout(QWidget* window, const DialogUnits& units, int width, int height);

    // Places the control at the rectangle it has at the default size, and from now on where
    // its anchors take it at the window's size (at once, too, for a window already grown).
    void Place(QWidget* control, int x, int y, int width, int height, Anchors anchors = kStays);

    QWidget* Window() const { return window_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Control {
        QPointer<QWidget> widget;
        QRect atDefaultSize;
        Anchors anchors;
    };
    void Move(const Control& control) const;

    QWidget* window_;
    DialogUnits units_;
    QSize defaultSize_;
    std::vector<Control> controls_;
};

}  // namespace quillex
