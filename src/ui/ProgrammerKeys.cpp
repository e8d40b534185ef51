#include "ui/ProgrammerKeys.h"

#include <array>

#include "bases/ProgrammerFields.h"

namespace quillex {
namespace {

constexpr int kW = 22;  // the small buttons: 22 x 13 dialog units, 23 apart
constexpr int kH = 13;
constexpr int kRow1 = 66;
constexpr int kRow2 = 81;
constexpr int Column(int i) {
    return 2 + 23 * i;
}
constexpr int kIconX = 192;  // the icon column beside the four field rows
constexpr int kIconW = 16;

constexpr int Moving(BitMove move) {
    return static_cast<int>(move);
}

using A = ProgKeyAction;
using C = ProgKeyColour;

constexpr std::array kKeys = {
    // First row
    ProgrammerKey{"4 Bit", "4 Bit", A::Width, 0, "", C::Width,
                  "4 Bit .. Sets the Base for Binary Operations",
                  "4 Bit .. Basis für alle Binäroperationen", Column(0), kRow1, kW, kH},
    ProgrammerKey{"8 Bit", "8 Bit", A::Width, 1, "", C::Width,
                  "8 Bit .. Sets the Base for Binary Operations",
                  "8 Bit .. Basis für alle Binäroperationen", Column(1), kRow1, kW, kH},
    ProgrammerKey{"16 Bit", "16 Bit", A::Width, 2, "", C::Width,
                  "16 Bit .. Sets the Base for Binary Operations",
                  "16 Bit .. Basis für alle Binäroperationen", Column(2), kRow1, kW, kH},
    ProgrammerKey{"32 Bit", "32 Bit", A::Width, 3, "", C::Width,
                  "32 Bit .. Sets the Base for Binary Operations",
                  "32 Bit .. Basis für alle Binäroperationen", Column(3), kRow1, kW, kH},
    ProgrammerKey{"and", "and", A::Insert, 0, "&", C::Default,
                  "The bitwise AND operator perform bitwise-AND (&)", "Bitweise AND Operator (&)",
                  Column(4), kRow1, kW, kH},
    ProgrammerKey{"or", "or", A::Insert, 0, "|", C::Default,
                  "The bitwise OR operator perform bitwise-OR (|)", "Bitweise OR  Operator (|)",
                  Column(5), kRow1, kW, kH},
    ProgrammerKey{"xor", "xor", A::Insert, 0, "^", C::Default,
                  "The bitwise XOR operator perform bitwise-XOR (^)", "Bitweise XOR Operator (^)",
                  Column(6), kRow1, kW, kH},
    ProgrammerKey{"not", "not", A::Insert, 0, "not(", C::Default,
                  "The bitwise NOT operator perform bitwise-Not ", "Bitweise NOT Operator (not()",
                  Column(7), kRow1, kW, kH},
    ProgrammerKey{"GetBit", "GetBit", A::GetBit, 0, "", C::Green,
                  "GetBits: Tells you how many binary bits you need",
                  "GetBits: Errechnet die Bits zur Darstellung des Ergebnisses", Column(8), kRow1,
                  kW, kH},
    // Second row
    ProgrammerKey{"Dec()", "Dec()", A::InsertEvaluate, 0, "dec(", C::Blue,
                  "Dec(), the Base is Decimal, for example : dec(100)^bin(111111) = 91",
                  "Dec(), die Zahlenbasis ist Dezimal, Beispiel: dec(100)^bin(111111) = 91",
                  Column(0), kRow2, kW, kH},
    ProgrammerKey{"Bin()", "Bin()", A::InsertEvaluate, 0, "bin(", C::Blue,
                  "Bin(), the Base is Binary, for example: bin(10101)|hex(1D) = 17d",
                  "Bin(), die Zahlenbasis ist Binär, Beispiel: bin(10101)|hex(1D) = 17d", Column(1),
                  kRow2, kW, kH},
    ProgrammerKey{"Hex()", "Hex()", A::InsertEvaluate, 0, "hex(", C::Blue,
                  "Hex(), the Base is Hexadecimal, for example : hex(FFD8)",
                  "Hex(), die Zahlenbasis ist Hex, Beispiel: hex(FFD8)", Column(2), kRow2, kW, kH},
    ProgrammerKey{"Oct()", "Oct()", A::InsertEvaluate, 0, "oct(", C::Blue,
                  "Oct(), the Base is Octal, for example : oct(456)",
                  "Oct(), die Zahlenbasis ist Octal, Beispiel: oct(456)", Column(3), kRow2, kW, kH},
    ProgrammerKey{"nand", "nand", A::Insert, 0, "#", C::Default, "NAND, Not AND ",
                  "NAND, Nicht Und ", Column(4), kRow2, kW, kH},
    ProgrammerKey{"nor", "nor", A::Insert, 0, "?", C::Default, "NOR, Not OR ", "NOR, Nicht Oder ",
                  Column(5), kRow2, kW, kH},
    ProgrammerKey{"mod", "mod", A::Insert, 0, "%", C::Default,
                  "Mod, Modulo Operator % gives you the remainder, example 6%4 = 2",
                  "Mod, Modulo Operator % errechnet den Rest, Beispiel 6%4 = 2", Column(6), kRow2,
                  kW, kH},
    ProgrammerKey{"sign", "sign", A::Sign, 0, "", C::Default,
                  "Sign, the result is Positive or Negative (MSB 1 or 0)",
                  "Vorzeichen, das Ergebnis ist Positv oder Negativ (MSB 1 oder 0)", Column(7),
                  kRow2, kW, kH},
    ProgrammerKey{"Parity", "Parity", A::Parity, 0, "", C::Green,
                  "Parity: Is this Value ODD or EVEN",
                  "Parity: Ist das Ergebnis nun Gerade oder Ungerade", Column(8), kRow2, kW, kH},
    // The icon column, top to bottom, and Inv beside the second of them
    ProgrammerKey{"", "Shift left", A::Move, Moving(BitMove::ShiftLeft), "", C::Default,
                  "Shift one bit to the left", "Ein Bit nach links schieben", kIconX, 4, kIconW,
                  kH},
    ProgrammerKey{"", "Shift right", A::Move, Moving(BitMove::ShiftRight), "", C::Default,
                  "Shift one bit to the right", "Ein Bit nach rechts schieben", kIconX, 18, kIconW,
                  kH},
    ProgrammerKey{"", "Rotate right", A::Move, Moving(BitMove::RotateRight), "", C::Default,
                  "Rotate one bit to the right", "Ein Bit nach rechts rollen", kIconX, 32, kIconW,
                  kH},
    ProgrammerKey{"", "Rotate left", A::Move, Moving(BitMove::RotateLeft), "", C::Default,
                  "Rotate one bit to the left", "Ein Bit nach links rollen", kIconX, 46, kIconW,
                  kH},
    ProgrammerKey{"Inv", "Inv", A::Invert, 0, "", C::Default, "Alle Bits invertieren",
                  "Alle Bits invertieren", 172, 18, 18, kH},
};
static_assert(kKeys.size() == 23);

}  // namespace

std::span<const ProgrammerKey> ProgrammerKeys() {
    return kKeys;
}

}  // namespace quillex
