#include "ui/WindowLayout.h"

#include <QEvent>
#include <QWidget>

namespace quillex {

WindowLayout::WindowLayout(QWidget* window, const DialogUnits& units, int width, int height)
    : QObject(window),
      window_(window),
      units_(units),
      defaultSize_(units.X(width), units.Y(height)) {
    window_->setMinimumSize(defaultSize_);
    window_->resize(defaultSize_);
    window_->installEventFilter(this);
}

void WindowLayout::Place(QWidget* control, int x, int y, int width, int height, Anchors anchors) {
    controls_.push_back({control, units_.Rect(x, y, width, height), anchors});
    Move(controls_.back());
}

void WindowLayout::Move(const Control& control) const {
    if (control.widget.isNull()) {
        return;
    }
    // Edges that follow the same share of the growth stay together: the right edge of one
    // list is the left edge of the other at every size.
    const QSize growth = window_->size() - defaultSize_;
    const int dx = qMax(0, growth.width());
    const int dy = qMax(0, growth.height());
    const QRect& at = control.atDefaultSize;
    const Anchors& a = control.anchors;
    const int left = at.left() + a.left * dx / 2;
    const int top = at.top() + a.top * dy / 2;
    const int right = at.left() + at.width() + a.right * dx / 2;
    const int bottom = at.top() + at.height() + a.bottom * dy / 2;
    control.widget->setGeometry(left, top, right - left, bottom - top);
}

bool WindowLayout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Resize) {
        for (const Control& control : controls_) {
            Move(control);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quillex
