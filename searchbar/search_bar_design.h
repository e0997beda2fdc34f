// The search bar window and its controls as designed, before any box is applied.
#pragma once

#include "platform/control_design.h"

namespace zembrix {

const WindowDesign& SearchBarDesign();

inline constexpr Colour kBarOrange = 24768;   // RGB 192, 96, 0
inline constexpr Colour kBarBlue = 12607488;  // RGB 0, 96, 192

}  // namespace zembrix
