// The logic page without its widgets: operands A and B, each in its own number base, combined
// by and, or, xor or mod on 32-bit integers, and the result shown in a third base. The window
// keeps one of these per page, passes edits, base selections and button presses to it, and
// shows `Text` and `Base` of the three fields afterwards. Texts are 8-bit (code page 1252).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillex {

// The entries of each base list, in list order.
enum class LogicBase { Dec, Bin, Oct, Hex };
enum class LogicField { A, B, Output };
enum class LogicOp { And, Or, Xor, Mod };

// The most characters a field takes in its base: a binary text with its group spaces, or any
// other text.
inline constexpr std::size_t kMaxLogicBinaryLength = 43;
inline constexpr std::size_t kMaxLogicTextLength = 255;

int Radix(LogicBase base);

// An operand's text read in its base: empty or "0" is 0; otherwise the digits of the base
// (spaces ignored), made a 32-bit two's-complement integer from the value's low 32 bits. A
// character outside the base gives no value but the digit check's report.
struct OperandReading {
    std::optional<std::int32_t> value;
    std::string report;
};
OperandReading ReadOperand(std::string_view text, LogicBase base);

// mod is 0 when either operand is 0 and for a divisor of -1; otherwise the remainder of the
// truncating division, with the sign of a.
std::int32_t Combine(LogicOp op, std::int32_t a, std::int32_t b);

// Dec as a signed number; Bin, Oct and Hex as the 32-bit pattern, Bin in eight groups of four
// digits, Hex as eight digits, Oct unpadded.
std::string ResultText(std::int32_t result, LogicBase base);

// The text a field holds after its base changed: zero in that base.
std::string ZeroText(LogicBase base);

class LogicOperations {
public:
    // As the page opens: Dec in every list and zero in every field.
    LogicOperations();

    const std::string& Text(LogicField field) const { return texts_[Index(field)]; }
    LogicBase Base(LogicField field) const { return bases_[Index(field)]; }
    // The base the output text was last written in.
    LogicBase OutputTextBase() const { return outputTextBase_; }
    // The operation whose button shows red; none before the first operation.
    std::optional<LogicOp> LastOperation() const { return lastOperation_; }

    std::size_t MaxLength(LogicField field) const;

    // The field's text is now `text`, cut to the field's limit.
    void Edit(LogicField field, std::string_view text);
    // A selection in a field's base list. A's base goes to all three fields and clears them,
    // B's clears B, the output's converts the output text.
    void SelectBase(LogicField field, LogicBase base);
    // Computes and shows the result; an operand with a character outside its base leaves the
    // digit check's report in the output instead, and nothing is computed.
    void Press(LogicOp op);

private:
    static std::size_t Index(LogicField field) { return static_cast<std::size_t>(field); }
    void ShowResult(std::int32_t result);
    void Clear(LogicField field, LogicBase base);

    std::array<std::string, 3> texts_;
    std::array<LogicBase, 3> bases_{LogicBase::Dec, LogicBase::Dec, LogicBase::Dec};
    LogicBase outputTextBase_ = LogicBase::Dec;
    std::optional<LogicOp> lastOperation_;
};

}  // namespace quillex
