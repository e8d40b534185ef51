// Texts between Qt's QStrings and the 8-bit (code page 1252) texts of the logic
// behind them.
#pragma once

#include <QString>

#include <string>
#include <string_view>

#include "text/Cp1252.h"

namespace quillex {

inline std::string ToCp1252(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

inline QString FromCp1252(std::string_view text) {
    const std::string utf8 = Cp1252ToUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace quillex
