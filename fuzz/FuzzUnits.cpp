// A libFuzzer target over the readers of the units' data files, fed with arbitrary bytes:
//   - ReadRegion on the whole input, as a region file, then the converter working on it;
//   - ReadConversionTable on the whole input, as conv.dat, then the menu built from it.
//
// Besides the sanitizers' checks it checks what must hold for every input: at most 200 units,
// one label and one name per unit and a full square of factors, texts within a line's 99
// characters and free of double quotes; records within their 39 characters, never more filled
// records than the input has lines, and a menu entry for every record of a known category.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "units/Converter.h"
#include "units/QuickConversions.h"

namespace {

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "FuzzUnits: %s\n", what);
        std::abort();
    }
}

void CheckRegion(const std::string& input) {
    const quillex::RegionTable table = quillex::ReadRegion(input);
    Check(table.Size() <= quillex::kMaxRegionUnits, "more than 200 units");
    Check(table.labels.size() == table.Size(), "a label per unit");
    Check(table.factors.size() == table.Size() * table.Size(), "a square of factors");
    for (std::size_t i = 0; i < table.Size(); ++i) {
        Check(table.labels[i].size() + table.names[i].size() <= quillex::kMaxRegionLineLength,
              "a header longer than a line");
        Check((table.labels[i] + table.names[i]).find('"') == std::string::npos, "a quote kept");
    }
    // The page on this file: choose the last units and type a piece of the input.
    quillex::UnitConverter converter(input.size() % 2 == 0,
                                     [&table](const std::string&) { return table; });
    Check(converter.SelectRegion(input.size() % quillex::kRegionNames.size()), "not loaded");
    const std::size_t last = table.Size() == 0 ? 0 : table.Size() - 1;
    converter.SelectUnit(quillex::ConverterSide::First, last);
    converter.SelectUnit(quillex::ConverterSide::Second, last / 2);
    converter.EditValue(quillex::ConverterSide::First, std::string_view(input).substr(0, 40));
    converter.EditValue(quillex::ConverterSide::Second, std::string_view(input).substr(0, 20));
}

void CheckConversionTable(const std::string& input) {
    const quillex::ConversionTable table = quillex::ReadConversionTable(input);
    std::size_t filled = 0;
    std::size_t known = 0;
    for (const quillex::ConversionRecord& record : table) {
        for (const std::string* field :
             {&record.from, &record.to, &record.category, &record.factor}) {
            Check(field->size() <= quillex::kMaxConversionFieldLength, "a field too long");
        }
        if (!(record == quillex::ConversionRecord{})) {
            ++filled;
        }
    }
    const auto lines = static_cast<std::size_t>(std::count(input.begin(), input.end(), '\n')) + 1;
    Check(filled <= lines, "more records than lines");
    for (const quillex::ConversionSubmenu& submenu : quillex::ConversionMenu(table)) {
        for (const quillex::ConversionMenuItem& item : submenu.items) {
            Check(quillex::AppendedTextFor(table, item.entry) == item.appendedText,
                  "an entry appends another text than its menu item");
            ++known;
        }
    }
    Check(known >= quillex::kFixedConversionCount, "fixed entries lost");
    Check(known - quillex::kFixedConversionCount <= filled, "entries without records");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    CheckRegion(input);
    CheckConversionTable(input);
    return 0;
}
