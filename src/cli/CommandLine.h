// The program's command line: evaluation without a window (--eval), the converter's and the
// Euro conversions (--convert, --euro, --units, run in cli/UnitCommands.h) and their options.
// Needs no window system, so it runs on machines without a display.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "engine/Calculation.h"
#include "text/Texts.h"

namespace quillex {

struct CommandLine {
    enum class Action {
        Window,
        Evaluate,
        Interactive,
        Convert,
        Euro,
        Units,
        Help,
        Version,
        BadUsage
    };

    Action action = Action::Window;
    std::vector<std::string> expressions;  // UTF-8; "-" reads one input per line from stdin
    std::string xText;                     // UTF-8 texts of the X and Y fields
    std::string yText;
    // UTF-8: VALUE FROM TO for --convert and --euro, the region if one is given for --units
    std::vector<std::string> operands;
    int widthIndex = 3;
    bool showBases = false;  // --bases: the programmer page's fields after each result
    bool toggle = false;     // --toggle: hide the window when it is in front, else show it
    DisplayOptions display;
    Language language = Language::German;
    std::string error;  // what was wrong, for BadUsage
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// What the options set of the calculation path: the X and Y texts, the width, the display.
CalcSettings CalcSettingsOf(const CommandLine& commandLine);

// The exit status when the output could not be written (a full disk, a closed stdout).
inline constexpr int kExitOutputFailed = 3;

// Whether the run reads standard input (--interactive, or --eval -) but the process was started
// with it closed: the run would then see an empty input, and a file it opens could take its
// place.
bool StandardInputMissing(const CommandLine& commandLine);

// Runs the --eval inputs: one result line per input on `out`, the too-long message on `err`.
// Returns 0 when every input gave a number, 1 when one gave a message instead, and
// kExitOutputFailed when the output could not be written.
int RunEvaluations(const CommandLine& commandLine, std::istream& in, std::ostream& out,
                   std::ostream& err);

// Reads expressions from `in` and prints their results until the input ends.
int RunInteractive(const CommandLine& commandLine, std::istream& in, std::ostream& out,
                   std::ostream& err);

// Flushes what was written to `out`: `status` when all of it got through, otherwise the
// failure is reported on `err` and the status is kExitOutputFailed. The two runs above end
// with it.
int FinishOutput(std::ostream& out, std::ostream& err, int status);

std::string UsageText();
std::string VersionText();

}  // namespace quillex
