#include "text/Cp1252.h"

#include <algorithm>
#include <array>

namespace quillex {
namespace {

// Code points of the bytes 0x80..0x9F; the five unused positions map to themselves.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Both encodings write the first 128 code points as those bytes, so a text of them alone is the
// same in either: the common case, taken with one pass over the bytes.
bool IsAscii(std::string_view text) {
    return std::ranges::none_of(text, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// The code point of the UTF-8 sequence at `i`, which moves past it; an invalid sequence gives
// nothing and moves one byte on.
std::optional<char32_t> DecodeUtf8(std::string_view utf8, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        length = 1;
        cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
        minimum = 0x10000;
    }
    bool valid = length > 0 && i + length <= utf8.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
        const auto next = static_cast<unsigned char>(utf8[i + k]);
        valid = (next & 0xC0) == 0x80;
        cp = (cp << 6) | (next & 0x3F);
    }
    valid = valid && cp >= minimum && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
    if (!valid) {
        ++i;
        return std::nullopt;
    }
    i += length;
    return cp;
}

// What the user means by a typographic character that the engine does not read: the operator
// or blank it stands for, or NUL for any other character.
char TypedForTypographic(char32_t cp) {
    switch (cp) {
        case 0x00D7:  // multiplication sign
        case 0x00B7:  // middle dot
            return '*';
        case 0x00F7:  // division sign
            return '/';
        case 0x2212:  // minus sign
        case 0x2012:  // figure dash
        case 0x2013:  // en dash
        case 0x2014:  // em dash
            return '-';
        case 0x00A0:  // no-break space
        case 0x2007:  // figure space
        case 0x2008:  // punctuation space
        case 0x2009:  // thin space
        case 0x200A:  // hair space
        case 0x202F:  // narrow no-break space
            return ' ';
        default:
            return '\0';
    }
}

}  // namespace

char32_t Cp1252ToCodePoint(unsigned char byte) {
    // A table of all 256, so that decoding a text takes no comparison per byte.
    static constexpr std::array<char32_t, 256> kCodePoints = [] {
        std::array<char32_t, 256> table{};
        for (std::size_t i = 0; i < table.size(); ++i) {
            table[i] = i >= 0x80 && i < 0xA0 ? kHighControls[i - 0x80] : static_cast<char32_t>(i);
        }
        return table;
    }();
    return kCodePoints[byte];
}

std::optional<unsigned char> CodePointToCp1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

std::string Utf8ToCp1252(std::string_view utf8, char replacement) {
    if (IsAscii(utf8)) {
        return std::string(utf8);
    }
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::optional<char32_t> cp = DecodeUtf8(utf8, i);
        const auto byte = cp ? CodePointToCp1252(*cp) : std::nullopt;
        out += byte ? static_cast<char>(*byte) : replacement;
    }
    return out;
}

std::string PastedTextToCp1252(std::string_view utf8, std::size_t limit) {
    std::string out;
    out.reserve(std::min(utf8.size(), limit));
    std::size_t i = 0;
    while (i < utf8.size() && out.size() < limit) {
        const std::optional<char32_t> cp = DecodeUtf8(utf8, i);
        if (!cp) {
            continue;
        }
        if (const char typed = TypedForTypographic(*cp); typed != '\0') {
            out += typed;
        } else if (const auto byte = CodePointToCp1252(*cp)) {
            out += static_cast<char>(*byte);
        }
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view text) {
    if (IsAscii(text)) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        AppendUtf8(out, Cp1252ToCodePoint(static_cast<unsigned char>(c)));
    }
    return out;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace quillex
