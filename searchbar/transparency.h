// Transparency levels in percent and the layered-window alpha they give.
#pragma once

namespace zembrix {

// trunc((100 − level) × 255 / 100) in real arithmetic: 0 → 255, 20 → 204, 100 → 0. Levels
// beyond 0 to 100 fall outside 0 to 255.
int AlphaForLevel(int level);

// The alpha actually applied to a window: anything outside 0 to 255 gives an opaque window.
int EffectiveAlpha(int alpha);

}  // namespace zembrix
