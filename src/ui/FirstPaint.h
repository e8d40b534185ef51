// Start-up work that nothing on the screen waits for (the tray icon, the tape's lock, the
// conversion table) runs once the windows shown at start have been painted for the first time,
// so that they appear as soon as their own controls are ready.
#pragma once

#include <QList>

#include <functional>

class QWidget;

namespace quillex {

// Runs `work` once, from the event loop, right after each of `windows` (shown already) has
// been painted for the first time or has gone; when that takes more than a second (a window on
// another desktop, say), it runs then. Nothing runs once the first window is gone; the others
// may be null.
void AfterFirstPaint(const QList<QWidget*>& windows, std::function<void()> work);

}  // namespace quillex
