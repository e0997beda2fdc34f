#include "app/settings.h"

#include "app/number.h"

#include <algorithm>

namespace zembrix {
namespace {

int ReadInteger(const ProfileFile& file, const char* key, const Text& fallback) {
  return TruncToInt(NumberFromText(file.Read(kSettingsSection, key, fallback)));
}

}  // namespace

Text SettingsPath(const Text& programDirectory) { return programDirectory + kSettingsFileName; }

Text ReadBox(const ProfileFile& file) {
  if (!file.Exists()) return "taobao";
  return file.Read(kSettingsSection, "box", "taobao");
}

Placement ReadPlacement(const ProfileFile& file, int barWidth, int barHeight, int screenWidth,
                        int screenHeight, int taskbarHeight) {
  // Computed in real arithmetic, as the position is a real until it is truncated.
  const double centredLeft = (double(screenWidth) - barWidth) / 2;
  const int maxLeft = TruncToInt(double(screenWidth) - barWidth - 2);
  const int maxTop = TruncToInt(double(screenHeight) - taskbarHeight - barHeight - 2);

  Placement placement;
  if (!file.Exists()) {
    placement.left = TruncToInt(centredLeft);
    placement.top = maxTop;
    return placement;
  }
  placement.trans = ReadInteger(file, "trans", "20");
  // Pulled back inside the right and bottom edges only: a position saved on a larger screen
  // must not leave the bar out of reach, while a negative one is the user's own choice.
  placement.left = std::min(ReadInteger(file, "position_left", RealToText(centredLeft)), maxLeft);
  placement.top = std::min(ReadInteger(file, "position_top", IntegerToText(maxTop)), maxTop);
  return placement;
}

void SaveSettings(ProfileFile& file, const Settings& settings) {
  file.Write(kSettingsSection, "trans", IntegerToText(settings.trans));
  file.Write(kSettingsSection, "position_left", IntegerToText(settings.left));
  file.Write(kSettingsSection, "position_top", IntegerToText(settings.top));
  file.Write(kSettingsSection, "box", settings.box);
}

}  // namespace zembrix
