// The calculation's settings taken from the stored settings, without any window: the main
// window evaluates with them and hands the same width to the programmer page.
#pragma once

#include "engine/Calculation.h"

namespace quillex {

struct Settings;

// The width index the calculation works in: a stored index outside 0..3 means 3, 32 bits.
int EffectiveWidthIndex(int storedIndex);

// The X and Y texts in code page 1252, the effective width index and the display options.
CalcSettings CalcSettingsFrom(const Settings& settings);

}  // namespace quillex
