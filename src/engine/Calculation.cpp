#include "engine/Calculation.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

#include "text/NumberText.h"
#include "text/Texts.h"

namespace quillex {
namespace {

// The input followed by ";_" and its terminator.
constexpr std::size_t kEngineTextSize = kMaxInputLength + 3;

// Smallest magnitude that rounds to infinity in single precision (FLT_MAX plus half an ulp).
constexpr double kFloatOverflow = 3.4028235677973366e38;

float ToSingle(double value) {
    if (std::fabs(value) >= kFloatOverflow) {
        return value < 0 ? -HUGE_VALF : HUGE_VALF;
    }
    return static_cast<float>(value);
}

}  // namespace

float ReadVariable(std::string_view fieldText) {
    if (fieldText.find(',') == std::string_view::npos) {
        return ToSingle(ReadLeadingNumber(fieldText));
    }
    std::string text(fieldText);
    std::replace(text.begin(), text.end(), ',', '.');
    return ToSingle(ReadLeadingNumber(text));
}

Calculation Calculate(ExprEngine& engine, std::string_view input, const CalcSettings& settings) {
    Calculation out;
    if (input.size() > kMaxInputLength) {
        input = input.substr(0, kMaxInputLength);
        out.inputCut = true;
    }
    if (input.empty()) {
        out.resultText = Text(TextId::NoInput);
        return out;
    }

    // Commas are decimal points to the engine, and line breaks are blanks.
    std::array<char, kEngineTextSize> text{};
    std::size_t length = 0;
    for (char c : input) {
        text[length++] = c == ',' ? '.' : (c == '\r' || c == '\n') ? ' ' : c;
    }
    text[length++] = ';';
    text[length++] = '_';

    engine.SetX(ReadVariable(settings.xText));
    engine.SetY(ReadVariable(settings.yText));
    engine.SetWidthIndex(settings.widthIndex);
    const Evaluation evaluation = engine.EvaluateText({text.data(), length});

    out.value = evaluation.value;
    if (evaluation.error.empty()) {
        out.outcome = CalcOutcome::Succeeded;
        out.resultText = FormatDisplayed(evaluation.value, settings.display);
    } else {
        out.outcome = CalcOutcome::Failed;
        out.resultText = evaluation.error;
    }
    return out;
}

std::string NormaliseForTape(std::string_view resultText, int thousands) {
    std::string text;
    text.reserve(resultText.size());
    for (char c : resultText) {
        if (thousands == kThousandsPoints) {
            if (c != '.') {
                text += c == ',' ? '.' : c;
            }
        } else if (thousands != kThousandsCommas || c != ',') {
            text += c;
        }
    }
    const std::size_t point = text.find('.');
    if (point != std::string::npos && point > 0 &&
        text.find_first_not_of('0', point + 1) == std::string::npos) {
        text.resize(point);
    }
    return text;
}

std::optional<Value> ReadTapeResult(std::string_view text) {
    std::string number(text);
    std::replace(number.begin(), number.end(), ',', '.');
    // from_chars, not strtod: the window runs in the user's locale, whose decimal separator
    // strtod would expect.
    double value = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace quillex
