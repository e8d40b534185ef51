// The 23 buttons of the programmer page: caption, what each does, the colour of its caption,
// its tip and its place in dialog units.
#pragma once

#include <span>
#include <string_view>

#include "text/Texts.h"

namespace quillex {

enum class ProgKeyAction {
    Width,           // the main window sets the width of index `argument` and evaluates
    Insert,          // the main window inserts `insert` into the expression
    InsertEvaluate,  // the same, then evaluates once more
    Sign,            // the main window evaluates and replaces the result text
    GetBit,
    Parity,
    Invert,  // the page's own
    Move,    // the page's own; `argument` is the BitMove
};

enum class ProgKeyColour { Default, Width, Blue, Green };

struct ProgrammerKey {
    std::string_view label;  // the caption; empty for the four icon buttons
    TextId name;             // the accessible name; NoText: the caption
    ProgKeyAction action;
    int argument;
    std::string_view insert;
    ProgKeyColour colour;  // Width: red for the current width, near-black otherwise
    TextId tip;
    int x;
    int y;
    int width;
    int height;
};

// In a fixed order: button i issues the command kCmdProgrammerFirst + i.
std::span<const ProgrammerKey> ProgrammerKeys();

}  // namespace quillex
