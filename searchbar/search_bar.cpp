#include "searchbar/search_bar.h"

#include <cstring>

#include "searchbar/amazon_search.h"
#include "searchbar/placement.h"
#include "searchbar/search_bar_design.h"
#include "searchbar/transparency.h"
#include "searchbar/widget_page.h"

namespace zembrix {
namespace {

struct WidgetBox {
  const char* kind;
  const char* pageFile;
  const char* caption;
  Colour colour;
  MoveTo browser;
  MoveTo frame;
};

// The Taobao box leaves the browser's width alone, so after Dangdang it keeps 600 pixels.
const WidgetBox kWidgetBoxes[] = {
    {"taobao", "\\tb_temp.htm", " 淘宝网搜索", kBarOrange, {-12, -14, {}, {}}, {2, 13, 230, 47}},
    {"dangdang", "\\dd_temp.htm", " 当当网搜索", kBarBlue, {-93, -14, 600, {}}, {12, 13, 210, 47}},
};

const WidgetBox* FindWidgetBox(const Text& kind) {
  for (const WidgetBox& box : kWidgetBoxes) {
    if (kind == box.kind) return &box;
  }
  return nullptr;
}

}  // namespace

SearchBar::SearchBar(Form& form, SearchBarHost& host, ProfileFile& settings,
                     Text programDirectory)
    : form_(form), host_(host), settings_(settings),
      programDirectory_(std::move(programDirectory)) {}

void SearchBar::OnCreated() {
  box_ = ReadBox(settings_);
  // An unknown name applies no box: the bar keeps its design layout and the name is saved
  // back unchanged.
  ApplyBox(box_);

  const Rect bar = form_.WindowPlace();
  const Screen screen = host_.ReadScreen();
  const Placement placement = ReadPlacement(settings_, bar.width, bar.height, screen.width,
                                            screen.height, TaskbarHeight(screen));
  form_.MoveWindow({.left = placement.left});
  form_.MoveWindow({.top = placement.top});
  SetTransparency(placement.trans);

  // The start-up order around the topmost timer: tray icon, topmost timer, start-up hint, first
  // online menu refresh, menu timer. The tray icon and what follows the timer join as the
  // tray and online parts arrive.
  host_.SetTimer(BarTimer::Topmost, kTopmostPeriodMs);
  expanded_ = true;
}

void SearchBar::OnDestroy() {
  for (const WidgetBox& box : kWidgetBoxes) host_.DeleteFile(programDirectory_ + box.pageFile);
}

void SearchBar::ApplyBox(const Text& kind) {
  // Names are compared exactly: "Taobao" is not a box.
  if (kind == "zhuoyue") {
    ApplyAmazonBox();
  } else if (FindWidgetBox(kind)) {
    ApplyWidgetBox(kind);
  }
}

void SearchBar::ApplyWidgetBox(const Text& kind) {
  const WidgetBox& box = *FindWidgetBox(kind);
  const Text page = programDirectory_ + box.pageFile;
  host_.WriteFile(page, WidgetPage(kind));
  form_.Navigate("超文本浏览框", page);
  form_.Move("超文本浏览框", box.browser);
  form_.SetCaption("标签_拖动柄", box.caption);
  SetBoxColour(box.colour);
  form_.Move("外形框_淘当", box.frame);
  form_.Show("外形框_卓越", false);
  form_.Show("超文本浏览框", true);
  form_.Show("外形框_淘当", true);
  box_ = kind;
  const Rect frame = form_.Place("外形框_淘当");
  form_.MoveWindow({.width = frame.width + 4, .height = frame.top + frame.height + 2});
  form_.Move("外形框_淘当", {.left = 2});
  LayoutTitleButtons();
  expanded_ = true;
}

void SearchBar::ApplyAmazonBox() {
  form_.Show("超文本浏览框", false);
  form_.Show("外形框_淘当", false);
  form_.SetCaption("标签_拖动柄", " 卓越网搜索");
  SetBoxColour(kBarOrange);
  form_.Show("外形框_卓越", true);
  form_.Move("外形框_卓越", {.left = 2, .top = 16});
  const Rect frame = form_.Place("外形框_卓越");
  form_.MoveWindow({.width = frame.width + 4, .height = frame.top + frame.height + 2});
  box_ = "zhuoyue";
  LayoutTitleButtons();
  expanded_ = true;
  form_.SetCaption("编辑框_卓越", "");
  form_.Focus("编辑框_卓越");
}

void SearchBar::SetBoxColour(Colour colour) {
  form_.SetWindowBackground(colour);
  for (const char* label : {"标签_拖动柄", "标签_更多按钮", "标签_关闭按钮", "标签_小口按钮"}) {
    form_.SetBackground(label, colour);
  }
}

void SearchBar::LayoutTitleButtons() {
  const int barWidth = form_.WindowPlace().width;
  const int close = barWidth - form_.Place("标签_关闭按钮").width - 2;
  form_.Move("标签_关闭按钮", {.left = close});
  const int collapse = close - form_.Place("标签_小口按钮").width - 2;
  form_.Move("标签_小口按钮", {.left = collapse});
  form_.Move("标签_更多按钮", {.left = collapse - form_.Place("标签_更多按钮").width - 2});
}

void SearchBar::ToggleCollapse() {
  // The top edge stays put: the bar shrinks to its title strip and grows back downwards.
  if (expanded_) {
    expanded_ = false;
    savedHeight_ = form_.WindowPlace().height;
    form_.MoveWindow({.height = form_.Place("标签_拖动柄").height});
  } else {
    expanded_ = true;
    form_.MoveWindow({.height = savedHeight_});
  }
}

void SearchBar::PlaceBy(PresetPlace preset) {
  const Rect bar = form_.WindowPlace();
  const Point place = preset(host_.ReadScreen(), bar.width, bar.height);
  form_.MoveWindow({.left = place.x, .top = place.y});
}

void SearchBar::PlaceBottomRight() { PlaceBy(BottomRightPlace); }
void SearchBar::PlaceCentre() { PlaceBy(CentrePlace); }
void SearchBar::PlaceBottomMiddle() { PlaceBy(BottomMiddlePlace); }

void SearchBar::SetTransparency(int level) {
  host_.ApplyAlpha(AlphaForLevel(level));
  trans_ = level;
}

void SearchBar::TopmostTick() {
  if (host_.BarVisible()) host_.MakeTopmost(true);
}

void SearchBar::OnPress(const char* control) {
  auto is = [control](const char* name) { return std::strcmp(control, name) == 0; };
  if (is("标签_小口按钮")) {
    ToggleCollapse();
  } else if (is("标签_拖动柄")) {
    host_.BeginDrag();
  } else if (is("图片框_卓越开始")) {
    SearchAmazon(form_.TypedText("编辑框_卓越"));
  } else if (is("标签_关闭按钮")) {
    Close();
  }
}

void SearchBar::SearchAmazon(const Text& keyword) { host_.OpenWithShell(AmazonSearchUrl(keyword)); }

void SearchBar::Close() {
  host_.HideBar();
  SaveSettings();
}

void SearchBar::SaveSettings() {
  const Rect bar = form_.WindowPlace();
  zembrix::SaveSettings(settings_, {.trans = trans_, .left = bar.left, .top = bar.top, .box = box_});
}

}  // namespace zembrix
