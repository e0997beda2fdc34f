// The start sequence: one search bar per desktop, loaded and brought to the front.
#pragma once

namespace zembrix {

// The search bar's title, which is also the key that refuses a second instance.
inline constexpr const char* kSearchBarTitle = "Zembrix，便捷搜宝入口";

class StartupHost {
 public:
  virtual ~StartupHost() = default;
  virtual bool WindowTitled(const char* title) = 0;
  // Creates the bar and runs its created handler; false when the window was not created.
  virtual bool LoadSearchBar() = 0;
  virtual void ShowSearchBar() = 0;
  virtual void EndProcess(int exitCode) = 0;
};

// How often loading the bar is tried before the process gives up.
inline constexpr int kSearchBarLoadAttempts = 50;

// Runs from the invisible start-up window's created event.
void StartProgram(StartupHost& host);

}  // namespace zembrix
