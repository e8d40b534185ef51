#include <gtest/gtest.h>

#include <cmath>

#include "engine/ResultFormat.h"

namespace quillex {
namespace {

TEST(ResultFormat, DisplayStyles) {
    struct Row {
        double value;
        int style;
        int decimals;
        const char* text;
    } rows[] = {
        {1.0 / 3, kStyleStandard, 5, "0.33333333333333"},
        {1e20, kStyleStandard, 0, "1E+020"},
        {-1234.5, kStyleStandard, 0, "-1234.5"},
        {2.0 / 3, kStyleFixed, 2, "0.67"},
        {1.5, kStyleFixed, 0, "2"},
        {2.5, kStyleFixed, 0, "3"},
        {2.5, kStyleFixed, 16, "3"},  // out-of-range decimals count as 0
        {2.5, kStyleFixed, -1, "3"},
        {1234.56, kStyleExponent, 3, "1.235e+003"},
        {5000, kStylePrefix, 0, "5 kilo"},
        {3, kStylePrefix, 0, "0.3 dekao"},
        {12, kStylePrefix, 0, "1.2 dekao"},
        {1234567, kStylePrefix, 0, "1.234567 mega"},
        {0.25, kStylePrefix, 0, "2.5 deci"},
        {1e18, kStylePrefix, 0, "1 exa"},
        {5e20, kStylePrefix, 0, "500 exa"},
        {1e-18, kStylePrefix, 0, "1 atto"},
        {0, kStylePrefix, 0, "0"},
        {1, kStylePrefix, 0, "1"},
        {-5000, kStylePrefix, 0, "-5000"},
        {2.5e-20, kStylePrefix, 0, "2.5E-020"},
        {0.3, kStylePrefix, 0, "3 deci"},
        {1.0 / 3, kStylePrefix, 0, "3.33333333333 deci"},
        {42, 9, 0, "42"},  // an unknown style shows as Standard
    };
    for (const Row& row : rows) {
        EXPECT_EQ(FormatResult(row.value, row.style, row.decimals), row.text) << row.value;
    }
}

TEST(ResultFormat, NonFiniteValuesHaveOneTextInEveryStyle) {
    for (int style = kStyleStandard; style <= kStylePrefix; ++style) {
        EXPECT_EQ(FormatResult(INFINITY, style, 3), "inf");
        EXPECT_EQ(FormatResult(-INFINITY, style, 3), "-inf");
        EXPECT_EQ(FormatResult(std::sqrt(-1.0), style, 3), "nan");
        for (int thousands : {0, 1, 2}) {
            EXPECT_EQ(ApplySeparators(FormatResult(-INFINITY, style, 3), thousands, true, true),
                      "-inf");
        }
    }
}

TEST(ResultFormat, GroupThousands) {
    struct Row {
        const char* text;
        const char* grouped;
    } rows[] = {
        {"1234567.5", "1.234.567,5"},
        {"-1234", "-1.234"},
        {"123", "123"},
        {"-123", "-123"},
        {"1234", "1.234"},
        {"0.5", "0,5"},
        {"12345678901234", "12345.678.901.234"},
        {"1E+020", "1E+020"},
        {"-1.5E+020", "-1,5E+020"},
        {"5 kilo", "5 kilo"},
        {"1.234567 mega", "1,234567 mega"},
        {"500 exa", "500 exa"},
        {"", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(GroupThousands(row.text), row.grouped) << row.text;
    }
}

TEST(ResultFormat, SeparatorStage) {
    EXPECT_EQ(ApplySeparators("1234567.5", kThousandsPoints, false, true), "1.234.567,5");
    EXPECT_EQ(ApplySeparators("1234567.5", kThousandsCommas, false, true), "1,234,567.5");
    EXPECT_EQ(ApplySeparators("-1234", kThousandsCommas, false, true), "-1,234");
    EXPECT_EQ(ApplySeparators("2.5", kThousandsNone, true, true), "2,5");
    EXPECT_EQ(ApplySeparators("2.5", kThousandsNone, false, true), "2.5");
    EXPECT_EQ(ApplySeparators("1234.5", kThousandsPoints, true, true), "1.234,5");
    EXPECT_EQ(ApplySeparators("1.5E+020", kThousandsCommas, false, true), "1.5E+020");
    // Messages pass unchanged.
    EXPECT_EQ(ApplySeparators("Anweisung unvollst.", kThousandsCommas, true, false),
              "Anweisung unvollst.");
    EXPECT_EQ(ApplySeparators("Anweisung unvollst.", kThousandsNone, true, false),
              "Anweisung unvollst.");
}

}  // namespace
}  // namespace quillex
