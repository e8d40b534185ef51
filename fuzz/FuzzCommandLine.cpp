// A libFuzzer target over the command line, fed with arbitrary bytes:
//   - ParseCommandLine on the arguments the input holds;
//   - RunEvaluations on what it parsed, once as asked and once with --bases switched, with the
//     rest of the input as standard input; RunInteractive likewise;
//   - RunUnitCommand for --convert, --euro and --units, over region tables held in memory.
//
// Input layout: ARGUMENT NUL ARGUMENT NUL ... NUL NUL STANDARD-INPUT. A seed file is a command
// line with NUL bytes between its arguments.
//
// Besides the sanitizers' checks it checks what must hold for every input: a parsed command
// line written out again (in both the "--name value" and the "--name=value" form) parses to
// the same command line, and its values lie in their ranges; a run writes one result line per
// input and one too-long message per cut input, exits with 0 or 1, and --bases adds the
// programmer page's seven labelled fields after every result but that of an empty input,
// changes nothing else, and shows fields that agree with their Dec value. A unit command
// exits with 0 and writes its output only on standard output, or exits with 2 and writes one
// message line only on the error output; --convert and --euro write one line.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "cli/CommandLine.h"
#include "cli/UnitCommands.h"
#include "engine/BitWidth.h"
#include "text/Cp1252.h"
#include "text/Texts.h"

namespace {

using quillex::CommandLine;
using quillex::fuzz::Escaped;

std::string Describe(const std::vector<std::string>& arguments) {
    std::string out;
    for (const std::string& argument : arguments) {
        out += " '" + Escaped(argument) + "'";
    }
    return "arguments" + out;
}

bool Same(const CommandLine& a, const CommandLine& b) {
    return a.action == b.action && a.expressions == b.expressions && a.xText == b.xText &&
           a.yText == b.yText && a.widthIndex == b.widthIndex && a.showBases == b.showBases &&
           a.display.style == b.display.style && a.display.decimals == b.display.decimals &&
           a.display.thousands == b.display.thousands &&
           a.display.decimalComma == b.display.decimalComma && a.language == b.language &&
           a.toggle == b.toggle;
}

// The command line as a user would write every value of it out.
std::vector<std::string> WrittenOut(const CommandLine& commandLine, bool withEquals) {
    static constexpr const char* kWidths[] = {"4", "8", "16", "32"};
    static constexpr const char* kStyles[] = {"standard", "fixed", "engineering", "scientific"};
    std::vector<std::string> arguments;
    const auto add = [&](const char* name, const std::string& value) {
        if (withEquals) {
            arguments.push_back(std::string(name) + "=" + value);
        } else {
            arguments.push_back(name);
            arguments.push_back(value);
        }
    };
    for (const std::string& expression : commandLine.expressions) {
        add("--eval", expression);
    }
    add("--x", commandLine.xText);
    add("--y", commandLine.yText);
    add("--width", kWidths[commandLine.widthIndex]);
    add("--style", kStyles[commandLine.display.style]);
    add("--digits", std::to_string(commandLine.display.decimals));
    add("--thousands", std::to_string(commandLine.display.thousands));
    add("--lang", commandLine.language == quillex::Language::German ? "de" : "en");
    arguments.push_back(commandLine.display.decimalComma ? "--decimal-comma" : "--decimal-comma=0");
    if (commandLine.showBases) {
        arguments.push_back("--bases");
    }
    if (commandLine.action == CommandLine::Action::Interactive) {
        arguments.push_back("--interactive");
    }
    if (commandLine.toggle) {
        arguments.push_back("--toggle");
    }
    return arguments;
}

void CheckParsed(const std::vector<std::string>& arguments, const CommandLine& parsed) {
    const auto context = [&] { return Describe(arguments); };
    FUZZ_CHECK((parsed.action == CommandLine::Action::BadUsage) == !parsed.error.empty(),
               context());
    FUZZ_CHECK(!parsed.showBases || parsed.action != CommandLine::Action::Window, context());
    FUZZ_CHECK(!parsed.toggle || (parsed.action != CommandLine::Action::Evaluate &&
                                  parsed.action != CommandLine::Action::Interactive),
               context());
    if (parsed.action != CommandLine::Action::Window &&
        parsed.action != CommandLine::Action::Evaluate &&
        parsed.action != CommandLine::Action::Interactive) {
        return;
    }
    // A command line that is acted on holds only values in their ranges.
    FUZZ_CHECK(parsed.widthIndex >= 0 && parsed.widthIndex < quillex::kBitWidthCount &&
                   parsed.display.style >= 0 && parsed.display.style <= 3 &&
                   parsed.display.decimals >= 0 && parsed.display.decimals <= 15 &&
                   parsed.display.thousands >= 0 && parsed.display.thousands <= 2,
               context());
    for (const bool withEquals : {false, true}) {
        const std::vector<std::string> written = WrittenOut(parsed, withEquals);
        const CommandLine again = quillex::ParseCommandLine(written);
        FUZZ_CHECK(Same(parsed, again), context() + " written out as " + Describe(written) +
                                            " parses differently: " + again.error);
    }
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        FUZZ_CHECK(end != std::string::npos, "output without a final line end: " + Escaped(text));
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The inputs a run evaluates: each --eval value, and for the first "-" every line of standard
// input without its line end (a later "-" finds the input used up).
std::vector<std::string> Inputs(const CommandLine& commandLine, std::string_view standardInput) {
    std::vector<std::string> inputs;
    bool read = false;
    for (const std::string& expression : commandLine.expressions) {
        if (expression != "-") {
            inputs.push_back(expression);
            continue;
        }
        std::size_t start = 0;
        while (!read && start < standardInput.size()) {
            std::size_t end = standardInput.find('\n', start);
            if (end == std::string_view::npos) {
                end = standardInput.size();
            }
            std::string line(standardInput.substr(start, end - start));
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            inputs.push_back(line);
            start = end + 1;
        }
        read = true;
    }
    return inputs;
}

struct Run {
    int status = 0;
    std::vector<std::string> lines;
    std::vector<std::string> errors;
};

Run RunOnce(const CommandLine& commandLine, std::string_view standardInput) {
    std::istringstream in{std::string(standardInput)};
    std::ostringstream out;
    std::ostringstream err;
    Run run;
    run.status = quillex::RunEvaluations(commandLine, in, out, err);
    run.lines = Lines(out.str());
    run.errors = Lines(err.str());
    return run;
}

// The seven labelled fields after a result, checked against their Dec value; the index of the
// next result line.
template <typename Detail>
std::size_t CheckBases(const std::vector<std::string>& lines, std::size_t at,
                       const quillex::BitWidth& width, const Detail& context) {
    static constexpr const char* kLabels[] = {
        "Bin: ", "Oct: ", "Dec: ", "Hex: ", "AscII: ", "2's: ", "Roman: "};
    quillex::fuzz::PageTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i, ++at) {
        const std::string_view label = kLabels[i];
        FUZZ_CHECK(at < lines.size() && lines[at].starts_with(label),
                   "a field missing after a result: " + context());
        texts[i] = quillex::Utf8ToCp1252(std::string_view(lines[at]).substr(label.size()));
    }
    const std::string& dec = texts[static_cast<std::size_t>(quillex::ProgField::Dec)];
    FUZZ_CHECK(dec == quillex::Text(quillex::TextId::Overflow) ||
                   (!dec.empty() && dec.find_first_not_of("0123456789") == std::string::npos),
               "Dec is no result: " + context());
    quillex::fuzz::CheckPageFollowsDec(texts, width, 0);
    return at;
}

void CheckEvaluations(const std::vector<std::string>& arguments, const CommandLine& parsed,
                      std::string_view standardInput) {
    const auto context = [&] {
        return Describe(arguments) + ", input \"" + Escaped(standardInput) + "\"";
    };
    const std::vector<std::string> inputs = Inputs(parsed, standardInput);
    CommandLine plain = parsed;
    plain.showBases = false;
    CommandLine bases = parsed;
    bases.showBases = true;
    const Run withoutBases = RunOnce(plain, standardInput);
    const Run withBases = RunOnce(bases, standardInput);

    FUZZ_CHECK(withoutBases.status == 0 || withoutBases.status == 1, context());
    FUZZ_CHECK(withBases.status == withoutBases.status, context());
    FUZZ_CHECK(withoutBases.lines.size() == inputs.size(),
               std::to_string(withoutBases.lines.size()) + " result lines for " +
                   std::to_string(inputs.size()) + " inputs: " + context());
    std::size_t cut = 0;
    for (const std::string& input : inputs) {
        cut += quillex::Utf8ToCp1252(input).size() > quillex::kMaxInputLength ? 1 : 0;
    }
    FUZZ_CHECK(withoutBases.errors.size() == cut && withBases.errors == withoutBases.errors,
               "too-long messages: " + context());
    for (const std::string& error : withoutBases.errors) {
        FUZZ_CHECK(error == quillex::Text(quillex::TextId::InputTooLong), context());
    }

    const quillex::BitWidth width = *quillex::BitWidthFromIndex(parsed.widthIndex);
    std::size_t at = 0;
    for (std::size_t i = 0; i < inputs.size() && i < withoutBases.lines.size(); ++i) {
        FUZZ_CHECK(at < withBases.lines.size() && withBases.lines[at] == withoutBases.lines[i],
                   "--bases changed result " + std::to_string(i) + ": " + context());
        ++at;
        // An empty input gives no result for the page.
        if (!quillex::Utf8ToCp1252(inputs[i]).empty()) {
            at = CheckBases(withBases.lines, at, width, context);
        }
    }
    FUZZ_CHECK(at == withBases.lines.size(), "more lines with --bases: " + context());
}

void CheckInteractive(const CommandLine& parsed, std::string_view standardInput) {
    std::istringstream in{std::string(standardInput)};
    std::ostringstream out;
    std::ostringstream err;
    FUZZ_CHECK(quillex::RunInteractive(parsed, in, out, err) == 0, Escaped(standardInput));
    // A prompt before every line and one more at the end, each answered on its own line.
    std::size_t prompts = 0;
    for (const std::string& line : Lines(out.str())) {
        prompts += line.starts_with("> ") ? 1 : 0;
    }
    CommandLine asEvaluation = parsed;
    asEvaluation.expressions = {"-"};
    FUZZ_CHECK(prompts == Inputs(asEvaluation, standardInput).size() + 1,
               std::to_string(prompts) + " prompts for \"" + Escaped(standardInput) + "\"");
}

// Every region holds an inch and a centimetre (and its "All" file a mile too): small tables,
// so that a label is found in several regions and in none.
std::optional<quillex::RegionTable> ReadRegionInMemory(const std::string& fileName) {
    static const quillex::RegionTable common =
        quillex::ReadRegion("2\nin,inch\n1\n2.54\ncm,centimeter\n0.3937007874015748\n1\n");
    static const quillex::RegionTable all = quillex::ReadRegion(
        "3\nin,inch\n1\n2.54\n0.0000157828\ncm,centimeter\n"
        "0.3937007874015748\n1\n0.0000062137\nmi,mile\n63360\n160934.4\n1\n");
    return fileName.ends_with(".all") ? all : common;
}

void CheckUnitCommand(const std::vector<std::string>& arguments, const CommandLine& parsed) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = quillex::RunUnitCommand(parsed, out, err, ReadRegionInMemory);
    const std::vector<std::string> lines = Lines(out.str());
    const std::vector<std::string> errors = Lines(err.str());
    const auto context = [&] { return Describe(arguments) + " exit " + std::to_string(status); };
    if (status == 0) {
        FUZZ_CHECK(errors.empty() && !lines.empty(), context());
        FUZZ_CHECK(parsed.action == CommandLine::Action::Units || lines.size() == 1, context());
    } else {
        FUZZ_CHECK(status == quillex::kExitBadOperand && lines.empty() && errors.size() == 1,
                   context());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t end = input.find(std::string_view("\0\0", 2));
    const std::string_view argumentPart = input.substr(0, end);
    const std::string_view standardInput =
        end == std::string_view::npos ? std::string_view() : input.substr(end + 2);

    std::vector<std::string> arguments;
    if (!argumentPart.empty()) {
        std::size_t start = 0;
        while (start <= argumentPart.size()) {
            std::size_t next = argumentPart.find('\0', start);
            if (next == std::string_view::npos) {
                next = argumentPart.size();
            }
            arguments.emplace_back(argumentPart.substr(start, next - start));
            start = next + 1;
        }
    }

    const CommandLine parsed = quillex::ParseCommandLine(arguments);
    CheckParsed(arguments, parsed);
    if (parsed.action == CommandLine::Action::Evaluate) {
        CheckEvaluations(arguments, parsed, standardInput);
    } else if (parsed.action == CommandLine::Action::Interactive) {
        CheckInteractive(parsed, standardInput);
    } else if (parsed.action == CommandLine::Action::Convert ||
               parsed.action == CommandLine::Action::Euro ||
               parsed.action == CommandLine::Action::Units) {
        CheckUnitCommand(arguments, parsed);
    }
    return 0;
}
