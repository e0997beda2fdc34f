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

}  // namespace

PayloadTextDecoder::PayloadTextDecoder(std::size_t expectedLength) {
  if (expectedLength > kHeaderDigits) body_.reserve((expectedLength - kHeaderDigits + 1) / 2);
}

// The header's digits are checked and skipped: its value plays no part. Pairs are counted from
// the first character, so the body's pairs start at an even position too.
void PayloadTextDecoder::Feed(std::string_view piece) {
  std::size_t start = length_;
  length_ += piece.size();
  if (badIndex_ != std::string_view::npos) return;

  std::size_t headerPart = start < kHeaderDigits ? std::min(kHeaderDigits - start, piece.size()) : 0;
  bool ok = FindNonHexDigit(piece.substr(0, headerPart)) == std::string_view::npos;
  std::string_view digits = piece.substr(headerPart);
  if (pendingDigit_ >= 0 && !digits.empty()) {
    int low = HexDigitValue(digits.front());
    ok = ok && low >= 0;
    body_.push_back(static_cast<char>((pendingDigit_ << 4) | (low & 0x0F)));
    pendingDigit_ = -1;
    digits.remove_prefix(1);
  }
  std::size_t pairs = digits.size() / 2;
  std::size_t used = body_.size();
  body_.resize(used + pairs);
  ok = DecodeHexPairs(digits.substr(0, 2 * pairs), body_.data() + used) && ok;
  if (digits.size() % 2 != 0) {
    pendingDigit_ = HexDigitValue(digits.back());
    ok = ok && pendingDigit_ >= 0;
  }
  if (!ok) {
    std::size_t bad = FindNonHexDigit(piece);
    badIndex_ = start + bad;
    badCharacter_ = piece[bad];
    body_ = Text();
  }
}

PayloadDecryption PayloadTextDecoder::Finish(std::string_view keyText, std::int32_t keyBits) && {
  if (!IsKeySize(keyBits)) return {};
  if (badIndex_ != std::string_view::npos) {
    PayloadDecryption result = Failure(PayloadCipherError::kNotHexDigit);
    result.badIndex = badIndex_;
    result.badCharacter = badCharacter_;
    return result;
  }
  if ((length_ + 1) / 2 < kHeaderBytes) {
    PayloadDecryption result = Failure(PayloadCipherError::kShorterThanHeader);
    result.textLength = length_;
    return result;
  }
  // A lone last digit is a byte of its own, not the high half of one.
  if (pendingDigit_ >= 0) body_.push_back(static_cast<char>(pendingDigit_));
  if (body_.size() % kBlockBytes != 0) {
    PayloadDecryption result = Failure(PayloadCipherError::kBodyNotWholeBlocks);
    result.bodyLength = body_.size();
    return result;
  }

  auto key = CipherKey(keyText, keyBits);
  DecryptBlocksEcb(key.data(), keyBits, AsBytes(body_), body_.size() / kBlockBytes);
  body_.resize(std::min(body_.find('\0'), body_.size()));
  PayloadDecryption result;
  result.plainText = std::move(body_);
  return result;
}

PayloadDecryption DecryptPayloadChecked(std::string_view cipherText, std::string_view keyText, std::int32_t keyBits) {
  if (!IsKeySize(keyBits)) return {};
  PayloadTextDecoder decoder(cipherText.size());
  decoder.Feed(cipherText);
  return std::move(decoder).Finish(keyText, keyBits);
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
