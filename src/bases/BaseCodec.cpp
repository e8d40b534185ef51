#include "bases/BaseCodec.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "text/NumberText.h"
#include "text/Texts.h"

namespace quillex::BaseCodec {
namespace {

constexpr std::string_view kAlphabet = "0123456789ABCDEF";

bool IsValidBase(int base) {
    return base == 2 || base == 8 || base == 10 || base == 16;
}

// The digit's value in the alphabet, or -1.
int DigitValue(char c) {
    const std::size_t index = kAlphabet.find(c);
    return index == kAlphabet.npos ? -1 : static_cast<int>(index);
}

std::string PadLeft(std::string_view digits, std::size_t length) {
    std::string padded(length - std::min(length, digits.size()), '0');
    padded += digits;
    return padded;
}

// Exactly `length` characters: padded on the left with '0', or the last `length` characters.
std::string FitLength(std::string_view text, std::size_t length) {
    if (text.size() > length) {
        return std::string(text.substr(text.size() - length));
    }
    return PadLeft(text, length);
}

std::string FitPattern(std::string_view pattern, const BitWidth& width) {
    return FitLength(pattern, static_cast<std::size_t>(width.bits));
}

struct RomanLetter {
    char letter;
    int value;
};

constexpr std::array<RomanLetter, 7> kRomanLetters{{
    {'I', 1},
    {'V', 5},
    {'X', 10},
    {'L', 50},
    {'C', 100},
    {'D', 500},
    {'M', 1000},
}};

int RomanValue(char c) {
    const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    for (const RomanLetter& entry : kRomanLetters) {
        if (entry.letter == upper) {
            return entry.value;
        }
    }
    return 0;
}

}  // namespace

DigitCheck ValidateDigits(int base, std::string_view text) {
    const std::string_view digits = kAlphabet.substr(0, IsValidBase(base) ? base : 0);
    DigitCheck check;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || digits.find(c) != digits.npos) {
            continue;
        }
        check.accepted = false;
        check.character = c;
        check.position = static_cast<int>(i) + 1;
        check.report = TextWith(TextId::DigitNotAllowed,
                                {std::string_view(&text[i], 1), std::to_string(check.position)});
        break;
    }
    return check;
}

double ParseInBase(int base, std::string_view text) {
    if (!ValidateDigits(base, text).accepted) {
        return kFailureValue;
    }
    double value = 0.0;
    for (const char c : text) {
        if (c != ' ') {
            value = value * base + DigitValue(c);
        }
    }
    return value;
}

std::string FormatInBase(double value, int base) {
    if (!IsValidBase(base) || !std::isfinite(value) || value < 0.0) {
        return "0";
    }
    std::string digits;
    double x = value;
    while (x >= base) {
        digits += kAlphabet[static_cast<std::size_t>(std::fmod(x, base))];
        x = std::floor(x / base);
    }
    digits += kAlphabet[static_cast<std::size_t>(x)];
    std::reverse(digits.begin(), digits.end());
    return digits;
}

FittedDigits GroupBinary(std::string_view digits, const BitWidth& width) {
    const auto bits = static_cast<std::size_t>(width.bits);
    if (digits.size() > bits) {
        return {std::string(digits), true};
    }
    const std::string padded = PadLeft(digits, bits);
    std::string grouped;
    for (std::size_t i = 0; i < padded.size(); ++i) {
        if (i > 0 && i % 4 == 0) {
            grouped += ' ';
        }
        grouped += padded[i];
    }
    return {grouped, false};
}

FittedDigits PadHex(std::string_view digits, const BitWidth& width) {
    const auto length = static_cast<std::size_t>(width.hexDigits);
    if (digits.size() > length) {
        return {std::string(digits), true};
    }
    return {PadLeft(digits, length), false};
}

std::string CheckDecimal(std::string_view text, const BitWidth& width) {
    if (ReadLeadingNumber(text) >= width.bound) {
        return std::string(Text(TextId::Overflow));
    }
    return std::string(text);
}

std::string HexFromAscii(std::string_view text) {
    std::string hex;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        hex += kAlphabet[byte >> 4];
        hex += kAlphabet[byte & 0x0F];
    }
    return hex;
}

std::string AsciiFromHex(std::string_view hexDigits) {
    if (hexDigits.size() == 1) {
        return {};
    }
    const std::string padded = FitLength(hexDigits, 8);
    std::string text;
    for (std::size_t i = 0; i < padded.size(); i += 2) {
        const int byte =
            std::max(DigitValue(padded[i]), 0) * 16 + std::max(DigitValue(padded[i + 1]), 0);
        text += byte < 31 ? '_' : static_cast<char>(byte);
    }
    return text;
}

std::string RomanFromInt(int number) {
    if (number < 1 || number > 3999) {
        return {};
    }
    // Each decimal place with its unit, five and ten letters; the thousands need only the unit.
    struct Place {
        int unit;
        char one;
        char five;
        char ten;
    };
    constexpr std::array<Place, 4> kPlaces{{
        {1000, 'M', '\0', '\0'},
        {100, 'C', 'D', 'M'},
        {10, 'X', 'L', 'C'},
        {1, 'I', 'V', 'X'},
    }};
    std::string numeral;
    for (const Place& place : kPlaces) {
        const int digit = number / place.unit % 10;
        if (digit == 9) {
            numeral += place.one;
            numeral += place.ten;
        } else if (digit == 4) {
            numeral += place.one;
            numeral += place.five;
        } else {
            if (digit >= 5) {
                numeral += place.five;
            }
            numeral.append(static_cast<std::size_t>(digit % 5), place.one);
        }
    }
    return numeral;
}

std::int64_t IntFromRoman(std::string_view text) {
    std::int64_t sum = 0;
    int largest = 0;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        const int value = RomanValue(*it);
        if (value == 0) {
            continue;
        }
        if (value < largest) {
            sum -= value;
        } else {
            sum += value;
            largest = value;
        }
    }
    return sum;
}

std::string SignedReading(double value, const BitWidth& width) {
    if (!std::isfinite(value)) {
        return "0";
    }
    const double low = LowBits(value, width);
    if (low < width.signBit) {
        return FormatFixed(value, 0);
    }
    return FormatFixed(-(width.bound - low), 0);
}

std::string ShiftLeft(std::string_view pattern, const BitWidth& width) {
    const std::string bits = FitPattern(pattern, width);
    return bits.substr(1) + '0';
}

std::string ShiftRight(std::string_view pattern, const BitWidth& width) {
    const std::string bits = FitPattern(pattern, width);
    return '0' + bits.substr(0, bits.size() - 1);
}

std::string RotateLeft(std::string_view pattern, const BitWidth& width) {
    const std::string bits = FitPattern(pattern, width);
    return bits.substr(1) + bits.front();
}

std::string RotateRight(std::string_view pattern, const BitWidth& width) {
    const std::string bits = FitPattern(pattern, width);
    return bits.back() + bits.substr(0, bits.size() - 1);
}

double LowBits(double value, const BitWidth& width) {
    if (!std::isfinite(value)) {
        return 0.0;
    }
    double low = std::fmod(std::trunc(value), width.bound);
    if (low < 0.0) {
        low += width.bound;
    }
    return low;
}

}  // namespace quillex::BaseCodec
