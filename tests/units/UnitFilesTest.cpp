// The region files and conv.dat that the build makes from the unit tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>

#include "units/Converter.h"
#include "units/QuickConversions.h"

#include "UnitsTestSupport.h"

namespace quillex {
namespace {

const std::string kDataDir = QUILLEX_UNITS_DATA_DIR;

std::string FileText(const std::string& name) {
    std::ifstream in(kDataDir + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string RegionFile(std::string_view region, bool all) {
    return RegionFileName(std::ranges::find(kRegionNames, region) - kRegionNames.begin(), all);
}

RegionTable Region(std::string_view region, bool all) {
    return ReadRegion(FileText(RegionFile(region, all)));
}

std::size_t IndexOf(const std::vector<std::string>& texts, const std::string& text) {
    return std::ranges::find(texts, text) - texts.begin();
}

TEST(RegionFiles, HoldEveryFactorAndItsReverse) {
    for (const std::string_view region : kRegionNames) {
        const RegionTable common = Region(region, false);
        const RegionTable all = Region(region, true);
        for (const bool allFile : {false, true}) {
            const std::string name = RegionFile(region, allFile);
            std::istringstream lines(FileText(name));
            std::size_t count = 0;
            for (std::string line; std::getline(lines, line); ++count) {
                EXPECT_LE(line.size(), kMaxRegionLineLength) << name << ": " << line;
            }
            const RegionTable& table = allFile ? all : common;
            ASSERT_GT(table.Size(), 0u) << name;
            EXPECT_LE(table.Size(), kMaxRegionUnits);
            EXPECT_EQ(count, 1 + table.Size() * (table.Size() + 1)) << name;
            EXPECT_EQ(std::set(table.labels.begin(), table.labels.end()).size(), table.Size());
            EXPECT_EQ(std::set(table.names.begin(), table.names.end()).size(), table.Size());
            for (std::size_t i = 0; i < table.Size(); ++i) {
                EXPECT_EQ(table.Factor(i, i), 1) << name << " " << table.names[i];
                for (std::size_t k = 0; k < i; ++k) {
                    EXPECT_NEAR(table.Factor(i, k) * table.Factor(k, i), 1, 1e-12)
                        << name << ": " << table.names[i] << ", " << table.names[k];
                }
            }
        }
        // The common units are among all units, with the same factors.
        for (std::size_t i = 0; i < common.Size(); ++i) {
            const std::size_t ai = IndexOf(all.names, common.names[i]);
            ASSERT_LT(ai, all.Size()) << common.names[i];
            for (std::size_t k = 0; k < common.Size(); ++k) {
                EXPECT_EQ(common.Factor(k, i), all.Factor(IndexOf(all.names, common.names[k]), ai));
            }
        }
    }
}

TEST(RegionFiles, ExactDefinitionsGiveExactFactors) {
    struct Row {
        const char* region;
        const char* from;
        const char* to;
        double factor;
    } rows[] = {
        {"Length", "inch", "centimeter", 2.54},
        {"Length", "mile", "kilometer", 1.609344},
        {"Length", "inch", "mile", 1.0 / 63360},
        {"Area", "acre", "square meter", 4046.8564224},
        {"Volume", "US gallon", "liter", 3.785411784},
        {"Volume", "imperial pint", "milliliter", 568.26125},
        {"Mass", "pound", "kilogram", 0.45359237},
        {"Mass", "grain", "milligram", 64.79891},
        {"Pressure", "standard atmosphere", "pascal", 101325},
        {"Pressure", "pound-force per square inch", "pascal", 6894.757293168362},
        {"Energy", "calorie", "joule", 4.1868},
        {"Energy", "British thermal unit", "joule", 1055.05585262},
        {"Force", "pound-force", "newton", 4.4482216152605},
        {"Power", "metric horsepower", "watt", 735.49875},
        {"Density", "pound per cubic foot", "kilogram per cubic meter", 16.018463373960138},
        {"Dynvisc", "poise", "millipascal second", 100},
        {"Kinvisc", "square foot per second", "centistokes", 92903.04},
    };
    for (const Row& row : rows) {
        const RegionTable table = Region(row.region, true);
        const std::size_t from = IndexOf(table.names, row.from);
        const std::size_t to = IndexOf(table.names, row.to);
        ASSERT_LT(std::max(from, to), table.Size()) << row.from << ", " << row.to;
        EXPECT_EQ(table.Factor(to, from), row.factor) << row.from << " -> " << row.to;
    }
}

TEST(ConvDat, EveryRecordHasAReverseThatUndoesIt) {
    const ConversionTable table = ReadConversionTable(FileText("conv.dat"));
    std::map<std::tuple<std::string, std::string, std::string>, const ConversionRecord*> byPair;
    std::set<std::string> categories;
    for (const ConversionRecord& record : table) {
        if (record == ConversionRecord{}) {
            continue;
        }
        EXPECT_TRUE(
            byPair.emplace(std::tuple(record.category, record.from, record.to), &record).second)
            << record.from << " -> " << record.to;
        categories.insert(record.category);
    }
    EXPECT_EQ(categories.size(), kConversionCategories.size());
    const std::string text = FileText("conv.dat");
    EXPECT_EQ(static_cast<std::size_t>(std::ranges::count(text, '\n')), byPair.size());
    std::size_t sameAsRegion = 0;
    for (const auto& [key, record] : byPair) {
        const auto reverse = byPair.find(std::tuple(record->category, record->to, record->from));
        ASSERT_NE(reverse, byPair.end()) << record->from << " -> " << record->to;
        const std::string there = ConvertExpression("1", ")*" + record->factor);
        EXPECT_NEAR(Evaluate(ConvertExpression(there, ")*" + reverse->second->factor)), 1, 1e-12)
            << record->from << " -> " << record->to;
        // A unit has one size everywhere: the factor is the region file's.
        if (std::ranges::find(kRegionNames, record->category) != kRegionNames.end()) {
            const RegionTable region = Region(record->category, true);
            const std::size_t from = IndexOf(region.names, record->from);
            const std::size_t to = IndexOf(region.names, record->to);
            ASSERT_LT(std::max(from, to), region.Size()) << record->from << ", " << record->to;
            EXPECT_EQ(Evaluate(record->factor), region.Factor(to, from));
            ++sameAsRegion;
        }
    }
    EXPECT_GT(sameAsRegion, 0u);
}

TEST(ConvDat, TemperaturesAgreeAtTheFreezingAndBoilingPointsOfWater) {
    const std::map<std::string, std::pair<double, double>> points = {
        {"Celsius", {0, 100}},
        {"Fahrenheit", {32, 212}},
        {"kelvin", {273.15, 373.15}},
        {"Rankine", {491.67, 671.67}},
    };
    std::size_t records = 0;
    for (const ConversionRecord& record : ReadConversionTable(FileText("conv.dat"))) {
        if (record.category != "Temperature") {
            continue;
        }
        ++records;
        const auto& [freezeFrom, boilFrom] = points.at(record.from);
        const auto& [freezeTo, boilTo] = points.at(record.to);
        const std::string appended = ")*" + record.factor;
        EXPECT_NEAR(Evaluate(ConvertExpression(std::to_string(freezeFrom), appended)), freezeTo,
                    1e-9)
            << record.from << " -> " << record.to;
        EXPECT_NEAR(Evaluate(ConvertExpression(std::to_string(boilFrom), appended)), boilTo, 1e-9)
            << record.from << " -> " << record.to;
    }
    EXPECT_EQ(records, points.size() * (points.size() - 1));
}

}  // namespace
}  // namespace quillex
