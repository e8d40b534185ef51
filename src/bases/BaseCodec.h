// Conversions between one non-negative whole number and its binary, octal, decimal and
// hexadecimal digit texts, packed 8-bit characters, a two's-complement reading and Roman
// numerals, inside a word width; and the one-bit shifts and rotations of a bit pattern.
// Every function is pure. Texts are 8-bit (code page 1252); digits are the characters 0-9 and
// the capital letters A-F.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/BitWidth.h"

namespace quillex::BaseCodec {

// No valid digit text reads as a negative number, so this marks a rejected entry.
inline constexpr double kFailureValue = -1.0;

struct DigitCheck {
    bool accepted = true;
    char character = '\0';  // the first character that is no digit of the base
    int position = 0;       // its position, counted from 1, spaces included
    std::string report;     // TextId::DigitNotAllowed, empty when accepted
};

// The result of fitting digits to a width; on overflow `text` holds the digits unchanged.
struct FittedDigits {
    std::string text;
    bool overflow = false;
};

// Bases are 2, 8, 10 and 16; any other base accepts nothing but spaces and formats as "0".
DigitCheck ValidateDigits(int base, std::string_view text);

// The value of a digit text (spaces ignored, the empty text is 0), or kFailureValue.
double ParseInBase(int base, std::string_view text);

// Digits of the integer part, most significant first, without sign or leading zeros.
// Defined for finite values from 0 upward; a negative or non-finite value gives "0".
std::string FormatInBase(double value, int base);

// Pads to `width.bits` digits and puts a space after every fourth digit but the last.
FittedDigits GroupBinary(std::string_view digits, const BitWidth& width);

// Pads to `width.hexDigits` digits.
FittedDigits PadHex(std::string_view digits, const BitWidth& width);

// The text itself, or TextId::Overflow when its leading number is at least 2^bits.
std::string CheckDecimal(std::string_view text, const BitWidth& width);

// Two capital hex digits per character, the first character most significant.
std::string HexFromAscii(std::string_view text);

// Four characters, most significant byte first, a byte below 31 shown as '_'; the empty text
// for a single hex digit. Of a text longer than eight digits only the last eight count.
std::string AsciiFromHex(std::string_view hexDigits);

// The numeral of 1..3999; the empty text outside that range.
std::string RomanFromInt(int number);

// Sums the Roman letters (either case) from the right, subtracting a letter smaller than the
// largest met so far; other characters are skipped. 0 when the text holds no Roman letter.
std::int64_t IntFromRoman(std::string_view text);

// The text of the two's-complement field: the value itself while its bit bits-1 is clear,
// otherwise the negative number that its low bits stand for. A non-finite value gives "0".
std::string SignedReading(double value, const BitWidth& width);

// The pattern is first made exactly `width.bits` digits long: padded on the left with '0',
// or, when longer, cut to its last `width.bits` digits. Each moves by exactly one bit.
std::string ShiftLeft(std::string_view pattern, const BitWidth& width);
std::string ShiftRight(std::string_view pattern, const BitWidth& width);
std::string RotateLeft(std::string_view pattern, const BitWidth& width);
std::string RotateRight(std::string_view pattern, const BitWidth& width);

// The low `width.bits` bits of the value truncated toward zero, as a number 0..2^bits-1
// (negative numbers in two's complement). A non-finite value gives 0.
double LowBits(double value, const BitWidth& width);

}  // namespace quillex::BaseCodec
