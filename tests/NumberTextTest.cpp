#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "text/NumberText.h"

namespace quillex {
namespace {

TEST(NumberText, FixedRoundsExactHalvesAwayFromZero) {
    struct Row {
        double value;
        int decimals;
        const char* text;
    } rows[] = {
        {2.5, 0, "3"},
        {-2.5, 0, "-3"},
        {1.5, 0, "2"},
        {0.5, 0, "1"},
        {0.125, 2, "0.13"},
        {0.375, 2, "0.38"},
        {2.675, 2, "2.67"},
        {9.5, 0, "10"},
        {99.95, 1, "100.0"},
        {999.5, 0, "1000"},
        {-0.5, 0, "-1"},
        {0.4, 0, "0"},
        {-0.4, 0, "-0"},
        {2.0 / 3, 2, "0.67"},
        {7, 6, "7.000000"},
        {0, 3, "0.000"},
        {1e20, 0, "100000000000000000000"},
        {0.0625, 3, "0.063"},
        {1.0 / 3, 15, "0.333333333333333"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FormatFixed(row.value, row.decimals), row.text) << row.value;
    }
}

TEST(NumberText, ExponentFormHasThreeDigitsAndRoundsHalvesUp) {
    EXPECT_EQ(FormatExponent(1234.56, 3), "1.235e+003");
    EXPECT_EQ(FormatExponent(1e20, 0), "1e+020");
    EXPECT_EQ(FormatExponent(1.5e-300, 1), "1.5e-300");
    EXPECT_EQ(FormatExponent(2.5, 0), "3e+000");
    EXPECT_EQ(FormatExponent(9.5, 0), "1e+001");
    EXPECT_EQ(FormatExponent(-9.95, 1, true), "-9.9E+000");  // 9.95 lies below the half
    EXPECT_EQ(FormatExponent(1.25, 1), "1.3e+000");
    EXPECT_EQ(FormatExponent(125, 1), "1.3e+002");
    EXPECT_EQ(FormatExponent(0, 2), "0.00e+000");
    EXPECT_EQ(FormatExponent(1.7976931348623157e308, 3), "1.798e+308");
    EXPECT_EQ(FormatExponent(4.9406564584124654e-324, 2), "4.94e-324");
}

TEST(NumberText, GeneralFormat) {
    struct Row {
        double value;
        int precision;
        const char* text;
    } rows[] = {
        {2 * 3.141592653589793, 14, "6.2831853071796"},
        {1e20, 14, "1E+020"},
        {1.0 / 3, 14, "0.33333333333333"},
        {12345678901234.5, 14, "12345678901235"},
        {0.0001, 14, "0.0001"},
        {0.00001, 14, "1E-005"},
        {-0.00012345, 3, "-0.000123"},
        {100, 14, "100"},
        {1e14, 14, "1E+014"},
        {99999999999999.5, 14, "1E+014"},
        {0, 14, "0"},
        {-0.0, 14, "-0"},
        {5, 12, "5"},
        {1.234567, 12, "1.234567"},
        {0.5, 0, "0.5"},
        {125, 2, "1.3E+002"},
        {2.5, 1, "3"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FormatGeneral(row.value, row.precision), row.text) << row.value;
    }
}

TEST(NumberText, NonFiniteTexts) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (int digits : {0, 3, 14}) {
        EXPECT_EQ(FormatGeneral(inf, digits), "inf");
        EXPECT_EQ(FormatFixed(-inf, digits), "-inf");
        EXPECT_EQ(FormatExponent(nan, digits), "nan");
        EXPECT_EQ(FormatGeneral(-nan, digits), "nan");
    }
}

// True when the value printed with 40 more digits shows a 5 and only zeros after the last
// requested digit: an exact half, where the C library rounds to even and we round up.
bool IsHalf(const char* format, int digits, double value) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, digits + 40, value);
    std::string text = buffer;
    text.resize(text.find_first_of("eE") == std::string::npos ? text.size()
                                                              : text.find_first_of("eE"));
    const std::string tail = "5" + std::string(39, '0');
    return text.size() > tail.size() && text.compare(text.size() - 40, 40, tail) == 0;
}

// Away from exact halves the formats agree with the C library apart from the exponent width.
TEST(NumberText, AgreesWithPrintfAwayFromHalves) {
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-30, 30);
    auto widen = [](std::string text) {
        // printf writes at least two exponent digits; ours at least three.
        const auto e = text.find_first_of("eE");
        if (e != std::string::npos && text.size() - e == 4) {
            text.insert(e + 2, 1, '0');
        }
        return text;
    };
    char buffer[512];
    int halves = 0;
    for (int i = 0; i < 20000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        const int digits = i % 16;
        if (IsHalf("%.*e", digits, value) || IsHalf("%.*f", digits, value) ||
            IsHalf("%.*e", digits - 1, value)) {
            ++halves;
            continue;
        }
        std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
        ASSERT_EQ(FormatGeneral(value, digits), widen(buffer)) << value << " " << digits;
        std::snprintf(buffer, sizeof buffer, "%.*e", digits, value);
        ASSERT_EQ(FormatExponent(value, digits), widen(buffer)) << value << " " << digits;
        std::snprintf(buffer, sizeof buffer, "%.*f", digits, value);
        ASSERT_EQ(FormatFixed(value, digits), buffer) << value << " " << digits;
    }
    EXPECT_LT(halves, 200);
}

// odd / 2^k ends in a 5 at its k-th decimal, exactly halfway at k - 1 decimals; rounded up it
// prints as the next double above it does.
TEST(NumberText, FixedRoundsEveryExactHalfUp) {
    std::mt19937_64 random(99);
    char buffer[512];
    for (int i = 0; i < 5000; ++i) {
        const int k = 1 + i % 12;  // keeps one ulp far below the rounding digit
        const auto odd = static_cast<double>((random() % (1u << 20)) | 1u);
        const double value = std::ldexp(odd, -k);
        std::snprintf(buffer, sizeof buffer, "%.*f", k - 1, std::nextafter(value, INFINITY));
        ASSERT_EQ(FormatFixed(value, k - 1), buffer) << value;
        ASSERT_EQ(FormatFixed(-value, k - 1), std::string("-") + buffer) << value;
    }
}

TEST(NumberText, LeadingNumberRule) {
    struct Row {
        const char* text;
        double value;
    } rows[] = {
        {"2a", 2},
        {"0x10", 0},
        {"  -1.5e3xyz", -1500},
        {"+.5", 0.5},
        {"5.", 5},
        {"1e", 1},
        {"1e+", 1},
        {"1.2.3", 1.2},
        {"inf", 0},
        {"nan", 0},
        {"", 0},
        {"-", 0},
        {".", 0},
        {"\t\n 7", 7},
        {"1e400", INFINITY},
        {"-1e400", -INFINITY},
        {"1e-400", 0},
        {"0e999999", 0},
        {"0.001e308", 1e305},
        {"1,5", 1},
        {"0.100000001490116", 0.100000001490116},
        {"1e99999999999999999999", INFINITY},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ReadLeadingNumber(row.text), row.value) << row.text;
    }
    EXPECT_TRUE(std::signbit(ReadLeadingNumber("-0")));
}

TEST(NumberText, AtolRule) {
    EXPECT_EQ(ReadLeadingInteger("12abc"), 12);
    EXPECT_EQ(ReadLeadingInteger("abc"), 0);
    EXPECT_EQ(ReadLeadingInteger(""), 0);
    EXPECT_EQ(ReadLeadingInteger("  -7"), -7);
    EXPECT_EQ(ReadLeadingInteger("+3"), 3);
    EXPECT_EQ(ReadLeadingInteger("3.9"), 3);
    EXPECT_EQ(ReadLeadingInteger("- 3"), 0);
    EXPECT_EQ(ReadLeadingInteger("99999999999999999999"), 2147483647);
    EXPECT_EQ(ReadLeadingInteger("-99999999999999999999"), -2147483647 - 1);
}

}  // namespace
}  // namespace quillex
