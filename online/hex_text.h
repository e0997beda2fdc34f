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

// Decodes digit pairs from the first character into out, which must hold (text.size() + 1) / 2
// bytes. A lone last digit is a byte of its own (0 to 15), not a high nibble. Returns false,
// with out partly written, when any character is not a hexadecimal digit.
bool DecodeHexText(std::string_view text, char* out);

}  // namespace zembrix
