// The search bar's real window: builds it from its design, hands its events to SearchBar and
// carries out what SearchBar asks of the system.
#pragma once

#include <memory>

#include "platform/win32/form_host.h"
#include "platform/win32/ini_profile_file.h"
#include "platform/win32/top_level_window.h"
#include "searchbar/search_bar.h"

namespace zembrix {

class SearchBarWindow : public TopLevelWindow, private SearchBarHost {
 public:
  explicit SearchBarWindow(Text programDirectory);
  // Creates the window and runs its created handler while it is still invisible.
  bool Load();
  // Shows the bar and brings it to the foreground.
  void ShowAndActivate();

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  Colour Background() const override;
  void OnCreate();

  Screen ReadScreen() override;
  void WriteFile(const Text& path, const Text& bytes) override;
  void DeleteFile(const Text& path) override;
  void ApplyAlpha(int alpha) override;
  bool BarVisible() override;
  void HideBar() override;
  void MakeTopmost(bool topmost) override;
  void SetTimer(BarTimer timer, int periodMs) override;
  void OpenWithShell(const Text& url) override;
  void BeginDrag() override;

  Text programDirectory_;
  IniProfileFile settings_;
  std::unique_ptr<Win32FormHost> formHost_;
  std::unique_ptr<Form> form_;
  std::unique_ptr<SearchBar> bar_;
  int timerPeriods_[kBarTimerCount] = {};
};

}  // namespace zembrix
