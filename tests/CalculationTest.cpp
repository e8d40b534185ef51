#include <gtest/gtest.h>

#include <string>

#include "engine/Calculation.h"

namespace quillex {
namespace {

Calculation Calc(ExprEngine& engine, std::string_view input, CalcSettings settings = {}) {
    return Calculate(engine, input, settings);
}

TEST(Calculation, ResultTexts) {
    ExprEngine engine;
    EXPECT_EQ(Calc(engine, "2*pi").resultText, "6.2831853071796");
    EXPECT_EQ(Calc(engine, "1,5*2").resultText, "3");
    EXPECT_EQ(Calc(engine, "1;2+2").resultText, "4");
    EXPECT_EQ(Calc(engine, "1\r\n+\n2").resultText, "3");

    const Calculation empty = Calc(engine, "");
    EXPECT_EQ(empty.outcome, CalcOutcome::NoInput);
    EXPECT_EQ(empty.resultText, "Keine Eingabe");

    // A failure shows the message and still hands back the engine's value.
    const Calculation failed = Calc(engine, "+5");
    EXPECT_EQ(failed.outcome, CalcOutcome::Failed);
    EXPECT_EQ(failed.resultText, "Anweisung unvollst.");
    EXPECT_EQ(failed.value, 5);

    CalcSettings grouped;
    grouped.display.thousands = kThousandsCommas;
    EXPECT_EQ(Calc(engine, "1+", grouped).resultText, "Anweisung unvollst.");
    EXPECT_EQ(Calc(engine, "1234567.5", grouped).resultText, "1,234,567.5");
}

TEST(Calculation, LongInputsAreCutTo125Characters) {
    ExprEngine engine;
    std::string input;
    for (int i = 0; i < 65; ++i) {
        input += "1+";
    }
    ASSERT_EQ(input.size(), 130u);
    // The first 125 characters end in "1", so the cut text is a complete sum of 63 ones.
    const Calculation cut = Calc(engine, input);
    EXPECT_TRUE(cut.inputCut);
    EXPECT_EQ(cut.outcome, CalcOutcome::Succeeded);
    EXPECT_EQ(cut.resultText, "63");

    const Calculation exact = Calc(engine, input.substr(0, 125));
    EXPECT_FALSE(exact.inputCut);
    EXPECT_EQ(exact.resultText, "63");
}

TEST(Calculation, VariablesComeFromFieldTexts) {
    ExprEngine engine;
    CalcSettings settings;
    settings.xText = "0.1";
    settings.yText = "3,5";
    EXPECT_EQ(Calc(engine, "X", settings).resultText, "0.10000000149012");
    EXPECT_EQ(Calc(engine, "y*2", settings).resultText, "7");
    settings.xText = "abc";
    settings.yText = "1e39";
    EXPECT_EQ(Calc(engine, "X", settings).resultText, "0");
    EXPECT_EQ(Calc(engine, "Y", settings).resultText, "inf");

    EXPECT_FLOAT_EQ(ReadVariable(" -2,25xyz"), -2.25f);
    EXPECT_EQ(ReadVariable("3.4028235e38"), 3.4028235e38f);
}

TEST(Calculation, WidthAndDisplayOptionsReachTheEngineAndFormatter) {
    ExprEngine engine;
    CalcSettings settings;
    settings.widthIndex = 1;
    EXPECT_EQ(Calc(engine, "6#3", settings).resultText, "253");
    settings.widthIndex = 3;
    EXPECT_EQ(Calc(engine, "not(0)", settings).resultText, "4294967295");
    settings.display = {kStyleFixed, 2, kThousandsPoints, false};
    EXPECT_EQ(Calc(engine, "1234567/3", settings).resultText, "411.522,33");
    settings.display = {kStyleStandard, 0, kThousandsNone, true};
    EXPECT_EQ(Calc(engine, "5/2", settings).resultText, "2,5");
}

TEST(Calculation, TapeNormalisation) {
    struct Row {
        const char* result;
        int thousands;
        const char* filed;
    } rows[] = {
        {"12.000", kThousandsNone, "12"},
        {"12.50", kThousandsNone, "12.50"},
        {"7.000000", kThousandsNone, "7"},
        {"12.", kThousandsNone, "12"},
        {".000", kThousandsNone, ".000"},
        {"1.234,5", kThousandsPoints, "1234.5"},
        {"1.234.567,000", kThousandsPoints, "1234567"},
        {"1,234,567.5", kThousandsCommas, "1234567.5"},
        {"1,000.00", kThousandsCommas, "1000"},
        {"2,5", kThousandsNone, "2,5"},
        {"Anweisung unvollst.", kThousandsNone, "Anweisung unvollst"},
        {"Fehlerhafte Eingabe (Ausdruck)", kThousandsPoints, "Fehlerhafte Eingabe (Ausdruck)"},
        {"1.000e+003", kThousandsNone, "1.000e+003"},
        {"Keine Eingabe", kThousandsNone, "Keine Eingabe"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(NormaliseForTape(row.result, row.thousands), row.filed) << row.result;
    }
}

}  // namespace
}  // namespace quillex
