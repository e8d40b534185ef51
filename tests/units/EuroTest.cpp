#include <gtest/gtest.h>

#include <set>
#include <string>

#include "units/Euro.h"

namespace quillex {
namespace {

TEST(Euro, TableHoldsElevenCurrenciesWithDistinctCodes) {
    const auto rates = EuroRates();
    ASSERT_EQ(rates.size(), 11u);
    std::set<std::string_view> codes;
    for (const EuroRate& rate : rates) {
        EXPECT_TRUE(codes.insert(rate.code).second) << rate.code;
    }
    // The rates are single-precision values widened to double.
    EXPECT_EQ(static_cast<double>(CurrencyAt(7).rate), 1936.27001953125);
    EXPECT_EQ(static_cast<double>(CurrencyAt(10).rate), 200.48199462890625);
}

TEST(Euro, StoredIndexOutsideTheTableCountsAsTheFirstCurrency) {
    for (const int index : {-1, 11, 1000}) {
        EXPECT_EQ(ValidCurrencyIndex(index), 0) << index;
        EXPECT_EQ(CurrencyAt(index).code, "ATS");
    }
    EXPECT_EQ(ValidCurrencyIndex(10), 10);
}

TEST(Euro, ConversionTexts) {
    struct Row {
        bool toCurrency;
        double value;
        int currency, thousands;
        bool decimalComma, succeeded;
        const char* expected;
    };
    const Row rows[] = {
        {true, 1, 7, 0, false, true, "1936.270020 ITL"},
        {true, 1, 10, 0, false, true, "200.481995 PTE"},
        {true, 1, 1, 0, false, true, "40.339901 BEF"},
        {true, 1, 3, 0, false, true, "166.386002 ESP"},
        {false, 100, 2, 0, false, true, "51.129189 Euro"},
        {true, 1, 7, 0, true, true, "1936,270020 ITL"},
        {false, 1234.5, 2, 1, false, true, "631,189834 Euro"},
        {true, 1000, 7, 1, false, true, "1.936.270,019531 ITL"},
        {true, 1000, 7, 2, false, true, "1,936,270.019531 ITL"},
        // After a failed evaluation the digits stay ungrouped; the comma style still swaps.
        {true, 1000, 7, 1, false, false, "1936270.019531 ITL"},
        {true, 1000, 7, 2, false, false, "1936270,019531 ITL"},
        // The decimal comma counts only without separators.
        {true, 1000, 7, 2, true, true, "1,936,270.019531 ITL"},
        {true, -1000, 7, 1, false, true, "-1.936.270,019531 ITL"},
    };
    for (const Row& r : rows) {
        const std::string text =
            r.toCurrency
                ? EuroToCurrencyText(r.value, r.currency, r.thousands, r.decimalComma, r.succeeded)
                : CurrencyToEuroText(r.value, r.currency, r.thousands, r.decimalComma, r.succeeded);
        EXPECT_EQ(text, r.expected);
    }
}

// The command line shows more digits than the result field: it takes the decimal rates the
// floats were made from, found by any spelling of a code.
TEST(Euro, CodesGiveTheDecimalRates) {
    EXPECT_EQ(RateOfCode("eur"), 1.0);
    EXPECT_EQ(RateOfCode("DEM"), 1.95583);
    EXPECT_EQ(RateOfCode("dm"), 1.95583);
    EXPECT_EQ(RateOfCode("itl"), 1936.27);
    EXPECT_EQ(RateOfCode("IEP"), 0.787564);
    EXPECT_EQ(RateOfCode("PTE"), 200.482);
    for (const EuroRate& currency : EuroRates()) {
        EXPECT_EQ(static_cast<float>(DecimalRate(currency)), currency.rate) << currency.code;
        EXPECT_EQ(RateOfCode(IsoCode(currency)), DecimalRate(currency)) << currency.code;
    }
    EXPECT_FALSE(RateOfCode("USD"));
    EXPECT_FALSE(RateOfCode(""));
    EXPECT_FALSE(RateOfCode("DEMX"));
}

TEST(Euro, HugeAmountsAreWrittenWhole) {
    const std::string text = FormatEuroAmount(1.7976931348623157e308, 0, false, true);
    EXPECT_EQ(text.size(), 316u);
    EXPECT_EQ(text.substr(text.size() - 7), ".000000");
}

}  // namespace
}  // namespace quillex
