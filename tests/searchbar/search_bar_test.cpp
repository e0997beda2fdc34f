#include "searchbar/search_bar.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_profile_file.h"
#include "platform/fake/fake_search_bar_host.h"
#include "platform/fake/recording_form_host.h"
#include "searchbar/amazon_search.h"
#include "searchbar/search_bar_design.h"
#include "searchbar/widget_page.h"

namespace zembrix {
namespace {

const Text kDir = "C:\\程序";

class SearchBarTest : public testing::Test {
 protected:
  RecordingFormHost formHost;
  FakeSearchBarHost host;
  FakeProfileFile settings;
  // Created centred on the 1024 x 768 screen at its design size, as the window system does.
  Form form{SearchBarDesign(), {397, 188, 230, 392}, formHost};
  SearchBar bar{form, host, settings, kDir};

  Rect Bar() const { return form.WindowPlace(); }
  int Left(const char* name) const { return form.Place(name).left; }
};

struct BoxCase {
  const char* kind;
  Rect bar;  // size only
  Rect widgetFrame;
  Rect browser;
  const char* caption;
  Colour colour;
};

class ApplyBoxTest : public SearchBarTest, public testing::WithParamInterface<BoxCase> {};

TEST_P(ApplyBoxTest, LaysOutTheBox) {
  const BoxCase& c = GetParam();
  bar.ApplyBox(c.kind);
  EXPECT_EQ(Bar().width, c.bar.width);
  EXPECT_EQ(Bar().height, c.bar.height);
  EXPECT_EQ(form.Caption("标签_拖动柄"), c.caption);
  EXPECT_EQ(form.WindowBackground(), c.colour);
  for (const char* label : {"标签_拖动柄", "标签_更多按钮", "标签_关闭按钮", "标签_小口按钮"}) {
    EXPECT_EQ(form.Background(label), c.colour) << label;
  }
  // Title buttons sit against the right edge, 2 pixels apart.
  EXPECT_EQ(Left("标签_关闭按钮"), c.bar.width - 16);
  EXPECT_EQ(Left("标签_小口按钮"), c.bar.width - 32);
  EXPECT_EQ(Left("标签_更多按钮"), c.bar.width - 48);
  EXPECT_EQ(bar.Box(), c.kind);
  EXPECT_TRUE(bar.Expanded());

  const bool amazon = Text(c.kind) == "zhuoyue";
  EXPECT_EQ(form.Visible("外形框_卓越"), amazon);
  EXPECT_EQ(form.Visible("外形框_淘当"), !amazon);
  EXPECT_EQ(form.Visible("超文本浏览框"), !amazon);
  if (amazon) {
    EXPECT_EQ(form.Place("外形框_卓越"), (Rect{2, 16, 226, 41}));
    EXPECT_TRUE(host.files.empty());
    return;
  }
  EXPECT_EQ(form.Place("外形框_淘当"), c.widgetFrame);
  EXPECT_EQ(form.Place("超文本浏览框"), c.browser);
  const Text page = kDir + (Text(c.kind) == "taobao" ? "\\tb_temp.htm" : "\\dd_temp.htm");
  EXPECT_EQ(host.files[page], WidgetPage(c.kind));
  EXPECT_EQ(formHost.navigated[form.IndexOf("超文本浏览框")], page);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ApplyBoxTest,
    testing::Values(BoxCase{"taobao", {0, 0, 234, 62}, {2, 13, 230, 47}, {-12, -14, 300, 79},
                            " 淘宝网搜索", kBarOrange},
                    BoxCase{"dangdang", {0, 0, 214, 62}, {2, 13, 210, 47}, {-93, -14, 600, 79},
                            " 当当网搜索", kBarBlue},
                    BoxCase{"zhuoyue", {0, 0, 230, 59}, {}, {}, " 卓越网搜索", kBarOrange}));

TEST_F(SearchBarTest, TaobaoAfterDangdangKeepsTheWideBrowser) {
  bar.ApplyBox("dangdang");
  bar.ApplyBox("taobao");
  EXPECT_EQ(form.Place("超文本浏览框"), (Rect{-12, -14, 600, 79}));
  EXPECT_EQ(form.Place("外形框_淘当"), (Rect{2, 13, 230, 47}));
  EXPECT_EQ(Bar().width, 234);
}

TEST_F(SearchBarTest, TheAmazonBoxEmptiesTheKeywordAndFocusesIt) {
  bar.ApplyBox("zhuoyue");
  const int edit = form.IndexOf("编辑框_卓越");
  formHost.typed[edit] = "旧关键词";
  bar.ApplyBox("zhuoyue");
  EXPECT_EQ(formHost.typed[edit], "");
  EXPECT_EQ(formHost.focused, edit);
}

TEST_F(SearchBarTest, BoxNamesAreExact) {
  bar.ApplyBox("Taobao");
  EXPECT_EQ(Bar(), (Rect{397, 188, 230, 392}));
  EXPECT_EQ(formHost.calls, 0);
}

TEST_F(SearchBarTest, CollapseKeepsTheTopAndRestoresTheSavedHeight) {
  bar.ApplyBox("taobao");
  const Rect expanded = Bar();
  bar.OnPress("标签_小口按钮");
  EXPECT_FALSE(bar.Expanded());
  EXPECT_EQ(Bar(), (Rect{expanded.left, expanded.top, 234, 16}));
  bar.OnPress("标签_小口按钮");
  EXPECT_TRUE(bar.Expanded());
  EXPECT_EQ(Bar(), expanded);
}

TEST_F(SearchBarTest, SwitchingBoxWhileCollapsedComesBackExpanded) {
  bar.ApplyBox("taobao");
  bar.ToggleCollapse();
  bar.ApplyBox("zhuoyue");
  EXPECT_TRUE(bar.Expanded());
  EXPECT_EQ(Bar().height, 59);
  bar.ToggleCollapse();
  EXPECT_EQ(Bar().height, 16);
  bar.ToggleCollapse();
  EXPECT_EQ(Bar().height, 59);
}

TEST_F(SearchBarTest, CreatedWithoutSettingsShowsTheTaobaoBoxCentredAboveTheTaskbar) {
  bar.OnCreated();
  EXPECT_EQ(Bar(), (Rect{395, 664, 234, 62}));
  EXPECT_EQ(host.alpha, 204);
  EXPECT_EQ(bar.Trans(), 20);
  EXPECT_EQ(host.timers[BarTimer::Topmost], 1000);
  EXPECT_TRUE(bar.Expanded());
  // Reading the settings writes nothing.
  EXPECT_TRUE(settings.writes.empty());
}

TEST_F(SearchBarTest, CreatedWithAnUnknownBoxKeepsTheDesignLayoutAndSavesTheNameBack) {
  settings.Set("box", "jingdong");
  bar.OnCreated();
  EXPECT_EQ(Bar(), (Rect{(1024 - 230) / 2, 768 - 40 - 392 - 2, 230, 392}));
  EXPECT_EQ(form.Place("外形框_淘当"), (Rect{2, 165, 230, 47}));
  EXPECT_FALSE(form.Visible("外形框_卓越"));
  EXPECT_EQ(form.Caption("标签_拖动柄"), " 淘宝网搜索");
  EXPECT_TRUE(host.files.empty());
  bar.SaveSettings();
  EXPECT_EQ((settings.values[{"general", "box"}]), "jingdong");
}

TEST_F(SearchBarTest, CreatedMovesLeftThenTopFromTheSavedPlacement) {
  settings.Set("box", "dangdang");
  settings.Set("position_left", "5000");
  settings.Set("position_top", "-30");
  settings.Set("trans", "100");
  bar.OnCreated();
  ASSERT_GE(formHost.windowMoves.size(), 2u);
  // The left edge moves first, while the top is still where the window was created.
  EXPECT_EQ(formHost.windowMoves[formHost.windowMoves.size() - 2], (Rect{808, 188, 214, 62}));
  EXPECT_EQ(Bar(), (Rect{808, -30, 214, 62}));
  EXPECT_EQ(host.alpha, 0);
}

struct PresetCase {
  void (SearchBar::*place)();
  bool collapsed;
  int left, top;
};

class PresetTest : public SearchBarTest, public testing::WithParamInterface<PresetCase> {};

TEST_P(PresetTest, PlacesTheBarByItsCurrentSize) {
  bar.ApplyBox("taobao");
  if (GetParam().collapsed) bar.ToggleCollapse();
  (bar.*GetParam().place)();
  EXPECT_EQ(Bar().left, GetParam().left);
  EXPECT_EQ(Bar().top, GetParam().top);
  EXPECT_EQ(Bar().width, 234);
}

INSTANTIATE_TEST_SUITE_P(Presets, PresetTest,
                         testing::Values(PresetCase{&SearchBar::PlaceBottomRight, false, 786, 662},
                                         PresetCase{&SearchBar::PlaceBottomMiddle, false, 395, 664},
                                         PresetCase{&SearchBar::PlaceCentre, false, 395, 353},
                                         PresetCase{&SearchBar::PlaceBottomMiddle, true, 395, 710},
                                         PresetCase{&SearchBar::PlaceBottomRight, true, 786, 708}));

TEST_F(SearchBarTest, ATaskbarAtTheSideStillKeeps40PixelsFree) {
  host.screen.workAreaBottom = 768;
  bar.ApplyBox("taobao");
  bar.PlaceBottomMiddle();
  EXPECT_EQ(Bar().top, 664);
  host.screen.workAreaBottom = 700;  // a 68-pixel taskbar at the bottom
  bar.PlaceBottomMiddle();
  EXPECT_EQ(Bar().top, 768 - 68 - 62 - 2);
}

TEST_F(SearchBarTest, TransparencyLevelsGiveTheirAlpha) {
  const std::pair<int, int> levels[] = {{0, 255}, {20, 204}, {40, 153}, {60, 102},
                                        {80, 51}, {100, 0},  {33, 170}};
  for (auto [level, alpha] : levels) {
    bar.SetTransparency(level);
    EXPECT_EQ(host.alpha, alpha) << level;
    EXPECT_EQ(bar.Trans(), level);
  }
}

TEST_F(SearchBarTest, TheTopmostTickSkipsAHiddenBar) {
  bar.TopmostTick();
  EXPECT_EQ(host.topmostCalls, 1);
  host.visible = false;
  bar.TopmostTick();
  EXPECT_EQ(host.topmostCalls, 1);
}

TEST_F(SearchBarTest, TheStartButtonSearchesTheTypedKeyword) {
  bar.ApplyBox("zhuoyue");
  formHost.typed[form.IndexOf("编辑框_卓越")] = "A&B 书";
  bar.OnPress("图片框_卓越开始");
  ASSERT_EQ(host.shellOpened.size(), 1u);
  EXPECT_EQ(host.shellOpened[0], AmazonSearchUrl("A&B 书"));
}

TEST_F(SearchBarTest, TheTitleStripDragsTheBar) {
  bar.OnPress("标签_拖动柄");
  EXPECT_EQ(host.drags, 1);
}

TEST_F(SearchBarTest, CloseHidesTheBarAndSavesItsCurrentState) {
  bar.OnCreated();
  bar.SetTransparency(60);
  form.WindowPlacedBySystem({12, 34, 234, 62});  // dragged by the user
  bar.OnPress("标签_关闭按钮");
  EXPECT_FALSE(host.visible);
  std::vector<std::pair<Text, Text>> expected = {
      {"trans", "60"}, {"position_left", "12"}, {"position_top", "34"}, {"box", "taobao"}};
  EXPECT_EQ(settings.writes, expected);
}

TEST_F(SearchBarTest, DestroyingTheWindowDeletesBothWidgetPages) {
  bar.ApplyBox("taobao");
  bar.OnDestroy();
  EXPECT_EQ(host.deleted, (std::vector<Text>{kDir + "\\tb_temp.htm", kDir + "\\dd_temp.htm"}));
  EXPECT_TRUE(host.files.empty());
}

}  // namespace
}  // namespace zembrix
