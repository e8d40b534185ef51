// The texts of the text table as QStrings, for the windows.
#pragma once

#include <QString>

#include <string_view>

#include "text/Texts.h"

namespace quillex {

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The text in the current language.
inline QString Tr(TextId id) {
    return FromUtf8(Text(id));
}

}  // namespace quillex
