#include "online/aes_block.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace zembrix {
namespace {

std::array<std::uint8_t, 32> CountingKey() {
  std::array<std::uint8_t, 32> key{};
  for (int i = 0; i < 32; ++i) key[i] = static_cast<std::uint8_t>(i);
  return key;
}

std::array<std::uint8_t, 16> BlockFromHex(const std::string& hex) {
  std::array<std::uint8_t, 16> block{};
  for (int i = 0; i < 16; ++i) block[i] = static_cast<std::uint8_t>(std::stoi(hex.substr(2 * i, 2), nullptr, 16));
  return block;
}

// FIPS-197 Appendix C: the same plaintext under the keys 00 01 02 ... of each size.
struct AppendixCExample {
  int keyBits;
  const char* cipherHex;
};

class AppendixC : public testing::TestWithParam<AppendixCExample> {};

TEST_P(AppendixC, EncryptsAndDecryptsTheExampleBlock) {
  auto key = CountingKey();
  auto plain = BlockFromHex("00112233445566778899aabbccddeeff");
  auto expected = BlockFromHex(GetParam().cipherHex);

  auto block = plain;
  EncryptBlocksEcb(key.data(), GetParam().keyBits, block.data(), 1);
  EXPECT_EQ(block, expected);
  DecryptBlocksEcb(key.data(), GetParam().keyBits, block.data(), 1);
  EXPECT_EQ(block, plain);
}

INSTANTIATE_TEST_SUITE_P(AllKeySizes, AppendixC,
                         testing::Values(AppendixCExample{128, "69c4e0d86a7b0430d8cdb78070b4c55a"},
                                         AppendixCExample{192, "dda97ca4864cdfe06eaf70a0ec0d7191"},
                                         AppendixCExample{256, "8ea2b7ca516745bfeafc49904b496089"}),
                         [](const testing::TestParamInfo<AppendixCExample>& info) {
                           return "Key" + std::to_string(info.param.keyBits);
                         });

TEST(AesBlocksEcb, EnciphersEveryBlockOnItsOwn) {
  auto key = CountingKey();
  std::array<std::uint8_t, 48> blocks{};
  for (int i = 0; i < 48; ++i) blocks[i] = static_cast<std::uint8_t>(i % 16 == 0 ? 7 : 0);
  EncryptBlocksEcb(key.data(), 256, blocks.data(), 3);
  EXPECT_TRUE(std::equal(blocks.begin(), blocks.begin() + 16, blocks.begin() + 16));
  EXPECT_TRUE(std::equal(blocks.begin(), blocks.begin() + 16, blocks.begin() + 32));
}

}  // namespace
}  // namespace zembrix
