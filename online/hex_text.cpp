#include "online/hex_text.h"

#include <array>
#include <cstdint>

namespace zembrix {
namespace {

constexpr std::uint8_t kNotADigit = 0x10;

// Digit values, and kNotADigit for every other byte, so that one OR over a whole text tells
// whether any character was bad without a branch per character.
constexpr std::array<std::uint8_t, 256> kDigitValue = [] {
  std::array<std::uint8_t, 256> values{};
  for (auto& value : values) value = kNotADigit;
  for (int i = 0; i < 10; ++i) values['0' + i] = static_cast<std::uint8_t>(i);
  for (int i = 0; i < 6; ++i) {
    values['A' + i] = static_cast<std::uint8_t>(10 + i);
    values['a' + i] = static_cast<std::uint8_t>(10 + i);
  }
  return values;
}();

inline std::uint8_t DigitValue(char c) { return kDigitValue[static_cast<unsigned char>(c)]; }

}  // namespace

Text HexTextOf(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  Text text(2 * bytes.size(), '0');
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    auto byte = static_cast<unsigned char>(bytes[i]);
    text[2 * i] = kDigits[byte >> 4];
    text[2 * i + 1] = kDigits[byte & 0x0F];
  }
  return text;
}

std::size_t FindNonHexDigit(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (DigitValue(text[i]) == kNotADigit) return i;
  }
  return std::string_view::npos;
}

int HexDigitValue(char c) {
  std::uint8_t value = DigitValue(c);
  return value == kNotADigit ? -1 : value;
}

bool DecodeHexPairs(std::string_view text, char* out) {
  std::uint8_t seen = 0;
  std::size_t pairs = text.size() / 2;
  for (std::size_t i = 0; i < pairs; ++i) {
    std::uint8_t high = DigitValue(text[2 * i]);
    std::uint8_t low = DigitValue(text[2 * i + 1]);
    seen |= high | low;
    out[i] = static_cast<char>((high << 4) | (low & 0x0F));
  }
  return (seen & kNotADigit) == 0;
}

}  // namespace zembrix
