// The search bar's behaviour: its created handler, the three boxes, collapsing, placement,
// transparency, the topmost tick and the presses on its controls. Everything that touches the
// real window system goes through the Form (controls) and the SearchBarHost (the rest).
#pragma once

#include "app/profile_file.h"
#include "app/screen.h"
#include "app/settings.h"
#include "app/text.h"
#include "platform/form.h"
#include "searchbar/placement.h"

namespace zembrix {

enum class BarTimer { Topmost };
inline constexpr int kBarTimerCount = 1;

class SearchBarHost {
 public:
  virtual ~SearchBarHost() = default;
  virtual Screen ReadScreen() = 0;
  // Whole-file writes that create or truncate; failures are not reported.
  virtual void WriteFile(const Text& path, const Text& bytes) = 0;
  virtual void DeleteFile(const Text& path) = 0;
  virtual void ApplyAlpha(int alpha) = 0;
  virtual bool BarVisible() = 0;
  virtual void HideBar() = 0;
  virtual void MakeTopmost(bool topmost) = 0;
  // A period of 0 or less stops the timer; setting the period it already has changes nothing;
  // any other period restarts its count from zero.
  virtual void SetTimer(BarTimer timer, int periodMs) = 0;
  virtual void OpenWithShell(const Text& url) = 0;
  // Hands the mouse to the system's window-move loop.
  virtual void BeginDrag() = 0;
};

inline constexpr int kTopmostPeriodMs = 1000;

class SearchBar {
 public:
  SearchBar(Form& form, SearchBarHost& host, ProfileFile& settings, Text programDirectory);

  // Runs once, while the bar is still invisible.
  void OnCreated();
  // The window is being destroyed while the program goes on.
  void OnDestroy();

  void ApplyBox(const Text& kind);
  void LayoutTitleButtons();
  void ToggleCollapse();

  void PlaceBottomRight();
  void PlaceCentre();
  void PlaceBottomMiddle();
  void SetTransparency(int level);
  void TopmostTick();

  // A left mouse button press on one of the bar's controls.
  void OnPress(const char* control);
  void SearchAmazon(const Text& keyword);
  // "×": hides the bar and remembers the user's choices.
  void Close();
  void SaveSettings();

  const Text& Box() const { return box_; }
  int Trans() const { return trans_; }
  bool Expanded() const { return expanded_; }

 private:
  void ApplyWidgetBox(const Text& kind);
  void ApplyAmazonBox();
  void SetBoxColour(Colour colour);
  using PresetPlace = Point (*)(const Screen&, int barWidth, int barHeight);
  // Moves the bar in one call that sets left and top together; its size is unchanged.
  void PlaceBy(PresetPlace preset);

  Form& form_;
  SearchBarHost& host_;
  ProfileFile& settings_;
  Text programDirectory_;
  Text box_;
  int trans_ = 20;
  bool expanded_ = false;
  int savedHeight_ = 0;
};

}  // namespace zembrix
