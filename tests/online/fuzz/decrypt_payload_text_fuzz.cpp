// libFuzzer target: any bytes given to the cipher text decoder and decryption end in a plain
// text or a clean failure, in one piece or in two, and encryption always round-trips.
// Input: key size selector, key text length, key text, then the text to decrypt.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "online/payload_cipher.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zembrix;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  if (input.size() < 2) return 0;
  static constexpr std::int32_t kSizes[] = {kb128, kb192, kb256};
  auto selector = static_cast<unsigned char>(input[0]);
  // Selectors from 3 on are taken as the key size itself, mostly sizes that select nothing.
  std::int32_t keyBits = selector < 3 ? kSizes[selector] : selector;
  std::size_t keyLength = std::min<std::size_t>(static_cast<unsigned char>(input[1]) % 40, input.size() - 2);
  std::string_view keyText = input.substr(2, keyLength);
  std::string_view text = input.substr(2 + keyLength);

  PayloadDecryption whole = DecryptPayloadChecked(text, keyText, keyBits);
  Check(whole.error == PayloadCipherError::kNone || whole.plainText.empty());
  Check(whole.plainText.find('\0') == Text::npos);
  Check(whole.plainText.size() <= text.size() / 2);
  Check(DecryptPayloadText(text, keyText, keyBits) == whole.plainText);

  PayloadTextDecoder decoder;
  std::size_t split = text.empty() ? 0 : keyLength % text.size();
  decoder.Feed(text.substr(0, split));
  decoder.Feed(text.substr(split));
  PayloadDecryption pieces = std::move(decoder).Finish(keyText, keyBits);
  Check(pieces.error == whole.error && pieces.badIndex == whole.badIndex && pieces.plainText == whole.plainText);

  Text cipher = EncryptPayloadText(text, keyText, keyBits);
  bool keySizeValid = keyBits == kb128 || keyBits == kb192 || keyBits == kb256;
  Check(cipher.empty() != keySizeValid);
  if (keySizeValid) Check(DecryptPayloadText(cipher, keyText, keyBits) == text.substr(0, text.find('\0')));
  return 0;
}
