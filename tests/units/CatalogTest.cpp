#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "engine/ExprEngine.h"
#include "text/Cp1252.h"
#include "text/Texts.h"
#include "units/Catalog.h"

namespace quillex {
namespace {

std::string_view WithoutTrailingBlanks(std::string_view text) {
    return text.substr(0, text.find_last_not_of(' ') + 1);
}

// The scanner reads the whole text as one number literal, and evaluating it reports nothing.
void ExpectOneNumber(std::string_view text) {
    ExprEngine engine;
    engine.SetText(std::string(text) + ";_");
    EXPECT_EQ(engine.NextToken(), TOK_NUMBER) << text;
    EXPECT_EQ(engine.NumberText(), text);
    EXPECT_EQ(engine.NextToken(), ';') << text;
    EXPECT_EQ(engine.EvaluateText(std::string(text) + ";_").error, "") << text;
}

TEST(Catalog, TextsAreFilledToTheirColumns) {
    for (const CatalogEntry& entry : kConstants) {
        EXPECT_EQ(entry.Name().size(), 45u) << entry.Name();
        EXPECT_EQ(entry.Unit().size(), 14u) << entry.Name();
        // The unit text is the bracket that ends the name.
        EXPECT_TRUE(
            WithoutTrailingBlanks(entry.Name()).ends_with(WithoutTrailingBlanks(entry.Unit())))
            << entry.Name();
    }
    for (const CatalogEntry& entry : kUnits) {
        EXPECT_EQ(entry.Name().size(), 25u) << entry.Name();
        EXPECT_EQ(WithoutTrailingBlanks(entry.Unit()), entry.Unit());
        EXPECT_TRUE(entry.Unit().starts_with('[') && entry.Unit().ends_with(']'));
    }
    EXPECT_EQ(kConstants[0].Name().substr(0, 25), "Avogadro constant [1/mol]");
    EXPECT_EQ(WithoutTrailingBlanks(kUnits[0].Name()), "are");
    // Degree signs and the micro sign are code page 1252 bytes.
    EXPECT_EQ(Cp1252ToUtf8(WithoutTrailingBlanks(kUnits[116].Name())), "°C .. celsius");
    EXPECT_EQ(Cp1252ToUtf8(kUnits[116].Unit()), "[°K]");
    EXPECT_EQ(Cp1252ToUtf8(WithoutTrailingBlanks(kUnits[120].Name())), "µ  .. micron");
}

TEST(Catalog, EveryValueAndInsertedTextIsOneNumberToTheScanner) {
    for (const CatalogEntry& entry : kConstants) {
        ExpectOneNumber(entry.Value());
    }
    for (const CatalogEntry& entry : kUnits) {
        ExpectOneNumber(entry.Value());
    }
    for (std::size_t id = 0; id < kCatalogEntryCount; ++id) {
        ExpectOneNumber(CatalogInsertText(id));
    }
}

TEST(ConstantsMenu, HoldsEveryEntryOnceInTableOrder) {
    const std::vector<CatalogSubmenu> menu = ConstantsMenu();
    ASSERT_EQ(menu.size(), 7u);
    EXPECT_EQ(menu[0].title, Text(TextId::ConstantsNatureConstants));
    EXPECT_EQ(menu[6].title, "U - Z");
    std::size_t next = 0;
    std::size_t separators = 0;
    for (const CatalogSubmenu& submenu : menu) {
        ASSERT_FALSE(submenu.items.empty());
        EXPECT_FALSE(submenu.items.front().separator || submenu.items.back().separator);
        std::set<std::string> labels;
        for (std::size_t i = 0; i < submenu.items.size(); ++i) {
            const CatalogMenuItem& item = submenu.items[i];
            if (item.separator) {
                EXPECT_FALSE(submenu.items[i - 1].separator);
                ++separators;
                continue;
            }
            EXPECT_EQ(item.id, next++);
            EXPECT_TRUE(labels.insert(item.label).second) << item.label;
        }
    }
    EXPECT_EQ(next, kCatalogEntryCount);
    EXPECT_EQ(separators, 19u);
}

TEST(ConstantsMenu, LabelsShowTheNumberThatTheEntryInserts) {
    struct Row {
        std::size_t unit;
        const char* label;
        const char* inserted;
    } rows[] = {
        {2, "acre [4046.87260987 m^2]", "4046.87260987"},
        {88, "r   .. radian [0.159154943092]", "0.159154943092"},
        {5, "atm .. std. atmosphere [101325 kg/m*s^2]", "101325"},
        {1, "A .. Ampere [1 A]", "1"},
        {116, "\260C .. celsius [1 \260K]", "1"},
        {119, "\260R .. \260R  [0.55555555556 \260K]", "0.55555555556"},
        {86, "pt  .. pint [0.000473176473 m^3]", "0.000473176473"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CatalogMenuLabel(kConstantCount + row.unit), row.label);
        EXPECT_EQ(CatalogInsertText(kConstantCount + row.unit), row.inserted);
    }
    EXPECT_EQ(CatalogMenuLabel(0), kConstants[0].Name());
    EXPECT_EQ(CatalogInsertText(21), "299792458");
    // Only the pint inserts another number than its value text.
    for (std::size_t unit = 0; unit < kUnitCount; ++unit) {
        if (unit != 86) {
            EXPECT_EQ(CatalogInsertText(kConstantCount + unit), kUnits[unit].Value()) << unit;
        }
    }
    EXPECT_EQ(CatalogMenuLabel(kCatalogEntryCount), "");
}

}  // namespace
}  // namespace quillex
