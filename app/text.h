// Text: the program's string type. All text is GBK (ANSI code page 936) bytes; an absent
// text and an empty text are the same value, and lengths are byte counts.
#pragma once

#include <string>

namespace zembrix {

using Text = std::string;

// A byte that starts a two-byte GBK character; the byte after it belongs to the same character.
inline bool IsGbkLeadByte(char byte) {
  auto value = static_cast<unsigned char>(byte);
  return value >= 0x81 && value <= 0xFE;
}

}  // namespace zembrix
