#include "searchbar/transparency.h"

#include "app/number.h"

namespace zembrix {

int AlphaForLevel(int level) { return TruncToInt((100.0 - level) * 255 / 100); }

int EffectiveAlpha(int alpha) { return alpha < 0 || alpha > 255 ? 255 : alpha; }

}  // namespace zembrix
