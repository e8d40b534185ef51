#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/ExprEngine.h"
#include "text/NumberText.h"
#include "units/Converter.h"

namespace quillex {
namespace {

// A well-formed file of n units whose factor from unit i to unit k is 1000 * i + k.
std::string NumberedFile(std::size_t n) {
    std::string text = std::to_string(n) + "\n";
    for (std::size_t i = 0; i < n; ++i) {
        text += "u" + std::to_string(i) + ",unit " + std::to_string(i) + "\n";
        for (std::size_t k = 0; k < n; ++k) {
            text += std::to_string(1000 * i + k) + "\n";
        }
    }
    return text;
}

TEST(RegionFile, ReadsHeadersAndFactorsInFileOrder) {
    const RegionTable table = ReadRegion(
        "3\r\n\"m\",\"meter\"\r\n1\r\n100 cm\r\n0.5\r\n"
        "cm,centi,meter\n0.01\n1\n2e-3x\nno comma\nabc\n\n1\n");
    ASSERT_EQ(table.Size(), 3u);
    EXPECT_EQ(table.labels, (std::vector<std::string>{"m", "cm", ""}));
    EXPECT_EQ(table.names, (std::vector<std::string>{"meter", "centi,meter", "no comma"}));
    EXPECT_EQ(table.Factor(1, 0), 100);  // the rest of a factor line is ignored
    EXPECT_EQ(table.Factor(2, 1), 2e-3);
    EXPECT_EQ(table.Factor(0, 2), 0);  // not a number, and an empty line: 0
    EXPECT_EQ(table.Factor(1, 2), 0);
}

TEST(RegionFile, KeepsOnlyWholeUnitsOfAFaultyFile) {
    const std::string three = NumberedFile(3);
    struct Row {
        std::string text;
        std::size_t units;
    } rows[] = {
        {"", 0},
        {"abc\nx,y\n1\n", 0},
        {"-2\nx,y\n1\n", 0},
        {"0\n", 0},
        {three, 3},
        {three.substr(0, three.rfind('\n', three.size() - 2) + 1), 2},  // a factor line short
        {"4" + three.substr(1), 2},  // blocks of four lines cannot be filled
        {"2" + three.substr(1), 2},  // more lines than announced
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ReadRegion(row.text).Size(), row.units) << row.text;
    }
    // Announced blocks are three lines long here, whatever the lines hold.
    EXPECT_EQ(ReadRegion("2" + three.substr(1)).names[1], "2");
}

TEST(RegionFile, KeepsTheFirst200UnitsOfALargerFile) {
    const RegionTable table = ReadRegion(NumberedFile(203));
    ASSERT_EQ(table.Size(), kMaxRegionUnits);
    EXPECT_EQ(table.names.back(), "unit 199");
    EXPECT_EQ(table.Factor(199, 150), 150199);
    EXPECT_EQ(table.Factor(0, 199), 199000);
}

TEST(RegionFile, CutsLongLinesWithoutSplittingThem) {
    const std::string longName(150, 'n');
    const RegionTable table = ReadRegion("1\nx," + longName + "\n" + std::string(120, '7') + "\n");
    ASSERT_EQ(table.Size(), 1u);
    EXPECT_EQ(table.names[0], longName.substr(0, kMaxRegionLineLength - 2));
    EXPECT_DOUBLE_EQ(table.Factor(0, 0), 7.777777777777778e98);
}

// Region files held in memory, by file name.
class UnitConverterTest : public ::testing::Test {
protected:
    UnitConverter Converter(bool allFiles) {
        return UnitConverter(allFiles, [this](const std::string& name) {
            const auto file = files_.find(name);
            return file == files_.end() ? std::nullopt : std::optional(ReadRegion(file->second));
        });
    }
    std::map<std::string, std::string> files_ = {
        {"convert/Area.conv", "2\nm²,square meter\n1\n1e4\ncm²,square centimeter\n1e-4\n1\n"},
        {"convert/Area.all", NumberedFile(3)},
        {"convert/Length.conv",
         "3\nin,inch\n1\n2.54\n1.5782828282828283e-05\ncm,centimeter\n0.3937007874015748\n"
         "1\n6.2137119223733397e-06\nmi,mile\n63360\n160934.4\n1\n"},
        {"convert/Mass.conv", "0\n"},
        {"convert/Power.conv", "1\nW,watt\n1\n"},
    };
};

TEST_F(UnitConverterTest, ConvertsForwardAndBackward) {
    using enum ConverterSide;
    UnitConverter converter = Converter(false);
    ASSERT_TRUE(converter.SelectRegion(6));
    EXPECT_EQ(converter.Label(First), "in");
    converter.SelectUnit(Second, 1);
    EXPECT_EQ(converter.Label(Second), "cm");
    converter.EditValue(First, "12");
    EXPECT_EQ(converter.ValueText(Second), "30.48");
    converter.EditValue(Second, "2,54");  // reads as 2
    EXPECT_EQ(converter.ValueText(First), "0.7874015748");
    // A new second unit converts the first value, never the second back.
    converter.SelectUnit(Second, 2);
    EXPECT_EQ(converter.ValueText(First), "0.7874015748");
    EXPECT_EQ(converter.ValueText(Second), "1.242742384E-005");
    converter.SelectUnit(First, 2);
    converter.SelectUnit(Second, 7);  // beyond the list: ignored
    converter.EditValue(First, "12345678901");
    EXPECT_EQ(converter.ValueText(Second), "1.23456789E+010");
    converter.EditValue(First, " -abc");
    EXPECT_EQ(converter.ValueText(Second), "0");
}

// Whatever a field shows, its term makes the value it shows in any place of an expression.
TEST_F(UnitConverterTest, AValueBecomesATermOfAnExpression) {
    using enum ConverterSide;
    UnitConverter converter = Converter(false);
    ASSERT_TRUE(converter.SelectRegion(6));
    EXPECT_EQ(converter.ExpressionTerm(Second), std::nullopt);
    converter.SelectUnit(Second, 2);
    ExprEngine engine;
    for (const char* typed : {"12", "-12", "0.000001", "-1e20", "-0"}) {
        converter.EditValue(First, typed);
        const std::optional<std::string> term = converter.ExpressionTerm(Second);
        ASSERT_TRUE(term) << typed;
        const double shown = ReadLeadingNumber(converter.ValueText(Second));
        EXPECT_DOUBLE_EQ(engine.EvaluateText("2-" + *term + ";_").value, 2 - shown) << *term;
        EXPECT_DOUBLE_EQ(engine.EvaluateText("2*" + *term + ";_").value, 2 * shown) << *term;
    }
    for (const char* typed : {"abc", "1e999"}) {
        converter.EditValue(Second, typed);
        EXPECT_EQ(converter.ExpressionTerm(Second), std::nullopt) << typed;
    }
}

TEST_F(UnitConverterTest, LoadingARegionResetsUnitsAndValuesUnlessItsFileIsMissing) {
    using enum ConverterSide;
    UnitConverter converter = Converter(false);
    ASSERT_TRUE(converter.SelectRegion(0));
    converter.SelectUnit(Second, 1);
    converter.EditValue(First, "3");
    EXPECT_EQ(converter.ValueText(Second), "30000");
    // The "All" file of the same region: other units, first choices, empty values.
    EXPECT_TRUE(converter.ToggleAll());
    EXPECT_TRUE(converter.IsAllChecked());
    EXPECT_EQ(converter.Table().names, (std::vector<std::string>{"unit 0", "unit 1", "unit 2"}));
    EXPECT_EQ(converter.Unit(Second), 0u);
    EXPECT_EQ(converter.ValueText(First), "");
    EXPECT_EQ(converter.ValueText(Second), "");
    converter.EditValue(First, "1");
    // No Density.all: nothing but the region changes.
    EXPECT_FALSE(converter.SelectRegion(1));
    EXPECT_EQ(converter.Region(), 1u);
    EXPECT_EQ(converter.Table().Size(), 3u);
    EXPECT_EQ(converter.ValueText(Second), "0");
    EXPECT_FALSE(converter.SelectRegion(kRegionNames.size()));
    EXPECT_EQ(converter.FileName(), "convert/Density.all");
}

TEST_F(UnitConverterTest, EmptyListsLeaveTheOtherValueAlone) {
    using enum ConverterSide;
    UnitConverter converter = Converter(false);
    ASSERT_TRUE(converter.SelectRegion(7));  // Mass: no units
    EXPECT_EQ(converter.Label(First), "");
    converter.EditValue(Second, "5");
    converter.EditValue(First, "7");
    EXPECT_EQ(converter.ValueText(Second), "5");
    ASSERT_TRUE(converter.SelectRegion(8));  // Power: one unit, factor 1
    converter.EditValue(First, "0.00001");
    EXPECT_EQ(converter.ValueText(Second), "1E-005");
    converter.EditValue(First, "0.0001");
    EXPECT_EQ(converter.ValueText(Second), "0.0001");
}

}  // namespace
}  // namespace quillex
