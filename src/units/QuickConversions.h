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
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/Texts.h"

namespace quillex {

inline constexpr std::size_t kConversionRecordCount = 416;
inline constexpr std::size_t kMaxConversionFieldLength = 39;

// The fixed entries: imperial to metric, then metric to imperial.
inline constexpr std::size_t kFixedConversionCount = 24;

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
ConversionTable ReadConversionTable(std::string_view in);
// An empty table when the file cannot be opened.
ConversionTable ReadConversionTableFile(const std::filesystem::path& path);

struct ConversionCategory {
    std::string_view name;  // as the records name it
    TextId label;           // the submenu's label
};
extern const std::array<ConversionCategory, 15> kConversionCategories;

// Which entry of the menu: a fixed one (0 to kFixedConversionCount - 1, in table order) or a
// record of the conversion table (its line).
struct ConversionEntry {
    enum class Kind { Fixed, Record };
    Kind kind = Kind::Fixed;
    std::size_t index = 0;

    bool operator==(const ConversionEntry&) const = default;
};

struct ConversionMenuItem {
    std::string label;
    ConversionEntry entry;
    std::string appendedText;  // replaces the closing parenthesis that wrapping selected
};

struct ConversionSubmenu {
    std::string_view title;  // in the current language (UTF-8, like every text of the table)
    std::vector<ConversionMenuItem> items;
};

// The submenus of the Converter menu (TextId::MenuConvert) in order: the two fixed ones, then
// one per category, empty when no record names it.
std::vector<ConversionSubmenu> ConversionMenu(const ConversionTable& table);

// What an entry appends, or nothing for an index beyond its kind's entries (or an empty
// record).
std::optional<std::string> AppendedTextFor(const ConversionTable& table, ConversionEntry entry);

// The expression in parentheses; an empty expression stays empty.
std::string WrapExpression(std::string_view expression);
// The expression after a conversion entry: wrapped, and the closing parenthesis replaced by
// the appended text, which begins with one. An empty expression becomes the appended text.
std::string ConvertExpression(std::string_view expression, std::string_view appendedText);

}  // namespace quillex
