#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "cli/CommandLine.h"
#include "cli/UnitCommands.h"

namespace quillex {
namespace {

using Action = CommandLine::Action;

struct RunOutput {
    int status;
    std::string out;
    std::string err;
};

RunOutput Evaluate(const std::vector<std::string>& arguments, const std::string& input = {}) {
    const CommandLine commandLine = ParseCommandLine(arguments);
    EXPECT_EQ(commandLine.action, Action::Evaluate) << commandLine.error;
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunEvaluations(commandLine, in, out, err);
    return {status, out.str(), err.str()};
}

// ans is the previous line's result; before any result it is an error of its own, and a
// failed line leaves it as it was. Within hex( it stays the hex digit it always was.
TEST(CommandLine, AnsIsThePreviousResult) {
    const RunOutput run = Evaluate({"--eval", "-"}, "ans\n6*7\nans+1\n1/\nans*2\nhex(ans)\n");
    std::vector<std::string> lines;
    std::istringstream out(run.out);
    for (std::string line; std::getline(out, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], Text(TextId::EngineNoAnswer));
    EXPECT_EQ(lines[1], "42");
    EXPECT_EQ(lines[2], "43");
    EXPECT_EQ(lines[4], "86");
    EXPECT_EQ(lines[5] + '\n', Evaluate({"--eval", "hex(ans)"}).out);
}

TEST(CommandLine, ParsesOptionsInBothForms) {
    const CommandLine parsed =
        ParseCommandLine({"--x=-1,5", "--y", "2", "--width=8", "--style", "fixed", "--digits=3",
                          "--thousands", "1", "--decimal-comma", "--eval", "X"});
    EXPECT_EQ(parsed.action, Action::Evaluate);
    EXPECT_EQ(parsed.xText, "-1,5");
    EXPECT_EQ(parsed.yText, "2");
    EXPECT_EQ(parsed.widthIndex, 1);
    EXPECT_EQ(parsed.display.style, kStyleFixed);
    EXPECT_EQ(parsed.display.decimals, 3);
    EXPECT_EQ(parsed.display.thousands, kThousandsPoints);
    EXPECT_TRUE(parsed.display.decimalComma);
    EXPECT_EQ(parsed.expressions, std::vector<std::string>{"X"});

    EXPECT_EQ(ParseCommandLine({}).action, Action::Window);
    EXPECT_EQ(ParseCommandLine({"--help"}).action, Action::Help);
    EXPECT_EQ(ParseCommandLine({"--version"}).action, Action::Version);
    EXPECT_EQ(ParseCommandLine({"--eval=-"}).expressions, std::vector<std::string>{"-"});
    const CommandLine toggle = ParseCommandLine({"--toggle", "--lang", "en"});
    EXPECT_EQ(toggle.action, Action::Window);
    EXPECT_TRUE(toggle.toggle);
}

TEST(CommandLine, RejectsBadUsage) {
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"--width", "12", "--eval", "1"},
             {"--style=plain", "--eval", "1"},
             {"--digits", "16", "--eval", "1"},
             {"--digits=-1", "--eval", "1"},
             {"--digits=", "--eval", "1"},
             {"--thousands", "3"},
             {"--eval"},
             {"--decimal-comma=2"},
             {"--toggle=1"},
             {"--toggle", "--eval", "1"},
             {"--interactive", "--toggle"},
             {"--frobnicate"},
             {"1+1"},
             {"--convert", "1", "m"},
             {"--euro"},
             {"--units", "--convert", "1", "m", "cm"},
             {"--units=Length", "--eval", "1"},
         }) {
        const CommandLine parsed = ParseCommandLine(arguments);
        EXPECT_EQ(parsed.action, Action::BadUsage) << arguments[0];
        EXPECT_FALSE(parsed.error.empty());
    }
}

TEST(CommandLine, ExitStatusTellsWhetherEveryInputGaveANumber) {
    EXPECT_EQ(Evaluate({"--eval", "2*pi"}).status, 0);
    EXPECT_EQ(Evaluate({"--eval", "2*pi"}).out, "6.2831853071796\n");
    EXPECT_EQ(Evaluate({"--eval", "1+"}).status, 1);
    EXPECT_EQ(Evaluate({"--eval", ""}).status, 1);
    EXPECT_EQ(Evaluate({"--eval", ""}).out, "Keine Eingabe\n");

    const RunOutput lines = Evaluate({"--eval", "-"}, "1+1\r\n\n2**3**2\n7");
    EXPECT_EQ(lines.out, "2\nKeine Eingabe\nFehlerhafte Eingabe (Ausdruck)\n7\n");
    EXPECT_EQ(lines.status, 1);
    EXPECT_EQ(Evaluate({"--eval", "-"}, "").out, "");
    EXPECT_EQ(Evaluate({"--eval", "-"}, "").status, 0);
}

// A stream buffer that takes `room` characters and then fails, like a full disk.
class FullBuffer : public std::streambuf {
public:
    explicit FullBuffer(int room) : room_(room) {}

protected:
    int_type overflow(int_type c) override { return room_-- > 0 ? c : traits_type::eof(); }

private:
    int room_;
};

TEST(CommandLine, AnOutputThatCannotBeWrittenEndsTheRunWithItsOwnStatus) {
    for (const int room : {0, 3}) {
        SCOPED_TRACE(room);
        FullBuffer full(room);
        std::ostream out(&full);
        std::istringstream in("1\n2\n3\n");
        std::ostringstream err;
        const CommandLine commandLine = ParseCommandLine({"--eval", "-", "--eval", "x"});
        EXPECT_EQ(RunEvaluations(commandLine, in, out, err), kExitOutputFailed);
        EXPECT_NE(err.str().find(Text(TextId::OutputNotWritten)), std::string::npos);
        std::istringstream none;
        EXPECT_EQ(RunInteractive(ParseCommandLine({"--interactive"}), none, out, err),
                  kExitOutputFailed);
    }
}

TEST(CommandLine, OneEngineServesTheWholeRun) {
    // hex( with a blank reads the number text that the line before left behind.
    EXPECT_EQ(Evaluate({"--eval", "-"}, "20\nhex( pi)\n").out, "20\n32\n");
    EXPECT_EQ(Evaluate({"--eval", "20", "--eval", "hex( pi)"}).out, "20\n32\n");
}

TEST(CommandLine, TooLongInputsReportOnStandardErrorAndPrintTheCutResult) {
    std::string input;
    for (int i = 0; i < 65; ++i) {
        input += "1+";
    }
    const RunOutput run = Evaluate({"--eval", input});
    EXPECT_EQ(run.out, "63\n");
    EXPECT_EQ(run.err, "Maximale L\xc3\xa4nge eines Terms ist 128 Zeichen\n");
    EXPECT_EQ(run.status, 0);
}

TEST(CommandLine, Utf8InputCountsCharactersNotBytes) {
    // 123 characters, 200 bytes in UTF-8: not too long.
    std::string umlauts = "1+";
    for (int i = 0; i < 121; ++i) {
        umlauts += "\xc3\xa4";
    }
    const RunOutput run = Evaluate({"--eval", umlauts});
    EXPECT_TRUE(run.err.empty());
    EXPECT_EQ(run.out, "Fehlerhafte Eingabe (Ausdruck)\n");
    // A character outside the code page is neither a letter nor an operator.
    EXPECT_EQ(Evaluate({"--eval",
                        "\xe2\x88\x9a"
                        "4"})
                  .out,
              "Fehlerhafte Eingabe (Ausdruck)\n");
}

TEST(CommandLine, BasesPrintTheProgrammerPageAfterEachResult) {
    struct Row {
        std::vector<std::string> arguments;
        std::string out;
    };
    for (const Row& row : std::vector<Row>{
             {{"--width", "8", "--bases", "--eval", "65"},
              "65\nBin: 0100 0001\nOct: 101\nDec: 65\nHex: 41\nAscII: ___A\n2's: 65\n"
              "Roman: LXV\n"},
             // The AscII field's last character is code 251, printed in UTF-8.
             {{"--width=8", "--bases", "--eval", "251"},
              "251\nBin: 1111 1011\nOct: 373\nDec: 251\nHex: FB\nAscII: ___\xc3\xbb\n"
              "2's: -5\nRoman: CCLI\n"},
             {{"--width", "8", "--bases", "--eval", "300"},
              "300\nBin: 0000 0000\nOct: 0\nDec: Overflow\nHex: 00\nAscII: \n2's: 0\n"
              "Roman: 0-3999\n"},
             {{"--bases", "--eval", "-7"},
              "-7\nBin: 0000 0000 0000 0000 0000 0000 0000 0000\nOct: 0\nDec: 0\n"
              "Hex: 00000000\nAscII: \n2's: 0\nRoman: 0-3999\n"},
             {{"--width", "16", "--bases", "--eval", "1994"},
              "1994\nBin: 0000 0111 1100 1010\nOct: 3712\nDec: 1994\nHex: 07CA\n"
              "AscII: ___\xc3\x8a\n2's: 1994\nRoman: MCMXCIV\n"},
             // A failed evaluation hands over the value the engine left behind.
             {{"--width", "4", "--bases", "--eval", "1+"},
              "Anweisung unvollst.\nBin: 0001\nOct: 1\nDec: 1\nHex: 1\nAscII: \n2's: 1\n"
              "Roman: I\n"},
             // Without input the page is not updated, so nothing follows the message.
             {{"--bases", "--eval", ""}, "Keine Eingabe\n"},
         }) {
        EXPECT_EQ(Evaluate(row.arguments).out, row.out) << row.arguments.back();
    }

    const RunOutput lines = Evaluate({"--width", "4", "--bases", "--eval", "-"}, "3\n\n2*5\n");
    EXPECT_EQ(lines.out,
              "3\nBin: 0011\nOct: 3\nDec: 3\nHex: 3\nAscII: \n2's: 3\nRoman: III\n"
              "Keine Eingabe\n"
              "10\nBin: 1010\nOct: 12\nDec: 10\nHex: A\nAscII: \n2's: -6\nRoman: X\n");
    EXPECT_EQ(lines.status, 1);

    EXPECT_FALSE(ParseCommandLine({"--eval", "1"}).showBases);
    EXPECT_EQ(ParseCommandLine({"--bases"}).action, Action::BadUsage);
    EXPECT_EQ(ParseCommandLine({"--bases=1", "--eval", "1"}).action, Action::BadUsage);
    EXPECT_EQ(ParseCommandLine({"--bases", "--interactive"}).action, Action::Interactive);
}

// --convert, --euro and --units with the region files the build made.
RunOutput RunUnits(const std::vector<std::string>& arguments, bool filesThere = true) {
    const CommandLine commandLine = ParseCommandLine(arguments);
    EXPECT_TRUE(commandLine.error.empty()) << commandLine.error;
    std::ostringstream out;
    std::ostringstream err;
    const int status =
        RunUnitCommand(commandLine, out, err, [filesThere](const std::string& fileName) {
            return filesThere
                       ? ReadRegionFile(std::filesystem::path(QUILLEX_UNITS_DATA_DIR) / fileName)
                       : std::nullopt;
        });
    return {status, out.str(), err.str()};
}

TEST(UnitCommands, ConvertInTheRegionOfBothUnitsAndShowTheResultAsEvalDoes) {
    EXPECT_EQ(RunUnits({"--convert", "12", "in", "cm"}).out, "30.48\n");
    EXPECT_EQ(RunUnits({"--convert=1", "mi", "km"}).out, "1.609344\n");
    // pt is a length and a volume; with L it is the US pint.
    EXPECT_EQ(RunUnits({"--convert", "2", "pt", "L"}).out, "0.946352946\n");
    EXPECT_EQ(RunUnits({"--style", "fixed", "--digits", "2", "--decimal-comma", "--convert",
                        "-1,5*2", "mi", "km"})
                  .out,
              "-4,83\n");
    EXPECT_EQ(RunUnits({"--thousands=1", "--euro", "1000", "eur", "ITL"}).out, "1.936.270\n");

    const RunOutput marks = RunUnits({"--euro", "100", "DEM", "EUR"});
    EXPECT_EQ(marks.status, 0);
    EXPECT_NEAR(std::stod(marks.out), 100 / 1.95583, 1e-9);
    // From currency to currency through the Euro.
    EXPECT_NEAR(std::stod(RunUnits({"--euro", "100", "dm", "ats"}).out), 100 / 1.95583 * 13.7603,
                1e-9);
}

TEST(UnitCommands, AnOperandThatDoesNotFitIsReportedWithTheStatusOfBadUsage) {
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {"--convert", "1", "m", "furlongs"},
             {"--convert", "1", "m", "kg"},
             {"--convert", "1+", "m", "cm"},
             {"--convert", "", "m", "cm"},
             {"--euro", "1", "EUR", "USD"},
             {"--units", "Lengths"},
             {"--convert", "1", "m\ni", "cm"},
             {"--convert", "1\n2", "m", "cm"},
         }) {
        const RunOutput run = RunUnits(arguments);
        EXPECT_EQ(run.status, kExitBadOperand) << arguments[1];
        EXPECT_EQ(run.out, "");
        // One line, whatever the operand holds.
        EXPECT_TRUE(run.err.starts_with("quillex: ")) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
    EXPECT_EQ(RunUnits({"--convert", "1", "m", "furlongs"}).err,
              "quillex: " + TextWith(TextId::UnitUnknown, {"furlongs"}) + "\n");
    // Without the region files no unit is called unknown: the missing file is named.
    const RunOutput missing = RunUnits({"--convert", "1", "m", "cm"}, false);
    EXPECT_EQ(missing.status, kExitRegionFileMissing);
    EXPECT_NE(missing.err.find("convert/Area.all"), std::string::npos) << missing.err;
}

// Every unit --units lists for a region converts, by its label, to itself unchanged.
TEST(UnitCommands, UnitsListsTheRegionsAndTheLabelsThatConvert) {
    std::istringstream regions(RunUnits({"--units"}).out);
    std::size_t regionCount = 0;
    for (std::string region; std::getline(regions, region); ++regionCount) {
        for (char& c : region) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        const RunOutput units = RunUnits({"--units", region});
        ASSERT_EQ(units.status, 0) << region << units.err;
        std::istringstream lines(units.out);
        std::size_t unitCount = 0;
        for (std::string line; std::getline(lines, line); ++unitCount) {
            const std::string label = line.substr(0, line.find('\t'));
            ASSERT_LT(label.size(), line.size()) << line;
            EXPECT_EQ(RunUnits({"--convert", "7.25", label, label}).out, "7.25\n") << line;
        }
        EXPECT_GT(unitCount, 4u) << region;
    }
    EXPECT_EQ(regionCount, kRegionNames.size());
}

}  // namespace
}  // namespace quillex
