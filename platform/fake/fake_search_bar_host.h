// Stands in for everything the search bar does to the system outside its own controls.
#pragma once

#include <map>
#include <vector>

#include "searchbar/search_bar.h"

namespace zembrix {

class FakeSearchBarHost : public SearchBarHost {
 public:
  Screen screen{1024, 768, 728};
  std::map<Text, Text> files;
  std::vector<Text> deleted;
  int alpha = -1;
  bool visible = true;
  int topmostCalls = 0;
  std::map<BarTimer, int> timers;
  std::vector<Text> shellOpened;
  int drags = 0;

  Screen ReadScreen() override { return screen; }
  void WriteFile(const Text& path, const Text& bytes) override { files[path] = bytes; }
  void DeleteFile(const Text& path) override {
    files.erase(path);
    deleted.push_back(path);
  }
  void ApplyAlpha(int value) override { alpha = value; }
  bool BarVisible() override { return visible; }
  void HideBar() override { visible = false; }
  void MakeTopmost(bool topmost) override { topmostCalls += topmost ? 1 : 0; }
  void SetTimer(BarTimer timer, int periodMs) override { timers[timer] = periodMs; }
  void OpenWithShell(const Text& url) override { shellOpened.push_back(url); }
  void BeginDrag() override { ++drags; }
};

}  // namespace zembrix
