#include "cli/CommandLine.h"

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#endif

#include <algorithm>
#include <cerrno>
#include <istream>
#include <optional>
#include <ostream>

#include "bases/ProgrammerFields.h"
#include "cli/Version.h"
#include "text/Cp1252.h"
#include "text/ErrorReason.h"
#include "text/NumberText.h"
#include "text/Texts.h"

namespace quillex {
namespace {

bool ParseChoice(const std::string& text, std::initializer_list<const char*> choices, int& index) {
    int i = 0;
    for (const char* choice : choices) {
        if (text == choice) {
            index = i;
            return true;
        }
        ++i;
    }
    return false;
}

bool ParseDigits(const std::string& text, int& digits) {
    if (text.empty() || text.size() > 2 || !std::ranges::all_of(text, IsDigit)) {
        return false;
    }
    digits = std::stoi(text);
    return digits <= 15;
}

// The programmer page as the window keeps it, when --bases asks for its fields.
std::optional<ProgrammerFields> BasesPage(const CommandLine& commandLine) {
    if (!commandLine.showBases) {
        return std::nullopt;
    }
    ProgrammerFields page;
    page.SetWidth(BitWidthFromIndex(commandLine.widthIndex).value_or(page.Width()));
    return page;
}

// The page receives every result, a failed one with the value the engine handed back, but
// nothing when there was no input.
void PrintBases(ProgrammerFields& page, const Calculation& calculation, std::ostream& out) {
    if (calculation.outcome == CalcOutcome::NoInput) {
        return;
    }
    page.ReceiveResult(calculation.value);
    for (std::size_t i = 0; i < kProgFieldCount; ++i) {
        const auto field = static_cast<ProgField>(i);
        out << ProgFieldLabel(field) << ": " << Cp1252ToUtf8(page.Text(field)) << '\n';
    }
}

// One result line per input, followed by the page's fields when `bases` is given; returns
// false when the input gave a message instead of a number.
bool EvaluateOne(ExprEngine& engine, const std::string& utf8Input, const CalcSettings& settings,
                 std::optional<ProgrammerFields>& bases, std::ostream& out, std::ostream& err) {
    const std::string input = Utf8ToCp1252(utf8Input);
    const Calculation calculation = Calculate(engine, input, settings);
    if (calculation.inputCut) {
        err << Text(TextId::InputTooLong) << '\n';
    }
    out << Cp1252ToUtf8(calculation.resultText) << '\n';
    if (calculation.outcome == CalcOutcome::Succeeded) {
        engine.SetAnswer(calculation.value);
    }
    if (bases) {
        PrintBases(*bases, calculation, out);
    }
    return calculation.outcome == CalcOutcome::Succeeded;
}

// What one run of inputs shares: the settings, and one engine for the whole run, as in the
// window, so that what one evaluation leaves behind carries over to the next.
struct Session {
    explicit Session(const CommandLine& commandLine)
        : settings(CalcSettingsOf(commandLine)), bases(BasesPage(commandLine)) {}

    bool Evaluate(const std::string& utf8Input, std::ostream& out, std::ostream& err) {
        return EvaluateOne(engine, utf8Input, settings, bases, out, err);
    }

    CalcSettings settings;
    ExprEngine engine;
    std::optional<ProgrammerFields> bases;
};

void StripLineEnd(std::string& line) {
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
}

// Notes the first failure of the output stream, with the reason the system gave for it.
class OutputCheck {
public:
    bool Good(const std::ostream& out) {
        if (!out && error_ == 0) {
            error_ = errno != 0 ? errno : EIO;
        }
        return static_cast<bool>(out);
    }
    int Error() const { return error_; }

private:
    int error_ = 0;
};

// Flushes the output; a failed write anywhere in the run is reported and turns the status into
// kExitOutputFailed, since the caller did not get what it asked for.
int FinishOutput(std::ostream& out, std::ostream& err, int status, OutputCheck& check) {
    if (check.Good(out)) {
        errno = 0;
        out.flush();
    }
    if (check.Good(out)) {
        return status;
    }
    err << "quillex: " << Text(TextId::OutputNotWritten) << ": " << ErrorReason(check.Error())
        << "\n";
    return kExitOutputFailed;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine result;
    auto fail = [&result](std::string_view message) {
        result.action = CommandLine::Action::BadUsage;
        result.error = message;
        return result;
    };
    bool evaluate = false;
    bool interactive = false;
    std::optional<CommandLine::Action> unitAction;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::string value;
        bool hasValue = false;
        if (const auto equals = name.find('='); name.rfind("--", 0) == 0 && equals != name.npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
            hasValue = true;
        }
        const bool takesValue = name == "--eval" || name == "--x" || name == "--y" ||
                                name == "--width" || name == "--style" || name == "--digits" ||
                                name == "--thousands" || name == "--lang";
        if (takesValue && !hasValue) {
            if (i + 1 >= arguments.size()) {
                return fail(TextWith(TextId::UsageNeedsValue, {name}));
            }
            value = arguments[++i];
        }
        if (name == "--eval") {
            result.expressions.push_back(value);
            evaluate = true;
        } else if (name == "--x") {
            result.xText = value;
        } else if (name == "--y") {
            result.yText = value;
        } else if (name == "--width") {
            if (!ParseChoice(value, {"4", "8", "16", "32"}, result.widthIndex)) {
                return fail(Text(TextId::UsageWidth));
            }
        } else if (name == "--style") {
            if (!ParseChoice(value, {"standard", "fixed", "engineering", "scientific"},
                             result.display.style)) {
                return fail(Text(TextId::UsageStyle));
            }
        } else if (name == "--digits") {
            if (!ParseDigits(value, result.display.decimals)) {
                return fail(Text(TextId::UsageDigits));
            }
        } else if (name == "--thousands") {
            if (!ParseChoice(value, {"0", "1", "2"}, result.display.thousands)) {
                return fail(Text(TextId::UsageThousands));
            }
        } else if (name == "--decimal-comma") {
            int on = 1;
            if (hasValue && !ParseChoice(value, {"0", "1"}, on)) {
                return fail(Text(TextId::UsageDecimalComma));
            }
            result.display.decimalComma = on == 1;
        } else if (name == "--lang") {
            int index = 0;
            if (!ParseChoice(value, {"de", "en"}, index)) {
                return fail(Text(TextId::UsageLang));
            }
            result.language = index == 0 ? Language::German : Language::English;
        } else if (name == "--bases") {
            if (hasValue) {
                return fail(TextWith(TextId::UsageNoValue, {name}));
            }
            result.showBases = true;
        } else if (name == "--toggle") {
            if (hasValue) {
                return fail(TextWith(TextId::UsageNoValue, {name}));
            }
            result.toggle = true;
        } else if (name == "--convert" || name == "--euro" || name == "--units") {
            if (unitAction) {
                return fail(Text(TextId::UsageUnitsAlone));
            }
            const bool units = name == "--units";
            unitAction = units                 ? CommandLine::Action::Units
                         : name == "--convert" ? CommandLine::Action::Convert
                                               : CommandLine::Action::Euro;
            if (hasValue) {
                result.operands.push_back(value);
            }
            // VALUE FROM TO are taken as they come, a negative VALUE too; --units takes the
            // next argument as its region unless it is an option.
            const std::size_t wanted = units ? 1 : 3;
            while (result.operands.size() < wanted && i + 1 < arguments.size() &&
                   !(units && arguments[i + 1].starts_with('-'))) {
                result.operands.push_back(arguments[++i]);
            }
            if (!units && result.operands.size() < wanted) {
                return fail(TextWith(TextId::UsageNeedsOperands, {name, "VALUE FROM TO"}));
            }
        } else if (name == "--interactive") {
            interactive = true;
        } else if (name == "--help" || name == "-h") {
            result.action = CommandLine::Action::Help;
            return result;
        } else if (name == "--version") {
            result.action = CommandLine::Action::Version;
            return result;
        } else {
            return fail(TextWith(TextId::UsageUnknown, {arguments[i]}));
        }
    }
    if (unitAction) {
        if (evaluate || interactive || result.showBases || result.toggle) {
            return fail(Text(TextId::UsageUnitsAlone));
        }
        result.action = *unitAction;
        return result;
    }
    if (result.toggle && (evaluate || interactive)) {
        return fail(Text(TextId::UsageToggleAlone));
    }
    if (evaluate) {
        result.action = CommandLine::Action::Evaluate;
    } else if (interactive) {
        result.action = CommandLine::Action::Interactive;
    } else if (result.showBases) {
        return fail(Text(TextId::UsageBasesAlone));
    }
    return result;
}

CalcSettings CalcSettingsOf(const CommandLine& commandLine) {
    return {Utf8ToCp1252(commandLine.xText), Utf8ToCp1252(commandLine.yText),
            commandLine.widthIndex, commandLine.display};
}

bool StandardInputMissing(const CommandLine& commandLine) {
    const bool reads =
        commandLine.action == CommandLine::Action::Interactive ||
        (commandLine.action == CommandLine::Action::Evaluate &&
         std::ranges::find(commandLine.expressions, "-") != commandLine.expressions.end());
#ifdef _WIN32
    return reads && _get_osfhandle(0) == -1;
#else
    return reads && fcntl(0, F_GETFD) == -1 && errno == EBADF;
#endif
}

int RunEvaluations(const CommandLine& commandLine, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    Session session(commandLine);
    bool allNumbers = true;
    OutputCheck check;
    for (const std::string& expression : commandLine.expressions) {
        if (expression != "-") {
            allNumbers = session.Evaluate(expression, out, err) && allNumbers;
        } else {
            // Once the output has failed, the rest of the input is not worth reading.
            std::string line;
            while (check.Good(out) && std::getline(in, line)) {
                StripLineEnd(line);
                allNumbers = session.Evaluate(line, out, err) && allNumbers;
            }
        }
        if (!check.Good(out)) {
            break;
        }
    }
    return FinishOutput(out, err, allNumbers ? 0 : 1, check);
}

int RunInteractive(const CommandLine& commandLine, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    Session session(commandLine);
    OutputCheck check;
    out << "Quillex " << kVersion << ": " << Text(TextId::InteractiveHint) << "\n";
    std::string line;
    while (check.Good(out << "> " << std::flush) && std::getline(in, line)) {
        StripLineEnd(line);
        session.Evaluate(line, out, err);
    }
    out << '\n';
    return FinishOutput(out, err, 0, check);
}

int FinishOutput(std::ostream& out, std::ostream& err, int status) {
    OutputCheck check;
    return FinishOutput(out, err, status, check);
}

std::string UsageText() {
    return std::string(Text(TextId::UsageText));
}

std::string VersionText() {
    return std::string("quillex ") + kVersion + "\n";
}

}  // namespace quillex
