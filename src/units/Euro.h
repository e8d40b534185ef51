// The fixed conversion rates between the Euro and eleven former national currencies, and the
// texts a conversion shows in the result field.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quillex {

struct EuroRate {
    float rate;             // units of the currency per Euro, held in single precision
    std::string_view name;  // German name, code page 1252 (no screen shows it)
    std::string_view code;  // shown after converted amounts and in the currency menu
};

inline constexpr int kCurrencyCount = 11;

// In table order: the index is what the setting "Euro" stores.
std::span<const EuroRate> EuroRates();

// The currency of a stored index; an index outside the table counts as the first currency.
int ValidCurrencyIndex(int index);
const EuroRate& CurrencyAt(int index);

// A converted amount as the result field shows it: six decimals, then the separator style
// (`thousands`, grouped only after a successful evaluation) or the decimal comma.
std::string FormatEuroAmount(double amount, int thousands, bool decimalComma,
                             bool lastEvaluationSucceeded);

// The result field's texts of the two conversions of `value`, the last successful result:
// "AMOUNT CODE" from Euro into the currency, "AMOUNT Euro" from the currency into Euro.
std::string EuroToCurrencyText(double value, int currencyIndex, int thousands, bool decimalComma,
                               bool lastEvaluationSucceeded);
std::string CurrencyToEuroText(double value, int currencyIndex, int thousands, bool decimalComma,
                               bool lastEvaluationSucceeded);

// The Euro's own code, which the table leaves out.
inline constexpr std::string_view kEuroCode = "EUR";

// The currency's ISO 4217 code: the shown code but for the Deutsche Mark, DEM for DM.
std::string_view IsoCode(const EuroRate& currency);

// The decimal rate the single-precision one was written from (1.95583 for the float nearest
// it): for amounts shown to more digits than the result field's six decimals, where the
// float's own digits would show.
double DecimalRate(const EuroRate& currency);

// Units per Euro of the currency a code names, in any case: 1 for the Euro, the decimal rate
// for a shown or an ISO code of the table; nothing for any other text.
std::optional<double> RateOfCode(std::string_view code);

}  // namespace quillex
