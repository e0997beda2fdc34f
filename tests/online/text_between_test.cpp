#include "online/text_between.h"

#include <gtest/gtest.h>

#include <string>

#include "online/payload_markers.h"

namespace zembrix {
namespace {

const std::string kStart(kPayloadBlockStart);
const std::string kEnd(kPayloadBlockEnd);

Text Between(const std::string& page) { return TextBetween(page, kPayloadBlockStart, kPayloadBlockEnd); }

TEST(TextBetween, CutsTheFirstBlockOutOfAGbkPage) {
  struct Case {
    std::string page;
    std::string expected;
  };
  const Case cases[] = {
      {"<p>中文博客正文" + kStart + "0A1B" + kEnd + "评论区</p>", "0A1B"},
      {kStart + "first" + kEnd + kStart + "second" + kEnd, "first"},
      {kEnd + "before" + kStart + "after" + kEnd, "after"},
      {"中" + kStart + kEnd + "文", ""},
      // "\xC1\xAA" is one character; a match starting on its second byte would give "X".
      {"\xC1" + std::string("\xAA") + kStart + "X" + kEnd, "X"},
  };
  for (const Case& c : cases) EXPECT_EQ(Between(c.page), c.expected) << c.page;
}

TEST(TextBetween, NeverMatchesOnTheSecondByteOfACharacter) {
  // 0x81 0x5B is one character whose second byte is the "[" of the marker bytes that follow it.
  std::string fakeStart = "\x81" + kStart + "FAKE" + kEnd;
  EXPECT_EQ(Between(fakeStart + "正文" + kStart + "REAL" + kEnd), "REAL");
  EXPECT_EQ(Between(kStart + "AB\x81" + kEnd + "CD" + kEnd), "AB\x81" + kEnd + "CD");
  // Every byte of 0x80 or more starts a two-byte character for this search.
  EXPECT_EQ(Between("\x80" + kStart + "A" + kEnd), "");
  EXPECT_EQ(Between("\xFF" + kStart + "A" + kEnd), "");
  EXPECT_EQ(Between("\x7F" + kStart + "A" + kEnd), "A");
}

TEST(TextBetween, MissingOrReversedMarkersGiveTheEmptyText) {
  const std::string pages[] = {"", "中文正文", kStart + "no end", "no start" + kEnd, kEnd + "reversed" + kStart,
                               kStart.substr(0, kStart.size() - 2) + "]A" + kEnd, kStart + "A" + kEnd.substr(0, 5),
                               "ends on a lead byte \xC1"};
  for (const std::string& page : pages) EXPECT_EQ(Between(page), "") << page;
}

TEST(FindBetween, SaysWhichMarkerIsMissing) {
  EXPECT_EQ(FindBetween("中文正文", kPayloadBlockStart, kPayloadBlockEnd).outcome, MarkerSearch::kNoStartMarker);
  EXPECT_EQ(FindBetween(kEnd + kStart + "x", kPayloadBlockStart, kPayloadBlockEnd).outcome, MarkerSearch::kNoEndMarker);

  std::string page = "前" + kStart + "ABC" + kEnd;
  MarkedSpan span = FindBetween(page, kPayloadBlockStart, kPayloadBlockEnd);
  EXPECT_EQ(span.outcome, MarkerSearch::kFound);
  EXPECT_EQ(span.begin, 2 + kStart.size());
  EXPECT_EQ(span.length, 3u);
}

}  // namespace
}  // namespace zembrix
