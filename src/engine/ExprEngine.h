// The expression engine: a scanner and a recursive-descent evaluator over doubles.
//
// The engine reads a prepared text (the caller's input followed by ";_"), evaluates its
// statements one after another and hands back the value of the last one together with an error
// text. Errors never stop the evaluation: each report replaces the previous message and the
// parse goes on with substitute values, so the message the caller sees is the last one. The
// messages are texts of the text table (TextId::EngineSyntax to TextId::EngineNoAnswer).
// Texts are 8-bit (code page 1252); only A-Z, a-z count as letters and 0-9 as digits.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quillex {

using Value = double;

// Token codes: a single character stands for its own (signed 8-bit) code.
enum Token : int {
    TOK_EOF = 0,   // reading past the last character
    TOK_END = 95,  // '=' or '_', and any name missing from the keyword table
    TOK_NUMBER = 256,
    TOK_SIN = 260,
    TOK_COS = 262,
    TOK_LN = 263,
    TOK_EXP = 264,
    TOK_SQRT = 265,
    TOK_POWER = 266,
    TOK_TAN = 267,
    TOK_ASIN = 268,
    TOK_ACOS = 269,
    TOK_ATAN = 270,
    TOK_LOG = 271,
    TOK_PI = 272,
    TOK_PRO = 273,
    TOK_BAS = 274,
    TOK_RND = 275,
    TOK_FAC = 276,
    TOK_RR = 277,
    TOK_RRB = 278,
    TOK_RL = 279,
    TOK_RLB = 280,
    TOK_NOT = 281,
    TOK_DEG = 282,
    TOK_RAD = 283,
    TOK_X = 284,
    TOK_Y = 285,
    TOK_DEC = 290,
    TOK_BIN = 291,
    TOK_HEX = 292,
    TOK_OCT = 293,
    TOK_ANS = 294,
};

// The integer view of a value: truncated toward zero to 64 bits, of which the low 32 are kept
// as a signed integer; values beyond the 64-bit range (and NaN) give 0.
std::int32_t IntegerView(Value v);

// The character source of the scanner: a fixed buffer with a read position.
class ExprReader {
public:
    static constexpr std::size_t kCapacity = 255;

    // Copies the text (cut to the buffer's capacity) and rewinds.
    void SetText(std::string_view text);
    // The next character, or 0 at the end of the text (the position then stays).
    char Next();
    // Steps back one character and writes c there. Pushing back the 0 read at the end of the
    // text therefore shortens the text at that point.
    void Back(char c);

    std::size_t Position() const { return position_; }
    char At(std::size_t index) const { return buffer_[index]; }

private:
    std::array<char, kCapacity> buffer_{};
    std::size_t position_ = 0;
};

struct Evaluation {
    Value value = 0;
    std::string_view error;  // empty on success; otherwise the last message reported
};

class ExprEngine {
public:
    static constexpr std::size_t kTextCapacity = 128;  // identifier and number texts

    // Evaluates every statement of the text; the value is that of the last statement.
    Evaluation EvaluateText(std::string_view text);

    void SetX(float x) { x_ = x; }
    void SetY(float y) { y_ = y; }
    void SetWidthIndex(int index) { widthIndex_ = index; }
    // The value `ans` stands for: the last result; without one, `ans` is an error.
    void SetAnswer(std::optional<Value> answer) { answer_ = answer; }

    // Scanner interface, public so that tests can follow the token stream.
    void SetText(std::string_view text);
    int NextToken();
    void ReportError(std::string_view message) { error_ = message; }
    Value NumberValue() const { return numberValue_; }
    std::string_view NumberText() const { return {numberText_.data(), numberLength_}; }
    std::string_view IdentifierText() const { return {identifier_.data(), identifierLength_}; }
    std::string_view ErrorText() const { return error_; }

private:
    bool Expect(int token);
    Value ParseExpression();
    Value ParseTerm();
    Value ParsePower();
    Value ParsePrimary();
    Value ApplyFunction(int function);

    int ReadNumber(char first);
    int ReadName(char first);
    bool AcceptNumberCharacter(char c);
    bool FollowsHexParenthesis(std::size_t index) const;
    bool HexParenthesisBefore() const;
    Value InvertWidth(Value v) const;

    ExprReader reader_;
    int token_ = TOK_EOF;
    Value numberValue_ = 0;
    std::array<char, kTextCapacity> identifier_{};
    std::size_t identifierLength_ = 0;
    std::array<char, kTextCapacity> numberText_{};
    std::size_t numberLength_ = 0;
    bool exponentFlag_ = false;
    // Where an empty number token was produced after "hex(": the character there scans as it
    // would anywhere else the next time, so the same place never yields a number again.
    std::size_t emptyNumberAt_ = ExprReader::kCapacity;
    std::string_view error_;
    float x_ = 0;
    float y_ = 0;
    int widthIndex_ = 0;
    std::optional<Value> answer_;
};

}  // namespace quillex
