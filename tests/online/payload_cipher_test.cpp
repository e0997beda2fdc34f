#include "online/payload_cipher.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace zembrix {
namespace {

using namespace std::string_literals;

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

TEST(PayloadCipherRecord, HeaderHoldsTheLengthAndBlocksFollowWithoutExtraBlock) {
  struct Case {
    std::size_t plainLength;
    std::size_t textLength;
    const char* header;
  };
  for (Case c : {Case{0, 16, "0000000000000000"}, Case{5, 48, "0500000000000000"}, Case{16, 48, "1000000000000000"},
                 Case{17, 80, "1100000000000000"}, Case{300, 16 + 32 * 19, "2C01000000000000"}}) {
    Text cipher = EncryptPayloadText(std::string(c.plainLength, 'x'), "vexo", kb256);
    EXPECT_EQ(cipher.size(), c.textLength) << c.plainLength;
    EXPECT_EQ(cipher.substr(0, 16), c.header) << c.plainLength;
    EXPECT_EQ(cipher.find_first_not_of("0123456789ABCDEF"), std::string::npos) << c.plainLength;
  }
}

TEST(PayloadCipherRecord, EmptyPlainTextIsTheHeaderAloneWhateverTheKey) {
  for (int bits : {kb128, kb192, kb256}) {
    for (const char* key : {"", "vexo", "a much longer key text than any key size holds"}) {
      EXPECT_EQ(EncryptPayloadText("", key, bits), "0000000000000000");
      EXPECT_EQ(DecryptPayloadText("0000000000000000", key, bits), "");
      EXPECT_EQ(DecryptPayloadChecked("0000000000000000", key, bits).error, PayloadCipherError::kNone);
    }
  }
}

TEST(PayloadCipherRecord, RoundTripsGbkAndEveryLengthForAllKeySizes) {
  std::string gbk = "\xC1\xAA\xBB\xFA\xD0\xC5\xCF\xA2 [menu] \x81\x40\xFE\xFE";
  for (int bits : {kb128, kb192, kb256}) {
    EXPECT_EQ(DecryptPayloadText(EncryptPayloadText(gbk, "\xC3\xDC\xD4\xBF", bits), "\xC3\xDC\xD4\xBF", bits), gbk);
    for (std::size_t length = 1; length <= 70; ++length) {
      std::string plain;
      for (std::size_t i = 0; i < length; ++i) plain.push_back(static_cast<char>(1 + (i * 37) % 255));
      ASSERT_EQ(DecryptPayloadText(EncryptPayloadText(plain, "vexo", bits), "vexo", bits), plain) << bits << " " << length;
    }
  }
}

TEST(PayloadCipherRecord, ReadsLowerCaseDigitsAndIgnoresTheHeaderValue) {
  Text cipher = EncryptPayloadText("hello, payload", "vexo", kb256);
  EXPECT_EQ(DecryptPayloadText(Lower(cipher), "vexo", kb256), "hello, payload");
  EXPECT_EQ(DecryptPayloadText("FFFFFFFFFFFFFFFF" + cipher.substr(16), "vexo", kb256), "hello, payload");
  EXPECT_EQ(DecryptPayloadText("0123456789abcdef" + cipher.substr(16), "vexo", kb256), "hello, payload");
}

TEST(PayloadCipherRecord, PlainTextEndsAtTheFirstZeroByte) {
  Text cipher = EncryptPayloadText("before\0after, in a later block too"s, "vexo", kb256);
  EXPECT_EQ(DecryptPayloadText(cipher, "vexo", kb256), "before");
}

TEST(PayloadCipherKey, IsTheKeyTextCutOrFilledWithZeroBytes) {
  std::string longKey = "0123456789abcdefghijklmnopqrstuvwxyz!";  // 37 bytes
  struct Case {
    int bits;
    std::size_t keyBytes;
  };
  for (Case c : {Case{kb128, 16}, Case{kb192, 24}, Case{kb256, 32}}) {
    Text cipher = EncryptPayloadText("the same plain text", longKey, c.bits);
    EXPECT_EQ(cipher, EncryptPayloadText("the same plain text", longKey.substr(0, c.keyBytes), c.bits));
    EXPECT_NE(cipher, EncryptPayloadText("the same plain text", longKey.substr(0, c.keyBytes - 1), c.bits));
    EXPECT_EQ(EncryptPayloadText("x", "vexo", c.bits), EncryptPayloadText("x", "vexo" + std::string(c.keyBytes - 4, '\0'), c.bits));
    EXPECT_EQ(EncryptPayloadText("x", "", c.bits), EncryptPayloadText("x", std::string(c.keyBytes, '\0'), c.bits));
  }
}

TEST(PayloadCipherKey, AWrongKeyGoesUnnoticed) {
  Text cipher = EncryptPayloadText("secret fields", "vexo", kb256);
  PayloadDecryption wrong = DecryptPayloadChecked(cipher, "Vexo", kb256);
  EXPECT_EQ(wrong.error, PayloadCipherError::kNone);
  EXPECT_NE(wrong.plainText, "secret fields");
}

TEST(PayloadCipherKey, OtherKeySizesGiveTheEmptyTextWithoutFailing) {
  Text cipher = EncryptPayloadText("valid", "vexo", kb256);
  for (int bits : {0, 255, 512, -256, 64}) {
    EXPECT_EQ(EncryptPayloadText("valid", "vexo", bits), "") << bits;
    PayloadDecryption result = DecryptPayloadChecked(cipher, "vexo", bits);
    EXPECT_EQ(result.error, PayloadCipherError::kNone) << bits;
    EXPECT_EQ(result.plainText, "") << bits;
  }
}

TEST(PayloadCipherText, OddLengthsTakeTheLastDigitAsAByteOfItsOwn) {
  EXPECT_EQ(DecryptPayloadChecked("000000000000000", "vexo", kb256).error, PayloadCipherError::kNone);

  // 47 characters: 15 pairs and a lone digit, which must be the last byte's whole value.
  Text cipher = EncryptPayloadText("odd", "vexo", kb256);
  ASSERT_EQ(cipher.size(), 48u);
  for (char lastByteDigit : {'0', '7', 'F'}) {
    Text body = cipher.substr(0, 46) + "0" + lastByteDigit;
    EXPECT_EQ(DecryptPayloadText(cipher.substr(0, 46) + lastByteDigit, "vexo", kb256),
              DecryptPayloadText(body, "vexo", kb256));
  }
}

TEST(PayloadCipherText, FailuresSayWhyAndGiveNoPlainText) {
  Text valid = EncryptPayloadText("a valid payload of two blocks", "vexo", kb256);
  struct Case {
    std::string cipher;
    PayloadCipherError error;
    std::size_t badIndex;
    std::size_t bodyLength;
  };
  const Case cases[] = {
      {"", PayloadCipherError::kShorterThanHeader, 0, 0},
      {"00000000000000", PayloadCipherError::kShorterThanHeader, 0, 0},
      {"0000000x", PayloadCipherError::kNotHexDigit, 7, 0},
      {valid.substr(0, 20) + " " + valid.substr(20), PayloadCipherError::kNotHexDigit, 20, 0},
      {valid + "\n", PayloadCipherError::kNotHexDigit, valid.size(), 0},
      {valid + "\r\n", PayloadCipherError::kNotHexDigit, valid.size(), 0},
      {"-" + valid.substr(1), PayloadCipherError::kNotHexDigit, 0, 0},
      {"0x" + valid.substr(2), PayloadCipherError::kNotHexDigit, 1, 0},
      {valid.substr(0, 40) + "\xC1\xAA" + valid.substr(42), PayloadCipherError::kNotHexDigit, 40, 0},
      {valid.substr(0, 10) + "G" + valid.substr(11), PayloadCipherError::kNotHexDigit, 10, 0},
      {std::string(49, '0'), PayloadCipherError::kBodyNotWholeBlocks, 0, 17},
      {valid.substr(0, valid.size() - 2), PayloadCipherError::kBodyNotWholeBlocks, 0, 31},
      {"0000000000000000" + std::string(2, '0'), PayloadCipherError::kBodyNotWholeBlocks, 0, 1},
  };
  for (const Case& c : cases) {
    PayloadDecryption result = DecryptPayloadChecked(c.cipher, "vexo", kb256);
    EXPECT_EQ(result.error, c.error) << c.cipher;
    EXPECT_EQ(result.plainText, "") << c.cipher;
    if (c.error == PayloadCipherError::kNotHexDigit) {
      EXPECT_EQ(result.badIndex, c.badIndex) << c.cipher;
      EXPECT_EQ(result.badCharacter, c.cipher[c.badIndex]) << c.cipher;
    }
    if (c.error == PayloadCipherError::kShorterThanHeader) EXPECT_EQ(result.textLength, c.cipher.size()) << c.cipher;
    if (c.error == PayloadCipherError::kBodyNotWholeBlocks) EXPECT_EQ(result.bodyLength, c.bodyLength) << c.cipher;
    EXPECT_EQ(DecryptPayloadText(c.cipher, "vexo", kb256), "") << c.cipher;
  }
}

TEST(PayloadTextDecoder, PiecesOfAnySizeDecryptLikeTheWholeText) {
  Text plain = "[菜单标题开始]分段读入的载荷[菜单标题结束] and some more text";
  Text cipher = EncryptPayloadText(plain, "vexo", kb256);
  Text odd = cipher.substr(0, 46) + "7";  // a lone last digit that a piece may end before
  Text bad = cipher.substr(0, 61) + "g" + cipher.substr(62);
  for (const Text& text : {cipher, odd, bad, Text("000000000000000"), Text(49, '0')}) {
    PayloadDecryption whole = DecryptPayloadChecked(text, "vexo", kb256);
    for (std::size_t pieceSize = 1; pieceSize <= 19; ++pieceSize) {
      PayloadTextDecoder decoder;
      for (std::size_t at = 0; at < text.size(); at += pieceSize) decoder.Feed(std::string_view(text).substr(at, pieceSize));
      PayloadDecryption pieces = std::move(decoder).Finish("vexo", kb256);
      EXPECT_EQ(pieces.error, whole.error) << text << " in pieces of " << pieceSize;
      EXPECT_EQ(pieces.badIndex, whole.badIndex) << text << " in pieces of " << pieceSize;
      EXPECT_EQ(pieces.badCharacter, whole.badCharacter) << text << " in pieces of " << pieceSize;
      EXPECT_EQ(pieces.bodyLength, whole.bodyLength) << text << " in pieces of " << pieceSize;
      EXPECT_EQ(pieces.plainText, whole.plainText) << text << " in pieces of " << pieceSize;
    }
  }
  EXPECT_EQ(DecryptPayloadChecked(bad, "vexo", kb256).badIndex, 61u);
  EXPECT_EQ(DecryptPayloadText(cipher, "vexo", kb256), plain);
}

}  // namespace
}  // namespace zembrix
