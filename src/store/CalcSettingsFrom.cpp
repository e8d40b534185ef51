#include "store/CalcSettingsFrom.h"

#include <QByteArray>

#include <string_view>

#include "bases/BitWidth.h"
#include "engine/Cp1252.h"
#include "store/Settings.h"

namespace quillex {
namespace {

std::string ToCp1252(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

}  // namespace

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
    calc.display.decimalComma = settings.decimalComma != 0;
    return calc;
}

}  // namespace quillex
