// The primary display as the placement rules see it.
#pragma once

namespace zembrix {

struct Screen {
  int width = 0;
  int height = 0;
  // Bottom edge of the work area; 0 when the query failed.
  int workAreaBottom = 0;
};

// The allowance kept free for the taskbar below the bar. A taskbar at the top, at a side or
// hidden leaves the work area's bottom at the screen's, and then 40 pixels are kept anyway.
inline int TaskbarHeight(const Screen& screen) {
  int height = screen.height - screen.workAreaBottom;
  return height != 0 ? height : 40;
}

}  // namespace zembrix
