// Texts the program shows, in UTF-8.
#pragma once

#include <string_view>

namespace quillex::texts {

inline constexpr std::string_view kInputTooLong = "Maximale Länge eines Terms ist 128 Zeichen";
inline constexpr std::string_view kInputTooLongCaption = "Error";

}  // namespace quillex::texts
