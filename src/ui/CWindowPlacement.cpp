#include "ui/CWindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include "store/CalculatorState.h"
#include "ui/Docking.h"

#include <cstdint>
#include <vector>

namespace quillex {
namespace {

constexpr unsigned kShowNormal = 1;
constexpr unsigned kShowMinimised = 2;
constexpr unsigned kShowMaximised = 3;

// The free areas of all screens, the primary one first.
std::vector<AreaRect> FreeAreas() {
    std::vector<AreaRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect free = screen->availableGeometry();
        areas.push_back({free.x(), free.y(), free.width(), free.height()});
    }
    return areas;
}

// The frame of a window moved to the given position: its own frame once it has been shown;
// before that, when the desktop has not told the frame yet, a title strip as high as the
// style's title bars above the window.
AreaRect FrameAt(const QWidget* window, int left, int top) {
    const QRect frame = window->frameGeometry();
    const int titleHeight =
        frame == window->geometry() ? window->style()->pixelMetric(QStyle::PM_TitleBarHeight) : 0;
    return {left, top, frame.width(), frame.height() + titleHeight};
}

}  // namespace

CWindowPlacement::CWindowPlacement(QWidget* window, CalculatorState& state)
    : QObject(window), window_(window), state_(state) {
    window_->installEventFilter(this);
}

void CWindowPlacement::Restore() {
    const Settings& loaded = state_.Values();
    if (const std::optional<Placement> stored = ParsePlacement(loaded.windowPosition)) {
        RestoreSize(*stored);
        // A position out of the user's reach (a screen that is gone, a window pushed almost
        // off the screen) is replaced by the first-run placement.
        if (!PlacementFits(*stored, Current(window_))) {
            if (!TitleStripOnScreen(window_, *stored)) {
                CentreOnScreen();
            }
        } else if (const std::optional<QPoint> at = StoredPosition(window_, *stored)) {
            window_->move(*at);
        } else {
            CentreOnScreen();
        }
    }
    if (loaded.firstRun) {
        CentreOnScreen();
    }
}

void CWindowPlacement::RestoreSize(const Placement& stored) {
    const std::int64_t width = stored.Width();
    const std::int64_t height = stored.Height();
    const QSize smallest = window_->minimumSize();
    if (width < smallest.width() || height < smallest.height()) {
        return;
    }
    const int titleHeight = window_->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    for (const AreaRect& area : FreeAreas()) {
        if (width <= area.width && height + titleHeight <= area.height) {
            window_->resize(static_cast<int>(width), static_cast<int>(height));
            return;
        }
    }
}

void CWindowPlacement::FinishStartUp() {
    alreadyPlaced_ = true;
    CentreOnScreen();
    // The frame is known now that the window is shown: one wider or higher than was reckoned
    // when the window was placed may stick out of the screen, and is moved inside.
    const QRect frame = window_->frameGeometry();
    const std::optional<Point> at =
        PositionOnScreens(FrameAt(window_, frame.x(), frame.y()), FreeAreas());
    if (at && QPoint(at->x, at->y) != frame.topLeft()) {
        window_->move(at->x, at->y);
    }
}

void CWindowPlacement::CentreOnScreen() {
    if (alreadyPlaced_) {
        if (state_.Values().moveOnTop) {
            alreadyPlaced_ = false;
        }
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const QRect frame = window_->frameGeometry();
    const Point at = FirstRunPosition(frame.width(), frame.height(), area.width(), area.height());
    window_->move(area.x() + at.x, area.y() + at.y);
    window_->raise();
    window_->activateWindow();
}

void CWindowPlacement::ApplyTopmost() {
    const bool topmost = state_.Values().alwaysOnTop;
    if (window_->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost) {
        return;
    }
    // Changing the flags hides a shown window; it comes back where it was.
    const bool shown = window_->isVisible();
    window_->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (shown) {
        window_->show();
    }
}

// The normal rectangle holds the frame's position and the window's own size: the frame's size
// is not known before the window is first shown on every desktop, the window's size is.
Placement CWindowPlacement::Current(const QWidget* window) {
    Placement placement;
    placement.showCommand = window->isMinimized()
                                ? kShowMinimised
                                : (window->isMaximized() ? kShowMaximised : kShowNormal);
    const QPoint at = window->pos();
    placement.left = at.x();
    placement.top = at.y();
    placement.right = at.x() + window->width();
    placement.bottom = at.y() + window->height();
    return placement;
}

bool CWindowPlacement::TitleStripOnScreen(const QWidget* window, const Placement& stored) {
    const int titleHeight = window->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const AreaRect strip{stored.left, stored.top, window->width(), titleHeight};
    return TitleStripReachable(strip, FreeAreas());
}

std::optional<QPoint> CWindowPlacement::StoredPosition(const QWidget* window,
                                                       const Placement& stored) {
    if (const std::optional<Point> at =
            PositionOnScreens(FrameAt(window, stored.left, stored.top), FreeAreas())) {
        return QPoint(at->x, at->y);
    }
    if (TitleStripOnScreen(window, stored)) {
        return QPoint(stored.left, stored.top);
    }
    return std::nullopt;
}

void CWindowPlacement::Report() {
    const QRect frame = window_->frameGeometry();
    state_.SetWindowPlace({frame.top(), frame.left(), Current(window_)});
}

bool CWindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Move) {
        SnapToEdges();
        Report();
    } else if (watched == window_ &&
               (event->type() == QEvent::WindowStateChange || event->type() == QEvent::Resize)) {
        Report();
    }
    return QObject::eventFilter(watched, event);
}

void CWindowPlacement::SnapToEdges() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (docking_ || screen == nullptr) {
        return;
    }
    const QRect whole = screen->geometry();
    const QRect free = screen->availableGeometry();
    const std::optional<ScreenInsets> insets =
        InsetsFromAvailableArea({whole.x(), whole.y(), whole.width(), whole.height()},
                                {free.x(), free.y(), free.width(), free.height()});
    if (!insets) {
        return;
    }
    const QRect frame = window_->frameGeometry();
    const DockRequest request{
        frame.x() - whole.x(), frame.y() - whole.y(), frame.width(), frame.height(),
        whole.width(),         whole.height(),        *insets};
    const DockedPosition docked = Dock(request);
    if (docked.x == request.x && docked.y == request.y) {
        dockedFrom_.reset();
        return;
    }
    // A desktop that puts the window back where it was, rather than where it was asked to go,
    // is not asked again for the same position: that would go on for ever.
    if (dockedFrom_ == frame.topLeft()) {
        return;
    }
    dockedFrom_ = frame.topLeft();
    docking_ = true;
    window_->move(whole.x() + docked.x, whole.y() + docked.y);
    docking_ = false;
}

}  // namespace quillex
