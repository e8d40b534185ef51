// The built-in catalogue: 24 physical constants and 121 units of measure, each with a display
// name, a unit text and a value text, and the Constants menu built from them.
//
// The catalogue converts nothing: its values are texts that go into the expression as they
// stand and become numbers only when the expression is evaluated. Texts are 8-bit (code page
// 1252); the names carry the trailing blanks that line them up in the lists.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillex {

// A NUL-terminated field of N bytes holding the text filled with blanks to `width`; a text that
// does not fit stops the build (std::array::at is not a constant expression past the end).
template <std::size_t N>
consteval std::array<char, N> CatalogField(std::string_view text, std::size_t width) {
    std::array<char, N> field{};
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        field.at(i) = text[i];
    }
    for (; i < width; ++i) {
        field.at(i) = ' ';
    }
    field.at(i) = '\0';
    return field;
}

class CatalogEntry {
public:
    static constexpr std::size_t kNameSize = 60;  // bytes with the terminating NUL
    static constexpr std::size_t kUnitSize = 30;
    static constexpr std::size_t kValueSize = 30;

    consteval CatalogEntry(std::string_view name, std::size_t nameWidth, std::string_view unit,
                           std::size_t unitWidth, std::string_view value)
        : name_(CatalogField<kNameSize>(name, nameWidth)),
          unit_(CatalogField<kUnitSize>(unit, unitWidth)),
          value_(CatalogField<kValueSize>(value, 0)) {}

    constexpr std::string_view Name() const { return name_.data(); }
    constexpr std::string_view Unit() const { return unit_.data(); }
    constexpr std::string_view Value() const { return value_.data(); }

private:
    std::array<char, kNameSize> name_;
    std::array<char, kUnitSize> unit_;
    std::array<char, kValueSize> value_;
};

inline constexpr std::size_t kConstantCount = 24;
inline constexpr std::size_t kUnitCount = 121;

// In list order: an entry's index is its position in the constants page's lists.
extern const std::array<CatalogEntry, kConstantCount> kConstants;
extern const std::array<CatalogEntry, kUnitCount> kUnits;

// The Constants menu as data: seven submenus whose entries insert a number into the
// expression. Entry ids number the constants 0..23 and the units 24..144.
inline constexpr std::size_t kCatalogEntryCount = kConstantCount + kUnitCount;

struct CatalogMenuItem {
    bool separator = false;
    std::size_t id = 0;  // the entry; unused for a separator
    std::string label;
    std::string insertText;  // what choosing the entry inserts
};

struct CatalogSubmenu {
    std::string_view title;  // in the current language (UTF-8, like every text of the table)
    std::vector<CatalogMenuItem> items;
};

std::vector<CatalogSubmenu> ConstantsMenu();

// The menu label of an entry: a constant's name with its blanks; a unit's name without them
// and, in brackets, its value and its unit (left out for the dimensionless "[1]"), apart from
// a few units whose labels are spaced or worded differently.
std::string CatalogMenuLabel(std::size_t id);

// The number in the brackets of an entry's label, which is what the entry inserts; a
// constant inserts its value text.
std::string CatalogInsertText(std::size_t id);

}  // namespace quillex
