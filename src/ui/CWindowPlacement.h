// Where the main window stands: the stored placement and size restored at start-up, the
// first-run centring, topmost mode, the docking to the screen edges whenever the window is
// moved, and the place it is saved with, which the state learns at every move and resize.
#pragma once

#include <QObject>
#include <QPoint>

#include <optional>

#include "store/Placement.h"

class QWidget;

namespace quillex {

class CalculatorState;

class CWindowPlacement : public QObject {
    Q_OBJECT
public:
    // Watches the window's moves from now on, and tells the state where the window stands.
    // Reads the topmost and move-on-top settings.
    CWindowPlacement(QWidget* window, CalculatorState& state);

    // Gives the window the stored size when it has grown beyond its default one, and moves it
    // to the stored placement while it has the size it was saved with (see StoredPosition);
    // centres it on a first run.
    void Restore();
    // The end of start-up: the window counts as placed, and the first-run placement runs once
    // more (which then moves nothing); a window whose frame sticks out of the screen it fits
    // on moves inside.
    void FinishStartUp();
    // Makes the window topmost or not as the settings say.
    void ApplyTopmost();

    // Tells the state where the window stands now.
    void Report();

    // The placement of a window as it is saved: its frame position with its own size.
    static Placement Current(const QWidget* window);
    // Whether the title strip of a window moved to the stored placement would lie on a
    // screen, where the user can reach it and drag the window.
    static bool TitleStripOnScreen(const QWidget* window, const Placement& stored);
    // Where a window of its current size goes for the stored placement: the stored position
    // when the window lies whole on a screen's free area there; moved inside the nearest free
    // area it fits on, keeping its size, when it does not; the stored position when it fits on
    // none but its title strip lies on a screen; nothing when even that does not.
    static std::optional<QPoint> StoredPosition(const QWidget* window, const Placement& stored);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The stored size, when it is no smaller than the window's smallest size and fits on a
    // screen's free area.
    void RestoreSize(const Placement& stored);
    void CentreOnScreen();
    void SnapToEdges();

    QWidget* window_;
    CalculatorState& state_;
    bool alreadyPlaced_ = false;
    bool docking_ = false;
    std::optional<QPoint> dockedFrom_;  // the position the last docking move started from
};

}  // namespace quillex
