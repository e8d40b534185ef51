#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include "bases/ProgrammerFields.h"

namespace quillex {
namespace {

const BitWidth kW4 = *BitWidthFromIndex(0);
const BitWidth kW8 = *BitWidthFromIndex(1);
const BitWidth kW16 = *BitWidthFromIndex(2);
const BitWidth kW32 = *BitWidthFromIndex(3);

// What the page shows, in field order.
struct Page {
    std::string bin, oct, dec, hex, ascii, twos, roman;
    bool operator==(const Page&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Page& page) {
    return out << "{" << page.bin << " | " << page.oct << " | " << page.dec << " | " << page.hex
               << " | " << page.ascii << " | " << page.twos << " | " << page.roman << "}";
}

Page Shown(const ProgrammerFields& fields) {
    return {fields.Text(ProgField::Bin),   fields.Text(ProgField::Oct),
            fields.Text(ProgField::Dec),   fields.Text(ProgField::Hex),
            fields.Text(ProgField::AscII), fields.Text(ProgField::Twos),
            fields.Text(ProgField::Roman)};
}

ProgrammerFields PageWith(const BitWidth& width, double result) {
    ProgrammerFields fields(width);
    fields.ReceiveResult(result);
    return fields;
}

const Page kZeroAt8{"0000 0000", "0", "Overflow", "00", "", "0", "0-3999"};

TEST(ProgrammerFields, FirstUpdateShowsZeroAndLeavesDecEmpty) {
    ProgrammerFields fields;
    EXPECT_EQ(Shown(fields), (Page{}));
    fields.SetWidth(kW8);
    EXPECT_EQ(Shown(fields), (Page{"0000 0000", "0", "", "00", "", "0", "0-3999"}));
}

TEST(ProgrammerFields, ShowsACalculatorResultInEveryField) {
    struct Row {
        BitWidth width;
        double result;
        Page page;
    };
    const double inf = std::numeric_limits<double>::infinity();
    for (const Row& row : {
             Row{kW8, 5, {"0000 0101", "5", "5", "05", "", "5", "V"}},
             Row{kW8, 65, {"0100 0001", "101", "65", "41", "___A", "65", "LXV"}},
             Row{kW8, 251, {"1111 1011", "373", "251", "FB", "___\xfb", "-5", "CCLI"}},
             Row{kW8, 128, {"1000 0000", "200", "128", "80", "___\x80", "-128", "CXXVIII"}},
             Row{kW8, 300, kZeroAt8},
             Row{kW8, 255.6, kZeroAt8},
             Row{kW8, inf, kZeroAt8},
             Row{kW4, 15, {"1111", "17", "15", "F", "", "-1", "XV"}},
             Row{kW4, 16, {"0000", "0", "Overflow", "0", "", "0", "0-3999"}},
             Row{kW16,
                 1994,
                 {"0000 0111 1100 1010", "3712", "1994", "07CA", "___\xca", "1994", "MCMXCIV"}},
             Row{kW16,
                 4000,
                 {"0000 1111 1010 0000", "7640", "4000", "0FA0", "___\xa0", "4000", "0-3999"}},
             Row{kW32,
                 -7,
                 {"0000 0000 0000 0000 0000 0000 0000 0000", "0", "0", "00000000", "", "0",
                  "0-3999"}},
             Row{kW32,
                 4294967295.0,
                 {"1111 1111 1111 1111 1111 1111 1111 1111", "37777777777", "4294967295",
                  "FFFFFFFF", "\xff\xff\xff\xff", "-1", "0-3999"}},
             Row{kW32,
                 std::nan(""),
                 {"0000 0000 0000 0000 0000 0000 0000 0000", "0", "0", "00000000", "", "0",
                  "0-3999"}},
             Row{kW8, 3.5, {"0000 0100", "4", "4", "04", "", "4", "IV"}},
             Row{kW8, 2.5, {"0000 0011", "3", "3", "03", "", "3", "III"}},
             Row{kW8, 0.4, {"0000 0000", "0", "0", "00", "", "0", "0-3999"}},
             Row{kW8, -0.0, {"0000 0000", "0", "0", "00", "", "0", "0-3999"}},
         }) {
        EXPECT_EQ(Shown(PageWith(row.width, row.result)), row.page)
            << row.width.bits << " bits, " << row.result;
    }
}

// Starting from a result at a width, the user types a text into a field that has the focus.
struct TypingRow {
    BitWidth width;
    double start;
    ProgField field;
    const char* typed;
    Page page;
    bool rewritten = false;
};

TEST(ProgrammerFields, TypingIntoAFieldUpdatesTheOthers) {
    const Page at8_5{"0000 0101", "5", "5", "05", "", "5", "V"};
    for (const TypingRow& row : {
             TypingRow{kW4, 0, ProgField::Bin, "1111", {"1111", "17", "15", "F", "", "-1", "XV"}},
             TypingRow{kW8, 0, ProgField::Bin, "0000 0101", at8_5},
             TypingRow{kW8, 0, ProgField::Bin, "101", {"101", "5", "5", "05", "", "5", "V"}},
             TypingRow{kW8,
                       0,
                       ProgField::Bin,
                       "111111111",
                       {"111111111", "0", "Overflow", "00", "", "0", "0-3999"}},
             TypingRow{kW8,
                       0,
                       ProgField::Hex,
                       "ff",
                       {"1111 1111", "377", "255", "ff", "___\xff", "-1", "CCLV"}},
             TypingRow{kW8, 5, ProgField::Hex, "G", {"0000 0101", "5", "5", "G", "", "5", "V"}},
             TypingRow{
                 kW8, 0, ProgField::Oct, "17", {"0000 1111", "17", "15", "0F", "", "15", "XV"}},
             TypingRow{kW8, 5, ProgField::Oct, "8", {"0000 0101", "8", "5", "05", "", "5", "V"}},
             TypingRow{
                 kW16,
                 0,
                 ProgField::Roman,
                 "MCMXCIV",
                 {"0000 0111 1100 1010", "3712", "1994", "07CA", "___\xca", "1994", "MCMXCIV"}},
             TypingRow{
                 kW16,
                 0,
                 ProgField::Roman,
                 "mcmxciv",
                 {"0000 0111 1100 1010", "3712", "1994", "07CA", "___\xca", "1994", "mcmxciv"}},
             TypingRow{kW16,
                       0,
                       ProgField::Roman,
                       "MMMM",
                       {"0000 1111 1010 0000", "7640", "4000", "0FA0", "___\xa0", "4000", "0-3999"},
                       true},
             TypingRow{kW8, 5, ProgField::Roman, "M", kZeroAt8, true},
             // Letters that sum to less than nothing make no numeral.
             TypingRow{kW8,
                       5,
                       ProgField::Roman,
                       "IIIIIIV",
                       {"0000 0101", "5", "5", "05", "", "5", "IIIIIIV"}},
             TypingRow{kW16,
                       0,
                       ProgField::AscII,
                       "AB",
                       {"0100 0001 0100 0010", "40502", "16706", "4142", "AB", "16706", "0-3999"}},
             TypingRow{
                 kW8, 0, ProgField::AscII, "A", {"0100 0001", "101", "65", "41", "A", "65", "LXV"}},
             TypingRow{kW8,
                       0,
                       ProgField::Dec,
                       "200",
                       {"1100 1000", "310", "200", "C8", "___\xc8", "-56", "CC"}},
             TypingRow{kW8,
                       5,
                       ProgField::Dec,
                       "300",
                       {"0000 0000", "0", "Overflow", "00", "", "0", "0-3999"},
                       true},
             TypingRow{kW32,
                       5,
                       ProgField::Dec,
                       "1e400",
                       {"0000 0000 0000 0000 0000 0000 0000 0000", "0", "Overflow", "00000000", "",
                        "0", "0-3999"},
                       true},
             TypingRow{kW8, 5, ProgField::Dec, "-1", {"0000 0101", "5", "-1", "05", "", "5", "V"}},
             // A negative number shows the bits that the 2's field reads.
             TypingRow{kW8,
                       5,
                       ProgField::Dec,
                       "-5",
                       {"1111 1011", "373", "-5", "FB", "___\xfb", "-5", "0-3999"}},
             TypingRow{
                 kW8, 5, ProgField::Dec, "abc", {"0000 0000", "0", "abc", "00", "", "0", "0-3999"}},
             // Clearing a digit field is 0; clearing AscII or Roman changes nothing.
             TypingRow{kW8, 5, ProgField::Bin, "", {"", "0", "0", "00", "", "0", "0-3999"}},
             TypingRow{kW8, 5, ProgField::Oct, "", {"0000 0000", "", "0", "00", "", "0", "0-3999"}},
             TypingRow{kW8, 5, ProgField::Hex, "", {"0000 0000", "0", "0", "", "", "0", "0-3999"}},
             TypingRow{kW8, 5, ProgField::Dec, "", {"0000 0000", "0", "", "00", "", "0", "0-3999"}},
             TypingRow{kW8, 5, ProgField::AscII, "", {"0000 0101", "5", "5", "05", "", "5", "V"}},
             TypingRow{kW8, 5, ProgField::Roman, "", {"0000 0101", "5", "5", "05", "", "5", ""}},
             TypingRow{kW8, 5, ProgField::Twos, "7", {"0000 0101", "5", "5", "05", "", "7", "V"}},
         }) {
        ProgrammerFields fields = PageWith(row.width, row.start);
        const EditOutcome outcome = fields.Edit(row.field, row.typed, true);
        EXPECT_EQ(Shown(fields), row.page) << row.width.bits << " bits, " << row.typed;
        EXPECT_EQ(outcome.editedFieldRewritten, row.rewritten) << row.typed;
        EXPECT_FALSE(outcome.asciiTooLong);
    }
}

TEST(ProgrammerFields, IgnoredEntriesSayWhy) {
    ProgrammerFields fields = PageWith(kW8, 5);
    EditOutcome outcome = fields.Edit(ProgField::Hex, "1g", true);
    EXPECT_FALSE(outcome.updated);
    EXPECT_EQ(outcome.rejection, "G at pos 2 not allowed");
    outcome = fields.Edit(ProgField::Hex, "1f", true);
    EXPECT_TRUE(outcome.updated);
    EXPECT_TRUE(outcome.rejection.empty());
    EXPECT_EQ(fields.Text(ProgField::Dec), "31");
}

TEST(ProgrammerFields, ChangesWithoutTheFocusAreTheFieldsOwnText) {
    ProgrammerFields fields = PageWith(kW8, 5);
    const EditOutcome outcome = fields.Edit(ProgField::Hex, "FF", false);
    EXPECT_FALSE(outcome.updated);
    EXPECT_EQ(Shown(fields), (Page{"0000 0101", "5", "5", "FF", "", "5", "V"}));
}

TEST(ProgrammerFields, TooLongAsciiTextAsksForAMessageAndChangesNothingElse) {
    for (const bool focus : {true, false}) {
        ProgrammerFields fields = PageWith(kW32, 5);
        const EditOutcome outcome = fields.Edit(ProgField::AscII, "ABCDEFG", focus);
        EXPECT_TRUE(outcome.asciiTooLong);
        EXPECT_EQ(outcome.asciiCaption, "ABCDEFG");
        EXPECT_FALSE(outcome.updated);
        EXPECT_EQ(fields.Text(ProgField::Dec), "5");
    }
    ProgrammerFields fields = PageWith(kW32, 5);
    EXPECT_FALSE(fields.Edit(ProgField::AscII, "ABCDEF", true).asciiTooLong);
    // Six characters make a 48-bit number, which no width holds.
    EXPECT_EQ(fields.Text(ProgField::Dec), "Overflow");
    EXPECT_EQ(fields.Text(ProgField::AscII), "ABCDEF");
}

TEST(ProgrammerFields, LongRomanTextsAreReadUpTo255Characters) {
    ProgrammerFields fields = PageWith(kW32, 5);
    fields.Edit(ProgField::Roman, std::string(300, 'M'), true);
    EXPECT_EQ(fields.Text(ProgField::Dec), "255000");
    EXPECT_EQ(fields.Text(ProgField::Roman), "0-3999");
}

TEST(ProgrammerFields, InvShiftsAndRotationsMoveTheValueInsideTheWidth) {
    struct Row {
        BitWidth width;
        double start;
        std::optional<BitMove> move;  // none: Inv
        const char* dec;
    };
    for (const Row& row : {
             Row{kW4, 5, std::nullopt, "10"},
             Row{kW32, 0, std::nullopt, "4294967295"},
             Row{kW8, 255, std::nullopt, "0"},
             Row{kW8, 129, BitMove::ShiftLeft, "2"},
             Row{kW8, 129, BitMove::ShiftRight, "64"},
             Row{kW8, 129, BitMove::RotateLeft, "3"},
             Row{kW8, 129, BitMove::RotateRight, "192"},
             Row{kW32, 2147483648.0, BitMove::ShiftRight, "1073741824"},
             Row{kW32, 2147483648.0, BitMove::RotateLeft, "1"},
             Row{kW4, 8, BitMove::ShiftLeft, "0"},
         }) {
        ProgrammerFields fields = PageWith(row.width, row.start);
        if (row.move) {
            fields.Move(*row.move);
        } else {
            fields.Invert();
        }
        EXPECT_EQ(fields.Text(ProgField::Dec), row.dec) << row.start;
    }
    ProgrammerFields fields = PageWith(kW8, 0);
    fields.Edit(ProgField::Bin, "101", true);
    fields.Move(BitMove::RotateLeft);
    EXPECT_EQ(Shown(fields), (Page{"0000 1010", "12", "10", "0A", "", "10", "X"}));
}

TEST(ProgrammerFields, MovesTheValueWhenBinHoldsAnIgnoredEntry) {
    ProgrammerFields fields = PageWith(kW8, 5);
    fields.Edit(ProgField::Bin, "12", true);
    fields.Move(BitMove::ShiftLeft);
    EXPECT_EQ(fields.Text(ProgField::Dec), "10");
}

TEST(ProgrammerFields, NarrowingTheWidthShowsTheOverflowUntilTheNextResult) {
    ProgrammerFields fields = PageWith(kW32, 1000);
    fields.SetWidth(kW8);
    EXPECT_EQ(Shown(fields),
              (Page{"1111101000", "1750", "Overflow", "3E8", "___\xe8", "-24", "M"}));
    // The bits beyond the width are dropped by a shift.
    fields.Move(BitMove::ShiftLeft);
    EXPECT_EQ(fields.Text(ProgField::Dec), "208");
    fields.ReceiveResult(1000);
    EXPECT_EQ(Shown(fields), kZeroAt8);
    fields.SetWidth(kW16);
    EXPECT_EQ(fields.Text(ProgField::Bin), "0000 0000 0000 0000");
}

TEST(ProgrammerFields, TypingLimitsFollowTheWidth) {
    struct Row {
        BitWidth width;
        std::size_t bin, oct, dec, hex, ascii;
    };
    for (const Row& row : {
             Row{kW4, 4, 2, 2, 1, 1},
             Row{kW8, 9, 3, 3, 2, 1},
             Row{kW16, 19, 6, 5, 4, 2},
             Row{kW32, 39, 11, 10, 8, 4},
         }) {
        ProgrammerFields fields;
        fields.SetWidth(row.width);
        EXPECT_EQ(fields.MaxLength(ProgField::Bin), row.bin);
        EXPECT_EQ(fields.MaxLength(ProgField::Oct), row.oct);
        EXPECT_EQ(fields.MaxLength(ProgField::Dec), row.dec);
        EXPECT_EQ(fields.MaxLength(ProgField::Hex), row.hex);
        EXPECT_EQ(fields.MaxLength(ProgField::AscII), row.ascii);
        EXPECT_EQ(fields.MaxLength(ProgField::Roman), 255u);
        EXPECT_EQ(fields.MaxLength(ProgField::Twos), 0u);
    }
}

TEST(ProgrammerFields, ResultCommandsReplaceTheResultText) {
    struct Row {
        const char* result;
        BitWidth width;
        std::optional<std::string> sign, bits, parity;
    };
    for (const Row& row : {
             Row{"200", kW8, "Negative", "8 Bit Number", "EVEN"},
             Row{"100", kW8, "Positive", "7 Bit Number", "EVEN"},
             Row{"-5", kW32, "Negative", "3 Bit Number", "ODD"},
             Row{"0", kW8, std::nullopt, std::nullopt, std::nullopt},
             Row{"", kW8, std::nullopt, std::nullopt, std::nullopt},
             Row{"Keine Eingabe", kW8, std::nullopt, std::nullopt, std::nullopt},
             Row{"1024", kW16, "Positive", "11 Bit Number", "EVEN"},
             Row{"7", kW4, "Positive", "3 Bit Number", "ODD"},
             Row{"8", kW4, "Negative", "4 Bit Number", "EVEN"},
             Row{"1", kW8, "Positive", "1 Bit Number", "ODD"},
             Row{"255", kW8, "Negative", "8 Bit Number", "ODD"},
             Row{"256", kW8, "Positive", "9 Bit Number", "EVEN"},
             Row{"-1", kW8, "Negative", "1 Bit Number", "ODD"},
             Row{"-2147483648", kW32, "Negative", "32 Bit Number", "EVEN"},
             Row{"4294967296", kW32, std::nullopt, std::nullopt, std::nullopt},
             Row{"12.75", kW8, "Positive", "4 Bit Number", "EVEN"},
         }) {
        EXPECT_EQ(SignText(row.result, row.width), row.sign) << row.result;
        EXPECT_EQ(GetBitText(row.result), row.bits) << row.result;
        EXPECT_EQ(ParityText(row.result), row.parity) << row.result;
    }
}

}  // namespace
}  // namespace quillex
