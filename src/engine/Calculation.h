// The calculation path of the result field, without any window: from the input text and the
// settings to the text the result field shows, and the form in which a result is filed on the
// tape.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/ExprEngine.h"
#include "engine/ResultFormat.h"

namespace quillex {

inline constexpr std::size_t kMaxInputLength = 125;

struct CalcSettings {
    std::string xText;  // texts of the X and Y fields
    std::string yText;
    int widthIndex = 0;  // 0..3 for 4, 8, 16, 32 bits
    DisplayOptions display;
};

enum class CalcOutcome { NoInput, Failed, Succeeded };

struct Calculation {
    CalcOutcome outcome = CalcOutcome::NoInput;
    std::string resultText;  // what the result field shows
    Value value = 0;         // the engine's value, also after a failure; 0 without input
    bool inputCut = false;   // the input was longer than kMaxInputLength and was cut to it
};

// Evaluates an input (code page 1252). An input longer than kMaxInputLength is cut to its first
// kMaxInputLength characters and the cut text is evaluated; the caller shows the message and
// writes the cut text back.
Calculation Calculate(ExprEngine& engine, std::string_view input, const CalcSettings& settings);

// The value of an X or Y field text: ',' counts as '.', the leading number in single precision.
float ReadVariable(std::string_view fieldText);

// A result text as it is filed on the tape: separators removed, and a point followed only by
// zeros cut off (12.000 becomes 12, 12.50 stays).
std::string NormaliseForTape(std::string_view resultText, int thousands);

// The value of a result text filed on the tape (a ',' left there is the decimal separator), or
// nothing when the text is no number, such as a message.
std::optional<Value> ReadTapeResult(std::string_view text);

}  // namespace quillex
