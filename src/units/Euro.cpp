#include "units/Euro.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

#include "engine/ResultFormat.h"
#include "text/Cp1252.h"

namespace quillex {
namespace {

constexpr std::array<EuroRate, kCurrencyCount> kRates = {{
    {13.7603f, "\xD6sterreichische Schilling", "ATS"},
    {40.3399f, "Belgischer Franc", "BEF"},
    {1.95583f, "Deutsche Mark", "DM"},
    {166.386f, "Spanische Peseta", "ESP"},
    {5.94573f, "Finnmark", "FIM"},
    {6.55957f, "Franz\xF6sischer Franc", "FRF"},
    {0.787564f, "Irisches Punt ", "IEP"},
    {1936.27f, "Italienische Lira", "ITL"},
    {40.3399f, "Luxemburgischer Franc", "LUF"},
    {2.20371f, "Holl\xE4ndischer Gulden", "NLG"},
    {200.482f, "Portugiesischer Escudo", "PTE"},
}};

}  // namespace

std::span<const EuroRate> EuroRates() {
    return kRates;
}

int ValidCurrencyIndex(int index) {
    return index >= 0 && index < kCurrencyCount ? index : 0;
}

const EuroRate& CurrencyAt(int index) {
    return kRates[static_cast<std::size_t>(ValidCurrencyIndex(index))];
}

std::string_view IsoCode(const EuroRate& currency) {
    return currency.code == "DM" ? "DEM" : currency.code;
}

double DecimalRate(const EuroRate& currency) {
    // The shortest text that reads back as the float is the decimal it was written from: every
    // rate has at most six significant digits, which a float tells apart.
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, currency.rate);
    double rate = currency.rate;
    std::from_chars(text, written.ptr, rate);
    return rate;
}

std::optional<double> RateOfCode(std::string_view code) {
    if (SameIgnoringCase(code, kEuroCode)) {
        return 1.0;
    }
    for (const EuroRate& currency : kRates) {
        if (SameIgnoringCase(code, currency.code) || SameIgnoringCase(code, IsoCode(currency))) {
            return DecimalRate(currency);
        }
    }
    return std::nullopt;
}

std::string FormatEuroAmount(double amount, int thousands, bool decimalComma,
                             bool lastEvaluationSucceeded) {
    // "%.6f" of the largest double needs 316 characters.
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.6f", amount);
    std::string text = buffer;
    if (thousands != kThousandsNone) {
        // Grouping also turns the decimal point into a comma; after a failed evaluation the
        // digits stay ungrouped and only the swap of the comma style applies.
        if (lastEvaluationSucceeded) {
            text = GroupThousands(std::move(text));
        }
        if (thousands == kThousandsCommas) {
            SwapPointsAndCommas(text);
        }
    } else if (decimalComma) {
        std::replace(text.begin(), text.end(), '.', ',');
    }
    return text;
}

std::string EuroToCurrencyText(double value, int currencyIndex, int thousands, bool decimalComma,
                               bool lastEvaluationSucceeded) {
    const EuroRate& currency = CurrencyAt(currencyIndex);
    const double amount = value * static_cast<double>(currency.rate);
    return FormatEuroAmount(amount, thousands, decimalComma, lastEvaluationSucceeded) + " " +
           std::string(currency.code);
}

std::string CurrencyToEuroText(double value, int currencyIndex, int thousands, bool decimalComma,
                               bool lastEvaluationSucceeded) {
    const double amount = value / static_cast<double>(CurrencyAt(currencyIndex).rate);
    return FormatEuroAmount(amount, thousands, decimalComma, lastEvaluationSucceeded) + " Euro";
}

}  // namespace quillex
