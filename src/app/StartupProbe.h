// Start-up measurement: with QUILLEX_STARTUP_PROBE set in the environment, the first time the
// watched window paints itself on the screen the program writes "mapped <ns>" (the wall-clock
// time in nanoseconds since the epoch) to standard error. Used by the start-up benchmark;
// without the variable it does nothing.
#pragma once

class QWidget;

namespace quillex::StartupProbe {

void Watch(QWidget* window);

}  // namespace quillex::StartupProbe
