#include "bases/LogicOperations.h"

#include <algorithm>

#include "bases/BaseCodec.h"
#include "engine/BitWidth.h"
#include "text/NumberText.h"
#include "text/Texts.h"

namespace quillex {
namespace {

namespace codec = BaseCodec;

const BitWidth kWord = *BitWidthFromIndex(3);

// The output text read in the base it was written in: a Dec text by its leading integer.
OperandReading ReadOutput(std::string_view text, LogicBase base) {
    if (base == LogicBase::Dec) {
        return {ReadLeadingIntegerModulo32(text), {}};
    }
    return ReadOperand(text, base);
}

}  // namespace

int Radix(LogicBase base) {
    switch (base) {
        case LogicBase::Dec:
            return 10;
        case LogicBase::Bin:
            return 2;
        case LogicBase::Oct:
            return 8;
        case LogicBase::Hex:
            return 16;
    }
    return 10;
}

OperandReading ReadOperand(std::string_view text, LogicBase base) {
    if (text.empty() || text == "0") {
        return {0, {}};
    }
    const codec::DigitCheck check = codec::ValidateDigits(Radix(base), text);
    if (!check.accepted) {
        return {std::nullopt, check.report};
    }
    // Only the low 32 bits count, so they are gathered exactly rather than through a double,
    // which would lose them once the number passes 2^53.
    std::uint32_t bits = 0;
    for (const char c : text) {
        if (c != ' ') {
            const int digit = c <= '9' ? c - '0' : c - 'A' + 10;
            bits =
                bits * static_cast<std::uint32_t>(Radix(base)) + static_cast<std::uint32_t>(digit);
        }
    }
    return {static_cast<std::int32_t>(bits), {}};
}

std::int32_t Combine(LogicOp op, std::int32_t a, std::int32_t b) {
    switch (op) {
        case LogicOp::And:
            return a & b;
        case LogicOp::Or:
            return a | b;
        case LogicOp::Xor:
            return a ^ b;
        case LogicOp::Mod:
            // Any a mod -1 is 0; leaving it to % would overflow for the smallest a.
            if (a == 0 || b == 0 || b == -1) {
                return 0;
            }
            return a % b;
    }
    return 0;
}

std::string ResultText(std::int32_t result, LogicBase base) {
    const double pattern = static_cast<double>(static_cast<std::uint32_t>(result));
    switch (base) {
        case LogicBase::Dec:
            return FormatFixed(result, 0);
        case LogicBase::Bin: {
            const codec::FittedDigits bin =
                codec::GroupBinary(codec::FormatInBase(pattern, 2), kWord);
            return bin.overflow ? std::string(Text(TextId::Overflow)) : bin.text;
        }
        case LogicBase::Oct:
            return codec::FormatInBase(pattern, 8);
        case LogicBase::Hex: {
            const codec::FittedDigits hex = codec::PadHex(codec::FormatInBase(pattern, 16), kWord);
            return hex.overflow ? std::string(Text(TextId::Overflow)) : hex.text;
        }
    }
    return {};
}

std::string ZeroText(LogicBase base) {
    switch (base) {
        case LogicBase::Bin:
            return codec::GroupBinary("", kWord).text;
        case LogicBase::Hex:
            return codec::PadHex("", kWord).text;
        case LogicBase::Dec:
        case LogicBase::Oct:
            break;
    }
    return "0";
}

LogicOperations::LogicOperations() {
    SelectBase(LogicField::A, LogicBase::Dec);
}

std::size_t LogicOperations::MaxLength(LogicField field) const {
    return Base(field) == LogicBase::Bin ? kMaxLogicBinaryLength : kMaxLogicTextLength;
}

void LogicOperations::Edit(LogicField field, std::string_view text) {
    texts_[Index(field)] = std::string(text.substr(0, std::min(text.size(), MaxLength(field))));
}

void LogicOperations::SelectBase(LogicField field, LogicBase base) {
    switch (field) {
        case LogicField::A:
            Clear(LogicField::A, base);
            Clear(LogicField::B, base);
            bases_[Index(LogicField::Output)] = base;
            ShowResult(0);
            break;
        case LogicField::B:
            Clear(LogicField::B, base);
            break;
        case LogicField::Output: {
            const OperandReading reading = ReadOutput(Text(LogicField::Output), outputTextBase_);
            bases_[Index(LogicField::Output)] = base;
            if (reading.value) {
                ShowResult(*reading.value);
            } else {
                texts_[Index(LogicField::Output)] = reading.report;
            }
            break;
        }
    }
}

void LogicOperations::Press(LogicOp op) {
    const OperandReading a = ReadOperand(Text(LogicField::A), Base(LogicField::A));
    const OperandReading b = ReadOperand(Text(LogicField::B), Base(LogicField::B));
    for (const OperandReading* operand : {&a, &b}) {
        if (!operand->value) {
            texts_[Index(LogicField::Output)] = operand->report;
            return;
        }
    }
    ShowResult(Combine(op, *a.value, *b.value));
    lastOperation_ = op;
}

void LogicOperations::ShowResult(std::int32_t result) {
    texts_[Index(LogicField::Output)] = ResultText(result, Base(LogicField::Output));
    outputTextBase_ = Base(LogicField::Output);
}

void LogicOperations::Clear(LogicField field, LogicBase base) {
    bases_[Index(field)] = base;
    texts_[Index(field)] = ZeroText(base);
}

}  // namespace quillex
