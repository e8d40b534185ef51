#include "store/CalcSettingsFrom.h"

#include "engine/BitWidth.h"
#include "store/QtCp1252.h"
#include "store/Settings.h"

namespace quillex {

int EffectiveWidthIndex(int storedIndex) {
    return BitWidthFromIndex(storedIndex) ? storedIndex : kBitWidthCount - 1;
}

CalcSettings CalcSettingsFrom(const Settings& settings) {
    CalcSettings calc;
    calc.xText = ToCp1252(settings.xText);
    calc.yText = ToCp1252(settings.yText);
    calc.widthIndex = EffectiveWidthIndex(settings.widthIndex);
    calc.display.style = settings.displayStyle;
    calc.display.decimals = settings.decimals;
    calc.display.thousands = settings.thousands;
    calc.display.decimalComma = settings.decimalComma;
    return calc;
}

}  // namespace quillex
