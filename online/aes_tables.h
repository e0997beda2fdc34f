// Constant tables of the AES block cipher, computed at compile time from the arithmetic of
// GF(2^8), so that no hand-typed value can be wrong. They are read only and shared by all threads.
#pragma once

#include <array>
#include <cstdint>

namespace zembrix::aes {

constexpr std::uint8_t Times2(std::uint8_t x) {
  return static_cast<std::uint8_t>((x << 1) ^ ((x & 0x80) != 0 ? 0x1B : 0x00));
}

constexpr std::uint8_t Multiply(std::uint8_t a, std::uint8_t b) {
  std::uint8_t product = 0;
  for (; b != 0; b >>= 1, a = Times2(a)) {
    if ((b & 1) != 0) product ^= a;
  }
  return product;
}

constexpr std::uint8_t RotateByteLeft(std::uint8_t x, int bits) {
  return static_cast<std::uint8_t>((x << bits) | (x >> (8 - bits)));
}

// Walks the powers of the generator 3 and its inverse together, so every non-zero byte meets its
// multiplicative inverse without a search; the affine map then gives the S-box value.
constexpr std::array<std::uint8_t, 256> MakeSbox() {
  std::array<std::uint8_t, 256> box{};
  std::uint8_t power = 1;
  std::uint8_t inverse = 1;
  do {
    power = static_cast<std::uint8_t>(power ^ Times2(power));
    inverse ^= static_cast<std::uint8_t>(inverse << 1);
    inverse ^= static_cast<std::uint8_t>(inverse << 2);
    inverse ^= static_cast<std::uint8_t>(inverse << 4);
    if ((inverse & 0x80) != 0) inverse ^= 0x09;
    box[power] = static_cast<std::uint8_t>(inverse ^ RotateByteLeft(inverse, 1) ^ RotateByteLeft(inverse, 2) ^
                                           RotateByteLeft(inverse, 3) ^ RotateByteLeft(inverse, 4) ^ 0x63);
  } while (power != 1);
  box[0] = 0x63;
  return box;
}

constexpr std::array<std::uint8_t, 256> Invert(const std::array<std::uint8_t, 256>& box) {
  std::array<std::uint8_t, 256> inverse{};
  for (int x = 0; x < 256; ++x) inverse[box[x]] = static_cast<std::uint8_t>(x);
  return inverse;
}

constexpr std::uint32_t Column(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
  return (std::uint32_t{b0} << 24) | (std::uint32_t{b1} << 16) | (std::uint32_t{b2} << 8) | b3;
}

inline constexpr std::array<std::uint8_t, 256> kSbox = MakeSbox();
inline constexpr std::array<std::uint8_t, 256> kInverseSbox = Invert(kSbox);

// S-box value times the MixColumns column (02, 01, 01, 03), first row in the high byte. The
// other three rows of a round are this table rotated right by 8, 16 and 24 bits.
inline constexpr std::array<std::uint32_t, 256> kEncryptTable = [] {
  std::array<std::uint32_t, 256> table{};
  for (int x = 0; x < 256; ++x) {
    std::uint8_t s = kSbox[x];
    table[x] = Column(Multiply(s, 2), s, s, Multiply(s, 3));
  }
  return table;
}();

// Inverse S-box value times the InvMixColumns column (0e, 09, 0d, 0b), read like kEncryptTable.
inline constexpr std::array<std::uint32_t, 256> kDecryptTable = [] {
  std::array<std::uint32_t, 256> table{};
  for (int x = 0; x < 256; ++x) {
    std::uint8_t s = kInverseSbox[x];
    table[x] = Column(Multiply(s, 0x0E), Multiply(s, 0x09), Multiply(s, 0x0D), Multiply(s, 0x0B));
  }
  return table;
}();

}  // namespace zembrix::aes
