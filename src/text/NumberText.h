// Number text: the printf-style formats and the decimal readers that every part of the
// program uses, with fixed rules that do not depend on the C library or the locale.
//
// Formatting writes exponents with a sign and at least three digits ("1E+020") and rounds the
// exact binary value of the double to the requested digits with halves away from zero, so
// 2.5 with "%.0f" gives "3". Non-finite values are written "inf", "-inf" and "nan".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillex {

// The decimal digits 0-9 alone, whatever the locale.
constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "%.<decimals>f"
std::string FormatFixed(double value, int decimals);
// "%.<decimals>e", or "%.<decimals>E" when upper is set.
std::string FormatExponent(double value, int decimals, bool upper = false);
// "%.<precision>G" (a precision of 0 counts as 1).
std::string FormatGeneral(double value, int precision);

// The leading-number rule: optional blanks and sign, digits with an optional point and
// fraction (at least one digit in all), an optional exponent. Anything else ends the number;
// no hexadecimal forms, no "inf" or "nan" words. A text with no number reads as 0. Values
// beyond the double range read as an infinity, values too small as 0.
double ReadLeadingNumber(std::string_view text);

// The atol rule: optional blanks and sign, then leading decimal digits; anything else gives 0.
// The result saturates at the limits of a 32-bit integer.
std::int32_t ReadLeadingInteger(std::string_view text);

// The same leading integer taken modulo 2^32 as a signed 32-bit integer, as a 32-bit word
// holds it ("4294967295" reads -1).
std::int32_t ReadLeadingIntegerModulo32(std::string_view text);

}  // namespace quillex
