#include "ui/KeypadKeys.h"

#include <array>

namespace quillex {
namespace {

constexpr int kW = 21;  // the usual key: 21 x 12 dialog units
constexpr int kH = 12;

constexpr std::string_view kPiTip = "Phi : 3.1415926535897932384626433832795";
constexpr std::string_view kNoTip = "";

// Row by row, left block first, then the right block; the last row holds the variable keys
// beside their fields and the hexadecimal letters.
constexpr std::array kKeys = {
    // y = 10
    KeypadKey{"Pi", "pi", false, kPiTip, kPiTip, 2, 10, kW, kH},
    KeypadKey{"%", "*pro(", false, "% : Percent of, for Example 10% of 100: 100*pro(10)",
              "% : Prozent von, Zum Beispiel 10% von 100: 100*pro(10)", 24, 10, kW, kH},
    KeypadKey{"1/x", "1/(", false, "1/x Invert", "1/x Invertieren", 46, 10, kW, kH},
    KeypadKey{"exp", "exp(", false, "exp(): Calculates the exponential, for Example : exp(10)",
              "exp(): Exponential, zB. : exp(10)", 68, 10, kW, kH},
    KeypadKey{"Log", "log(", false, "log(): Calculates logarithms", "log(): Logarithmus", 90, 10,
              kW, kH},
    KeypadKey{"1", "1", false, kNoTip, kNoTip, 118, 10, kW, kH},
    KeypadKey{"2", "2", false, kNoTip, kNoTip, 140, 10, kW, kH},
    KeypadKey{"3", "3", false, kNoTip, kNoTip, 162, 10, kW, kH},
    KeypadKey{"+", "+", false, "Add", "Addieren", 184, 10, kW, kH},
    // y = 23
    KeypadKey{"ASin", "asin(", false, "asin():Calculates the arcsine", "asin(): ArcSinus", 2, 23,
              kW, kH},
    KeypadKey{"ACos", "acos(", false, "acos():Calculates the arccosine", "aCos(): ArcCosinus", 24,
              23, kW, kH},
    KeypadKey{"ATan", "atan(", false, "atan(): Calculates the arctangent", "atan(): ArcTangens", 46,
              23, kW, kH},
    KeypadKey{"Sqrt", "sqrt(", false,
              "Sqrt(): Calculates the square quadrate of x, Example: sqrt(9) = 3",
              "Sqrt(): Errechnet die Quadratwurzel, Bsp.: sqrt(9) = 3", 68, 23, kW, kH},
    KeypadKey{"x^y", "**", false, "x^y: Calculates x raised to the power of y, Examples: 2**4 = 16",
              "x^y: Errechnet die Potenz, Bsp.: 2**4 = 16", 90, 23, kW, kH},
    KeypadKey{"4", "4", false, kNoTip, kNoTip, 118, 23, kW, kH},
    KeypadKey{"5", "5", false, kNoTip, kNoTip, 140, 23, kW, kH},
    KeypadKey{"6", "6", false, kNoTip, kNoTip, 162, 23, kW, kH},
    KeypadKey{"-", "-", false, "Sub", "Subtrahieren", 184, 23, kW, kH},
    // y = 36
    KeypadKey{"Sin", "sin(", false, "sin(): Sinus", "sin(): Sinus", 2, 36, kW, kH},
    KeypadKey{"Cos", "cos(", false, "cos(): Cosinus", "cos(): Cosinus", 24, 36, kW, kH},
    KeypadKey{"Tan", "tan(", false, "tan(): Tangens", "tan(): Tangens", 46, 36, kW, kH},
    KeypadKey{"Ln", "ln(", false, "ln() : Calculates logarithms (10)", "ln() : Logarithmus(10)", 68,
              36, kW, kH},
    // The German tips of Rad and Deg describe each other's function; they are shown as written.
    KeypadKey{"Rad", "rad(", false, "Rad(): Convert Degrees to Radial, Example: rad(180) = 3.1415",
              "Deg(): Konvertiert Radiant nach Grad, Beispiel: deg(cos(phi/4)) = 40.5142", 90, 36,
              kW, kH},
    KeypadKey{"7", "7", false, kNoTip, kNoTip, 118, 36, kW, kH},
    KeypadKey{"8", "8", false, kNoTip, kNoTip, 140, 36, kW, kH},
    KeypadKey{"9", "9", false, kNoTip, kNoTip, 162, 36, kW, kH},
    KeypadKey{"/", "/", false, "Divide", "Dividieren", 184, 36, kW, kH},
    // y = 49
    KeypadKey{"Fac", "fac(", false,
              "Fac(): Factorial of x- only values up to 1547 are handled. Example: fac(10) = "
              "3628800",
              "Fac(): Factorial von x- max. ist 1547. Beispiel: fac(10) = 3628800", 2, 49, kW, kH},
    KeypadKey{"Rnd", "rnd(", false, "Rnd(): Random, Example: rnd(100)",
              "Rnd(): Zufallszahl, Beispiel: rnd(100)", 24, 49, kW, kH},
    KeypadKey{"Deg", "deg(", false,
              "Deg(): Convert Radial to Degrees, Example: deg(cos(phi/4)) = 40.5142",
              "Rad(): Konvertiert Grad nach Radiant, Beispiel: rad(180) = 3.1415", 46, 49, kW, kH},
    // Each parenthesis key's tip shows the other parenthesis.
    KeypadKey{"(", "(", false, ")", ")", 68, 49, kW, kH},
    KeypadKey{")", ")", false, "(", "(", 90, 49, kW, kH},
    KeypadKey{"0", "0", false, kNoTip, kNoTip, 118, 49, 43, kH},
    KeypadKey{".", ".", false, "Comma", "Komma", 162, 49, kW, kH},
    KeypadKey{"x", "*", false, "Multiply", "Multiplizieren", 184, 49, kW, kH},
    // y = 68
    KeypadKey{"Y", "Y", true, "Y-Varible, use it as varible value in your expressions",
              "Y-Varible, wird als Varible in den Formeln verwendet", 2, 68, 12, kH},
    KeypadKey{"X", "X", true, "X-Varible, use it as varible value in your expressions",
              "X-Varible, wird als Varible in den Formeln verwendet", 57, 68, 12, kH},
    KeypadKey{"A", "A", false, kNoTip, kNoTip, 119, 68, 14, kH},
    KeypadKey{"B", "B", false, kNoTip, kNoTip, 133, 68, 14, kH},
    KeypadKey{"C", "C", false, kNoTip, kNoTip, 147, 68, 14, kH},
    KeypadKey{"D", "D", false, kNoTip, kNoTip, 162, 68, 14, kH},
    KeypadKey{"E", "E", false, kNoTip, kNoTip, 176, 68, 14, kH},
    KeypadKey{"F", "F", false, kNoTip, kNoTip, 191, 68, 14, kH},
};

}  // namespace

std::span<const KeypadKey> KeypadKeys() {
    return kKeys;
}

}  // namespace quillex
