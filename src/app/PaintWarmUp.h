#pragma once

#include "ui/BackgroundJob.h"

namespace quillex {

// Starts the raster painter's helper threads on a thread of its own while the window is being
// built. The painter fills tall areas that are not a single colour (a scroll bar's groove, a
// tab frame's edges) on a pool of threads that it starts the first time it needs them;
// started then, in the middle of the window's first paint, they hold that paint up by most of
// a millisecond. Started here, on a second core, they cost the start nothing.
//
// Call it once the application object exists, and let the job end before that object does.
BackgroundJob WarmUpPainter();

}  // namespace quillex
