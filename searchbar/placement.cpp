#include "searchbar/placement.h"

#include "app/number.h"

namespace zembrix {
namespace {

int Centred(int space, int size) { return TruncToInt((double(space) - size) / 2); }

}  // namespace

Point BottomRightPlace(const Screen& screen, int barWidth, int barHeight) {
  return {screen.width - barWidth - 4, screen.height - barHeight - TaskbarHeight(screen) - 4};
}

Point CentrePlace(const Screen& screen, int barWidth, int barHeight) {
  return {Centred(screen.width, barWidth), Centred(screen.height, barHeight)};
}

Point BottomMiddlePlace(const Screen& screen, int barWidth, int barHeight) {
  return {Centred(screen.width, barWidth),
          screen.height - barHeight - TaskbarHeight(screen) - 2};
}

}  // namespace zembrix
