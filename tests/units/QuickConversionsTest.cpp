#include <gtest/gtest.h>

#include <string>

#include "text/Texts.h"
#include "units/QuickConversions.h"

#include "UnitsTestSupport.h"

namespace quillex {
namespace {

TEST(ConversionTable, DropsAFaultyLineWithoutTouchingTheNext) {
    const std::string tooLong(kMaxConversionFieldLength + 1, 'x');
    const ConversionTable table = ReadConversionTable(
        "inch,centimeter,Length,2.54,\n"
        "foot,meter,Length\n"  // three commas
        "a,b,c,d,ignored,,\r\n"
        "\n" +
        tooLong + ",b,c,d,\n" + "e,f," + tooLong + ",g,\n" + "x,y, Area ,1/2,"  // no line end
    );
    const ConversionRecord expected[] = {
        {"inch", "centimeter", "Length", "2.54"},
        {},
        {"a", "b", "c", "d"},
        {},
        {},
        {},
        {"x", "y", " Area ", "1/2"},
    };
    for (std::size_t r = 0; r < table.size(); ++r) {
        EXPECT_EQ(table[r], r < std::size(expected) ? expected[r] : ConversionRecord{}) << r;
    }
    const std::string fitting(kMaxConversionFieldLength, 'x');
    EXPECT_EQ(ReadConversionTable(fitting + ",b,c,d,\n")[0].from, fitting);
}

TEST(ConversionTable, ReadsNoMoreLinesThanItHoldsRecords) {
    std::string text;
    for (int line = 0; line < 500; ++line) {
        text += std::to_string(line) + ",b,Time,1,\n";
    }
    const ConversionTable table = ReadConversionTable(text);
    EXPECT_EQ(table.front().from, "0");
    EXPECT_EQ(table.back().from, std::to_string(kConversionRecordCount - 1));
}

TEST(ConversionMenu, SortsRecordsIntoCategoriesWhateverTheirCase) {
    const ConversionTable table = ReadConversionTable(
        "inch,centimeter,LENGTH,2.54,\n"
        "inch,centimeter,Lengths,2.54,\n"
        "a,b,time,60,\n");
    const std::vector<ConversionSubmenu> menu = ConversionMenu(table);
    ASSERT_EQ(menu.size(), 2 + kConversionCategories.size());
    EXPECT_EQ(menu[0].title, Text(TextId::MenuImperialToMetric));
    EXPECT_EQ(menu[2].title, "Angle      ");  // labels are filled to 11 characters
    const ConversionSubmenu& length = menu[2 + 6];
    EXPECT_EQ(length.title, "Length     ");
    ASSERT_EQ(length.items.size(), 1u);
    EXPECT_EQ(length.items[0].label, "inch -> centimeter");
    using Kind = ConversionEntry::Kind;
    EXPECT_EQ(length.items[0].entry, (ConversionEntry{Kind::Record, 0}));
    EXPECT_EQ(AppendedTextFor(table, {Kind::Record, 0}), ")*2.54");
    EXPECT_EQ(menu[2 + 11].items.at(0).entry, (ConversionEntry{Kind::Record, 2}));
    std::size_t entries = 0;
    for (const ConversionSubmenu& submenu : menu) {
        entries += submenu.items.size();
    }
    EXPECT_EQ(entries, kFixedConversionCount + 2);
    EXPECT_EQ(AppendedTextFor(table, {Kind::Record, 3}), std::nullopt);
    EXPECT_EQ(AppendedTextFor(table, {Kind::Record, kConversionRecordCount}), std::nullopt);
    EXPECT_EQ(AppendedTextFor(table, {Kind::Fixed, kFixedConversionCount}), std::nullopt);
}

TEST(ConversionMenu, FixedEntriesComeInPairsThatUndoEachOther) {
    const std::vector<ConversionSubmenu> menu = ConversionMenu({});
    ASSERT_EQ(menu[0].items.size(), 12u);
    ASSERT_EQ(menu[1].items.size(), 12u);
    for (std::size_t i = 0; i < 12; ++i) {
        const ConversionMenuItem& forward = menu[0].items[i];
        const ConversionMenuItem& back = menu[1].items[i];
        EXPECT_EQ(forward.entry, (ConversionEntry{ConversionEntry::Kind::Fixed, i}));
        EXPECT_EQ(back.entry, (ConversionEntry{ConversionEntry::Kind::Fixed, 12 + i}));
        EXPECT_EQ(AppendedTextFor({}, forward.entry), forward.appendedText);
        EXPECT_EQ(AppendedTextFor({}, back.entry), back.appendedText);
        EXPECT_EQ(forward.appendedText.substr(0, 2), ")*");
        EXPECT_EQ(back.appendedText, ")/" + forward.appendedText.substr(2)) << back.label;
    }
    // The nautical mile goes into meters, as the label says.
    EXPECT_EQ(menu[0].items[8].label, "nautic mile -> meter        ");
    EXPECT_DOUBLE_EQ(Evaluate(ConvertExpression("2", menu[0].items[8].appendedText)), 3704);
}

TEST(QuickConversion, WrapsTheWholeExpression) {
    struct Row {
        const char* expression;
        const char* appended;
        const char* result;
    } rows[] = {
        {"12", ")*2.54", "(12)*2.54"},       {"1+2", ")/1.609344", "(1+2)/1.609344"},
        {"", ")*0.3048", ")*0.3048"},        {"(12)*2.54", ")/2.54", "((12)*2.54)/2.54"},
        {"100", ")*9/5+32", "(100)*9/5+32"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ConvertExpression(row.expression, row.appended), row.result);
    }
    EXPECT_EQ(WrapExpression("7"), "(7)");
    EXPECT_EQ(WrapExpression(""), "");
    EXPECT_DOUBLE_EQ(Evaluate("(12)*2.54"), 30.48);
    EXPECT_DOUBLE_EQ(Evaluate("(100)*9/5+32"), 212);
}

}  // namespace
}  // namespace quillex
