#include "engine/ResultFormat.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "text/NumberText.h"

namespace quillex {
namespace {

struct Prefix {
    const char* name;
    double factor;
};

constexpr std::array<Prefix, 17> kPrefixes{{
    {"exa", 1e18},
    {"peta", 1e15},
    {"tera", 1e12},
    {"giga", 1e9},
    {"mega", 1e6},
    {"kilo", 1e3},
    {"hecto", 100},
    {"dekao", 10},
    {"", 1},
    {"deci", 0.1},
    {"centi", 0.01},
    {"milli", 0.001},
    {"micro", 1e-6},
    {"nano", 1e-9},
    {"pico", 1e-12},
    {"femto", 1e-15},
    {"atto", 1e-18},
}};
constexpr std::size_t kUnitRow = 8;

std::string WithPrefix(double quotient, const char* name) {
    std::string text = FormatGeneral(quotient, 12);
    text += ' ';
    text += name;
    return text;
}

}  // namespace

std::string FormatResult(double value, int style, int decimals) {
    if (decimals < 0 || decimals > 15) {
        decimals = 0;
    }
    switch (style) {
        case kStyleFixed:
            return FormatFixed(value, decimals);
        case kStyleExponent:
            return FormatExponent(value, decimals);
        case kStylePrefix:
            if (auto text = FormatWithPrefix(value)) {
                return std::move(*text);
            }
            return FormatGeneral(value, 15);
        default:
            // "%.14G" never writes a blank, so there is nothing to remove.
            return FormatGeneral(value, 14);
    }
}

std::optional<std::string> FormatWithPrefix(double value) {
    if (value == 0 || value == 1 || !std::isfinite(value)) {
        return std::nullopt;
    }
    if (value >= kPrefixes[0].factor) {
        return WithPrefix(value / kPrefixes[0].factor, kPrefixes[0].name);
    }
    for (std::size_t row = 1; row < kUnitRow; ++row) {
        if (kPrefixes[row].factor <= value && value < kPrefixes[row - 1].factor) {
            return WithPrefix(value / kPrefixes[row].factor, kPrefixes[row].name);
        }
    }
    if (value > 1 && value < 10) {
        return WithPrefix(value / 10, "dekao");
    }
    for (std::size_t row = kUnitRow + 1; row < kPrefixes.size(); ++row) {
        if (kPrefixes[row].factor <= value && value < kPrefixes[row - 1].factor) {
            return WithPrefix(value / kPrefixes[row].factor, kPrefixes[row].name);
        }
    }
    return std::nullopt;
}

void SwapPointsAndCommas(std::string& text) {
    for (char& c : text) {
        if (c == '.') {
            c = ',';
        } else if (c == ',') {
            c = '.';
        }
    }
}

std::string GroupThousands(std::string text) {
    const bool negative = !text.empty() && text[0] == '-';
    std::size_t p = negative ? 1 : 0;
    while (p < text.size() && IsDigit(text[p])) {
        ++p;
    }
    const std::size_t shift = negative ? 1 : 0;
    if (p > 3 + shift) {
        text.insert(p - 3, 1, ',');
        ++p;
        if (p > 7 + shift) {
            text.insert(p - 7, 1, ',');
            ++p;
            if (p > 11 + shift) {
                text.insert(p - 11, 1, ',');
            }
        }
    }
    SwapPointsAndCommas(text);
    return text;
}

std::string ApplySeparators(std::string text, int thousands, bool decimalComma, bool succeeded) {
    if (!succeeded) {
        return text;
    }
    if (thousands == kThousandsNone) {
        if (decimalComma) {
            std::replace(text.begin(), text.end(), '.', ',');
        }
    } else if (thousands == kThousandsPoints || thousands == kThousandsCommas) {
        text = GroupThousands(std::move(text));
        if (thousands == kThousandsCommas) {
            SwapPointsAndCommas(text);
        }
    }
    return text;
}

std::string FormatDisplayed(double value, const DisplayOptions& display) {
    return ApplySeparators(FormatResult(value, display.style, display.decimals), display.thousands,
                           display.decimalComma, true);
}

}  // namespace quillex
