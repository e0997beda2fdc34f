// The payload cipher: AES in electronic codebook mode with a zero-filled key, behind an 8-byte
// little-endian length header that is not encrypted, written as upper-case hexadecimal text.
// Plain functions without state, safe to call from any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/text.h"

namespace zembrix {

// Key sizes in bits. Any other value selects nothing: both operations then return the empty
// Text without looking at their other arguments.
inline constexpr std::int32_t kb128 = 128;
inline constexpr std::int32_t kb192 = 192;
inline constexpr std::int32_t kb256 = 256;

enum class PayloadCipherError {
  kNone,
  kNotHexDigit,        // cipher text character badIndex, badCharacter, is not a hexadecimal digit
  kShorterThanHeader,  // textLength characters give fewer than the 8 bytes of the length header
  kBodyNotWholeBlocks, // bodyLength bytes after the header, not a multiple of 16
};

struct PayloadDecryption {
  PayloadCipherError error = PayloadCipherError::kNone;
  std::size_t badIndex = 0;  // 0-based
  char badCharacter = 0;
  std::size_t textLength = 0;
  std::size_t bodyLength = 0;  // in bytes
  Text plainText;              // empty unless error is kNone
};

// Decryption of a cipher text that arrives in pieces, such as a payload of many megabytes read
// from a stream: the digits are decoded as they come and the blocks decrypted once all are in,
// so only the decoded bytes are ever held.
class PayloadTextDecoder {
 public:
  // expectedLength, the cipher text's length when known, sizes the decoded body once.
  explicit PayloadTextDecoder(std::size_t expectedLength = 0);

  void Feed(std::string_view piece);

  // Call once, after the last piece.
  PayloadDecryption Finish(std::string_view keyText, std::int32_t keyBits) &&;

 private:
  Text body_;                 // decoded bytes after the length header
  std::size_t length_ = 0;    // characters fed so far
  std::size_t badIndex_ = std::string_view::npos;  // first character that is not a digit
  char badCharacter_ = 0;
  int pendingDigit_ = -1;     // a body digit still waiting for the second of its pair
};

// Decryption that says why it failed. The plain text ends before the first zero byte of the
// decrypted blocks; the length header is skipped unread.
PayloadDecryption DecryptPayloadChecked(std::string_view cipherText, std::string_view keyText, std::int32_t keyBits);

// The plain text, or the empty Text when decryption fails.
Text DecryptPayloadText(std::string_view cipherText, std::string_view keyText, std::int32_t keyBits);

Text EncryptPayloadText(std::string_view plainText, std::string_view keyText, std::int32_t keyBits);

}  // namespace zembrix
