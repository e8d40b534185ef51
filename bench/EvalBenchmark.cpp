// The per-keystroke path, Calculate() from an input text to the result field's text, timed input
// by input beside muparser parsing and evaluating the same expression from its text.
//
// Both sides reuse one evaluator for every input, as the window reuses its engine, and both parse
// on every evaluation: muparser gets SetExpr + Eval per iteration. After the standard benchmark
// output a summary lists the nanoseconds per evaluation of both sides, their ratio, the geometric
// mean ratio, and whether the goals hold:
//   - quillex at least 10 times faster than muparser (geometric mean over the corpus);
//   - no quillex input slower than muparser's fastest input;
//   - no failing input slower than the succeeding input of the same shape (its twin).
// The exit status is 0 whatever the timings; it is 1 for an unknown argument or a broken corpus
// (an input that does not fail or succeed as listed, or a muparser value that differs from ours).

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Calculation.h"
#include "text/NumberText.h"

namespace {

using quillex::IsDigit;

struct Case {
    std::string_view input;  // in our syntax, 5 to kMaxInputLength characters
    // Set for an input that fails with an engine message: the corpus input of the same shape
    // that succeeds, so the failure's cost is compared with a success of the same work.
    std::string_view twin = {};
};

// Typical inputs: short and long arithmetic, parentheses, powers, functions, pi, the variables,
// sums near the input limit, and inputs that fail, each after its succeeding twin.
constexpr Case kCorpus[] = {
    {"1+2*3"},
    {"12.5/4"},
    {"100/3"},
    {"2**10"},
    {"sqrt(2)"},
    {"exp(1)"},
    {"ln(10)"},
    {"log(1000)"},
    {"X*Y+1"},
    {"sin(pi/6)"},
    {"cos(0.5)*2"},
    {"2*pi*X"},
    {"X**2+Y**2"},
    {"1/7+2/7+3/7"},
    {"-5+3*-2"},
    {"2**0.5*2**0.5"},
    {"1.5e3+2.5e-2"},
    {"12345678*87654321"},
    {"0.000012345*3"},
    {"sqrt(X**2+Y**2)"},
    {"X/Y-Y/X"},
    {"log(2)*ln(10)"},
    {"sin(X)**2+cos(X)**2"},
    {"3.75*(2.5-1.25)/0.5"},
    {"(X+1)*(X-1)/(Y+2)"},
    {"exp(-X)*sin(2*pi*Y)"},
    {"sqrt(sqrt(sqrt(256)))"},
    {"((1+2)*(3-4))/((5+6)*(7-8))"},
    {"1-2+3-4+5-6+7-8+9-10+11-12+13-14+15-16+17-18+19-20"},
    {"1.25+2.5+3.75+4.125+5.5+6.625+7.75+8.875+9.5+10.25+11.125+12.5+13.75+14.875+15.5+16.25+"
     "17.125+18.5+19.75+20.875+21.5+22.25"},
    {"1+2+3+4+5+6+7+8+9+10+11+12+13+14+15+16+17+18+19+20+21+22+23+24+25+26+27+28+29+30+31+32+33+"
     "34+35+36+37+38+39+40+41+42+43+44"},
    {"sin(0.1)+cos(0.2)+sqrt(0.3)+exp(0.4)+ln(0.5)+log(0.6)+sin(0.7)+cos(0.8)+sqrt(0.9)+exp(1.1)+"
     "ln(1.2)+log(1.3)+sin(1.4)"},
    {"((((1.5+2.5)*3.5-4.5)/5.5+6.5)*7.5-8.5)/9.5+((X+1)*(Y-2)/(X*Y+3))**2-sqrt(X**2+Y**2)*cos(pi*"
     "X)+exp(-Y)*ln(2+X)"},
    {"X*1.5-Y*2.25+X**2*3.125-Y**2*4.5+X*Y*5.75-X/Y*6.875+Y/X*7.5-X**3*8.25+Y**3*9.125-X*Y**2*10.5+"
     "X**2*Y*11.75"},
    // Failing inputs: an unclosed parenthesis, an unknown name, a missing operand, a broken
    // exponent, a missing function parenthesis, and long inputs failing at the end or early on.
    {"1+2*(3)"},
    {"1+2*(3", "1+2*(3)"},
    {"(1+2)*(3+4)"},
    {"(1+2)*(3+4", "(1+2)*(3+4)"},
    {"sqrt(2)+sin(3)"},
    {"sqrt(2)+foo(3)", "sqrt(2)+sin(3)"},
    {"12*-3"},
    {"12*+3", "12*-3"},
    {"1.5e2*2"},
    {"1.5e*2", "1.5e2*2"},
    {"sqrt(2)/(1+3)"},
    {"sqrt(2)/(1+", "sqrt(2)/(1+3)"},
    {"sin(30)"},
    {"sin 30", "sin(30)"},
    {"1+2+3+4+5+6+7+8+9+10+11+12+13+14+15+16+17+18+19+20+21+22+23+24+25+26+27+28+29+30+31+32+33+"
     "34+35+36+37+38+39+40+41+42+0"},
    {"1+2+3+4+5+6+7+8+9+10+11+12+13+14+15+16+17+18+19+20+21+22+23+24+25+26+27+28+29+30+31+32+33+"
     "34+35+36+37+38+39+40+41+42+)",
     "1+2+3+4+5+6+7+8+9+10+11+12+13+14+15+16+17+18+19+20+21+22+23+24+25+26+27+28+29+30+31+32+33+"
     "34+35+36+37+38+39+40+41+42+0"},
    {"1.5e2*2+sin(0.1)+cos(0.2)+sqrt(0.3)+exp(0.4)+ln(0.5)+log(0.6)+sin(0.7)+cos(0.8)+sqrt(0.9)+"
     "exp(1.1)"},
    {"1.5e*2+sin(0.1)+cos(0.2)+sqrt(0.3)+exp(0.4)+ln(0.5)+log(0.6)+sin(0.7)+cos(0.8)+sqrt(0.9)+"
     "exp(1.1)",
     "1.5e2*2+sin(0.1)+cos(0.2)+sqrt(0.3)+exp(0.4)+ln(0.5)+log(0.6)+sin(0.7)+cos(0.8)+sqrt(0.9)+"
     "exp(1.1)"},
};
constexpr std::size_t kCaseCount = std::size(kCorpus);

// The variables, exact in single precision so that both sides compute with the same values.
constexpr std::string_view kXText = "0.5";
constexpr std::string_view kYText = "1.25";
constexpr double kX = 0.5;
constexpr double kY = 1.25;

constexpr double kGoalRatio = 10;

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The same expression in muparser's syntax: "**" becomes "^", "pi" "_pi" and "log" "log10".
// Numbers are copied whole, so the 'e' of an exponent is never read as part of a name.
std::string ToMuparser(std::string_view input) {
    std::string out;
    std::size_t i = 0;
    while (i < input.size()) {
        const char c = input[i];
        if (IsDigit(c) || c == '.') {
            const std::size_t start = i;
            while (i < input.size() && (IsDigit(input[i]) || input[i] == '.')) {
                ++i;
            }
            if (i < input.size() && (input[i] == 'e' || input[i] == 'E')) {
                std::size_t j = i + 1;
                if (j < input.size() && (input[j] == '+' || input[j] == '-')) {
                    ++j;
                }
                if (j < input.size() && IsDigit(input[j])) {
                    while (j < input.size() && IsDigit(input[j])) {
                        ++j;
                    }
                    i = j;
                }
            }
            out.append(input.substr(start, i - start));
        } else if (IsLetter(c)) {
            const std::size_t start = i;
            while (i < input.size() && (IsLetter(input[i]) || IsDigit(input[i]))) {
                ++i;
            }
            const std::string_view name = input.substr(start, i - start);
            out.append(name == "pi" ? "_pi" : name == "log" ? "log10" : name);
        } else if (c == '*' && i + 1 < input.size() && input[i + 1] == '*') {
            out += '^';
            i += 2;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

std::string QuillexName(std::size_t index) {
    return "quillex/" + std::to_string(index);
}
std::string MuparserName(std::size_t index) {
    return "muparser/" + std::to_string(index);
}

// Keeps the standard console output and collects the nanoseconds per evaluation of each
// benchmark: the median aggregate when repetitions were asked for, else the median of the runs.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    CollectingReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& reports) override {
        for (const Run& run : reports) {
            if (run.error_occurred) {
                continue;
            }
            const double ns =
                run.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            const std::string& name = run.run_name.function_name;
            if (run.run_type == Run::RT_Iteration) {
                samples_[name].push_back(ns);
            } else if (run.aggregate_name == "median") {
                medians_[name] = ns;
            }
        }
        ConsoleReporter::ReportRuns(reports);
    }

    std::optional<double> Nanoseconds(const std::string& name) const {
        if (const auto it = medians_.find(name); it != medians_.end()) {
            return it->second;
        }
        const auto it = samples_.find(name);
        if (it == samples_.end() || it->second.empty()) {
            return std::nullopt;
        }
        std::vector<double> values = it->second;
        const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
        std::nth_element(values.begin(), middle, values.end());
        return *middle;
    }

private:
    std::map<std::string, std::vector<double>> samples_;
    std::map<std::string, double> medians_;
};

std::optional<std::size_t> FindCase(std::string_view input) {
    for (std::size_t i = 0; i < kCaseCount; ++i) {
        if (kCorpus[i].input == input) {
            return i;
        }
    }
    return std::nullopt;
}

// Checks that every input fails or succeeds as listed and that muparser computes the same
// value, so that the two sides really do the same work. Prints each problem.
bool CheckCorpus(quillex::ExprEngine& engine, const quillex::CalcSettings& settings,
                 mu::Parser& parser) {
    bool ok = true;
    for (std::size_t i = 0; i < kCaseCount; ++i) {
        const Case& c = kCorpus[i];
        if (c.input.size() < 5 || c.input.size() > quillex::kMaxInputLength) {
            std::fprintf(stderr, "input %zu has %zu characters, outside 5..%zu\n", i,
                         c.input.size(), quillex::kMaxInputLength);
            ok = false;
        }
        const quillex::Calculation calculation = quillex::Calculate(engine, c.input, settings);
        const bool failed = calculation.outcome == quillex::CalcOutcome::Failed;
        if (failed != !c.twin.empty()) {
            std::fprintf(stderr, "input %zu %s unexpectedly: %s\n", i,
                         failed ? "fails" : "succeeds", calculation.resultText.c_str());
            ok = false;
        }
        if (!c.twin.empty()) {
            const auto twin = FindCase(c.twin);
            if (!twin || !kCorpus[*twin].twin.empty()) {
                std::fprintf(stderr, "input %zu has no succeeding twin in the corpus\n", i);
                ok = false;
            }
            continue;
        }
        try {
            parser.SetExpr(ToMuparser(c.input));
            const double theirs = parser.Eval();
            const double ours = calculation.value;
            if (std::fabs(theirs - ours) > 1e-12 * std::max(1.0, std::fabs(ours))) {
                std::fprintf(stderr, "input %zu: muparser gives %.17g, quillex %.17g\n", i, theirs,
                             ours);
                ok = false;
            }
        } catch (const mu::Parser::exception_type& e) {
            std::fprintf(stderr, "input %zu: muparser fails on \"%s\": %s\n", i,
                         ToMuparser(c.input).c_str(), e.GetMsg().c_str());
            ok = false;
        }
    }
    return ok;
}

void RegisterBenchmarks(quillex::ExprEngine& engine, const quillex::CalcSettings& settings,
                        mu::Parser& parser) {
    for (std::size_t i = 0; i < kCaseCount; ++i) {
        const std::string_view input = kCorpus[i].input;
        auto ours = [&engine, &settings, input](benchmark::State& state) {
            for (auto _ : state) {
                quillex::Calculation calculation = quillex::Calculate(engine, input, settings);
                benchmark::DoNotOptimize(calculation);
            }
        };
        benchmark::RegisterBenchmark(QuillexName(i).c_str(), ours)->Unit(benchmark::kNanosecond);

        // muparser reports an error by throwing, so timing its failing case would measure the
        // exception machinery rather than parsing; failing inputs are timed on our side only,
        // where they are compared with their succeeding twins.
        if (!kCorpus[i].twin.empty()) {
            continue;
        }
        auto theirs = [&parser, expression = ToMuparser(input)](benchmark::State& state) {
            for (auto _ : state) {
                parser.SetExpr(expression);
                double value = parser.Eval();
                benchmark::DoNotOptimize(value);
            }
        };
        benchmark::RegisterBenchmark(MuparserName(i).c_str(), theirs)->Unit(benchmark::kNanosecond);
    }
}

void PrintSummary(const CollectingReporter& reporter) {
    std::printf("\n%3s %4s %12s %12s %8s  %s\n", "#", "len", "quillex ns", "muparser ns", "ratio",
                "input");
    double logSum = 0;
    int ratioCount = 0;
    std::optional<std::size_t> slowestOurs;
    std::optional<std::size_t> fastestTheirs;
    std::vector<std::optional<double>> ours(kCaseCount);
    std::vector<std::optional<double>> theirs(kCaseCount);
    for (std::size_t i = 0; i < kCaseCount; ++i) {
        ours[i] = reporter.Nanoseconds(QuillexName(i));
        theirs[i] = reporter.Nanoseconds(MuparserName(i));
        if (!ours[i] && !theirs[i]) {
            continue;
        }
        std::printf("%3zu %4zu", i, kCorpus[i].input.size());
        if (ours[i]) {
            std::printf(" %12.1f", *ours[i]);
        } else {
            std::printf(" %12s", "");
        }
        if (theirs[i]) {
            std::printf(" %12.1f", *theirs[i]);
        } else {
            std::printf(" %12s", kCorpus[i].twin.empty() ? "" : "(fails)");
        }
        if (ours[i] && theirs[i]) {
            const double ratio = *theirs[i] / *ours[i];
            logSum += std::log(ratio);
            ++ratioCount;
            std::printf(" %8.1f", ratio);
        } else {
            std::printf(" %8s", "");
        }
        std::printf("  %.*s\n", static_cast<int>(kCorpus[i].input.size()), kCorpus[i].input.data());
        if (ours[i] && (!slowestOurs || *ours[i] > *ours[*slowestOurs])) {
            slowestOurs = i;
        }
        if (theirs[i] && (!fastestTheirs || *theirs[i] < *theirs[*fastestTheirs])) {
            fastestTheirs = i;
        }
    }

    bool goalMet = true;
    std::printf("\n");
    if (ratioCount > 0) {
        const double geometricMean = std::exp(logSum / ratioCount);
        const bool fastEnough = geometricMean >= kGoalRatio;
        goalMet = goalMet && fastEnough;
        std::printf(
            "geometric mean ratio muparser/quillex over %d inputs: %.1f (goal >= %.0f: %s)\n",
            ratioCount, geometricMean, kGoalRatio, fastEnough ? "yes" : "no");
    }
    if (slowestOurs && fastestTheirs) {
        const bool below = *ours[*slowestOurs] < *theirs[*fastestTheirs];
        goalMet = goalMet && below;
        std::printf(
            "slowest quillex input %zu: %.1f ns, fastest muparser input %zu: %.1f ns\n"
            "every quillex input faster than muparser's fastest input: %s\n",
            *slowestOurs, *ours[*slowestOurs], *fastestTheirs, *theirs[*fastestTheirs],
            below ? "yes" : "no");
    }
    bool failuresCheap = true;
    bool anyFailure = false;
    for (std::size_t i = 0; i < kCaseCount; ++i) {
        const auto twin = kCorpus[i].twin.empty() ? std::nullopt : FindCase(kCorpus[i].twin);
        if (!twin || !ours[i] || !ours[*twin]) {
            continue;
        }
        anyFailure = true;
        const bool cheap = *ours[i] <= *ours[*twin];
        failuresCheap = failuresCheap && cheap;
        std::printf("failing input %zu: %.1f ns, succeeding twin %zu: %.1f ns (%.2fx)%s\n", i,
                    *ours[i], *twin, *ours[*twin], *ours[i] / *ours[*twin],
                    cheap ? "" : "  costs more");
    }
    if (anyFailure) {
        goalMet = goalMet && failuresCheap;
        std::printf("every failing input costs no more than its succeeding twin: %s\n",
                    failuresCheap ? "yes" : "no");
    }
    if (ratioCount == 0 || !slowestOurs || !fastestTheirs) {
        // A filtered run leaves out one side or the other, so the goal cannot be judged.
        std::printf("goal met: not judged, one side was not measured\n");
    } else {
        std::printf("goal met: %s\n", goalMet ? "yes" : "no");
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }

    // One engine and one parser for all inputs, as the window keeps its engine.
    quillex::ExprEngine engine;
    quillex::CalcSettings settings;
    settings.xText = kXText;
    settings.yText = kYText;
    settings.widthIndex = 3;
    settings.display.style = quillex::kStyleStandard;

    double x = kX;
    double y = kY;
    mu::Parser parser;
    parser.DefineVar("X", &x);
    parser.DefineVar("Y", &y);

    if (!CheckCorpus(engine, settings, parser)) {
        return 1;
    }
    RegisterBenchmarks(engine, settings, parser);

    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintSummary(reporter);
    benchmark::Shutdown();
    return 0;
}
