// The quick conversions without their menus: each entry rewrites the whole expression from one
// unit into another by putting it in parentheses and appending a multiplication or division,
// so that the next evaluation gives the converted value. 24 entries are fixed; the others come
// from the conversion table "conv.dat" and are sorted into 15 quantity submenus.
//
// "conv.dat" is 8-bit text (code page 1252), one record a line: from,to,category,factor, with
// every field ended by a comma. What follows the fourth comma is ignored. The factor text is
// appended after ")*" as it stands, so it may go on with an offset: ")*9/5+32" turns degrees
// Celsius into degrees Fahrenheit.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillex {

inline constexpr std::size_t kConversionRecordCount = 416;
inline constexpr std::size_t kMaxConversionFieldLength = 39;

// Every entry has a command of its own: the fixed entries in table order, then record r of
// the conversion table as kCmdConversionRecordFirst + r.
inline constexpr int kCmdFixedConversionFirst = 1500;
inline constexpr std::size_t kFixedConversionCount = 24;
inline constexpr int kCmdConversionRecordFirst = 1600;

struct ConversionRecord {
    std::string from;  // shown in the menu
    std::string to;
    std::string category;  // chooses the submenu, whatever its case
    std::string factor;    // appended after ")*"

    bool operator==(const ConversionRecord&) const = default;
};

// Record r holds line r of the file (counting from 0). A line with fewer than four commas or
// with a field longer than kMaxConversionFieldLength leaves its record empty and takes nothing
// from the next line; lines after the kConversionRecordCount-th are not read.
using ConversionTable = std::array<ConversionRecord, kConversionRecordCount>;
ConversionTable ReadConversionTable(std::istream& in);
// An empty table when the file cannot be opened.
ConversionTable ReadConversionTableFile(const std::filesystem::path& path);

struct ConversionCategory {
    std::string_view name;   // as the records name it
    std::string_view label;  // the submenu's label, filled with blanks to 11 characters
};
extern const std::array<ConversionCategory, 15> kConversionCategories;

struct ConversionMenuItem {
    std::string label;
    int command = 0;
    std::string appendedText;  // replaces the closing parenthesis that wrapping selected
};

struct ConversionSubmenu {
    std::string_view title;  // in the current language (UTF-8, like every text of the table)
    std::vector<ConversionMenuItem> items;
};

inline constexpr std::string_view kConversionMenuTitle = "&Convert";

// The submenus of "&Convert" in order: the two fixed ones, then one per category, empty when
// no record names it.
std::vector<ConversionSubmenu> ConversionMenu(const ConversionTable& table);

// What a command appends, or nothing for a command that is not a conversion entry (or names an
// empty record).
std::optional<std::string> AppendedTextFor(const ConversionTable& table, int command);

// The expression in parentheses; an empty expression stays empty.
std::string WrapExpression(std::string_view expression);
// The expression after a conversion entry: wrapped, and the closing parenthesis replaced by
// the appended text, which begins with one. An empty expression becomes the appended text.
std::string ConvertExpression(std::string_view expression, std::string_view appendedText);

}  // namespace quillex
