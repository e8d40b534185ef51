// Result formatting: a value as the text of the result field, in one of four display styles,
// followed by the separator stage (thousands grouping or a decimal comma).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillex {

enum DisplayStyle : int {
    kStyleStandard = 0,  // "%.14G"
    kStyleFixed = 1,     // "%.Nf"
    kStyleExponent = 2,  // "%.Ne", listed as "Engineering"
    kStylePrefix = 3,    // SI prefix words, listed as "Scientific"
};

enum ThousandsStyle : int {
    kThousandsNone = 0,
    kThousandsPoints = 1,  // 1.234.567,5
    kThousandsCommas = 2,  // 1,234,567.5
};

struct DisplayOptions {
    int style = kStyleStandard;
    int decimals = 0;  // 0..15; anything else counts as 0
    int thousands = kThousandsNone;
    bool decimalComma = false;  // only used with kThousandsNone
};

// The value in the display style. Non-finite values give "inf", "-inf" or "nan" in every style.
std::string FormatResult(double value, int style, int decimals);

// The value as a quotient and an SI prefix word ("5 kilo", "0.3 dekao"), or nothing for 0, 1,
// negative values, values below 1e-18 and NaN.
std::optional<std::string> FormatWithPrefix(double value);

// Turns every '.' into ',' and every ',' into '.'.
void SwapPointsAndCommas(std::string& text);

// Inserts up to three thousands separators into the integer part and swaps '.' and ','.
// The integer part is the leading run of digits (after an optional '-'), so an exponent or a
// prefix word is never split.
std::string GroupThousands(std::string text);

// The separator stage: a failed evaluation's message passes unchanged.
std::string ApplySeparators(std::string text, int thousands, bool decimalComma, bool succeeded);

// A successful result as the result field shows it: the display style, then the separators.
std::string FormatDisplayed(double value, const DisplayOptions& display);

}  // namespace quillex
