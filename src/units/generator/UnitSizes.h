// The sizes of the unit tables: products of decimal numbers, pi and integer powers, kept as
// exact fractions while they fit 128 bits, and the factor between two of them.
#pragma once

#include <optional>
#include <string_view>

namespace quillex::unitgen {

__extension__ typedef __int128 Int128;

// A positive size: num / den * pi^piPower when `exact`, and always about `approx`.
struct Size {
    bool exact = true;
    Int128 num = 1;
    Int128 den = 1;
    int piPower = 0;
    long double approx = 1;

    void Reduce();
    void Multiply(const Size& other);
    void Divide(Size other);
    static bool Times(Int128& a, Int128 b) { return !__builtin_mul_overflow(a, b, &a); }
};

// size := factor (('*' | '/') factor)*, factor := (number | "pi") ('^' integer)?; nothing for
// a text of another form.
std::optional<Size> ParseSize(std::string_view text);

// The factor a / b: rounded once to the nearest double when both are exact fractions without
// pi, so that exactly defined units give exact decimal factors.
double Ratio(const Size& a, const Size& b);

}  // namespace quillex::unitgen
