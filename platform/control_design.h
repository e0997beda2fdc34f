// Windows and their controls described as data: one table per window, read by one generic
// builder on Windows and by the portable Form model everywhere.
#pragma once

#include <cstdint>
#include <span>

namespace zembrix {

// A COLORREF value, 0x00BBGGRR.
using Colour = std::uint32_t;

constexpr Colour Rgb(int red, int green, int blue) {
  return Colour(red) | Colour(green) << 8 | Colour(blue) << 16;
}

// Stands for the system's button-face colour, which is looked up when painting.
inline constexpr Colour kButtonFace = 0x8000000F;

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect&) const = default;
};

enum class ControlKind { Label, Frame, EditBox, PictureBox, Browser };
enum class TextAlign { Left, Centre };
enum class CursorShape { Arrow, Hand, SizeAll };

struct FontDesign {
  const char* face = nullptr;  // null: the default GUI font
  int height = 0;              // character height in pixels
};

struct ControlDesign {
  const char* name = "";
  ControlKind kind = ControlKind::Label;
  const char* parent = nullptr;  // null: the window itself
  Rect place;
  bool visible = true;
  const char* caption = "";
  Colour textColour = Rgb(0, 0, 0);
  Colour background = kButtonFace;
  FontDesign font;
  TextAlign align = TextAlign::Left;
  CursorShape cursor = CursorShape::Arrow;
  // Frames: an outline of this width (0: none), hollow unless filled.
  Colour outline = Rgb(0, 0, 0);
  int outlineWidth = 0;
  bool filled = false;
  Colour fill = Rgb(255, 255, 255);
  int pictureId = 0;   // picture boxes: bitmap resource
  int zoomLevel = 2;   // browsers: text size, 0 to 4
};

struct WindowDesign {
  const char* title = "";
  Rect size;  // width and height; windows are centred on the screen when created
  Colour background = Rgb(255, 255, 255);
  // In stacking order: the first lies on top of the later ones where they overlap.
  std::span<const ControlDesign> controls;
};

}  // namespace zembrix
