#include "cli/UnitCommands.h"

#include <optional>
#include <ostream>
#include <string>
#include <utility>

#include "engine/Calculation.h"
#include "text/Cp1252.h"
#include "text/DataFolders.h"
#include "text/Texts.h"
#include "units/Euro.h"

namespace quillex {
namespace {

// The converter's full unit lists, as the page shows them with "All" checked: they hold the
// shorter lists' units first.
constexpr bool kAllUnits = true;

std::optional<RegionTable> ReadFromDataFolder(const std::string& fileName) {
    return ReadRegionFile(FindDataFile(fileName, ProgramFolder()));
}

// A message on one line, whatever the operands it quotes hold: a control character (a line
// end among them) is written as \xNN.
int Fail(std::ostream& err, int status, std::string_view message) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string line = "quillex: ";
    for (const char c : message) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7F) {
            line += {'\\', 'x', kHex[code >> 4], kHex[code & 0xF]};
        } else {
            line += c;
        }
    }
    err << line << '\n';
    return status;
}

// VALUE worked out as --eval would; a message, a cut input or no input at all is no number.
std::optional<double> ReadValue(const CommandLine& commandLine, std::ostream& err) {
    const std::string& operand = commandLine.operands.at(0);
    ExprEngine engine;
    const Calculation calculation =
        Calculate(engine, Utf8ToCp1252(operand), CalcSettingsOf(commandLine));
    if (calculation.outcome == CalcOutcome::Succeeded && !calculation.inputCut) {
        return calculation.value;
    }
    const std::string why = calculation.inputCut ? std::string(Text(TextId::InputTooLong))
                                                 : Cp1252ToUtf8(calculation.resultText);
    Fail(err, kExitBadOperand, TextWith(TextId::ValueNoNumber, {operand, why}));
    return std::nullopt;
}

int PrintValue(const CommandLine& commandLine, double value, std::ostream& out, std::ostream& err) {
    out << FormatDisplayed(value, commandLine.display) << '\n';
    return FinishOutput(out, err, 0);
}

std::optional<std::size_t> FindUnit(const RegionTable& table, std::string_view label) {
    for (std::size_t i = 0; i < table.labels.size(); ++i) {
        if (table.labels[i] == label) {
            return i;
        }
    }
    return std::nullopt;
}

// Both labels are looked up in every region, in list order, and the first region that has
// both converts: a label such as pt (point, pint) belongs to more than one.
int Convert(const CommandLine& commandLine, const UnitConverter::RegionReader& reader,
            std::ostream& out, std::ostream& err) {
    const std::optional<double> value = ReadValue(commandLine, err);
    if (!value) {
        return kExitBadOperand;
    }
    const std::string from = Utf8ToCp1252(commandLine.operands.at(1));
    const std::string to = Utf8ToCp1252(commandLine.operands.at(2));
    bool fromFound = false;
    bool toFound = false;
    std::string missingFile;
    for (std::size_t region = 0; region < kRegionNames.size(); ++region) {
        const std::string fileName = RegionFileName(region, kAllUnits);
        const std::optional<RegionTable> table = reader(fileName);
        if (!table) {
            missingFile = missingFile.empty() ? fileName : missingFile;
            continue;
        }
        const std::optional<std::size_t> source = FindUnit(*table, from);
        const std::optional<std::size_t> target = FindUnit(*table, to);
        if (source && target) {
            return PrintValue(commandLine, *value * table->Factor(*target, *source), out, err);
        }
        fromFound = fromFound || source;
        toFound = toFound || target;
    }
    // A unit not found may be in the file that could not be read.
    if (!missingFile.empty()) {
        return Fail(err, kExitRegionFileMissing,
                    TextWith(TextId::RegionFileMissing, {missingFile}));
    }
    if (!fromFound || !toFound) {
        const std::string& unknown = commandLine.operands.at(fromFound ? 2 : 1);
        return Fail(err, kExitBadOperand, TextWith(TextId::UnitUnknown, {unknown}));
    }
    return Fail(err, kExitBadOperand,
                TextWith(TextId::UnitsApart, {commandLine.operands[1], commandLine.operands[2]}));
}

// Without a region the regions' names, one a line; with one, its units: label TAB name.
int ListUnits(const CommandLine& commandLine, const UnitConverter::RegionReader& reader,
              std::ostream& out, std::ostream& err) {
    if (commandLine.operands.empty()) {
        for (const std::string_view name : kRegionNames) {
            out << name << '\n';
        }
        return FinishOutput(out, err, 0);
    }
    const std::string& name = commandLine.operands.front();
    std::size_t region = 0;
    while (region < kRegionNames.size() && !SameIgnoringCase(name, kRegionNames[region])) {
        ++region;
    }
    if (region == kRegionNames.size()) {
        return Fail(err, kExitBadOperand, TextWith(TextId::RegionUnknown, {name}));
    }
    const std::string fileName = RegionFileName(region, kAllUnits);
    const std::optional<RegionTable> table = reader(fileName);
    if (!table) {
        return Fail(err, kExitRegionFileMissing, TextWith(TextId::RegionFileMissing, {fileName}));
    }
    for (std::size_t i = 0; i < table->Size(); ++i) {
        out << Cp1252ToUtf8(table->labels[i]) << '\t' << Cp1252ToUtf8(table->names[i]) << '\n';
    }
    return FinishOutput(out, err, 0);
}

std::string KnownCurrencyCodes() {
    std::string codes(kEuroCode);
    for (const EuroRate& currency : EuroRates()) {
        codes += ", ";
        codes += IsoCode(currency);
    }
    return codes;
}

// From one currency into the other through the Euro, as the window's two buttons go.
int ConvertCurrency(const CommandLine& commandLine, std::ostream& out, std::ostream& err) {
    const std::optional<double> value = ReadValue(commandLine, err);
    if (!value) {
        return kExitBadOperand;
    }
    const std::optional<double> from = RateOfCode(commandLine.operands.at(1));
    const std::optional<double> to = RateOfCode(commandLine.operands.at(2));
    if (!from || !to) {
        const std::string& unknown = commandLine.operands.at(from ? 2 : 1);
        return Fail(err, kExitBadOperand,
                    TextWith(TextId::CurrencyUnknown, {unknown, KnownCurrencyCodes()}));
    }
    return PrintValue(commandLine, *value / *from * *to, out, err);
}

}  // namespace

int RunUnitCommand(const CommandLine& commandLine, std::ostream& out, std::ostream& err,
                   UnitConverter::RegionReader reader) {
    if (!reader) {
        reader = ReadFromDataFolder;
    }
    switch (commandLine.action) {
        case CommandLine::Action::Convert:
            return Convert(commandLine, reader, out, err);
        case CommandLine::Action::Units:
            return ListUnits(commandLine, reader, out, err);
        case CommandLine::Action::Euro:
            return ConvertCurrency(commandLine, out, err);
        default:
            return kExitBadOperand;
    }
}

}  // namespace quillex
