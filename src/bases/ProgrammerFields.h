// The programmer page without its widgets: the texts of its seven fields, what an edit of a
// field, a width change, Inv, a shift or rotation and a calculator result do to them, and the
// result-field commands sign, GetBit and Parity of its buttons.
//
// The window keeps one of these per page, passes every change of a field's text to `Edit`
// together with whether that field has the keyboard focus, and afterwards shows `Text` of
// each field. Texts are 8-bit (code page 1252).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/BitWidth.h"

namespace quillex {

enum class ProgField { Bin, Oct, Dec, Hex, AscII, Twos, Roman };
inline constexpr std::size_t kProgFieldCount = 7;

// The field's label, beside it on the page and before its text in the command line's output.
constexpr std::string_view ProgFieldLabel(ProgField field) {
    constexpr std::array<std::string_view, kProgFieldCount> kLabels = {
        "Bin", "Oct", "Dec", "Hex", "AscII", "2's", "Roman",
    };
    return kLabels[static_cast<std::size_t>(field)];
}

// The four buttons beside the fields, from top to bottom.
enum class BitMove { ShiftLeft, ShiftRight, RotateRight, RotateLeft };

inline constexpr std::size_t kMaxAsciiCharacters = 6;
// Longer Roman texts are read only up to here.
inline constexpr std::size_t kMaxRomanLength = 255;

struct EditOutcome {
    // The edit changed the page's value and the fields were updated.
    bool updated = false;
    // The page replaced the text of the field being edited (TextId::Overflow in Dec,
    // TextId::RomanRange in Roman). The window writes that text so that what the user typed
    // stays in the field's undo history.
    bool editedFieldRewritten = false;
    // Show a message box with TextId::ProgrammerAsciiTooLong, `asciiCaption` as its caption,
    // an exclamation icon and an OK button.
    bool asciiTooLong = false;
    std::string asciiCaption;
    // Why an entry was ignored (TextId::DigitNotAllowed); the page does not show it.
    std::string rejection;
};

class ProgrammerFields {
public:
    // Every field starts empty until the first update.
    explicit ProgrammerFields(const BitWidth& width = *BitWidthFromIndex(3));

    const std::string& Text(ProgField field) const { return texts_[Index(field)]; }
    const BitWidth& Width() const { return width_; }

    // The most characters the user may type into the field in the current width; 0 for no
    // limit (the read-only 2's field).
    std::size_t MaxLength(ProgField field) const;
    static bool IsEditable(ProgField field) { return field != ProgField::Twos; }

    // The field's text is now `text`. The change is acted on only while the field has the
    // focus, so the page's own writes never start another update; the AscII length check
    // comes first.
    EditOutcome Edit(ProgField field, std::string_view text, bool hasFocus);

    void SetWidth(const BitWidth& width);
    void Invert();
    void Move(BitMove move);

    // A result of the calculator: its Dec text (see HandOverText), then every other field.
    void ReceiveResult(double value);

    // Recomputes the fields from the Dec value; `source` is the field whose edit started it,
    // which keeps its text (Roman excepted when the value has no numeral).
    void UpdateFields(std::optional<ProgField> source = std::nullopt);

    // The value the Dec text stands for: 0 for the empty text, for "0" and for a text without
    // a leading number (such as TextId::Overflow).
    double DecValue() const;

private:
    static std::size_t Index(ProgField field) { return static_cast<std::size_t>(field); }
    std::string& At(ProgField field) { return texts_[Index(field)]; }
    // Writes the Dec text of a value read from another field and updates from that field.
    void TakeValue(double value, ProgField source);

    BitWidth width_;
    std::array<std::string, kProgFieldCount> texts_;
};

// The Dec text a calculator result arrives as: "%.0f" of the value checked against the width;
// a negative value (and NaN) as "0", an infinite one as TextId::Overflow.
std::string HandOverText(double value, const BitWidth& width);

// The result-field commands. Each reads the leading integer of the result text modulo 2^32 as
// a signed 32-bit number and gives the text that replaces the result, or nothing when the text
// is empty or the number is 0.
std::optional<std::string> SignText(std::string_view resultText, const BitWidth& width);
std::optional<std::string> GetBitText(std::string_view resultText);
std::optional<std::string> ParityText(std::string_view resultText);

}  // namespace quillex
