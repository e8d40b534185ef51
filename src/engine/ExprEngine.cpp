#include "engine/ExprEngine.h"

#include <cmath>

#include "engine/BitWidth.h"
#include "text/NumberText.h"
#include "text/Texts.h"

namespace quillex {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr double kRadiansPerDegree = 0.017453292519943295;

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
        case TOK_ANS:
            token_ = NextToken();
            if (!answer_) {
                ReportError(Text(TextId::EngineNoAnswer));
                return 0;
            }
            return *answer_;
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
