// A libFuzzer target over the paste path of the expression field, fed with arbitrary bytes read
// as the clipboard's text twice: as UTF-16 (lone surrogates included) and as UTF-8.
//   - PastedInput, what a paste or a drop brings into the field;
//   - KeptInput, what the field keeps of a text the calculation cut.
//
// Besides the sanitizers' checks it checks what must hold for every text: a paste brings at most
// one character more than the input limit, each a character of the code page (so no half of a
// surrogate pair), and is the start of the whole text's normalisation; the kept text is the
// start of the text, holds at most the limit's characters (a pair counting as one), ends
// between two characters, never inside a pair, and is exactly what the calculation took of the
// text.
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "engine/Calculation.h"
#include "store/CalculatorState.h"
#include "store/QtCp1252.h"
#include "text/Cp1252.h"

namespace {

using quillex::kMaxInputLength;

std::string Described(const QString& text) {
    std::string out;
    for (const QChar c : text) {
        char unit[8];
        std::snprintf(unit, sizeof unit, "%04X ", c.unicode());
        out += unit;
    }
    return out;
}

// Characters as the user counts them: a surrogate pair is one.
std::size_t Characters(const QString& text) {
    std::size_t count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        count += text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate() ? 0 : 1;
    }
    return count;
}

void CheckPasted(const QString& text) {
    const auto context = [&] { return "pasted " + Described(text); };
    const QString pasted = quillex::PastedInput(text);
    FUZZ_CHECK(static_cast<std::size_t>(pasted.size()) <= kMaxInputLength + 1, context());
    for (const QChar c : pasted) {
        FUZZ_CHECK(!c.isSurrogate() && quillex::CodePointToCp1252(c.unicode()).has_value(),
                   context() + " brought in " + Described(pasted));
    }
    const QByteArray utf8 = text.toUtf8();
    const QString whole = quillex::FromCp1252(quillex::PastedTextToCp1252(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size()))));
    FUZZ_CHECK(whole.startsWith(pasted) &&
                   pasted.size() == std::min<qsizetype>(whole.size(), kMaxInputLength + 1),
               context() + " brought in " + Described(pasted) + " of " + Described(whole));
}

void CheckKept(const QString& text) {
    const auto context = [&] { return "kept of " + Described(text); };
    const QString kept = quillex::KeptInput(text);
    FUZZ_CHECK(text.startsWith(kept), context());
    FUZZ_CHECK(Characters(kept) == std::min(Characters(text), kMaxInputLength), context());
    const qsizetype end = kept.size();
    FUZZ_CHECK(end == 0 || end == text.size() ||
                   !(text[end - 1].isHighSurrogate() && text[end].isLowSurrogate()),
               context() + " splits a pair");
    // The field keeps what the calculation evaluated: the input's first characters in the code
    // page, one byte each.
    const std::string input = quillex::ToCp1252(text);
    FUZZ_CHECK(quillex::ToCp1252(kept) == input.substr(0, kMaxInputLength), context());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString utf16(reinterpret_cast<const QChar*>(data), static_cast<qsizetype>(size / 2));
    const QString utf8 =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QString* text : {&utf16, &utf8}) {
        CheckPasted(*text);
        CheckKept(*text);
    }
    return 0;
}
