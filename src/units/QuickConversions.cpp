#include "units/QuickConversions.h"

#include <algorithm>
#include <span>

#include "text/Cp1252.h"
#include "text/RegularFile.h"
#include "text/Texts.h"

namespace quillex {
namespace {

struct FixedConversion {
    std::string_view label;
    std::string_view appendedText;
};

// Imperial to metric: the labels and factors as the menu shows them, except that the nautical
// mile converts into metres (1852) as its label says, not into kilometres.
constexpr FixedConversion kImperialToMetric[] = {
    {"acre        -> squared meter", ")*4046.856422"},
    {"calorie     -> joule        ", ")*4.1855"},
    {"foot        -> meter        ", ")*0.3048"},
    {"gallon US   -> liter        ", ")*3.785411784"},
    {"gallon UK   -> liter        ", ")*4.546099295"},
    {"Horsepower  -> kilowatt     ", ")*0.745699871"},
    {"inch        -> centimeter   ", ")*2.54"},
    {"mile        -> kilometer    ", ")*1.609344"},
    {"nautic mile -> meter        ", ")*1852"},
    {"ounce       -> gram         ", ")*28.34952313"},
    {"pound       -> kg           ", ")*0.45359237"},
    {"yard        -> meter        ", ")*0.9144"},
};

constexpr FixedConversion kMetricToImperial[] = {
    {"squared meter -> acre        ", ")/4046.856422"},
    {"joule         -> calorie     ", ")/4.1855"},
    {"meter         -> foot        ", ")/0.3048"},
    {"liter         -> gallon US   ", ")/3.785411784"},
    {"liter         -> gallon UK   ", ")/4.546099295"},
    {"kilowatt      -> Horsepower  ", ")/0.745699871"},
    {"centimeter    -> inch        ", ")/2.54"},
    {"kilometer     -> mile        ", ")/1.609344"},
    {"meter         -> nautic mile ", ")/1852"},
    {"gram          -> ounce       ", ")/28.34952313"},
    {"kg            -> pound       ", ")/0.45359237"},
    {"meter         -> yard        ", ")/0.9144"},
};

static_assert(std::size(kImperialToMetric) + std::size(kMetricToImperial) == kFixedConversionCount);

ConversionSubmenu FixedSubmenu(TextId title, std::span<const FixedConversion> entries,
                               std::size_t firstIndex) {
    ConversionSubmenu submenu{Text(title), {}};
    submenu.items.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        submenu.items.push_back({std::string(entries[i].label),
                                 {ConversionEntry::Kind::Fixed, firstIndex + i},
                                 std::string(entries[i].appendedText)});
    }
    return submenu;
}

std::string RecordAppendedText(const ConversionRecord& record) {
    return ")*" + record.factor;
}

}  // namespace

const std::array<ConversionCategory, 15> kConversionCategories = {{
    {"Angle", TextId::MenuCategoryAngle},
    {"Area", TextId::MenuCategoryArea},
    {"Electricity", TextId::MenuCategoryElectricity},
    {"Energy", TextId::MenuCategoryEnergy},
    {"Force", TextId::MenuCategoryForce},
    {"Illuminance", TextId::MenuCategoryIlluminance},
    {"Length", TextId::MenuCategoryLength},
    {"Mass", TextId::MenuCategoryMass},
    {"Power", TextId::MenuCategoryPower},
    {"Pressure", TextId::MenuCategoryPressure},
    {"Temperature", TextId::MenuCategoryTemperature},
    {"Time", TextId::MenuCategoryTime},
    {"Torque", TextId::MenuCategoryTorque},
    {"Velocity", TextId::MenuCategoryVelocity},
    {"Volume", TextId::MenuCategoryVolume},
}};

ConversionTable ReadConversionTable(std::string_view in) {
    ConversionTable table;
    std::size_t position = 0;
    for (std::size_t line = 0; line < table.size() && position < in.size(); ++line) {
        std::array<std::string, 4> fields;
        std::size_t stored = 0;
        bool tooLong = false;
        for (; position < in.size() && in[position] != '\n'; ++position) {
            const char c = in[position];
            if (stored == fields.size()) {
                continue;
            }
            if (c == ',') {
                ++stored;
            } else if (fields[stored].size() < kMaxConversionFieldLength) {
                fields[stored] += c;
            } else {
                tooLong = true;
            }
        }
        ++position;  // past the line feed
        if (stored == fields.size() && !tooLong) {
            table[line] = {std::move(fields[0]), std::move(fields[1]), std::move(fields[2]),
                           std::move(fields[3])};
        }
    }
    return table;
}

ConversionTable ReadConversionTableFile(const std::filesystem::path& path) {
    const std::optional<std::string> bytes = ReadRegularFile(path, kMaxDataFileSize);
    if (!bytes) {
        return {};
    }
    return ReadConversionTable(*bytes);
}

std::vector<ConversionSubmenu> ConversionMenu(const ConversionTable& table) {
    std::vector<ConversionSubmenu> menu;
    menu.push_back(FixedSubmenu(TextId::MenuImperialToMetric, kImperialToMetric, 0));
    menu.push_back(FixedSubmenu(TextId::MenuMetricToImperial, kMetricToImperial,
                                std::size(kImperialToMetric)));
    const std::size_t first = menu.size();
    for (const ConversionCategory& category : kConversionCategories) {
        menu.push_back({Text(category.label), {}});
    }
    // One pass over the records, each to the submenu of its category; an empty record has none.
    for (std::size_t r = 0; r < table.size(); ++r) {
        const ConversionRecord& record = table[r];
        if (record.category.empty()) {
            continue;
        }
        for (std::size_t c = 0; c < kConversionCategories.size(); ++c) {
            if (SameIgnoringCase(record.category, kConversionCategories[c].name)) {
                menu[first + c].items.push_back({record.from + " -> " + record.to,
                                                 {ConversionEntry::Kind::Record, r},
                                                 RecordAppendedText(record)});
                break;
            }
        }
    }
    return menu;
}

std::optional<std::string> AppendedTextFor(const ConversionTable& table, ConversionEntry entry) {
    const std::size_t i = entry.index;
    if (entry.kind == ConversionEntry::Kind::Fixed) {
        if (i >= kFixedConversionCount) {
            return std::nullopt;
        }
        const std::size_t half = std::size(kImperialToMetric);
        return std::string(i < half ? kImperialToMetric[i].appendedText
                                    : kMetricToImperial[i - half].appendedText);
    }
    if (i >= table.size() || table[i] == ConversionRecord{}) {
        return std::nullopt;
    }
    return RecordAppendedText(table[i]);
}

std::string WrapExpression(std::string_view expression) {
    if (expression.empty()) {
        return {};
    }
    return "(" + std::string(expression) + ")";
}

std::string ConvertExpression(std::string_view expression, std::string_view appendedText) {
    std::string text = WrapExpression(expression);
    if (!text.empty()) {
        text.pop_back();
    }
    return text + std::string(appendedText);
}

}  // namespace quillex
