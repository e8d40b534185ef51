// The converter page's and the Euro buttons' conversions on the command line: --convert and
// --units with the region files the window reads, --euro with the Euro table.
#pragma once

#include <iosfwd>

#include "cli/CommandLine.h"
#include "units/Converter.h"

namespace quillex {

// The exit status when an operand does not fit: a VALUE that is no number, or an unknown
// unit, region or currency code. It is that of bad usage.
inline constexpr int kExitBadOperand = 2;
// The exit status when a region file the command needs cannot be read.
inline constexpr int kExitRegionFileMissing = 1;

// Runs --convert, --euro or --units: the converted value in the display style of the options,
// or the list, on `out`, and what went wrong on `err`. VALUE is worked out by the engine as
// --eval would. Region files come from `reader`; without one they are found where the window
// finds its data files. Returns 0, kExitBadOperand, kExitRegionFileMissing or
// kExitOutputFailed.
int RunUnitCommand(const CommandLine& commandLine, std::ostream& out, std::ostream& err,
                   UnitConverter::RegionReader reader = {});

}  // namespace quillex
