#include "units/generator/UnitSizes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>

namespace quillex::unitgen {
namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

Int128 Gcd(Int128 a, Int128 b) {
    while (b != 0) {
        const Int128 r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// A decimal literal made a fraction, or inexact when its digits do not fit.
Size LiteralSize(std::string_view text) {
    Size size;
    size.approx = std::strtold(std::string(text).c_str(), nullptr);
    const std::size_t e = text.find_first_of("eE");
    int exponent =
        e == std::string_view::npos ? 0 : std::atoi(std::string(text.substr(e + 1)).c_str());
    Int128 mantissa = 0;
    bool fraction = false;
    for (const char c : text.substr(0, e)) {
        if (c == '.') {
            fraction = true;
            continue;
        }
        if (!Size::Times(mantissa, 10)) {
            size.exact = false;
            return size;
        }
        mantissa += c - '0';
        exponent -= fraction ? 1 : 0;
    }
    size.num = mantissa;
    for (; exponent > 0; --exponent) {
        size.exact = size.exact && Size::Times(size.num, 10);
    }
    for (; exponent < 0; ++exponent) {
        size.exact = size.exact && Size::Times(size.den, 10);
    }
    if (size.exact) {
        size.Reduce();
    }
    return size;
}

// The double nearest to num / den (both positive): the quotient's decimal digits, followed by a
// 1 when they do not end, read by the correctly rounding reader.
std::optional<double> NearestDouble(Int128 num, Int128 den) {
    if (den > (Int128(1) << 120)) {
        return std::nullopt;
    }
    Int128 whole = num / den;
    Int128 rest = num % den;
    std::string digits;
    do {
        digits.insert(digits.begin(), char('0' + int(whole % 10)));
        whole /= 10;
    } while (whole != 0);
    digits += '.';
    for (int n = 0; n < 160 && rest != 0; ++n) {
        rest *= 10;
        digits += char('0' + int(rest / den));
        rest %= den;
    }
    if (rest != 0) {
        digits += '1';
    }
    double value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

}  // namespace

void Size::Reduce() {
    const Int128 g = Gcd(num, den);
    num /= g;
    den /= g;
}

void Size::Multiply(const Size& other) {
    approx *= other.approx;
    piPower += other.piPower;
    exact = exact && other.exact && Times(num, other.num) && Times(den, other.den);
    if (exact) {
        Reduce();
    }
}

void Size::Divide(Size other) {
    std::swap(other.num, other.den);
    other.approx = 1 / other.approx;
    other.piPower = -other.piPower;
    Multiply(other);
}

// size := factor (('*' | '/') factor)*, factor := (number | "pi") ('^' integer)?
std::optional<Size> ParseSize(std::string_view text) {
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && text[i] == ' ') {
            ++i;
        }
    };
    const auto factor = [&]() -> std::optional<Size> {
        skipBlanks();
        Size size;
        if (text.substr(i, 2) == "pi") {
            i += 2;
            size.piPower = 1;
            size.approx = kPi;
        } else {
            const std::size_t start = i;
            while (i < text.size() &&
                   (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.')) {
                ++i;
            }
            if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
                ++i;
                if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
                    ++i;
                }
                while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
                    ++i;
                }
            }
            if (i == start || std::count(text.begin() + start, text.begin() + i, '.') > 1) {
                return std::nullopt;
            }
            size = LiteralSize(text.substr(start, i - start));
        }
        skipBlanks();
        if (i < text.size() && text[i] == '^') {
            ++i;
            skipBlanks();
            const std::size_t start = i;
            while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
                ++i;
            }
            const int power = std::atoi(std::string(text.substr(start, i - start)).c_str());
            if (i == start || power < 1) {
                return std::nullopt;
            }
            const Size base = size;
            for (int p = 1; p < power; ++p) {
                size.Multiply(base);
            }
        }
        return size;
    };
    std::optional<Size> size = factor();
    while (size) {
        skipBlanks();
        if (i == text.size()) {
            return size->approx > 0 ? size : std::nullopt;
        }
        const char op = text[i++];
        const std::optional<Size> next = factor();
        if (!next || (op != '*' && op != '/')) {
            return std::nullopt;
        }
        if (op == '*') {
            size->Multiply(*next);
        } else {
            size->Divide(*next);
        }
    }
    return std::nullopt;
}

double Ratio(const Size& a, const Size& b) {
    if (a.exact && b.exact) {
        Size ratio = a;
        ratio.Divide(b);
        if (ratio.exact) {
            if (ratio.piPower == 0) {
                if (const std::optional<double> nearest = NearestDouble(ratio.num, ratio.den)) {
                    return *nearest;
                }
            }
            return static_cast<double>(static_cast<long double>(ratio.num) /
                                       static_cast<long double>(ratio.den) *
                                       std::pow(kPi, ratio.piPower));
        }
    }
    return static_cast<double>(a.approx / b.approx);
}

}  // namespace quillex::unitgen
