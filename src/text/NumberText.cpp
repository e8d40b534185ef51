#include "text/NumberText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace quillex {
namespace {

// Digits after the point are capped here; nothing in the program asks for more, and the cap
// keeps every conversion inside one fixed buffer.
constexpr int kMaxDecimals = 40;
// Widest fixed text: sign, 309 integer digits, point, decimals, one extra rounding digit.
using ConversionBuffer = std::array<char, 1 + 309 + 1 + kMaxDecimals + 2>;

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Skips leading blanks and one optional sign; returns the index after them.
std::size_t SkipBlanksAndSign(std::string_view text, bool& negative) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    return i;
}

std::string NonFiniteText(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    return value < 0 ? "-inf" : "inf";
}

// True when the exact value of the positive finite double a lies exactly halfway between two
// neighbours that differ in the digit of place 10^(place + 1), that is, when its decimal
// expansion ends with a single 5 at place 10^place. Writing a = m * 2^e with m odd: for
// place < 0 that holds exactly when e == place; for place >= 0 a must also hold 5^(place + 1).
bool IsExactHalf(double a, int place) {
    int exponent = 0;
    const double fraction = std::frexp(a, &exponent);
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    exponent -= 53;
    const int zeros = std::countr_zero(mantissa);
    mantissa >>= zeros;
    exponent += zeros;
    if (exponent != place) {
        return false;
    }
    if (place < 0) {
        return true;
    }
    if (place > 21) {  // 5^23 exceeds every 53-bit mantissa
        return false;
    }
    std::uint64_t power = 5;
    for (int i = 0; i < place; ++i) {
        power *= 5;
    }
    return mantissa % power == 0;
}

// Adds one unit in the last digit of a decimal text (sign, digits, at most one point).
// Returns true when the carry ran out at the front and a leading '1' was inserted.
bool IncrementLastDigit(std::string& text) {
    for (std::size_t i = text.size(); i-- > 0;) {
        char& c = text[i];
        if (c == '.') {
            continue;
        }
        if (!IsDigit(c)) {
            text.insert(i + 1, 1, '1');
            return true;
        }
        if (c != '9') {
            ++c;
            return false;
        }
        c = '0';
    }
    text.insert(0, 1, '1');
    return true;
}

// Cuts the final '5' of an exact halfway text and rounds the rest up (away from zero).
// Returns true when the rounding carried into a new leading digit.
bool RoundHalfUp(std::string& text) {
    text.pop_back();
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return IncrementLastDigit(text);
}

// Scientific mantissa with `decimals` digits after the point (sign included) and the decimal
// exponent, for a finite value.
void ScientificParts(double value, int decimals, std::string& mantissa, int& exponent) {
    ConversionBuffer buffer;
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::scientific, decimals);
    std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    std::size_t e = text.find('e');
    mantissa.assign(text.substr(0, e));
    exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    if (value == 0 || !IsExactHalf(std::fabs(value), exponent - decimals - 1)) {
        return;
    }
    // The value ends exactly on the rounding digit, so one more digit prints it exactly.
    result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                           std::chars_format::scientific, decimals + 1);
    text = std::string_view(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    mantissa.assign(text.substr(0, text.find('e')));
    if (RoundHalfUp(mantissa)) {
        // 9.99 rounded up to 10.00: renormalise to 1.00 with the next exponent.
        std::string normal = mantissa[0] == '-' ? "-1" : "1";
        if (decimals > 0) {
            normal += '.';
            normal.append(static_cast<std::size_t>(decimals), '0');
        }
        mantissa = normal;
        ++exponent;
    }
}

void AppendExponent(std::string& out, int exponent, bool upper) {
    out += upper ? 'E' : 'e';
    out += exponent < 0 ? '-' : '+';
    const std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < 3) {
        out.append(3 - digits.size(), '0');
    }
    out += digits;
}

void StripTrailingZeros(std::string& text) {
    if (text.find('.') == std::string::npos) {
        return;
    }
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
}

}  // namespace

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        return NonFiniteText(value);
    }
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    ConversionBuffer buffer;
    const bool half = value != 0 && IsExactHalf(std::fabs(value), -(decimals + 1));
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals + (half ? 1 : 0));
    std::string text(buffer.data(), result.ptr);
    if (half) {
        RoundHalfUp(text);
    }
    return text;
}

std::string FormatExponent(double value, int decimals, bool upper) {
    if (!std::isfinite(value)) {
        return NonFiniteText(value);
    }
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    std::string text;
    int exponent = 0;
    ScientificParts(value, decimals, text, exponent);
    AppendExponent(text, exponent, upper);
    return text;
}

std::string FormatGeneral(double value, int precision) {
    if (!std::isfinite(value)) {
        return NonFiniteText(value);
    }
    precision = std::clamp(precision, 1, kMaxDecimals + 1);
    if (value == 0) {
        return std::signbit(value) ? "-0" : "0";
    }
    std::string mantissa;
    int exponent = 0;
    ScientificParts(value, precision - 1, mantissa, exponent);
    if (exponent < -4 || exponent >= precision) {
        StripTrailingZeros(mantissa);
        AppendExponent(mantissa, exponent, true);
        return mantissa;
    }
    // Fixed form from the same significant digits, so both forms round at the same place.
    std::string out;
    std::string digits;
    for (char c : mantissa) {
        if (IsDigit(c)) {
            digits += c;
        } else if (c == '-') {
            out += '-';
        }
    }
    if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        out.append(digits, 0, integerDigits);
        if (digits.size() > integerDigits) {
            out += '.';
            out.append(digits, integerDigits);
        }
    } else {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }
    StripTrailingZeros(out);
    return out;
}

double ReadLeadingNumber(std::string_view text) {
    bool negative = false;
    std::size_t i = SkipBlanksAndSign(text, negative);
    const std::size_t start = i;
    std::size_t integerDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++integerDigits;
    }
    std::size_t fractionDigits = 0;
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        while (j < text.size() && IsDigit(text[j])) {
            ++j;
            ++fractionDigits;
        }
        if (integerDigits + fractionDigits > 0) {
            i = j;
        }
    }
    if (integerDigits + fractionDigits == 0) {
        return 0.0;
    }
    const std::size_t mantissaEnd = i;
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool exponentNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponentNegative = text[j] == '-';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                exponent = std::min(exponent * 10 + (text[j] - '0'), 100000L);
                ++j;
            }
            if (exponentNegative) {
                exponent = -exponent;
            }
            i = j;
        }
    }
    double value = 0.0;
    const auto [ptr, ec] =
        std::from_chars(text.data() + start, text.data() + i, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Decide between overflow and underflow from the place of the first non-zero digit.
        long leading = 0;
        bool found = false;
        for (std::size_t k = start; k < mantissaEnd && !found; ++k) {
            if (text[k] == '.') {
                continue;
            }
            const auto index = static_cast<long>(k - start);
            if (text[k] != '0') {
                found = true;
                leading = index < static_cast<long>(integerDigits)
                              ? static_cast<long>(integerDigits) - index - 1
                              : static_cast<long>(integerDigits) - index;
            }
        }
        value = found && leading + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    (void)ptr;
    return negative ? -value : value;
}

std::int32_t ReadLeadingInteger(std::string_view text) {
    bool negative = false;
    std::size_t i = SkipBlanksAndSign(text, negative);
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    while (i < text.size() && IsDigit(text[i])) {
        value = std::min(value * 10 + (text[i] - '0'), kLimit);
        ++i;
    }
    if (negative) {
        value = -value;
    }
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int32_t ReadLeadingIntegerModulo32(std::string_view text) {
    bool negative = false;
    std::uint32_t number = 0;
    for (std::size_t i = SkipBlanksAndSign(text, negative); i < text.size() && IsDigit(text[i]);
         ++i) {
        number = number * 10u + static_cast<std::uint32_t>(text[i] - '0');
    }
    if (negative) {
        number = 0u - number;
    }
    return static_cast<std::int32_t>(number);
}

}  // namespace quillex
