#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/ExprEngine.h"
#include "text/Texts.h"

namespace quillex {
namespace {

// The engine's messages, by the names the rows below use.
namespace msg {
const std::string_view kSyntax = Text(TextId::EngineSyntax);
const std::string_view kIncomplete = Text(TextId::EngineIncomplete);
const std::string_view kFloat = Text(TextId::EngineFloat);
const std::string_view kUnknown = Text(TextId::EngineUnknown);
const std::string_view kFactorial = Text(TextId::EngineFactorial);
const std::string_view kPercent = Text(TextId::EnginePercent);
const std::string_view kBin = Text(TextId::EngineBin);
const std::string_view kOct = Text(TextId::EngineOct);
const std::string_view kHex = Text(TextId::EngineHex);
}  // namespace msg

std::vector<int> Tokens(ExprEngine& engine, std::string_view text) {
    engine.SetText(text);
    std::vector<int> tokens;
    for (int i = 0; i < 64; ++i) {
        const int token = engine.NextToken();
        tokens.push_back(token);
        if (token == TOK_EOF) {
            break;
        }
    }
    return tokens;
}

TEST(Scanner, NumbersTakeHexLettersPointsAndOneExponentSign) {
    ExprEngine engine;
    struct Row {
        const char* text;
        const char* numberText;
        double value;
    } rows[] = {
        {"1.5e3", "1.5e3", 1500}, {"1.5E-3", "1.5E-3", 0.0015},
        {"2a", "2a", 2},          {"1.2.3", "1.2.3", 1.2},
        {"1e+5", "1e+5", 1e5},    {"12ab34", "12ab34", 12},
        {"7+", "7", 7},           {"3,5", "3", 3},
    };
    for (const Row& row : rows) {
        engine.SetText(row.text);
        EXPECT_EQ(engine.NextToken(), TOK_NUMBER) << row.text;
        EXPECT_EQ(engine.NumberText(), row.numberText) << row.text;
        EXPECT_DOUBLE_EQ(engine.NumberValue(), row.value) << row.text;
        EXPECT_TRUE(engine.ErrorText().empty()) << row.text;
    }
}

TEST(Scanner, TokenStreams) {
    ExprEngine engine;
    EXPECT_EQ(Tokens(engine, ".5"), (std::vector<int>{'.', TOK_NUMBER, TOK_EOF}));
    EXPECT_EQ(Tokens(engine, "2**3"), (std::vector<int>{TOK_NUMBER, TOK_POWER, TOK_NUMBER, 0}));
    EXPECT_EQ(Tokens(engine, "2* *3"), (std::vector<int>{TOK_NUMBER, '*', '*', TOK_NUMBER, 0}));
    EXPECT_EQ(Tokens(engine, "1="), (std::vector<int>{TOK_NUMBER, TOK_END, TOK_EOF}));
    EXPECT_EQ(Tokens(engine, "x X y Y"), (std::vector<int>{TOK_X, TOK_X, TOK_Y, TOK_Y, 0}));
    EXPECT_EQ(Tokens(engine, " \t\n;_"), (std::vector<int>{';', TOK_END, TOK_EOF}));
    EXPECT_EQ(Tokens(engine, "rrb rlb rr rl"),
              (std::vector<int>{TOK_RRB, TOK_RLB, TOK_RR, TOK_RL, TOK_EOF}));
    // Bytes of 128 and above are single-character tokens, neither letters nor digits.
    const std::vector<int> high = Tokens(engine, "\xe4\x81");
    ASSERT_EQ(high.size(), 3u);
    EXPECT_EQ(high[0], static_cast<int>(static_cast<char>('\xe4')));
    EXPECT_EQ(high[1], static_cast<int>(static_cast<char>('\x81')));
}

TEST(Scanner, UnknownNamesEndTheStatementWithAMessage) {
    ExprEngine engine;
    for (const char* name : {"sin2", "Sin", "SIN", "abc", "pie"}) {
        engine.ReportError({});
        engine.SetText(name);
        EXPECT_EQ(engine.NextToken(), TOK_END) << name;
        EXPECT_EQ(engine.IdentifierText(), name);
        EXPECT_EQ(engine.ErrorText(), msg::kUnknown) << name;
    }
}

TEST(Scanner, HexArgumentsScanAsNumbers) {
    ExprEngine engine;
    EXPECT_EQ(Tokens(engine, "hex(ff)"), (std::vector<int>{TOK_HEX, '(', TOK_NUMBER, ')', 0}));
    EXPECT_EQ(engine.NumberText(), "ff");
    EXPECT_EQ(engine.NumberValue(), 0);

    // With a blank after the parenthesis the letters form a name.
    EXPECT_EQ(Tokens(engine, "hex( ff)"), (std::vector<int>{TOK_HEX, '(', TOK_END, ')', 0}));

    // An e inside hex( stays a digit even before a character that is not a digit or sign.
    engine.ReportError({});
    EXPECT_EQ(Tokens(engine, "hex(1e);_"),
              (std::vector<int>{TOK_HEX, '(', TOK_NUMBER, ')', ';', TOK_END, 0}));
    EXPECT_EQ(engine.NumberText(), "1e");
    EXPECT_TRUE(engine.ErrorText().empty());

    // A character the number rule rejects yields one empty number, then scans as usual.
    EXPECT_EQ(Tokens(engine, "hex(g)"),
              (std::vector<int>{TOK_HEX, '(', TOK_NUMBER, TOK_END, ')', TOK_EOF}));
    EXPECT_EQ(Tokens(engine, "hex()"), (std::vector<int>{TOK_HEX, '(', TOK_NUMBER, ')', 0}));
    EXPECT_EQ(engine.NumberText(), "");
    EXPECT_EQ(Tokens(engine, "hex(+5)"),
              (std::vector<int>{TOK_HEX, '(', TOK_NUMBER, '+', TOK_NUMBER, ')', 0}));
}

TEST(Scanner, ExponentWithoutDigitsLosesTheNextCharacter) {
    ExprEngine engine;
    // The ';' after the e is lost, so the end marker follows the number directly.
    EXPECT_EQ(Tokens(engine, "2e;_"), (std::vector<int>{TOK_NUMBER, TOK_END, TOK_EOF}));
    EXPECT_EQ(engine.NumberText(), "2e");
    EXPECT_EQ(engine.ErrorText(), msg::kFloat);
}

TEST(Scanner, PushingBackTheEndShortensTheText) {
    ExprReader reader;
    reader.SetText("ab");
    EXPECT_EQ(reader.Next(), 'a');
    EXPECT_EQ(reader.Next(), 'b');
    EXPECT_EQ(reader.Next(), 0);
    EXPECT_EQ(reader.Position(), 2u);
    reader.Back(0);
    EXPECT_EQ(reader.Position(), 1u);
    EXPECT_EQ(reader.Next(), 0);
    EXPECT_EQ(reader.Position(), 1u);
    reader.SetText("");
    reader.Back('x');  // nothing to step back over
    EXPECT_EQ(reader.Position(), 0u);
    EXPECT_EQ(reader.Next(), 0);
}

struct EvalRow {
    const char* text;
    double value;
    std::string_view error = {};
};

void ExpectRows(ExprEngine& engine, const std::vector<EvalRow>& rows) {
    for (const EvalRow& row : rows) {
        const std::string text = std::string(row.text) + ";_";
        const Evaluation result = engine.EvaluateText(text);
        EXPECT_EQ(result.error, row.error) << row.text;
        if (std::isnan(row.value)) {
            EXPECT_TRUE(std::isnan(result.value)) << row.text;
        } else {
            EXPECT_EQ(result.value, row.value) << row.text << " gave " << result.value;
        }
    }
}

TEST(Evaluator, ArithmeticAndPrecedence) {
    ExprEngine engine;
    ExpectRows(engine, {
                           {"2+3*4", 14},
                           {"(2+3)*4", 20},
                           {"10-4-3", 3},
                           {"2**3*2", 16},
                           {"-2**2", 4},
                           {"2**-1", 0.5},
                           {"2**(3**2)", 512},
                           {"2**3**2", 8, msg::kSyntax},
                           {"1;2", 2},
                           {"1;2+2", 4},
                           {"1;;2", 2, msg::kIncomplete},
                           {"+5", 5, msg::kIncomplete},
                           {"--3", 3},
                           {"1/0", INFINITY},
                           {"-1/0", -INFINITY},
                           {"0/0", NAN},
                           {"sqrt(-1)", NAN},
                           {"(-8)**(1/3)", NAN},
                           {"", 0, msg::kIncomplete},
                           {"=", 0},
                           {"1=2", 1, msg::kSyntax},
                           {".5", 0, msg::kSyntax},
                           {"(1+2", 3, msg::kSyntax},
                           {"1 2", 1, msg::kSyntax},
                           {"bas", 0, msg::kSyntax},
                           {"2*bas", 0, msg::kSyntax},
                           {"foo+1", 0, msg::kUnknown},
                           {"1+foo", 1, msg::kSyntax},
                           {"3)", 3, msg::kSyntax},
                       });
}

TEST(Evaluator, IntegerOperators) {
    ExprEngine engine;
    ExpectRows(engine, {
                           {"7%3", 1},
                           {"-7%3", -1},
                           {"7.9%2", 1},
                           {"7%0", 7},
                           {"5.5%-1", 5.5},
                           {"6&3", 2},
                           {"6|3", 7},
                           {"6^3", 5},
                           {"4294967295&1", 1},
                           {"4294967296|0", 0},
                           {"1e30|0", 0},
                           {"-1|0", -1},
                           {"rr(-4)", -2},
                           {"rrb(256)", 1},
                           {"rl(3)", 6},
                           {"rlb(1)", 256},
                           {"rl(2147483647)", -2},
                           {"rnd(0)", 38},
                           {"rnd(1)", 41},
                           {"rnd(42)", 175},
                           {"rnd(42.9)", 175},
                       });
    engine.SetWidthIndex(1);
    ExpectRows(engine,
               {{"6#3", 253}, {"6?3", 248}, {"not(0)", 255}, {"not(2.5)", 252}, {"not(1/0)", 255}});
    engine.SetWidthIndex(0);
    ExpectRows(engine, {{"not(5)", 10}, {"not(20)", -5}});
    engine.SetWidthIndex(3);
    ExpectRows(engine, {{"not(0)", 4294967295.0}, {"0#0", 4294967295.0}});
    engine.SetWidthIndex(7);
    ExpectRows(engine, {{"not(0)", 0}, {"6#3", 0}});
}

TEST(Evaluator, IntegerView) {
    EXPECT_EQ(IntegerView(7.9), 7);
    EXPECT_EQ(IntegerView(-7.9), -7);
    EXPECT_EQ(IntegerView(4294967295.0), -1);
    EXPECT_EQ(IntegerView(4294967296.0 + 5), 5);
    EXPECT_EQ(IntegerView(9.3e18), 0);
    EXPECT_EQ(IntegerView(-9223372036854775808.0), 0);
    EXPECT_EQ(IntegerView(NAN), 0);
    EXPECT_EQ(IntegerView(-INFINITY), 0);
}

TEST(Evaluator, Functions) {
    ExprEngine engine;
    ExpectRows(engine, {
                           {"sin(rad(30))", 0.49999999999999994},
                           {"deg(pi)", 180},
                           {"cos(0)", 1},
                           {"ln(exp(2))", 2},
                           {"log(1000)", 3},
                           {"sqrt(16)", 4},
                           {"atan(1)*4", 3.141592653589793},
                           {"dec(5)", 5},
                           {"sin 1", 0, msg::kSyntax},
                           {"fac(0)", 1},
                           {"fac(-3)", 1},
                           {"fac(5)", 120},
                           {"fac(5.9)", 120},
                           {"fac(171)", INFINITY},
                           {"fac(172)", 0, msg::kFactorial},
                           {"fac(172", 0, msg::kSyntax},
                           {"fac(0/0)", NAN},
                           {"pro(15)", 0.15},
                           {"200*pro(15)", 30},
                           {"pro(100)", 1},
                           {"pro(0)", 0, msg::kPercent},
                           {"pro(150)", 0, msg::kPercent},
                           {"pro(0/0)", 0, msg::kPercent},
                           {"pro(0", 0, msg::kSyntax},
                           {"bin(1011)", 11},
                           {"bin(0.4)", 0},
                           {"bin(102)", 0, msg::kBin},
                           {"bin(-1)", 0, msg::kBin},
                           {"bin(102", 0, msg::kSyntax},
                           {"oct(17)", 15},
                           {"oct(18)", 0, msg::kOct},
                           {"hex(1F)", 31},
                           {"hex(ff)", 255},
                           {"hex(FF)", 255},
                           {"hex(1.5)", 0, msg::kHex},
                           {"hex(10+5)", 5},
                           {"hex()", 0},
                           {"hex(+5)", 5},
                           {"hex(g)", 0, msg::kSyntax},
                           {"hex(e)", 14},
                       });
    EXPECT_NEAR(engine.EvaluateText("fac(170);_").value, 7.257415615307994e306, 1e293);
}

TEST(Evaluator, VariablesAreSinglePrecision) {
    ExprEngine engine;
    ExpectRows(engine, {{"X+Y", 0}, {"x", 0}});
    engine.SetX(0.1f);
    engine.SetY(-2.5f);
    ExpectRows(engine, {{"X", static_cast<double>(0.1f)}, {"x*y", 0.1f * -2.5}, {"Y", -2.5}});
    EXPECT_NEAR(engine.EvaluateText("x;_").value, 0.100000001490116, 1e-15);
}

TEST(Evaluator, HexReadsTheNumberTextLeftByEarlierEvaluations) {
    ExprEngine engine;
    engine.EvaluateText("12;_");
    // With a blank after the parenthesis the argument holds no number token of its own.
    EXPECT_EQ(engine.EvaluateText("hex( pi);_").value, 18);
    EXPECT_EQ(engine.EvaluateText("hex(pi);_").value, 0);
    // The number after the closing parenthesis is read before hex( looks at the text.
    EXPECT_EQ(engine.EvaluateText("hex(1)+2;_").error, std::string_view{});
    EXPECT_EQ(engine.EvaluateText("hex(1)2;_").value, 2);
}

TEST(Evaluator, ErrorsDoNotCarryOver) {
    ExprEngine engine;
    EXPECT_EQ(engine.EvaluateText("1+;_").error, msg::kIncomplete);
    const Evaluation next = engine.EvaluateText("1+1;_");
    EXPECT_TRUE(next.error.empty());
    EXPECT_EQ(next.value, 2);
}

TEST(Evaluator, OversizedTextsStayInsideTheBuffers) {
    ExprEngine engine;
    // Longer than the reader's buffer: the text is cut, never read or written past it.
    std::string sum;
    for (int i = 0; i < 200; ++i) {
        sum += "1+";
    }
    EXPECT_EQ(engine.EvaluateText(sum + "1;_").error, msg::kSyntax);

    const std::string name(200, 'a');
    EXPECT_EQ(engine.EvaluateText(name + ";_").error, msg::kUnknown);
    EXPECT_EQ(engine.IdentifierText().size(), ExprEngine::kTextCapacity - 1);

    const std::string digits(200, '9');
    const Evaluation big = engine.EvaluateText(digits + ";_");
    EXPECT_TRUE(big.error.empty());
    EXPECT_EQ(engine.NumberText().size(), ExprEngine::kTextCapacity - 1);

    const std::string nested = std::string(250, '(') + "1";
    EXPECT_EQ(engine.EvaluateText(nested).error, msg::kSyntax);
    EXPECT_EQ(engine.EvaluateText(std::string(252, '-') + "1").value, 1);
    EXPECT_EQ(engine.EvaluateText(std::string(254, '-') + "1").error, msg::kSyntax);
}

}  // namespace
}  // namespace quillex
