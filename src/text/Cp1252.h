// Windows code page 1252, the 8-bit text of expressions, the tape file and the data files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillex {

// A byte that stands for a character the code page lacks: it is neither a letter nor a digit
// nor an operator to the engine, and it decodes to U+0081 as the code page's unused positions do.
inline constexpr char kUnmappableByte = '\x81';

char32_t Cp1252ToCodePoint(unsigned char byte);
std::optional<unsigned char> CodePointToCp1252(char32_t codePoint);

// Each code point becomes one byte; a code point outside the code page, and each byte of an
// invalid UTF-8 sequence, becomes `replacement`.
std::string Utf8ToCp1252(std::string_view utf8, char replacement = kUnmappableByte);
std::string Cp1252ToUtf8(std::string_view text);

// Pasted or dropped text as the engine reads it: multiplication signs and middle dots become
// "*", the division sign "/", the minus sign and the dashes "-", no-break and thin spaces
// blanks; other characters outside the code page and invalid bytes are left out. Reading stops
// at `limit` characters.
std::string PastedTextToCp1252(std::string_view utf8, std::size_t limit = std::string::npos);

// Whether two texts are the same but for the case of the letters A to Z, whatever the locale.
bool SameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace quillex
