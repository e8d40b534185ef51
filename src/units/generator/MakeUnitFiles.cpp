// Makes the converter's region files and the quick-conversion table from the unit tables.
//
//   quillex_unitgen TABLES_DIR OUTPUT_DIR
//
// TABLES_DIR holds one table per quantity, <Name>.txt, UTF-8, one unit a line:
//   label | name | size | files | source
// size is the unit's size in SI units, a product of decimal numbers, "pi" and integer powers
// ("231*0.0254^3", "1200/3937", "149597870700*648000/pi"); files says which region files list
// the unit: "conv" both, "all" only <Region>.all, "-" none (a table that is no region). The
// temperature table has the reading of each scale at the freezing point of water instead of
// files, and its sizes are the size of one degree. conv-dat.txt lists the pairs of the quick
// conversions: category | table | from label | to label; each pair gives both directions.
// Blank lines and lines starting with '#' are skipped everywhere.
//
// It writes OUTPUT_DIR/convert/<Region>.conv and .all for every region and OUTPUT_DIR/conv.dat.
// The factor from unit i to unit k is size_i / size_k, rounded once to the nearest double when
// both sizes are exact fractions (so exactly defined units give exact decimal factors), and
// printed in the shortest form that reads back to the same double. Any fault in a table stops
// the generator with a message naming the file and line, so a broken table breaks the build.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "text/Cp1252.h"
#include "units/Converter.h"
#include "units/QuickConversions.h"
#include "units/generator/UnitSizes.h"

namespace {

namespace fs = std::filesystem;
using quillex::kConversionCategories;
using quillex::kMaxConversionFieldLength;
using quillex::kMaxRegionLineLength;
using quillex::kMaxRegionUnits;
using quillex::kRegionNames;

using quillex::unitgen::Int128;
using quillex::unitgen::ParseSize;
using quillex::unitgen::Ratio;
using quillex::unitgen::Size;

constexpr std::string_view kTemperature = "Temperature";

[[noreturn]] void Fail(const std::string& where, const std::string& what) {
    std::fprintf(stderr, "quillex_unitgen: %s: %s\n", where.c_str(), what.c_str());
    std::exit(1);
}

std::string Shortest(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The '|'-separated fields of the non-comment lines, with the place each came from.
struct TableLine {
    std::string where;
    std::vector<std::string> fields;
};

std::vector<TableLine> ReadTableLines(const fs::path& path, std::size_t fieldCount) {
    std::ifstream in(path);
    if (!in) {
        Fail(path.string(), "cannot be read");
    }
    std::vector<TableLine> lines;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::string_view text = Trim(line);
        if (text.empty() || text.front() == '#') {
            continue;
        }
        TableLine entry{path.filename().string() + ":" + std::to_string(number), {}};
        std::size_t start = 0;
        for (std::size_t bar = text.find('|'); start <= text.size(); bar = text.find('|', start)) {
            const std::size_t end = bar == std::string_view::npos ? text.size() : bar;
            entry.fields.emplace_back(Trim(text.substr(start, end - start)));
            start = end + 1;
        }
        if (entry.fields.size() != fieldCount) {
            Fail(entry.where, "expected " + std::to_string(fieldCount) + " fields");
        }
        lines.push_back(std::move(entry));
    }
    return lines;
}

// A code page 1252 text, or a failure naming the place.
std::string Cp1252(const std::string& utf8, const std::string& where) {
    const std::string text = quillex::Utf8ToCp1252(utf8);
    if (text.find(quillex::kUnmappableByte) != std::string::npos) {
        Fail(where, "\"" + utf8 + "\" has a character outside code page 1252");
    }
    return text;
}

struct UnitRow {
    std::string where;
    std::string label;  // code page 1252
    std::string name;
    Size size;
    std::string sizeText;
    std::string files;  // "conv", "all" or "-"; the reading at 0 degrees Celsius for temperature
};

struct Table {
    std::string name;
    std::vector<UnitRow> units;

    const UnitRow& Find(const std::string& label, const std::string& where) const {
        for (const UnitRow& unit : units) {
            if (unit.label == label) {
                return unit;
            }
        }
        Fail(where, "no unit \"" + label + "\" in " + name);
    }
};

Table ReadTable(const fs::path& dir, const std::string& name) {
    Table table{name, {}};
    const bool temperature = name == kTemperature;
    for (const TableLine& line : ReadTableLines(dir / (name + ".txt"), 5)) {
        UnitRow unit{line.where,
                     Cp1252(line.fields[0], line.where),
                     Cp1252(line.fields[1], line.where),
                     {},
                     line.fields[2],
                     line.fields[3]};
        const std::optional<Size> size = ParseSize(line.fields[2]);
        if (!size) {
            Fail(line.where, "size \"" + line.fields[2] + "\" is not a positive product");
        }
        unit.size = *size;
        if (unit.label.empty() || unit.label.find_first_of(",\"") != std::string::npos ||
            unit.name.empty() || unit.name.find_first_of(",\"") != std::string::npos) {
            Fail(line.where, "label and name must be there and hold no comma or double quote");
        }
        if (temperature ? unit.files != "0" && !ParseSize(unit.files)
                        : unit.files != "conv" && unit.files != "all" && unit.files != "-") {
            Fail(line.where, temperature ? "the reading at 0 degrees Celsius must be a number"
                                         : "files must be conv, all or -");
        }
        if (line.fields[4].empty()) {
            Fail(line.where, "the source of the size is missing");
        }
        for (const UnitRow& other : table.units) {
            if (other.label == unit.label || other.name == unit.name) {
                Fail(line.where, "label or name already used at " + other.where);
            }
        }
        table.units.push_back(std::move(unit));
    }
    return table;
}

void WriteFile(const fs::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
    if (!out.flush()) {
        Fail(path.string(), "cannot be written");
    }
}

void WriteRegion(const Table& table, bool all, const fs::path& path) {
    std::vector<const UnitRow*> units;
    for (const UnitRow& unit : table.units) {
        if (unit.files == "conv" || (all && unit.files == "all")) {
            units.push_back(&unit);
        }
    }
    if (units.empty() || units.size() > kMaxRegionUnits) {
        Fail(path.string(), "needs 1 to 200 units, has " + std::to_string(units.size()));
    }
    std::string content = std::to_string(units.size()) + "\n";
    const auto line = [&](const std::string& text, const std::string& where) {
        if (text.size() > kMaxRegionLineLength) {
            Fail(where, "line longer than 99 characters: " + text);
        }
        content += text + "\n";
    };
    for (const UnitRow* from : units) {
        line(from->label + "," + from->name, from->where);
        for (const UnitRow* to : units) {
            line(Shortest(Ratio(from->size, to->size)), from->where);
        }
    }
    WriteFile(path, content);
}

// A size that is an exact fraction without pi, as "num/den" or "num".
std::string FractionText(const Size& size, const std::string& where) {
    if (!size.exact || size.piPower != 0) {
        Fail(where, "a temperature scale needs an exact fraction");
    }
    const auto text = [](Int128 n) { return Shortest(static_cast<double>(n)); };
    return size.den == 1 ? text(size.num) : text(size.num) + "/" + text(size.den);
}

// The appended text from one temperature scale to another. A reading t of scale u is
// (t - zero_u) * degree_u degrees Celsius, so in scale v it reads
// t * r - zero_u * r + zero_v with r = degree_u / degree_v.
std::string TemperatureFactor(const UnitRow& from, const UnitRow& to) {
    Size ratio = from.size;
    ratio.Divide(to.size);
    const std::string r = FractionText(ratio, from.where);
    std::string text = r;
    if (from.files != "0") {
        text += "-" + from.files + (r == "1" ? "" : "*" + r);
    }
    if (to.files != "0") {
        text += "+" + to.files;
    }
    return text;
}

std::string ConversionLine(const std::string& from, const std::string& to,
                           const std::string& category, const std::string& factor,
                           const std::string& where) {
    for (const std::string* field : {&from, &to, &category, &factor}) {
        if (field->size() > kMaxConversionFieldLength ||
            field->find_first_of(",\n") != std::string::npos) {
            Fail(where, "conv.dat field \"" + *field + "\" too long or holding a comma");
        }
    }
    return from + "," + to + "," + category + "," + factor + ",\n";
}

void WriteConversionTable(const fs::path& dir, std::map<std::string, Table>& tables,
                          const fs::path& path) {
    std::string content;
    std::size_t records = 0;
    for (const TableLine& line : ReadTableLines(dir / "conv-dat.txt", 4)) {
        const std::string& category = line.fields[0];
        if (std::ranges::none_of(kConversionCategories,
                                 [&](const auto& known) { return known.name == category; })) {
            Fail(line.where, "unknown category " + category);
        }
        const std::string& tableName = line.fields[1];
        if (!tables.contains(tableName)) {
            tables.emplace(tableName, ReadTable(dir, tableName));
        }
        const Table& table = tables.at(tableName);
        const UnitRow& a = table.Find(Cp1252(line.fields[2], line.where), line.where);
        const UnitRow& b = table.Find(Cp1252(line.fields[3], line.where), line.where);
        for (const auto& [from, to] : {std::pair{&a, &b}, std::pair{&b, &a}}) {
            const std::string factor = tableName == kTemperature
                                           ? TemperatureFactor(*from, *to)
                                           : Shortest(Ratio(from->size, to->size));
            content += ConversionLine(from->name, to->name, category, factor, line.where);
            ++records;
        }
    }
    if (records > quillex::kConversionRecordCount) {
        Fail(path.string(), "more records than the table holds");
    }
    WriteFile(path, content);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        Fail("usage", "quillex_unitgen TABLES_DIR OUTPUT_DIR");
    }
    const fs::path tables = argv[1];
    const fs::path output = argv[2];
    std::error_code error;
    fs::create_directories(output / "convert", error);
    if (error) {
        Fail(output.string(), error.message());
    }
    std::map<std::string, Table> loaded;
    for (const std::string_view region : kRegionNames) {
        const std::string name(region);
        const Table& table = loaded.emplace(name, ReadTable(tables, name)).first->second;
        WriteRegion(table, false, output / "convert" / (name + ".conv"));
        WriteRegion(table, true, output / "convert" / (name + ".all"));
    }
    WriteConversionTable(tables, loaded, output / "conv.dat");
    return 0;
}
