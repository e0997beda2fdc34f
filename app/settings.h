// The user's choices between runs: the box shown, the transparency level and the position,
// in "Zembrix.ini" beside the executable.
#pragma once

#include "app/profile_file.h"
#include "app/text.h"

namespace zembrix {

inline constexpr const char* kSettingsFileName = "\\Zembrix.ini";
inline constexpr const char* kSettingsSection = "general";

Text SettingsPath(const Text& programDirectory);

Text ReadBox(const ProfileFile& file);

struct Placement {
  int trans = 20;
  int left = 0;
  int top = 0;
};

// Bar size after its box has been applied; taskbarHeight from TaskbarHeight().
Placement ReadPlacement(const ProfileFile& file, int barWidth, int barHeight, int screenWidth,
                        int screenHeight, int taskbarHeight);

struct Settings {
  int trans = 20;
  int left = 0;
  int top = 0;
  Text box;
};

void SaveSettings(ProfileFile& file, const Settings& settings);

}  // namespace zembrix
