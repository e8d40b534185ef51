#include <gtest/gtest.h>

#include "text/Cp1252.h"

namespace quillex {
namespace {

TEST(Cp1252, RoundTripsEveryByte) {
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t cp = Cp1252ToCodePoint(static_cast<unsigned char>(byte));
        ASSERT_EQ(CodePointToCp1252(cp), static_cast<unsigned char>(byte)) << byte;
        const std::string text(1, static_cast<char>(byte));
        ASSERT_EQ(Utf8ToCp1252(Cp1252ToUtf8(text)), text) << byte;
    }
}

TEST(Cp1252, Conversions) {
    EXPECT_EQ(Utf8ToCp1252("\xe2\x82\xac 5 \xc3\xa4"), "\x80 5 \xe4");  // € and ä
    EXPECT_EQ(Cp1252ToUtf8("L\xe4nge \x80"), "L\xc3\xa4nge \xe2\x82\xac");
    // Characters outside the code page, and every byte of a broken sequence, become one byte.
    EXPECT_EQ(Utf8ToCp1252("\xe2\x88\x9a"
                           "2"),
              "\x81"
              "2");                                       // √2
    EXPECT_EQ(Utf8ToCp1252("\xf0\x9f\x98\x80"), "\x81");  // an emoji
    EXPECT_EQ(Utf8ToCp1252("\xc3"
                           "1"),
              "\x81"
              "1");                                           // cut sequence
    EXPECT_EQ(Utf8ToCp1252("\xc0\xaf"), "\x81\x81");          // overlong '/'
    EXPECT_EQ(Utf8ToCp1252("\xed\xa0\x80"), "\x81\x81\x81");  // surrogate
    EXPECT_EQ(Utf8ToCp1252("\xe2\x88\x9a", '?'), "?");
    EXPECT_FALSE(CodePointToCp1252(0x221A).has_value());
}

TEST(Cp1252, PastedTextBecomesWhatTheEngineReads) {
    struct Row {
        const char* pasted;
        const char* typed;
    };
    const Row rows[] = {
        {"3\u00d74\u22122", "3*4-2"},
        {"2\u00b73\u00f74", "2*3/4"},
        {"1\u20122\u20133\u20144", "1-2-3-4"},
        {"1\u00a0000\u20092\u202f3", "1 000 2 3"},
        {"\u221a2+\U0001F600x", "2+x"},  // outside the code page: left out
        {"\xc3(1)\xff", "(1)"},          // invalid bytes: left out
        {"\u00e4\u20ac5,5",
         "\xe4\x80"
         "5,5"},  // in the code page: kept
    };
    for (const Row& row : rows) {
        EXPECT_EQ(PastedTextToCp1252(row.pasted), row.typed) << row.pasted;
    }
}

}  // namespace
}  // namespace quillex
