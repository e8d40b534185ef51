// The keys of the keypad page: what each inserts into the expression, whether it evaluates
// again right after, its tip and its place in dialog units.
#pragma once

#include <span>
#include <string_view>

#include "text/Texts.h"

namespace quillex {

// The keys that insert a variable have its field beside them.
enum class KeyVariable { None, X, Y };

struct KeypadKey {
    std::string_view label;
    std::string_view insert;
    bool evaluates;  // the main window evaluates once more after the insertion
    TextId tip;      // NoText: no tip (digits and the letters A to F)
    int x;
    int y;
    int width;
    int height;
    KeyVariable variable = KeyVariable::None;
};

// In a fixed order: key i issues the command kCmdKeypadFirst + i.
std::span<const KeypadKey> KeypadKeys();

}  // namespace quillex
