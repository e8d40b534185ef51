// A libFuzzer target over the engine's text paths, fed with arbitrary bytes:
//   - ExprEngine::EvaluateText on the whole input, also past the reader's buffer;
//   - quillex::Calculate on the expression part, whole and then line by line as `--eval -`
//     feeds it, with the settings taken from the bytes after the first NUL;
//   - NormaliseForTape, the number-text functions and the code-page conversions.
//
// Input layout: EXPRESSION [ NUL SETTINGS ]. Without a NUL the input is all expression and the
// settings are the command line's defaults, so a seed file is just an expression.
//
// One engine serves the whole fuzzing process, as one engine serves a whole run of the program:
// what one input leaves behind is met by the next. The lines of one input share it too, so a
// fault that needs that carry-over can still be reproduced from a single input.
//
// Besides the sanitizers' checks, the target checks properties that must hold for every input:
// the number texts against exact decimal expansions written by the C library, the readers
// against strtod and strtoll, a cut input against its cut text, the code-page round trip, and
// the separator stage against the tape form.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Calculation.h"
#include "engine/ExprEngine.h"
#include "engine/ResultFormat.h"
#include "text/Cp1252.h"
#include "text/NumberText.h"
#include "text/Texts.h"

#include "FuzzCheck.h"

namespace {

using quillex::fuzz::Escaped;

// The widest decimals and precision the number-text functions honour; larger requests are
// called as well, but only checked for memory and undefined-behaviour faults.
constexpr int kCheckedDecimals = 40;

std::string Describe(double v) {
    char text[64];
    std::snprintf(text, sizeof text, "%a (%.17g)", v, v);
    return text;
}

bool SameValue(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) ||
           std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool IsEngineMessage(std::string_view text) {
    using quillex::TextId;
    for (auto id = static_cast<int>(TextId::EngineSyntax);
         id <= static_cast<int>(TextId::EngineNoAnswer); ++id) {
        if (text == quillex::Text(static_cast<TextId>(id))) {
            return true;
        }
    }
    return false;
}

// ---- Exact decimal references for the number texts --------------------------------------

// Adds one to a run of decimal digits; true when the carry ran out at the front.
bool Increment(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    digits.insert(0, 1, '1');
    return true;
}

// Every finite double is a multiple of 2^-1074, so a finite number of decimals writes it
// exactly, and writing more only pads it with zeros: the C library then writes the exact value,
// and rounding it here by its next digit rounds exact halves away from zero. The checks read at
// most kReadDecimals decimals and significant digits, so a value is written with its own
// decimals or with those, whichever is more: a few dozen digits for most values instead of the
// longest expansion any double needs. Each value is written once; every expected text is a
// rounding of it.
constexpr int kReadDecimals = 46;
// The %G form at the widest checked precision (kCheckedDecimals + 1) writes up to 4 + 40
// decimals for a value down to 1e-4, and rounding reads the digit after the last.
static_assert(kReadDecimals >= kCheckedDecimals + 1 + 4 + 1);

struct Exact {
    bool negative = false;
    std::array<char, 1 + 309 + 1 + 1074 + 1> fixed{};   // without the sign
    std::array<char, 1 + 309 + 1074 + 1> scientific{};  // the significant digits, no point
    std::string_view digits;                            // of scientific
    int exponent = 0;                                   // of the first significant digit
};

// The decimals that write |v| exactly: the place of its lowest set bit below the point.
int ExactDecimals(double v) {
    if (v == 0) {
        return 0;
    }
    int exponent = 0;
    const double mantissa = std::frexp(std::fabs(v), &exponent);
    const auto bits = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
    return std::max(0, 53 - exponent - std::countr_zero(bits));
}

void Expand(double v, Exact& out) {
    out.negative = std::signbit(v);
    const int decimals = std::max(ExactDecimals(v), kReadDecimals);
    std::snprintf(out.fixed.data(), out.fixed.size(), "%.*f", decimals, std::fabs(v));
    // The significant digits are the fixed form's from its first non-zero digit, the point
    // left out; zero has none and the exponent 0, as the C library writes it.
    const std::string_view fixed(out.fixed.data());
    const std::size_t point = fixed.find('.');
    const std::size_t first = fixed.find_first_not_of("0.");
    char* digits = out.scientific.data();
    std::size_t count = 0;
    out.exponent = 0;
    if (first != std::string_view::npos) {
        out.exponent =
            first < point ? static_cast<int>(point - first) - 1 : -static_cast<int>(first - point);
        for (std::size_t i = first; i < fixed.size(); ++i) {
            if (fixed[i] != '.') {
                digits[count++] = fixed[i];
            }
        }
    }
    while (count < kReadDecimals + 2) {
        digits[count++] = '0';
    }
    out.digits = std::string_view(digits, count);
}

std::string ExpectedFixed(const Exact& exact, int decimals) {
    const std::string_view text(exact.fixed.data());
    const std::size_t point = text.find('.');
    const auto kept = static_cast<std::size_t>(decimals);
    std::string digits(text.substr(0, point));
    digits += text.substr(point + 1, kept);
    if (text[point + 1 + kept] >= '5') {
        Increment(digits);
    }
    std::string out = exact.negative ? "-" : "";
    out += digits.substr(0, digits.size() - kept);
    if (kept > 0) {
        out += '.';
        out += digits.substr(digits.size() - kept);
    }
    return out;
}

struct Scientific {
    bool negative = false;
    std::string digits;  // 1 + decimals significant digits
    int exponent = 0;
};

Scientific ExpectedScientific(const Exact& exact, int decimals) {
    Scientific out{exact.negative, {}, exact.exponent};
    const auto kept = static_cast<std::size_t>(decimals) + 1;
    out.digits = std::string(exact.digits.substr(0, kept));
    if (exact.digits[kept] >= '5' && Increment(out.digits)) {
        out.digits.pop_back();  // 9.99 became 10.00: one digit less, one exponent more
        ++out.exponent;
    }
    return out;
}

std::string ExponentText(int exponent, bool upper) {
    char text[16];
    std::snprintf(text, sizeof text, "%c%c%03d", upper ? 'E' : 'e', exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    return text;
}

std::string ExpectedExponent(const Exact& exact, int decimals, bool upper) {
    const Scientific s = ExpectedScientific(exact, decimals);
    std::string out = s.negative ? "-" : "";
    out += s.digits[0];
    if (decimals > 0) {
        out += '.';
        out += s.digits.substr(1);
    }
    return out + ExponentText(s.exponent, upper);
}

void StripZeros(std::string& text) {
    if (text.find('.') == std::string::npos) {
        return;
    }
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
}

// The %G rule: the exponent X of the rounded scientific form picks fixed notation with
// P - 1 - X decimals when -4 <= X < P, else scientific; trailing zeros go.
std::string ExpectedGeneral(double v, const Exact& exact, int precision) {
    const int p = std::max(precision, 1);
    if (v == 0) {
        return std::signbit(v) ? "-0" : "0";
    }
    const Scientific s = ExpectedScientific(exact, p - 1);
    if (s.exponent < -4 || s.exponent >= p) {
        std::string mantissa = s.negative ? "-" : "";
        mantissa += s.digits[0];
        mantissa += '.';
        mantissa += s.digits.substr(1);
        StripZeros(mantissa);
        return mantissa + ExponentText(s.exponent, true);
    }
    std::string fixed = ExpectedFixed(exact, p - 1 - s.exponent);
    StripZeros(fixed);
    return fixed;
}

// ---- The checks -------------------------------------------------------------------------

// The three formats at one number of decimals (and precision) picked by `selector`, the
// program's own precisions, and a round trip through the reader.
void CheckNumberTexts(double v, unsigned selector) {
    const int decimals = static_cast<int>(selector % 48) - 3;          // -3..44
    const int precision = static_cast<int>((selector / 48) % 48) - 3;  // -3..44
    const bool upper = (selector & 0x8000u) != 0;
    const std::string fixed = quillex::FormatFixed(v, decimals);
    const std::string exponent = quillex::FormatExponent(v, decimals, upper);
    const std::string general = quillex::FormatGeneral(v, precision);
    if (!std::isfinite(v)) {
        const char* expected = std::isnan(v) ? "nan" : v < 0 ? "-inf" : "inf";
        FUZZ_CHECK(fixed == expected && exponent == expected && general == expected,
                   Describe(v) + ": " + fixed + " / " + exponent + " / " + general);
        FUZZ_CHECK(quillex::FormatGeneral(v, 14) == expected, Describe(v));
        return;
    }
    Exact exact;
    Expand(v, exact);
    const auto context = [&] {
        return Describe(v) + " decimals " + std::to_string(decimals) + " precision " +
               std::to_string(precision);
    };
    if (decimals >= 0 && decimals <= kCheckedDecimals) {
        const std::string expectedFixed = ExpectedFixed(exact, decimals);
        FUZZ_CHECK(fixed == expectedFixed,
                   context() + ": fixed " + fixed + ", expected " + expectedFixed);
        const std::string expectedExponent = ExpectedExponent(exact, decimals, upper);
        FUZZ_CHECK(exponent == expectedExponent,
                   context() + ": exponent " + exponent + ", expected " + expectedExponent);
    }
    if (precision >= 0 && precision <= kCheckedDecimals + 1) {
        const std::string expectedGeneral = ExpectedGeneral(v, exact, precision);
        FUZZ_CHECK(general == expectedGeneral,
                   context() + ": general " + general + ", expected " + expectedGeneral);
    }
    for (const int p : {14, 15}) {
        const std::string text = quillex::FormatGeneral(v, p);
        const std::string expected = ExpectedGeneral(v, exact, p);
        FUZZ_CHECK(text == expected, Describe(v) + " %." + std::to_string(p) + "G: " + text +
                                         ", expected " + expected);
    }
    // Seventeen significant digits identify every double.
    const std::string exact17 = quillex::FormatExponent(v, 16);
    FUZZ_CHECK(SameValue(quillex::ReadLeadingNumber(exact17), v),
               Describe(v) + " read back from " + exact17);
}

void CheckReaders(std::string_view text) {
    const double value = quillex::ReadLeadingNumber(text);
    const std::int32_t integer = quillex::ReadLeadingInteger(text);
    // A NUL ends a number for both readers, so the C functions see the same text.
    const std::string terminated(text);
    // strtod also reads hexadecimal numbers and the words inf and nan, which need an x, an i
    // or an n; without those letters both rules read the same number.
    if (terminated.find_first_of("xXiInN") == std::string::npos) {
        const double expected = std::strtod(terminated.c_str(), nullptr);
        FUZZ_CHECK(SameValue(value, expected), "ReadLeadingNumber(\"" + Escaped(text) +
                                                   "\") = " + Describe(value) + ", strtod " +
                                                   Describe(expected));
    }
    const long long wide = std::strtoll(terminated.c_str(), nullptr, 10);
    const auto expected = static_cast<std::int32_t>(std::clamp<long long>(
        wide, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    FUZZ_CHECK(integer == expected, "ReadLeadingInteger(\"" + Escaped(text) +
                                        "\") = " + std::to_string(integer) + ", expected " +
                                        std::to_string(expected));
}

void CheckCodePage(std::string_view bytes) {
    // Every byte has a code point, and every code point of the code page its byte back.
    const std::string utf8 = quillex::Cp1252ToUtf8(bytes);
    FUZZ_CHECK(quillex::Utf8ToCp1252(utf8) == bytes,
               "code page round trip of \"" + Escaped(bytes) + "\" via \"" + Escaped(utf8) + "\"");
    // The bytes read as UTF-8: never more characters than bytes, and a stable result.
    const std::string narrowed = quillex::Utf8ToCp1252(bytes, '?');
    FUZZ_CHECK(narrowed.size() <= bytes.size(), Escaped(bytes));
    FUZZ_CHECK(quillex::Utf8ToCp1252(quillex::Cp1252ToUtf8(narrowed), '?') == narrowed,
               Escaped(bytes));
}

void CheckEvaluation(quillex::ExprEngine& engine, std::string_view text) {
    quillex::ExprEngine before = engine;
    const quillex::Evaluation evaluation = engine.EvaluateText(text);
    FUZZ_CHECK(evaluation.error.empty() || IsEngineMessage(evaluation.error),
               "unknown message \"" + Escaped(evaluation.error) + "\"");
    // The reader keeps the first kCapacity - 1 characters, so a longer text is that text.
    constexpr std::size_t kKept = quillex::ExprReader::kCapacity - 1;
    if (text.size() > kKept) {
        const quillex::Evaluation cut = before.EvaluateText(text.substr(0, kKept));
        FUZZ_CHECK(SameValue(cut.value, evaluation.value) && cut.error == evaluation.error,
                   "a long text and its first " + std::to_string(kKept) + " characters differ: " +
                       Describe(evaluation.value) + " / " + Describe(cut.value));
    }
}

// Returns the value, for the number-text checks.
double CheckCalculation(quillex::ExprEngine& engine, std::string_view input,
                        const quillex::CalcSettings& settings) {
    quillex::ExprEngine before = engine;
    const quillex::Calculation calculation = quillex::Calculate(engine, input, settings);
    const std::string context =
        "input \"" + Escaped(input) + "\" gave \"" + Escaped(calculation.resultText) + "\"";
    FUZZ_CHECK(calculation.inputCut == (input.size() > quillex::kMaxInputLength), context);
    if (calculation.inputCut) {
        const quillex::Calculation cut =
            quillex::Calculate(before, input.substr(0, quillex::kMaxInputLength), settings);
        FUZZ_CHECK(!cut.inputCut && cut.outcome == calculation.outcome &&
                       cut.resultText == calculation.resultText &&
                       SameValue(cut.value, calculation.value),
                   context + ", its cut text \"" + Escaped(cut.resultText) + "\"");
    }
    const quillex::DisplayOptions& display = settings.display;
    switch (calculation.outcome) {
        case quillex::CalcOutcome::NoInput:
            FUZZ_CHECK(input.empty() &&
                           calculation.resultText == quillex::Text(quillex::TextId::NoInput) &&
                           calculation.value == 0,
                       context);
            break;
        case quillex::CalcOutcome::Failed:
            FUZZ_CHECK(!input.empty() && IsEngineMessage(calculation.resultText), context);
            break;
        case quillex::CalcOutcome::Succeeded: {
            FUZZ_CHECK(!input.empty() && !calculation.resultText.empty(), context);
            // The separators must come off again for the tape, except a decimal comma alone,
            // which the tape keeps.
            if (display.thousands != quillex::kThousandsNone || !display.decimalComma) {
                const std::string plain =
                    quillex::FormatResult(calculation.value, display.style, display.decimals);
                const std::string tape =
                    quillex::NormaliseForTape(calculation.resultText, display.thousands);
                FUZZ_CHECK(tape == quillex::NormaliseForTape(plain, quillex::kThousandsNone),
                           context + ", tape \"" + tape + "\", plain \"" + plain + "\"");
            }
            break;
        }
    }
    // The result field's text goes out as UTF-8.
    (void)quillex::Cp1252ToUtf8(calculation.resultText);
    return calculation.value;
}

// Picks from lo..hi, giving `usual` when the provider has run dry.
int Pick(FuzzedDataProvider& provider, int usual, int lo, int hi) {
    const int count = hi - lo + 1;
    return lo + (usual - lo + provider.ConsumeIntegralInRange(0, count - 1)) % count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static quillex::ExprEngine engine;

    // An empty input comes as a default view, the way a caller writes an empty text.
    const std::string_view input =
        size == 0 ? std::string_view{}
                  : std::string_view(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string_view expression = input.substr(0, nul);
    const std::size_t settingsStart = nul == std::string_view::npos ? size : nul + 1;
    FuzzedDataProvider provider(data + settingsStart, size - settingsStart);

    // Width indexes 4 and 5, style -1 and 4 and decimals outside 0..15 are invalid on purpose.
    const int widthIndex = Pick(provider, 3, 0, 5);
    quillex::DisplayOptions display;
    display.style = Pick(provider, quillex::kStyleStandard, -1, 4);
    display.decimals = Pick(provider, 0, -2, 17);
    display.thousands = Pick(provider, quillex::kThousandsNone, 0, 3);
    display.decimalComma = provider.ConsumeBool();
    const std::string xText = provider.ConsumeRandomLengthString(40);
    const std::string yText = provider.ConsumeRandomLengthString(40);
    const quillex::CalcSettings settings{xText, yText, widthIndex, display};

    CheckEvaluation(engine, input);

    std::vector<double> values;
    values.push_back(CheckCalculation(engine, expression, settings));
    if (expression.find('\n') != std::string_view::npos) {
        std::size_t start = 0;
        while (start <= expression.size()) {
            std::size_t end = expression.find('\n', start);
            if (end == std::string_view::npos) {
                end = expression.size();
            }
            std::string_view line = expression.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            values.push_back(CheckCalculation(engine, line, settings));
            start = end + 1;
        }
    }

    (void)quillex::NormaliseForTape(expression, display.thousands);
    CheckReaders(expression);
    CheckReaders(xText);
    CheckCodePage(input);

    values.push_back(quillex::ReadLeadingNumber(expression));
    values.push_back(quillex::ReadVariable(xText));
    // The first eight bytes as a double reach NaNs, infinities and denormals directly.
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, std::min<std::size_t>(size, sizeof bits));
    values.push_back(std::bit_cast<double>(bits));
    // The rest of the settings part: a double and a selector per ten bytes.
    while (provider.remaining_bytes() >= 10) {
        const auto chunk = provider.ConsumeBytes<std::uint8_t>(10);
        std::memcpy(&bits, chunk.data(), sizeof bits);
        CheckNumberTexts(std::bit_cast<double>(bits), chunk[8] | (chunk[9] << 8u));
    }
    unsigned selector = static_cast<unsigned>(size);
    for (const double v : values) {
        CheckNumberTexts(v, selector);
        selector = selector * 31u + 7u;
    }
    return 0;
}
