#pragma once

#include "ui/BackgroundJob.h"

namespace quillex {

// Loads the system's font configuration on a thread of its own while the application connects
// to the display. Reading it (dozens of configuration files and the font caches) is the largest
// single step before the first text can be measured, and nothing else the start does needs
// it, so on a machine with a second core it costs the start nothing. Where fonts are not
// configured that way it starts nothing.
//
// Wait for the job before the first font is used, so that the toolkit does not load a second
// configuration alongside.
BackgroundJob PrefetchFonts();

}  // namespace quillex
