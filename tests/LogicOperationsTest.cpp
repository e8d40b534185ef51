#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "bases/LogicOperations.h"

namespace quillex {
namespace {

using enum LogicBase;
using enum LogicOp;

const std::string kBinZero = "0000 0000 0000 0000 0000 0000 0000 0000";

struct Operands {
    LogicBase aBase;
    const char* a;
    LogicBase bBase;
    const char* b;
    LogicBase outBase;
};

LogicOperations PageWith(const Operands& setup) {
    LogicOperations page;
    page.SelectBase(LogicField::A, setup.aBase);
    page.SelectBase(LogicField::B, setup.bBase);
    page.SelectBase(LogicField::Output, setup.outBase);
    page.Edit(LogicField::A, setup.a);
    page.Edit(LogicField::B, setup.b);
    return page;
}

TEST(LogicOperations, OpensWithZeroInDecEverywhere) {
    const LogicOperations page;
    for (const LogicField field : {LogicField::A, LogicField::B, LogicField::Output}) {
        EXPECT_EQ(page.Text(field), "0");
        EXPECT_EQ(page.Base(field), Dec);
    }
    EXPECT_FALSE(page.LastOperation());
}

TEST(LogicOperations, CombinesTheOperandsEachReadInItsOwnBase) {
    struct Row {
        Operands setup;
        LogicOp op;
        const char* output;
    };
    for (const Row& row : {
             Row{{Dec, "12", Dec, "10", Dec}, And, "8"},
             Row{{Dec, "12", Dec, "10", Dec}, Or, "14"},
             Row{{Dec, "12", Dec, "10", Dec}, Xor, "6"},
             Row{{Dec, "12", Dec, "10", Dec}, Mod, "2"},
             Row{{Hex, "FF", Hex, "0F", Hex}, And, "0000000F"},
             Row{{Hex, "FF", Hex, "0F", Hex}, Or, "000000FF"},
             Row{{Hex, "FF", Hex, "0F", Hex}, Xor, "000000F0"},
             Row{{Bin, "1100", Bin, "1010", Bin}, And, "0000 0000 0000 0000 0000 0000 0000 1000"},
             Row{{Bin, "1111 0000", Bin, "0011 1100", Bin},
                 Xor,
                 "0000 0000 0000 0000 0000 0000 1100 1100"},
             Row{{Dec, "0", Dec, "5", Dec}, Mod, "0"},
             Row{{Dec, "5", Dec, "0", Dec}, Mod, "0"},
             Row{{Dec, "5", Dec, "", Dec}, Mod, "0"},
             Row{{Hex, "80000000", Hex, "FFFFFFFF", Hex}, Mod, "00000000"},
             Row{{Dec, "4294967295", Dec, "0", Dec}, Or, "-1"},
             Row{{Dec, "4294967296", Dec, "7", Dec}, Mod, "0"},
             Row{{Dec, "4294967289", Dec, "2", Dec}, Mod, "-1"},
             Row{{Dec, "7", Dec, "4294967294", Dec}, Mod, "1"},
             Row{{Oct, "17", Oct, "3", Oct}, Or, "17"},
             Row{{Dec, "1 2", Dec, "10", Dec}, And, "8"},
             // 2^64 + 1: the low bits survive however long the number.
             Row{{Dec, "18446744073709551617", Dec, "0", Dec}, Or, "1"},
             // Bit 31 set: Bin, Oct and Hex show the 32-bit pattern.
             Row{{Dec, "4294967295", Dec, "0", Hex}, Or, "FFFFFFFF"},
             Row{{Dec, "4294967295", Dec, "0", Oct}, Or, "37777777777"},
             Row{{Dec, "2147483648", Dec, "0", Bin}, Or, "1000 0000 0000 0000 0000 0000 0000 0000"},
         }) {
        LogicOperations page = PageWith(row.setup);
        page.Press(row.op);
        EXPECT_EQ(page.Text(LogicField::Output), row.output) << row.setup.a << " " << row.setup.b;
        EXPECT_EQ(page.LastOperation(), row.op);
        EXPECT_EQ(page.OutputTextBase(), row.setup.outBase);
    }

    // A in Dec, B in Hex, output in Bin.
    LogicOperations mixed;
    mixed.SelectBase(LogicField::B, Hex);
    mixed.SelectBase(LogicField::Output, Bin);
    mixed.Edit(LogicField::A, "10");
    mixed.Edit(LogicField::B, "A");
    mixed.Press(Xor);
    EXPECT_EQ(mixed.Text(LogicField::Output), kBinZero);
}

TEST(LogicOperations, ModFollowsTheTruncatingDivision) {
    const std::int32_t smallest = std::numeric_limits<std::int32_t>::min();
    struct Row {
        std::int32_t a, b, result;
    };
    for (const Row& row : {
             Row{-7, 2, -1},
             Row{7, -2, 1},
             Row{7, 2, 1},
             Row{smallest, -1, 0},
             Row{5, -1, 0},
             Row{0, 3, 0},
             Row{3, 0, 0},
         }) {
        EXPECT_EQ(Combine(Mod, row.a, row.b), row.result) << row.a << " mod " << row.b;
    }
}

TEST(LogicOperations, AnOperandOutsideItsBaseIsReportedAndNothingIsComputed) {
    struct Row {
        Operands setup;
        const char* output;
    };
    for (const Row& row : {
             Row{{Hex, "ff", Hex, "0F", Hex}, "f at pos 1 not allowed"},
             Row{{Dec, "-5", Dec, "3", Dec}, "- at pos 1 not allowed"},
             Row{{Dec, "5", Dec, "1.5", Dec}, ". at pos 2 not allowed"},
             Row{{Oct, "7", Oct, "78", Oct}, "8 at pos 2 not allowed"},
             Row{{Bin, "1010 2", Bin, "1", Bin}, "2 at pos 6 not allowed"},
             // A is read first.
             Row{{Dec, "x", Dec, "y", Dec}, "x at pos 1 not allowed"},
         }) {
        LogicOperations page = PageWith(row.setup);
        page.Press(Or);
        EXPECT_EQ(page.Text(LogicField::Output), row.output) << row.setup.a;
        EXPECT_FALSE(page.LastOperation());
    }
}

TEST(LogicOperations, ABaseChangeOfASwitchesAllThreeAndClearsThem) {
    struct Row {
        LogicBase base;
        std::string zero;
    };
    for (const Row& row : {
             Row{Hex, "00000000"},
             Row{Bin, kBinZero},
             Row{Oct, "0"},
             Row{Dec, "0"},
         }) {
        LogicOperations page = PageWith({Dec, "12", Oct, "7", Bin});
        page.Press(And);
        page.SelectBase(LogicField::A, row.base);
        for (const LogicField field : {LogicField::A, LogicField::B, LogicField::Output}) {
            EXPECT_EQ(page.Text(field), row.zero);
            EXPECT_EQ(page.Base(field), row.base);
        }
        EXPECT_EQ(page.OutputTextBase(), row.base);
    }
}

TEST(LogicOperations, ABaseChangeOfBClearsOnlyB) {
    LogicOperations page = PageWith({Dec, "12", Dec, "10", Dec});
    page.Press(Or);
    page.SelectBase(LogicField::B, Bin);
    EXPECT_EQ(page.Text(LogicField::B), kBinZero);
    EXPECT_EQ(page.Base(LogicField::B), Bin);
    EXPECT_EQ(page.Text(LogicField::A), "12");
    EXPECT_EQ(page.Base(LogicField::A), Dec);
    EXPECT_EQ(page.Text(LogicField::Output), "14");
    EXPECT_EQ(page.Base(LogicField::Output), Dec);
}

TEST(LogicOperations, ABaseChangeOfTheOutputConvertsItsText) {
    struct Step {
        LogicBase base;
        const char* output;
    };
    LogicOperations page;
    page.Edit(LogicField::Output, "8");
    for (const Step& step : {
             Step{Bin, "0000 0000 0000 0000 0000 0000 0000 1000"},
             Step{Hex, "00000008"},
             Step{Oct, "10"},
             Step{Dec, "8"},
         }) {
        page.SelectBase(LogicField::Output, step.base);
        EXPECT_EQ(page.Text(LogicField::Output), step.output);
        EXPECT_EQ(page.OutputTextBase(), step.base);
    }

    struct Row {
        LogicBase from;
        const char* typed;
        LogicBase to;
        const char* output;
    };
    for (const Row& row : {
             Row{Dec, "-1", Hex, "FFFFFFFF"},
             Row{Dec, "4294967297", Dec, "1"},
             Row{Dec, "12abc", Hex, "0000000C"},
             Row{Dec, "abc", Hex, "00000000"},
             Row{Dec, "", Bin, kBinZero.c_str()},
             Row{Hex, "FFFFFFFF", Dec, "-1"},
             Row{Bin, "1111 1111", Dec, "255"},
             Row{Hex, "fg", Dec, "f at pos 1 not allowed"},
         }) {
        LogicOperations converted;
        converted.SelectBase(LogicField::A, row.from);
        converted.Edit(LogicField::Output, row.typed);
        converted.SelectBase(LogicField::Output, row.to);
        EXPECT_EQ(converted.Text(LogicField::Output), row.output) << row.typed;
    }
}

TEST(LogicOperations, FieldsHoldNoMoreThanTheirLimit) {
    LogicOperations page;
    page.SelectBase(LogicField::A, Bin);
    EXPECT_EQ(page.MaxLength(LogicField::A), 43u);
    page.Edit(LogicField::A, std::string(60, '1'));
    EXPECT_EQ(page.Text(LogicField::A).size(), 43u);
    page.SelectBase(LogicField::B, Hex);
    EXPECT_EQ(page.MaxLength(LogicField::B), 255u);
    page.Edit(LogicField::B, std::string(400, 'F'));
    EXPECT_EQ(page.Text(LogicField::B).size(), 255u);
    page.SelectBase(LogicField::Output, Hex);
    page.Press(And);
    EXPECT_EQ(page.Text(LogicField::Output), "FFFFFFFF");
}

}  // namespace
}  // namespace quillex
