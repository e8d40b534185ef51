// Start-up work that nothing on the screen waits for (the tray icon, the tip of the day, the
// conversion table) runs once the main window has been painted for the first time, so that the
// window appears as soon as its own controls are ready.
#pragma once

#include <functional>

class QWidget;

namespace quillex {

// Runs `work` once, from the event loop, right after `window` (shown already) has been painted
// for the first time; a window that is not painted within a second (on another desktop, say)
// gets it then. Nothing runs once the window is gone.
void AfterFirstPaint(QWidget* window, std::function<void()> work);

}  // namespace quillex
