#include "engine/ExprEngine.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/BitWidth.h"
#include "text/NumberText.h"
#include "text/Texts.h"

namespace quillex {
namespace {

struct Keyword {
    std::string_view name;
    int token;
};

// Searched from the last entry to the first; names are case-sensitive.
constexpr std::array<Keyword, 30> kKeywords{{
    {"sin", TOK_SIN},   {"cos", TOK_COS},   {"tan", TOK_TAN}, {"asin", TOK_ASIN},
    {"acos", TOK_ACOS}, {"atan", TOK_ATAN}, {"ln", TOK_LN},   {"sqrt", TOK_SQRT},
    {"exp", TOK_EXP},   {"log", TOK_LOG},   {"pi", TOK_PI},   {"pro", TOK_PRO},
    {"bas", TOK_BAS},   {"dec", TOK_DEC},   {"bin", TOK_BIN}, {"hex", TOK_HEX},
    {"oct", TOK_OCT},   {"rnd", TOK_RND},   {"fac", TOK_FAC}, {"rr", TOK_RR},
    {"rrb", TOK_RRB},   {"rlb", TOK_RLB},   {"not", TOK_NOT}, {"deg", TOK_DEG},
    {"rad", TOK_RAD},   {"X", TOK_X},       {"Y", TOK_Y},     {"x", TOK_X},
    {"y", TOK_Y},       {"rl", TOK_RL},
}};

constexpr double kPi = 3.141592653589793;
constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kRadiansPerDegree = 0.017453292519943295;

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int LookUpKeyword(std::string_view name) {
    for (auto it = kKeywords.rbegin(); it != kKeywords.rend(); ++it) {
        if (it->name == name) {
            return it->token;
        }
    }
    return -1;
}

// The value of a digit text in the given base (digits 0-9 and a-f/A-F), summed as
// digit * base^position; false for a character that is not a digit of the base.
bool ReadDigits(std::string_view digits, int base, Value& out) {
    Value value = 0;
    for (char c : digits) {
        int digit = base;
        if (IsDigit(c)) {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit >= base) {
            return false;
        }
        value = value * base + digit;
    }
    out = value;
    return true;
}

Value FromInt(std::int32_t i) {
    return static_cast<Value>(i);
}

std::int32_t ShiftLeft(std::int32_t v, int bits) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(v) << bits);
}

}  // namespace

std::int32_t IntegerView(Value v) {
    // -2^63 <= v < 2^63, NaN excluded by the comparisons.
    if (!(v >= -9223372036854775808.0 && v < 9223372036854775808.0)) {
        return 0;
    }
    const auto wide = static_cast<std::int64_t>(v);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

void ExprReader::SetText(std::string_view text) {
    const std::size_t length = std::min(text.size(), kCapacity - 1);
    // copy_n, not memcpy: an empty view may have no data pointer, and memcpy must not get one.
    std::copy_n(text.data(), length, buffer_.data());
    std::memset(buffer_.data() + length, 0, kCapacity - length);
    position_ = 0;
}

char ExprReader::Next() {
    if (buffer_[position_] == 0) {
        return 0;
    }
    return buffer_[position_++];
}

void ExprReader::Back(char c) {
    if (position_ == 0) {
        return;
    }
    buffer_[--position_] = c;
}

void ExprEngine::SetText(std::string_view text) {
    reader_.SetText(text);
    emptyNumberAt_ = ExprReader::kCapacity;
}

bool ExprEngine::FollowsHexParenthesis(std::size_t index) const {
    return index >= 4 && index != emptyNumberAt_ && reader_.At(index - 4) == 'h' &&
           reader_.At(index - 3) == 'e' && reader_.At(index - 2) == 'x' &&
           reader_.At(index - 1) == '(';
}

bool ExprEngine::HexParenthesisBefore() const {
    const std::size_t position = reader_.Position();
    for (std::size_t i = position; i-- > 1;) {
        if (reader_.At(i - 1) == 'x' && reader_.At(i) == '(') {
            return true;
        }
    }
    return false;
}

bool ExprEngine::AcceptNumberCharacter(char c) {
    if (c == 'e' || c == 'E') {
        exponentFlag_ = true;
        const char following = reader_.Next();
        const bool keep = IsDigit(following) || following == '+' || following == '-' ||
                          (reader_.Position() >= 5 && following != 0 && HexParenthesisBefore());
        if (keep) {
            reader_.Back(following);
        } else {
            // The character after the e is dropped.
            ReportError(Text(TextId::EngineFloat));
            exponentFlag_ = false;
        }
        return true;
    }
    if (IsHexDigit(c) || c == '.') {
        exponentFlag_ = false;
        return true;
    }
    return (c == '+' || c == '-') && exponentFlag_;
}

int ExprEngine::ReadNumber(char first) {
    exponentFlag_ = false;
    numberLength_ = 0;
    char c = first;
    while (AcceptNumberCharacter(c)) {
        if (numberLength_ < kTextCapacity - 1) {
            numberText_[numberLength_++] = c;
        }
        c = reader_.Next();
    }
    numberText_[numberLength_] = 0;
    reader_.Back(c);
    if (numberLength_ == 0) {
        emptyNumberAt_ = reader_.Position();
    }
    numberValue_ = ReadLeadingNumber(NumberText());
    return TOK_NUMBER;
}

int ExprEngine::ReadName(char first) {
    identifierLength_ = 0;
    char c = first;
    std::size_t count = 0;
    while (IsLetter(c) || IsDigit(c)) {
        if (++count >= kTextCapacity) {
            ReportError(Text(TextId::EngineCompiler));
        } else {
            identifier_[identifierLength_++] = c;
        }
        c = reader_.Next();
    }
    identifier_[identifierLength_] = 0;
    reader_.Back(c);
    const int token = count < kTextCapacity ? LookUpKeyword(IdentifierText()) : -1;
    if (token < 0) {
        ReportError(Text(TextId::EngineUnknown));
        return TOK_END;
    }
    return token;
}

int ExprEngine::NextToken() {
    char c = reader_.Next();
    while (c == ' ' || c == '\t' || c == '\n') {
        c = reader_.Next();
    }
    if (c == 0) {
        return TOK_EOF;
    }
    if (IsDigit(c) || FollowsHexParenthesis(reader_.Position() - 1)) {
        return ReadNumber(c);
    }
    if (IsLetter(c)) {
        return ReadName(c);
    }
    if (c == '*') {
        const char next = reader_.Next();
        if (next == '*') {
            return TOK_POWER;
        }
        reader_.Back(next);
        return '*';
    }
    if (c == '=') {
        return TOK_END;
    }
    return c;
}

bool ExprEngine::Expect(int token) {
    if (token_ == token) {
        token_ = NextToken();
        return true;
    }
    ReportError(Text(TextId::EngineSyntax));
    token_ = TOK_END;
    return false;
}

Evaluation ExprEngine::EvaluateText(std::string_view text) {
    error_ = {};
    SetText(text);
    token_ = NextToken();
    Value value = 0;
    while (token_ != TOK_END) {
        value = ParseExpression();
        Expect(';');
    }
    return {value, error_};
}

Value ExprEngine::ParseExpression() {
    Value a = ParseTerm();
    for (;;) {
        const int op = token_;
        if (op != '+' && op != '-' && op != '|' && op != '?') {
            return a;
        }
        token_ = NextToken();
        const Value b = ParseTerm();
        switch (op) {
            case '+':
                a = a + b;
                break;
            case '-':
                a = a - b;
                break;
            case '|':
                a = FromInt(IntegerView(a) | IntegerView(b));
                break;
            default:
                a = InvertWidth(FromInt(IntegerView(a) | IntegerView(b)));
                break;
        }
    }
}

Value ExprEngine::ParseTerm() {
    Value a = ParsePower();
    for (;;) {
        const int op = token_;
        if (op != '*' && op != '/' && op != '%' && op != '&' && op != '#' && op != '^') {
            return a;
        }
        token_ = NextToken();
        const Value b = ParsePower();
        switch (op) {
            case '*':
                a = a * b;
                break;
            case '/':
                a = a / b;
                break;
            case '%': {
                const std::int32_t divisor = IntegerView(b);
                if (divisor > 0) {
                    a = FromInt(IntegerView(a) % divisor);
                }
                break;
            }
            case '&':
                a = FromInt(IntegerView(a) & IntegerView(b));
                break;
            case '#':
                a = InvertWidth(FromInt(IntegerView(a) & IntegerView(b)));
                break;
            default:
                a = FromInt(IntegerView(a) ^ IntegerView(b));
                break;
        }
    }
}

Value ExprEngine::ParsePower() {
    const Value base = ParsePrimary();
    if (token_ != TOK_POWER) {
        return base;
    }
    token_ = NextToken();
    return std::pow(base, ParsePrimary());
}

Value ExprEngine::ParsePrimary() {
    switch (token_) {
        case TOK_NUMBER: {
            const Value v = numberValue_;
            token_ = NextToken();
            return v;
        }
        case '-':
            token_ = NextToken();
            return -ParsePrimary();
        case '(': {
            token_ = NextToken();
            const Value v = ParseExpression();
            Expect(')');
            return v;
        }
        case TOK_PI:
            token_ = NextToken();
            return kPi;
        case TOK_X:
            token_ = NextToken();
            return x_;
        case TOK_Y:
            token_ = NextToken();
            return y_;
        case TOK_BAS:
            return 0;
        case TOK_SIN:
        case TOK_COS:
        case TOK_TAN:
        case TOK_ASIN:
        case TOK_ACOS:
        case TOK_ATAN:
        case TOK_LN:
        case TOK_SQRT:
        case TOK_EXP:
        case TOK_LOG:
        case TOK_PRO:
        case TOK_RND:
        case TOK_FAC:
        case TOK_RR:
        case TOK_RRB:
        case TOK_RL:
        case TOK_RLB:
        case TOK_NOT:
        case TOK_DEG:
        case TOK_RAD:
        case TOK_DEC:
        case TOK_BIN:
        case TOK_HEX:
        case TOK_OCT:
            return ApplyFunction(token_);
        default:
            ReportError(Text(TextId::EngineIncomplete));
            return 0;
    }
}

Value ExprEngine::InvertWidth(Value v) const {
    // The operand goes through its "%.0f" text, as the inverting operators always did; texts
    // such as "inf" read back as 0.
    const auto width = BitWidthFromIndex(widthIndex_);
    if (!width) {
        return 0;
    }
    return InvertInWidth(ReadLeadingNumber(FormatFixed(v, 0)), *width);
}

Value ExprEngine::ApplyFunction(int function) {
    token_ = NextToken();
    Expect('(');
    const Value x = ParseExpression();
    if (function == TOK_FAC && x > 171) {
        ReportError(Text(TextId::EngineFactorial));
        Expect(')');
        return 0;
    }
    if (function == TOK_PRO && !(x > 0 && x <= 100)) {
        ReportError(Text(TextId::EnginePercent));
        Expect(')');
        return 0;
    }
    Expect(')');
    switch (function) {
        case TOK_SIN:
            return std::sin(x);
        case TOK_COS:
            return std::cos(x);
        case TOK_TAN:
            return std::tan(x);
        case TOK_ASIN:
            return std::asin(x);
        case TOK_ACOS:
            return std::acos(x);
        case TOK_ATAN:
            return std::atan(x);
        case TOK_LN:
            return std::log(x);
        case TOK_SQRT:
            return std::sqrt(x);
        case TOK_EXP:
            return std::exp(x);
        case TOK_LOG:
            return std::log10(x);
        case TOK_DEG:
            return x * kDegreesPerRadian;
        case TOK_RAD:
            return x * kRadiansPerDegree;
        case TOK_PRO:
            return x * 0.01;
        case TOK_RND: {
            // One step of the classic 32-bit linear congruential generator, seeded each time.
            const auto state = static_cast<std::uint32_t>(IntegerView(x)) * 214013u + 2531011u;
            return static_cast<Value>((state >> 16) & 32767u);
        }
        case TOK_FAC: {
            if (std::isnan(x)) {
                return x;
            }
            long double product = 1;
            for (int k = 2; k <= x; ++k) {
                product *= k;
            }
            return static_cast<Value>(product);
        }
        case TOK_RR:
            return FromInt(IntegerView(x) >> 1);
        case TOK_RRB:
            return FromInt(IntegerView(x) >> 8);
        case TOK_RL:
            return FromInt(ShiftLeft(IntegerView(x), 1));
        case TOK_RLB:
            return FromInt(ShiftLeft(IntegerView(x), 8));
        case TOK_NOT:
            return InvertWidth(x);
        case TOK_BIN:
        case TOK_OCT: {
            const int base = function == TOK_BIN ? 2 : 8;
            Value v = 0;
            if (!ReadDigits(FormatFixed(x, 0), base, v)) {
                ReportError(Text(function == TOK_BIN ? TextId::EngineBin : TextId::EngineOct));
                return 0;
            }
            return v;
        }
        case TOK_HEX: {
            Value v = 0;
            if (!ReadDigits(NumberText(), 16, v)) {
                ReportError(Text(TextId::EngineHex));
                return 0;
            }
            return v;
        }
        default:  // TOK_DEC
            return x;
    }
}

}  // namespace quillex
