// Where the bar goes: the three position presets of the "more" menu.
#pragma once

#include "app/screen.h"

namespace zembrix {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

// Each takes the bar's current size, so a collapsed bar is placed by its collapsed height.
Point BottomRightPlace(const Screen& screen, int barWidth, int barHeight);
Point CentrePlace(const Screen& screen, int barWidth, int barHeight);
Point BottomMiddlePlace(const Screen& screen, int barWidth, int barHeight);

}  // namespace zembrix
