// The unit converter without its widgets: eleven regions (physical quantities), each with a
// pair of region files that list its units and the factor between every two of them, and the
// state of the converter page, which turns a value typed for one unit into the other unit.
//
// A region file is 8-bit text (code page 1252), one item a line:
//   line 1      the unit count N, a leading decimal integer;
//   N blocks    one per unit in list order: a header "label,name" (double quotes are
//               dropped; without a comma the whole line is the name), then N factor lines,
//               the k-th of which is the factor from this unit to unit k (a leading number).
// So a file has 1 + N * (N + 1) lines. Conversion is by multiplication only: no offsets.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillex {

// In list order, which is also alphabetical.
inline constexpr std::array<std::string_view, 11> kRegionNames = {
    "Area",   "Density", "Dynvisc", "Energy",   "Force",  "Kinvisc",
    "Length", "Mass",    "Power",   "Pressure", "Volume",
};
inline constexpr std::size_t kMaxRegionUnits = 200;
// Characters of a line that count; the rest of a longer line is skipped.
inline constexpr std::size_t kMaxRegionLineLength = 99;

// "convert/<Region>.all" with allFiles set, else "convert/<Region>.conv"; empty for an index
// outside the table.
std::string RegionFileName(std::size_t region, bool allFiles);

struct RegionTable {
    std::vector<std::string> labels;  // shown in brackets beside a value field
    std::vector<std::string> names;   // listed in the unit lists
    std::vector<double> factors;      // Size() x Size(): the factor from unit `from` to `to`

    std::size_t Size() const { return names.size(); }
    double Factor(std::size_t to, std::size_t from) const { return factors[to * Size() + from]; }
};

// Reads a region file. Whatever the text holds, the result has at most kMaxRegionUnits units
// and every one of them has all its factors: a file that announces more units keeps the first
// kMaxRegionUnits, a file that ends early keeps the units whose blocks it holds in full, and a
// line longer than kMaxRegionLineLength is cut there. A count that is not a positive number
// gives no units.
RegionTable ReadRegion(std::string_view in);
// Nothing when the file cannot be opened.
std::optional<RegionTable> ReadRegionFile(const std::filesystem::path& path);

// A converted value as the value fields show it: "%.10G" with a three-digit exponent.
std::string FormatConvertedValue(double value);

enum class ConverterSide { First, Second };

class UnitConverter {
public:
    // Finds and reads a region file given by its name relative to the data folder; nothing
    // when it cannot be opened. The default reads relative to the current directory.
    using RegionReader = std::function<std::optional<RegionTable>(const std::string& fileName)>;

    explicit UnitConverter(bool allFiles, RegionReader reader = {});

    // Both load the region's file and return true when it could be read: then the unit lists
    // hold the new names, both units are the first, and both value texts are empty. A file
    // that cannot be opened changes nothing but the region or the "All" state themselves.
    bool SelectRegion(std::size_t region);
    bool ToggleAll();

    bool IsAllChecked() const { return allFiles_; }
    std::size_t Region() const { return region_; }
    std::string FileName() const { return RegionFileName(region_, allFiles_); }
    const RegionTable& Table() const { return table_; }
    std::size_t Unit(ConverterSide side) const { return units_[Index(side)]; }
    // The label of the side's unit; empty while the lists are.
    std::string_view Label(ConverterSide side) const;
    const std::string& ValueText(ConverterSide side) const { return values_[Index(side)]; }
    // The side's value as a term of an expression: the number its text starts with, written
    // as the value fields write it, a negative one in parentheses; nothing when the text holds
    // no number or its value is no finite one.
    std::optional<std::string> ExpressionTerm(ConverterSide side) const;

    // A unit chosen in a list (ignored beyond the list); the second value is then recomputed
    // from the first, whichever list changed.
    void SelectUnit(ConverterSide side, std::size_t unit);
    // A value typed by the user: the other side shows it converted. The page calls this only
    // while the field has the focus, so that its own writes do not convert back.
    void EditValue(ConverterSide side, std::string_view text);

private:
    static std::size_t Index(ConverterSide side) { return side == ConverterSide::First ? 0 : 1; }
    bool LoadRegion();
    // From the first value to the second, or back; nothing while the lists are empty.
    void Convert(ConverterSide from);

    bool allFiles_;
    RegionReader reader_;
    std::size_t region_ = 0;
    RegionTable table_;
    std::array<std::size_t, 2> units_{};
    std::array<std::string, 2> values_;
};

}  // namespace quillex
