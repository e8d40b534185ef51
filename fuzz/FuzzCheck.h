// What the fuzz targets over the number bases, the command line and the settings share: the
// failing check, and the rule that ties the programmer page's seven fields to its Dec value.
#pragma once

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "bases/BaseCodec.h"
#include "bases/ProgrammerFields.h"
#include "engine/BitWidth.h"
#include "text/NumberText.h"
#include "text/Texts.h"

namespace quillex::fuzz {

inline std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\') {
            out += c;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        }
    }
    return out;
}

[[noreturn]] inline void Fail(const char* condition, const std::string& detail) {
    std::fprintf(stderr, "fuzz check failed: %s\n%s\n", condition, detail.c_str());
    std::abort();
}

}  // namespace quillex::fuzz

// The detail is only built when the check fails.
#define FUZZ_CHECK(condition, detail)                  \
    do {                                               \
        if (!(condition)) {                            \
            ::quillex::fuzz::Fail(#condition, detail); \
        }                                              \
    } while (0)

namespace quillex::fuzz {

// Doubles hold every integer below 2^53 exactly.
inline constexpr double kExactLimit = 9007199254740992.0;

inline bool IsWhole(double v) {
    return std::isfinite(v) && std::trunc(v) == v;
}

// The fields of the programmer page, in ProgField order, for the checks below.
using PageTexts = std::array<std::string, kProgFieldCount>;

inline std::string Describe(const PageTexts& texts, const BitWidth& width) {
    static constexpr const char* kNames[] = {"Bin", "Oct", "Dec", "Hex", "AscII", "2's", "Roman"};
    std::string out = "width " + std::to_string(width.bits);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        out += std::string(", ") + kNames[i] + " \"" + Escaped(texts[i]) + "\"";
    }
    return out;
}

// Every field the page computed must show the value its Dec text stands for. `kept` has a bit
// for each field that holds what the user typed rather than what the page wrote (ProgField
// order). While Dec itself is kept, shows "Overflow" or reads -1, the page has not followed it
// and there is nothing to compare.
inline void CheckPageFollowsDec(const PageTexts& texts, const BitWidth& width, unsigned kept) {
    const auto at = [&texts](ProgField field) -> const std::string& {
        return texts[static_cast<std::size_t>(field)];
    };
    const auto isKept = [kept](ProgField field) {
        return (kept >> static_cast<unsigned>(field) & 1u) != 0;
    };
    const std::string& dec = at(ProgField::Dec);
    if (isKept(ProgField::Dec) || dec == Text(TextId::Overflow)) {
        return;
    }
    std::string upper = dec;
    for (char& c : upper) {
        c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    const double v = dec.empty() || dec == "0" ? 0.0 : ReadLeadingNumber(upper);
    if (v == BaseCodec::kFailureValue) {
        return;
    }
    const auto context = [&] { return Describe(texts, width); };
    // A negative value shows the bits of its two's complement.
    const double shown = v < 0 ? BaseCodec::LowBits(v, width) : v;
    FUZZ_CHECK(shown < width.bound, "no overflow shown for a value beyond the width: " + context());
    const double whole = std::floor(shown);

    if (!isKept(ProgField::Bin)) {
        const std::string& bin = at(ProgField::Bin);
        const auto bits = static_cast<std::size_t>(width.bits);
        FUZZ_CHECK(bin.size() == bits + bits / 4 - 1, "Bin not grouped to the width: " + context());
        for (std::size_t i = 4; i < bin.size(); i += 5) {
            FUZZ_CHECK(bin[i] == ' ', "Bin groups: " + context());
        }
        FUZZ_CHECK(BaseCodec::ParseInBase(2, bin) == whole, "Bin value: " + context());
    }
    if (!isKept(ProgField::Oct)) {
        const std::string& oct = at(ProgField::Oct);
        FUZZ_CHECK(oct.size() == 1 || oct.front() != '0', "Oct leading zero: " + context());
        FUZZ_CHECK(BaseCodec::ParseInBase(8, oct) == whole, "Oct value: " + context());
    }
    if (!isKept(ProgField::Hex)) {
        const std::string& hex = at(ProgField::Hex);
        FUZZ_CHECK(hex.size() == static_cast<std::size_t>(width.hexDigits),
                   "Hex not padded to the width: " + context());
        FUZZ_CHECK(BaseCodec::ParseInBase(16, hex) == whole, "Hex value: " + context());
    }
    if (!isKept(ProgField::AscII)) {
        // The low four bytes, most significant first, a byte below 31 as '_'; nothing while
        // the value has a single hex digit.
        const std::string& ascii = at(ProgField::AscII);
        const auto word = static_cast<std::uint32_t>(whole);
        if (whole < 16) {
            FUZZ_CHECK(ascii.empty(), "AscII of a single hex digit: " + context());
        } else {
            FUZZ_CHECK(ascii.size() == 4, "AscII length: " + context());
            for (std::size_t i = 0; i < 4 && i < ascii.size(); ++i) {
                const auto byte = static_cast<unsigned char>(word >> (8 * (3 - i)) & 0xFFu);
                const char expected = byte < 31 ? '_' : static_cast<char>(byte);
                FUZZ_CHECK(ascii[i] == expected, "AscII character: " + context());
            }
        }
    }
    if (!isKept(ProgField::Roman)) {
        const double truncated = std::trunc(v);
        if (truncated >= 1 && truncated <= 3999) {
            FUZZ_CHECK(
                static_cast<double>(BaseCodec::IntFromRoman(at(ProgField::Roman))) == truncated,
                "Roman value: " + context());
        } else {
            FUZZ_CHECK(at(ProgField::Roman) == Text(TextId::RomanRange),
                       "Roman range: " + context());
        }
    }
    // 2's is read-only, so the page always wrote it: the value itself while its sign bit is
    // clear, otherwise the negative number its low bits stand for.
    if (IsWhole(v)) {
        const double low = BaseCodec::LowBits(v, width);
        const double expected = low < width.signBit ? v : low - width.bound;
        FUZZ_CHECK(ReadLeadingNumber(at(ProgField::Twos)) == expected, "2's value: " + context());
    }
}

}  // namespace quillex::fuzz
