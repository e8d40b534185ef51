#include "ui/KeypadKeys.h"

#include <array>

namespace quillex {
namespace {

constexpr int kW = 21;  // the usual key: 21 x 12 dialog units
constexpr int kH = 12;

// Row by row, left block first, then the right block; the last row holds the variable keys
// beside their fields and the hexadecimal letters.
constexpr std::array kKeys = {
    // y = 10
    KeypadKey{"Pi", "pi", false, TextId::KeypadTipPi, 2, 10, kW, kH},
    KeypadKey{"%", "*pro(", false, TextId::KeypadTipPercent, 24, 10, kW, kH},
    KeypadKey{"1/x", "1/(", false, TextId::KeypadTipInvert, 46, 10, kW, kH},
    KeypadKey{"exp", "exp(", false, TextId::KeypadTipExp, 68, 10, kW, kH},
    KeypadKey{"Log", "log(", false, TextId::KeypadTipLog, 90, 10, kW, kH},
    KeypadKey{"1", "1", false, TextId::NoText, 118, 10, kW, kH},
    KeypadKey{"2", "2", false, TextId::NoText, 140, 10, kW, kH},
    KeypadKey{"3", "3", false, TextId::NoText, 162, 10, kW, kH},
    KeypadKey{"+", "+", false, TextId::KeypadTipAdd, 184, 10, kW, kH},
    // y = 23
    KeypadKey{"ASin", "asin(", false, TextId::KeypadTipAsin, 2, 23, kW, kH},
    KeypadKey{"ACos", "acos(", false, TextId::KeypadTipAcos, 24, 23, kW, kH},
    KeypadKey{"ATan", "atan(", false, TextId::KeypadTipAtan, 46, 23, kW, kH},
    KeypadKey{"Sqrt", "sqrt(", false, TextId::KeypadTipSqrt, 68, 23, kW, kH},
    KeypadKey{"x^y", "**", false, TextId::KeypadTipPower, 90, 23, kW, kH},
    KeypadKey{"4", "4", false, TextId::NoText, 118, 23, kW, kH},
    KeypadKey{"5", "5", false, TextId::NoText, 140, 23, kW, kH},
    KeypadKey{"6", "6", false, TextId::NoText, 162, 23, kW, kH},
    KeypadKey{"-", "-", false, TextId::KeypadTipSubtract, 184, 23, kW, kH},
    // y = 36
    KeypadKey{"Sin", "sin(", false, TextId::KeypadTipSin, 2, 36, kW, kH},
    KeypadKey{"Cos", "cos(", false, TextId::KeypadTipCos, 24, 36, kW, kH},
    KeypadKey{"Tan", "tan(", false, TextId::KeypadTipTan, 46, 36, kW, kH},
    KeypadKey{"Ln", "ln(", false, TextId::KeypadTipLn, 68, 36, kW, kH},
    // The German tips of Rad and Deg describe each other's function; they are shown as written.
    KeypadKey{"Rad", "rad(", false, TextId::KeypadTipRad, 90, 36, kW, kH},
    KeypadKey{"7", "7", false, TextId::NoText, 118, 36, kW, kH},
    KeypadKey{"8", "8", false, TextId::NoText, 140, 36, kW, kH},
    KeypadKey{"9", "9", false, TextId::NoText, 162, 36, kW, kH},
    KeypadKey{"/", "/", false, TextId::KeypadTipDivide, 184, 36, kW, kH},
    // y = 49
    KeypadKey{"Fac", "fac(", false, TextId::KeypadTipFac, 2, 49, kW, kH},
    KeypadKey{"Rnd", "rnd(", false, TextId::KeypadTipRnd, 24, 49, kW, kH},
    KeypadKey{"Deg", "deg(", false, TextId::KeypadTipDeg, 46, 49, kW, kH},
    // Each parenthesis key's tip shows the other parenthesis.
    KeypadKey{"(", "(", false, TextId::KeypadTipOpenParen, 68, 49, kW, kH},
    KeypadKey{")", ")", false, TextId::KeypadTipCloseParen, 90, 49, kW, kH},
    KeypadKey{"0", "0", false, TextId::NoText, 118, 49, 43, kH},
    KeypadKey{".", ".", false, TextId::KeypadTipPoint, 162, 49, kW, kH},
    KeypadKey{"x", "*", false, TextId::KeypadTipMultiply, 184, 49, kW, kH},
    // y = 68
    KeypadKey{"Y", "Y", true, TextId::KeypadTipVariableY, 2, 68, 12, kH, KeyVariable::Y},
    KeypadKey{"X", "X", true, TextId::KeypadTipVariableX, 57, 68, 12, kH, KeyVariable::X},
    KeypadKey{"A", "A", false, TextId::NoText, 119, 68, 14, kH},
    KeypadKey{"B", "B", false, TextId::NoText, 133, 68, 14, kH},
    KeypadKey{"C", "C", false, TextId::NoText, 147, 68, 14, kH},
    KeypadKey{"D", "D", false, TextId::NoText, 162, 68, 14, kH},
    KeypadKey{"E", "E", false, TextId::NoText, 176, 68, 14, kH},
    KeypadKey{"F", "F", false, TextId::NoText, 191, 68, 14, kH},
};

}  // namespace

std::span<const KeypadKey> KeypadKeys() {
    return kKeys;
}

}  // namespace quillex
