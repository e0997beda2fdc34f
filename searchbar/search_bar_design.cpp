#include "searchbar/search_bar_design.h"

#include "app/startup.h"
#include "resources/resource_ids.h"

namespace zembrix {
namespace {

constexpr Colour kWhite = Rgb(255, 255, 255);

// The three title buttons share one look; only the caption and the alignment differ.
constexpr ControlDesign TitleButton(const char* name, Rect place, const char* caption,
                                  TextAlign align) {
  return {.name = name,
          .kind = ControlKind::Label,
          .place = place,
          .caption = caption,
          .textColour = kWhite,
          .background = kBarOrange,
          .align = align,
          .cursor = CursorShape::Hand};
}

constexpr ControlDesign kControls[] = {
    TitleButton("标签_小口按钮", {152, 0, 14, 16}, "□", TextAlign::Left),
    {.name = "编辑框_卓越",
     .kind = ControlKind::EditBox,
     .parent = "外形框_卓越编辑框外",
     .place = {1, 1, 128, 19},
     .background = kWhite},
    {.name = "外形框_卓越编辑框外",
     .kind = ControlKind::Frame,
     .parent = "外形框_卓越",
     .place = {24, 9, 130, 21},
     .outline = kBarOrange,
     .outlineWidth = 2},
    {.name = "图片框_卓越开始",
     .kind = ControlKind::PictureBox,
     .parent = "外形框_卓越",
     .place = {160, 9, 40, 21},
     .cursor = CursorShape::Hand,
     .pictureId = IDB_START_BUTTON},
    {.name = "外形框_卓越",
     .kind = ControlKind::Frame,
     .place = {2, 16, 226, 41},
     .visible = false,
     .background = kWhite,
     .outline = kWhite,
     .outlineWidth = 1,
     .filled = true,
     .fill = kWhite},
    TitleButton("标签_更多按钮", {206, 0, 14, 16}, "≡", TextAlign::Left),
    TitleButton("标签_关闭按钮", {220, 0, 14, 16}, "×", TextAlign::Centre),
    {.name = "标签_拖动柄",
     .kind = ControlKind::Label,
     .place = {0, 0, 242, 16},
     .caption = " 淘宝网搜索",
     .textColour = Rgb(236, 236, 236),
     .background = kBarOrange,
     .font = {"Verdana", 12},
     .cursor = CursorShape::SizeAll},
    {.name = "超文本浏览框",
     .kind = ControlKind::Browser,
     .parent = "外形框_淘当",
     .place = {-12, -14, 300, 79},
     .zoomLevel = 2},
    {.name = "外形框_淘当",
     .kind = ControlKind::Frame,
     .place = {2, 165, 230, 47},
     .outline = Rgb(0, 0, 0),
     .outlineWidth = 1},
};

constexpr WindowDesign kSearchBar = {
    .title = kSearchBarTitle,
    .size = {0, 0, 230, 392},
    .background = kBarOrange,
    .controls = kControls,
};

}  // namespace

const WindowDesign& SearchBarDesign() { return kSearchBar; }

}  // namespace zembrix
