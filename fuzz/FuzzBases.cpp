// A libFuzzer target over the number bases, fed with arbitrary bytes:
//   - every base codec on a text and a number taken from the input, in every width;
//   - the programmer page and the logic page without their widgets, driven by the rest of the
//     input as a user drives them: typing into every field (within its typing limit, or past
//     it where the page lets a text through), choosing widths and bases, Inv, the shifts and
//     rotations, the calculator's results and the four operations;
//   - the result-field commands sign, GetBit and Parity on the text.
//
// Besides the sanitizers' checks it checks what must hold for every input: the codecs against
// references built from strtoull and integer arithmetic and against each other (digit texts
// read back to their value, the character and Roman round trips, the bit moves as shifts of an
// integer); after every step of the programmer page, each field it wrote against its Dec value;
// after every step of the logic page, texts within their limits and the output read back to
// the operation's result on the operands' 32-bit values.
#include <fuzzer/FuzzedDataProvider.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "bases/BaseCodec.h"
#include "bases/LogicOperations.h"
#include "bases/ProgrammerFields.h"
#include "engine/BitWidth.h"
#include "text/NumberText.h"
#include "text/Texts.h"

namespace {

namespace codec = quillex::BaseCodec;
using quillex::BitWidth;
using quillex::fuzz::Escaped;
using quillex::fuzz::kExactLimit;

constexpr std::string_view kAlphabet = "0123456789ABCDEF";
constexpr int kBases[] = {2, 8, 10, 16};

std::string Context(std::string_view text, double value, const BitWidth& width) {
    char number[64];
    std::snprintf(number, sizeof number, "%a (%.17g)", value, value);
    return "text \"" + Escaped(text) + "\", value " + number + ", width " +
           std::to_string(width.bits);
}

// Any base but 2, 8, 10 and 16 has no digits at all.
bool IsDigitOf(char c, int base) {
    const std::size_t index = kAlphabet.find(c);
    const bool known = base == 2 || base == 8 || base == 10 || base == 16;
    return known && index != kAlphabet.npos && static_cast<int>(index) < base;
}

std::string WithoutSpaces(std::string_view text) {
    std::string out(text);
    std::erase(out, ' ');
    return out;
}

// The digits as strtoull reads them; nothing when they do not fit 64 bits.
std::optional<std::uint64_t> Reference(const std::string& digits, int base) {
    if (digits.empty()) {
        return 0;
    }
    errno = 0;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(digits.c_str(), &end, base);
    if (errno == ERANGE || *end != '\0') {
        return std::nullopt;
    }
    return value;
}

void CheckDigitTexts(std::string_view text, double value, const BitWidth& width) {
    const auto context = [&] { return Context(text, value, width); };
    for (const int base : {2, 8, 10, 16, 3}) {
        const codec::DigitCheck check = codec::ValidateDigits(base, text);
        std::size_t bad = 0;
        while (bad < text.size() && (text[bad] == ' ' || IsDigitOf(text[bad], base))) {
            ++bad;
        }
        FUZZ_CHECK(check.accepted == (bad == text.size()), context());
        const double parsed = codec::ParseInBase(base, text);
        if (!check.accepted) {
            FUZZ_CHECK(check.character == text[bad] &&
                           check.position == static_cast<int>(bad) + 1 &&
                           check.report ==
                               quillex::TextWith(quillex::TextId::DigitNotAllowed,
                                                 {text.substr(bad, 1), std::to_string(bad + 1)}),
                       "report \"" + Escaped(check.report) + "\" for " + context());
            FUZZ_CHECK(parsed == codec::kFailureValue, context());
            continue;
        }
        FUZZ_CHECK(check.report.empty() && parsed >= 0, context());
        const std::string digits = WithoutSpaces(text);
        if (const auto expected = Reference(digits, base);
            expected && static_cast<double>(*expected) < kExactLimit) {
            FUZZ_CHECK(parsed == static_cast<double>(*expected),
                       "ParseInBase " + std::to_string(base) + ": " + context());
            const std::size_t first = digits.find_first_not_of('0');
            const std::string canonical = first == digits.npos ? "0" : digits.substr(first);
            FUZZ_CHECK(codec::FormatInBase(parsed, base) == canonical,
                       "FormatInBase " + std::to_string(base) + ": " + context());
        }
    }

    // Digits of the number: the integer part, read back exactly. Division by 2, 8 and 16 is
    // exact for every double; by 10 only below 2^53.
    for (const int base : kBases) {
        const std::string digits = codec::FormatInBase(value, base);
        FUZZ_CHECK(!digits.empty() && (digits.size() == 1 || digits.front() != '0'), context());
        if (!std::isfinite(value) || value < 0) {
            FUZZ_CHECK(digits == "0", context());
            continue;
        }
        FUZZ_CHECK(codec::ValidateDigits(base, digits).accepted, context());
        if (base != 10 || value < kExactLimit) {
            FUZZ_CHECK(
                codec::ParseInBase(base, digits) == std::floor(value),
                "FormatInBase " + std::to_string(base) + " gave " + digits + ": " + context());
        }
    }

    // Grouping and padding: the same digits, fitted to the width, overflowing exactly from 2^w.
    const bool fits = !std::isfinite(value) || value < 0 || std::floor(value) < width.bound;
    const std::string binary = codec::FormatInBase(value, 2);
    const codec::FittedDigits grouped = codec::GroupBinary(binary, width);
    FUZZ_CHECK(grouped.overflow == !fits, "GroupBinary overflow: " + context());
    if (grouped.overflow) {
        FUZZ_CHECK(grouped.text == binary, context());
    } else {
        const auto bits = static_cast<std::size_t>(width.bits);
        FUZZ_CHECK(grouped.text.size() == bits + bits / 4 - 1, context());
        for (std::size_t i = 0; i < grouped.text.size(); ++i) {
            FUZZ_CHECK((grouped.text[i] == ' ') == (i % 5 == 4), context());
        }
        FUZZ_CHECK(codec::ParseInBase(2, grouped.text) == codec::ParseInBase(2, binary), context());
    }
    const std::string hex = codec::FormatInBase(value, 16);
    const codec::FittedDigits padded = codec::PadHex(hex, width);
    FUZZ_CHECK(padded.overflow == !fits, "PadHex overflow: " + context());
    if (padded.overflow) {
        FUZZ_CHECK(padded.text == hex, context());
    } else {
        FUZZ_CHECK(padded.text.size() == static_cast<std::size_t>(width.hexDigits), context());
        FUZZ_CHECK(codec::ParseInBase(16, padded.text) == codec::ParseInBase(16, hex), context());
    }

    const std::string decimal = codec::CheckDecimal(text, width);
    FUZZ_CHECK(decimal == (quillex::ReadLeadingNumber(text) >= width.bound
                               ? std::string(quillex::Text(quillex::TextId::Overflow))
                               : std::string(text)),
               "CheckDecimal: " + context());
}

void CheckCharactersAndNumerals(std::string_view text, double value) {
    const auto context = [&] { return Context(text, value, *quillex::BitWidthFromIndex(3)); };
    // Two digits per character; the last four characters come back, a control character below
    // 31 (and a missing one) as '_'.
    const std::string hex = codec::HexFromAscii(text);
    FUZZ_CHECK(hex.size() == 2 * text.size() && codec::ValidateDigits(16, hex).accepted, context());
    if (!text.empty() && text.size() <= quillex::kMaxAsciiCharacters) {
        double expected = 0;
        for (const char c : text) {
            expected = expected * 256 + static_cast<unsigned char>(c);
        }
        FUZZ_CHECK(codec::ParseInBase(16, hex) == expected, "HexFromAscii: " + context());
    }
    std::string expected(4, '_');
    for (std::size_t i = 0; i < 4 && i < text.size(); ++i) {
        const char c = text[text.size() - 1 - i];
        if (static_cast<unsigned char>(c) >= 31) {
            expected[3 - i] = c;
        }
    }
    FUZZ_CHECK(codec::AsciiFromHex(hex) == expected, "AsciiFromHex round trip: " + context());
    const std::string characters = codec::AsciiFromHex(text);
    FUZZ_CHECK(characters.size() == (text.size() == 1 ? 0u : 4u), "AsciiFromHex: " + context());

    // Numerals: the number back, in at most 15 letters, no letter four times in a row.
    const int number = std::isfinite(value) && std::fabs(value) < 1e6 ? static_cast<int>(value) : 0;
    const std::string numeral = codec::RomanFromInt(number);
    if (number < 1 || number > 3999) {
        FUZZ_CHECK(numeral.empty(), context());
    } else {
        FUZZ_CHECK(codec::IntFromRoman(numeral) == number && numeral.size() <= 15 &&
                       numeral.find_first_not_of("IVXLCDM") == numeral.npos,
                   "RomanFromInt " + std::to_string(number) + " = " + numeral);
        for (const char c : numeral) {
            FUZZ_CHECK(numeral.find(std::string(4, c)) == numeral.npos, numeral);
        }
    }
    // Reading ignores everything but the letters, and their case.
    std::string letters;
    std::string lower;
    for (const char c : text) {
        if (std::string_view("IVXLCDMivxlcdm").find(c) != std::string_view::npos) {
            letters += c;
        }
        lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    const std::int64_t read = codec::IntFromRoman(text);
    FUZZ_CHECK(read == codec::IntFromRoman(letters) && read == codec::IntFromRoman(lower) &&
                   std::abs(read) <= 1000 * static_cast<std::int64_t>(letters.size()),
               "IntFromRoman: " + context());
}

void CheckWordOperations(std::string_view text, double value, const BitWidth& width) {
    const auto context = [&] { return Context(text, value, width); };
    // The two's-complement reading and the low bits of whole numbers.
    const std::string reading = codec::SignedReading(value, width);
    const double low = codec::LowBits(value, width);
    if (!std::isfinite(value)) {
        FUZZ_CHECK(reading == "0" && low == 0, context());
    } else {
        FUZZ_CHECK(low >= 0 && low < width.bound && low == std::trunc(low), context());
        if (std::fabs(value) < kExactLimit) {
            FUZZ_CHECK(std::fmod(std::trunc(value) - low, width.bound) == 0, context());
        }
        if (quillex::fuzz::IsWhole(value)) {
            const double expected = low < width.signBit ? value : low - width.bound;
            FUZZ_CHECK(quillex::ReadLeadingNumber(reading) == expected,
                       "SignedReading " + reading + ": " + context());
        }
    }

    // The bit moves on a pattern made of the text's bytes, against shifts of an integer.
    std::string pattern;
    for (const char c : text) {
        pattern += (c & 1) != 0 ? '1' : '0';
    }
    const auto bits = static_cast<std::size_t>(width.bits);
    const std::uint64_t mask = (std::uint64_t{1} << bits) - 1;
    const std::string fitted =
        pattern.size() > bits ? pattern.substr(pattern.size() - bits) : pattern;
    const std::uint64_t p = fitted.empty() ? 0 : std::strtoull(fitted.c_str(), nullptr, 2);
    const std::uint64_t expected[] = {
        (p << 1) & mask,
        p >> 1,
        ((p << 1) | (p >> (bits - 1))) & mask,
        (p >> 1) | ((p & 1) << (bits - 1)),
    };
    const std::string moved[] = {
        codec::ShiftLeft(pattern, width),
        codec::ShiftRight(pattern, width),
        codec::RotateLeft(pattern, width),
        codec::RotateRight(pattern, width),
    };
    for (std::size_t i = 0; i < 4; ++i) {
        FUZZ_CHECK(moved[i].size() == bits && moved[i].find_first_not_of("01") == moved[i].npos &&
                       std::strtoull(moved[i].c_str(), nullptr, 2) == expected[i],
                   "bit move " + std::to_string(i) + " of " + pattern + " gave " + moved[i] +
                       ", width " + std::to_string(width.bits));
    }

    // A result handed to the page: rounded half away from zero, then checked against the width.
    const std::string handed = quillex::HandOverText(value, width);
    const double rounded = std::round(value);
    if (std::isnan(value) || value <= 0) {
        FUZZ_CHECK(handed == "0", "HandOverText: " + context());
    } else if (rounded >= width.bound) {
        FUZZ_CHECK(handed == quillex::Text(quillex::TextId::Overflow),
                   "HandOverText: " + context());
    } else {
        FUZZ_CHECK(handed.find_first_not_of("0123456789") == handed.npos &&
                       quillex::ReadLeadingNumber(handed) == rounded,
                   "HandOverText " + handed + ": " + context());
    }
}

// sign, GetBit and Parity on a result text: its leading integer modulo 2^32.
void CheckResultCommands(std::string_view text, const BitWidth& width) {
    const auto context = [&] { return "result \"" + Escaped(text) + "\""; };
    const std::int32_t number = quillex::ReadLeadingIntegerModulo32(text);
    // Below 2^63 strtoll reads the same number, before it is cut to 32 bits.
    const std::string terminated(text);
    errno = 0;
    const long long wide = std::strtoll(terminated.c_str(), nullptr, 10);
    if (errno != ERANGE) {
        FUZZ_CHECK(number == static_cast<std::int32_t>(static_cast<std::uint32_t>(wide)),
                   "ReadLeadingIntegerModulo32: " + context());
    }
    const auto sign = quillex::SignText(text, width);
    const auto bit = quillex::GetBitText(text);
    const auto parity = quillex::ParityText(text);
    if (number == 0) {
        FUZZ_CHECK(!sign && !bit && !parity, context());
        return;
    }
    const auto word = static_cast<std::uint32_t>(number);
    const bool negative = (word >> (width.bits - 1) & 1u) != 0;
    FUZZ_CHECK(sign && *sign == (negative ? "Negative" : "Positive"), context());
    const std::uint64_t magnitude =
        number < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(std::int64_t{number})
                   : static_cast<std::uint64_t>(number);
    FUZZ_CHECK(bit && *bit == std::to_string(std::bit_width(magnitude)) + " Bit Number", context());
    FUZZ_CHECK(parity && *parity == ((word & 1u) != 0 ? "ODD" : "EVEN"), context());
}

// ---- The programmer page ----------------------------------------------------------------

double PickValue(FuzzedDataProvider& provider) {
    switch (provider.ConsumeIntegralInRange(0, 3)) {
        case 0:
            return std::bit_cast<double>(provider.ConsumeIntegral<std::uint64_t>());
        case 1:
            return static_cast<double>(provider.ConsumeIntegral<std::int64_t>());
        case 2:
            return provider.ConsumeIntegralInRange<std::int64_t>(-70000, 4294967400) / 2.0;
        default:
            return static_cast<double>(provider.ConsumeIntegralInRange(-20, 300));
    }
}

// A text of up to `longest` characters typed into a field: mostly made of the characters the
// field takes, so that entries get past the digit check, sometimes raw bytes.
std::string TypedText(FuzzedDataProvider& provider, std::string_view characters,
                      std::size_t longest) {
    std::string text =
        provider.ConsumeBytesAsString(provider.ConsumeIntegralInRange<std::size_t>(0, longest));
    if (provider.ConsumeBool() && !characters.empty()) {
        for (char& c : text) {
            c = characters[static_cast<unsigned char>(c) % characters.size()];
        }
    }
    return text;
}

std::string_view CharactersOf(quillex::ProgField field) {
    switch (field) {
        case quillex::ProgField::Bin:
            return "01 ";
        case quillex::ProgField::Oct:
            return "01234567";
        case quillex::ProgField::Dec:
            return "0123456789-.e";
        case quillex::ProgField::Hex:
            return "0123456789ABCDEFabcdef";
        case quillex::ProgField::Roman:
            return "IVXLCDMivxlcdm";
        case quillex::ProgField::AscII:
        case quillex::ProgField::Twos:
            break;
    }
    return {};
}

class ProgrammerPage {
public:
    explicit ProgrammerPage(const BitWidth& width) : fields_(width) { fields_.UpdateFields(); }

    void Step(FuzzedDataProvider& provider) {
        using quillex::ProgField;
        switch (provider.ConsumeIntegralInRange(0, 5)) {
            case 0:
            case 1: {
                constexpr ProgField kEditable[] = {ProgField::Bin,   ProgField::Oct,
                                                   ProgField::Dec,   ProgField::Hex,
                                                   ProgField::AscII, ProgField::Roman};
                const ProgField field = provider.PickValueInArray(kEditable);
                Type(field, provider);
                return;
            }
            case 2:
                fields_.SetWidth(
                    *quillex::BitWidthFromIndex(provider.ConsumeIntegralInRange(0, 3)));
                break;
            case 3:
                fields_.Invert();
                break;
            case 4:
                fields_.Move(static_cast<quillex::BitMove>(provider.ConsumeIntegralInRange(0, 3)));
                break;
            default:
                fields_.ReceiveResult(PickValue(provider));
                break;
        }
        kept_ = 0;
        Check();
    }

private:
    // The field's typing limit refuses an entry that makes the text longer than the limit (or
    // than the text already is); the AscII field lets a text of more than six characters
    // through so that the page can say why it does not take it.
    void Type(quillex::ProgField field, FuzzedDataProvider& provider) {
        const std::string before = fields_.Text(field);
        std::size_t longest = std::max(fields_.MaxLength(field), before.size());
        if (field == quillex::ProgField::AscII && provider.ConsumeBool()) {
            longest = 2 * quillex::kMaxAsciiCharacters;
        }
        const std::string text = TypedText(provider, CharactersOf(field), longest);
        const quillex::EditOutcome outcome = fields_.Edit(field, text, true);
        const auto bit = 1u << static_cast<unsigned>(field);
        if (outcome.asciiTooLong) {
            FUZZ_CHECK(text.size() > quillex::kMaxAsciiCharacters && outcome.asciiCaption == text,
                       Escaped(text));
            // The page puts the text back, as its window does.
            fields_.Edit(field, before, false);
            FUZZ_CHECK(fields_.Text(field) == before, Escaped(before));
        } else if (outcome.updated) {
            // The field being edited keeps what the user typed, unless the page rewrote it;
            // a typed Dec text is the value the others now follow.
            const bool rewritten = outcome.editedFieldRewritten || field == quillex::ProgField::Dec;
            kept_ = rewritten ? 0 : bit;
        } else {
            FUZZ_CHECK(fields_.Text(field) == text, Escaped(text));
            kept_ |= bit;
        }
        Check();
    }

    void Check() const {
        quillex::fuzz::PageTexts texts;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            texts[i] = fields_.Text(static_cast<quillex::ProgField>(i));
        }
        quillex::fuzz::CheckPageFollowsDec(texts, fields_.Width(), kept_);
    }

    quillex::ProgrammerFields fields_;
    unsigned kept_ = 0;
};

// ---- The logic page ---------------------------------------------------------------------

using quillex::LogicBase;
using quillex::LogicField;

constexpr std::size_t kLowDigits[] = {32, 32, 11, 8};  // Dec, Bin, Oct, Hex

std::string_view CharactersOf(LogicBase base) {
    switch (base) {
        case LogicBase::Dec:
            return "0123456789";
        case LogicBase::Bin:
            return "01 ";
        case LogicBase::Oct:
            return "01234567";
        case LogicBase::Hex:
            return "0123456789ABCDEF";
    }
    return {};
}

// An operand's 32-bit value: strtoull where the digits fit 64 bits; otherwise its last digits,
// which decide the low 32 bits alone (2^32 divides 2^32, 8^11, 16^8 and 10^32).
void CheckOperandReading(std::string_view text, LogicBase base) {
    const quillex::OperandReading reading = quillex::ReadOperand(text, base);
    const auto context = [&] {
        return "operand \"" + Escaped(text) + "\" in base " + std::to_string(quillex::Radix(base));
    };
    const bool accepted = codec::ValidateDigits(quillex::Radix(base), text).accepted;
    FUZZ_CHECK(reading.value.has_value() == (accepted || text.empty() || text == "0"), context());
    if (!reading.value || text.empty() || text == "0") {
        return;
    }
    const std::string digits = WithoutSpaces(text);
    if (const auto expected = Reference(digits, quillex::Radix(base))) {
        FUZZ_CHECK(
            *reading.value == static_cast<std::int32_t>(static_cast<std::uint32_t>(*expected)),
            context());
    }
    const std::size_t kept = kLowDigits[static_cast<std::size_t>(base)];
    if (digits.size() > kept) {
        const quillex::OperandReading low =
            quillex::ReadOperand(digits.substr(digits.size() - kept), base);
        FUZZ_CHECK(low.value == reading.value, context());
    }
}

// The output text read back in the base it was written in.
std::optional<std::int32_t> ReadBack(std::string_view text, LogicBase base) {
    if (base == LogicBase::Dec) {
        return quillex::ReadLeadingIntegerModulo32(text);
    }
    return quillex::ReadOperand(text, base).value;
}

// `context` gives the detail of a failed check.
template <typename Detail>
void CheckResultShown(const quillex::LogicOperations& page, std::int32_t expected,
                      const Detail& context) {
    const std::string& output = page.Text(LogicField::Output);
    const LogicBase base = page.Base(LogicField::Output);
    FUZZ_CHECK(page.OutputTextBase() == base, context());
    FUZZ_CHECK(ReadBack(output, base) == expected,
               "output \"" + output + "\" for " + std::to_string(expected) + ": " + context());
    if (base == LogicBase::Bin) {
        FUZZ_CHECK(output.size() == 39, context());
    } else if (base == LogicBase::Hex) {
        FUZZ_CHECK(output.size() == 8, context());
    } else if (base == LogicBase::Dec) {
        FUZZ_CHECK(output == std::to_string(expected), context());
    }
}

std::int32_t Expected(quillex::LogicOp op, std::int32_t a, std::int32_t b) {
    const auto ua = static_cast<std::uint32_t>(a);
    const auto ub = static_cast<std::uint32_t>(b);
    switch (op) {
        case quillex::LogicOp::And:
            return static_cast<std::int32_t>(ua & ub);
        case quillex::LogicOp::Or:
            return static_cast<std::int32_t>(ua | ub);
        case quillex::LogicOp::Xor:
            return static_cast<std::int32_t>(ua ^ ub);
        case quillex::LogicOp::Mod:
            break;
    }
    if (a == 0 || b == 0) {
        return 0;
    }
    return static_cast<std::int32_t>(std::int64_t{a} % std::int64_t{b});
}

void LogicStep(quillex::LogicOperations& page, FuzzedDataProvider& provider) {
    constexpr LogicField kFields[] = {LogicField::A, LogicField::B, LogicField::Output};
    constexpr LogicBase kLogicBases[] = {LogicBase::Dec, LogicBase::Bin, LogicBase::Oct,
                                         LogicBase::Hex};
    const LogicField field = provider.PickValueInArray(kFields);
    switch (provider.ConsumeIntegralInRange(0, 2)) {
        case 0: {
            const std::string text = TypedText(provider, CharactersOf(page.Base(field)), 300);
            page.Edit(field, text);
            FUZZ_CHECK(page.Text(field) == std::string_view(text).substr(0, page.MaxLength(field)),
                       Escaped(text));
            break;
        }
        case 1: {
            const LogicBase base = provider.PickValueInArray(kLogicBases);
            const LogicBase before = page.OutputTextBase();
            const std::optional<std::int32_t> shown =
                page.Text(LogicField::Output).empty() || page.Text(LogicField::Output) == "0"
                    ? std::optional<std::int32_t>(0)
                    : ReadBack(page.Text(LogicField::Output), before);
            const auto context = [&] {
                return "base " + std::to_string(quillex::Radix(base)) + " for field " +
                       std::to_string(static_cast<int>(field));
            };
            page.SelectBase(field, base);
            FUZZ_CHECK(page.Base(field) == base, context());
            if (field == LogicField::A) {
                FUZZ_CHECK(page.Base(LogicField::B) == base, context());
                FUZZ_CHECK(page.Base(LogicField::Output) == base, context());
                CheckResultShown(page, 0, context);
            }
            if (field != LogicField::Output) {
                FUZZ_CHECK(quillex::ReadOperand(page.Text(field), base).value == 0, context());
            } else if (shown) {
                // The output keeps its value in the new base.
                CheckResultShown(page, *shown, context);
            }
            break;
        }
        default: {
            const auto op = static_cast<quillex::LogicOp>(provider.ConsumeIntegralInRange(0, 3));
            const quillex::OperandReading a =
                quillex::ReadOperand(page.Text(LogicField::A), page.Base(LogicField::A));
            const quillex::OperandReading b =
                quillex::ReadOperand(page.Text(LogicField::B), page.Base(LogicField::B));
            CheckOperandReading(page.Text(LogicField::A), page.Base(LogicField::A));
            CheckOperandReading(page.Text(LogicField::B), page.Base(LogicField::B));
            page.Press(op);
            const auto context = [&] {
                return "A \"" + Escaped(page.Text(LogicField::A)) + "\", B \"" +
                       Escaped(page.Text(LogicField::B)) + "\", op " +
                       std::to_string(static_cast<int>(op));
            };
            if (a.value && b.value) {
                CheckResultShown(page, Expected(op, *a.value, *b.value), context);
                FUZZ_CHECK(page.LastOperation() == op, context());
            } else {
                FUZZ_CHECK(page.Text(LogicField::Output) == (a.value ? b.report : a.report),
                           context());
            }
            break;
        }
    }
    for (const LogicField f : kFields) {
        FUZZ_CHECK(page.Text(f).size() <= page.MaxLength(f),
                   "a text longer than its field takes: " + Escaped(page.Text(f)));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::string text = provider.ConsumeRandomLengthString(300);
    const double value = PickValue(provider);
    for (int index = 0; index < quillex::kBitWidthCount; ++index) {
        const BitWidth width = *quillex::BitWidthFromIndex(index);
        CheckDigitTexts(text, value, width);
        CheckWordOperations(text, value, width);
        CheckResultCommands(text, width);
    }
    CheckCharactersAndNumerals(text, value);

    // The rest drives both pages, one step at a time.
    ProgrammerPage programmer(*quillex::BitWidthFromIndex(provider.ConsumeIntegralInRange(0, 3)));
    quillex::LogicOperations logic;
    while (provider.remaining_bytes() > 0) {
        if (provider.ConsumeBool()) {
            programmer.Step(provider);
        } else {
            LogicStep(logic, provider);
        }
    }
    return 0;
}
