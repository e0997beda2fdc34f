#include "searchbar/transparency_win32.h"

#include "searchbar/transparency.h"

namespace zembrix {

void ApplyAlpha(HWND window, int alpha) {
  SetWindowLongA(window, GWL_EXSTYLE, WS_EX_LAYERED);
  SetLayeredWindowAttributes(window, 0, BYTE(EffectiveAlpha(alpha)), LWA_ALPHA);
}

}  // namespace zembrix
