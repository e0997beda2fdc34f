#pragma once

#include <windows.h>

namespace zembrix {

// Makes the window layered with this alpha. The extended style becomes exactly WS_EX_LAYERED,
// replacing whatever it was; an alpha outside 0 to 255 gives an opaque window.
void ApplyAlpha(HWND window, int alpha);

}  // namespace zembrix
