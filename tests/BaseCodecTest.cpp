#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "bases/BaseCodec.h"
#include "text/NumberText.h"

namespace quillex {
namespace {

using namespace BaseCodec;

const BitWidth kW4 = *BitWidthFromIndex(0);
const BitWidth kW8 = *BitWidthFromIndex(1);
const BitWidth kW16 = *BitWidthFromIndex(2);
const BitWidth kW32 = *BitWidthFromIndex(3);

TEST(BaseCodec, FormatsTheIntegerPartInEachBase) {
    struct Row {
        double value;
        int base;
        const char* digits;
    };
    for (const Row& row : {
             Row{0, 2, "0"},
             Row{0, 8, "0"},
             Row{0, 10, "0"},
             Row{0, 16, "0"},
             Row{255, 16, "FF"},
             Row{5.9, 2, "101"},
             Row{8, 8, "10"},
             Row{1994, 10, "1994"},
             Row{4294967295.0, 16, "FFFFFFFF"},
             Row{4294967296.0, 2, "100000000000000000000000000000000"},
             // Outside the defined range: safe, never a negative index or an endless loop.
             Row{-5, 2, "0"},
             Row{std::numeric_limits<double>::infinity(), 16, "0"},
             Row{std::nan(""), 8, "0"},
             Row{255, 7, "0"},
         }) {
        EXPECT_EQ(FormatInBase(row.value, row.base), row.digits) << row.value << " " << row.base;
    }
    EXPECT_EQ(FormatInBase(1e308, 2).size(), 1024u);
}

TEST(BaseCodec, ParsesDigitTextsAndReportsTheFirstBadCharacter) {
    struct Row {
        int base;
        const char* text;
        double value;
        const char* report;
    };
    for (const Row& row : {
             Row{16, "ff", -1, "f at pos 1 not allowed"},
             Row{8, "18", -1, "8 at pos 2 not allowed"},
             Row{2, "", 0, ""},
             Row{16, "1 0", 16, ""},
             Row{16, "FF", 255, ""},
             Row{2, "1111 1011", 251, ""},
             Row{10, "-5", -1, "- at pos 1 not allowed"},
             Row{10, "1.5", -1, ". at pos 2 not allowed"},
             Row{16, "12 G", -1, "G at pos 4 not allowed"},
             Row{8, "777", 511, ""},
             Row{2, "   ", 0, ""},
         }) {
        EXPECT_EQ(ParseInBase(row.base, row.text), row.value) << row.text;
        const DigitCheck check = ValidateDigits(row.base, row.text);
        EXPECT_EQ(check.report, row.report) << row.text;
        EXPECT_EQ(check.accepted, row.report[0] == '\0') << row.text;
    }
    const DigitCheck check = ValidateDigits(8, "18");
    EXPECT_EQ(check.character, '8');
    EXPECT_EQ(check.position, 2);
}

TEST(BaseCodec, FitsDigitsToTheWidth) {
    struct Row {
        bool binary;
        const char* digits;
        BitWidth width;
        const char* text;
        bool overflow;
    };
    for (const Row& row : {
             Row{true, "101", kW8, "0000 0101", false},
             Row{true, "1", kW4, "0001", false},
             Row{true, "101", kW16, "0000 0000 0000 0101", false},
             Row{true, "111111111", kW8, "111111111", true},
             Row{true, "", kW32, "0000 0000 0000 0000 0000 0000 0000 0000", false},
             Row{false, "F", kW16, "000F", false},
             Row{false, "100", kW8, "100", true},
             Row{false, "", kW32, "00000000", false},
             Row{false, "FFFFFFFF", kW32, "FFFFFFFF", false},
         }) {
        const FittedDigits fitted =
            row.binary ? GroupBinary(row.digits, row.width) : PadHex(row.digits, row.width);
        EXPECT_EQ(fitted.text, row.text) << row.digits;
        EXPECT_EQ(fitted.overflow, row.overflow) << row.digits;
    }
}

TEST(BaseCodec, ChecksDecimalTextsAgainstTheOverflowBound) {
    struct Row {
        const char* text;
        BitWidth width;
        const char* result;
    };
    for (const Row& row : {
             Row{"255", kW8, "255"},
             Row{"256", kW8, "Overflow"},
             Row{"4294967295", kW32, "4294967295"},
             Row{"4294967296", kW32, "Overflow"},
             Row{"-3", kW4, "-3"},
             Row{"15", kW4, "15"},
             Row{"16", kW4, "Overflow"},
             Row{"65536", kW16, "Overflow"},
             Row{"1e400", kW32, "Overflow"},
             Row{"Overflow", kW4, "Overflow"},
             Row{"abc", kW4, "abc"},
         }) {
        EXPECT_EQ(CheckDecimal(row.text, row.width), row.result) << row.text;
    }
}

TEST(BaseCodec, PacksCharactersAsHexBytes) {
    EXPECT_EQ(HexFromAscii("AB"), "4142");
    EXPECT_EQ(ParseInBase(16, HexFromAscii("AB")), 16706);
    EXPECT_EQ(HexFromAscii("\xff\x01"), "FF01");

    struct Row {
        const char* hex;
        const char* text;
    };
    for (const Row& row : {
             Row{"41", "___A"},
             Row{"4869", "__Hi"},
             Row{"1E", "____"},
             Row{"1F", "___\x1f"},
             Row{"5", ""},
             Row{"0", ""},
             Row{"414243FF", "ABC\xff"},
             // Only the last four bytes of a longer text count.
             Row{"1414243FF", "ABC\xff"},
         }) {
        EXPECT_EQ(AsciiFromHex(row.hex), row.text) << row.hex;
    }
}

TEST(BaseCodec, WritesAndReadsRomanNumerals) {
    struct Row {
        int number;
        const char* numeral;
    };
    for (const Row& row : {
             Row{1, "I"},
             Row{4, "IV"},
             Row{9, "IX"},
             Row{14, "XIV"},
             Row{40, "XL"},
             Row{65, "LXV"},
             Row{251, "CCLI"},
             Row{1994, "MCMXCIV"},
             Row{3999, "MMMCMXCIX"},
             Row{0, ""},
             Row{4000, ""},
             Row{-1, ""},
         }) {
        EXPECT_EQ(RomanFromInt(row.number), row.numeral) << row.number;
        if (row.numeral[0] != '\0') {
            EXPECT_EQ(IntFromRoman(row.numeral), row.number) << row.numeral;
        }
    }
    struct Reading {
        const char* text;
        std::int64_t number;
    };
    for (const Reading& row : {
             Reading{"mcmxciv", 1994},
             Reading{"McMxCiV", 1994},
             Reading{"IIX", 8},
             Reading{"IC", 99},
             Reading{"MMMM", 4000},
             Reading{"M-C", 1100},
             Reading{"", 0},
             Reading{"abc", 100},
             Reading{"xyz", 10},
             Reading{"123", 0},
         }) {
        EXPECT_EQ(IntFromRoman(row.text), row.number) << row.text;
    }
}

TEST(BaseCodec, ReadsTheSignBitAsTwosComplement) {
    struct Row {
        double value;
        BitWidth width;
        const char* text;
    };
    for (const Row& row : {
             Row{251, kW8, "-5"},
             Row{255, kW8, "-1"},
             Row{128, kW8, "-128"},
             Row{127, kW8, "127"},
             Row{9, kW4, "-7"},
             Row{8, kW4, "-8"},
             Row{32768, kW16, "-32768"},
             Row{4294967295.0, kW32, "-1"},
             Row{2147483648.0, kW32, "-2147483648"},
             Row{-5, kW4, "-5"},
             Row{-5, kW32, "-5"},
             Row{0, kW8, "0"},
             Row{5, kW8, "5"},
             Row{std::numeric_limits<double>::infinity(), kW8, "0"},
             Row{-std::numeric_limits<double>::infinity(), kW32, "0"},
         }) {
        EXPECT_EQ(SignedReading(row.value, row.width), row.text) << row.value;
    }
}

TEST(BaseCodec, MovesOneBitInsideTheWidth) {
    EXPECT_EQ(RotateLeft("10000001", kW8), "00000011");
    EXPECT_EQ(RotateRight("10000001", kW8), "11000000");
    EXPECT_EQ(ShiftLeft("10000001", kW8), "00000010");
    EXPECT_EQ(ShiftRight("10000001", kW8), "01000000");
    // Short patterns are padded, long ones keep their low digits.
    EXPECT_EQ(RotateLeft("101", kW8), "00001010");
    EXPECT_EQ(ShiftRight("1", kW4), "0000");
    EXPECT_EQ(RotateRight("1111101000", kW8), "01110100");
    EXPECT_EQ(ShiftLeft("", kW32).size(), 32u);
}

TEST(BaseCodec, ReadsLeadingIntegersModulo32Bits) {
    struct Row {
        const char* text;
        std::int32_t number;
    };
    for (const Row& row : {
             Row{"200", 200},
             Row{"-5", -5},
             Row{"  +7x", 7},
             Row{"4294967295", -1},
             Row{"4294967296", 0},
             Row{"-2147483648", std::numeric_limits<std::int32_t>::min()},
             Row{"12.9", 12},
             Row{"1.5E+020", 1},
             Row{"Keine Eingabe", 0},
             Row{"", 0},
         }) {
        EXPECT_EQ(ReadLeadingIntegerModulo32(row.text), row.number) << row.text;
    }
}

}  // namespace
}  // namespace quillex
