#include "online/payload_block.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "online/payload_markers.h"

namespace zembrix {
namespace {

TEST(PayloadMarkers, AreGbkBytesAtRunTime) {
  EXPECT_EQ(kPayloadBlockStart, "\x5B\xC1\xAA\xBB\xFA\xD0\xC5\xCF\xA2\xBF\xAA\xCA\xBC\x5D");
  EXPECT_EQ(kPayloadBlockEnd, "\x5B\xC1\xAA\xBB\xFA\xD0\xC5\xCF\xA2\xBD\xE1\xCA\xF8\x5D");
}

TEST(CleanPayloadBlock, RemovesAmpInAnyCaseUntilNoneIsLeft) {
  struct Case {
    const char* block;
    const char* cleaned;
  };
  const Case cases[] = {
      {"", ""},
      {"0A1B", "0A1B"},
      {"0A&amp;1B", "0A&1B"},
      {"&amp;amp;", "&"},
      {"AMP;Amp;aMP;0F", "0F"},
      {"aamp;mp;", ""},
      {"aaAMP;mP;mp;x", "x"},
      {"am p; amp amp:", "am p; amp amp:"},
  };
  for (const Case& c : cases) EXPECT_EQ(CleanPayloadBlock(c.block), c.cleaned) << c.block;
}

// Removal pass after pass, the way the rule reads, as an independent reference.
Text CleanByRepeatedPasses(Text block) {
  auto isAmp = [&](std::size_t i) {
    return i + 4 <= block.size() && (block[i] | 0x20) == 'a' && (block[i + 1] | 0x20) == 'm' &&
           (block[i + 2] | 0x20) == 'p' && block[i + 3] == ';';
  };
  for (bool removed = true; removed;) {
    removed = false;
    Text next;
    for (std::size_t i = 0; i < block.size();) {
      if (isAmp(i)) {
        i += 4;
        removed = true;
      } else {
        next.push_back(block[i++]);
      }
    }
    block = next;
  }
  return block;
}

TEST(CleanPayloadBlock, AgreesWithRemovalPassAfterPass) {
  std::mt19937 random(12345);
  const std::string alphabet = "aAmMpP;&0";
  for (int round = 0; round < 20000; ++round) {
    std::string block(random() % 24, ' ');
    for (char& c : block) c = alphabet[random() % alphabet.size()];
    ASSERT_EQ(CleanPayloadBlock(block), CleanByRepeatedPasses(block)) << block;
  }
}

TEST(PayloadBlockOf, CutsAndCleansTheBlockOfAGbkBlogPage) {
  Text cipher = EncryptPayloadText("[菜单标题开始]新品[菜单标题结束]", kPayloadKeyText, kPayloadKeyBits);
  Text escaped = cipher.substr(0, 20) + "amp;AmP;aamp;mp;" + cipher.substr(20);
  Text page = "<html><title>博客</title>正文" + std::string(kPayloadBlockStart) + escaped +
              std::string(kPayloadBlockEnd) + "<p>评论</p></html>";
  Text block = PayloadBlockOf(page);
  EXPECT_EQ(block, cipher);
  EXPECT_EQ(DecryptPayload(block), "[菜单标题开始]新品[菜单标题结束]");
  EXPECT_EQ(PayloadBlockOf(page.substr(0, page.size() - 30)), "");
}

TEST(DecryptPayload, UsesTheProgramsKeyAndGivesEmptyForEmptyOrBadBlocks) {
  Text plain = "[菜单链接开始]http://example.com/a?b=1&c=2[菜单链接结束]";
  EXPECT_EQ(DecryptPayload(EncryptPayloadText(plain, "vexo", kb256)), plain);
  EXPECT_NE(DecryptPayload(EncryptPayloadText(plain, "vexo", kb128)), plain);
  EXPECT_NE(DecryptPayload(EncryptPayloadText(plain, "other", kb256)), plain);
  EXPECT_EQ(DecryptPayload(""), "");
  EXPECT_EQ(DecryptPayload("not hexadecimal"), "");
}

}  // namespace
}  // namespace zembrix
