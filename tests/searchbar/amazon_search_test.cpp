#include "searchbar/amazon_search.h"

#include <gtest/gtest.h>

#include "publisher_config.h"

namespace zembrix {
namespace {

Text UrlPrefix() {
  return Text("http://") + config::kAmazonHost +
         "/gp/associates/link-types/searchbox.html?tag=" + config::kAmazonTag +
         "&creative=2028&adid=" + config::kAmazonAdid + "&campaign=408&mode=blended&keyword=";
}

constexpr char kUrlSuffix[] = "&Submit.x=29&Submit.y=10&Submit=Go";

// The expected values below spell GBK bytes as string literals; this pins that the build
// really turns the UTF-8 source into GBK.
TEST(AmazonSearchUrlTest, ChineseLiteralsAreGbkBytes) {
  EXPECT_EQ(Text("书"), Text("\xCA\xE9"));
}

TEST(AmazonSearchUrlTest, EmptyKeywordStillGivesTheWholeUrl) {
  EXPECT_EQ(AmazonSearchUrl(""), UrlPrefix() + kUrlSuffix);
}

TEST(AmazonSearchUrlTest, KeywordIsPercentEncodedByteForByte) {
  struct Case {
    Text keyword;
    Text encoded;
  };
  const Case cases[] = {
      {"Harry Potter", "Harry%20Potter"},
      {"  ", "%20%20"},
      {"A&B", "A%26B"},
      {"C#", "C%23"},
      {"C++", "C%2B%2B"},
      {"100%", "100%25"},
      {"a=b?c/d", "a%3Db%3Fc%2Fd"},
      {"AZaz09-._~", "AZaz09-._~"},
      {"书", "%CA%E9"},
      {"开始 2", "%BF%AA%CA%BC%202"},
      {Text("\x01\t\x7F", 3), "%01%09%7F"},
      {Text("\x80\xFF", 2), "%80%FF"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AmazonSearchUrl(c.keyword), UrlPrefix() + c.encoded + kUrlSuffix)
        << "keyword \"" << c.keyword << '"';
  }
}

}  // namespace
}  // namespace zembrix
