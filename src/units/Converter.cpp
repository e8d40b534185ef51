#include "units/Converter.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "text/NumberText.h"
#include "text/RegularFile.h"

namespace quillex {
namespace {

// One line of at most kMaxRegionLineLength characters from `in` at `position`, without its
// line end; the rest of a longer line is skipped, so it can never be taken for the next item.
// False at the end of the input when no character was left.
bool ReadLine(std::string_view in, std::size_t& position, std::string& line) {
    line.clear();
    if (position >= in.size()) {
        return false;
    }
    const std::size_t end = std::min(in.find('\n', position), in.size());
    line.assign(in.substr(position, std::min(end - position, kMaxRegionLineLength)));
    position = end + 1;
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

}  // namespace

std::string RegionFileName(std::size_t region, bool allFiles) {
    if (region >= kRegionNames.size()) {
        return {};
    }
    return "convert/" + std::string(kRegionNames[region]) + (allFiles ? ".all" : ".conv");
}

RegionTable ReadRegion(std::string_view in) {
    RegionTable table;
    std::size_t position = 0;
    std::string line;
    if (!ReadLine(in, position, line)) {
        return table;
    }
    const std::int32_t count = ReadLeadingInteger(line);
    if (count <= 0) {
        return table;
    }
    const auto announced = static_cast<std::size_t>(count);
    const std::size_t kept = std::min(announced, kMaxRegionUnits);
    // columns[i][k]: the factor from unit i to unit k.
    std::vector<std::vector<double>> columns;
    for (std::size_t i = 0; i < kept; ++i) {
        std::string header;
        if (!ReadLine(in, position, header)) {
            break;
        }
        std::erase(header, '"');
        std::vector<double> column(kept);
        std::size_t k = 0;
        for (; k < announced && ReadLine(in, position, line); ++k) {
            if (k < kept) {
                column[k] = ReadLeadingNumber(line);
            }
        }
        if (k < announced) {
            break;
        }
        const std::size_t comma = header.find(',');
        if (comma == std::string::npos) {
            table.labels.emplace_back();
            table.names.push_back(std::move(header));
        } else {
            table.labels.push_back(header.substr(0, comma));
            table.names.push_back(header.substr(comma + 1));
        }
        columns.push_back(std::move(column));
    }
    const std::size_t size = columns.size();
    table.factors.resize(size * size);
    for (std::size_t from = 0; from < size; ++from) {
        for (std::size_t to = 0; to < size; ++to) {
            table.factors[to * size + from] = columns[from][to];
        }
    }
    return table;
}

std::optional<RegionTable> ReadRegionFile(const std::filesystem::path& path) {
    const std::optional<std::string> bytes = ReadRegularFile(path, kMaxDataFileSize);
    if (!bytes) {
        return std::nullopt;
    }
    return ReadRegion(*bytes);
}

std::string FormatConvertedValue(double value) {
    return FormatGeneral(value, 10);
}

UnitConverter::UnitConverter(bool allFiles, RegionReader reader)
    : allFiles_(allFiles), reader_(std::move(reader)) {
    if (!reader_) {
        reader_ = [](const std::string& fileName) { return ReadRegionFile(fileName); };
    }
}

bool UnitConverter::SelectRegion(std::size_t region) {
    if (region >= kRegionNames.size()) {
        return false;
    }
    region_ = region;
    return LoadRegion();
}

bool UnitConverter::ToggleAll() {
    allFiles_ = !allFiles_;
    return LoadRegion();
}

std::string_view UnitConverter::Label(ConverterSide side) const {
    const std::size_t unit = Unit(side);
    return unit < table_.labels.size() ? std::string_view(table_.labels[unit]) : "";
}

void UnitConverter::SelectUnit(ConverterSide side, std::size_t unit) {
    if (unit >= table_.Size()) {
        return;
    }
    units_[Index(side)] = unit;
    Convert(ConverterSide::First);
}

void UnitConverter::EditValue(ConverterSide side, std::string_view text) {
    values_[Index(side)] = text;
    Convert(side);
}

std::optional<std::string> UnitConverter::ExpressionTerm(ConverterSide side) const {
    const std::string& text = values_[Index(side)];
    if (std::none_of(text.begin(), text.end(), IsDigit)) {
        return std::nullopt;
    }
    const double value = ReadLeadingNumber(text);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const std::string term = FormatConvertedValue(value);
    return std::signbit(value) ? "(" + term + ")" : term;
}

bool UnitConverter::LoadRegion() {
    std::optional<RegionTable> table = reader_(FileName());
    if (!table) {
        return false;
    }
    table_ = std::move(*table);
    units_ = {0, 0};
    values_ = {};
    return true;
}

void UnitConverter::Convert(ConverterSide from) {
    if (table_.Size() == 0) {
        return;
    }
    const std::size_t source = Index(from);
    const std::size_t target = 1 - source;
    const double x = ReadLeadingNumber(values_[source]);
    values_[target] = FormatConvertedValue(x * table_.Factor(units_[target], units_[source]));
}

}  // namespace quillex
