#include "searchbar/widget_page.h"

#include <gtest/gtest.h>

#include <vector>

#include "publisher_config.h"

namespace zembrix {
namespace {

constexpr char kMarkLine[] = "<!-- saved from url=(0014)about:internet -->";

// Lines of a page split at CR LF; a lone CR or LF stays inside its line, where the structure
// test below catches it.
std::vector<Text> SplitAtCrLf(const Text& page) {
  std::vector<Text> lines;
  size_t start = 0;
  for (size_t end; (end = page.find("\r\n", start)) != Text::npos; start = end + 2) {
    lines.push_back(page.substr(start, end - start));
  }
  lines.push_back(page.substr(start));
  return lines;
}

TEST(WidgetPageTest, TaobaoPageIsExactBytes) {
  const Text expected = Text(kMarkLine) +
                        "\r\n"
                        "<script type='text/javascript'>\r\n"
                        "alimama_pid='" +
                        config::kTaobaoPid +
                        "';\r\n"
                        "alimama_type='g';\r\n"
                        "alimama_tks={};\r\n"
                        "alimama_tks.style_i=1;\r\n"
                        "alimama_tks.lg_i=0;\r\n"
                        "alimama_tks.w_i=249;\r\n"
                        "alimama_tks.h_i=45;\r\n"
                        "alimama_tks.btn_i=1;\r\n"
                        "alimama_tks.txt_s='';\r\n"
                        "alimama_tks.hot_i=0;\r\n"
                        "alimama_tks.hc_c='#0065FF';\r\n"
                        "alimama_tks.c_i=0;\r\n"
                        "alimama_tks.cid_i=0;\r\n"
                        "</script>\r\n"
                        "<script type='text/javascript' src='http://" +
                        config::kAlimamaHost + "/inf.js'></script>";
  EXPECT_EQ(WidgetPage("taobao"), expected);
}

TEST(WidgetPageTest, DangdangPageIsExactBytes) {
  const Text expected = Text(kMarkLine) +
                        "\r\n"
                        "<script type=\"text/javascript\" > <!-- \r\n"
                        "dd_ad_output=\"html\";\r\n"
                        "dd_ad_client=\"" +
                        config::kDangdangId +
                        "\";\r\n"
                        "dd_ad_format=40;\r\n"
                        "dd_ad_width=300;\r\n"
                        "dd_ad_height=40;\r\n"
                        "dd_open_target=\"_blank\";\r\n"
                        "//--></script>\r\n"
                        "<script type=\"text/javascript\" src=\"http://" +
                        config::kDangdangUnionHost + "/union/script/dd_ads.js\" ></script>";
  EXPECT_EQ(WidgetPage("dangdang"), expected);
}

// The shape every written page must keep, whatever the configuration values are.
TEST(WidgetPageTest, PagesAreCrLfLinesAfterTheMarkOfTheWeb) {
  struct Case {
    const char* kind;
    size_t lineCount;  // including the mark-of-the-web line
  };
  for (const Case& c : {Case{"taobao", 17}, Case{"dangdang", 10}}) {
    SCOPED_TRACE(c.kind);
    const Text page = WidgetPage(c.kind);
    const std::vector<Text> lines = SplitAtCrLf(page);
    ASSERT_EQ(lines.size(), c.lineCount);
    EXPECT_EQ(lines.front(), kMarkLine);
    EXPECT_FALSE(lines.back().empty()) << "no line break after the last line";
    for (const Text& line : lines) {
      EXPECT_EQ(line.find_first_of("\r\n"), Text::npos) << line;
    }
  }
}

TEST(WidgetPageTest, LinesThatLookLikeMistakesAreKept) {
  // "{}" is an empty script object, not a configuration value left unfilled.
  EXPECT_EQ(SplitAtCrLf(WidgetPage("taobao"))[4], "alimama_tks={};");
  EXPECT_EQ(SplitAtCrLf(WidgetPage("dangdang"))[1], "<script type=\"text/javascript\" > <!-- ");
}

TEST(WidgetPageTest, OtherKindsHaveNoPage) {
  for (const char* kind : {"zhuoyue", "", "Taobao", "DANGDANG", "taobao "}) {
    EXPECT_EQ(WidgetPage(kind), "") << '"' << kind << '"';
  }
}

TEST(WidgetPageTest, MarkOfTheWebPrecedesAnyPage) {
  EXPECT_EQ(WithMarkOfTheWeb("<html>"), Text(kMarkLine) + "\r\n<html>");
  EXPECT_EQ(WithMarkOfTheWeb(""), Text(kMarkLine) + "\r\n");
}

}  // namespace
}  // namespace zembrix
