#include "tools/zembrix-payload/payload_page.h"

#include <gtest/gtest.h>

#include <string>

#include "online/payload_block.h"
#include "online/payload_markers.h"

namespace zembrix {
namespace {

using namespace std::string_literals;

const std::string kStart(kPayloadBlockStart);
const std::string kEnd(kPayloadBlockEnd);

std::string PageWithBlock(const std::string& block) { return "<p>博客正文</p>" + kStart + block + kEnd + "<p>评论</p>"; }

TEST(MakePage, WritesTheMarkedFieldsAsOneBlockThatTheProgramReads) {
  PayloadFieldValues values;
  values[0] = "新品推荐";
  values[1] = "http://shop.example/?a=1&b=2";
  values[3] = "<html>\r\n<body>资讯</body>\r\n</html>";
  PageResult made = MakePage(values, kPayloadKeyText, kPayloadKeyBits);
  ASSERT_EQ(made.error, "");

  Text block = PayloadBlockOf(made.page);
  EXPECT_EQ(made.page, kStart + block + kEnd);
  EXPECT_EQ(DecryptPayload(block), "[菜单标题开始]新品推荐[菜单标题结束][菜单链接开始]http://shop.example/?a=1&b=2"
                                   "[菜单链接结束][子夹1html内容开始]<html>\r\n<body>资讯</body>\r\n</html>[子夹1html内容结束]");

  PageReading reading = ReadPage("<div>" + made.page + "</div>", kPayloadKeyText, kPayloadKeyBits);
  ASSERT_EQ(reading.error, "");
  ASSERT_EQ(reading.fields.size(), 3u);
  EXPECT_EQ(reading.fields[0].field->name, "menu title");
  EXPECT_EQ(reading.fields[0].value, *values[0]);
  EXPECT_EQ(reading.fields[2].field->name, "info html");
  EXPECT_EQ(reading.fields[2].value, *values[3]);
}

TEST(MakePage, RefusesValuesThatTheProgramWouldReadBackDifferently) {
  struct Case {
    std::size_t field;
    std::string value;
    std::string error;
  };
  const Case cases[] = {
      {0, "cut\0here"s, "menu title holds a zero byte at offset 3; the program would cut the payload there"},
      {1, "http://x/" + std::string(kMenuLinkEnd) + "y",
       "menu link would not read back as given: a value holds a field marker or ends inside a two-byte character (is it GBK?)"},
      // UTF-8 "新品推": nine bytes of 0x80 or more, so the last pairs with the end marker's "[".
      {0, "\xE6\x96\xB0\xE5\x93\x81\xE6\x8E\xA8",
       "menu title would not read back as given: a value holds a field marker or ends inside a two-byte character (is it GBK?)"},
      // A whole field inside the title would give the program a style sheet nobody asked for.
      {0, "x" + std::string(kCssUrlStart) + "evil" + std::string(kCssUrlEnd),
       "css url would not read back as given: a value holds a field marker or ends inside a two-byte character (is it GBK?)"},
  };
  for (const Case& c : cases) {
    PayloadFieldValues values;
    values[c.field] = c.value;
    PageResult made = MakePage(values, kPayloadKeyText, kPayloadKeyBits);
    EXPECT_EQ(made.error, c.error);
    EXPECT_EQ(made.page, "");
  }
  EXPECT_NE(MakePage(PayloadFieldValues{}, kPayloadKeyText, kPayloadKeyBits).error, "");
}

TEST(ReadPage, SaysPreciselyWhyNothingWasFound) {
  Text otherKey = EncryptPayloadText("[菜单标题开始]x[菜单标题结束]", "another key", kb256);
  struct Case {
    std::string page;
    std::string error;
  };
  const Case cases[] = {
      {"<p>博客正文</p>", "no block start marker on the page"},
      {"<p>\0</p>"s + PageWithBlock("0000000000000000"),
       "no block start marker before the zero byte at offset 3, where the program stops reading"},
      {kEnd + "<p>" + kStart + "0000", "no block end marker after the block start marker"},
      {PageWithBlock(""), "the block between the markers is empty"},
      {PageWithBlock("amp;AMP;"), "the block between the markers is empty once \"amp;\" is removed"},
      {PageWithBlock("0500000000000000 8EA1"), "character 17 of the block (byte 0x20) is not a hexadecimal digit"},
      {PageWithBlock("05000000000000\xC1\xAA"), "character 15 of the block (byte 0xC1) is not a hexadecimal digit"},
      {PageWithBlock("05000000000000"), "the block has 14 characters, fewer than the 15 that hold the 8-byte length header"},
      {PageWithBlock(std::string(49, '0')),
       "the body after the length header of the block is 17 bytes, not a multiple of 16"},
      {PageWithBlock("0000000000000000"), "the block decrypts to the empty text"},
      {PageWithBlock(otherKey), "the block decrypts to " + std::to_string(DecryptPayload(otherKey).size()) +
                                    " bytes that hold no field (wrong key or key size?)"},
  };
  for (const Case& c : cases) {
    PageReading reading = ReadPage(c.page, kPayloadKeyText, kPayloadKeyBits);
    EXPECT_EQ(reading.error, c.error) << c.page;
    EXPECT_TRUE(reading.fields.empty()) << c.page;
  }
}

TEST(ReadPage, CleansTheBlockAndSkipsFieldsTheProgramWouldReadAsEmpty) {
  Text plain = "[菜单链接结束]reversed[菜单链接开始][css网址开始]http://x.example/a.css[css网址结束][菜单标题开始]unended";
  Text cipher = EncryptPayloadText(plain, kPayloadKeyText, kPayloadKeyBits);
  PageReading reading = ReadPage(PageWithBlock(cipher.substr(0, 30) + "amp;AMP;" + cipher.substr(30)),
                                 kPayloadKeyText, kPayloadKeyBits);
  ASSERT_EQ(reading.error, "");
  ASSERT_EQ(reading.fields.size(), 1u);
  EXPECT_EQ(reading.fields[0].field->name, "css url");
  EXPECT_EQ(reading.fields[0].value, "http://x.example/a.css");
}

}  // namespace
}  // namespace zembrix
