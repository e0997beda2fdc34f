#include "online/payload_cipher.h"

#include <algorithm>
#include <array>

#include "online/aes_block.h"
#include "online/hex_text.h"

namespace zembrix {
namespace {

constexpr std::size_t kHeaderBytes = 8;
constexpr std::size_t kHeaderDigits = 2 * kHeaderBytes;
constexpr std::size_t kBlockBytes = 16;

bool IsKeySize(std::int32_t keyBits) { return keyBits == kb128 || keyBits == kb192 || keyBits == kb256; }

// The key text's bytes as stored, cut to the key size or followed by zero bytes.
std::array<std::uint8_t, 32> CipherKey(std::string_view keyText, std::int32_t keyBits) {
  std::array<std::uint8_t, 32> key{};
  std::size_t used = std::min<std::size_t>(keyText.size(), static_cast<std::size_t>(keyBits / 8));
  std::copy_n(keyText.data(), used, key.data());
  return key;
}

std::uint8_t* AsBytes(Text& text) { return reinterpret_cast<std::uint8_t*>(text.data()); }

PayloadDecryption Failure(PayloadCipherError error) {
  PayloadDecryption result;
  result.error = error;
  return result;
}

PayloadDecryption NotHexDigitAt(std::size_t index) {
  PayloadDecryption result = Failure(PayloadCipherError::kNotHexDigit);
  result.badIndex = index;
  return result;
}

}  // namespace

PayloadDecryption DecryptPayloadChecked(std::string_view cipherText, std::string_view keyText, std::int32_t keyBits) {
  if (!IsKeySize(keyBits)) return {};
  std::size_t byteCount = (cipherText.size() + 1) / 2;
  if (byteCount < kHeaderBytes) {
    std::size_t bad = FindNonHexDigit(cipherText);
    return bad == std::string_view::npos ? Failure(PayloadCipherError::kShorterThanHeader) : NotHexDigitAt(bad);
  }
  std::size_t bodyLength = byteCount - kHeaderBytes;

  // The header is decoded only to be checked; its value plays no part. Whole text first, then
  // the blocks, so a bad digit anywhere leaves no plain text behind.
  std::array<char, kHeaderBytes> header{};
  Text plain(bodyLength, '\0');
  bool digitsOk = DecodeHexText(cipherText.substr(0, std::min(kHeaderDigits, cipherText.size())), header.data()) &&
                  DecodeHexText(cipherText.substr(std::min(kHeaderDigits, cipherText.size())), plain.data());
  if (!digitsOk) return NotHexDigitAt(FindNonHexDigit(cipherText));
  if (bodyLength % kBlockBytes != 0) {
    PayloadDecryption result = Failure(PayloadCipherError::kBodyNotWholeBlocks);
    result.bodyLength = bodyLength;
    return result;
  }

  auto key = CipherKey(keyText, keyBits);
  DecryptBlocksEcb(key.data(), keyBits, AsBytes(plain), bodyLength / kBlockBytes);
  plain.resize(std::min(plain.find('\0'), plain.size()));
  PayloadDecryption result;
  result.plainText = std::move(plain);
  return result;
}

Text DecryptPayloadText(std::string_view cipherText, std::string_view keyText, std::int32_t keyBits) {
  return DecryptPayloadChecked(cipherText, keyText, keyBits).plainText;
}

Text EncryptPayloadText(std::string_view plainText, std::string_view keyText, std::int32_t keyBits) {
  if (!IsKeySize(keyBits)) return {};
  std::size_t blockCount = (plainText.size() + kBlockBytes - 1) / kBlockBytes;
  Text record(kHeaderBytes + kBlockBytes * blockCount, '\0');
  std::uint64_t length = plainText.size();
  for (std::size_t i = 0; i < kHeaderBytes; ++i) record[i] = static_cast<char>(length >> (8 * i));
  std::copy(plainText.begin(), plainText.end(), record.begin() + kHeaderBytes);

  auto key = CipherKey(keyText, keyBits);
  EncryptBlocksEcb(key.data(), keyBits, AsBytes(record) + kHeaderBytes, blockCount);
  return HexTextOf(record);
}

}  // namespace zembrix
