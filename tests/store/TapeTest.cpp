#include <gtest/gtest.h>

#include "store/Tape.h"

namespace quillex {
namespace {

TapeEntry Entry(int n) {
    return {QStringLiteral("e%1").arg(n), QStringLiteral("r%1").arg(n)};
}

TEST(TapeTest, PushFilesNewestFirst) {
    Tape tape;
    EXPECT_FALSE(tape.Push(Entry(1)));
    EXPECT_FALSE(tape.Push(Entry(2)));
    ASSERT_EQ(tape.Size(), 2);
    EXPECT_EQ(tape.At(0), Entry(2));
    EXPECT_EQ(tape.At(1), Entry(1));
}

TEST(TapeTest, FullTapeDropsTheOldestAndKeepsOneHundred) {
    Tape tape;
    for (int i = 0; i < Tape::kCapacity; ++i) {
        EXPECT_FALSE(tape.Push(Entry(i)));
    }
    EXPECT_TRUE(tape.Push(Entry(100)));
    ASSERT_EQ(tape.Size(), Tape::kCapacity);
    EXPECT_EQ(tape.At(0), Entry(100));
    EXPECT_EQ(tape.At(99), Entry(1));  // entry 0, the oldest, fell off
}

TEST(TapeTest, AssignKeepsAtMostOneHundred) {
    std::vector<TapeEntry> entries;
    for (int i = 0; i < 120; ++i) {
        entries.push_back(Entry(i));
    }
    Tape tape;
    tape.Assign(entries);
    ASSERT_EQ(tape.Size(), Tape::kCapacity);
    EXPECT_EQ(tape.At(0), Entry(0));
    EXPECT_EQ(tape.At(99), Entry(99));
    EXPECT_TRUE(tape.Push(Entry(500)));
    EXPECT_EQ(tape.At(99), Entry(98));
}

TEST(TapeTest, RemoveAndClearIgnoreIndicesOutOfRange) {
    Tape tape;
    tape.Assign({Entry(0), Entry(1), Entry(2)});
    tape.Remove(-1);
    tape.Remove(3);
    EXPECT_EQ(tape.Size(), 3);
    tape.Remove(1);
    ASSERT_EQ(tape.Size(), 2);
    EXPECT_EQ(tape.At(1), Entry(2));
    tape.Clear();
    EXPECT_EQ(tape.Size(), 0);
    tape.Remove(0);
    EXPECT_EQ(tape.Size(), 0);
}

TEST(TapeTest, ClipboardTexts) {
    Tape tape;
    EXPECT_EQ(tape.AllClipboardText(), QString());
    EXPECT_EQ(tape.EntryClipboardText(0), QString());
    tape.Push({QStringLiteral("1+1"), QStringLiteral("2")});
    tape.Push({QStringLiteral("2*pi"), QStringLiteral("6.2831853071796")});
    EXPECT_EQ(tape.EntryClipboardText(1), QStringLiteral("1+1 = 2\r\n"));
    EXPECT_EQ(tape.EntryClipboardText(2), QString());
    EXPECT_EQ(tape.EntryClipboardText(-1), QString());
    EXPECT_EQ(tape.AllClipboardText(), QStringLiteral("2*pi = 6.2831853071796\r\n1+1 = 2\r\n"));
}

TEST(TapeTest, ExpressionFromTapeTextCutsBeforeTheFirstEqualsSign) {
    const struct {
        const char* text;
        const char* expression;
    } cases[] = {
        {"2*pi", "2*pi"},   {"2*pi = 6.28", "2*pi"},
        {"a = b = c", "a"}, {"1=2", "1=2"},  // no blank before the sign: nothing to cut
        {" =", ""},         {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExpressionFromTapeText(QString::fromUtf8(c.text)),
                  QString::fromUtf8(c.expression))
            << c.text;
    }
}

}  // namespace
}  // namespace quillex
