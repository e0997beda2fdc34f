// The child windows built from a window's control table. Labels, frames and picture boxes are
// one small window class of our own that paints itself from its row of the table; edit boxes are
// the system's EDIT class and browsers are the WebBrowser control.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/control_design.h"
#include "platform/win32/browser_host.h"

namespace zembrix {

// Sent to the top-level window when a control gets a left button press; wParam is the control's
// index in its table.
inline constexpr UINT kControlPressed = WM_APP + 1;

struct ControlWindow {
  const ControlDesign* design = nullptr;
  HWND hwnd = nullptr;
  int index = 0;
  Colour background = 0;
  HFONT font = nullptr;
  HBITMAP picture = nullptr;
  std::unique_ptr<EmbeddedBrowser> browser;
};

// Creates every control of the table as a child window of window (or of its parent control),
// in stacking order, so that the first lies on top.
void CreateControls(HWND window, const WindowDesign& design, std::vector<ControlWindow>& controls);

// Releases the fonts, pictures and browsers; the child windows go with their parent.
void ReleaseControls(std::vector<ControlWindow>& controls);

COLORREF ToColorref(Colour colour);

}  // namespace zembrix
