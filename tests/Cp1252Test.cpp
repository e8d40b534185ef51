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

}  // namespace
}  // namespace quillex
