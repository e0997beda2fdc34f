// Hexadecimal text: two digits per byte, high nibble first.
#pragma once

#include <cstddef>
#include <string_view>

#include "app/text.h"

namespace zembrix {

// The bytes as upper-case digit pairs, with no prefix or separator.
Text HexTextOf(std::string_view bytes);

// Index of the first character that is not a hexadecimal digit of either case, or npos.
std::size_t FindNonHexDigit(std::string_view text);

// The value of a hexadecimal digit of either case, or -1.
int HexDigitValue(char c);

// Decodes the digit pairs of text (an even number of characters) into text.size() / 2 bytes at
// out. Returns false, with out partly written, when any character is not a hexadecimal digit.
bool DecodeHexPairs(std::string_view text, char* out);

}  // namespace zembrix
