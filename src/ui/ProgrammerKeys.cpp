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
    ProgrammerKey{"4 Bit", TextId::NoText, A::Width, 0, "", C::Width, TextId::ProgrammerTipWidth4,
                  Column(0), kRow1, kW, kH},
    ProgrammerKey{"8 Bit", TextId::NoText, A::Width, 1, "", C::Width, TextId::ProgrammerTipWidth8,
                  Column(1), kRow1, kW, kH},
    ProgrammerKey{"16 Bit", TextId::NoText, A::Width, 2, "", C::Width, TextId::ProgrammerTipWidth16,
                  Column(2), kRow1, kW, kH},
    ProgrammerKey{"32 Bit", TextId::NoText, A::Width, 3, "", C::Width, TextId::ProgrammerTipWidth32,
                  Column(3), kRow1, kW, kH},
    ProgrammerKey{"and", TextId::NoText, A::Insert, 0, "&", C::Default, TextId::ProgrammerTipAnd,
                  Column(4), kRow1, kW, kH},
    ProgrammerKey{"or", TextId::NoText, A::Insert, 0, "|", C::Default, TextId::ProgrammerTipOr,
                  Column(5), kRow1, kW, kH},
    ProgrammerKey{"xor", TextId::NoText, A::Insert, 0, "^", C::Default, TextId::ProgrammerTipXor,
                  Column(6), kRow1, kW, kH},
    ProgrammerKey{"not", TextId::NoText, A::Insert, 0, "not(", C::Default, TextId::ProgrammerTipNot,
                  Column(7), kRow1, kW, kH},
    ProgrammerKey{"GetBit", TextId::NoText, A::GetBit, 0, "", C::Green, TextId::ProgrammerTipGetBit,
                  Column(8), kRow1, kW, kH},
    // Second row
    ProgrammerKey{"Dec()", TextId::NoText, A::InsertEvaluate, 0, "dec(", C::Blue,
                  TextId::ProgrammerTipDec, Column(0), kRow2, kW, kH},
    ProgrammerKey{"Bin()", TextId::NoText, A::InsertEvaluate, 0, "bin(", C::Blue,
                  TextId::ProgrammerTipBin, Column(1), kRow2, kW, kH},
    ProgrammerKey{"Hex()", TextId::NoText, A::InsertEvaluate, 0, "hex(", C::Blue,
                  TextId::ProgrammerTipHex, Column(2), kRow2, kW, kH},
    ProgrammerKey{"Oct()", TextId::NoText, A::InsertEvaluate, 0, "oct(", C::Blue,
                  TextId::ProgrammerTipOct, Column(3), kRow2, kW, kH},
    ProgrammerKey{"nand", TextId::NoText, A::Insert, 0, "#", C::Default, TextId::ProgrammerTipNand,
                  Column(4), kRow2, kW, kH},
    ProgrammerKey{"nor", TextId::NoText, A::Insert, 0, "?", C::Default, TextId::ProgrammerTipNor,
                  Column(5), kRow2, kW, kH},
    ProgrammerKey{"mod", TextId::NoText, A::Insert, 0, "%", C::Default, TextId::ProgrammerTipMod,
                  Column(6), kRow2, kW, kH},
    ProgrammerKey{"sign", TextId::NoText, A::Sign, 0, "", C::Default, TextId::ProgrammerTipSign,
                  Column(7), kRow2, kW, kH},
    ProgrammerKey{"Parity", TextId::NoText, A::Parity, 0, "", C::Green, TextId::ProgrammerTipParity,
                  Column(8), kRow2, kW, kH},
    // The icon column, top to bottom, and Inv beside the second of them
    ProgrammerKey{"", TextId::ProgrammerNameShiftLeft, A::Move, Moving(BitMove::ShiftLeft), "",
                  C::Default, TextId::ProgrammerTipShiftLeft, kIconX, 4, kIconW, kH},
    ProgrammerKey{"", TextId::ProgrammerNameShiftRight, A::Move, Moving(BitMove::ShiftRight), "",
                  C::Default, TextId::ProgrammerTipShiftRight, kIconX, 18, kIconW, kH},
    ProgrammerKey{"", TextId::ProgrammerNameRotateRight, A::Move, Moving(BitMove::RotateRight), "",
                  C::Default, TextId::ProgrammerTipRotateRight, kIconX, 32, kIconW, kH},
    ProgrammerKey{"", TextId::ProgrammerNameRotateLeft, A::Move, Moving(BitMove::RotateLeft), "",
                  C::Default, TextId::ProgrammerTipRotateLeft, kIconX, 46, kIconW, kH},
    ProgrammerKey{"Inv", TextId::NoText, A::Invert, 0, "", C::Default, TextId::ProgrammerTipInvert,
                  172, 18, 18, kH},
};
static_assert(kKeys.size() == 23);

}  // namespace

std::span<const ProgrammerKey> ProgrammerKeys() {
    return kKeys;
}

}  // namespace quillex
