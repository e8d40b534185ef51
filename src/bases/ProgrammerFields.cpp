#include "bases/ProgrammerFields.h"

#include <algorithm>
#include <cmath>

#include "bases/BaseCodec.h"
#include "text/NumberText.h"
#include "text/Texts.h"

namespace quillex {
namespace {

namespace codec = BaseCodec;

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

std::string WithoutSpaces(std::string_view text) {
    std::string digits(text);
    std::erase(digits, ' ');
    return digits;
}

// What Dec shows for a number beyond the width.
std::string OverflowText() {
    return std::string(Text(TextId::Overflow));
}

bool IsBitPattern(std::string_view digits) {
    return digits.find_first_not_of("01") == digits.npos;
}

// Typing limits of Bin, Oct, Dec, Hex and AscII for the widths 4, 8, 16 and 32; the Bin limits
// count the group spaces.
struct TypingLimits {
    int bits;
    std::array<std::size_t, 5> limits;
};
constexpr std::array<TypingLimits, 4> kTypingLimits{{
    {4, {4, 2, 2, 1, 1}},
    {8, {9, 3, 3, 2, 1}},
    {16, {19, 6, 5, 4, 2}},
    {32, {39, 11, 10, 8, 4}},
}};

}  // namespace

ProgrammerFields::ProgrammerFields(const BitWidth& width) : width_(width) {}

std::size_t ProgrammerFields::MaxLength(ProgField field) const {
    if (field == ProgField::Twos) {
        return 0;
    }
    if (field == ProgField::Roman) {
        return kMaxRomanLength;
    }
    const auto row = std::find_if(kTypingLimits.begin(), kTypingLimits.end(),
                                  [this](const TypingLimits& r) { return r.bits == width_.bits; });
    const TypingLimits& limits = row != kTypingLimits.end() ? *row : kTypingLimits.back();
    return limits.limits[Index(field)];
}

EditOutcome ProgrammerFields::Edit(ProgField field, std::string_view text, bool hasFocus) {
    EditOutcome outcome;
    At(field) = std::string(text);
    if (field == ProgField::AscII && text.size() > kMaxAsciiCharacters) {
        outcome.asciiTooLong = true;
        outcome.asciiCaption = std::string(text);
        return outcome;
    }
    if (!hasFocus) {
        return outcome;
    }

    // The value a digit field stands for, or nothing when its text is rejected.
    auto readDigits = [&outcome](int base, std::string_view digits) -> std::optional<double> {
        const codec::DigitCheck check = codec::ValidateDigits(base, digits);
        if (!check.accepted) {
            outcome.rejection = check.report;
            return std::nullopt;
        }
        return codec::ParseInBase(base, digits);
    };

    std::optional<double> value;
    switch (field) {
        case ProgField::Bin:
            value = readDigits(2, text);
            break;
        case ProgField::Oct:
            value = readDigits(8, UpperCase(text));
            break;
        case ProgField::Hex:
            value = readDigits(16, UpperCase(text));
            break;
        case ProgField::AscII:
            if (!text.empty()) {
                value = codec::ParseInBase(16, codec::HexFromAscii(text));
                if (*value == 0.0) {
                    value.reset();
                }
            }
            break;
        case ProgField::Roman:
            if (!text.empty()) {
                // A text whose letters sum to nothing or less is no numeral.
                const std::int64_t number =
                    codec::IntFromRoman(text.substr(0, std::min(text.size(), kMaxRomanLength)));
                if (number > 0) {
                    value = static_cast<double>(number);
                }
            }
            break;
        case ProgField::Dec: {
            const double typed = DecValue();
            if (typed == codec::kFailureValue) {
                return outcome;
            }
            // A number beyond the width shows the page as an overflow from any other field
            // does, rather than converting the number and overwriting Dec halfway through.
            if (typed >= width_.bound || !std::isfinite(typed)) {
                At(ProgField::Dec) = OverflowText();
            }
            UpdateFields();
            outcome.updated = true;
            outcome.editedFieldRewritten = Text(field) != text;
            return outcome;
        }
        case ProgField::Twos:
            break;
    }
    if (value) {
        TakeValue(*value, field);
        outcome.updated = true;
        outcome.editedFieldRewritten = Text(field) != text;
    }
    return outcome;
}

void ProgrammerFields::TakeValue(double value, ProgField source) {
    At(ProgField::Dec) = codec::CheckDecimal(FormatFixed(value, 0), width_);
    UpdateFields(source);
}

void ProgrammerFields::SetWidth(const BitWidth& width) {
    width_ = width;
    UpdateFields();
}

void ProgrammerFields::Invert() {
    const double inverted = InvertInWidth(DecValue(), width_);
    At(ProgField::Dec) = std::isfinite(inverted) ? FormatFixed(inverted, 0) : OverflowText();
    UpdateFields();
}

void ProgrammerFields::Move(BitMove move) {
    std::string pattern = WithoutSpaces(Text(ProgField::Bin));
    if (!IsBitPattern(pattern)) {
        // The Bin field holds an ignored entry; move the bits of the page's value instead.
        pattern = codec::FormatInBase(codec::LowBits(DecValue(), width_), 2);
    }
    switch (move) {
        case BitMove::ShiftLeft:
            pattern = codec::ShiftLeft(pattern, width_);
            break;
        case BitMove::ShiftRight:
            pattern = codec::ShiftRight(pattern, width_);
            break;
        case BitMove::RotateRight:
            pattern = codec::RotateRight(pattern, width_);
            break;
        case BitMove::RotateLeft:
            pattern = codec::RotateLeft(pattern, width_);
            break;
    }
    At(ProgField::Dec) = FormatFixed(codec::ParseInBase(2, pattern), 0);
    UpdateFields();
}

void ProgrammerFields::ReceiveResult(double value) {
    At(ProgField::Dec) = HandOverText(value, width_);
    UpdateFields();
}

double ProgrammerFields::DecValue() const {
    const std::string& text = Text(ProgField::Dec);
    if (text.empty() || text == "0") {
        return 0.0;
    }
    return ReadLeadingNumber(UpperCase(text));
}

void ProgrammerFields::UpdateFields(std::optional<ProgField> source) {
    const double value = DecValue();
    At(ProgField::Twos) = codec::SignedReading(value, width_);
    if (value == codec::kFailureValue) {
        return;
    }
    // A negative number shows the bits that the 2's field reads.
    const double shown = value < 0.0 ? codec::LowBits(value, width_) : value;
    const std::string hexDigits = codec::FormatInBase(shown, 16);
    if (source != ProgField::Bin) {
        const codec::FittedDigits bin = codec::GroupBinary(codec::FormatInBase(shown, 2), width_);
        if (bin.overflow) {
            At(ProgField::Dec) = OverflowText();
        }
        At(ProgField::Bin) = bin.text;
    }
    if (source != ProgField::Oct) {
        At(ProgField::Oct) = codec::FormatInBase(shown, 8);
    }
    if (source != ProgField::Hex) {
        const codec::FittedDigits hex = codec::PadHex(hexDigits, width_);
        if (hex.overflow) {
            At(ProgField::Dec) = OverflowText();
        }
        At(ProgField::Hex) = hex.text;
    }
    if (source != ProgField::AscII) {
        At(ProgField::AscII) = codec::AsciiFromHex(hexDigits);
    }
    const double whole = std::trunc(value);
    if (whole >= 1.0 && whole <= 3999.0) {
        if (source != ProgField::Roman) {
            At(ProgField::Roman) = codec::RomanFromInt(static_cast<int>(whole));
        }
    } else {
        At(ProgField::Roman) = std::string(quillex::Text(TextId::RomanRange));
    }
}

std::string HandOverText(double value, const BitWidth& width) {
    if (std::isinf(value) && value > 0.0) {
        return OverflowText();
    }
    // Negative numbers, -0 and NaN all arrive as 0.
    if (!(value > 0.0)) {
        return "0";
    }
    return codec::CheckDecimal(FormatFixed(value, 0), width);
}

std::optional<std::string> SignText(std::string_view resultText, const BitWidth& width) {
    const std::int32_t number = ReadLeadingIntegerModulo32(resultText);
    if (number == 0) {
        return std::nullopt;
    }
    const auto bits = static_cast<std::uint32_t>(number);
    const bool signSet = ((bits >> (width.bits - 1)) & 1u) != 0;
    return std::string(Text(signSet ? TextId::SignNegative : TextId::SignPositive));
}

std::optional<std::string> GetBitText(std::string_view resultText) {
    const std::int32_t number = ReadLeadingIntegerModulo32(resultText);
    if (number == 0) {
        return std::nullopt;
    }
    int exponent = 0;
    std::frexp(std::fabs(static_cast<double>(number)), &exponent);
    return TextWith(TextId::BitNumber, {FormatFixed(exponent, 0)});
}

std::optional<std::string> ParityText(std::string_view resultText) {
    const std::int32_t number = ReadLeadingIntegerModulo32(resultText);
    if (number == 0) {
        return std::nullopt;
    }
    const bool odd = (static_cast<std::uint32_t>(number) & 1u) != 0;
    return std::string(Text(odd ? TextId::ParityOdd : TextId::ParityEven));
}

}  // namespace quillex
