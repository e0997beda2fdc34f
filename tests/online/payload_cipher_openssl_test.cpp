// Cross-checks the payload cipher against OpenSSL's AES in ECB mode, an independent
// implementation, over random keys, key texts of every length and plain texts of every length.
#include <openssl/evp.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "online/hex_text.h"
#include "online/payload_cipher.h"

namespace zembrix {
namespace {

const EVP_CIPHER* EcbCipher(int keyBits) {
  switch (keyBits) {
    case 128: return EVP_aes_128_ecb();
    case 192: return EVP_aes_192_ecb();
    default: return EVP_aes_256_ecb();
  }
}

// The record built by OpenSSL: the length header, then the zero-filled plain text enciphered
// block by block under the zero-filled key.
std::string OpenSslRecord(const std::string& plain, const std::string& keyText, int keyBits) {
  std::string key(keyText.substr(0, keyBits / 8));
  key.resize(keyBits / 8, '\0');
  std::string padded = plain;
  padded.resize((plain.size() + 15) / 16 * 16, '\0');

  std::string record(8, '\0');
  for (int i = 0; i < 8; ++i) record[i] = static_cast<char>(static_cast<std::uint64_t>(plain.size()) >> (8 * i));
  std::string blocks(padded.size(), '\0');
  EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
  int written = 0;
  bool ok = EVP_EncryptInit_ex(context, EcbCipher(keyBits), nullptr, reinterpret_cast<const unsigned char*>(key.data()),
                               nullptr) == 1 &&
            EVP_CIPHER_CTX_set_padding(context, 0) == 1 &&
            EVP_EncryptUpdate(context, reinterpret_cast<unsigned char*>(blocks.data()), &written,
                              reinterpret_cast<const unsigned char*>(padded.data()), static_cast<int>(padded.size())) == 1;
  EVP_CIPHER_CTX_free(context);
  EXPECT_TRUE(ok);
  EXPECT_EQ(static_cast<std::size_t>(written), padded.size());
  return record + blocks;
}

std::string RandomBytes(std::mt19937& random, std::size_t length, bool allowZero) {
  std::string bytes(length, '\0');
  for (char& b : bytes) b = static_cast<char>(allowZero ? random() % 256 : 1 + random() % 255);
  return bytes;
}

TEST(PayloadCipherAgainstOpenSsl, EncryptionDecryptionAndRoundTripAgree) {
  std::mt19937 random(20240611);
  for (int keyBits : {kb128, kb192, kb256}) {
    for (std::size_t keyLength = 0; keyLength <= 40; ++keyLength) {
      for (int trial = 0; trial < 12; ++trial) {
        std::string keyText = RandomBytes(random, keyLength, true);
        std::size_t plainLength = random() % 320;
        bool withZeros = trial % 3 == 0;
        std::string plain = RandomBytes(random, plainLength, withZeros);
        std::string expectedCipher = HexTextOf(OpenSslRecord(plain, keyText, keyBits));

        ASSERT_EQ(EncryptPayloadText(plain, keyText, keyBits), expectedCipher)
            << keyBits << " bits, key " << keyLength << " bytes, plain " << plainLength << " bytes";
        std::string expectedPlain = plain.substr(0, plain.find('\0'));
        ASSERT_EQ(DecryptPayloadText(expectedCipher, keyText, keyBits), expectedPlain);
      }
    }
  }
}

TEST(PayloadCipherAgainstOpenSsl, EveryPlainTextLengthUpToAFewHundredBytes) {
  std::mt19937 random(7);
  for (std::size_t length = 0; length <= 400; ++length) {
    int keyBits = (length % 3 == 0) ? kb128 : (length % 3 == 1) ? kb192 : kb256;
    std::string keyText = RandomBytes(random, random() % 40, true);
    std::string plain = RandomBytes(random, length, false);
    std::string cipher = EncryptPayloadText(plain, keyText, keyBits);
    ASSERT_EQ(cipher, HexTextOf(OpenSslRecord(plain, keyText, keyBits))) << length;
    ASSERT_EQ(DecryptPayloadText(cipher, keyText, keyBits), plain) << length;
  }
}

}  // namespace
}  // namespace zembrix
